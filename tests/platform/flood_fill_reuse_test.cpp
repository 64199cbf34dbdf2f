// Flood fills one after another: each fill starts from a clean slate whatever the fills before
// it covered and whatever their clips were, and a small fill inside a large clip writes only
// its own pixels.
#include <gtest/gtest.h>

#include "tests/platform/raster_fixture.h"

namespace {

struct FillCase {
    const char* name;
    int width, height;  // the surface, all white
    int clip_left, clip_top, clip_right, clip_bottom;
    int seed_x, seed_y;
    int expected;  // pixels filled: the whole clip, since nothing borders the fill
};

// Clips of different widths and places, so that a mark left behind by one fill would fall on
// another place of the next fill's clip.
const FillCase fills[] = {
    {"whole 40 x 30", 40, 30, 0, 0, 40, 30, 5, 5, 1200},
    {"narrow clip", 40, 30, 3, 2, 10, 30, 4, 20, 196},
    {"whole again", 40, 30, 0, 0, 40, 30, 39, 29, 1200},
    {"wide short clip", 40, 30, 0, 10, 40, 13, 20, 11, 120},
    {"smaller surface", 13, 7, 0, 0, 13, 7, 0, 0, 91},
    {"whole again", 40, 30, 0, 0, 40, 30, 20, 15, 1200},
};

TEST(FloodFillReuseTest, EveryFillStartsClean) {
    for (const FillCase& c : fills) {
        RasterCanvas canvas(c.width, c.height);
        canvas.brush(colour_green);
        gdi::Handle region =
            gdi::create_rect_rgn(c.clip_left, c.clip_top, c.clip_right, c.clip_bottom);
        gdi::select_clip_rgn(canvas.dc, region);
        gdi::delete_object(region);
        gdi::reset_pixel_counts();
        ASSERT_TRUE(gdi::ext_flood_fill(canvas.dc, c.seed_x, c.seed_y, palette[colour_black],
                                        gdi::floodfill_border))
            << c.name;
        EXPECT_EQ(canvas.count_of(colour_green), c.expected) << c.name;
        EXPECT_EQ(gdi::pixel_counts().pixels, c.expected) << c.name;
    }
}

// A ring of one colour filled from inside, again and again in a large clip: each fill writes
// the ring's inside and nothing more.
TEST(FloodFillReuseTest, SmallFillWritesOnlyItsInside) {
    RasterCanvas canvas(60, 40);
    for (int i = 0; i < 5; ++i) {
        canvas.fill(colour_white);
        for (int x = 20; x <= 24; ++x) {
            canvas.surface.pixels[10 * 60 + x] = palette[colour_black];
            canvas.surface.pixels[14 * 60 + x] = palette[colour_black];
        }
        for (int y = 10; y <= 14; ++y) {
            canvas.surface.pixels[y * 60 + 20] = palette[colour_black];
            canvas.surface.pixels[y * 60 + 24] = palette[colour_black];
        }
        canvas.brush(i % 2 == 0 ? colour_green : colour_black);
        gdi::reset_pixel_counts();
        ASSERT_TRUE(
            gdi::ext_flood_fill(canvas.dc, 22, 12, palette[colour_black], gdi::floodfill_border));
        EXPECT_EQ(gdi::pixel_counts().pixels, 9) << "fill " << i;
        EXPECT_EQ(canvas.count_of(colour_white), 60 * 40 - 16 - 9) << "fill " << i;
    }
}

}  // namespace
