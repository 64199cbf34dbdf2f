// The multi-trace sweep: one abscissa sweep that plots up to 25 traces per sample from the
// trace table, into main_graph or into the stage strips of kind 0, with the register display
// of the A/D converter kind 5.
#include "plot/traces.h"

#include <cmath>

#include "draw/primitives.h"
#include "graph/graph_frame.h"
#include "plot/legend.h"
#include "plot/mapping.h"
#include "plot/routing.h"
#include "plot/sweep_rules.h"

// The trace table: the caller fills it before the sweep, its callback writes trace_value at
// every sample; sweep_traces writes back the defaults of trace_scale and trace_marker_size
// and, for kind 5, trace_plot_style.
int trace_count = 0;
double trace_value[trace_capacity];
double trace_scale[trace_capacity];
double trace_offset[trace_capacity];
int trace_colour[trace_capacity];
int trace_marker_size[trace_capacity];
int trace_plot_style[trace_capacity];
int trace_line_dash[trace_capacity];
int trace_line_width[trace_capacity];
int trace_marker_shape[trace_capacity];

namespace {

constexpr int stage_kind = 0;
constexpr int converter_kind = 5;
// Trace 3 carries the register content of the A/D display.
constexpr int register_trace = 3;
constexpr int default_trace_marker_size = 3;
constexpr int legend_colour = 4;  // green

int clamped_trace_count() {
    if (trace_count < 0) return 0;
    return trace_count > trace_capacity ? trace_capacity : trace_count;
}

// The register number in base 2 without leading zeros ("0" for 0), saturated to 0..7.
void register_text(char (&text)[register_text_size], double value_above_min) {
    double units = std::trunc(value_above_min * 2.0);
    int n = 0;
    if (units >= register_max) {
        n = register_max;
    } else if (units > 0.0) {
        n = static_cast<int>(units);
    }
    int length = 0;
    char digits[register_text_size];
    do {
        digits[length++] = static_cast<char>('0' + n % 2);
        n /= 2;
    } while (n > 0);
    for (int i = 0; i < length; ++i) text[i] = digits[length - 1 - i];
    text[length] = '\0';
}

void draw_trace(GraphFrame& target, int style, double x_start, double x, double y, int colour,
                int slot) {
    switch (style) {
        case trace_line:
            connect_line(target, x_start, x, y, colour, slot);
            break;
        case trace_staircase:
            connect_step(target, x_start, x, y, colour, slot);
            break;
        case trace_stems:
            connect_stem(target, x_start, x, y, colour, slot);
            break;
        case trace_line_from_start:
            connect_from_start(target, x_start, first_y, x, y, colour, slot);
            draw_marker(target, x, y, colour);
            break;
        case trace_stem_markers:
            connect_stem(target, x_start, x, y, colour, slot);
            draw_marker(target, x, y, colour);
            break;
        default:
            break;
    }
}

void copy_trace_pen(GraphFrame& frame, int m) {
    frame.line_dash = trace_line_dash[m];
    frame.line_width = trace_line_width[m];
    frame.marker_shape = trace_marker_shape[m];
    frame.marker_size = trace_marker_size[m];
}

// The bits of the register under the current step, on the panel's bottom text row.
void draw_register(const AnalysisSettings& settings) {
    char text[register_text_size];
    register_text(text, trace_value[register_trace] - main_graph.y_min);
    double cell = std::trunc((main_graph.width * sweep_x) / (settings.sample_count * 8.0));
    int column = clamp_pixel(cell + 2.0);
    int row = main_graph.height / 16 - 1;
    if (sweep_x < settings.sweep_to)
        draw_cell_text(column, row, text, trace_colour[register_trace]);
}

}  // namespace

void sweep_traces(int kind, Callback callback, AnalysisSettings& settings, int colour) {
    settings.time_count = settings.sample_count;
    settings.time_from = settings.sweep_from;
    settings.time_to = settings.sweep_to;
    settings.time_y_min = settings.transfer_y_min;
    settings.time_y_max = settings.transfer_y_max;
    if (settings.time_count <= 0) return;

    const double from = settings.time_from;
    const double to = settings.time_to;
    int panel_width = kind == stage_kind ? stage_graphs[0].width : decimation_width(kind);
    const int d = decimation(settings.time_count, panel_width);
    double step = (to - from) / settings.time_count;
    sweep_step = step;
    if (kind == converter_kind) {
        // The converter steps one stage at a time, drawn as staircases.
        step = 1.0;
        for (int m = 0; m < clamped_trace_count(); ++m) trace_plot_style[m] = trace_staircase;
    }
    const std::int64_t bound = sample_bound(settings.time_count);

    double x = from;
    for (std::int64_t taken = 0; x <= to && taken < bound; ++taken) {
        sweep_x = x;
        sweep_y = callback();
        if (x == from) {
            settings.first_value = sweep_y;
            first_y = sweep_y;
        }
        const bool drawn = drawn_sample(sample_index(x, from, step), d);
        const int traces = clamped_trace_count();
        for (int m = 0; m < traces; ++m) {
            if (trace_colour[m] != 0) colour = trace_colour[m];
            if (trace_scale[m] == 0.0) trace_scale[m] = 1.0;
            if (trace_marker_size[m] == 0) trace_marker_size[m] = default_trace_marker_size;
            double y = trace_scale[m] * trace_value[m] + trace_offset[m];
            copy_trace_pen(stage_graphs[m], m);
            copy_trace_pen(main_graph, m);
            if (kind == stage_kind) {
                if (drawn) draw_trace(stage_graphs[m], trace_plot_style[m], from, x, y, colour, 0);
            } else {
                clip_to_frame(main_graph);
                if (drawn) draw_trace(main_graph, trace_plot_style[m], from, x, y, colour, m);
                clip_to_window();
            }
        }
        if (kind == converter_kind) draw_register(settings);
        double next = x + step;
        if (next == x) break;
        x = next;
    }
    if (kind == converter_kind) {
        legend_text_row(converter_kind, 16, 1, "レジスタ ", "ビット内容", legend_colour);
    }
}
