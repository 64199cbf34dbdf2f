// Lunkaro5's model switch: mode 1 is the current-feedback line, mode 2 the fixed-bias line.
#include <gtest/gtest.h>

#include "bias/models.h"
#include "plot/sweep_globals.h"

namespace {

class ModelSwitch : public ::testing::Test {
protected:
    void SetUp() override {
        sweep_x = 0.6;
        sweep_y = 0.0;
        model_mode = mode_junction;
        temperature_c = 20.0;
        gain_factor = 1.0;
        hfe = 100.0;
        supply_fixed = 1.6;
        base_resistor_fixed = 50000.0;
        supply_feedback = 1.6;
        base_resistor_feedback = 6720.0;
        emitter_resistor = 430.0;
    }
};

// At 0.6 V and 20 degC the three models give three different currents, so each row shows
// which model ran.
TEST_F(ModelSwitch, EvaluateModelSelectsByModeAndStoresTheResult) {
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
    const double previous = -7.5;
    const Case cases[] = {
        {mode_junction, junction},
        {mode_bias_line, feedback},
        {mode_other_bias_line, fixed},
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

// The feedback line that mode 1 draws in Lunkaro5: 1.0 / (67.2 + 430) A at 0.6 V.
TEST_F(ModelSwitch, ModeOneDrawsTheFeedbackLineOfTheRun) {
    model_mode = mode_bias_line;
    EXPECT_NEAR(evaluate_model(), 1.0 / (67.2 + 430.0), 1e-15);
}

}  // namespace
