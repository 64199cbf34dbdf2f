// The object table: handles, stock objects, selection, deletion, the live count, a full
// table, regions and the clip, and the defaults of a paint context.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/platform/raster_fixture.h"

namespace {

using Rows = std::vector<std::string>;

TEST(ObjectsTest, PaintContextDefaults) {
    gdi::Surface surface = gdi::make_surface(7, 5, 0);
    const gdi::Dc dc = gdi::make_paint_dc(surface);
    EXPECT_EQ(dc.surface, &surface);
    const gdi::GdiObject* pen = gdi::object_of(dc.pen);
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->kind, gdi::ObjectKind::pen);
    EXPECT_TRUE(pen->stock);
    EXPECT_EQ(pen->pen.style, gdi::ps_solid);
    EXPECT_LE(pen->pen.width, 1);
    EXPECT_EQ(pen->pen.colour, 0u);
    EXPECT_EQ(dc.pen, gdi::get_stock_object(gdi::black_pen));
    EXPECT_EQ(dc.brush, gdi::get_stock_object(gdi::white_brush));
    EXPECT_EQ(dc.font, gdi::get_stock_object(gdi::system_font));
    const gdi::GdiObject* brush = gdi::object_of(dc.brush);
    ASSERT_NE(brush, nullptr);
    EXPECT_FALSE(brush->brush.hollow);
    EXPECT_EQ(brush->brush.colour, gdi::rgb(255, 255, 255));
    EXPECT_EQ(gdi::object_of(dc.font)->kind, gdi::ObjectKind::font);
    EXPECT_EQ(dc.rop2, gdi::r2_copypen);
    EXPECT_EQ(dc.bk_mode, gdi::bk_opaque);
    EXPECT_EQ(dc.bk_colour, gdi::rgb(255, 255, 255));
    EXPECT_EQ(dc.text_colour, 0u);
    EXPECT_EQ(dc.clip.left, 0);
    EXPECT_EQ(dc.clip.top, 0);
    EXPECT_EQ(dc.clip.right, 7);
    EXPECT_EQ(dc.clip.bottom, 5);
    EXPECT_TRUE(gdi::object_of(gdi::get_stock_object(gdi::null_brush))->brush.hollow);
}

TEST(ObjectsTest, CreateSelectDeleteAndTheLiveCount) {
    RasterCanvas canvas(4, 4);
    const int live = gdi::live_object_count();
    const gdi::Handle pen = gdi::create_pen(gdi::ps_dot, 3, palette[2]);
    const gdi::Handle brush = gdi::create_solid_brush(palette[4]);
    gdi::FontSpec font_spec;
    font_spec.height = 16;
    std::memset(font_spec.face, 'M', sizeof font_spec.face);  // no zero byte
    const gdi::Handle font = gdi::create_font(font_spec);
    const gdi::Handle region = gdi::create_rect_rgn(0, 0, 2, 2);
    EXPECT_EQ(gdi::live_object_count(), live + 4);
    for (gdi::Handle h : {pen, brush, font, region}) EXPECT_GT(h, 0);

    EXPECT_EQ(gdi::object_of(pen)->pen.style, gdi::ps_dot);
    EXPECT_EQ(gdi::object_of(pen)->pen.width, 3);
    EXPECT_EQ(gdi::object_of(font)->font.height, 16);
    EXPECT_EQ(std::strlen(gdi::object_of(font)->font.face), sizeof font_spec.face - 1);

    // Each kind replaces only its own kind.
    const gdi::Handle stock_pen = canvas.dc.pen;
    const gdi::Handle stock_brush = canvas.dc.brush;
    EXPECT_EQ(gdi::select_object(canvas.dc, pen), stock_pen);
    EXPECT_EQ(gdi::select_object(canvas.dc, brush), stock_brush);
    EXPECT_EQ(gdi::select_object(canvas.dc, font), gdi::get_stock_object(gdi::system_font));
    EXPECT_EQ(canvas.dc.pen, pen);
    EXPECT_EQ(gdi::select_object(canvas.dc, stock_pen), pen);
    EXPECT_EQ(canvas.dc.brush, brush);

    // Stock objects and bad handles are not deleted; a deleted handle is gone.
    EXPECT_FALSE(gdi::delete_object(gdi::get_stock_object(gdi::null_brush)));
    EXPECT_FALSE(gdi::delete_object(0));
    EXPECT_FALSE(gdi::delete_object(-5));
    EXPECT_FALSE(gdi::delete_object(100000));
    EXPECT_EQ(gdi::live_object_count(), live + 4);
    EXPECT_TRUE(gdi::delete_object(pen));
    EXPECT_FALSE(gdi::delete_object(pen));
    EXPECT_EQ(gdi::object_of(pen), nullptr);
    EXPECT_EQ(gdi::select_object(canvas.dc, pen), 0);
    gdi::select_object(canvas.dc, stock_brush);
    gdi::select_object(canvas.dc, gdi::get_stock_object(gdi::system_font));
    for (gdi::Handle h : {brush, font, region}) EXPECT_TRUE(gdi::delete_object(h));
    EXPECT_EQ(gdi::live_object_count(), live);
    EXPECT_NE(gdi::object_of(gdi::get_stock_object(gdi::null_brush)), nullptr);
    EXPECT_EQ(gdi::get_stock_object(-1), 0);
    EXPECT_EQ(gdi::get_stock_object(99), 0);
}

// When the table is full, creation gives 0, selecting 0 keeps what was selected, and drawing
// goes on with it.
TEST(ObjectsTest, FullTable) {
    RasterCanvas canvas(5, 1);
    canvas.pen(gdi::ps_solid, 0, 2);
    const gdi::Handle red = canvas.dc.pen;
    const int live = gdi::live_object_count();
    std::vector<gdi::Handle> filler;
    for (int i = 0; i < 1000; ++i) {
        const gdi::Handle h = gdi::create_solid_brush(0);
        if (h == 0) break;
        filler.push_back(h);
    }
    ASSERT_LT(filler.size(), 1000u);
    EXPECT_EQ(gdi::live_object_count(), live + static_cast<int>(filler.size()));
    const gdi::Handle failed = gdi::create_pen(gdi::ps_solid, 0, palette[4]);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(gdi::select_object(canvas.dc, failed), 0);
    EXPECT_EQ(canvas.dc.pen, red);
    canvas.segment(0, 0, 5, 0);
    EXPECT_PICTURE(canvas, Rows{"22222"});
    for (gdi::Handle h : filler) gdi::delete_object(h);
    EXPECT_EQ(gdi::live_object_count(), live);
    const gdi::Handle again = gdi::create_pen(gdi::ps_solid, 0, 0);
    EXPECT_NE(again, 0);
    gdi::delete_object(again);
}

TEST(ObjectsTest, StateSettersReturnThePreviousValue) {
    RasterCanvas canvas(2, 2);
    EXPECT_EQ(gdi::set_rop2(canvas.dc, gdi::r2_xorpen), gdi::r2_copypen);
    EXPECT_EQ(gdi::get_rop2(canvas.dc), gdi::r2_xorpen);
    EXPECT_EQ(gdi::set_bk_mode(canvas.dc, gdi::bk_transparent), gdi::bk_opaque);
    EXPECT_EQ(gdi::set_bk_color(canvas.dc, palette[2]), gdi::rgb(255, 255, 255));
    EXPECT_EQ(gdi::set_text_color(canvas.dc, palette[4]), 0u);
    EXPECT_EQ(gdi::set_text_align(canvas.dc, gdi::ta_baseline), 0);
    EXPECT_EQ(canvas.dc.bk_colour, palette[2]);
    EXPECT_EQ(canvas.dc.text_colour, palette[4]);
    EXPECT_EQ(canvas.dc.text_align, gdi::ta_baseline);
}

TEST(ClipTest, RegionsBecomeTheClip) {
    struct Case {
        const char* name;
        int l, t, r, b;
        gdi::Rect clip;
    };
    const Case cases[] = {
        {"inside", 1, 1, 3, 4, {1, 1, 3, 4}},
        {"swapped corners", 3, 4, 1, 1, {1, 1, 3, 4}},
        {"beyond the surface", -10, -10, 100, 2, {0, 0, 6, 2}},
        {"off the surface", 10, 10, 20, 20, {0, 0, 0, 0}},
        {"no width", 2, 0, 2, 5, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        RasterCanvas canvas(6, 5);
        gdi::Handle region = gdi::create_rect_rgn(c.l, c.t, c.r, c.b);
        gdi::select_clip_rgn(canvas.dc, region);
        gdi::delete_object(region);  // the clip is a copy
        EXPECT_EQ(canvas.dc.clip.left, c.clip.left) << c.name;
        EXPECT_EQ(canvas.dc.clip.top, c.clip.top) << c.name;
        EXPECT_EQ(canvas.dc.clip.right, c.clip.right) << c.name;
        EXPECT_EQ(canvas.dc.clip.bottom, c.clip.bottom) << c.name;
        canvas.brush(colour_black);
        gdi::pat_blt(canvas.dc, 0, 0, 6, 5, gdi::patcopy);
        const int area = (c.clip.right - c.clip.left) * (c.clip.bottom - c.clip.top);
        EXPECT_EQ(canvas.count_of(colour_black), area) << c.name;
    }
}

TEST(ClipTest, NullRegionRestoresTheSurfaceAndOtherHandlesAreIgnored) {
    RasterCanvas canvas(6, 5);
    gdi::Handle region = gdi::create_rect_rgn(1, 1, 2, 2);
    gdi::select_clip_rgn(canvas.dc, region);
    gdi::select_clip_rgn(canvas.dc, canvas.dc.pen);  // not a region
    EXPECT_EQ(canvas.dc.clip.right, 2);
    gdi::delete_object(region);
    gdi::select_clip_rgn(canvas.dc, region);  // deleted
    EXPECT_EQ(canvas.dc.clip.right, 2);
    gdi::select_clip_rgn(canvas.dc, 0);
    EXPECT_EQ(canvas.dc.clip.left, 0);
    EXPECT_EQ(canvas.dc.clip.top, 0);
    EXPECT_EQ(canvas.dc.clip.right, 6);
    EXPECT_EQ(canvas.dc.clip.bottom, 5);
}

TEST(SurfaceTest, SizesAndPixels) {
    const gdi::Surface s = gdi::make_surface(3, 2, 0x12345678u);
    EXPECT_EQ(s.pixels.size(), 6u);
    EXPECT_EQ(gdi::surface_pixel(s, 2, 1), 0x00345678u);
    EXPECT_EQ(gdi::surface_pixel(s, 3, 1), 0xff000000u);
    EXPECT_EQ(gdi::surface_pixel(s, 0, -1, 7), 7u);
    for (auto size : {std::pair{-1, 5}, std::pair{5, -1}, std::pair{0, 3}}) {
        const gdi::Surface empty = gdi::make_surface(size.first, size.second, 0);
        EXPECT_EQ(empty.width * empty.height, 0);
        EXPECT_TRUE(empty.pixels.empty());
    }
}

// Drawing on a paint context without a surface does nothing.
TEST(SurfaceTest, NoSurfaceDrawsNothing) {
    gdi::Dc dc;
    gdi::line_to(dc, 10, 10);
    gdi::rectangle(dc, 0, 0, 5, 5);
    gdi::ellipse(dc, 0, 0, 5, 5);
    gdi::pat_blt(dc, 0, 0, 5, 5, gdi::patcopy);
    EXPECT_FALSE(gdi::ext_flood_fill(dc, 0, 0, 0, gdi::floodfill_border));
    EXPECT_EQ(gdi::set_pixel(dc, 0, 0, 0), 0xFFFFFFFFu);
}

}  // namespace
