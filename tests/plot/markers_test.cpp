// The ten marker shapes as exact pixels, and the pen state a marker leaves behind.
#include <climits>
#include <cmath>

#include "draw/primitives.h"
#include "platform/recorder.h"
#include "plot/mapping.h"
#include "plot/routing.h"
#include "tests/plot/plot_fixture.h"
#include "tests/support/canvas.h"

namespace {

class MarkerTest : public ::testing::Test {
protected:
    void SetUp() override { reset_plot_globals(); }

    // Values are pixels: (3, 3) maps to column 3, row 3, the middle of the 7 x 7 canvas.
    GraphFrame frame = pixel_frame(0, 6, 6, 6, 0, 6, 0, 6);
};

struct ShapeCase {
    int shape;
    Picture picture;  // marker_size 2 at the middle, colour 2
};

const ShapeCase line_shapes[] = {
    {1, {"7777777", "7277727", "7727277", "7772777", "7727277", "7277727", "7777777"}},
    {2, {"7777777", "7222227", "7277277", "7727277", "7722777", "7772777", "7777777"}},
    {3, {"7777777", "7222227", "7277727", "7277727", "7277727", "7222227", "7777777"}},
    {4, {"7777777", "7277727", "7727277", "7222227", "7727277", "7277727", "7777777"}},
    {5, {"7777777", "7272727", "7722277", "7222227", "7722277", "7272727", "7777777"}},
    {6, {"7777777", "7772777", "7772777", "7222227", "7772777", "7772777", "7777777"}},
    {7, {"7777777", "7222227", "7222227", "7222227", "7222227", "7222227", "7777777"}},
    {9, {"7777777", "7222227", "7222277", "7722277", "7722777", "7772777", "7777777"}},
};

TEST_F(MarkerTest, LineShapesAreExactPixelSetsAndFilledShapesAreFilled) {
    for (const ShapeCase& c : line_shapes) {
        Canvas canvas(7, 7);
        GraphFrame f = frame;
        f.marker_shape = c.shape;
        f.marker_size = 2;
        f.line_dash = 3;
        f.line_width = 1;
        draw_marker(f, 3.0, 3.0, 2);
        EXPECT_EQ(canvas.picture(), c.picture) << "shape " << c.shape << "\n"
                                               << side_by_side(c.picture, canvas.picture());
        EXPECT_EQ(f.line_dash, 0) << "shape " << c.shape;
        EXPECT_EQ(f.line_width, 0) << "shape " << c.shape;
    }
}

TEST_F(MarkerTest, CirclesAreExactPixelSetsAndTheFilledOneIsSolid) {
    // The circle in the box 1..5, with the frame's solid one-pixel pen.
    const ShapeCase circles[] = {
        {0, {"7777777", "7722277", "7277727", "7277727", "7277727", "7722277", "7777777"}},
        {8, {"7777777", "7722277", "7222227", "7222227", "7222227", "7722277", "7777777"}},
    };
    for (const ShapeCase& c : circles) {
        Canvas canvas(7, 7);
        GraphFrame f = frame;
        f.marker_shape = c.shape;
        f.marker_size = 2;
        draw_marker(f, 3.0, 3.0, 2);
        EXPECT_EQ(canvas.picture(), c.picture) << "shape " << c.shape << "\n"
                                               << side_by_side(c.picture, canvas.picture());
    }
}

TEST_F(MarkerTest, UnknownShapesDrawNothingAndStillResetThePen) {
    for (int shape : {-1, 10, 99, INT_MIN}) {
        Canvas canvas(7, 7);
        GraphFrame f = frame;
        f.marker_shape = shape;
        f.marker_size = 2;
        f.line_dash = 2;
        f.line_width = 1;
        draw_marker(f, 3.0, 3.0, 2);
        EXPECT_EQ(canvas.count_of(7), 49) << shape;
        EXPECT_EQ(f.line_dash, 0);
        EXPECT_EQ(f.line_width, 0);
    }
}

TEST_F(MarkerTest, CircleTakesTheFramePenUnmappedBeforeTheReset) {
    struct Case {
        int line_dash, line_width;
        long long style, width;  // of the pen the circle is drawn with
    };
    // The circle passes the frame's codes as the platform's values: 1 is PS_DASH here, where
    // a curve line takes 1 as dotted. Values the platform does not know draw solid, one pixel.
    const Case cases[] = {{0, 0, 0, 0}, {1, 0, 1, 0}, {2, 1, 2, 1},
                          {3, 0, 3, 0}, {7, 0, 0, 0}, {-1, 9, 0, 0}};
    for (const Case& c : cases) {
        Canvas canvas(7, 7);
        GraphFrame f = frame;
        f.marker_shape = 8;
        f.marker_size = 2;
        f.line_dash = c.line_dash;
        f.line_width = c.line_width;
        gdi::Recorder recorder;
        gdi::set_recorder(&recorder);
        draw_marker(f, 3.0, 3.0, 2);
        gdi::set_recorder(nullptr);
        int pens = 0;
        for (const gdi::Call& call : recorder.calls) {
            if (call.op != "create_pen") continue;
            ++pens;
            EXPECT_EQ(call.args[0], c.style) << c.line_dash;
            EXPECT_EQ(call.args[1], c.width) << c.line_width;
        }
        EXPECT_EQ(pens, 1);
        EXPECT_EQ(canvas.colour_at(3, 3), 2) << "filled from the centre";
    }
}

TEST_F(MarkerTest, MarkerSizesBeyondTheLimitsAreClampedWithoutOverflow) {
    Canvas canvas(7, 7);
    GraphFrame f = frame;
    f.marker_shape = 3;
    f.marker_size = INT_MAX;
    draw_marker(f, 3.0, 3.0, 2);  // a square far outside the surface
    EXPECT_EQ(canvas.count_of(2), 0);
    f.marker_size = -5;  // a negative size is a one-pixel marker
    f.marker_shape = 5;
    draw_marker(f, 3.0, 3.0, 2);
    EXPECT_EQ(canvas.count_of(2), 1);
    EXPECT_EQ(canvas.colour_at(3, 3), 2);
    // A marker at a huge value lies outside the surface, with no wrap-around.
    f.marker_size = marker_size_limit;
    f.marker_shape = 1;
    draw_marker(f, 1e308, -1e308, 4);
    EXPECT_EQ(canvas.count_of(4), 0);
}

TEST_F(MarkerTest, MarkCrossIsTheDiagonalCrossMarker) {
    Canvas marker(7, 7);
    GraphFrame f = frame;
    f.marker_shape = 1;
    f.marker_size = 2;
    draw_marker(f, 3.0, 3.0, 2);
    Canvas cross(7, 7);
    mark_cross(f, 3.0, 3.0, 2, 2);
    EXPECT_EQ(cross.picture(), marker.picture());
}

}  // namespace
