// The logarithmic axes: decade widening, decade and in-decade lines, labels and their places.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "draw/primitives.h"
#include "graph/axes.h"
#include "tests/graph/graph_fixture.h"

namespace {

using LogAxis = GraphTest;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

GraphFrame log_frame(double x_min, double x_max, double y_min, double y_max) {
    GraphFrame f{};
    set_frame_scales(f, scale_log, scale_log, 0, 0, "", "");
    set_frame_ranges(f, x_min, x_max, y_min, y_max);
    GraphFrame scratch{};
    layout_frames(style_single, f, scratch);  // 64..512 by 24..328
    return f;
}

// trunc(log10(j) * d) for j = 2..9.
std::vector<int> inner_offsets(int d) {
    std::vector<int> out;
    for (int j = 2; j <= 9; ++j) out.push_back(static_cast<int>(std::log10(double(j)) * d));
    return out;
}

// 20..5000 on 448 columns: 10..10000, three decades of 149 columns, 24 dotted lines drawn from
// the top edge down, labels 8 columns left of each decade line.
TEST_F(LogAxis, ThreeDecadesOnTheXAxis) {
    GraphFrame f = log_frame(20, 5000, 1, 10);
    draw_log_x_axis(f, ' ');
    EXPECT_EQ(f.x_min, 10);
    EXPECT_EQ(f.x_max, 10000);
    Drawing d = drawn();
    std::vector<Segment> expected;
    const int offsets[] = {44, 71, 89, 104, 115, 125, 134, 142};  // log10(j) * 149
    EXPECT_EQ(inner_offsets(149), std::vector<int>(std::begin(offsets), std::end(offsets)));
    for (int i = 0; i <= 3; ++i) {
        int p = 64 + 149 * i;
        expected.push_back({p, 328, p, 24, false});
        if (i < 3) {
            for (int o : offsets) expected.push_back({p + o, 24, p + o, 328, true});
        }
    }
    EXPECT_EQ(d.segments, expected);
    EXPECT_EQ(solid_of(d.segments, true).size(), 24u);
    const std::vector<Text> labels = {
        {56, 328, "10 ", 0}, {205, 328, "100 ", 0}, {354, 328, "1k", 0}, {503, 328, "10k", 0}};
    EXPECT_EQ(d.texts, labels);
}

// 1e-6..1e-3 on 304 rows: decades of 101 rows; the repeated products reach 1e-3 exactly, so the
// top label is 3 rows above its line; labels end 4 columns left of the panel.
TEST_F(LogAxis, ThreeDecadesOnTheYAxis) {
    GraphFrame f = log_frame(1, 10, 1e-6, 1e-3);
    draw_log_y_axis(f, ' ');
    Drawing d = drawn();
    std::vector<Segment> expected;
    for (int i = 0; i <= 3; ++i) {
        int p = 328 - 101 * i;
        expected.push_back({64, p, 512, p, false});
        if (i < 3) {
            for (int o : inner_offsets(101)) expected.push_back({64, p - o, 512, p - o, true});
        }
    }
    EXPECT_EQ(d.segments, expected);
    const std::vector<Text> labels = {
        {44, 315, "1u", 0}, {36, 219, "10u", 0}, {28, 118, "100u", 0}, {44, 22, "1m", 0}};
    EXPECT_EQ(d.texts, labels);
}

TEST_F(LogAxis, DecadeCounts) {
    struct Case {
        double min, max;
        double new_min, new_max;
        int decade_lines;
        int dotted_lines;
    };
    const Case cases[] = {
        {1, 10, 1, 10, 2, 8},                           // one decade: the two edges
        {0.5, 2, 0.1, 10, 3, 16},                       // two decades
        {1, 1000, 1, 1000, 4, 24},                      // powers of ten stay: three decades
        {1000, 1000.0000000000001, 1000, 10000, 2, 8},  // both on one power: one decade above
        // 600 decades of 0 columns, still bounded; their dotted lines would all fall on the
        // decade lines
        {1e-300, 1e300, 1e-300, 1e300, 601, 0},
        {5e-324, 1, 1e-323, 1, 324, 0},  // decades kept to what a double holds, 1 column each
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max);
        forget_drawing();
        GraphFrame f = log_frame(c.min, c.max, 1, 10);
        draw_log_x_axis(f, ' ');
        EXPECT_EQ(f.x_min, c.new_min);
        EXPECT_EQ(f.x_max, c.new_max);
        Drawing d = drawn();
        EXPECT_EQ(static_cast<int>(solid_of(d.segments, false).size()), c.decade_lines);
        EXPECT_EQ(static_cast<int>(solid_of(d.segments, true).size()), c.dotted_lines);
    }
}

// Where decades lie only a few pixels apart, the dotted lines that would fall on the decade's
// own line or on the dotted line before them are left out: drawing all eight of every decade
// on top sets no pixel anew. The axis draws no more dotted lines than it has pixels.
TEST_F(LogAxis, DottedLinesOnTheDecadeLineAreLeftOut) {
    const int decade_counts[] = {1, 3, 40, 90, 149, 150, 300, 600};
    for (int n : decade_counts) {
        SCOPED_TRACE(testing::Message() << n << " decades");
        for (bool x_axis : {true, false}) {
            canvas.reset();  // before the next canvas takes over the paint
            canvas = std::make_unique<Canvas>(client_width, client_height);
            forget_drawing();
            const double lo = std::pow(10.0, -(n / 2));
            const double hi = std::pow(10.0, n - n / 2);
            GraphFrame f = log_frame(lo, hi, lo, hi);
            if (x_axis) {
                draw_log_x_axis(f, ' ');
            } else {
                draw_log_y_axis(f, ' ');
            }
            const int length = x_axis ? f.width : f.height;
            EXPECT_LE(static_cast<int>(solid_of(drawn().segments, true).size()), length);
            const std::vector<std::string> picture = canvas->picture();
            ASSERT_GT(canvas->count_of(0), length);
            const int d = length / n;
            for (int i = 0; i < n; ++i) {
                for (int o : inner_offsets(d)) {
                    if (x_axis) {
                        const int p = f.left + d * i + o;
                        styled_segment(p, f.bottom - f.height, p, f.bottom, 0, width_thin,
                                       line_dotted);
                    } else {
                        const int p = f.bottom - d * i - o;
                        styled_segment(f.left, p, f.left + f.width, p, 0, width_thin, line_dotted);
                    }
                }
            }
            EXPECT_EQ(canvas->picture(), picture) << (x_axis ? "x axis" : "y axis");
        }
    }
}

// One decade: the inner lines at left + trunc(log10(j) * width).
TEST_F(LogAxis, OneDecadeSpansThePanel) {
    GraphFrame f = log_frame(1, 10, 1, 10);
    draw_log_x_axis(f, ' ');
    std::vector<int> columns;
    for (const Segment& s : solid_of(drawn().segments, true)) columns.push_back(s.x1);
    EXPECT_EQ(columns, (std::vector<int>{64 + 134, 64 + 213, 64 + 269, 64 + 313, 64 + 348, 64 + 378,
                                         64 + 404, 64 + 427}));
}

// Bounds that are not both finite and above zero are neither widened nor drawn.
TEST_F(LogAxis, NonFiniteOrNonPositiveBoundsDrawNothing) {
    const double ranges[][2] = {{nan, 10}, {1, nan}, {1, inf}, {0, 10}, {-5, 10}, {inf, inf}};
    for (const auto& r : ranges) {
        forget_drawing();
        GraphFrame f = log_frame(r[0], r[1], r[0], r[1]);
        draw_log_x_axis(f, ' ');
        draw_log_y_axis(f, ' ');
        EXPECT_TRUE(drawn().segments.empty()) << r[0] << ".." << r[1];
        EXPECT_TRUE(drawn().texts.empty());
        EXPECT_TRUE(f.x_max == r[1] || std::isnan(r[1]));
    }
}

}  // namespace
