// The run counters stop at INT_MAX: a callback may write any value into them, and counting one
// more curve or legend row must not overflow.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>

#include "diag/console.h"
#include "plot/legend.h"
#include "plot/plot_entry.h"
#include "plot/traces.h"
#include "tests/plot/plot_fixture.h"
#include "tests/support/canvas.h"

namespace {

double zero() {
    return 0.0;
}
double sentinel = 0.0;
double sweep_variable_value() {
    return sentinel;
}

class CounterLimits : public ::testing::Test {
protected:
    void SetUp() override { reset_plot_globals(); }
};

TEST_F(CounterLimits, CountingPastIntMaxStaysAtIntMax) {
    Canvas canvas(632, 453);
    analysis.sample_count = 2;
    analysis.sweep_to = 1.0;

    struct Case {
        const char* name;
        int* counter;
        void (*count_one_more)();
    };
    const Case cases[] = {
        {"legend_value_row", &legend_count, [] { legend_value_row(1, 0, 1, "h", "u", 1.0, 1); }},
        {"legend_int_row", &legend_count, [] { legend_int_row(1, 0, 1, "h", "u", 1, 1); }},
        {"legend_text_row", &legend_count, [] { legend_text_row(1, 1, 1, "h", "t", 1); }},
        {"plot_curve", &curve_count, [] { plot_curve(1, zero, analysis); }},
        {"plot_sweep_variable", &curve_count,
         [] { plot_sweep_variable(17, &sentinel, sweep_variable_value, analysis, 1, "t"); }},
    };
    for (const Case& c : cases) {
        *c.counter = INT_MAX - 1;
        c.count_one_more();
        EXPECT_EQ(*c.counter, INT_MAX) << c.name;
        c.count_one_more();
        EXPECT_EQ(*c.counter, INT_MAX) << c.name;
    }
}

}  // namespace
