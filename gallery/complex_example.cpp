// The gallery's complex-plane plot (kind 42): the Nyquist plot of a loop gain of three equal
// poles, k / (1 + j w tau)^3, for three loop gains k, with its mirror image for negative
// frequencies, the critical point -1 and the unit circle.
//
// The plot entry routes each sample at its sweep abscissa, so a routed curve can only show a
// value over the swept variable. A locus is a curve over a parameter (here the frequency):
// the callback computes the point of the current frequency and draws it into main_graph
// itself, with the pen primitives, clipped to the plot area; the routing is given a plot style
// that draws nothing. The locus starts at first_x, the real part of its first point, which the
// callback writes, as the complex-plane kinds expect of it.
#include <cmath>
#include <complex>

#include "bias/analysis_settings.h"
#include "draw/primitives.h"
#include "gallery/circuits.h"
#include "gallery/examples.h"
#include "graph/graph_frame.h"
#include "plot/legend.h"
#include "plot/mapping.h"
#include "plot/plot_entry.h"
#include "plot/sweep_globals.h"

const char nyquist_title[] = "一巡伝達関数のナイキスト線図";

namespace {

constexpr int complex_kind = 42;

// A plot style that neither joins nor marks the routed samples.
constexpr int routing_draws_nothing = 9;

constexpr double pole_time_constant = 1e-3;  // seconds
// The sweep runs over log10(w tau) from -2 to 2: a hundredth to a hundred times the pole's
// frequency.
constexpr double exponent_from = -2.0;
constexpr double exponent_to = 2.0;
// Gains below, at and above the critical 8 (three poles turn the phase by -180 degrees at
// w tau = sqrt 3, where their magnitude is 1/8).
constexpr double loop_gains[] = {4.0, 8.0, 10.0};
constexpr int loop_colours[] = {1, 4, 2};

// The locus for w > 0 in one slot; its mirror for w < 0 in the next, in the half-intensity
// form of the colour (1..6 become 9..14). A dashed mirror would look solid: the dash pattern
// starts afresh on every segment, and the segments of a locus are a pixel or two long.
constexpr int locus_slot = 2;
constexpr int mirror_slot = 3;
constexpr int half_intensity_shift = 8;

constexpr int critical_colour = 2;
constexpr int critical_half_size = 4;
constexpr int unit_circle_colour = 0;
constexpr double unit_circle_step = 12.0;  // degrees between its dots

// The loop gain of the locus being drawn; written by the run.
double loop_gain = 0.0;

double nyquist_callback() {
    const double w = std::pow(10.0, sweep_x) / pole_time_constant;
    const std::complex<double> l = three_pole_loop_gain(loop_gain, pole_time_constant, w);
    if (sweep_x == analysis.sweep_from) analysis.first_x = l.real();
    clip_to_frame(main_graph);
    connect_line(main_graph, analysis.first_x, l.real(), l.imag(), analysis.colour, locus_slot);
    connect_line(main_graph, analysis.first_x, l.real(), -l.imag(),
                 analysis.colour + half_intensity_shift, mirror_slot);
    clip_to_window();
    return l.imag();
}

}  // namespace

void run_nyquist() {
    begin_example(complex_kind, nyquist_title, "K/(1+jωτ)^3");
    analysis.sample_count = 400;
    analysis.sweep_from = exponent_from;
    analysis.sweep_to = exponent_to;
    analysis.real_min = -4.0;
    analysis.real_max = 12.0;
    analysis.imag_min = -8.0;
    analysis.imag_max = 8.0;
    analysis.plot_style = routing_draws_nothing;

    for (int i = 0; i < 3; ++i) {
        loop_gain = loop_gains[i];
        analysis.colour = loop_colours[i];
        plot_curve(graph_kind, nyquist_callback, analysis);
        legend_value_row(graph_kind, 0, i + 1, " K ", "", loop_gain, analysis.colour);
    }
    clip_to_frame(main_graph);
    dotted_circle(main_graph, 0.0, 0.0, 1.0, unit_circle_step, unit_circle_colour);
    clip_to_window();
    mark_cross(main_graph, -1.0, 0.0, critical_half_size, critical_colour);
    end_run();
}
