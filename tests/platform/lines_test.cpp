// One-pixel segments: which pixel each step sets, the ends, clipping and its cost.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "tests/platform/raster_fixture.h"

namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet black_pixels(const Canvas& canvas) {
    PixelSet set;
    for (const gdi::Point& p : canvas.pixels_of(colour_black)) set.insert({p.x, p.y});
    return set;
}

// The pixels a segment must set, worked out as a distance comparison: at each step along the
// major axis the pixel nearer to the ideal line, the one with the smaller coordinate on a tie.
PixelSet ideal_pixels(int x1, int y1, int x2, int y2) {
    PixelSet set;
    const int dx = x2 - x1, dy = y2 - y1;
    const bool x_major = std::abs(dx) > std::abs(dy);
    const int n = x_major ? std::abs(dx) : std::abs(dy);
    for (int i = 0; i < n; ++i) {
        // The minor offset is i * d / n; compare 2 * |i*d - k*n| for k = floor and floor + 1.
        const int d = x_major ? dy : dx;
        const int num = i * d;
        int k = num >= 0 ? num / n : -((-num + n - 1) / n);  // floor
        const int below = 2 * (num - k * n);                 // distance to k, times 2n
        const int above = 2 * ((k + 1) * n - num);
        if (above < below) ++k;
        const int step = (x_major ? dx : dy) > 0 ? i : -i;
        if (x_major) {
            set.insert({x1 + step, y1 + k});
        } else {
            set.insert({x1 + k, y1 + step});
        }
    }
    return set;
}

TEST(LinesTest, TieLinesTakeTheSmallerCoordinate) {
    struct Case {
        int x1, y1, x2, y2;
        std::vector<std::string> picture;
    };
    const Case cases[] = {
        {0, 0, 4, 2, {"00777", "77007", "77777"}},
        {0, 0, 1, 2, {"07", "07", "77"}},
        // Reversed: the same interior, the other end left out.
        {4, 2, 0, 0, {"70777", "77007", "77770"}},
        {1, 2, 0, 0, {"77", "07", "70"}},
    };
    for (const Case& c : cases) {
        RasterCanvas canvas(static_cast<int>(c.picture[0].size()), 3);
        canvas.segment(c.x1, c.y1, c.x2, c.y2);
        SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2);
        EXPECT_PICTURE(canvas, c.picture);
    }
}

TEST(LinesTest, EveryDirectionMatchesTheNearestPixelRule) {
    for (int dx = -9; dx <= 9; ++dx) {
        for (int dy = -9; dy <= 9; ++dy) {
            RasterCanvas canvas(21, 21);
            canvas.segment(10, 10, 10 + dx, 10 + dy);
            ASSERT_EQ(black_pixels(canvas), ideal_pixels(10, 10, 10 + dx, 10 + dy))
                << "dx " << dx << " dy " << dy;
        }
    }
}

TEST(LinesTest, LineToStartsAtTheCurrentPositionAndMovesIt) {
    RasterCanvas canvas(6, 3);
    gdi::Point previous{-1, -1};
    gdi::move_to_ex(canvas.dc, 1, 1, &previous);
    EXPECT_EQ(previous.x, 0);
    EXPECT_EQ(previous.y, 0);
    gdi::line_to(canvas.dc, 4, 1);
    gdi::line_to(canvas.dc, 4, 1);  // zero length: nothing
    EXPECT_EQ(canvas.dc.current_x, 4);
    EXPECT_EQ(canvas.dc.current_y, 1);
    EXPECT_PICTURE(canvas, (std::vector<std::string>{"777777", "700077", "777777"}));
}

TEST(LinesTest, PolylineKeepsTheCurrentPositionAndSkipsShortLists) {
    RasterCanvas canvas(5, 5);
    gdi::move_to_ex(canvas.dc, 2, 3);
    const gdi::Point points[3] = {{0, 0}, {4, 0}, {4, 4}};
    gdi::polyline(canvas.dc, points, 1);
    gdi::polyline(canvas.dc, points, -3);
    gdi::polyline(canvas.dc, nullptr, 3);
    EXPECT_EQ(canvas.count_of(colour_black), 0);
    gdi::polyline(canvas.dc, points, 3);
    EXPECT_EQ(canvas.dc.current_x, 2);
    EXPECT_EQ(canvas.dc.current_y, 3);
    EXPECT_PICTURE(canvas, (std::vector<std::string>{"00000", "77770", "77770", "77770", "77777"}));
}

// A clipped segment sets exactly the pixels of the unclipped one that lie inside the clip.
TEST(LinesTest, ClippingKeepsThePixelsOfTheWholeLine) {
    const gdi::Rect clip{7, 5, 19, 14};
    const int ends[][4] = {{0, 0, 29, 19},  {29, 0, 0, 19},  {3, 17, 25, 2}, {12, -5, 14, 25},
                           {-8, 9, 40, 10}, {20, 30, 8, -1}, {7, 5, 18, 13}, {18, 13, 7, 5},
                           {0, 12, 29, 13}, {6, 4, 20, 15}};
    for (const auto& e : ends) {
        RasterCanvas whole(30, 20);
        whole.segment(e[0], e[1], e[2], e[3]);
        RasterCanvas clipped(30, 20);
        gdi::Handle region = gdi::create_rect_rgn(clip.left, clip.top, clip.right, clip.bottom);
        gdi::select_clip_rgn(clipped.dc, region);
        gdi::delete_object(region);
        clipped.segment(e[0], e[1], e[2], e[3]);
        PixelSet expected;
        for (auto p : black_pixels(whole)) {
            if (p.first >= clip.left && p.first < clip.right && p.second >= clip.top &&
                p.second < clip.bottom) {
                expected.insert(p);
            }
        }
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(black_pixels(clipped), expected)
            << e[0] << "," << e[1] << " -> " << e[2] << "," << e[3];
    }
}

// Segments between far-away points cost only the pixels they show: every write of the walk
// sets a pixel inside the surface.
TEST(LinesTest, HugeSegmentsCostOnlyTheirVisiblePixels) {
    struct Case {
        int x1, y1, x2, y2;
        PixelSet expected;
    };
    PixelSet diagonal, row, steep;
    for (int i = 0; i < 20; ++i) {
        diagonal.insert({i, i});
        row.insert({i, 5});
        // x = 3 + (y + 2e9) / 4e9: exactly 3.5 at row 0 (a tie, to the left), above it after.
        steep.insert({i == 0 ? 3 : 4, i});
    }
    const Case cases[] = {
        {-2000000000, -2000000000, 2000000000, 2000000000, diagonal},
        {2000000000, 2000000000, -2000000000, -2000000000, diagonal},
        {-2147483647 - 1, 5, 2147483647, 5, row},
        {3, -2000000000, 4, 2000000000, steep},
    };
    for (const Case& c : cases) {
        RasterCanvas canvas(20, 20);
        gdi::reset_pixel_counts();
        canvas.segment(c.x1, c.y1, c.x2, c.y2);
        const gdi::PixelCounts counts = gdi::pixel_counts();
        EXPECT_EQ(black_pixels(canvas), c.expected) << c.x1 << "," << c.y1;
        EXPECT_EQ(counts.pixels, 20);
        EXPECT_EQ(counts.calls, 20);
    }
}

TEST(LinesTest, SegmentsMissingTheClipWriteNothing) {
    RasterCanvas canvas(20, 20);
    gdi::reset_pixel_counts();
    canvas.segment(-2000000000, 30, 2000000000, 2000000000);
    canvas.segment(25, -2000000000, 25, 2000000000);
    canvas.segment(-5, 3, -1, 100);
    EXPECT_EQ(gdi::pixel_counts().calls, 0);
    EXPECT_EQ(canvas.count_of(colour_white), 400);
}

TEST(LinesTest, NullPenDrawsNothing) {
    RasterCanvas canvas(8, 3);
    gdi::select_object(canvas.dc, gdi::get_stock_object(8));  // the null pen
    canvas.segment(0, 1, 8, 1);
    EXPECT_EQ(canvas.count_of(colour_white), 24);
}

}  // namespace
