// The linear, degree and time-division grids: lines, line styles, labels and their places.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "graph/axes.h"
#include "tests/graph/graph_fixture.h"

namespace {

using LinearAxis = GraphTest;

// A single panel laid out by layout_frames.
GraphFrame single_frame(int x_scale, int y_scale, double x_min, double x_max, double y_min,
                        double y_max, int x_divisions = 0, int y_divisions = 0) {
    GraphFrame f{};
    set_frame_scales(f, x_scale, y_scale, x_divisions, y_divisions, "", "");
    set_frame_ranges(f, x_min, x_max, y_min, y_max);
    GraphFrame scratch{};
    layout_frames(style_single, f, scratch);
    return f;
}

GraphFrame bias_frame() {
    return single_frame(scale_divided, scale_divided, 0.4, 0.8, 0.0014, 0.0026, 8, 6);
}

// x 0.4..0.8 in 8 divisions on 400 columns: nine lines 50 columns apart, solid at the ends.
TEST_F(LinearAxis, BiasFrameXGrid) {
    GraphFrame f = bias_frame();
    draw_linear_x_axis(f, ' ');
    Drawing d = drawn();
    std::vector<Segment> expected;
    for (int k = 0; k <= 8; ++k) {
        expected.push_back({64 + 50 * k, 328, 64 + 50 * k, 24, k != 0 && k != 8});
    }
    EXPECT_EQ(d.segments, expected);
    const char* labels[] = {"0.4 ",  "0.45 ", "0.5 ",  "0.55 ", "0.6 ",
                            "0.65 ", "0.7 ",  "0.75 ", "0.8 "};
    ASSERT_EQ(d.texts.size(), 9u);
    for (int k = 0; k <= 8; ++k) {
        EXPECT_EQ(d.texts[k], (Text{56 + 50 * k, 328, labels[k], 0}));
    }
    // Each line is followed by its label.
    EXPECT_EQ(d.order, "ststststststststst");
    EXPECT_EQ(f.x_min, 0.4);
    EXPECT_EQ(f.x_max, 0.8);
}

// y 1.4m..2.6m in 6 divisions on 304 rows: the accumulated positions 328, 277.33, 226.67,
// 176, 125.33, 74.67 and 24.00000000000002 truncate to these rows; the accumulated top value
// 0.0026000000000000003 is within the end band (solid) but not equal to max (label row - 8).
TEST_F(LinearAxis, BiasFrameYGrid) {
    GraphFrame f = bias_frame();
    draw_linear_y_axis(f, ' ');
    Drawing d = drawn();
    const int rows[] = {328, 277, 226, 176, 125, 74, 24};
    std::vector<Segment> expected;
    for (int k = 0; k <= 6; ++k) expected.push_back({64, rows[k], 464, rows[k], k != 0 && k != 6});
    EXPECT_EQ(d.segments, expected);
    const std::vector<Text> labels = {
        {25, 315, "1.4m", 0}, {25, 269, "1.6m", 0}, {25, 218, "1.8m", 0}, {41, 168, "2m", 0},
        {25, 117, "2.2m", 0}, {25, 66, "2.4m", 0},  {25, 16, "2.6m", 0},
    };
    EXPECT_EQ(d.texts, labels);
}

// The first x line's label sets the transparent background mode, so the dotted lines after it
// leave their gaps untouched: where a dotted vertical line is on and a dotted horizontal line
// has a gap, the pixel stays black.
TEST_F(LinearAxis, DottedBiasGridHasTransparentGaps) {
    GraphFrame f = bias_frame();
    draw_linear_x_axis(f, ' ');
    draw_linear_y_axis(f, ' ');
    // Column 164 (dotted): rows with (328 - row) mod 6 < 3 are on. Row 226 (dotted): columns
    // with (column - 64) mod 6 < 3 are on; column 164 is in a gap of row 226.
    EXPECT_EQ(canvas->colour_at(164, 226), 0);
    EXPECT_EQ(canvas->colour_at(164, 229), 7);  // a gap of the vertical line, off its rows
    for (int row = 25; row < 328; ++row) {
        bool on_vertical = (328 - row) % 6 < 3;
        bool on_horizontal_row = row == 277 || row == 226 || row == 176 || row == 125 || row == 74;
        bool horizontal_on_here = on_horizontal_row && (164 - 64) % 6 < 3;
        int expected = on_vertical || horizontal_on_here ? 0 : 7;
        ASSERT_EQ(canvas->colour_at(164, row), expected) << "row " << row;
    }
}

struct GridCase {
    const char* name;
    int scale;
    double min, max;
    int divisions;
    std::vector<int> solid_columns;  // columns of the solid lines
    int lines;
    std::vector<const char*> labels;  // empty: not checked
};

// Line styles and labels over the scale codes, on the x axis of a 448 (320 for complex) panel.
TEST_F(LinearAxis, LineStylesByScale) {
    const GridCase cases[] = {
        // Only the line at 0 is solid on a complex-plane axis: the edges are dotted.
        {"complex", scale_complex, -2, 2, 0, {224}, 9, {}},
        // Accumulated steps cross zero: the value snaps to exactly 0, drawn solid and labelled.
        // The last position accumulates to just below 512 and truncates to 511.
        {"zero crossing",
         scale_auto,
         -0.3,
         0.3,
         0,
         {64, 288, 511},
         7,
         {"-0.3 ", "-0.2 ", "-0.1 ", "0 ", "0.1 ", "0.2 ", "0.3 "}},
        // A negative upper end: the line at -2 is drawn, solid, labelled.
        {"negative end",
         scale_divided,
         -10,
         -2,
         4,
         {64, 464},
         5,
         {"-10 ", "-8 ", "-6 ", "-4 ", "-2 "}},
        // A division count of 0 becomes 1: only the two edges.
        {"no divisions", scale_divided, 0.4, 0.8, 0, {64, 464}, 2, {"0.4 ", "0.8 "}},
        // A negative count is taken by its magnitude.
        {"negative count", scale_divided, 0.4, 0.8, -8, {64, 464}, 9, {}},
        // Degrees: 45..100 snaps to 0..180 in steps of 30.
        {"degrees",
         scale_degrees,
         45,
         100,
         0,
         {64, 512},
         7,
         {"0 ", "30 ", "60 ", "90 ", "120 ", "150 ", "180 "}},
    };
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.name);
        forget_drawing();
        GraphFrame f = single_frame(c.scale, scale_auto, c.min, c.max, 0, 1, c.divisions);
        draw_linear_x_axis(f, ' ');
        Drawing d = drawn();
        EXPECT_EQ(static_cast<int>(d.segments.size()), c.lines);
        std::vector<int> solid;
        for (const Segment& s : d.segments) {
            if (!s.dotted) solid.push_back(s.x1);
        }
        EXPECT_EQ(solid, c.solid_columns);
        if (!c.labels.empty()) {
            std::vector<std::string> texts;
            for (const Text& t : d.texts) texts.push_back(t.text);
            EXPECT_EQ(texts, std::vector<std::string>(c.labels.begin(), c.labels.end()));
        }
    }
}

TEST_F(LinearAxis, ZeroDivisionCountIsRepairedInTheFrame) {
    GraphFrame f = single_frame(scale_divided, scale_divided_square, 0, 1, 0, 1, 0, 0);
    draw_linear_x_axis(f, ' ');
    draw_linear_y_axis(f, ' ');
    EXPECT_EQ(f.x_divisions, 1.0);
    EXPECT_EQ(f.y_divisions, 1.0);
    // A negative count is used by its magnitude but not written back.
    GraphFrame g = single_frame(scale_divided, scale_divided, 0, 1, 0, 1, -3, 2);
    draw_linear_x_axis(g, ' ');
    EXPECT_EQ(g.x_divisions, -3.0);
}

// Every grid loop ends after a bounded number of lines, whatever the range and count.
TEST_F(LinearAxis, GridLoopsAreBounded) {
    struct Case {
        const char* name;
        int scale;
        double min, max;
        int divisions;
        int lines;
    };
    const Case cases[] = {
        // A huge count is cut to one division per column: 400 divisions, 401 lines.
        {"huge count", scale_divided, 0.4, 0.8, 1000000000, 401},
        {"most negative count", scale_divided, 0.4, 0.8, std::numeric_limits<int>::min(), 401},
        // The step 0.2 still moves 1e15 (spacing 0.125), and the end band 0.0001 * 1e15 is far
        // wider than the range: the lines stop at the panel's right edge, the sixth at 512.
        {"end band wider than the range", scale_auto, 1e15, 1e15 + 1, 0, 6},
        // The step 0.5 cannot move 1e16 (spacing 2): the first line only.
        {"tiny step that stalls", scale_auto, 1e16, 1e16 + 4, 0, 1},
        // Degrees far from zero, drawn without validation: 0..1000000260 in steps of 180 would
        // be 5.5 million lines; the loop stops at one per column and the two ends.
        {"degrees far from zero", scale_degrees, 1e9, 1e9 + 100, 0, 448 + 2},
        // A reversed range gives a negative step: the first line only.
        {"reversed divided", scale_divided, 0.8, 0.4, 8, 1},
        // No step at all: the first line only.
        {"empty auto", scale_auto, 3, 3, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        forget_drawing();
        GraphFrame f = single_frame(c.scale, scale_auto, c.min, c.max, 0, 1, c.divisions);
        draw_linear_x_axis(f, ' ');
        Drawing d = drawn();
        EXPECT_EQ(static_cast<int>(d.segments.size()), c.lines);
        EXPECT_LE(static_cast<int>(d.segments.size()), grid_line_limit(f.width));
    }
}

// The bound itself saturates for the widest axes rather than wrapping to a negative count.
TEST(GridLineLimit, OnePerPixelAndTheTwoEnds) {
    const int most = std::numeric_limits<int>::max();
    const std::pair<int, int> cases[] = {{448, 450},   {0, 2},           {-7, 2},
                                         {most, most}, {most - 2, most}, {most - 3, most - 1}};
    for (auto [length, limit] : cases) EXPECT_EQ(grid_line_limit(length), limit) << length;
}

// A box a caller filled with the extremes of int: its edges are held to +-2^30, and its grid
// draws a bounded number of lines without any arithmetic leaving the range of int.
TEST_F(LinearAxis, ExtremeBoxEdgesAreHeld) {
    const int most = std::numeric_limits<int>::max();
    const int least = std::numeric_limits<int>::min();
    struct Case {
        int left, width, bottom, height;
        int right, top;
    };
    const Case cases[] = {
        {64, 448, 328, 304, 512, 24},
        {64, most, 328, most, 1 << 30, -(1 << 30)},
        {64, least, 328, least, -(1 << 30), 1 << 30},
    };
    for (const Case& c : cases) {
        GraphFrame f = single_frame(scale_auto, scale_auto, 0, 1, 0, 1, 0);
        f.left = c.left;
        f.width = c.width;
        f.bottom = c.bottom;
        f.height = c.height;
        EXPECT_EQ(frame_right(f), c.right) << c.width;
        EXPECT_EQ(frame_top(f), c.top) << c.height;
        forget_drawing();
        draw_linear_x_axis(f, ' ');
        draw_linear_y_axis(f, ' ');
        EXPECT_LE(static_cast<int>(drawn().segments.size()), 2 * grid_line_limit(448)) << c.width;
        // Log axes over three decades: 4 decade lines and 8 dotted lines per decade each.
        GraphFrame log_frame = f;
        log_frame.x_scale = scale_log;
        log_frame.y_scale = scale_log;
        log_frame.x_min = log_frame.y_min = 1;
        log_frame.x_max = log_frame.y_max = 1000;
        forget_drawing();
        draw_log_x_axis(log_frame, ' ');
        draw_log_y_axis(log_frame, ' ');
        EXPECT_LE(static_cast<int>(drawn().segments.size()), 2 * (4 + 3 * 8)) << c.width;
    }
}

// The oscilloscope screen: 11 vertical and 9 horizontal lines, 50 ticks on the centre row and
// 40 on the centre column, no labels, the range unchanged.
TEST_F(LinearAxis, TimeDivisionGrid) {
    GraphFrame f{};
    set_frame_scales(f, scale_auto, scale_auto, 0, 0, "", "");
    set_frame_ranges(f, 0.3, 0.7, -1, 3);
    GraphFrame scratch{};
    layout_frames(style_time_division, f, scratch);
    draw_linear_x_axis(f, ' ');
    draw_linear_y_axis(f, ' ');
    Drawing d = drawn();
    EXPECT_TRUE(d.texts.empty());
    EXPECT_EQ(f.x_min, 0.3);
    EXPECT_EQ(f.x_max, 0.7);

    std::vector<Segment> expected;
    for (int k = 0; k <= 10; ++k) {
        int column = 64 + 40 * k;
        expected.push_back({column, 344, column, 24, k != 0 && k != 5 && k != 10});
        if (k < 10) {
            for (int i = 0; i < 5; ++i)
                expected.push_back({column + 8 * i, 182, column + 8 * i, 186, false});
        }
    }
    for (int k = 0; k <= 8; ++k) {
        int row = 344 - 40 * k;
        expected.push_back({64, row, 464, row, k != 0 && k != 4 && k != 8});
        if (k > 0) {
            for (int i = 0; i < 5; ++i)
                expected.push_back({262, row + 8 * i, 266, row + 8 * i, false});
        }
    }
    EXPECT_EQ(d.segments, expected);
    EXPECT_EQ(d.segments.size(), 11u + 50u + 9u + 40u);
}

// Drawn before any text, the screen's dotted lines paint their gaps white: a dotted horizontal
// line cuts a notch into the dotted vertical line drawn before it.
TEST_F(LinearAxis, TimeDivisionGridHasWhiteGaps) {
    GraphFrame f{};
    set_frame_ranges(f, 0, 1, 0, 1);
    GraphFrame scratch{};
    layout_frames(style_time_division, f, scratch);
    draw_linear_x_axis(f, ' ');
    // Column 224 (dotted): row 264 is on ((344 - 264) mod 6 = 2).
    EXPECT_EQ(canvas->colour_at(224, 264), 0);
    draw_linear_y_axis(f, ' ');
    // Row 264 (dotted) has a gap at column 224 ((224 - 64) mod 6 = 4).
    EXPECT_EQ(canvas->colour_at(224, 264), 7);
    EXPECT_EQ(canvas->colour_at(224, 265), 0);
}

}  // namespace
