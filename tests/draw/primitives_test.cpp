// The drawing primitives on paint_dc: corners, end pixels, styles, ellipses, fills and clips.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>

#include "graph/graph_frame.h"
#include "platform/objects.h"
#include "tests/draw/draw_fixture.h"

namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet pixels_of(const Canvas& canvas, int colour) {
    PixelSet set;
    for (const gdi::Point& p : canvas.pixels_of(colour)) set.insert({p.x, p.y});
    return set;
}

PixelSet box(int x1, int y1, int x2, int y2) {
    PixelSet set;
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) set.insert({x, y});
    }
    return set;
}

using FillRectTest = DrawTest;

TEST_F(FillRectTest, CoversBothCornersInAnyOrder) {
    make_canvas(16, 24);
    const int corners[][4] = {{10, 20, 5, 15}, {5, 15, 10, 20}, {5, 20, 10, 15}, {10, 15, 5, 20}};
    for (const auto& c : corners) {
        fill(colour_white);
        fill_rect(c[0], c[1], c[2], c[3], colour_green);
        EXPECT_EQ(pixels_of(*canvas, colour_green), box(5, 15, 10, 20))
            << c[0] << "," << c[1] << "," << c[2] << "," << c[3];
        EXPECT_EQ(canvas->count_of(colour_white), 16 * 24 - 36);
    }
}

TEST_F(FillRectTest, OneColumnOneRowOnePixel) {
    struct Case {
        int x1, y1, x2, y2;
        PixelSet expected;
    };
    const Case cases[] = {
        {3, 2, 3, 8, box(3, 2, 3, 8)},   {3, 8, 3, 2, box(3, 2, 3, 8)},
        {1, 4, 9, 4, box(1, 4, 9, 4)},   {6, 6, 6, 6, box(6, 6, 6, 6)},
        {-5, -5, 0, 0, box(0, 0, 0, 0)}, {15, 11, INT_MAX, INT_MAX, box(15, 11, 15, 11)},
    };
    for (const Case& c : cases) {
        fill(colour_white);
        fill_rect(c.x1, c.y1, c.x2, c.y2, 2);
        EXPECT_EQ(pixels_of(*canvas, 2), c.expected)
            << c.x1 << "," << c.y1 << "," << c.x2 << "," << c.y2;
    }
}

TEST_F(FillRectTest, WhiteOnWhiteShowsNothing) {
    fill_rect(2, 2, 8, 8, colour_white);
    EXPECT_EQ(canvas->count_of(colour_white), 16 * 12);
}

using SegmentTest = DrawTest;

TEST_F(SegmentTest, IncludesBothEnds) {
    draw_segment(4, 4, 4, 4, colour_black, 0, gdi::ps_solid, gdi::r2_copypen);
    EXPECT_EQ(pixels_of(*canvas, colour_black), box(4, 4, 4, 4));
    fill(colour_white);
    draw_segment(0, 0, 10, 0, colour_black, 0, gdi::ps_solid, gdi::r2_copypen);
    EXPECT_EQ(pixels_of(*canvas, colour_black), box(0, 0, 10, 0));
}

// Both directions set the same pixels, ends included, for every direction up to 9 pixels.
TEST_F(SegmentTest, SamePixelsInBothDirections) {
    make_canvas(21, 21);
    for (int dx = -9; dx <= 9; ++dx) {
        for (int dy = -9; dy <= 9; ++dy) {
            fill(colour_white);
            draw_segment(10, 10, 10 + dx, 10 + dy, colour_black, 0, gdi::ps_solid, gdi::r2_copypen);
            const PixelSet forward = pixels_of(*canvas, colour_black);
            fill(colour_white);
            draw_segment(10 + dx, 10 + dy, 10, 10, colour_black, 0, gdi::ps_solid, gdi::r2_copypen);
            const PixelSet backward = pixels_of(*canvas, colour_black);
            ASSERT_EQ(forward, backward) << "dx " << dx << " dy " << dy;
            ASSERT_EQ(static_cast<int>(forward.size()), std::max(std::abs(dx), std::abs(dy)) + 1);
            ASSERT_TRUE(forward.count({10, 10}) && forward.count({10 + dx, 10 + dy}));
        }
    }
}

TEST_F(SegmentTest, LineToDrawsFromTheCurrentPositionWithItsEnd) {
    move_to(2, 3);
    line_to(6, 3, 2, 0, gdi::ps_solid, gdi::r2_copypen);
    line_to(6, 5, 4, 0, gdi::ps_solid, gdi::r2_copypen);
    EXPECT_EQ(pixels_of(*canvas, 2), box(2, 3, 5, 3));
    EXPECT_EQ(pixels_of(*canvas, colour_green), box(6, 3, 6, 5));
    EXPECT_EQ(canvas->dc.current_x, 6);
    EXPECT_EQ(canvas->dc.current_y, 5);
}

// The end pixel is set even where the pattern has a gap.
TEST_F(SegmentTest, StyledEndPixelIsAlwaysOn) {
    make_canvas(5, 1);
    fill(8);
    draw_segment(0, 0, 4, 0, colour_black, 0, gdi::ps_dot, gdi::r2_copypen);
    EXPECT_PICTURE(Rows{"00070"});
    fill(8);
    gdi::set_bk_mode(canvas->dc, gdi::bk_transparent);
    draw_segment(0, 0, 4, 0, colour_black, 0, gdi::ps_dot, gdi::r2_copypen);
    EXPECT_PICTURE(Rows{"00080"});
}

TEST_F(SegmentTest, TwoPixelPen) {
    make_canvas(8, 7);
    draw_segment(2, 5, 6, 5, colour_black, 2, gdi::ps_solid, gdi::r2_copypen);
    EXPECT_EQ(pixels_of(*canvas, colour_black), box(1, 4, 6, 5));
}

// A segment between far-away points writes only what the surface shows.
TEST_F(SegmentTest, HugeSegmentIsBounded) {
    make_canvas(20, 20);
    gdi::reset_pixel_counts();
    draw_segment(-2000000000, -2000000000, 2000000000, 2000000000, colour_black, 0, gdi::ps_dot,
                 gdi::r2_copypen);
    EXPECT_EQ(gdi::pixel_counts().calls, 20);
    PixelSet dotted;
    for (int i = 0; i < 20; ++i) {
        // Step i of the line is 2000000000 + i from its start.
        if ((2000000000LL + i) % 6 < 3) dotted.insert({i, i});
    }
    EXPECT_EQ(pixels_of(*canvas, colour_black), dotted);
}

TEST_F(SegmentTest, PutPixelUsesTheMixMode) {
    put_pixel(3, 3, 2, gdi::r2_copypen);
    put_pixel(4, 4, colour_white, gdi::r2_xorpen);  // white xor white is black
    EXPECT_EQ(canvas->colour_at(3, 3), 2);
    EXPECT_EQ(canvas->colour_at(4, 4), colour_black);
    EXPECT_EQ(canvas->dc.rop2, gdi::r2_copypen);
}

using StyledSegmentTest = DrawTest;

TEST_F(StyledSegmentTest, StyleCodesAndBothWidthCodes) {
    struct Case {
        int style_code;
        const char* picture;
    };
    const Case cases[] = {
        {line_solid, "0000000000000000000000000"},
        {line_dotted, "0008880008880008880008880"},
        {line_dashdot, "0000000008888880008888880"},
        {line_dashed, "0000000000000000008888880"},
        {-1, "0000000000000000000000000"},  // unknown codes draw solid
        {4, "0000000000000000000000000"},
    };
    make_canvas(25, 1);
    gdi::set_bk_mode(canvas->dc, gdi::bk_transparent);
    for (const Case& c : cases) {
        for (int width_code : {width_thin, width_thin_too, 2, -1}) {
            fill(8);
            styled_segment(0, 0, 24, 0, colour_black, width_code, c.style_code);
            SCOPED_TRACE(testing::Message() << "style " << c.style_code << " width " << width_code);
            EXPECT_PICTURE(Rows{c.picture});
        }
    }
}

TEST_F(StyledSegmentTest, GapsAreWhiteUntilTransparentMode) {
    make_canvas(12, 1);
    fill(8);
    styled_segment(0, 0, 11, 0, colour_black, width_thin, line_dotted);
    EXPECT_PICTURE(Rows{"000777000770"});
    gdi::set_bk_mode(canvas->dc, gdi::bk_transparent);
    fill(8);
    styled_segment(0, 0, 11, 0, colour_black, width_thin, line_dotted);
    EXPECT_PICTURE(Rows{"000888000880"});
}

using RectTest = DrawTest;

TEST_F(RectTest, OutlineCoversBothCornersAndLeavesTheInside) {
    make_canvas(7, 6);
    const int corners[][4] = {{1, 1, 5, 4}, {5, 4, 1, 1}, {1, 4, 5, 1}};
    for (const auto& c : corners) {
        fill(8);
        draw_rect(c[0], c[1], c[2], c[3], colour_black, 0, gdi::ps_solid);
        EXPECT_PICTURE((Rows{"8888888", "8000008", "8088808", "8088808", "8000008", "8888888"}));
    }
    fill(8);
    draw_rect(3, 3, 3, 3, 2, 0, gdi::ps_solid);
    draw_rect(1, 0, 1, 2, 4, 0, gdi::ps_solid);
    EXPECT_PICTURE((Rows{"8488888", "8488888", "8488888", "8882888", "8888888", "8888888"}));
}

using EllipseTest = DrawTest;

TEST_F(EllipseTest, CircleEqualsEllipseOfEqualRadii) {
    make_canvas(21, 21);
    for (int r = 0; r <= 9; ++r) {
        fill(colour_white);
        draw_circle(10, 10, r, colour_black, 0, gdi::ps_solid);
        const Rows circle = canvas->picture();
        fill(colour_white);
        draw_ellipse(10, 10, r, r, colour_black, 0, gdi::ps_solid);
        EXPECT_EQ(canvas->picture(), circle) << "r = " << r;
        // The ring touches the box cx-r..cx+r by cy-r..cy+r on all four sides.
        const PixelSet ring = pixels_of(*canvas, colour_black);
        EXPECT_TRUE(ring.count({10 - r, 10}) && ring.count({10 + r, 10}) &&
                    ring.count({10, 10 - r}) && ring.count({10, 10 + r}))
            << "r = " << r;
    }
}

TEST_F(EllipseTest, RadiusZeroIsOnePixel) {
    draw_circle(5, 5, 0, 2, 0, gdi::ps_solid);
    EXPECT_EQ(pixels_of(*canvas, 2), box(5, 5, 5, 5));
}

TEST_F(EllipseTest, OutlineLeavesTheInside) {
    make_canvas(5, 5);
    fill(8);
    draw_circle(2, 2, 2, colour_black, 0, gdi::ps_solid);
    EXPECT_PICTURE((Rows{"80008", "08880", "08880", "08880", "80008"}));
}

using FloodFillTest = DrawTest;

// A filled disc: the ring and everything 4-connected inside it.
TEST_F(FloodFillTest, DiscsInsideCircles) {
    struct Case {
        int r;
        Rows picture;
    };
    const Case cases[] = {
        {0, {"77777", "77777", "77277", "77777", "77777"}},
        {1, {"77777", "77277", "72227", "77277", "77777"}},
        {2, {"72227", "22222", "22222", "22222", "72227"}},
    };
    for (const Case& c : cases) {
        make_canvas(5, 5);
        draw_circle(2, 2, c.r, 2, 0, gdi::ps_solid);
        flood_fill(2, 2, 2, 2);
        SCOPED_TRACE(testing::Message() << "r = " << c.r);
        EXPECT_PICTURE(c.picture);
    }
}

TEST_F(FloodFillTest, SeedsOutsideTheSurfaceOrClipFillNothing) {
    const int seeds[][2] = {{-1, 0}, {16, 5}, {3, 12}, {INT_MIN, INT_MAX}};
    for (const auto& s : seeds) {
        flood_fill(s[0], s[1], colour_green, colour_black);
        EXPECT_EQ(canvas->count_of(colour_white), 16 * 12);
    }
    GraphFrame frame{};
    frame.left = 8;
    frame.bottom = 12;
    frame.width = 8;
    frame.height = 12;
    clip_to_frame(frame);
    flood_fill(2, 2, colour_green, colour_black);
    EXPECT_EQ(canvas->count_of(colour_white), 16 * 12);
    flood_fill(10, 2, colour_green, colour_black);
    EXPECT_EQ(pixels_of(*canvas, colour_green), box(8, 0, 15, 11));
}

using ClipTest = DrawTest;

TEST_F(ClipTest, FrameEdges) {
    make_canvas(632, 453);
    GraphFrame frame{};
    frame.left = 64;
    frame.bottom = 328;
    frame.width = 400;
    frame.height = 304;
    clip_to_frame(frame);
    const int outside[][2] = {{464, 100}, {100, 328}, {63, 100}, {100, 23}, {464, 328}};
    const int inside[][2] = {{64, 100}, {100, 24}, {463, 327}, {64, 24}};
    for (const auto& p : outside) put_pixel(p[0], p[1], colour_black, gdi::r2_copypen);
    for (const auto& p : inside) put_pixel(p[0], p[1], 2, gdi::r2_copypen);
    EXPECT_EQ(canvas->count_of(colour_black), 0);
    EXPECT_EQ(canvas->count_of(2), 4);
    // A line across the whole window keeps only the part inside.
    styled_segment(0, 200, 631, 200, colour_green, width_thin, line_solid);
    EXPECT_EQ(pixels_of(*canvas, colour_green), box(64, 200, 463, 200));

    clip_to_window();
    for (const auto& p : outside) put_pixel(p[0], p[1], colour_black, gdi::r2_copypen);
    EXPECT_EQ(canvas->count_of(colour_black), 5);
}

TEST_F(ClipTest, ClearWindowPaintsTheBackground) {
    fill_rect(0, 0, 15, 11, 2);
    GraphFrame frame{};
    frame.left = 4;
    frame.bottom = 8;
    frame.width = 4;
    frame.height = 4;
    clip_to_frame(frame);
    clear_window();  // only inside the clip
    EXPECT_EQ(pixels_of(*canvas, colour_white), box(4, 4, 7, 7));
    clip_to_window();
    background_colour = palette[8];
    clear_window();
    EXPECT_EQ(canvas->count_of(8), 16 * 12);
}

// Each primitive destroys what it created and puts back the mix mode and the selected objects;
// what it may leave changed is the clip and the current position.
TEST_F(DrawTest, PrimitivesLeaveNothingBehind) {
    GraphFrame frame{};
    frame.left = 2;
    frame.bottom = 10;
    frame.width = 10;
    frame.height = 8;
    struct Case {
        const char* name;
        void (*draw)(const GraphFrame&);
    };
    const Case cases[] = {
        {"move_to", [](const GraphFrame&) { move_to(3, 3); }},
        {"line_to", [](const GraphFrame&) { line_to(9, 9, 2, 2, gdi::ps_dot, gdi::r2_xorpen); }},
        {"put_pixel", [](const GraphFrame&) { put_pixel(1, 1, 3, gdi::r2_not); }},
        {"draw_segment",
         [](const GraphFrame&) { draw_segment(0, 0, 9, 5, 1, 0, gdi::ps_dash, gdi::r2_copypen); }},
        {"styled_segment", [](const GraphFrame&) { styled_segment(0, 5, 9, 0, 4, 1, 2); }},
        {"draw_rect", [](const GraphFrame&) { draw_rect(1, 1, 8, 8, 5, 2, gdi::ps_solid); }},
        {"fill_rect", [](const GraphFrame&) { fill_rect(2, 2, 6, 6, 6); }},
        {"draw_ellipse", [](const GraphFrame&) { draw_ellipse(7, 5, 5, 3, 9, 0, gdi::ps_solid); }},
        {"draw_circle", [](const GraphFrame&) { draw_circle(7, 5, 3, 10, 0, gdi::ps_solid); }},
        {"flood_fill", [](const GraphFrame&) { flood_fill(7, 5, 10, 10); }},
        {"clear_window", [](const GraphFrame&) { clear_window(); }},
        {"clip_to_frame", [](const GraphFrame& f) { clip_to_frame(f); }},
        {"clip_to_window", [](const GraphFrame&) { clip_to_window(); }},
    };
    gdi::set_rop2(canvas->dc, gdi::r2_nop);  // none of them may keep its own mode
    for (const Case& c : cases) {
        const int live = gdi::live_object_count();
        const gdi::Handle pen = canvas->dc.pen, brush = canvas->dc.brush, font = canvas->dc.font;
        c.draw(frame);
        EXPECT_EQ(gdi::live_object_count(), live) << c.name;
        EXPECT_EQ(canvas->dc.pen, pen) << c.name;
        EXPECT_EQ(canvas->dc.brush, brush) << c.name;
        EXPECT_EQ(canvas->dc.font, font) << c.name;
        EXPECT_EQ(canvas->dc.rop2, gdi::r2_nop) << c.name;
    }
}

// The platform calls each primitive makes, in order.
TEST_F(DrawTest, CallSequences) {
    gdi::Recorder recorder;
    gdi::set_recorder(&recorder);
    draw_segment(1, 2, 5, 6, 2, 1, gdi::ps_dot, gdi::r2_copypen);
    gdi::set_recorder(nullptr);
    const gdi::Handle stock_pen = gdi::get_stock_object(gdi::black_pen);
    const gdi::Handle null_brush = gdi::get_stock_object(gdi::null_brush);
    const gdi::Handle white_brush = gdi::get_stock_object(gdi::white_brush);
    ASSERT_GE(recorder.calls.size(), 3u);
    // The handle the pen got is the one selected.
    const std::string made = std::to_string(recorder.calls[2].args[0]);
    EXPECT_EQ(gdi::dump_calls(recorder),
              "get_rop2\n"
              "create_pen 2 1 16711680\n"
              "select_object " +
                  made +
                  "\n"
                  "set_rop2 13\n"
                  "polyline 2 1 2 5 6\n"
                  "set_pixel 5 6 16711680\n"
                  "set_rop2 13\n"
                  "select_object " +
                  std::to_string(stock_pen) +
                  "\n"
                  "delete_object " +
                  made + "\n");

    recorder.calls.clear();
    gdi::set_recorder(&recorder);
    draw_rect(5, 6, 1, 2, 0, 0, gdi::ps_solid);
    gdi::set_recorder(nullptr);
    const std::string rect_pen = std::to_string(recorder.calls[2].args[0]);
    EXPECT_EQ(gdi::dump_calls(recorder),
              "get_rop2\n"
              "create_pen 0 0 0\n"
              "select_object " +
                  rect_pen +
                  "\n"
                  "get_stock_object 5\n"
                  "select_object " +
                  std::to_string(null_brush) +
                  "\n"
                  "set_rop2 13\n"
                  "rectangle 1 2 6 7\n"
                  "set_rop2 13\n"
                  "select_object " +
                  std::to_string(white_brush) +
                  "\n"
                  "delete_object " +
                  std::to_string(null_brush) +
                  "\n"
                  "select_object " +
                  std::to_string(stock_pen) +
                  "\n"
                  "delete_object " +
                  rect_pen + "\n");

    recorder.calls.clear();
    gdi::set_recorder(&recorder);
    GraphFrame frame{};
    frame.left = 64;
    frame.bottom = 328;
    frame.width = 400;
    frame.height = 304;
    clip_to_frame(frame);
    gdi::set_recorder(nullptr);
    const std::string region = std::to_string(recorder.calls[1].args[0]);
    EXPECT_EQ(gdi::dump_calls(recorder),
              "create_rect_rgn 64 24 464 328\n"
              "select_clip_rgn " +
                  region +
                  "\n"
                  "delete_object " +
                  region + "\n");
}

// Without a paint nothing is drawn or created; without a window the window-wide operations do
// nothing.
TEST_F(DrawTest, NoPaintOrNoWindow) {
    const int live = gdi::live_object_count();
    gdi::Dc* dc = paint_dc;
    paint_dc = nullptr;
    GraphFrame frame{};
    move_to(1, 1);
    line_to(5, 5, 0, 0, 0, gdi::r2_copypen);
    put_pixel(1, 1, 0, gdi::r2_copypen);
    draw_segment(0, 0, 5, 5, 0, 0, 0, gdi::r2_copypen);
    styled_segment(0, 0, 5, 5, 0, 0, 0);
    draw_rect(0, 0, 5, 5, 0, 0, 0);
    fill_rect(0, 0, 5, 5, 0);
    draw_ellipse(5, 5, 3, 3, 0, 0, 0);
    draw_circle(5, 5, 3, 0, 0, 0);
    flood_fill(5, 5, 0, 0);
    clear_window();
    clip_to_frame(frame);
    clip_to_window();
    paint_dc = dc;
    EXPECT_EQ(canvas->count_of(colour_white), 16 * 12);
    EXPECT_EQ(gdi::live_object_count(), live);
    EXPECT_EQ(canvas->dc.current_x, 0);

    gdi::Window* window = main_window;
    main_window = nullptr;
    frame.left = 2;
    frame.bottom = 4;
    frame.width = 2;
    frame.height = 2;
    clip_to_frame(frame);
    clip_to_window();  // keeps the frame's clip
    fill_rect(0, 0, 15, 11, 2);
    clear_window();
    main_window = window;
    EXPECT_EQ(pixels_of(*canvas, 2), box(2, 2, 3, 3));
}

TEST_F(DrawTest, ColourNumbersOutsideThePaletteDrawBlack) {
    for (int colour : {-1, 16, 1000, INT_MIN}) {
        fill(colour_white);
        put_pixel(1, 1, colour, gdi::r2_copypen);
        draw_segment(0, 3, 4, 3, colour, 0, gdi::ps_solid, gdi::r2_copypen);
        fill_rect(6, 6, 7, 7, colour);
        EXPECT_EQ(canvas->count_of(colour_black), 1 + 5 + 4) << colour;
    }
    EXPECT_EQ(palette_colour(-1), palette[0]);
    EXPECT_EQ(palette_colour(16), palette[0]);
    EXPECT_EQ(palette_colour(15), palette[15]);
}

TEST(PaletteTest, ColoursOfTheColourNumbers) {
    init_palette();
    const gdi::Colour expected[palette_size] = {
        gdi::rgb(0, 0, 0),       gdi::rgb(0, 0, 255),     gdi::rgb(255, 0, 0),
        gdi::rgb(255, 0, 255),   gdi::rgb(0, 255, 0),     gdi::rgb(0, 255, 255),
        gdi::rgb(255, 255, 0),   gdi::rgb(255, 255, 255), gdi::rgb(192, 192, 192),
        gdi::rgb(0, 0, 128),     gdi::rgb(128, 0, 0),     gdi::rgb(128, 0, 128),
        gdi::rgb(0, 128, 0),     gdi::rgb(0, 128, 128),   gdi::rgb(128, 128, 0),
        gdi::rgb(128, 128, 128),
    };
    for (int i = 0; i < palette_size; ++i) {
        EXPECT_EQ(palette[i], expected[i]) << "colour " << i;
        EXPECT_EQ(palette_colour(i), expected[i]) << "colour " << i;
    }
}

}  // namespace
