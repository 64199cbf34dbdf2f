// The curve sweeps: the linear sweep with decimation, the forward-and-back sweep and the
// geometric sweep, with the rules that all linear sweeps share.
//
// Stepping: the step is computed once per sweep, (sweep_to - sweep_from) / sample_count; the
// abscissa starts at exactly sweep_from and grows by repeated addition, never recomputed from
// a sample index, while it is at most sweep_to. With 0.4..0.8 in 250 steps the accumulated
// abscissa after the 250th step is 0.800000000000008, so 0.8 itself is not sampled.
#include <cmath>
#include <limits>

#include "draw/primitives.h"
#include "graph/graph_frame.h"
#include "plot/mapping.h"
#include "plot/plot_entry.h"
#include "plot/routing.h"
#include "plot/sweep_rules.h"

namespace {

constexpr int first_paired_kind = 97;
constexpr int last_paired_kind = 138;

// The bottom slot carries the forward trace, the next one the backward trace.
constexpr int forward_slot = 0;
constexpr int backward_slot = 1;

constexpr int hysteresis_kind = 3;

}  // namespace

int decimation(int sample_count, int panel_width) {
    if (panel_width <= 0) return 1;
    int d = sample_count / panel_width;
    return d < 1 ? 1 : d;
}

int decimation_width(int kind) {
    if (kind >= first_paired_kind && kind <= last_paired_kind) return upper_graph.width;
    return main_graph.width;
}

std::int64_t sample_index(double x, double from, double step) {
    double q = std::trunc((x - from) / step);
    if (std::isnan(q)) return 0;
    // 2^62 keeps the index far from the ends of the type.
    constexpr double limit = 4611686018427387904.0;
    if (q >= limit) return static_cast<std::int64_t>(limit);
    if (q <= -limit) return -static_cast<std::int64_t>(limit);
    return static_cast<std::int64_t>(q);
}

bool drawn_sample(std::int64_t index, int d) {
    return index % d == 0;
}

std::int64_t sample_bound(int sample_count) {
    return static_cast<std::int64_t>(sample_count) + 2;
}

void sweep_linear(int kind, Callback callback, AnalysisSettings& settings, int colour) {
    if (settings.sample_count <= 0) return;
    const double from = settings.sweep_from;
    const double to = settings.sweep_to;
    const double step = (to - from) / settings.sample_count;
    const int d = decimation(settings.sample_count, decimation_width(kind));
    const std::int64_t bound = sample_bound(settings.sample_count);

    sweep_step = step;
    sweep_x = from;
    for (std::int64_t taken = 0; sweep_x <= to && taken < bound; ++taken) {
        sweep_y = callback();
        // The first sample's value is the curve's start point: the routing starts the curve
        // there instead of joining it to the previous one.
        if (sweep_x == from) settings.first_value = sweep_y;
        // Without decimation every sample is drawn, whatever its index.
        if (d == 1 || drawn_sample(sample_index(sweep_x, from, step), d)) {
            route_sample(kind, sweep_x, sweep_y, settings, colour, forward_slot);
        }
        double next = sweep_x + step;
        if (next == sweep_x) break;
        sweep_x = next;
    }
}

void sweep_there_and_back(int kind, Callback callback, AnalysisSettings& settings, int colour) {
    if (settings.sample_count <= 0) return;
    const double from = settings.sweep_from;
    const double to = settings.sweep_to;
    const double step = (to - from) / settings.sample_count;
    const std::int64_t bound = sample_bound(settings.sample_count);

    clip_to_frame(main_graph);
    double x = from;
    for (std::int64_t taken = 0; x <= to && taken < bound; ++taken) {
        sweep_x = x;
        sweep_y = callback();
        connect_line(main_graph, from, x, sweep_y, colour, forward_slot);
        double next = x + step;
        if (next == x) break;
        x = next;
    }
    // The backward trace starts at sweep_to exactly, as a curve of its own in the next slot:
    // together the two draw a hysteresis loop.
    if (kind == hysteresis_kind) {
        x = to;
        for (std::int64_t taken = 0; x >= from && taken < bound; ++taken) {
            sweep_x = x;
            sweep_y = callback();
            connect_line(main_graph, to, x, sweep_y, colour, backward_slot);
            double next = x - step;
            if (next == x) break;
            x = next;
        }
    }
    clip_to_window();
}

void sweep_log(int /*kind*/, Callback callback, AnalysisSettings& settings, int colour) {
    const double from = settings.sweep_from;
    const double to = settings.sweep_to;
    if (settings.sample_count <= 0 || !(from > 0.0)) return;
    // The factor that takes the abscissa from sweep_from to sweep_to in sample_count equal
    // steps on a logarithmic axis.
    const double ratio = std::pow(10.0, std::log10(to / from) / settings.sample_count);
    if (!(ratio > 1.0)) return;
    const std::int64_t bound = sample_bound(settings.sample_count);

    clip_to_frame(main_graph);
    double x = from;
    for (std::int64_t taken = 0; x <= to && taken < bound; ++taken) {
        sweep_x = x;
        // The value goes to the mapping as it stands; a logarithmic y axis takes its
        // logarithm there.
        double y = callback();
        connect_line(main_graph, from, x, y, colour, forward_slot);
        double next = x * ratio;
        if (next == x) break;
        x = next;
    }
    clip_to_window();
}
