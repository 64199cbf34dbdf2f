// Pen styles: the dash patterns and their phase, the gaps in both background modes, wide pens
// and the mix modes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/platform/raster_fixture.h"

namespace {

using Rows = std::vector<std::string>;

// A 30 x 1 light grey canvas, so that white gaps and untouched gaps differ.
struct StripCanvas : RasterCanvas {
    StripCanvas(int width = 30) : RasterCanvas(width, 1) { fill(8); }
};

TEST(DashTest, PatternsOfEachStyleInBothBackgroundModes) {
    struct Case {
        int style;
        const char* opaque;
        const char* transparent;
    };
    const Case cases[] = {
        {gdi::ps_solid, "000000000000000000000000000000", "000000000000000000000000000000"},
        {gdi::ps_dash, "000000000000000000777777000000", "000000000000000000888888000000"},
        {gdi::ps_dot, "000777000777000777000777000777", "000888000888000888000888000888"},
        {gdi::ps_dashdot, "000000000777777000777777000000", "000000000888888000888888000000"},
        {gdi::ps_dashdotdot, "000000000777000777000777000000", "000000000888000888000888000000"},
    };
    for (const Case& c : cases) {
        for (bool opaque : {true, false}) {
            StripCanvas canvas;
            canvas.pen(c.style, 1, colour_black);
            gdi::set_bk_mode(canvas.dc, opaque ? gdi::bk_opaque : gdi::bk_transparent);
            canvas.segment(0, 0, 30, 0);
            SCOPED_TRACE(testing::Message() << "style " << c.style << (opaque ? " opaque" : ""));
            EXPECT_PICTURE(canvas, Rows{opaque ? c.opaque : c.transparent});
        }
    }
}

TEST(DashTest, GapsTakeTheBackgroundColour) {
    StripCanvas canvas(12);
    canvas.pen(gdi::ps_dot, 0, colour_black);
    gdi::set_bk_color(canvas.dc, palette[2]);
    canvas.segment(0, 0, 12, 0);
    EXPECT_PICTURE(canvas, Rows{"000222000222"});
}

// One unit per pixel along the major axis, whatever the direction.
TEST(DashTest, PatternCountsMajorAxisSteps) {
    struct Case {
        int x1, y1, x2, y2;
    };
    // Diagonal, vertical upward, and x-major from right to left.
    const Case cases[] = {{0, 0, 13, 13}, {12, 12, 12, -1}, {12, 0, -14, 13}};
    for (const Case& c : cases) {
        RasterCanvas dotted(13, 13);
        dotted.pen(gdi::ps_dot, 1, colour_black);
        gdi::set_bk_mode(dotted.dc, gdi::bk_transparent);
        dotted.segment(c.x1, c.y1, c.x2, c.y2);
        RasterCanvas solid(13, 13);
        solid.segment(c.x1, c.y1, c.x2, c.y2);
        // Step i of the solid line is its i-th pixel from the start along the major axis.
        const bool x_major = std::abs(c.x2 - c.x1) > std::abs(c.y2 - c.y1);
        int steps = 0;
        for (const gdi::Point& p : solid.pixels_of(colour_black)) {
            const int i = x_major ? std::abs(p.x - c.x1) : std::abs(p.y - c.y1);
            EXPECT_EQ(dotted.colour_at(p.x, p.y) == colour_black, i % 6 < 3)
                << "step " << i << " of " << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
            ++steps;
        }
        EXPECT_EQ(steps, 13);
        EXPECT_EQ(dotted.count_of(colour_black), 7);  // steps 0-2, 6-8 and 12
    }
}

TEST(DashTest, RightToLeftStartsAtTheRightEnd) {
    StripCanvas canvas;
    canvas.pen(gdi::ps_dash, 1, colour_black);
    canvas.segment(29, 0, -1, 0);
    EXPECT_PICTURE(canvas, Rows{"000000777777000000000000000000"});
}

TEST(DashTest, RestartsAtEveryLineToAndCarriesAcrossPolylineVertices) {
    StripCanvas by_line_to(12);
    by_line_to.pen(gdi::ps_dot, 1, colour_black);
    gdi::move_to_ex(by_line_to.dc, 0, 0);
    gdi::line_to(by_line_to.dc, 4, 0);
    gdi::line_to(by_line_to.dc, 8, 0);
    gdi::line_to(by_line_to.dc, 12, 0);
    EXPECT_PICTURE(by_line_to, Rows{"000700070007"});

    StripCanvas by_polyline(12);
    by_polyline.pen(gdi::ps_dot, 1, colour_black);
    const gdi::Point points[4] = {{0, 0}, {4, 0}, {8, 0}, {12, 0}};
    gdi::polyline(by_polyline.dc, points, 4);
    EXPECT_PICTURE(by_polyline, Rows{"000777000777"});
}

TEST(DashTest, ClippingDoesNotShiftThePhase) {
    StripCanvas off_surface(10);
    off_surface.pen(gdi::ps_dot, 1, colour_black);
    gdi::set_bk_mode(off_surface.dc, gdi::bk_transparent);
    off_surface.segment(-4, 0, 10, 0);
    EXPECT_PICTURE(off_surface, Rows{"8800088800"});

    StripCanvas by_region(10);
    by_region.pen(gdi::ps_dot, 1, colour_black);
    gdi::Handle region = gdi::create_rect_rgn(4, 0, 10, 1);
    gdi::select_clip_rgn(by_region.dc, region);
    gdi::delete_object(region);
    by_region.segment(0, 0, 10, 0);
    EXPECT_PICTURE(by_region, Rows{"8888770007"});
}

TEST(WidePenTest, TwoPixelBandsAndCaps) {
    struct Case {
        int x1, y1, x2, y2, width, style;
        Rows picture;
    };
    const Case cases[] = {
        {2,
         5,
         6,
         5,
         2,
         gdi::ps_solid,
         {"77777777", "77777777", "77777777", "77777777", "70000007", "70000007", "77777777"}},
        {6,
         5,
         2,
         5,
         2,
         gdi::ps_solid,
         {"77777777", "77777777", "77777777", "77777777", "70000007", "70000007", "77777777"}},
        {3,
         1,
         3,
         4,
         2,
         gdi::ps_solid,
         {"77007777", "77007777", "77007777", "77007777", "77007777", "77777777", "77777777"}},
        {3,
         3,
         3,
         3,
         2,
         gdi::ps_solid,
         {"77777777", "77777777", "77007777", "77007777", "77777777", "77777777", "77777777"}},
        // A dash style wider than one pixel draws solid.
        {2,
         5,
         6,
         5,
         2,
         gdi::ps_dot,
         {"77777777", "77777777", "77777777", "77777777", "70000007", "70000007", "77777777"}},
        // Three pixels: one on each side of the ideal line.
        {2,
         3,
         5,
         3,
         3,
         gdi::ps_solid,
         {"77777777", "77777777", "70000007", "70000007", "70000007", "77777777", "77777777"}},
        // A diagonal: the 2 x 2 block at every pixel of the line, both ends included.
        {2,
         2,
         5,
         5,
         2,
         gdi::ps_solid,
         {"77777777", "70077777", "70007777", "77000777", "77700077", "77770077", "77777777"}},
    };
    for (const Case& c : cases) {
        RasterCanvas canvas(8, 7);
        canvas.pen(c.style, c.width, colour_black);
        canvas.segment(c.x1, c.y1, c.x2, c.y2);
        SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2
                                        << " width " << c.width);
        EXPECT_PICTURE(canvas, c.picture);
    }
}

// In exclusive-or mode every covered pixel is inverted exactly once, where the band of a path
// overlaps itself too.
TEST(WidePenTest, EachPixelOfABandIsWrittenOnce) {
    RasterCanvas canvas(8, 6);
    canvas.pen(gdi::ps_solid, 2, colour_white);
    gdi::set_rop2(canvas.dc, gdi::r2_xorpen);
    const gdi::Point points[4] = {{1, 2}, {6, 2}, {6, 4}, {1, 2}};
    gdi::polyline(canvas.dc, points, 4);
    EXPECT_PICTURE(canvas,
                   (Rows{"77777777", "00000007", "00000007", "77000007", "77770007", "77777777"}));
}

TEST(WidePenTest, HugeWideSegmentIsBounded) {
    RasterCanvas canvas(20, 20);
    canvas.pen(gdi::ps_solid, 2, colour_black);
    gdi::reset_pixel_counts();
    canvas.segment(-2000000000, 10, 2000000000, 10);
    EXPECT_EQ(canvas.count_of(colour_black), 40);
    EXPECT_EQ(gdi::pixel_counts().pixels, 40);
    EXPECT_LE(gdi::pixel_counts().calls, 2);
}

TEST(MixModeTest, EachModeCombinesPenAndPixel) {
    const gdi::Colour pen = 0x00F0CC0Fu;
    const gdi::Colour pixel = 0x00AA55FFu;
    struct Case {
        int mode;
        gdi::Colour result;
    };
    const Case cases[] = {
        {gdi::r2_copypen, pen},
        {gdi::r2_black, 0},
        {gdi::r2_white, 0x00FFFFFFu},
        {gdi::r2_not, ~pixel & 0xFFFFFFu},
        {gdi::r2_xorpen, pen ^ pixel},
        {gdi::r2_nop, pixel},
        {9, pen & pixel},       // mask pen
        {15, pen | pixel},      // merge pen
        {4, ~pen & 0xFFFFFFu},  // not copy pen
        {0, pen},               // not a mix mode: copies the pen
        {99, pen},
    };
    for (const Case& c : cases) {
        RasterCanvas canvas(3, 1);
        canvas.surface.pixels[1] = pixel;
        gdi::set_rop2(canvas.dc, c.mode);
        gdi::set_pixel(canvas.dc, 1, 0, pen);
        EXPECT_EQ(canvas.surface.pixels[1], c.result) << "mode " << c.mode;
        EXPECT_EQ(canvas.surface.pixels[0], palette[colour_white]);
        EXPECT_EQ(canvas.surface.pixels[2], palette[colour_white]);
    }
}

// A one-pixel closed path leaves out the last point of each segment, so its corners are
// inverted once.
TEST(MixModeTest, ClosedPathInvertsEveryPixelOnce) {
    RasterCanvas canvas(5, 4);
    canvas.pen(gdi::ps_solid, 0, colour_white);
    gdi::set_rop2(canvas.dc, gdi::r2_xorpen);
    const gdi::Point points[5] = {{3, 0}, {0, 0}, {0, 3}, {3, 3}, {3, 0}};
    gdi::polyline(canvas.dc, points, 5);
    EXPECT_PICTURE(canvas, (Rows{"00007", "07707", "07707", "00007"}));
}

}  // namespace
