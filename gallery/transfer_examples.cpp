// The gallery's transfer characteristics: a Schmitt trigger's hysteresis loop (kind 3), a
// diode clipper (kind 4) and a diode's current over voltage on log-log axes (kind 6).
#include "bias/analysis_settings.h"
#include "gallery/circuits.h"
#include "gallery/examples.h"
#include "graph/catalogue.h"
#include "plot/legend.h"
#include "plot/plot_entry.h"
#include "plot/sweep_globals.h"

const char schmitt_trigger_title[] = "シュミットトリガのヒステリシス特性";
const char diode_clipper_title[] = "ダイオードクリッパの入出力特性";
const char diode_log_log_title[] = "ダイオードの電流－電圧特性（両対数）";

namespace {

constexpr int schmitt_kind = 3;
constexpr int clipper_kind = 4;
constexpr int log_log_kind = 6;

// The caption table entry that kind 6 shows as it stands.
constexpr int kept_captions = 0;

// The small-signal silicon junction of the clipper and of the log-log example.
constexpr DiodeModel silicon_diode = {1e-14, 1.0};

// --- Schmitt trigger ---------------------------------------------------------------------

constexpr double schmitt_r1 = 10e3;  // input resistor
constexpr double schmitt_r2 = 22e3;  // feedback resistor
// The output saturates 1.5 V inside each supply rail.
constexpr double schmitt_headroom = 1.5;
constexpr double schmitt_supplies[] = {5.0, 6.0};
constexpr int schmitt_colours[] = {1, 2};

// The comparator's output: set to the low rail by the run before each loop (the input starts
// at its most negative), then switched by the callback as the sweeps move the input.
double schmitt_output = 0.0;
// The saturation voltage of the loop being drawn; written by the run.
double schmitt_vsat = 0.0;

double schmitt_callback() {
    schmitt_output =
        schmitt_next_output(sweep_x, schmitt_output, schmitt_r1, schmitt_r2, schmitt_vsat);
    return schmitt_output;
}

// --- diode clipper -------------------------------------------------------------------------

constexpr double clipper_r = 1e3;
constexpr double clipper_biases[] = {0.0, 1.0, 2.0};
constexpr int clipper_colours[] = {1, 2, 4};

// The bias sources of the curve being drawn; written by the run.
double clipper_bias = 0.0;

double clipper_callback() {
    return clipper_output(silicon_diode, clipper_r, clipper_bias, sweep_x);
}

// --- diode on log-log axes -----------------------------------------------------------------

constexpr double series_resistances[] = {1.0, 10.0, 100.0};
constexpr int series_colours[] = {1, 2, 4};

// The series resistance of the curve being drawn; written by the run.
double series_resistance = 0.0;

double diode_callback() {
    return diode_series_current(silicon_diode, series_resistance, sweep_x);
}

}  // namespace

// The loop of each supply: the forward trace switches up at +threshold, the backward trace
// down at -threshold; the wider supply draws the wider loop. The legend gives each loop's
// threshold.
void run_schmitt_trigger() {
    begin_example(schmitt_kind, schmitt_trigger_title, "R1=10k R2=22k 電源±5V/±6V");
    analysis.sample_count = 240;
    analysis.sweep_from = -6.0;
    analysis.sweep_to = 6.0;
    analysis.transfer_y_min = -6.0;
    analysis.transfer_y_max = 6.0;
    copy_field(analysis.x_label, "入力電圧　Vin [V]");
    copy_field(analysis.y_label, "出力電圧　Vout [V]");

    for (int i = 0; i < 2; ++i) {
        schmitt_vsat = schmitt_supplies[i] - schmitt_headroom;
        schmitt_output = -schmitt_vsat;
        analysis.colour = schmitt_colours[i];
        plot_curve(graph_kind, schmitt_callback, analysis);
        legend_value_row(graph_kind, 0, i + 1, " Vth ", "[±V]",
                         schmitt_threshold(schmitt_r1, schmitt_r2, schmitt_vsat), analysis.colour);
    }
    end_run();
}

void run_diode_clipper() {
    begin_example(clipper_kind, diode_clipper_title, "R=1k Is=10f");
    analysis.sample_count = 240;
    analysis.sweep_from = -6.0;
    analysis.sweep_to = 6.0;
    analysis.transfer_y_min = -4.0;
    analysis.transfer_y_max = 4.0;

    for (int i = 0; i < 3; ++i) {
        clipper_bias = clipper_biases[i];
        analysis.colour = clipper_colours[i];
        plot_curve(graph_kind, clipper_callback, analysis);
        legend_value_row(graph_kind, 0, i + 1, " Vb ", "[V]", clipper_bias, analysis.colour);
    }
    end_run();
}

// Kind 6 shows caption entry 0 as it stands, which holds whatever the last set-up of a kind
// 1..3 or 10..15 copied there; the example writes its own captions there first, so that it
// shows them whichever example ran before.
void run_diode_log_log() {
    begin_example(log_log_kind, diode_log_log_title, "Is=10f n=1");
    analysis.sample_count = 200;
    analysis.sweep_from = 0.3;
    analysis.sweep_to = 10.0;
    analysis.transfer_y_min = 1e-9;
    analysis.transfer_y_max = 100.0;
    copy_caption(x_axis_labels[kept_captions], "電圧　V [V]");
    copy_caption(y_axis_labels[kept_captions], "電流　I [A]");

    for (int i = 0; i < 3; ++i) {
        series_resistance = series_resistances[i];
        analysis.colour = series_colours[i];
        plot_curve(graph_kind, diode_callback, analysis);
        legend_value_row(graph_kind, 0, i + 1, " Rs ", "[Ω]", series_resistance, analysis.colour);
    }
    end_run();
}
