// The auxiliary sweeps: the overlay, the range finder and the older plot entry that sweeps a
// caller's own variable.
#include <cmath>
#include <limits>
#include <vector>

#include "platform/recorder.h"
#include "plot/mapping.h"
#include "plot/traces.h"
#include "tests/plot/plot_fixture.h"
#include "tests/support/canvas.h"

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

std::vector<double> seen;
double variable = 0.0;
int variable_kind = 0;
double (*value_at)(double) = nullptr;

double sweep_x_callback() {
    seen.push_back(sweep_x);
    return value_at(sweep_x);
}

double variable_callback() {
    seen.push_back(variable);
    return value_at(variable);
}

class AuxSweepTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_plot_globals();
        seen.clear();
        variable = -1.0;
        value_at = [](double x) { return x; };
        main_graph = pixel_frame(10, 50, 40, 40, 0, 4, 0, 8);
        settings.sweep_from = 0.0;
        settings.sweep_to = 4.0;
        settings.sample_count = 4;
        curve_count = 1;
    }

    int text_calls_while(void (*run)(AnalysisSettings&)) {
        gdi::Recorder recorder;
        gdi::set_recorder(&recorder);
        run(settings);
        gdi::set_recorder(nullptr);
        int n = 0;
        for (const gdi::Call& call : recorder.calls) n += call.op == "text_out";
        return n;
    }

    Canvas canvas{60, 60};
    AnalysisSettings settings{};
};

TEST_F(AuxSweepTest, OverlayIsASecondCurveOfATimeWaveformWithItsOffset) {
    settings.time_from = 0.0;  // the time waveform's start, where routed kind-38 curves begin
    settings.overlay_offset = 1.0;
    sweep_y = -3.0;
    sweep_overlay(sweep_x_callback, settings, 2);
    EXPECT_EQ(seen, (std::vector<double>{0.0, 1.0, 2.0, 3.0, 4.0}));
    EXPECT_EQ(settings.first_value, 1.0) << "the first value with its offset";
    EXPECT_EQ(sweep_y, -3.0) << "the overlay's values are not stored there";
    EXPECT_EQ(sweep_step, 1.0);
    // Slot 1 ends at (4, 5); slot 0 was not used.
    EXPECT_EQ(main_graph.pen_x[1], 50);
    EXPECT_EQ(main_graph.pen_y[1], 25);
    EXPECT_EQ(main_graph.pen_x[0], 0);
    EXPECT_EQ(canvas.colour_at(10, 45), 2) << "the curve begins at (0, 1)";

    seen.clear();
    settings.sample_count = 0;
    sweep_overlay(sweep_x_callback, settings, 2);
    EXPECT_TRUE(seen.empty());
}

TEST_F(AuxSweepTest, RangeFinderStoresTheSmallestAndLargestComparableValues) {
    struct Case {
        const char* name;
        double (*value)(double);
        double min, max;
    };
    const Case cases[] = {
        {"rising", [](double x) { return 2.0 * x - 1.0; }, -1.0, 7.0},
        {"a peak in the middle", [](double x) { return -(x - 2.0) * (x - 2.0); }, -4.0, 0.0},
        {"NaN first is left out", [](double x) { return x == 0.0 ? nan : x; }, 1.0, 4.0},
        {"NaN inside is left out", [](double x) { return x == 2.0 ? nan : x; }, 0.0, 4.0},
        {"nothing comparable keeps the range", [](double) { return nan; }, 100.0, 200.0},
    };
    for (const Case& c : cases) {
        seen.clear();
        settings.time_y_min = 100.0;
        settings.time_y_max = 200.0;
        value_at = c.value;
        find_value_range(sweep_x_callback, settings);
        EXPECT_EQ(settings.time_y_min, c.min) << c.name;
        EXPECT_EQ(settings.time_y_max, c.max) << c.name;
        EXPECT_EQ(seen, (std::vector<double>{0.0, 1.0, 2.0, 3.0, 4.0})) << "published: " << c.name;
    }
    EXPECT_EQ(canvas.count_of(7), 3600) << "draws nothing";

    settings.sample_count = -1;
    settings.time_y_min = 5.0;
    seen.clear();
    find_value_range(sweep_x_callback, settings);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(settings.time_y_min, 5.0);
}

TEST_F(AuxSweepTest, SweepVariableRunsTheTimeRangeForTimeKinds) {
    settings.time_from = 1.0;
    settings.time_to = 3.0;
    settings.time_count = 4;
    for (int kind : {17, 38, 41}) {
        seen.clear();
        curve_count = 1;
        variable_kind = kind;
        int texts = text_calls_while([](AnalysisSettings& s) {
            plot_sweep_variable(variable_kind, &variable, variable_callback, s, 2, "");
        });
        EXPECT_EQ(seen, (std::vector<double>{1.0, 1.5, 2.0, 2.5, 3.0})) << kind;
        EXPECT_EQ(settings.first_value, 3.0) << "the value of the last sample";
        EXPECT_EQ(main_graph.pen_x[1], 40);
        EXPECT_EQ(main_graph.pen_y[1], 35);
        EXPECT_EQ(curve_count, 2);
        EXPECT_EQ(texts, 0) << "no caption";
    }
}

TEST_F(AuxSweepTest, SweepVariableRunsTheSweepRangeGeometricallyForKinds6And9) {
    main_graph = pixel_frame(10, 50, 40, 40, 1, 100, 1, 100);
    main_graph.x_scale = main_graph.y_scale = scale_log;
    settings.sweep_from = 1.0;
    settings.sweep_to = 100.0;
    settings.sample_count = 2;
    for (int kind : {6, 9}) {
        seen.clear();
        main_graph.pen_x[1] = main_graph.pen_y[1] = 0;
        plot_sweep_variable(kind, &variable, variable_callback, settings, 2, "");
        EXPECT_EQ(seen, (std::vector<double>{1.0, 10.0, 100.0})) << kind;
        EXPECT_EQ(variable, 1000.0);
        // 100 at the top of the log y axis: the value is mapped as it stands.
        EXPECT_EQ(main_graph.pen_x[1], 50) << kind;
        EXPECT_EQ(main_graph.pen_y[1], 10) << kind;
    }
}

TEST_F(AuxSweepTest, SweepVariableSweepsNothingForOtherKindsOrWithoutAVariable) {
    settings.time_count = 4;
    settings.time_to = 4.0;
    for (int kind : {1, 5, 7, 42, 97, -1}) {
        plot_sweep_variable(kind, &variable, variable_callback, settings, 2, "");
    }
    plot_sweep_variable(38, nullptr, variable_callback, settings, 2, "");
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(variable, -1.0);
    EXPECT_EQ(curve_count, 1 + 7) << "each call still counts its curve";

    settings.time_count = 0;
    plot_sweep_variable(38, &variable, variable_callback, settings, 2, "");
    EXPECT_TRUE(seen.empty());
}

}  // namespace
