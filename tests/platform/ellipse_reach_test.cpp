// An ellipse whose ring cannot reach the drawable area is not walked: the box beside the clip,
// or a circle passing around the whole clip. Either way the clip must show exactly the pixels
// of the whole ellipse drawn without that clip.
#include <gtest/gtest.h>

#include "platform/gdi.h"
#include "tests/platform/raster_fixture.h"

namespace {

struct ReachCase {
    const char* name;
    int side;       // the box is (1, 1) .. (1 + side, 1 + side)
    int pen_width;  // 0: the one-pixel pen
    bool filled;
};

const ReachCase reach_cases[] = {
    {"odd side, outline", 41, 0, false},
    {"odd side, filled", 41, 0, true},
    {"even side, outline", 40, 0, false},
    {"even side, filled", 40, 0, true},
    {"wide pen, outline", 41, 5, false},
    {"wide pen, filled", 40, 4, true},
    {"smallest circle that is skipped", 16, 0, true},
};

void draw(RasterCanvas& canvas, const ReachCase& c) {
    canvas.pen(gdi::ps_solid, c.pen_width, colour_black);
    if (c.filled) {
        canvas.brush(colour_green);
    } else {
        canvas.null_brush();
    }
    gdi::ellipse(canvas.dc, 1, 1, 1 + c.side, 1 + c.side);
}

// Every clip from the whole surface down to one pixel, at the centre and off it: the clipped
// ellipse equals the whole one inside the clip and leaves the rest untouched.
TEST(EllipseReachTest, ClipInsideOrBesideTheRingShowsThePixelsOfTheWholeEllipse) {
    for (const ReachCase& c : reach_cases) {
        const int size = c.side + 2;
        RasterCanvas whole(size, size);
        draw(whole, c);
        for (int inset = 0; inset <= size / 2; ++inset) {
            for (int shift : {-3, 0, 3}) {
                const int left = inset + shift;
                const int top = inset;
                const int right = size - inset + shift;
                const int bottom = size - inset;
                RasterCanvas clipped(size, size);
                gdi::Handle region = gdi::create_rect_rgn(left, top, right, bottom);
                gdi::select_clip_rgn(clipped.dc, region);
                gdi::delete_object(region);
                draw(clipped, c);
                int wrong = 0;
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        const bool inside =
                            x >= left && x < right && y >= top && y < bottom && x >= 0 && x < size;
                        const int expected = inside ? whole.colour_at(x, y) : colour_white;
                        wrong += clipped.colour_at(x, y) != expected;
                    }
                }
                EXPECT_EQ(wrong, 0) << c.name << ", clip " << left << "," << top << " .. " << right
                                    << "," << bottom;
            }
        }
    }
}

// Far beside the clip, or far around it, an ellipse sets no pixel it should not: a huge circle
// around a small clip paints just its brush there.
TEST(EllipseReachTest, HugeCircleAroundTheClipPaintsOnlyItsBrush) {
    RasterCanvas canvas(8, 6);
    canvas.pen(gdi::ps_solid, 0, colour_black);
    canvas.brush(colour_green);
    gdi::reset_pixel_counts();
    gdi::ellipse(canvas.dc, -30000, -30000, 30000, 30000);
    EXPECT_EQ(canvas.count_of(colour_green), 48);
    EXPECT_EQ(gdi::pixel_counts().pixels, 48);

    RasterCanvas beside(8, 6);
    beside.pen(gdi::ps_solid, 0, colour_black);
    beside.brush(colour_green);
    gdi::reset_pixel_counts();
    gdi::ellipse(beside.dc, 100, -30000, 60000, 30000);
    EXPECT_EQ(gdi::pixel_counts().calls, 0);
    EXPECT_EQ(beside.count_of(colour_white), 48);
}

}  // namespace

namespace {

// An ellipse is the same wherever its box lies: drawn after ellipses of other sizes, and
// partly beyond the top or left edge, it gives the picture of the same box elsewhere moved by
// the difference.
TEST(EllipsePlacement, SameBoxSizeSamePictureAnywhere) {
    struct Case {
        int width, height;  // the box
        int x, y;           // its top-left corner on the first surface
    };
    const Case cases[] = {{5, 5, 3, 4},   {40, 17, -12, -6}, {6, 9, 20, -4},
                          {5, 5, -2, 30}, {40, 17, 12, 20},  {33, 33, -20, -20}};
    const int shift_x = 7, shift_y = 5;
    for (const Case& c : cases) {
        RasterCanvas first(60, 40);
        RasterCanvas second(60 + shift_x, 40 + shift_y);
        for (RasterCanvas* canvas : {&first, &second}) {
            canvas->fill(colour_white);
            canvas->pen(gdi::ps_solid, 1, colour_black);
            canvas->brush(colour_green);
        }
        gdi::ellipse(first.dc, c.x, c.y, c.x + c.width, c.y + c.height);
        gdi::ellipse(second.dc, c.x + shift_x, c.y + shift_y, c.x + shift_x + c.width,
                     c.y + shift_y + c.height);
        int differing = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 60; ++x) {
                differing += first.surface.pixels[y * 60 + x] !=
                             second.surface.pixels[(y + shift_y) * (60 + shift_x) + x + shift_x];
            }
        }
        EXPECT_EQ(differing, 0) << c.width << "x" << c.height << " at " << c.x << "," << c.y;
        EXPECT_GT(first.count_of(colour_black), 0);
    }
}

}  // namespace
