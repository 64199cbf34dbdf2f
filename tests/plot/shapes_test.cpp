// Lines, circles, dotted circles and level arrows in value coordinates.
#include <cmath>
#include <limits>

#include "draw/paint_context.h"
#include "draw/primitives.h"
#include "platform/recorder.h"
#include "plot/mapping.h"
#include "tests/plot/plot_fixture.h"
#include "tests/support/canvas.h"

namespace {

class ShapeTest : public ::testing::Test {
protected:
    void SetUp() override { reset_plot_globals(); }
};

TEST_F(ShapeTest, ValueCircleRadiusIsInXAxisUnitsTruncated) {
    struct Case {
        double r;
        int radius;
    };
    // x range 0..8 over 400 columns: one x unit is 50 pixels.
    const Case cases[] = {{1.0, 50}, {0.01, 0}, {0.039, 1}, {0.5, 25}, {-1.0, 0}};
    for (const Case& c : cases) {
        GraphFrame f = pixel_frame(64, 328, 400, 304, 0, 8, 0, 8);
        Canvas expected(632, 453);
        draw_circle(264, 176, c.radius, 3, 0, 0);
        Picture circle = expected.picture();
        Canvas actual(632, 453);
        value_circle(f, 4.0, 4.0, c.r, 3);
        EXPECT_EQ(actual.picture(), circle) << "r = " << c.r;
    }
    // A logarithmic x axis still measures the radius on the linear span.
    GraphFrame log_frame = pixel_frame(64, 328, 400, 304, 1, 9, 0, 8);
    log_frame.x_scale = scale_log;
    Canvas expected(632, 453);
    draw_circle(map_x(log_frame, 3.0), 176, 50, 3, 0, 0);
    Picture circle = expected.picture();
    Canvas actual(632, 453);
    value_circle(log_frame, 3.0, 4.0, 1.0, 3);
    EXPECT_EQ(actual.picture(), circle);
}

TEST_F(ShapeTest, ValueDiscIsTheCircleFilledFromItsCentre) {
    GraphFrame f = pixel_frame(0, 20, 20, 20, 0, 20, 0, 20);
    Canvas canvas(21, 21);
    value_disc(f, 10.0, 10.0, 5.0, 12);
    // The disc spans the circle's box 5..15 and is filled on its middle row and column.
    for (int i = 5; i <= 15; ++i) {
        EXPECT_EQ(canvas.colour_at(i, 10), 12) << i;
        EXPECT_EQ(canvas.colour_at(10, i), 12) << i;
    }
    EXPECT_EQ(canvas.colour_at(4, 10), 7);
    EXPECT_EQ(canvas.colour_at(16, 10), 7);
    EXPECT_EQ(canvas.colour_at(5, 5), 7) << "the corners of the box stay outside";
}

TEST_F(ShapeTest, DottedCircleSetsOneDotPerStepBelow360Degrees) {
    struct Case {
        double step;
        int dots;
    };
    const Case cases[] = {{30.0, 12}, {7.0, 52}, {90.0, 4}, {360.0, 1}, {400.0, 1}};
    for (const Case& c : cases) {
        Canvas canvas(300, 300);
        GraphFrame f = pixel_frame(0, 299, 299, 299, 0, 299, 0, 299);
        dotted_circle(f, 150.0, 150.0, 120.0, c.step, 1);
        EXPECT_EQ(canvas.count_of(1), c.dots) << "step " << c.step;
    }
    // The first dot is at 0 degrees, to the right; slot 7's pen stands on the last dot.
    Canvas canvas(300, 300);
    GraphFrame f = pixel_frame(0, 299, 299, 299, 0, 299, 0, 299);
    dotted_circle(f, 150.0, 150.0, 120.0, 90.0, 1);
    EXPECT_EQ(canvas.colour_at(270, 149), 1);  // 0 degrees
    EXPECT_EQ(canvas.colour_at(150, 29), 1);   // 90 degrees: up, rows grow downward
    EXPECT_EQ(canvas.colour_at(30, 149), 1);   // 180 degrees
    EXPECT_EQ(canvas.colour_at(150, 269), 1);  // 270 degrees
    EXPECT_EQ(f.pen_x[7], 150);
    EXPECT_EQ(f.pen_y[7], 269);
}

TEST_F(ShapeTest, DottedCircleWithoutAUsableStepEndsInBoundedTime) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double step : {0.0, -30.0, nan}) {
        Canvas canvas(50, 50);
        GraphFrame f = pixel_frame(0, 49, 49, 49, 0, 49, 0, 49);
        dotted_circle(f, 25.0, 25.0, 10.0, step, 1);
        EXPECT_EQ(canvas.count_of(1), 0);
    }
    // A step far below the finest one is taken as the finest: 360 / 0.01 dots.
    Canvas canvas(50, 50);
    GraphFrame f = pixel_frame(0, 49, 49, 49, 0, 49, 0, 49);
    gdi::Recorder recorder;
    gdi::set_recorder(&recorder);
    dotted_circle(f, 25.0, 25.0, 10.0, 1e-300, 1);
    gdi::set_recorder(nullptr);
    int pixels = 0;
    for (const gdi::Call& call : recorder.calls) pixels += call.op == "set_pixel";
    EXPECT_EQ(pixels, 36000);
}

TEST_F(ShapeTest, LevelArrowPointsAtTheRowFromOutsideTheLeftEdge) {
    Canvas canvas(20, 13);
    GraphFrame f = pixel_frame(15, 12, 4, 12, 0, 4, 0, 12);
    level_arrow(f, 6.0, 0);
    Picture expected = {
        "77777777777777777777", "77777770000777777777", "77777777777077777777",
        "77777777777707777777", "77777777777770777777", "77777777777777077777",
        "70000000000000007777", "77777777777777077777", "77777777777770777777",
        "77777777777707777777", "77777777777077777777", "77777770000777777777",
        "77777777777777777777",
    };
    EXPECT_EQ(canvas.picture(), expected) << side_by_side(expected, canvas.picture());
}

TEST_F(ShapeTest, LevelArrowUsesTheLinearRowRoundedAfterTheSubtraction) {
    // height * f = 2.5: the arrow points at bottom - 2, where map_y gives bottom - 3.
    Canvas canvas(20, 13);
    GraphFrame f = pixel_frame(15, 10, 4, 4, 0, 4, 0, 4);
    level_arrow(f, 2.5, 0);
    EXPECT_EQ(canvas.colour_at(1, 8), 0);
    EXPECT_EQ(canvas.colour_at(1, 7), 7);
}

TEST_F(ShapeTest, ValueLineAndTheClippedLineOnMainGraph) {
    Canvas canvas(12, 12);
    main_graph = pixel_frame(2, 9, 6, 6, 0, 6, 0, 6);  // clip: columns 2..7, rows 3..8
    main_clipped_line(-2.0, 3.0, 9.0, 3.0, 5);
    Picture expected = {
        "777777777777", "777777777777", "777777777777", "777777777777",
        "777777777777", "777777777777", "775555557777", "777777777777",
        "777777777777", "777777777777", "777777777777", "777777777777",
    };
    EXPECT_EQ(canvas.picture(), expected) << side_by_side(expected, canvas.picture());
    // The clip is the whole window again.
    value_line(main_graph, -2.0, 7.0, 9.0, 7.0, 5);
    EXPECT_EQ(canvas.picture()[2], "555555555555");
}

TEST_F(ShapeTest, MarkCircleTakesTheFramePenAsThePlatformValues) {
    Canvas canvas(20, 20);
    GraphFrame f = pixel_frame(0, 19, 19, 19, 0, 19, 0, 19);
    f.line_dash = 1;
    f.line_width = 1;
    gdi::Recorder recorder;
    gdi::set_recorder(&recorder);
    mark_circle(f, 9.0, 9.0, 5, 2);
    mark_circle(f, 9.0, 9.0, -5, 2);
    gdi::set_recorder(nullptr);
    std::vector<std::vector<long long>> pens;
    for (const gdi::Call& call : recorder.calls) {
        if (call.op == "create_pen") pens.push_back(call.args);
    }
    ASSERT_EQ(pens.size(), 2u);
    EXPECT_EQ(pens[0][0], 1);  // PS_DASH
    EXPECT_EQ(pens[0][1], 1);
    Canvas expected(20, 20);
    draw_circle(9, 10, 5, 2, 1, 1);
    draw_circle(9, 10, 0, 2, 1, 1);
    EXPECT_EQ(canvas.picture(), expected.picture());
}

}  // namespace
