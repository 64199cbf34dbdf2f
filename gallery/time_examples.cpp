// The gallery's time waveforms: the step responses of RC circuits with a marker at every
// sample (time kind 17) and the sine waves at an RC low-pass's input and output on the
// time-division screen (kind 35).
#include <cmath>
#include <complex>
#include <numbers>

#include "bias/analysis_settings.h"
#include "gallery/circuits.h"
#include "gallery/examples.h"
#include "plot/legend.h"
#include "plot/plot_entry.h"
#include "plot/routing.h"
#include "plot/sweep_globals.h"

const char rc_step_title[] = "ＲＣ回路のステップ応答";
const char sine_screen_title[] = "ＲＣローパスの正弦波入出力波形";

namespace {

constexpr int step_kind = 17;
constexpr int screen_kind = 35;

// --- step responses ----------------------------------------------------------------------------

constexpr double step_voltage = 5.0;
constexpr double step_capacitance = 0.22e-6;
constexpr double step_resistances[] = {1e3, 2.2e3, 4.7e3, 10e3};
constexpr int step_colours[] = {1, 2, 4, 3};
// Marker shapes: circle, square, filled triangle, diagonal cross.
constexpr int step_markers[] = {0, 3, 9, 1};
constexpr int step_marker_size = 3;

// The resistance of the curve being drawn; written by the run.
double step_resistance = 0.0;

double step_callback() {
    return rc_step_response(step_voltage, step_resistance, step_capacitance, sweep_x);
}

// --- sine waves on the screen ----------------------------------------------------------------

constexpr double sine_amplitude = 3.0;
constexpr double sine_frequency = 1e3;
constexpr double sine_resistance = 1e3;
// The input itself, then the output of the low-pass with each capacitor.
constexpr double sine_capacitances[] = {0.0, 0.1e-6, 0.22e-6};
constexpr int sine_colours[] = {1, 2, 4};

// The capacitor of the curve being drawn (0: the input); written by the run.
double sine_capacitance = 0.0;

double sine_callback() {
    if (sine_capacitance == 0.0) {
        return sine_amplitude * std::sin(2.0 * std::numbers::pi * sine_frequency * sweep_x);
    }
    return rc_lowpass_sine_output(sine_amplitude, sine_frequency, sine_resistance, sine_capacitance,
                                  sweep_x);
}

}  // namespace

// A time kind starts its curves at time_from: the sweep starts there too.
void run_rc_step() {
    begin_example(step_kind, rc_step_title, "C=0.22u E=5V");
    analysis.sample_count = 25;
    analysis.sweep_from = 0.0;
    analysis.sweep_to = 5e-3;
    analysis.time_from = analysis.sweep_from;
    analysis.time_to = analysis.sweep_to;
    analysis.time_y_min = 0.0;
    analysis.time_y_max = 6.0;
    analysis.plot_style = plot_line_markers;
    analysis.marker_size = step_marker_size;

    for (int i = 0; i < 4; ++i) {
        step_resistance = step_resistances[i];
        analysis.marker_shape = step_markers[i];
        analysis.colour = step_colours[i];
        plot_curve(graph_kind, step_callback, analysis);
        legend_value_row(graph_kind, 0, i + 1, " R ", "[Ω]", step_resistance, analysis.colour);
    }
    end_run();
}

// The legend gives each wave's amplitude: the input's, and the low-pass's gain times it.
void run_sine_screen() {
    begin_example(screen_kind, sine_screen_title, "R=1k f=1kHz");
    analysis.sample_count = 400;
    analysis.sweep_from = 0.0;
    analysis.sweep_to = 2e-3;
    analysis.time_from = analysis.sweep_from;
    analysis.time_to = analysis.sweep_to;
    analysis.time_y_min = -4.0;
    analysis.time_y_max = 4.0;

    for (int i = 0; i < 3; ++i) {
        sine_capacitance = sine_capacitances[i];
        analysis.colour = sine_colours[i];
        plot_curve(graph_kind, sine_callback, analysis);
        double gain = 1.0;
        if (sine_capacitance != 0.0) {
            gain =
                std::abs(rc_ladder_transfer(1, sine_resistance, sine_capacitance, sine_frequency));
        }
        legend_value_row(graph_kind, 0, i + 1, " 振幅 ", "[V]", sine_amplitude * gain,
                         analysis.colour);
    }
    end_run();
}
