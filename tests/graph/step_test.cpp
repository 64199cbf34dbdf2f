// The step rules of the linear and degree axes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "graph/axes.h"

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

struct StepCase {
    double min, max;
    double step;
    double new_min, new_max;
};

TEST(NiceStep, StepsAndWidenedRanges) {
    const StepCase cases[] = {
        {0, 7, 1, 0, 7},
        {0, 10, 2, 0, 10},  // divisor 1 gives one step, divisor 2 five
        {0, 3, 0.5, 0, 3},
        {0, 2, 0.5, 0, 2},    // no divisor fits: the divisor-5 step, four steps
        {0.3, 7.7, 1, 0, 8},  // widened outward to whole steps
        {0.4, 0.8, 0.05, 0.4, 0.8},
        {20, 5000, 1000, 0, 5000},
        {-10, -2, 1, -10, -2},
        {-0.3, 0.3, 0.1, -0.30000000000000004, 0.30000000000000004},
        {0.0014, 0.0026, 0.0002, 0.0014, 0.0026000000000000003},
    };
    for (const StepCase& c : cases) {
        double min = c.min, max = c.max;
        EXPECT_EQ(nice_step(min, max), c.step) << c.min << ".." << c.max;
        EXPECT_EQ(min, c.new_min) << c.min << ".." << c.max;
        EXPECT_EQ(max, c.new_max) << c.min << ".." << c.max;
    }
}

// A span that is not a positive finite number has no step and keeps its bounds.
TEST(NiceStep, NoStepForEmptyReversedOrNonFiniteSpans) {
    const double ranges[][2] = {{5, 5},   {5, 1},    {nan, 1},       {0, nan},
                                {0, inf}, {-inf, 0}, {-1e308, 1e308}};
    for (const auto& r : ranges) {
        double min = r[0], max = r[1];
        EXPECT_EQ(nice_step(min, max), 0.0) << r[0] << ".." << r[1];
        EXPECT_TRUE(min == r[0] || (std::isnan(min) && std::isnan(r[0])));
        EXPECT_TRUE(max == r[1] || (std::isnan(max) && std::isnan(r[1])));
    }
}

TEST(DegreeStep, SnapsAndSteps) {
    const StepCase cases[] = {
        {0, 90, 30, 0, 90},
        {-180, 180, 90, -180, 180},
        {45, 100, 30, 0, 180},  // always includes 0
        {-200, -10, 90, -270, 0},
        {-5, 1790, 180, -180, 1800},  // 1890 is too wide for 90: snapped again to 180
        {-1080, 540, 360, -1080, 540},
        {-1000, 1000, 180, -1080, 1080},
        {-90, 0, 30, -90, 0},
        {-90.5, 0.5, 90, -180, 90},
        {0, 0, 30, 0, 0},
        {1e9, 1e9 + 100, 180, 0, 1000000260},
        {-1e9 - 100, -1e9, 180, -1000000260, 0},
        {nan, 10, 30, -90, 90},  // NaN compares false: the loops would stop at once
        {0, inf, 180, 0, inf},
        {-inf, inf, 180, -inf, inf},
    };
    for (const StepCase& c : cases) {
        double min = c.min, max = c.max;
        EXPECT_EQ(degree_step(min, max), c.step) << c.min << ".." << c.max;
        EXPECT_EQ(min, c.new_min) << c.min << ".." << c.max;
        EXPECT_EQ(max, c.new_max) << c.min << ".." << c.max;
    }
}

// The snapping by stepping: lo goes down by q while min is below it, hi up while max is above.
void stepped_snap(double& min, double& max, double q) {
    double lo = 0;
    if (!(min >= 0)) {
        lo = -q;
        while (min < lo) lo -= q;
    }
    double hi = 0;
    if (!(max <= 0)) {
        hi = q;
        while (max > hi) hi += q;
    }
    min = lo;
    max = hi;
}

double stepped_degree_step(double& min, double& max) {
    stepped_snap(min, max, 90);
    double span = max - min;
    if (span <= 180) return 30;
    if (span <= 540) return 90;
    if (span <= 1080) return 180;
    if (span <= 1800) return 360;
    stepped_snap(min, max, 180);
    return 180;
}

// The direct snapping gives what stepping gives, at and around every multiple of 90 and for
// values between them, over the ranges a degree axis graduates.
TEST(DegreeStep, SameBoundsAsStepping) {
    std::vector<double> values;
    for (int k = -24; k <= 24; ++k) {
        double m = 90.0 * k;
        values.push_back(m);
        values.push_back(std::nextafter(m, -inf));
        values.push_back(std::nextafter(m, inf));
        values.push_back(m + 0.1);
        values.push_back(m + 44.9);
        values.push_back(m - 1e-9);
    }
    int compared = 0;
    for (double a : values) {
        for (double b : values) {
            if (b < a) continue;
            double min = a, max = b, ref_min = a, ref_max = b;
            double step = degree_step(min, max);
            double ref_step = stepped_degree_step(ref_min, ref_max);
            ASSERT_EQ(step, ref_step) << a << ".." << b;
            ASSERT_EQ(min, ref_min) << a << ".." << b;
            ASSERT_EQ(max, ref_max) << a << ".." << b;
            ++compared;
        }
    }
    EXPECT_GT(compared, 40000);
}

}  // namespace
