// The auxiliary sweeps: an overlay over a time waveform, a range finder for the automatic y
// scaling of a time waveform, and the older plot entry that sweeps a caller's own variable.
#include <cmath>

#include "draw/primitives.h"
#include "graph/catalogue.h"
#include "graph/graph_frame.h"
#include "plot/mapping.h"
#include "plot/routing.h"
#include "plot/sweep_rules.h"
#include "plot/traces.h"

namespace {

// The overlay is always a second curve over a time waveform.
constexpr int overlay_kind = 38;
constexpr int overlay_slot = 1;
constexpr int variable_slot = 1;

constexpr int first_time_kind = 17;
constexpr int last_time_kind = 41;

// Linear sweep of *variable over from..to in count steps, each value in first_value.
void sweep_variable_linear(double* variable, double from, double to, int count, Callback callback,
                           AnalysisSettings& settings, int colour) {
    if (count <= 0) return;
    const double step = (to - from) / count;
    const std::int64_t bound = sample_bound(count);
    *variable = from;
    for (std::int64_t taken = 0; *variable <= to && taken < bound; ++taken) {
        settings.first_value = callback();
        connect_line(main_graph, from, *variable, settings.first_value, colour, variable_slot);
        double next = *variable + step;
        if (next == *variable) break;
        *variable = next;
    }
}

// Geometric sweep of *variable over from..to in count equal steps on a logarithmic axis.
void sweep_variable_log(double* variable, double from, double to, int count, Callback callback,
                        AnalysisSettings& settings, int colour) {
    if (count <= 0 || !(from > 0.0)) return;
    const double ratio = std::pow(10.0, std::log10(to / from) / count);
    if (!(ratio > 1.0)) return;
    const std::int64_t bound = sample_bound(count);
    *variable = from;
    for (std::int64_t taken = 0; *variable <= to && taken < bound; ++taken) {
        settings.first_value = callback();
        connect_line(main_graph, from, *variable, settings.first_value, colour, variable_slot);
        double next = *variable * ratio;
        if (next == *variable) break;
        *variable = next;
    }
}

}  // namespace

void sweep_overlay(Callback callback, AnalysisSettings& settings, int colour) {
    if (settings.sample_count <= 0) return;
    const double from = settings.sweep_from;
    const double to = settings.sweep_to;
    const double step = (to - from) / settings.sample_count;
    const int d = decimation(settings.sample_count, decimation_width(overlay_kind));
    const std::int64_t bound = sample_bound(settings.sample_count);

    sweep_step = step;
    sweep_x = from;
    for (std::int64_t taken = 0; sweep_x <= to && taken < bound; ++taken) {
        std::int64_t index = sample_index(sweep_x, from, step);
        double y = callback() + settings.overlay_offset;
        if (sweep_x == from) settings.first_value = y;
        if (drawn_sample(index, d)) {
            route_sample(overlay_kind, sweep_x, y, settings, colour, overlay_slot);
        }
        double next = sweep_x + step;
        if (next == sweep_x) break;
        sweep_x = next;
    }
}

void find_value_range(Callback callback, AnalysisSettings& settings) {
    if (settings.sample_count <= 0) return;
    const double from = settings.sweep_from;
    const double to = settings.sweep_to;
    const double step = (to - from) / settings.sample_count;
    const std::int64_t bound = sample_bound(settings.sample_count);

    bool found = false;
    double smallest = 0.0;
    double largest = 0.0;
    double x = from;
    for (std::int64_t taken = 0; x <= to && taken < bound; ++taken) {
        sweep_x = x;
        double value = callback();
        if (!std::isnan(value)) {
            if (!found) {
                smallest = value;
                largest = value;
                found = true;
            } else if (value > largest) {
                largest = value;
            } else if (value < smallest) {
                smallest = value;
            }
        }
        double next = x + step;
        if (next == x) break;
        x = next;
    }
    if (found) {
        settings.time_y_min = smallest;
        settings.time_y_max = largest;
    }
}

void plot_sweep_variable(int kind, double* variable, Callback callback, AnalysisSettings& settings,
                         int colour, const char* title) {
    if (curve_count == 0) setup_graph(kind, settings, title);
    clip_to_frame(main_graph);
    if (variable != nullptr) {
        if (kind >= first_time_kind && kind <= last_time_kind) {
            sweep_variable_linear(variable, settings.time_from, settings.time_to,
                                  settings.time_count, callback, settings, colour);
        } else if (kind == 6 || kind == 9) {
            sweep_variable_log(variable, settings.sweep_from, settings.sweep_to,
                               settings.sample_count, callback, settings, colour);
        }
    }
    clip_to_window();
    count_one(curve_count);
}
