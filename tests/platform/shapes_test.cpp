// Rectangles and ellipses: boxes, interiors, degenerate boxes, the dashed outline and the
// ellipse rings.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/platform/raster_fixture.h"

namespace {

using Rows = std::vector<std::string>;

TEST(RectangleTest, BoxesAndDegenerateBoxes) {
    struct Case {
        const char* name;
        int l, t, r, b;
        Rows picture;
    };
    const Case cases[] = {
        {"outline and interior", 1, 1, 5, 4, {"777777", "700007", "704407", "700007", "777777"}},
        {"swapped corners", 5, 4, 1, 1, {"777777", "700007", "704407", "700007", "777777"}},
        {"2 x 2", 1, 1, 3, 3, {"777777", "700777", "700777", "777777", "777777"}},
        {"one column", 2, 1, 3, 4, {"777777", "770777", "770777", "770777", "777777"}},
        {"one row", 1, 2, 5, 3, {"777777", "777777", "700007", "777777", "777777"}},
        {"1 x 1", 2, 2, 3, 3, {"777777", "777777", "770777", "777777", "777777"}},
        {"no width", 2, 1, 2, 4, {"777777", "777777", "777777", "777777", "777777"}},
        {"no height", 1, 3, 5, 3, {"777777", "777777", "777777", "777777", "777777"}},
        {"beyond the surface", -3, -2, 4, 3, {"444077", "444077", "000077", "777777", "777777"}},
    };
    for (const Case& c : cases) {
        RasterCanvas canvas(6, 5);
        canvas.brush(colour_green);
        gdi::rectangle(canvas.dc, c.l, c.t, c.r, c.b);
        SCOPED_TRACE(c.name);
        EXPECT_PICTURE(canvas, c.picture);
    }
}

TEST(RectangleTest, NullBrushLeavesTheInterior) {
    RasterCanvas canvas(5, 4);
    canvas.fill(8);
    canvas.null_brush();
    gdi::rectangle(canvas.dc, 0, 0, 5, 4);
    EXPECT_PICTURE(canvas, (Rows{"00000", "08880", "08880", "00000"}));
}

// The dash pattern starts at the top-right corner and runs left, down, right and up.
TEST(RectangleTest, DashedOutlineStartsAtTheTopRight) {
    RasterCanvas canvas(10, 6);
    canvas.pen(gdi::ps_dot, 1, colour_black);
    canvas.null_brush();
    gdi::set_bk_mode(canvas.dc, gdi::bk_transparent);
    gdi::rectangle(canvas.dc, 0, 0, 10, 6);
    EXPECT_PICTURE(canvas, (Rows{"7000777000", "7777777777", "7777777770", "0777777770",
                                 "0777777770", "0777000777"}));
}

TEST(RectangleTest, WidePenBandsTheEdges) {
    RasterCanvas canvas(8, 7);
    canvas.pen(gdi::ps_solid, 2, colour_black);
    canvas.null_brush();
    gdi::rectangle(canvas.dc, 2, 2, 7, 6);
    EXPECT_PICTURE(canvas, (Rows{"77777777", "70000007", "70000007", "70077007", "70000007",
                                 "70000007", "77777777"}));
}

// Rings of circles with odd diameters, centre in the middle of the picture.
const Rows circle_rings[] = {
    {".#.", "#.#", ".#."},
    {".###.", "#...#", "#...#", "#...#", ".###."},
    {"..###..", ".#...#.", "#.....#", "#.....#", "#.....#", ".#...#.", "..###.."},
    {"...###...", ".##...##.", ".#.....#.", "#.......#", "#.......#", "#.......#", ".#.....#.",
     ".##...##.", "...###..."},
    {"...#####...", "..#.....#..", ".#.......#.", "#.........#", "#.........#", "#.........#",
     "#.........#", "#.........#", ".#.......#.", "..#.....#..", "...#####..."},
    {"....#####....", "...#.....#...", "..#.......#..", ".#.........#.", "#...........#",
     "#...........#", "#...........#", "#...........#", "#...........#", ".#.........#.",
     "..#.......#..", "...#.....#...", "....#####...."},
    {".....#####.....", "...##.....##...", "..#.........#..", ".#...........#.", ".#...........#.",
     "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
     ".#...........#.", ".#...........#.", "..#.........#..", "...##.....##...", ".....#####....."},
};

Rows as_picture(const Rows& ring, char on, char off) {
    Rows rows = ring;
    for (auto& row : rows) {
        for (auto& c : row) c = c == '#' ? on : off;
    }
    return rows;
}

TEST(EllipseTest, CircleRings) {
    for (int r = 1; r <= 7; ++r) {
        const int size = 2 * r + 1;
        RasterCanvas canvas(size, size);
        canvas.null_brush();
        gdi::ellipse(canvas.dc, 0, 0, size, size);
        SCOPED_TRACE(testing::Message() << "r = " << r);
        EXPECT_PICTURE(canvas, as_picture(circle_rings[r - 1], '0', '7'));
    }
}

TEST(EllipseTest, BrushFillsInsideTheRing) {
    RasterCanvas canvas(7, 7);
    canvas.brush(colour_green);
    gdi::ellipse(canvas.dc, 0, 0, 7, 7);
    EXPECT_PICTURE(canvas, (Rows{"7700077", "7044407", "0444440", "0444440", "0444440", "7044407",
                                 "7700077"}));
}

// For boxes of every size from 3 x 3 to 24 x 16: the ring lies in the box, touches its four
// sides, is symmetric both ways and is closed: a 4-connected fill from outside never reaches
// the brush-filled interior.
TEST(EllipseTest, RingsOfAllBoxSizesAreClosedAndSymmetric) {
    for (int w = 3; w <= 24; ++w) {
        for (int h = 3; h <= 16; ++h) {
            RasterCanvas canvas(w + 4, h + 4);
            canvas.brush(colour_green);
            gdi::ellipse(canvas.dc, 2, 2, 2 + w, 2 + h);
            const Rows rows = canvas.picture();
            bool left = false, right = false, top = false, bottom = false;
            for (int y = 0; y < h + 4; ++y) {
                for (int x = 0; x < w + 4; ++x) {
                    const char c = rows[y][x];
                    const bool inside = x >= 2 && x < 2 + w && y >= 2 && y < 2 + h;
                    ASSERT_TRUE(inside || c == '7') << w << "x" << h << " at " << x << "," << y;
                    if (!inside) continue;
                    ASSERT_EQ(c, rows[y][w + 3 - x]) << w << "x" << h;
                    ASSERT_EQ(c, rows[h + 3 - y][x]) << w << "x" << h;
                    if (c == '0') {
                        left |= x == 2;
                        right |= x == w + 1;
                        top |= y == 2;
                        bottom |= y == h + 1;
                    }
                }
            }
            EXPECT_TRUE(left && right && top && bottom) << w << "x" << h;
            // Flood the outside in red: a leak would turn green pixels red.
            const int green_before = canvas.count_of(colour_green);
            canvas.brush(2);
            ASSERT_TRUE(
                gdi::ext_flood_fill(canvas.dc, 0, 0, palette[colour_black], gdi::floodfill_border));
            EXPECT_EQ(canvas.count_of(colour_green), green_before) << w << "x" << h;
            EXPECT_EQ(canvas.count_of(colour_white), 0) << w << "x" << h;
        }
    }
}

TEST(EllipseTest, SmallBoxesAreRectangles) {
    const int boxes[][4] = {{1, 1, 3, 6}, {1, 1, 6, 3}, {2, 2, 3, 3}, {1, 1, 2, 5}, {1, 1, 3, 3}};
    for (const auto& b : boxes) {
        RasterCanvas as_ellipse(7, 7);
        as_ellipse.brush(colour_green);
        gdi::ellipse(as_ellipse.dc, b[0], b[1], b[2], b[3]);
        RasterCanvas as_rectangle(7, 7);
        as_rectangle.brush(colour_green);
        gdi::rectangle(as_rectangle.dc, b[0], b[1], b[2], b[3]);
        EXPECT_EQ(as_ellipse.picture(), as_rectangle.picture())
            << b[2] - b[0] << "x" << b[3] - b[1];
        EXPECT_GT(as_ellipse.count_of(colour_black), 0);
    }
}

TEST(EllipseTest, ClippedRingKeepsItsPixels) {
    RasterCanvas whole(15, 15);
    whole.null_brush();
    gdi::ellipse(whole.dc, 0, 0, 15, 15);
    RasterCanvas clipped(15, 15);
    clipped.null_brush();
    gdi::Handle region = gdi::create_rect_rgn(3, 4, 9, 15);
    gdi::select_clip_rgn(clipped.dc, region);
    gdi::delete_object(region);
    gdi::ellipse(clipped.dc, 0, 0, 15, 15);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 15; ++x) {
            const bool inside = x >= 3 && x < 9 && y >= 4;
            EXPECT_EQ(clipped.colour_at(x, y), inside ? whole.colour_at(x, y) : colour_white)
                << x << "," << y;
        }
    }
}

TEST(EllipseTest, HugeBoxDrawsNothing) {
    RasterCanvas canvas(10, 10);
    gdi::reset_pixel_counts();
    gdi::ellipse(canvas.dc, -2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(gdi::pixel_counts().calls, 0);
    EXPECT_EQ(canvas.count_of(colour_white), 100);
}

TEST(PatBltTest, PaintsTheBrushInsideTheClip) {
    RasterCanvas canvas(6, 4);
    canvas.brush(colour_green);
    gdi::pat_blt(canvas.dc, 1, 1, 3, 2, gdi::patcopy);
    EXPECT_PICTURE(canvas, (Rows{"777777", "744477", "744477", "777777"}));

    RasterCanvas clipped(6, 4);
    clipped.brush(colour_green);
    gdi::Handle region = gdi::create_rect_rgn(2, 0, 6, 2);
    gdi::select_clip_rgn(clipped.dc, region);
    gdi::delete_object(region);
    gdi::pat_blt(clipped.dc, -100, -100, 1000, 1000, gdi::patcopy);
    EXPECT_PICTURE(clipped, (Rows{"774444", "774444", "777777", "777777"}));
}

TEST(PatBltTest, NegativeSizesAndOtherOperations) {
    RasterCanvas canvas(6, 4);
    canvas.brush(colour_green);
    gdi::pat_blt(canvas.dc, 4, 3, -3, -2, gdi::patcopy);  // columns 1..3, rows 1..2
    EXPECT_PICTURE(canvas, (Rows{"777777", "744477", "744477", "777777"}));
    gdi::pat_blt(canvas.dc, 0, 0, 6, 4, 0x00CC0020u);  // a copy from a source: nothing
    gdi::pat_blt(canvas.dc, 0, 0, 0, 4, gdi::patcopy);
    EXPECT_PICTURE(canvas, (Rows{"777777", "744477", "744477", "777777"}));
    gdi::pat_blt(canvas.dc, 0, 0, 1, 4, 0x00000042u);  // blackness
    EXPECT_PICTURE(canvas, (Rows{"077777", "044477", "044477", "077777"}));
}

TEST(SetPixelTest, OnlyInsideTheClip) {
    RasterCanvas canvas(4, 3);
    gdi::Handle region = gdi::create_rect_rgn(1, 1, 3, 3);
    gdi::select_clip_rgn(canvas.dc, region);
    gdi::delete_object(region);
    EXPECT_EQ(gdi::set_pixel(canvas.dc, 1, 1, palette[2]), palette[2]);
    EXPECT_EQ(gdi::set_pixel(canvas.dc, 0, 0, palette[2]), 0xFFFFFFFFu);
    EXPECT_EQ(gdi::set_pixel(canvas.dc, 3, 2, palette[2]), 0xFFFFFFFFu);
    EXPECT_EQ(gdi::set_pixel(canvas.dc, -1, 1000000, palette[2]), 0xFFFFFFFFu);
    EXPECT_PICTURE(canvas, (Rows{"7777", "7277", "7777"}));
}

}  // namespace
