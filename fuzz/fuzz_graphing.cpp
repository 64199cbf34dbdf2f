// Fuzzes the graphing layer as a further run would use it: an input becomes a settings record
// (every number, special values included; every count; every text field filled up to and past
// its terminator), a graph kind from -5..145, the trace table, the stage count and a callback
// whose values come from the input; then it runs what a run does on an in-memory window.
#include <fcntl.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "bias/analysis_settings.h"
#include "draw/paint_context.h"
#include "draw/palette.h"
#include "graph/catalogue.h"
#include "graph/graph_frame.h"
#include "platform/gdi.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "plot/legend.h"
#include "plot/plot_entry.h"
#include "plot/sweep_globals.h"
#include "plot/traces.h"

namespace {

constexpr int client_width = 632;
constexpr int client_height = 453;

// Sample counts are held to this size so that one input stays well under a second; the sweeps
// themselves take any count.
constexpr int max_fuzz_count = 20000;

double pick_double(FuzzedDataProvider& input) {
    static const double specials[] = {
        0.0,
        -0.0,
        1.0,
        -1.0,
        std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        1e308,
        -1e308,
        1e-308,
        std::numeric_limits<double>::denorm_min(),
        1e12,
        -1e12,
        0.4,
        0.8,
        1e15,
        1e9,
    };
    switch (input.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            return specials[input.ConsumeIntegralInRange<size_t>(0, std::size(specials) - 1)];
        case 1:
            return input.ConsumeFloatingPointInRange<double>(-10.0, 10.0);
        case 2:
            return input.ConsumeFloatingPoint<double>();
        default: {
            double raw;
            uint64_t bits = input.ConsumeIntegral<uint64_t>();
            std::memcpy(&raw, &bits, sizeof raw);
            return raw;
        }
    }
}

int pick_int(FuzzedDataProvider& input, int low, int high) {
    if (input.ConsumeBool()) return input.ConsumeIntegral<int>();
    return input.ConsumeIntegralInRange<int>(low, high);
}

int pick_count(FuzzedDataProvider& input) {
    return input.ConsumeIntegralInRange<int>(-3, input.ConsumeBool() ? 300 : max_fuzz_count);
}

// Fills a text field with up to its whole size of bytes: sometimes with no terminator at all.
template <size_t size>
void pick_text(FuzzedDataProvider& input, char (&field)[size]) {
    size_t length = input.ConsumeIntegralInRange<size_t>(0, size);
    std::memset(field, 0, size);
    for (size_t i = 0; i < length; ++i) {
        field[i] = static_cast<char>(input.ConsumeIntegralInRange<int>(1, 255));
    }
}

void pick_settings(FuzzedDataProvider& input, AnalysisSettings& s) {
    for (double* field : {&s.time_from, &s.time_to, &s.freq_from, &s.freq_to, &s.sweep_from,
                          &s.sweep_to, &s.time_x_min, &s.time_x_max, &s.freq_x_min,
                          &s.freq_x_max, &s.time_y_min, &s.time_y_max, &s.magnitude_y_min,
                          &s.magnitude_y_max, &s.phase_y_min, &s.phase_y_max, &s.real_min,
                          &s.real_max, &s.imag_min, &s.imag_max, &s.transfer_x_min,
                          &s.transfer_x_max, &s.transfer_y_min, &s.transfer_y_max,
                          &s.resistance_y_min, &s.resistance_y_max, &s.reactance_y_min,
                          &s.reactance_y_max, &s.delay_y_min, &s.delay_y_max, &s.first_x,
                          &s.first_value, &s.overlay_offset}) {
        *field = pick_double(input);
    }
    for (int i = 0; i < stage_range_count; ++i) {
        s.stage_y_min[i] = pick_double(input);
        s.stage_y_max[i] = pick_double(input);
    }
    s.time_count = pick_count(input);
    s.sample_count = pick_count(input);
    s.x_divisions = pick_int(input, -3, 40);
    s.y_divisions = pick_int(input, -3, 40);
    s.colour = pick_int(input, -2, 17);
    s.stage_count = pick_int(input, -2, 30);
    s.panel = pick_int(input, -1, 4);
    s.plot_style = pick_int(input, -1, 9);
    s.line_dash = pick_int(input, -1, 4);
    s.line_width = pick_int(input, -1, 2);
    s.marker_shape = pick_int(input, -1, 10);
    s.marker_size = pick_int(input, -1, 40);
    pick_text(input, s.x_label);
    pick_text(input, s.y_label);
    pick_text(input, s.title);
    pick_text(input, s.subtitle);
}

void pick_traces(FuzzedDataProvider& input) {
    trace_count = pick_int(input, -2, 27);
    for (int m = 0; m < trace_capacity; ++m) {
        trace_value[m] = pick_double(input);
        trace_scale[m] = pick_double(input);
        trace_offset[m] = pick_double(input);
        trace_colour[m] = pick_int(input, -1, 16);
        trace_marker_size[m] = pick_int(input, -1, 30);
        trace_plot_style[m] = pick_int(input, -1, 7);
        trace_line_dash[m] = pick_int(input, -1, 4);
        trace_line_width[m] = pick_int(input, -1, 2);
        trace_marker_shape[m] = pick_int(input, -1, 10);
    }
}

// The callback's values come from the input, round and round.
std::vector<double> callback_values;
size_t callback_index = 0;

double fuzz_callback() {
    if (callback_values.empty()) return 0.0;
    double value = callback_values[callback_index++ % callback_values.size()];
    trace_value[callback_index % trace_capacity] = value;
    return value;
}

struct Target {
    gdi::Surface surface = gdi::make_surface(client_width, client_height, gdi::rgb(255, 255, 255));
    gdi::Window window{client_width, client_height, nullptr};
    gdi::Dc dc = gdi::make_paint_dc(surface);
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The error reports of graph set-up go to standard output; keep them off the fuzzer's log.
    int null_fd = open("/dev/null", O_WRONLY);
    dup2(null_fd, 1);
    dup2(null_fd, 2);
    close(null_fd);
    init_palette();
    background_colour = palette[colour_white];
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    static Target target;
    std::fill(target.surface.pixels.begin(), target.surface.pixels.end(), background_colour);
    target.dc = gdi::make_paint_dc(target.surface);
    paint_dc = &target.dc;
    main_window = &target.window;

    pick_settings(input, analysis);
    pick_traces(input);
    int kind = input.ConsumeIntegralInRange<int>(-5, 145);
    graph_kind = input.ConsumeBool() ? kind : input.ConsumeIntegralInRange<int>(-5, 145);
    callback_values.clear();
    callback_index = 0;
    size_t value_count = input.ConsumeIntegralInRange<size_t>(0, 64);
    for (size_t i = 0; i < value_count; ++i) callback_values.push_back(pick_double(input));

    // The texts handed to the legend operations are plain terminated texts; the record's own
    // fields may lack their terminator.
    std::string x_label(analysis.x_label, strnlen(analysis.x_label, label_size));
    std::string y_label(analysis.y_label, strnlen(analysis.y_label, label_size));
    std::string title(analysis.title, strnlen(analysis.title, title_size));
    std::string subtitle(analysis.subtitle, strnlen(analysis.subtitle, subtitle_size));

    curve_count = 0;
    legend_count = 0;
    int curves = input.ConsumeIntegralInRange<int>(1, 4);
    for (int c = 0; c < curves; ++c) {
        analysis.colour = pick_int(input, -1, 16);
        plot_curve(kind, fuzz_callback, analysis);
        int row = pick_int(input, -2, 40);
        legend_value_row(kind, pick_int(input, -2, 30), row, x_label.c_str(), y_label.c_str(),
                         pick_double(input), analysis.colour);
        legend_int_row(kind, pick_int(input, -2, 30), row, title.c_str(), subtitle.c_str(),
                       pick_int(input, -10, 10), analysis.colour);
        legend_text_row(kind, row, pick_int(input, -2, 3), subtitle.c_str(), x_label.c_str(),
                        analysis.colour);
        draw_cell_text(pick_int(input, -5, 80), pick_int(input, -5, 40), y_label.c_str(),
                       analysis.colour);
    }
    end_run();

    sweep_overlay(fuzz_callback, analysis, analysis.colour);
    find_value_range(fuzz_callback, analysis);
    double variable = 0.0;
    plot_sweep_variable(kind, &variable, fuzz_callback, analysis, analysis.colour,
                        title.c_str());
    end_run();
    return 0;
}
