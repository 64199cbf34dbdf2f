// Flood fill: 4-connected, bounded by the border colour and the clip, its failures, and a
// whole large surface without recursion.
#include <gtest/gtest.h>

#include "tests/platform/raster_fixture.h"

namespace {

using Rows = std::vector<std::string>;

// Paints a picture of colour digits onto the canvas.
void paint(RasterCanvas& canvas, const Rows& rows) {
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
            const char c = rows[y][x];
            const int colour = c >= 'a' ? c - 'a' + 10 : c - '0';
            canvas.surface.pixels[y * canvas.surface.width + x] = palette[colour];
        }
    }
}

bool fill_border(RasterCanvas& canvas, int x, int y, int border) {
    return gdi::ext_flood_fill(canvas.dc, x, y, palette[border], gdi::floodfill_border);
}

TEST(FloodFillTest, FourConnectedUpToTheBorder) {
    RasterCanvas canvas(7, 5);
    paint(canvas, {"7770777", "7707077", "7077707", "0777770", "7777777"});
    canvas.brush(colour_green);
    ASSERT_TRUE(fill_border(canvas, 3, 2, colour_black));
    // The diagonal steps of the border hold: corners are no neighbours.
    EXPECT_PICTURE(canvas, (Rows{"7770777", "7704077", "7044407", "0444440", "4444444"}));
}

TEST(FloodFillTest, OtherColoursInsideAreFilledOver) {
    RasterCanvas canvas(5, 3);
    paint(canvas, {"00000", "02150", "00000"});
    canvas.brush(colour_green);
    ASSERT_TRUE(fill_border(canvas, 1, 1, colour_black));
    EXPECT_PICTURE(canvas, (Rows{"00000", "04440", "00000"}));
}

TEST(FloodFillTest, StoppedByTheClip) {
    RasterCanvas canvas(6, 4);
    canvas.brush(colour_green);
    gdi::Handle region = gdi::create_rect_rgn(1, 1, 4, 3);
    gdi::select_clip_rgn(canvas.dc, region);
    gdi::delete_object(region);
    ASSERT_TRUE(fill_border(canvas, 2, 2, colour_black));
    EXPECT_PICTURE(canvas, (Rows{"777777", "744477", "744477", "777777"}));
}

TEST(FloodFillTest, FailuresPaintNothing) {
    struct Case {
        const char* name;
        int x, y;
        int type;
        bool null_brush;
    };
    const Case cases[] = {
        {"seed outside the clip", 0, 0, gdi::floodfill_border, false},
        {"seed outside the surface", -1, 2, gdi::floodfill_border, false},
        {"far outside", 2147483647, -2147483647, gdi::floodfill_border, false},
        {"seed on the border colour", 2, 1, gdi::floodfill_border, false},
        {"seed not of the surface colour", 3, 2, gdi::floodfill_surface, false},
        {"unknown fill type", 3, 2, 7, false},
        {"null brush", 3, 2, gdi::floodfill_border, true},
    };
    for (const Case& c : cases) {
        RasterCanvas canvas(6, 4);
        paint(canvas, {"777777", "770777", "777777", "777777"});
        canvas.brush(colour_green);
        if (c.null_brush) canvas.null_brush();
        gdi::Handle region = gdi::create_rect_rgn(1, 1, 6, 4);
        gdi::select_clip_rgn(canvas.dc, region);
        gdi::delete_object(region);
        const Rows before = canvas.picture();
        EXPECT_FALSE(gdi::ext_flood_fill(canvas.dc, c.x, c.y, palette[colour_black], c.type))
            << c.name;
        EXPECT_EQ(canvas.picture(), before) << c.name;
    }
}

TEST(FloodFillTest, SurfaceTypeFillsTheGivenColour) {
    RasterCanvas canvas(6, 3);
    paint(canvas, {"228222", "222822", "888222"});
    canvas.brush(colour_green);
    ASSERT_TRUE(gdi::ext_flood_fill(canvas.dc, 0, 0, palette[2], gdi::floodfill_surface));
    EXPECT_PICTURE(canvas, (Rows{"448222", "444822", "888222"}));
}

// The brush colour itself counts as fillable here; the fill still ends.
TEST(FloodFillTest, BrushOfAFillableColourEnds) {
    RasterCanvas canvas(4, 3);
    canvas.brush(colour_white);
    gdi::reset_pixel_counts();
    ASSERT_TRUE(fill_border(canvas, 1, 1, colour_black));
    EXPECT_EQ(gdi::pixel_counts().pixels, 12);
}

// A whole window's surface from a corner, open and with a comb of walls that makes the fill
// wind through every column: iterative, each pixel painted once.
TEST(FloodFillTest, LargeSurfacesFromACorner) {
    for (bool comb : {false, true}) {
        RasterCanvas canvas(632, 453);
        int walls = 0;
        if (comb) {
            for (int x = 1; x < 632; x += 2) {
                const int gap = (x / 2) % 2 == 0 ? 452 : 0;  // alternately open at the bottom, top
                for (int y = 0; y < 453; ++y) {
                    if (y == gap) continue;
                    canvas.surface.pixels[y * 632 + x] = palette[colour_black];
                    ++walls;
                }
            }
        }
        canvas.brush(colour_green);
        gdi::reset_pixel_counts();
        ASSERT_TRUE(fill_border(canvas, 0, 0, colour_black));
        EXPECT_EQ(canvas.count_of(colour_green), 632 * 453 - walls);
        EXPECT_EQ(canvas.count_of(colour_white), 0);
        EXPECT_EQ(gdi::pixel_counts().pixels, 632 * 453 - walls);
    }
}

TEST(FloodFillTest, DiscInsideACircle) {
    struct Case {
        int r;
        int pixels;
    };
    for (const Case c : {Case{1, 5}, Case{2, 21}}) {
        const int size = 2 * c.r + 1;
        RasterCanvas outlined(size + 2, size + 2);
        outlined.null_brush();
        outlined.pen(gdi::ps_solid, 0, colour_green);
        gdi::ellipse(outlined.dc, 1, 1, 1 + size, 1 + size);
        outlined.brush(colour_green);
        ASSERT_TRUE(fill_border(outlined, 1 + c.r, 1 + c.r, colour_green));
        EXPECT_EQ(outlined.count_of(colour_green), c.pixels) << "r = " << c.r;
        EXPECT_EQ(outlined.count_of(colour_white), (size + 2) * (size + 2) - c.pixels);
    }
}

}  // namespace
