// A canvas wired into the drawing layer's globals, with no recorder installed.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "draw/paint_context.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "platform/recorder.h"
#include "tests/support/canvas.h"

using Rows = std::vector<std::string>;

struct DrawTest : testing::Test {
    std::unique_ptr<Canvas> canvas;

    void SetUp() override {
        gdi::set_recorder(nullptr);
        make_canvas(16, 12);
    }
    void TearDown() override {
        gdi::set_recorder(nullptr);
        canvas.reset();
    }
    // Replaces the canvas; sets paint_dc, main_window, the palette and background_colour.
    void make_canvas(int width, int height) {
        canvas.reset();
        canvas = std::make_unique<Canvas>(width, height);
    }
    void fill(int colour) {
        for (auto& p : canvas->surface.pixels) p = palette[colour];
    }
};

#define EXPECT_PICTURE(expected)                                                           \
    do {                                                                                   \
        const Rows expected_rows = (expected);                                             \
        const Rows actual_rows = canvas->picture();                                        \
        EXPECT_EQ(expected_rows, actual_rows) << side_by_side(expected_rows, actual_rows); \
    } while (0)
