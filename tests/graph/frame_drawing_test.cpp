// Frame validation and drawing: check codes in their order, captions, title, date stamp, pen
// reset, and the paired and single styles.
#include "graph/frame_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "tests/graph/graph_fixture.h"

namespace {

using FrameDrawing = GraphTest;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

int vertical_lines(const Drawing& d) {
    int n = 0;
    for (const Segment& s : d.segments) n += s.x1 == s.x2;
    return n;
}

int horizontal_lines(const Drawing& d) {
    int n = 0;
    for (const Segment& s : d.segments) n += s.y1 == s.y2;
    return n;
}

bool has_text(const Drawing& d, const std::string& text) {
    for (const Text& t : d.texts) {
        if (t.text == text) return true;
    }
    return false;
}

// Each check code from its condition; whether the x axis was on the screen when it failed.
TEST_F(FrameDrawing, CheckCodesInOrder) {
    struct Case {
        const char* name;
        int x_scale, y_scale;
        double x_min, x_max, y_min, y_max;
        int code;
        bool x_drawn;
    };
    const Case cases[] = {
        {"valid", scale_auto, scale_auto, 0, 10, 0, 10, check_ok, true},
        {"empty x", scale_divided, scale_auto, 1, 1, 0, 10, check_empty_range, false},
        {"reversed x", scale_auto, scale_auto, 5, 1, 0, 10, check_empty_range, false},
        // The zero test comes before the scale code.
        {"zero x, no scale", 7, scale_auto, 0, 0, 0, 10, check_x_zero, false},
        {"negative zero", scale_auto, scale_auto, -0.0, 0.0, 0, 10, check_x_zero, false},
        {"zero y before x axis", scale_auto, scale_auto, 0, 10, 0, 0, check_y_zero, false},
        {"tiny range passes", scale_auto, scale_auto, 0, 1e-300, 0, 10, check_ok, true},
        {"log x from 0", scale_log, scale_auto, 0, 1000, 0, 10, check_not_positive, false},
        {"log x negative", scale_log, scale_auto, -10, -1, 0, 10, check_not_positive, false},
        {"log x reversed", scale_log, scale_auto, 10, 1, 0, 10, check_empty_range, false},
        {"degrees y too wide", scale_auto, scale_degrees, 0, 10, -1000, 1000, check_too_wide, true},
        {"degrees y reversed", scale_auto, scale_degrees, 0, 10, 90, -90, check_empty_range, true},
        // 1795 degrees across 0 snaps to -180..1800 (1980) and is graduated.
        {"degrees widest", scale_degrees, scale_auto, -5, 1790, 0, 10, check_ok, true},
        // 100 degrees far from zero would be graduated all the way from 0.
        {"degrees far from zero", scale_degrees, scale_auto, 1e9, 1e9 + 100, 0, 10, check_too_wide,
         false},
        {"degrees 1000..2000", scale_degrees, scale_auto, 1000, 2000, 0, 10, check_too_wide, false},
        {"NaN divided", scale_divided, scale_auto, nan, 1, 0, 10, check_empty_range, false},
        {"NaN auto max", scale_auto, scale_auto, 0, nan, 0, 10, check_empty_range, false},
        {"NaN log", scale_log, scale_auto, 1, nan, 0, 10, check_empty_range, false},
        {"NaN degrees", scale_degrees, scale_auto, nan, 10, 0, 10, check_empty_range, false},
        {"NaN y", scale_auto, scale_auto, 0, 10, nan, nan, check_empty_range, true},
        {"infinite x", scale_auto, scale_auto, 0, inf, 0, 10, check_empty_range, false},
        {"infinite log", scale_log, scale_auto, 1, inf, 0, 10, check_empty_range, false},
        {"infinite degrees", scale_degrees, scale_auto, -inf, 0, 0, 10, check_too_wide, false},
        {"span overflows", scale_auto, scale_auto, -1e308, 1e308, 0, 10, check_empty_range, false},
        // A code outside 0..5 is neither tested nor drawn.
        {"x scale 6", 6, scale_auto, 5, 1, 0, 10, check_ok, false},
        {"y scale -1", scale_auto, -1, 0, 10, nan, 1, check_ok, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        forget_drawing();
        GraphFrame f{};
        set_frame_scales(f, c.x_scale, c.y_scale, 4, 4, "x", "y");
        set_frame_ranges(f, c.x_min, c.x_max, c.y_min, c.y_max);
        GraphFrame scratch{};
        layout_frames(style_single, f, scratch);
        EXPECT_EQ(draw_frame_axes(f, ' ', ' '), c.code);
        Drawing d = drawn();
        EXPECT_EQ(vertical_lines(d) > 0, c.x_drawn);
        if (c.code != check_ok) {
            EXPECT_EQ(horizontal_lines(d), 0);
            EXPECT_FALSE(has_text(d, "x"));  // no captions after a failure
        } else {
            EXPECT_TRUE(has_text(d, "x"));
            EXPECT_TRUE(has_text(d, "y"));
        }
    }
}

// The bias run's frame: the panel 64..464 by 24..328, captions, title and date in place.
TEST_F(FrameDrawing, BiasFramePlaces) {
    set_frame_scales(main_graph, scale_divided, scale_divided, 8, 6, "Vbe [V]", "Ie [mA]");
    set_frame_ranges(main_graph, 0.4, 0.8, 0.0014, 0.0026);
    GraphFrame scratch{};
    draw_graph_frames(style_single, main_graph, scratch, "Title");
    Drawing d = drawn();
    EXPECT_EQ(main_graph.left, 64);
    EXPECT_EQ(main_graph.bottom, 328);
    EXPECT_EQ(main_graph.width, 400);
    EXPECT_EQ(main_graph.height, 304);
    EXPECT_EQ(d.segments.size(), 9u + 7u);
    ASSERT_GE(d.texts.size(), 4u);
    const std::vector<Text> last(d.texts.end() - 4, d.texts.end());
    const std::vector<Text> expected = {
        {264 - 4 * 7, 348, "Vbe [V]", 0},  // centred under the panel
        {16, 176 + 4 * 7, "Ie [mA]", 1},   // upward, centred on the middle row
        {264 - 4 * 5, 4, "Title", 0},      // 20 rows above the panel
        {472, 382, "1999-07-27", 0},       // 8 columns right of the panel
    };
    EXPECT_EQ(last, expected);
    for (int i = 0; i < curve_slots; ++i) {
        EXPECT_EQ(main_graph.pen_x[i], 64);
        EXPECT_EQ(main_graph.pen_y[i], 328);
    }
    // Only frame_style and left of the scratch record were written.
    EXPECT_EQ(scratch.frame_style, style_single);
    EXPECT_EQ(scratch.left, 64);
    EXPECT_EQ(scratch.width, 0);
    EXPECT_EQ(console_output(), "");
}

// A failed check is reported and ends the drawing: no title, date or pen reset.
TEST_F(FrameDrawing, FailedSingleFrameIsReported) {
    set_frame_scales(main_graph, scale_divided, scale_divided, 8, 6, "x", "y");
    set_frame_ranges(main_graph, 1, 1, 0, 1);
    GraphFrame scratch{};
    draw_graph_frames(style_single, main_graph, scratch, "Title");
    Drawing d = drawn();
    EXPECT_TRUE(d.segments.empty());
    EXPECT_TRUE(d.texts.empty());
    EXPECT_EQ(main_graph.pen_x[0], 0);
    EXPECT_NE(console_output().find("Push any key !"), std::string::npos);
    EXPECT_EQ(stream_contents(err), "\a\a\a");
}

// A valid upper panel and an empty lower y range: the upper panel with its captions and the
// lower x axis are drawn, then code 3 is reported; no title, no date stamp, no pen reset.
TEST_F(FrameDrawing, PairedLowerFailureAfterUpperDrawn) {
    set_frame_scales(upper_graph, scale_log, scale_auto, 0, 0, "周波数［Ｈｚ］", "利得［ｄＢ］");
    set_frame_scales(lower_graph, scale_log, scale_degrees, 0, 0, "周波数［Ｈｚ］", "位相［度］");
    set_frame_ranges(upper_graph, 10, 10000, -40, 0);
    set_frame_ranges(lower_graph, 10, 10000, -90, -90);
    draw_graph_frames(style_paired, upper_graph, lower_graph, "Bode");
    Drawing d = drawn();
    int lower_vertical = 0, lower_horizontal = 0;
    for (const Segment& s : d.segments) {
        bool in_lower = s.y1 >= 196 && s.y2 >= 196;
        lower_vertical += in_lower && s.x1 == s.x2;
        lower_horizontal += in_lower && s.y1 == s.y2;
    }
    EXPECT_EQ(lower_vertical, 4 + 24);  // three decades
    EXPECT_EQ(lower_horizontal, 0);
    EXPECT_TRUE(has_text(d, "周波数［Ｈｚ］"));
    EXPECT_TRUE(has_text(d, "利得［ｄＢ］"));
    EXPECT_FALSE(has_text(d, "位相［度］"));
    EXPECT_FALSE(has_text(d, "Bode"));
    EXPECT_FALSE(has_text(d, "1999-07-27"));
    EXPECT_EQ(upper_graph.pen_x[0], 0);
    EXPECT_NE(console_output().find("Push any key !"), std::string::npos);
}

// A failed upper panel leaves the lower panel undrawn.
TEST_F(FrameDrawing, PairedUpperFailureLeavesLowerUndrawn) {
    set_frame_scales(upper_graph, scale_log, scale_auto, 0, 0, "a", "b");
    set_frame_scales(lower_graph, scale_log, scale_degrees, 0, 0, "c", "d");
    set_frame_ranges(upper_graph, 10, 10000, 0, 0);
    set_frame_ranges(lower_graph, 10, 10000, -90, 90);
    draw_graph_frames(style_paired, upper_graph, lower_graph, "Bode");
    Drawing d = drawn();
    EXPECT_TRUE(d.segments.empty());
    EXPECT_TRUE(d.texts.empty());
    EXPECT_EQ(lower_graph.x_min, 10);  // not widened: never drawn
}

// A pair: each x caption in its panel's lower right corner on a white box, the date below the
// lower panel, the pens of the upper panel reset and the lower panel's kept.
TEST_F(FrameDrawing, PairedCaptionsAndDate) {
    set_frame_scales(upper_graph, scale_log, scale_auto, 0, 0, "周波数［Ｈｚ］", "利得［ｄＢ］");
    set_frame_scales(lower_graph, scale_log, scale_degrees, 0, 0, "Hz", "位相［度］");
    set_frame_ranges(upper_graph, 10, 10000, -40, 0);
    set_frame_ranges(lower_graph, 10, 10000, -90, 90);
    lower_graph.pen_x[3] = 77;
    draw_graph_frames(style_paired, upper_graph, lower_graph, "Bode");
    Drawing d = drawn();
    ASSERT_EQ(d.fills.size(), 2u);
    // 14-byte caption: column 64 + 448 - 112 + 14 = 414, row 180 - 18; box to (504, 178).
    EXPECT_EQ(d.fills[0].x1, 414);
    EXPECT_EQ(d.fills[0].y1, 162);
    EXPECT_EQ(d.fills[0].x2, 504);
    EXPECT_EQ(d.fills[0].y2, 178);
    EXPECT_EQ(d.fills[0].colour, gdi::rgb(255, 255, 255));
    // 2-byte caption of the lower panel: column 64 + 448 - 16 + 14 = 510, beyond the box end.
    EXPECT_EQ(d.fills[1].x1, 504);
    EXPECT_EQ(d.fills[1].x2, 510);
    EXPECT_EQ(d.fills[1].y1, 334);
    const std::vector<std::string> at_162 = texts_at_row(d, 162);
    EXPECT_EQ(at_162, std::vector<std::string>{"周波数［Ｈｚ］"});
    bool found = false;
    for (const Text& t : d.texts) {
        if (t.text == "Hz") {
            EXPECT_EQ(t, (Text{510, 334, "Hz", 0}));
            found = true;
        }
    }
    EXPECT_TRUE(found);
    // The fill comes right before its caption.
    EXPECT_NE(d.order.find("ftt"), std::string::npos);
    EXPECT_EQ(d.texts.back(), (Text{472 + 48, 382, "1999-07-27", 0}));
    EXPECT_EQ(upper_graph.pen_x[0], 64);
    EXPECT_EQ(upper_graph.pen_y[25], 180);
    EXPECT_EQ(lower_graph.pen_x[3], 77);
    // y captions: 12 bytes centred on row 102 of the upper panel, 10 bytes on row 274.
    EXPECT_TRUE(std::find(d.texts.begin(), d.texts.end(),
                          Text{16, 102 + 4 * 12, "利得［ｄＢ］", 1}) != d.texts.end());
    EXPECT_TRUE(std::find(d.texts.begin(), d.texts.end(),
                          Text{16, 274 + 4 * 10, "位相［度］", 1}) != d.texts.end());
}

TEST_F(FrameDrawing, ConverterMarks) {
    set_frame_scales(main_graph, scale_divided, scale_divided, 8, 8, "ＡＤ", "out");
    set_frame_ranges(main_graph, 0, 8, 0, 256);
    GraphFrame scratch{};
    draw_graph_frames(style_converter, main_graph, scratch, "");
    Drawing d = drawn();
    EXPECT_EQ(texts_at_row(d, 348), (std::vector<std::string>{"ＡＤ", "(MSB)", "(LSB)"}));
    std::vector<Text> marks;
    for (const Text& t : d.texts) {
        if (t.y == 348 && t.text[0] == '(') marks.push_back(t);
    }
    EXPECT_EQ(marks, (std::vector<Text>{{64, 348, "(MSB)", 0}, {464, 348, "(LSB)", 0}}));
}

// The square style: no grid, labels or captions; the title, the date at the single-panel place
// and the pen reset.
TEST_F(FrameDrawing, SquareStyle) {
    set_frame_scales(main_graph, scale_auto, scale_auto, 0, 0, "x", "y");
    set_frame_ranges(main_graph, 0, 0, 0, 0);  // not validated
    GraphFrame scratch{};
    draw_graph_frames(style_square, main_graph, scratch, "Sq");
    Drawing d = drawn();
    EXPECT_TRUE(d.segments.empty());
    EXPECT_EQ(d.texts, (std::vector<Text>{{224 - 8, 4, "Sq", 0}, {392, 382, "1999-07-27", 0}}));
    EXPECT_EQ(main_graph.pen_x[0], 64);
    EXPECT_EQ(main_graph.pen_y[0], 328);
    EXPECT_EQ(console_output(), "");
}

// The time-division screen: per-division texts instead of captions, the date at row 398.
TEST_F(FrameDrawing, TimeDivisionTexts) {
    set_frame_scales(main_graph, scale_auto, scale_auto, 0, 0, "x", "y");
    set_frame_ranges(main_graph, 0, 0.001, -4, 4);
    GraphFrame scratch{};
    draw_graph_frames(style_time_division, main_graph, scratch, "T");
    Drawing d = drawn();
    EXPECT_EQ(d.segments.size(), 110u);
    EXPECT_EQ(d.texts, (std::vector<Text>{
                           {64 + 100 + 32, 348, "→ Ｘ： 0.1 ms  / div", 0},
                           {40, 344 - 80 - 8, "→ Ｙ： 1  V  / div", 1},
                           {264 - 4, 4, "T", 0},
                           {472, 398, "1999-07-27", 0},
                       }));
    // The whole grid comes before the first text.
    EXPECT_EQ(d.order, std::string(110, 's') + "tttt");
}

// x scale code 6: no x grid or labels, the rest drawn, code 0.
TEST_F(FrameDrawing, UngraduatedXAxis) {
    set_frame_scales(main_graph, 6, scale_divided, 0, 4, "x", "y");
    set_frame_ranges(main_graph, 0, 1, 0, 1);
    GraphFrame scratch{};
    draw_graph_frames(style_single, main_graph, scratch, "T");
    Drawing d = drawn();
    EXPECT_EQ(vertical_lines(d), 0);
    EXPECT_EQ(horizontal_lines(d), 5);
    EXPECT_TRUE(has_text(d, "x"));
    EXPECT_TRUE(has_text(d, "1999-07-27"));
    EXPECT_EQ(main_graph.width, 448);
}

// Styles that draw_graph_frames never graduates still get captions at the single-panel places
// when draw_frame_axes is called on them.
TEST_F(FrameDrawing, CaptionsOfOtherStyles) {
    for (int style : {style_stage_strip, style_square, 9}) {
        forget_drawing();
        GraphFrame f{};
        set_frame_scales(f, 6, 6, 0, 0, "ab", "cd");
        set_frame_ranges(f, 0, 1, 0, 1);
        f.frame_style = style;
        f.left = 64;
        f.bottom = 328;
        f.width = 320;
        f.height = 304;
        EXPECT_EQ(draw_frame_axes(f, ' ', ' '), check_ok);
        EXPECT_EQ(drawn().texts,
                  (std::vector<Text>{{224 - 8, 348, "ab", 0}, {16, 176 + 8, "cd", 1}}));
    }
}

// Before any paired graph was laid out, redraw_frames draws and reports nothing.
TEST_F(FrameDrawing, RedrawBeforeAnyGraph) {
    redraw_frames();
    EXPECT_TRUE(drawn().segments.empty());
    EXPECT_EQ(console_output(), "");
}

// redraw_frames draws the laid-out frames again, without title or date.
TEST_F(FrameDrawing, RedrawAfterSetUp) {
    set_frame_scales(main_graph, scale_divided, scale_divided, 8, 6, "x", "y");
    set_frame_ranges(main_graph, 0.4, 0.8, 0.0014, 0.0026);
    GraphFrame scratch{};
    draw_graph_frames(style_single, main_graph, scratch, "Title");
    set_frame_scales(upper_graph, scale_log, scale_auto, 0, 0, "a", "b");
    set_frame_scales(lower_graph, scale_log, scale_degrees, 0, 0, "c", "d");
    set_frame_ranges(upper_graph, 10, 10000, -40, 0);
    set_frame_ranges(lower_graph, 10, 10000, -90, 90);
    draw_graph_frames(style_paired, upper_graph, lower_graph, "Bode");
    main_graph.pen_x[0] = 5;
    forget_drawing();
    redraw_frames();
    Drawing d = drawn();
    // The bias frame; three decades and -40..0 in steps of 5; three decades and -90..90 in
    // steps of 30.
    EXPECT_EQ(d.segments.size(), (9u + 7u) + (4u + 24u + 9u) + (4u + 24u + 7u));
    EXPECT_FALSE(has_text(d, "Title"));
    EXPECT_FALSE(has_text(d, "1999-07-27"));
    EXPECT_TRUE(has_text(d, "d"));
    EXPECT_EQ(main_graph.pen_x[0], 5);
}

}  // namespace
