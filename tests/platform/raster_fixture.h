// A canvas for the platform's drawing calls: pens and brushes made for a test are selected
// into the canvas's device context and destroyed again when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/palette.h"
#include "platform/gdi.h"
#include "platform/objects.h"
#include "tests/support/canvas.h"

struct RasterCanvas : Canvas {
    std::vector<gdi::Handle> made;

    RasterCanvas(int width, int height) : Canvas(width, height) {}
    ~RasterCanvas() {
        gdi::select_object(dc, gdi::get_stock_object(gdi::black_pen));
        gdi::select_object(dc, gdi::get_stock_object(gdi::white_brush));
        for (gdi::Handle h : made) gdi::delete_object(h);
    }

    // Selects a new pen in colour number `colour`.
    void pen(int style, int width, int colour) {
        gdi::Handle h = gdi::create_pen(style, width, palette[colour]);
        made.push_back(h);
        gdi::select_object(dc, h);
    }
    void brush(int colour) {
        gdi::Handle h = gdi::create_solid_brush(palette[colour]);
        made.push_back(h);
        gdi::select_object(dc, h);
    }
    void null_brush() { gdi::select_object(dc, gdi::get_stock_object(gdi::null_brush)); }
    void fill(int colour) {
        for (auto& p : surface.pixels) p = palette[colour];
    }
    void segment(int x1, int y1, int x2, int y2) {
        const gdi::Point points[2] = {{x1, y1}, {x2, y2}};
        gdi::polyline(dc, points, 2);
    }
};

// Expects the whole canvas to show the picture.
#define EXPECT_PICTURE(canvas, expected)                                                   \
    do {                                                                                   \
        const std::vector<std::string> expected_rows = (expected);                         \
        const std::vector<std::string> actual_rows = (canvas).picture();                   \
        EXPECT_EQ(expected_rows, actual_rows) << side_by_side(expected_rows, actual_rows); \
    } while (0)
