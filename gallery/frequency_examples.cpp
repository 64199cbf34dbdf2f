// The gallery's frequency responses on two panels: the gain and phase of RC low-pass ladders
// (kind 97) and the impedance magnitude and phase of series RLC circuits (kind 115).
//
// The plot entry sweeps every frequency kind linearly, while these kinds show the frequency on
// a logarithmic axis: one sweep over four decades would leave the lowest two decades to a
// handful of samples, drawn as one straight segment, and decimation keeps a sweep to about one
// drawn sample per pixel column of its linear range. The runs therefore sweep piece by piece,
// one plot_curve call per decade (and per piece either side of a resonance, so that the
// resonance itself is sampled), each piece starting where the previous one ended; only the
// first starts at freq_from, so only it begins a new curve and the others join on.
#include <cmath>
#include <complex>
#include <numbers>

#include "bias/analysis_settings.h"
#include "gallery/circuits.h"
#include "gallery/examples.h"
#include "plot/legend.h"
#include "plot/plot_entry.h"
#include "plot/sweep_globals.h"

const char rc_bode_title[] = "ＲＣローパスフィルタの利得と位相";
const char rlc_impedance_title[] = "直列ＲＬＣ回路のインピーダンス";

namespace {

constexpr int bode_kind = 97;
constexpr int impedance_kind = 115;

// Values of settings.panel.
constexpr int upper_panel = 1;
constexpr int lower_panel = 2;

// Samples per piece: fewer than the panel's 448 columns, so decimation draws every one.
constexpr int piece_samples = 400;

// What the callbacks compute: the upper panel's magnitude or the lower panel's phase; written
// by the run before each panel's pieces.
int shown_panel = upper_panel;

// Sweeps the curve of the current settings into the panel piece by piece: piece k from
// bounds[k] to bounds[k + 1], one plot_curve each.
template <int count>
void plot_by_pieces(Callback callback, int panel, const double (&bounds)[count]) {
    shown_panel = panel;
    analysis.panel = panel;
    analysis.sample_count = piece_samples;
    for (int k = 0; k + 1 < count; ++k) {
        analysis.sweep_from = bounds[k];
        analysis.sweep_to = bounds[k + 1];
        plot_curve(graph_kind, callback, analysis);
    }
}

// --- RC low-pass ladders ---------------------------------------------------------------------

constexpr double bode_decades[] = {10.0, 100.0, 1e3, 1e4, 1e5};
constexpr double bode_resistance = 1e3;
constexpr double bode_capacitance = 0.1e-6;
constexpr int bode_ladders[] = {1, 2};
constexpr int bode_colours[] = {1, 2};

// The sections of the ladder being drawn; written by the run.
int bode_sections = 1;

double bode_callback() {
    std::complex<double> h =
        rc_ladder_transfer(bode_sections, bode_resistance, bode_capacitance, sweep_x);
    return shown_panel == upper_panel ? gain_db(h) : phase_degrees(h);
}

// --- series RLC --------------------------------------------------------------------------------

constexpr double rlc_inductance = 10e-3;
constexpr double rlc_capacitance = 10e-9;
constexpr double rlc_resistances[] = {10.0, 100.0, 1e3};
constexpr int rlc_colours[] = {1, 2, 4};

// The resistance of the circuit being drawn; written by the run.
double rlc_resistance = 0.0;

double rlc_callback() {
    std::complex<double> z =
        series_rlc_impedance(rlc_resistance, rlc_inductance, rlc_capacitance, sweep_x);
    return shown_panel == upper_panel ? std::abs(z) : phase_degrees(z);
}

}  // namespace

// One and two RC sections: the second section falls twice as steeply and turns the phase to
// -180 degrees. The legend gives the number of sections.
void run_rc_bode() {
    begin_example(bode_kind, rc_bode_title, "R=1k C=0.1u");
    analysis.freq_from = bode_decades[0];
    analysis.freq_to = bode_decades[4];
    analysis.magnitude_y_min = -80.0;
    analysis.magnitude_y_max = 0.0;
    analysis.phase_y_min = -180.0;
    analysis.phase_y_max = 0.0;

    for (int i = 0; i < 2; ++i) {
        bode_sections = bode_ladders[i];
        analysis.colour = bode_colours[i];
        plot_by_pieces(bode_callback, upper_panel, bode_decades);
        plot_by_pieces(bode_callback, lower_panel, bode_decades);
        legend_int_row(graph_kind, 0, i + 1, " 段数 ", "", bode_sections, analysis.colour);
    }
    end_run();
}

// The impedance falls as the capacitor's and rises as the inductor's; at resonance
// (1 / (2 pi sqrt(LC)), 15.9 kHz) it is the resistance alone and the phase passes 0. With 10
// ohms the dip is 160 Hz wide, narrower than a pixel column: the pieces meet at the resonance,
// so that it is sampled.
void run_rlc_impedance() {
    begin_example(impedance_kind, rlc_impedance_title, "L=10m C=10n");
    const double resonance =
        1.0 / (2.0 * std::numbers::pi * std::sqrt(rlc_inductance * rlc_capacitance));
    const double pieces[] = {100.0, 1e3, 1e4, resonance, 1e5, 1e6};
    analysis.freq_from = pieces[0];
    analysis.freq_to = pieces[5];
    analysis.magnitude_y_min = 1.0;
    analysis.magnitude_y_max = 1e6;
    analysis.phase_y_min = -90.0;
    analysis.phase_y_max = 90.0;

    for (int i = 0; i < 3; ++i) {
        rlc_resistance = rlc_resistances[i];
        analysis.colour = rlc_colours[i];
        plot_by_pieces(rlc_callback, upper_panel, pieces);
        plot_by_pieces(rlc_callback, lower_panel, pieces);
        legend_value_row(graph_kind, 0, i + 1, " R ", "[Ω]", rlc_resistance, analysis.colour);
    }
    end_run();
}
