#include "bias/shared_run/run_sequence.h"

#include <cstring>

#include "bias/analysis_settings.h"
#include "bias/models.h"
#include "plot/legend.h"
#include "plot/plot_entry.h"
#include "plot/sweep_globals.h"

namespace {

constexpr int run_sample_count = 250;
constexpr double run_sweep_from = 0.4;  // volts
constexpr double run_sweep_to = 0.8;    // volts
constexpr int run_x_divisions = 8;
constexpr double run_y_min = 0.0014;  // amperes
constexpr double run_y_max = 0.0026;  // amperes
constexpr int run_y_divisions = 6;
constexpr int run_curve_count = 6;
constexpr int run_graph_kind = 1;

// The gap before Vbe and before Ie is one ideographic space.
const char run_x_label[] = "ベース－エミッタ電圧　Vbe [V]";
const char run_y_label[] = "エミッタ電流　Ie [A]";
const char legend_header[] = " Temp ";
const char legend_unit[] = "[deg]";

static_assert(sizeof(run_x_label) <= label_size, "x label fits its field");
static_assert(sizeof(run_y_label) <= label_size, "y label fits its field");

// Copies a text into a field, cut to the field with its terminator.
template <size_t size>
void copy_text(char (&field)[size], const char* text) {
    std::strncpy(field, text, size - 1);
    field[size - 1] = '\0';
}

}  // namespace

void run_bias_analysis(const char* title, const char* subtitle, double emitter_resistance) {
    analysis.sample_count = run_sample_count;
    analysis.sweep_from = run_sweep_from;
    analysis.sweep_to = run_sweep_to;
    analysis.x_divisions = run_x_divisions;
    analysis.transfer_y_min = run_y_min;
    analysis.transfer_y_max = run_y_max;
    analysis.y_divisions = run_y_divisions;
    copy_text(analysis.title, title);
    copy_text(analysis.subtitle, subtitle);
    copy_text(analysis.x_label, run_x_label);
    copy_text(analysis.y_label, run_y_label);

    supply_fixed = 1.6;
    hfe = 100.0;
    base_resistor_fixed = 50000.0;
    supply_feedback = 1.6;
    base_resistor_feedback = 6720.0;
    emitter_resistor = emitter_resistance;

    graph_kind = run_graph_kind;

    // Mode 0 draws the junction curves, mode 1 the bias lines; the mode is the global itself.
    for (model_mode = mode_junction; model_mode <= mode_bias_line; ++model_mode) {
        for (int i = 0; i < run_curve_count; ++i) {
            temperature_c = i * 10.0;
            analysis.colour = i;
            gain_factor = (i - 2) * 0.05 + 1.0;
            plot_curve(graph_kind, evaluate_model, analysis);
            legend_value_row(graph_kind, 0, i + 1, legend_header, legend_unit, temperature_c,
                             analysis.colour);
        }
    }
    end_run();
}
