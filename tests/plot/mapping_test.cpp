// Value-to-pixel mapping: rounding, logarithmic axes, and what lies outside the ordinary.
#include "plot/mapping.h"

#include <cmath>
#include <limits>

#include "tests/plot/plot_fixture.h"

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

struct ColumnCase {
    const char* name;
    int x_scale;
    double x_min, x_max;
    int left, width;
    double x;
    int column;
};

TEST(MapX, RoundsHalfUpOnLinearAndLogarithmicAxes) {
    const ColumnCase cases[] = {
        {"x_min at left", scale_divided, 0, 8, 64, 400, 0.0, 64},
        {"x_max at right edge", scale_divided, 0, 8, 64, 400, 8.0, 464},
        {"middle", scale_divided, 0, 8, 64, 400, 4.0, 264},
        {"log decade middle", scale_log, 1, 100, 64, 400, 10.0, 264},
        {"log x_max", scale_log, 1, 100, 64, 400, 100.0, 464},
        {"exact half rounds up", scale_divided, 0, 4, 10, 4, 2.5, 13},
        {"just below half rounds down", scale_divided, 0, 4, 10, 4, 2.4, 12},
        {"left of the range", scale_divided, 0, 8, 64, 400, -1.0, 14},
        {"other scale codes are linear", scale_complex, 0, 8, 64, 400, 4.0, 264},
        {"bias sweep start", scale_divided, 0.4, 0.8, 64, 400, 0.4, 64},
        {"bias sweep 0.6", scale_divided, 0.4, 0.8, 64, 400, 0.6, 264},
    };
    for (const ColumnCase& c : cases) {
        GraphFrame f = pixel_frame(c.left, 100, c.width, 50, c.x_min, c.x_max, 0, 1);
        f.x_scale = c.x_scale;
        EXPECT_EQ(map_x(f, c.x), c.column) << c.name;
        EXPECT_TRUE(has_position_x(f, c.x)) << c.name;
    }
}

TEST(MapY, HalfRowDiffersBetweenMapYAndMapYLinear) {
    // height * f = 2.5: map_y rounds the offset up (row above), map_y_linear rounds the row.
    GraphFrame f = pixel_frame(0, 100, 10, 4, 0, 10, 0, 4);
    EXPECT_EQ(map_y(f, 2.5), 97);
    EXPECT_EQ(map_y_linear(f, 2.5), 98);
    // Away from the half both agree.
    EXPECT_EQ(map_y(f, 2.4), 98);
    EXPECT_EQ(map_y_linear(f, 2.4), 98);
    EXPECT_EQ(map_y(f, 0.0), 100);
    EXPECT_EQ(map_y(f, 4.0), 96);
    EXPECT_EQ(map_y_linear(f, 4.0), 96);
}

TEST(MapY, LogarithmicRowsAndLinearRowsOfTheSameFrame) {
    GraphFrame f = pixel_frame(0, 328, 400, 300, 0, 1, 1e-6, 1e-3);
    f.y_scale = scale_log;
    EXPECT_EQ(map_y(f, 1e-6), 328);
    EXPECT_EQ(map_y(f, 1e-5), 228);
    EXPECT_EQ(map_y(f, 1e-3), 28);
    // map_y_linear ignores the scale code: 1e-5 is almost at the bottom of 1e-6..1e-3.
    EXPECT_EQ(map_y_linear(f, 1e-5), 325);
}

struct OddCase {
    const char* name;
    int scale;
    double lo, hi;
    double value;
    int column;     // map_x with left 10, width 100
    int row;        // map_y with bottom 200, height 100
    bool position;  // has_position_x / _y
};

TEST(MapXY, ValuesOutsideTheOrdinaryMapToClampedPixels) {
    const OddCase cases[] = {
        {"NaN", scale_divided, 0, 1, nan, -pixel_limit, -pixel_limit, false},
        {"huge", scale_divided, 0, 1, 1e308, pixel_limit, -pixel_limit, true},
        {"minus huge", scale_divided, 0, 1, -1e308, -pixel_limit, pixel_limit, true},
        {"infinity", scale_divided, 0, 1, inf, pixel_limit, -pixel_limit, true},
        {"minus infinity", scale_divided, 0, 1, -inf, -pixel_limit, pixel_limit, true},
        {"just inside the limit", scale_divided, 0, 1, 100000.0, 10000010, -9999800, true},
        {"log of zero lies far below", scale_log, 1, 100, 0.0, -pixel_limit, pixel_limit, true},
        {"log of a negative too", scale_log, 1, 100, -5.0, -pixel_limit, pixel_limit, true},
        {"empty range above", scale_divided, 2, 2, 3.0, pixel_limit, -pixel_limit, true},
        {"empty range below", scale_divided, 2, 2, 1.0, -pixel_limit, pixel_limit, true},
        {"empty range bound", scale_divided, 2, 2, 2.0, -pixel_limit, -pixel_limit, false},
    };
    for (const OddCase& c : cases) {
        GraphFrame f = pixel_frame(10, 200, 100, 100, c.lo, c.hi, c.lo, c.hi);
        f.x_scale = f.y_scale = c.scale;
        EXPECT_EQ(map_x(f, c.value), c.column) << c.name;
        EXPECT_EQ(map_y(f, c.value), c.row) << c.name;
        EXPECT_EQ(has_position_x(f, c.value), c.position) << c.name;
        EXPECT_EQ(has_position_y(f, c.value), c.position) << c.name;
    }
    GraphFrame f = pixel_frame(10, 200, 100, 100, 0, 1, 0, 1);
    EXPECT_EQ(map_y_linear(f, nan), -pixel_limit);
    EXPECT_EQ(map_y_linear(f, 1e308), -pixel_limit);
    EXPECT_EQ(map_y_linear(f, -1e308), pixel_limit);
}

TEST(ClampPixel, NeverLeavesTheLimits) {
    EXPECT_EQ(clamp_pixel(0.0), 0);
    EXPECT_EQ(clamp_pixel(-3.0), -3);
    EXPECT_EQ(clamp_pixel(pixel_limit - 1.0), pixel_limit - 1);
    EXPECT_EQ(clamp_pixel(1e20), pixel_limit);
    EXPECT_EQ(clamp_pixel(-1e20), -pixel_limit);
    EXPECT_EQ(clamp_pixel(nan), -pixel_limit);
}

}  // namespace
