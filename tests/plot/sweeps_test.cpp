// The curve sweeps: stepping, end test, decimation, first_value, the forward-and-back and
// geometric sweeps, the plot entry's dispatch, and the limits of bad input.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

#include "diag/console.h"
#include "platform/recorder.h"
#include "plot/legend.h"
#include "plot/mapping.h"
#include "plot/plot_entry.h"
#include "plot/sweep_rules.h"
#include "tests/plot/plot_fixture.h"
#include "tests/support/canvas.h"

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// The abscissae the callback saw, and what it returns: value_of(sweep_x).
std::vector<double> seen_x;
double (*value_of)(double) = nullptr;

double recording_callback() {
    seen_x.push_back(sweep_x);
    return value_of != nullptr ? value_of(sweep_x) : 0.0;
}

class SweepTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_plot_globals();
        seen_x.clear();
        value_of = [](double x) { return 2.0 * x; };
        // The bias run's panel: 400 columns over 0.4..0.8.
        main_graph = pixel_frame(64, 328, 400, 304, 0.4, 0.8, 0.0, 2.0);
        settings.sweep_from = 0.4;
        settings.sweep_to = 0.8;
        settings.sample_count = 250;
        curve_count = 1;  // the frame counts as drawn: plot_curve does not set it up
    }

    // The number of segments drawn (one polyline per routed or connected sample).
    int segments_while(void (*run)(AnalysisSettings&), AnalysisSettings& s) {
        gdi::Recorder recorder;
        gdi::set_recorder(&recorder);
        run(s);
        gdi::set_recorder(nullptr);
        int n = 0;
        for (const gdi::Call& call : recorder.calls) n += call.op == "polyline";
        return n;
    }

    Canvas canvas{632, 453};
    AnalysisSettings settings{};
};

TEST_F(SweepTest, BiasSweepTakes250SamplesEndingAt07984) {
    int segments = segments_while(
        [](AnalysisSettings& s) { sweep_linear(1, recording_callback, s, 2); }, settings);
    ASSERT_EQ(seen_x.size(), 250u);
    EXPECT_EQ(seen_x.front(), 0.4);
    EXPECT_NEAR(seen_x.back(), 0.7984, 1e-12);
    EXPECT_LT(seen_x.back(), 0.8);
    // Each abscissa is the previous one plus the step, never recomputed from the index.
    for (std::size_t i = 1; i < seen_x.size(); ++i) {
        ASSERT_EQ(seen_x[i], seen_x[i - 1] + (0.8 - 0.4) / 250) << i;
    }
    EXPECT_EQ(settings.first_value, 0.8);  // the value at 0.4
    EXPECT_EQ(sweep_step, (0.8 - 0.4) / 250);
    EXPECT_GT(sweep_x, 0.8);  // the first abscissa beyond the end
    EXPECT_EQ(sweep_y, 2.0 * seen_x.back());
    EXPECT_EQ(segments, 250) << "every sample is routed with a 400-column panel";
}

TEST_F(SweepTest, AnEndReachedExactlyIsIncluded) {
    settings.sweep_from = 0.0;
    settings.sweep_to = 1.0;
    settings.sample_count = 4;
    sweep_linear(1, recording_callback, settings, 2);
    EXPECT_EQ(seen_x, (std::vector<double>{0.0, 0.25, 0.5, 0.75, 1.0}));
}

TEST_F(SweepTest, DecimationDrawsOneSampleInDWhenSamplesOutnumberColumns) {
    struct Case {
        const char* name;
        int sample_count;
        int panel_width;
        int calls;
        int segments;
    };
    // 0..1000 in whole steps: the index of each sample is its abscissa.
    const Case cases[] = {
        {"1000 samples over 400 columns: d = 2", 1000, 400, 1001, 501},
        {"1000 samples over 300 columns: d = 3", 1000, 300, 1001, 334},
        {"fewer samples than columns: d = 1", 250, 400, 251, 251},
        {"a panel never laid out: d = 1", 1000, 0, 1001, 1001},
        {"a negative width: d = 1", 1000, -400, 1001, 1001},
    };
    for (const Case& c : cases) {
        seen_x.clear();
        main_graph = pixel_frame(64, 328, c.panel_width, 304, 0, 1000, 0, 2000);
        settings.sweep_from = 0.0;
        settings.sweep_to = 1000.0;
        settings.sample_count = c.sample_count;
        settings.plot_style = 0;
        int segments = segments_while(
            [](AnalysisSettings& s) { sweep_linear(1, recording_callback, s, 2); }, settings);
        EXPECT_EQ(static_cast<int>(seen_x.size()), c.calls) << c.name;
        EXPECT_EQ(segments, c.segments) << c.name;
    }
}

TEST_F(SweepTest, TwoPanelKindsDecimateByThePanelTheyDrawIn) {
    main_graph.width = 0;
    upper_graph.width = 448;
    EXPECT_EQ(decimation(1000, decimation_width(97)), 2);
    EXPECT_EQ(decimation(1000, decimation_width(1)), 1);
    EXPECT_EQ(decimation(1000, decimation_width(139)), 1);
}

TEST_F(SweepTest, ThereAndBackDrawsForwardInSlot0AndBackwardInSlot1) {
    settings.sweep_from = 0.0;
    settings.sweep_to = 1.0;
    settings.sample_count = 4;
    main_graph = pixel_frame(64, 328, 400, 304, 0, 1, 0, 2);
    value_of = [](double x) { return x * x; };
    sweep_there_and_back(3, recording_callback, settings, 2);
    EXPECT_EQ(seen_x, (std::vector<double>{0.0, 0.25, 0.5, 0.75, 1.0, 1.0, 0.75, 0.5, 0.25, 0.0}));
    EXPECT_EQ(main_graph.pen_x[0], 464);  // the forward trace ends at 1.0
    EXPECT_EQ(main_graph.pen_y[0], 176);
    EXPECT_EQ(main_graph.pen_x[1], 64);  // the backward trace ends at 0.0
    EXPECT_EQ(main_graph.pen_y[1], 328);
    EXPECT_EQ(settings.first_value, 0.0) << "not touched";

    seen_x.clear();
    sweep_there_and_back(4, recording_callback, settings, 2);
    EXPECT_EQ(seen_x, (std::vector<double>{0.0, 0.25, 0.5, 0.75, 1.0}));
}

TEST_F(SweepTest, LogSweepMultipliesByTheRatioAndIncludesTheEnd) {
    settings.sweep_from = 1.0;
    settings.sweep_to = 1000.0;
    settings.sample_count = 3;
    main_graph = pixel_frame(64, 328, 448, 304, 1, 1000, 1, 1000);
    main_graph.x_scale = main_graph.y_scale = scale_log;
    value_of = [](double x) { return x; };
    for (int kind : {6, 7, 9}) {
        seen_x.clear();
        sweep_log(kind, recording_callback, settings, 2);
        EXPECT_EQ(seen_x, (std::vector<double>{1.0, 10.0, 100.0, 1000.0})) << kind;
        // The value is mapped as it stands: 1000 at the top of the log y axis (its logarithm,
        // 3, would stand near the bottom).
        EXPECT_EQ(main_graph.pen_x[0], 512) << kind;
        EXPECT_EQ(main_graph.pen_y[0], 24) << kind;
    }
    EXPECT_EQ(settings.first_value, 0.0);
}

TEST_F(SweepTest, PlotEntryDispatchesByKindCaptionsAndCounts) {
    settings.sweep_from = 1.0;
    settings.sweep_to = 1000.0;
    settings.sample_count = 3;
    const std::vector<double> linear = {1.0, 334.0, 667.0, 1000.0};
    const std::vector<double> there_and_back = {1.0,    334.0, 667.0, 1000.0,
                                                1000.0, 667.0, 334.0, 1.0};
    const std::vector<double> geometric = {1.0, 10.0, 100.0, 1000.0};
    struct Case {
        int kind;
        const std::vector<double>* xs;
        bool traces;  // sweep_traces hands the range over into time_count
    };
    const Case cases[] = {
        {1, &linear, false},    {3, &there_and_back, false}, {4, &linear, false},
        {6, &geometric, false}, {7, &geometric, false},      {9, &geometric, false},
        {8, &linear, false},    {2, &linear, true},          {11, &linear, true},
        {13, &linear, true},    {0, &linear, true},          {-4, &linear, false},
        {200, &linear, false},
    };
    int curves = curve_count;
    for (const Case& c : cases) {
        seen_x.clear();
        settings.time_count = 0;
        plot_curve_with(c.kind, recording_callback, settings, 5, "");
        EXPECT_EQ(seen_x, *c.xs) << "kind " << c.kind;
        EXPECT_EQ(settings.time_count, c.traces ? 3 : 0) << "kind " << c.kind;
        EXPECT_EQ(settings.colour, 5);
        EXPECT_EQ(curve_count, ++curves);
    }
    // Kind 5 steps one stage at a time; sweep_step keeps the computed step.
    seen_x.clear();
    settings.sweep_from = 0.0;
    settings.sweep_to = 3.0;
    settings.sample_count = 6;
    plot_curve_with(5, recording_callback, settings, 5, "");
    EXPECT_EQ(seen_x, (std::vector<double>{0.0, 1.0, 2.0, 3.0}));
    EXPECT_EQ(sweep_step, 0.5);
}

TEST_F(SweepTest, PlotCurveWritesTheSubtitleAfterEveryCurve) {
    std::snprintf(settings.subtitle, sizeof settings.subtitle, "(Lunkaro4)");
    settings.colour = 3;
    gdi::Recorder recorder;
    gdi::set_recorder(&recorder);
    plot_curve(1, recording_callback, settings);
    plot_curve(1, recording_callback, settings);
    gdi::set_recorder(nullptr);
    std::vector<std::vector<long long>> captions;
    for (const gdi::Call& call : recorder.calls) {
        if (call.op == "text_out" && call.text == "(Lunkaro4)") captions.push_back(call.args);
    }
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_EQ(captions[0][0], 374);
    EXPECT_EQ(captions[0][1], 25);
    EXPECT_EQ(curve_count, 3);
}

TEST_F(SweepTest, TheFrameIsDrawnForTheFirstCurveOfARunOnly) {
    std::memset(&main_graph, 0, sizeof main_graph);
    curve_count = 0;
    settings.transfer_y_min = 0.0;
    settings.transfer_y_max = 2.0;
    settings.x_divisions = 8;
    settings.y_divisions = 6;
    std::snprintf(settings.title, sizeof settings.title, "frame title");
    auto titles_while = [this](int curves) {
        gdi::Recorder recorder;
        gdi::set_recorder(&recorder);
        for (int i = 0; i < curves; ++i) plot_curve(1, recording_callback, settings);
        gdi::set_recorder(nullptr);
        int n = 0;
        for (const gdi::Call& call : recorder.calls) n += call.text == "frame title";
        return n;
    };
    EXPECT_EQ(titles_while(3), 1);
    EXPECT_EQ(main_graph.width, 400) << "set up for kind 1";
    EXPECT_EQ(main_graph.x_min, 0.4);
    EXPECT_EQ(curve_count, 3);
    EXPECT_EQ(seen_x.size(), 3 * 250u);
    std::FILE* bell = std::tmpfile();
    std::FILE* saved = console_err;
    console_err = bell;
    end_run();
    console_err = saved;
    std::fclose(bell);
    EXPECT_EQ(titles_while(1), 1) << "the next run draws its frame again";
}

struct BadRange {
    const char* name;
    double from, to;
    int count;
    int calls;
};

TEST_F(SweepTest, BadRangesGiveNoSweepOrABoundedOne) {
    const BadRange cases[] = {
        {"no steps", 0.4, 0.8, 0, 0},
        {"negative steps", 0.4, 0.8, -5, 0},
        {"reversed range", 0.8, 0.4, 250, 0},
        {"NaN start", nan, 0.8, 250, 0},
        {"NaN end", 0.4, nan, 250, 0},
        {"empty range: one sample", 0.4, 0.4, 250, 1},
        {"a step below the abscissa's precision", 1e16, 1e16 + 4, 4, 1},
        {"infinite end", 0.0, inf, 10, 2},
        {"infinite start", -inf, 1.0, 10, 1},
        {"one step", 0.0, 1.0, 1, 2},
    };
    for (const BadRange& c : cases) {
        settings.sweep_from = c.from;
        settings.sweep_to = c.to;
        settings.sample_count = c.count;
        double step_before = sweep_step = -7.0;
        seen_x.clear();
        sweep_linear(1, recording_callback, settings, 2);
        EXPECT_EQ(static_cast<int>(seen_x.size()), c.calls) << "linear: " << c.name;
        if (c.count <= 0) {
            EXPECT_EQ(sweep_step, step_before) << c.name;
        }
        seen_x.clear();
        sweep_there_and_back(4, recording_callback, settings, 2);
        EXPECT_EQ(static_cast<int>(seen_x.size()), c.calls) << "there: " << c.name;
    }
    // The bound: no more than sample_count + 2 samples, even when the callback pulls the
    // abscissa back.
    settings.sweep_from = 0.0;
    settings.sweep_to = 1.0;
    settings.sample_count = 10;
    seen_x.clear();
    value_of = [](double) {
        sweep_x = 0.0;
        return 0.0;
    };
    sweep_linear(1, recording_callback, settings, 2);
    EXPECT_EQ(seen_x.size(), 12u);
    EXPECT_EQ(sample_bound(std::numeric_limits<int>::max()), 2147483649LL);
}

TEST_F(SweepTest, LogSweepNeedsAPositiveStartAndARatioAboveOne) {
    const BadRange cases[] = {
        {"zero start", 0.0, 100.0, 2, 0},
        {"negative start", -1.0, 100.0, 2, 0},
        {"equal bounds: ratio 1", 5.0, 5.0, 2, 0},
        {"reversed", 100.0, 1.0, 2, 0},
        {"negative end", 1.0, -100.0, 2, 0},
        {"no steps", 1.0, 100.0, 0, 0},
        {"NaN end", 1.0, nan, 2, 0},
        {"a ratio that cannot move", 1.0, 1.0 + 1e-15, 1000, 0},
        {"sound", 1.0, 100.0, 2, 3},
    };
    for (const BadRange& c : cases) {
        settings.sweep_from = c.from;
        settings.sweep_to = c.to;
        settings.sample_count = c.count;
        seen_x.clear();
        sweep_log(7, recording_callback, settings, 2);
        EXPECT_EQ(static_cast<int>(seen_x.size()), c.calls) << c.name;
    }
}

TEST_F(SweepTest, CallbackValuesWithoutAPlaceStayInsideThePanel) {
    struct Case {
        const char* name;
        double (*value)(double);
        bool draws;
    };
    const Case cases[] = {
        {"NaN", [](double) { return nan; }, false},
        {"infinity", [](double) { return inf; }, false},
        {"minus infinity", [](double) { return -inf; }, false},
        {"1e308", [](double) { return 1e308; }, false},
        {"alternating", [](double x) { return x < 0.6 ? 1.0 : (x < 0.7 ? 1e308 : nan); }, true},
        {"NaN between values", [](double x) { return x > 0.5 && x < 0.6 ? nan : 1.0; }, true},
    };
    for (const Case& c : cases) {
        Canvas local(632, 453);
        reset_plot_globals();
        main_graph = pixel_frame(64, 328, 400, 304, 0.4, 0.8, 0.0, 2.0);
        curve_count = 1;
        value_of = c.value;
        seen_x.clear();
        plot_curve_with(1, recording_callback, settings, 2, "");
        EXPECT_EQ(seen_x.size(), 250u) << c.name;
        int outside = 0;
        for (const gdi::Point& p : local.pixels_of(2)) {
            outside += p.x < 64 || p.x > 463 || p.y < 24 || p.y > 327;
        }
        EXPECT_EQ(outside, 0) << c.name;
        EXPECT_EQ(local.count_of(2) > 0, c.draws) << c.name;
    }
}

TEST_F(SweepTest, ANaNSampleIsLeftOutAndTheCurveJoinsAcrossIt) {
    settings.sweep_from = 0.0;
    settings.sweep_to = 4.0;
    settings.sample_count = 4;
    main_graph = pixel_frame(10, 20, 4, 4, 0, 4, 0, 4);
    value_of = [](double x) { return x == 2.0 ? nan : 1.0; };
    sweep_linear(1, recording_callback, settings, 2);
    // Row 19 from column 10 to 13 without a gap; column 14 is the right edge, outside the clip.
    for (int x = 10; x <= 13; ++x) EXPECT_EQ(canvas.colour_at(x, 19), 2) << x;
    EXPECT_EQ(canvas.count_of(2), 4);
}

}  // namespace
