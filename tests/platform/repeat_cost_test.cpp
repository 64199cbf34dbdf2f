// What the drawing calls cost when they are made again and again, as a paint makes them:
// segments walked by the short in-clip walk and by the clipping walk give the pixels of the
// segment rule; dash patterns carry on across segments and clips; handles are reused lowest
// first; without a recorder no call allocates; the PNG of many colours keeps them all.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <new>
#include <random>
#include <vector>

#include "bench/allocation_count.h"
#include "platform/raster.h"
#include "platform/recorder.h"
#include "tests/platform/raster_fixture.h"
#include "tests/support/golden.h"

// Every allocation of this test program is counted (bench/allocation_count.cpp is linked in).

namespace {

// The nearest integer to num / den (den > 0), an exact half going to the smaller one.
long long nearest_half_down(long long num, long long den) {
    long long q = num / den;
    long long r = num % den;
    if (r < 0) {
        r += den;
        --q;
    }
    return 2 * r > den ? q + 1 : q;
}

// The picture a one-pixel polyline must give: every step of every segment, its last point
// left out, the dash counted from the first point, gaps in the background colour (opaque
// mode), pixels outside the clip left alone.
std::vector<gdi::Colour> reference_polyline(const Canvas& canvas,
                                            const std::vector<gdi::Point>& points, int style,
                                            gdi::Colour pen, gdi::Colour gap,
                                            const gdi::Rect& clip) {
    std::vector<gdi::Colour> pixels = canvas.surface.pixels;
    const int width = canvas.surface.width;
    long long dash_step = 0;
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
        const long long x1 = points[k].x, y1 = points[k].y;
        const long long dx = points[k + 1].x - x1, dy = points[k + 1].y - y1;
        const bool x_major = std::llabs(dx) > std::llabs(dy);
        const long long n = x_major ? std::llabs(dx) : std::llabs(dy);
        const long long sa = (x_major ? dx : dy) < 0 ? -1 : 1;
        const long long db = x_major ? dy : dx;
        // Only the steps whose major coordinate lies inside the clip can show.
        const long long a1 = x_major ? x1 : y1;
        const long long lo_a = x_major ? clip.left : clip.top;
        const long long hi_a = (x_major ? clip.right : clip.bottom) - 1;
        long long first = 0, last = n - 1;
        if (sa > 0) {
            first = std::max(first, lo_a - a1);
            last = std::min(last, hi_a - a1);
        } else {
            first = std::max(first, a1 - hi_a);
            last = std::min(last, a1 - lo_a);
        }
        for (long long i = first; i <= last; ++i) {
            const long long minor = nearest_half_down(i * db, n);
            const long long x = x_major ? x1 + sa * i : x1 + minor;
            const long long y = x_major ? y1 + minor : y1 + sa * i;
            if (x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom) continue;
            pixels[static_cast<std::size_t>(y * width + x)] =
                gdi::dash_on(style, dash_step + i) ? pen : gap;
        }
        dash_step += n;
    }
    return pixels;
}

// Random polylines, solid and dotted, with ends inside, near and far outside the surface,
// under the whole surface as clip and under a clip inside it: the same pixels as the rule.
TEST(RepeatCostTest, SegmentsFollowTheRuleInsideAndAcrossTheClip) {
    std::mt19937 random(20260611);
    std::uniform_int_distribution<int> near(-12, 52);
    std::uniform_int_distribution<int> far(-2000000000, 2000000000);
    std::uniform_int_distribution<int> pick(0, 9);
    const gdi::Rect clips[] = {{0, 0, 40, 30}, {5, 4, 33, 21}};
    int cases = 0;
    for (int round = 0; round < 600; ++round) {
        for (const gdi::Rect& clip : clips) {
            for (int style : {gdi::ps_solid, gdi::ps_dot, gdi::ps_dashdot}) {
                RasterCanvas canvas(40, 30);
                canvas.pen(style, 0, 2);
                gdi::set_bk_mode(canvas.dc, gdi::bk_opaque);
                gdi::set_bk_color(canvas.dc, palette[4]);
                canvas.dc.clip = clip;
                std::vector<gdi::Point> points(2 + pick(random) % 3);
                for (gdi::Point& p : points) {
                    // Mostly near the surface, now and then very far away.
                    p = pick(random) == 0 ? gdi::Point{far(random), near(random)}
                                          : gdi::Point{near(random), near(random)};
                }
                const auto expected =
                    reference_polyline(canvas, points, style, palette[2], palette[4], clip);
                gdi::polyline(canvas.dc, points.data(), static_cast<int>(points.size()));
                ASSERT_EQ(canvas.surface.pixels, expected)
                    << "round " << round << " style " << style << " first point " << points[0].x
                    << "," << points[0].y << " second " << points[1].x << "," << points[1].y;
                ++cases;
            }
        }
    }
    EXPECT_EQ(cases, 3600);
}

// A created object takes the lowest free handle: a paint that creates and deletes one object
// per call keeps getting the same handle, and a freed slot is taken again before higher ones.
// A slot reused for another kind shows only the new object.
TEST(RepeatCostTest, HandlesAreReusedLowestFirst) {
    const gdi::Handle a = gdi::create_pen(gdi::ps_dot, 3, 0x112233u);
    const gdi::Handle b = gdi::create_solid_brush(0x445566u);
    const gdi::Handle c = gdi::create_rect_rgn(1, 2, 3, 4);
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
    ASSERT_TRUE(gdi::delete_object(b));
    const gdi::Handle again = gdi::create_rect_rgn(7, 8, 5, 6);
    EXPECT_EQ(again, b);
    const gdi::GdiObject* region = gdi::object_of(again);
    ASSERT_NE(region, nullptr);
    EXPECT_EQ(region->kind, gdi::ObjectKind::region);
    EXPECT_FALSE(region->stock);
    EXPECT_EQ(region->region.left, 5);
    EXPECT_EQ(region->region.top, 6);
    EXPECT_EQ(region->region.right, 7);
    EXPECT_EQ(region->region.bottom, 8);
    for (gdi::Handle h : {a, again, c}) EXPECT_TRUE(gdi::delete_object(h));
    // The same handle round after round.
    const gdi::Handle first = gdi::create_pen(gdi::ps_solid, 1, 0);
    gdi::delete_object(first);
    for (int i = 0; i < 1000; ++i) {
        const gdi::Handle h = gdi::create_pen(gdi::ps_solid, 1, 0);
        ASSERT_EQ(h, first);
        gdi::delete_object(h);
    }
    EXPECT_EQ(gdi::object_of(first), nullptr);
}

// Without a recorder the object, state and drawing calls of a paint allocate nothing; with
// one they are recorded as before.
TEST(RepeatCostTest, NoRecorderNoAllocation) {
    RasterCanvas canvas(64, 40);
    gdi::FontSpec font_spec;
    font_spec.height = 16;
    font_spec.width = 8;
    font_spec.weight = 400;
    font_spec.char_set = gdi::shiftjis_charset;
    font_spec.pitch_and_family = 16;
    std::snprintf(font_spec.face, sizeof font_spec.face, "MSMINCHO");
    auto paint_once = [&] {
        gdi::Dc& dc = canvas.dc;
        const int old_mode = gdi::get_rop2(dc);
        const gdi::Handle pen = gdi::create_pen(gdi::ps_dot, 1, palette[2]);
        const gdi::Handle old_pen = gdi::select_object(dc, pen);
        gdi::set_rop2(dc, gdi::r2_copypen);
        const gdi::Handle region = gdi::create_rect_rgn(2, 2, 60, 38);
        gdi::select_clip_rgn(dc, region);
        gdi::delete_object(region);
        const gdi::Point points[3] = {{-5, 3}, {70, 30}, {10, 39}};
        gdi::polyline(dc, points, 3);
        gdi::move_to_ex(dc, 1, 1);
        gdi::line_to(dc, 50, 20);
        gdi::rectangle(dc, 3, 3, 20, 12);
        gdi::ellipse(dc, 30, 5, 50, 25);
        gdi::set_pixel(dc, 4, 4, palette[3]);
        gdi::select_clip_rgn(dc, 0);
        const gdi::Handle font = gdi::create_font(font_spec);
        const gdi::Handle old_font = gdi::select_object(dc, font);
        gdi::set_bk_mode(dc, gdi::bk_transparent);
        gdi::set_text_color(dc, palette[0]);
        gdi::set_text_align(dc, gdi::ta_left | gdi::ta_top);
        gdi::text_out(dc, 0, 20, "Ie 電流", 7);
        gdi::select_object(dc, old_font);
        gdi::delete_object(font);
        gdi::set_rop2(dc, old_mode);
        gdi::select_object(dc, old_pen);
        gdi::delete_object(pen);
    };
    paint_once();  // opens the face and rasterizes the glyphs
    const auto first_picture = canvas.surface.pixels;
    const long long before = allocation_count();
    paint_once();
    EXPECT_EQ(allocation_count() - before, 0);
    EXPECT_EQ(canvas.surface.pixels, first_picture);

    gdi::Recorder recorder;
    gdi::set_recorder(&recorder);
    paint_once();
    gdi::set_recorder(nullptr);
    ASSERT_EQ(recorder.calls.size(), 25u);
    EXPECT_EQ(recorder.calls[7].op, "polyline");
    EXPECT_EQ(recorder.calls[7].args, (std::vector<long long>{3, -5, 3, 70, 30, 10, 39}));
    EXPECT_EQ(recorder.calls[14].op, "create_font");
    EXPECT_EQ(recorder.calls[14].text, "MSMINCHO");
    EXPECT_EQ(recorder.calls[19].op, "text_out");
    EXPECT_EQ(recorder.calls[19].args, (std::vector<long long>{0, 20, 7}));
    EXPECT_EQ(recorder.calls[19].text, "Ie 電流");
}

// A surface of more than 256 colours is written as RGB, one of fewer with a palette: either
// way the picture read back has exactly the surface's colours.
TEST(RepeatCostTest, PngKeepsEveryColour) {
    const std::filesystem::path folder =
        std::filesystem::path(LUNKARO_BINARY_DIR) / "png_test" / "repeat_cost";
    std::filesystem::create_directories(folder);
    // Every bit depth of a palette (1, 2, 4, 8 bits for up to 2, 4, 16, 256 colours) and RGB,
    // on rows whose width is no multiple of a byte's pixels.
    for (int colours : {1, 2, 3, 5, 16, 17, 256, 257, 4000}) {
        gdi::Surface surface = gdi::make_surface(83, 61, 0);
        for (std::size_t i = 0; i < surface.pixels.size(); ++i) {
            const unsigned k = static_cast<unsigned>(i % static_cast<std::size_t>(colours));
            surface.pixels[i] = gdi::rgb(static_cast<int>(k * 37), static_cast<int>(k / 7),
                                         static_cast<int>(k * 11 + 5));
        }
        const std::string path = (folder / ("colours" + std::to_string(colours) + ".png")).string();
        std::string error;
        ASSERT_TRUE(gdi::write_png(surface, path, &error)) << error;
        gdi::Surface back;
        ASSERT_TRUE(read_png(path, back));
        EXPECT_EQ(back.pixels, surface.pixels) << colours << " colours";
    }
}

}  // namespace
