// The junction and bias-line models, and Lunkaro4's model switch.
#include "bias/models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "plot/sweep_globals.h"

namespace {

// A value written to four significant digits, e.g. "7.784e-05".
std::string four_digits(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3e", value);
    return text;
}

class Models : public ::testing::Test {
protected:
    void SetUp() override {
        sweep_x = 0.0;
        sweep_y = 0.0;
        model_mode = mode_junction;
        temperature_c = 0.0;
        gain_factor = 1.0;
        hfe = 100.0;
        supply_fixed = 1.6;
        base_resistor_fixed = 50000.0;
        supply_feedback = 1.6;
        base_resistor_feedback = 6720.0;
        emitter_resistor = 550.0;
    }
};

TEST_F(Models, JunctionCurrentAtKnownPoints) {
    struct Case {
        double temperature;
        double vbe;
        const char* current;
    };
    const Case cases[] = {
        {0.0, 0.6, "7.784e-05"},
        {20.0, 0.6, "5.548e-04"},
        {50.0, 0.6, "6.850e-03"},
        {0.0, 0.4, "1.601e-08"},
    };
    for (const Case& c : cases) {
        temperature_c = c.temperature;
        sweep_x = c.vbe;
        EXPECT_EQ(four_digits(junction_current()), c.current)
            << c.temperature << " degC, " << c.vbe << " V";
    }
}

// The exact order of evaluation of the junction model: the pixels of the curves are drawn from
// these doubles, so a reordered product is a fault even where the value is close.
TEST_F(Models, JunctionCurrentFollowsItsOrderOfEvaluationBitForBit) {
    for (double temperature : {0.0, 10.0, 20.0, 30.0, 40.0, 50.0}) {
        for (double vbe : {0.4, 0.452, 0.6, 0.6288}) {
            temperature_c = temperature;
            sweep_x = vbe;
            const double t = 273.16 + temperature;
            const double vt = 1.38e-23 * t / 1.6e-19;
            const double eg = 1.205 - 0.00023 * t;
            const double ni2 = std::exp(-eg / vt) * (1.5e33 * t * t * t);
            const double is = 0.01 * ((1.6e-19 * ni2) * 1.57e-14);
            const double ie = (std::exp(vbe / (1.0 * vt)) - 1) * is;
            ASSERT_LT(ie, 0.02);
            EXPECT_EQ(junction_current(), ie) << temperature << " degC, " << vbe << " V";
        }
    }
}

// The curve reaches the 0.02 A limit a little above 0.731 V at 0 degC, 20 mV lower per 10 degC;
// just below it the value passes unchanged, from it on the limit is returned exactly.
TEST_F(Models, JunctionCurrentIsLimitedAboveTwentyMilliamperes) {
    struct Case {
        double temperature;
        double reaches_limit;  // volts, to a millivolt
    };
    const Case cases[] = {{0.0, 0.731},  {10.0, 0.711}, {20.0, 0.691},
                          {30.0, 0.670}, {40.0, 0.650}, {50.0, 0.630}};
    for (const Case& c : cases) {
        temperature_c = c.temperature;
        sweep_x = c.reaches_limit - 0.002;
        const double below = junction_current();
        EXPECT_LT(below, 0.02) << c.temperature;
        EXPECT_GT(below, 0.015) << c.temperature;
        sweep_x = c.reaches_limit + 0.002;
        EXPECT_EQ(junction_current(), 0.02) << c.temperature;
        sweep_x = 0.8;
        EXPECT_EQ(junction_current(), 0.02) << c.temperature;
    }
}

TEST_F(Models, JunctionCurrentBelowZeroVoltsIsReturnedUnlimited) {
    sweep_x = -0.1;
    const double reverse = junction_current();
    EXPECT_LT(reverse, 0.0);
    EXPECT_GT(reverse, -1e-12);
}

TEST_F(Models, FixedBiasLine) {
    struct Case {
        double vbe;
        double gain;
        double current;
    };
    // (gain x 100) x (1.6 - Vbe) / 50000
    const Case cases[] = {
        {0.6, 1.0, 0.002},   {1.6, 1.0, 0.0},     {1.7, 1.0, -0.0002},
        {0.6, 1.15, 0.0023}, {0.4, 0.9, 0.00216},
    };
    for (const Case& c : cases) {
        sweep_x = c.vbe;
        gain_factor = c.gain;
        EXPECT_NEAR(fixed_bias_line(), c.current, 1e-15) << c.vbe << " V, gain " << c.gain;
    }
}

TEST_F(Models, FeedbackBiasLine) {
    struct Case {
        double emitter;
        double vbe;
        double gain;
        const char* current;
    };
    // (1.6 - Vbe) / (6720 / (gain x 100) + RE)
    const Case cases[] = {
        {550.0, 0.6, 1.0, "1.6202e-03"},
        {430.0, 0.6, 1.0, "2.0113e-03"},
        {430.0, 1.6, 1.0, "0.0000e+00"},
        {430.0, 0.4, 0.9, "2.3778e-03"},  // 1.2 / (74.667 + 430)
    };
    for (const Case& c : cases) {
        emitter_resistor = c.emitter;
        sweep_x = c.vbe;
        gain_factor = c.gain;
        char text[32];
        std::snprintf(text, sizeof text, "%.4e", feedback_bias_line());
        EXPECT_STREQ(text, c.current) << c.emitter << " ohm, " << c.vbe << " V";
    }
}

// Lunkaro4: mode 1 is the fixed-bias line, mode 2 the feedback line. At 0.6 V and 20 degC the
// three models give three different currents, so each row shows which model ran.
TEST_F(Models, EvaluateModelSelectsByModeAndStoresTheResult) {
    temperature_c = 20.0;
    sweep_x = 0.6;
    const double junction = junction_current();
    const double fixed = fixed_bias_line();
    const double feedback = feedback_bias_line();
    ASSERT_NE(junction, fixed);
    ASSERT_NE(fixed, feedback);
    ASSERT_NE(junction, feedback);

    struct Case {
        int mode;
        double expected;
    };
    const double previous = 123.0;
    const Case cases[] = {
        {mode_junction, junction},
        {mode_bias_line, fixed},
        {mode_other_bias_line, feedback},
        {3, previous},
        {-1, previous},
        {1000, previous},
    };
    for (const Case& c : cases) {
        model_mode = c.mode;
        sweep_y = previous;
        EXPECT_EQ(evaluate_model(), c.expected) << "mode " << c.mode;
        EXPECT_EQ(sweep_y, c.expected) << "mode " << c.mode;
    }
}

}  // namespace
