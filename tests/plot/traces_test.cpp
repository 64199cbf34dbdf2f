// The multi-trace sweep: colours, write-backs, trace styles, stage strips and the register
// display of the A/D converter.
#include "plot/traces.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/recorder.h"
#include "plot/mapping.h"
#include "tests/plot/plot_fixture.h"
#include "tests/support/canvas.h"

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

int calls = 0;
// Trace m gets the value base_value[m] + sweep_x.
double base_value[trace_capacity];
double register_value = 0.0;

double trace_callback() {
    ++calls;
    for (int m = 0; m < trace_capacity; ++m) trace_value[m] = base_value[m] + sweep_x;
    return sweep_x + 7.0;
}

// Leaves register_value in trace 3 and nothing else.
double register_callback() {
    ++calls;
    trace_value[3] = register_value;
    return 0.0;
}

struct Texts {
    std::vector<std::string> text;
    std::vector<std::vector<long long>> at;
};

Texts texts_of(const gdi::Recorder& recorder) {
    Texts t;
    for (const gdi::Call& call : recorder.calls) {
        if (call.op != "text_out") continue;
        t.text.push_back(call.text);
        t.at.push_back({call.args[0], call.args[1]});
    }
    return t;
}

class TraceTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_plot_globals();
        calls = 0;
        for (double& v : base_value) v = 0.0;
        // Values in pixels: x maps to column 1 + x, y to row 9 - y; the clip is rows 1..8.
        main_graph = pixel_frame(1, 9, 8, 8, 0, 8, 0, 8);
        settings.sweep_from = 0.0;
        settings.sweep_to = 2.0;
        settings.sample_count = 2;
    }

    Canvas canvas{10, 10};
    AnalysisSettings settings{};
};

TEST_F(TraceTest, EachTraceStyleDrawsItsOwnWay) {
    struct Case {
        int style;
        Picture rows5to8;
    };
    // Trace 0 runs through (0, 1), (1, 2), (2, 3); markers are upright crosses of size 1; the
    // value 0 lies on the bottom row, outside the clip.
    const Case cases[] = {
        {0, {"7777777777", "7772777777", "7727777777", "7277777777"}},
        {2, {"7777777777", "7772777777", "7722777777", "7227777777"}},
        {4, {"7777777777", "7772777777", "7722777777", "7222777777"}},
        {5, {"7772777777", "7722277777", "7222777777", "7227777777"}},
        {6, {"7772777777", "7722277777", "7222777777", "7222777777"}},
        {1, {"7777777777", "7777777777", "7777777777", "7777777777"}},
        {3, {"7777777777", "7777777777", "7777777777", "7777777777"}},
        {-1, {"7777777777", "7777777777", "7777777777", "7777777777"}},
    };
    for (const Case& c : cases) {
        Canvas local(10, 10);
        reset_plot_globals();
        main_graph = pixel_frame(1, 9, 8, 8, 0, 8, 0, 8);
        trace_count = 1;
        base_value[0] = 1.0;
        trace_plot_style[0] = c.style;
        trace_marker_shape[0] = 6;
        trace_marker_size[0] = 1;
        // The callback's own value, 0, is first_y: style 5 joins its first sample to (0, 0).
        sweep_traces(
            2,
            [] {
                ++calls;
                trace_value[0] = 1.0 + sweep_x;
                return 0.0;
            },
            settings, 2);
        const Picture all = local.picture();
        Picture rows(all.begin() + 5, all.begin() + 9);
        EXPECT_EQ(rows, c.rows5to8) << "style " << c.style << "\n"
                                    << side_by_side(c.rows5to8, rows);
        EXPECT_EQ(local.count_of(2) > 0, c.style == 0 || c.style == 2 || c.style >= 4) << c.style;
    }
}

TEST_F(TraceTest, ATraceWithoutAColourTakesTheLastColourOfTheSweep) {
    trace_count = 3;
    base_value[0] = 1.0;
    base_value[1] = 3.0;
    base_value[2] = 5.0;
    trace_colour[0] = 9;
    trace_colour[1] = 0;
    trace_colour[2] = 4;
    sweep_traces(2, trace_callback, settings, 2);
    // Trace 1 comes after trace 0's colour 9 at every sample, also after trace 2's colour 4
    // replaced the sweep's colour for the following samples.
    EXPECT_EQ(canvas.colour_at(1, 6), 9);
    EXPECT_EQ(canvas.colour_at(3, 4), 9);
    EXPECT_EQ(canvas.colour_at(3, 2), 4);
    EXPECT_EQ(canvas.count_of(2), 0) << "the colour argument is replaced at the first trace";
}

TEST_F(TraceTest, ZeroScaleAndMarkerSizeAreReplacedAndWrittenBack) {
    trace_count = 2;
    base_value[0] = 1.0;
    base_value[1] = 2.0;
    trace_offset[0] = 2.0;
    trace_scale[1] = 2.5;
    trace_marker_size[1] = 7;
    sweep_traces(2, trace_callback, settings, 2);
    EXPECT_EQ(trace_scale[0], 1.0);
    EXPECT_EQ(trace_marker_size[0], 3);
    EXPECT_EQ(trace_scale[1], 2.5);
    EXPECT_EQ(trace_marker_size[1], 7);
    // The last sample, x = 2: trace 0 at 1 * 3 + 2 = 5, trace 1 at 2.5 * 4 = 10 (off the top).
    EXPECT_EQ(main_graph.pen_x[0], 3);
    EXPECT_EQ(main_graph.pen_y[0], 4);
    EXPECT_EQ(main_graph.pen_x[1], 3);
    EXPECT_EQ(main_graph.pen_y[1], -1);
    EXPECT_EQ(main_graph.marker_size, 7) << "the last trace's pen settings stay in the frame";
}

TEST_F(TraceTest, HandsTheRangeOverAndStoresTheFirstValueWithoutTraces) {
    settings.transfer_y_min = 0.25;
    settings.transfer_y_max = 0.75;
    settings.sweep_from = 1.0;
    settings.sweep_to = 5.0;
    settings.sample_count = 4;
    sweep_traces(2, trace_callback, settings, 2);
    EXPECT_EQ(calls, 5);
    EXPECT_EQ(settings.time_count, 4);
    EXPECT_EQ(settings.time_from, 1.0);
    EXPECT_EQ(settings.time_to, 5.0);
    EXPECT_EQ(settings.time_y_min, 0.25);
    EXPECT_EQ(settings.time_y_max, 0.75);
    EXPECT_EQ(settings.first_value, 8.0);
    EXPECT_EQ(first_y, 8.0);
    EXPECT_EQ(sweep_y, 12.0);
    EXPECT_EQ(sweep_step, 1.0);
    EXPECT_EQ(canvas.count_of(7), 100) << "no traces, nothing drawn";
}

TEST_F(TraceTest, TraceCountsOutsideTheTableAreClamped) {
    for (int m = 0; m < trace_capacity; ++m) base_value[m] = 1.0;
    trace_count = 30;
    sweep_traces(2, trace_callback, settings, 2);
    for (int m = 0; m < trace_capacity; ++m) EXPECT_EQ(main_graph.pen_y[m], 6) << m;
    EXPECT_EQ(main_graph.pen_y[25], 0) << "slot 25 is no trace's";

    reset_plot_globals();
    main_graph = pixel_frame(1, 9, 8, 8, 0, 8, 0, 8);
    Canvas local(10, 10);
    calls = 0;
    trace_count = -3;
    sweep_traces(2, trace_callback, settings, 2);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(local.count_of(7), 100);
}

TEST_F(TraceTest, StageStripsTakeOneTraceEachUnclippedAndDecimateByTheirWidth) {
    main_graph = pixel_frame(64, 328, 100, 304, 0, 800, 0, 1);
    for (int i = 0; i < 2; ++i)
        stage_graphs[i] = pixel_frame(64, 100 + 100 * i, 400, 96, 0, 800, 0, 2);
    trace_count = 2;
    base_value[0] = base_value[1] = 1.0;
    settings.sweep_from = 0.0;
    settings.sweep_to = 800.0;
    settings.sample_count = 800;
    gdi::Recorder recorder;
    gdi::set_recorder(&recorder);
    sweep_traces(
        0,
        [] {
            trace_value[0] = trace_value[1] = 1.0;
            return 0.0;
        },
        settings, 2);
    gdi::set_recorder(nullptr);
    int segments = 0, clips = 0;
    for (const gdi::Call& call : recorder.calls) {
        segments += call.op == "polyline";
        clips += call.op == "select_clip_rgn";
    }
    EXPECT_EQ(segments, 2 * 401) << "every second of 801 samples, for each of two traces";
    EXPECT_EQ(clips, 0);
    EXPECT_EQ(stage_graphs[0].pen_x[0], 464);
    EXPECT_EQ(stage_graphs[0].pen_y[0], 52);
    EXPECT_EQ(stage_graphs[1].pen_x[0], 464);
    EXPECT_EQ(stage_graphs[1].pen_y[0], 152);
    EXPECT_EQ(main_graph.pen_x[1], 0) << "kind 0 does not draw into main_graph";
}

TEST_F(TraceTest, ConverterWritesTheRegisterUnderEveryStepAndItsLegend) {
    main_graph = pixel_frame(64, 328, 400, 304, 0, 8, 1, 5);
    Canvas full(632, 453);
    trace_count = 4;
    trace_colour[3] = 6;
    settings.sweep_from = 0.0;
    settings.sweep_to = 8.0;
    settings.sample_count = 8;
    gdi::Recorder recorder;
    gdi::set_recorder(&recorder);
    // The register holds x: half a y unit per count above y_min.
    sweep_traces(
        5,
        [] {
            trace_value[3] = main_graph.y_min + sweep_x / 2.0;
            return 0.0;
        },
        settings, 2);
    gdi::set_recorder(nullptr);
    Texts t = texts_of(recorder);
    const std::vector<std::string> bits = {"0", "1", "10", "11", "100", "101", "110", "111"};
    const int columns[] = {2, 8, 14, 20, 27, 33, 39, 45};
    ASSERT_EQ(t.text.size(), bits.size() + 2);
    for (std::size_t i = 0; i < bits.size(); ++i) {
        EXPECT_EQ(t.text[i], bits[i]) << i;
        // The cell at row 304 / 16 - 1 = 18: its text 2 pixels into the cell, 8 above the row.
        EXPECT_EQ(t.at[i], (std::vector<long long>{64 + 8 * columns[i] + 2, 24 + 16 * 18 - 8}))
            << i;
    }
    EXPECT_EQ(t.text[8], "レジスタ ");
    EXPECT_EQ(t.at[8], (std::vector<long long>{474, 24 + 16 * 16}));
    EXPECT_EQ(t.text[9], "ビット内容");
    EXPECT_EQ(t.at[9], (std::vector<long long>{478, 24 + 16 * 17}));
    for (int m = 0; m < 4; ++m) EXPECT_EQ(trace_plot_style[m], 2) << m;
    EXPECT_EQ(trace_plot_style[4], 0) << "only the traces in use become staircases";
    EXPECT_EQ(sweep_step, 1.0);
}

TEST_F(TraceTest, RegisterValuesOutsideThreeBitsSaturate) {
    struct Case {
        double value;  // trace 3 above y_min, in y units
        const char* text;
    };
    const Case cases[] = {{0.0, "0"},   {0.4, "0"},    {0.5, "1"},   {3.5, "111"},
                          {3.9, "111"}, {4.0, "111"},  {9.0, "111"}, {1e308, "111"},
                          {-1.0, "0"},  {-1e308, "0"}, {nan, "0"}};
    main_graph = pixel_frame(64, 328, 400, 304, 0, 1, 0, 8);
    settings.sweep_from = 0.0;
    settings.sweep_to = 1.0;
    settings.sample_count = 1;
    for (const Case& c : cases) {
        register_value = c.value;
        legend_count = 0;
        gdi::Recorder recorder;
        gdi::set_recorder(&recorder);
        sweep_traces(5, register_callback, settings, 2);
        gdi::set_recorder(nullptr);
        Texts t = texts_of(recorder);
        ASSERT_EQ(t.text.size(), 3u) << c.value;  // one register text, the legend's two
        EXPECT_EQ(t.text[0], c.text) << c.value;
    }
}

TEST_F(TraceTest, NoStepsNoSweepButTheRangeIsHandedOver) {
    settings.sample_count = 0;
    sweep_traces(5, trace_callback, settings, 2);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(settings.time_count, 0);
    EXPECT_EQ(settings.time_to, 2.0);
    EXPECT_EQ(canvas.count_of(7), 100);
}

}  // namespace
