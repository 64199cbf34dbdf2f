// Routing of samples: the receiving panel, the start point, the style copies, the clip.
#include "plot/routing.h"

#include "draw/paint_context.h"
#include "plot/mapping.h"
#include "tests/plot/plot_fixture.h"
#include "tests/support/canvas.h"

namespace {

// Three panels side by side on a 30 x 10 canvas, values in pixels: main_graph over columns
// 1..9, upper_graph over 11..19, lower_graph over 21..29, rows 1..9 each.
class RoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_plot_globals();
        main_graph = pixel_frame(1, 9, 8, 8, 0, 8, 0, 8);
        upper_graph = pixel_frame(11, 9, 8, 8, 0, 8, 0, 8);
        lower_graph = pixel_frame(21, 9, 8, 8, 0, 8, 0, 8);
        settings.sweep_from = 0.0;
    }

    Canvas canvas{30, 10};
    AnalysisSettings settings{};

    // Pixels of the colour inside the columns of one panel's box.
    int pixels_in(const GraphFrame& panel, int colour) {
        int n = 0;
        for (const gdi::Point& p : canvas.pixels_of(colour)) {
            n += p.x >= panel.left && p.x <= panel.left + panel.width;
        }
        return n;
    }
    void expect_picture(const Picture& expected) {
        EXPECT_EQ(canvas.picture(), expected) << side_by_side(expected, canvas.picture());
    }
};

TEST_F(RoutingTest, EachKindAndPanelReachesItsPanel) {
    enum Target { none, main, upper, lower };
    struct Case {
        int kind;
        int panel;
        Target target;
    };
    const Case cases[] = {
        {1, 0, main},    {16, 2, main},   {41, 1, main},   {58, 0, main},  {96, 3, main},
        {97, 1, upper},  {97, 3, upper},  {97, 2, lower},  {97, 0, none},  {97, 4, none},
        {126, 2, lower}, {129, 1, upper}, {136, 2, lower}, {127, 1, none}, {128, 2, none},
        {137, 1, none},  {138, 2, none},  {0, 1, none},    {139, 1, none}, {-1, 1, none},
    };
    for (const Case& c : cases) {
        Canvas local(30, 10);
        settings.panel = c.panel;
        settings.plot_style = plot_markers_only;
        settings.marker_shape = 6;
        settings.marker_size = 1;
        route_sample(c.kind, 4.0, 4.0, settings, 2, 0);
        int in_main = 0, in_upper = 0, in_lower = 0;
        for (const gdi::Point& p : local.pixels_of(2)) {
            in_main += p.x < 10;
            in_upper += p.x > 10 && p.x < 20;
            in_lower += p.x > 20;
        }
        EXPECT_EQ(in_main, c.target == main ? 5 : 0) << "kind " << c.kind << " panel " << c.panel;
        EXPECT_EQ(in_upper, c.target == upper ? 5 : 0) << "kind " << c.kind << " panel " << c.panel;
        EXPECT_EQ(in_lower, c.target == lower ? 5 : 0) << "kind " << c.kind << " panel " << c.panel;
        EXPECT_EQ(paint_dc->clip.left, 0);
        EXPECT_EQ(paint_dc->clip.right, 30) << "the clip is the whole window again";
    }
}

TEST_F(RoutingTest, StartPointComesFromTheKindsFamily) {
    settings.sweep_from = 1.0;
    settings.time_from = 2.0;
    settings.first_x = 3.0;
    settings.freq_from = 4.0;
    settings.first_value = 6.0;
    struct Case {
        int kind;
        double start_x;
    };
    const Case cases[] = {{1, 1.0},  {11, 1.0}, {12, 1.0}, {16, 1.0}, {17, 2.0},
                          {41, 2.0}, {42, 3.0}, {58, 3.0}, {59, 4.0}, {138, 4.0}};
    for (const Case& c : cases) {
        route_sample(c.kind, 5.0, 5.0, settings, 2, 0);
        for (const GraphFrame* f : {&main_graph, &upper_graph, &lower_graph}) {
            EXPECT_EQ(f->start_x, c.start_x) << "kind " << c.kind;
            EXPECT_EQ(f->start_y, 6.0) << "kind " << c.kind;
        }
    }
}

TEST_F(RoutingTest, FirstSampleOfKind12BeginsItsCurveAtTheSweepStart) {
    // The curve of the previous kind-12 sweep ended at (6, 0); the new one starts fresh at
    // (sweep_from, first_value) instead of joining it.
    settings.sweep_from = 2.0;
    settings.first_value = 5.0;
    main_graph.pen_x[0] = 7;
    main_graph.pen_y[0] = 9;
    route_sample(12, 2.0, 5.0, settings, 1, 0);
    route_sample(12, 3.0, 5.0, settings, 1, 0);
    EXPECT_EQ(canvas.pixels_of(1).size(), 2u);
    EXPECT_EQ(canvas.colour_at(3, 4), 1);
    EXPECT_EQ(canvas.colour_at(4, 4), 1);
}

TEST_F(RoutingTest, StylesAreCopiedIntoAllThreePanelsAndAZeroMarkerSizeBecomes2) {
    settings.plot_style = 5;
    settings.line_dash = 3;
    settings.line_width = 1;
    settings.marker_shape = 9;
    settings.marker_size = 0;
    route_sample(97, 1.0, 1.0, settings, 2, 0);
    EXPECT_EQ(settings.marker_size, 2);
    for (const GraphFrame* f : {&main_graph, &upper_graph, &lower_graph}) {
        EXPECT_EQ(f->plot_style, 5);
        EXPECT_EQ(f->marker_shape, 9);
        EXPECT_EQ(f->marker_size, 2);
    }
    // No panel received the sample, so no marker reset either panel's line style.
    EXPECT_EQ(upper_graph.line_dash, 3);
    EXPECT_EQ(upper_graph.line_width, 1);
    settings.marker_size = 4;
    route_sample(1, 1.0, 1.0, settings, 2, 0);
    EXPECT_EQ(settings.marker_size, 4);
}

TEST_F(RoutingTest, StraightLinesByDefaultAndACurveEndingAtXMaxStopsOneColumnShort) {
    settings.first_value = 4.0;
    for (double x : {0.0, 4.0, 8.0}) route_sample(1, x, 4.0, settings, 2, 0);
    // Row 5 from column 1 to 8: x_max maps to column 9, outside the clip.
    EXPECT_EQ(canvas.picture()[5], "722222222777777777777777777777");
    EXPECT_EQ(canvas.count_of(2), 8);
}

TEST_F(RoutingTest, StaircaseStartsWithAVerticalFromTheStartPoint) {
    // The start point (0, 0) lies on the bottom edge, which the clip leaves out.
    settings.plot_style = plot_staircase;
    settings.first_value = 0.0;
    route_sample(1, 0.0, 1.0, settings, 4, 0);
    route_sample(1, 1.0, 3.0, settings, 4, 0);
    expect_picture({
        "777777777777777777777777777777",
        "777777777777777777777777777777",
        "777777777777777777777777777777",
        "777777777777777777777777777777",
        "777777777777777777777777777777",
        "777777777777777777777777777777",
        "774777777777777777777777777777",
        "774777777777777777777777777777",
        "744777777777777777777777777777",
        "777777777777777777777777777777",
    });
}

TEST_F(RoutingTest, StemsWithAndWithoutMarkers) {
    settings.plot_style = plot_stems;
    settings.first_value = 3.0;
    route_sample(1, 0.0, 3.0, settings, 5, 0);
    route_sample(1, 3.0, 2.0, settings, 5, 0);
    // A dot at the start point and a stem from each sample to the bottom row, which the clip
    // leaves out.
    EXPECT_EQ(pixels_in(main_graph, 5), 3 + 2);
    EXPECT_EQ(canvas.colour_at(4, 7), 5);
    EXPECT_EQ(canvas.colour_at(4, 8), 5);
    EXPECT_EQ(canvas.colour_at(4, 9), 7);

    Canvas local(30, 10);
    settings.plot_style = plot_stem_markers;
    settings.marker_shape = 6;
    settings.marker_size = 1;
    route_sample(1, 5.0, 2.0, settings, 5, 0);
    EXPECT_EQ(local.colour_at(5, 7), 5);  // the marker's arms
    EXPECT_EQ(local.colour_at(7, 7), 5);
    EXPECT_EQ(local.colour_at(6, 8), 5);  // the stem
}

TEST_F(RoutingTest, MarkersOnlyDrawNoLinesAndLeaveThePensWhereTheyStood) {
    settings.plot_style = plot_markers_only;
    settings.marker_shape = 3;
    settings.marker_size = 1;
    settings.first_value = 2.0;
    main_graph.pen_x[0] = 1;
    main_graph.pen_y[0] = 9;
    route_sample(1, 0.0, 2.0, settings, 3, 0);
    route_sample(1, 4.0, 4.0, settings, 3, 0);
    EXPECT_EQ(main_graph.pen_x[0], 1);
    EXPECT_EQ(main_graph.pen_y[0], 9);
    // Two 3 x 3 outlines; the one at x = 0 is cut at the left edge by the clip.
    EXPECT_EQ(canvas.count_of(3), 8 + 5);
    EXPECT_EQ(canvas.colour_at(5, 5), 7);
    EXPECT_EQ(canvas.colour_at(4, 4), 3);
    EXPECT_EQ(main_graph.line_dash, 0);
}

TEST_F(RoutingTest, LinesWithSquareMarkersOfSize4) {
    Canvas big(40, 40);
    main_graph = pixel_frame(0, 39, 39, 39, 0, 39, 0, 39);
    settings.plot_style = plot_line_markers;
    settings.marker_shape = 3;
    settings.marker_size = 4;
    settings.first_value = 20.0;
    route_sample(1, 0.0, 20.0, settings, 6, 0);
    route_sample(1, 20.0, 20.0, settings, 6, 0);
    // The 9 x 9 outline around (20, 19), and the line from column 0 to it.
    for (int i = 16; i <= 24; ++i) {
        EXPECT_EQ(big.colour_at(i, 15), 6) << i;
        EXPECT_EQ(big.colour_at(i, 23), 6) << i;
        EXPECT_EQ(big.colour_at(16, i - 1), 6) << i;
        EXPECT_EQ(big.colour_at(24, i - 1), 6) << i;
    }
    for (int x = 0; x <= 20; ++x) EXPECT_EQ(big.colour_at(x, 19), 6) << x;
    EXPECT_EQ(big.colour_at(20, 18), 7);
}

TEST_F(RoutingTest, PlotStylesOutsideTheTableDrawNothing) {
    for (int style : {-1, 9, 100}) {
        settings.plot_style = style;
        settings.marker_shape = 3;
        route_sample(1, 0.0, 4.0, settings, 2, 0);
        route_sample(1, 4.0, 4.0, settings, 2, 0);
    }
    EXPECT_EQ(canvas.count_of(2), 0);
}

}  // namespace
