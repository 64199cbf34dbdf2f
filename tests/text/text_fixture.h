// Helpers of the text tests: a fixture that resets what text output keeps between tests, and
// the box that a drawing's ink covers.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>

#include "draw/palette.h"
#include "platform/font_face.h"
#include "platform/recorder.h"
#include "tests/support/canvas.h"

// Columns left..right and rows top..bottom, inclusive; empty when nothing is inked.
// The font the programs write every text with: "MSMINCHO", 16 pixels high in 8-pixel cells,
// Shift-JIS, roman.
inline gdi::FontSpec program_font(int escapement = 0) {
    gdi::FontSpec logical;
    logical.height = 16;
    logical.width = 8;
    logical.escapement = escapement;
    logical.orientation = escapement;
    logical.weight = 400;
    logical.char_set = gdi::shiftjis_charset;
    logical.out_precision = 4;
    logical.clip_precision = 32;
    logical.quality = 2;
    logical.pitch_and_family = 16;
    std::snprintf(logical.face, sizeof logical.face, "MSMINCHO");
    return logical;
}

struct InkBox {
    bool empty = true;
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN;
    int bottom = INT_MIN;
};

// The box of every pixel that is not white (colour 7).
inline InkBox ink_box(const Canvas& canvas) {
    InkBox box;
    for (int y = 0; y < canvas.surface.height; ++y) {
        for (int x = 0; x < canvas.surface.width; ++x) {
            if (canvas.colour_at(x, y) == colour_white) continue;
            box.empty = false;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

// Pixels that are not white inside columns x0..x1 and rows y0..y1 (inclusive) of the surface.
inline int ink_in(const Canvas& canvas, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = std::max(y0, 0); y <= y1 && y < canvas.surface.height; ++y) {
        for (int x = std::max(x0, 0); x <= x1 && x < canvas.surface.width; ++x) {
            if (canvas.colour_at(x, y) != colour_white) ++count;
        }
    }
    return count;
}

inline std::string describe(const InkBox& box) {
    if (box.empty) return "no ink";
    return "ink in columns " + std::to_string(box.left) + ".." + std::to_string(box.right) +
           ", rows " + std::to_string(box.top) + ".." + std::to_string(box.bottom);
}

// Every text test starts with monochrome glyphs and no recorder.
class TextTest : public ::testing::Test {
protected:
    void SetUp() override {
        gdi::set_glyph_rendering(gdi::GlyphRendering::monochrome);
        gdi::set_recorder(nullptr);
    }
    void TearDown() override {
        gdi::set_glyph_rendering(gdi::GlyphRendering::monochrome);
        gdi::set_recorder(nullptr);
    }
};
