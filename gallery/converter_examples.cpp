// The gallery's converters: the stage characteristic of a 3-bit successive-approximation A/D
// converter with its register display (kind 5) and the stage waveforms of a four-stage
// pipeline converter in stacked strips (kind 0).
#include <cmath>
#include <numbers>

#include "bias/analysis_settings.h"
#include "draw/text.h"
#include "gallery/circuits.h"
#include "gallery/examples.h"
#include "graph/graph_frame.h"
#include "plot/legend.h"
#include "plot/plot_entry.h"
#include "plot/sweep_globals.h"
#include "plot/traces.h"

const char sar_converter_title[] = "３ビット逐次比較型Ａ／Ｄ変換器のステージ特性";
const char pipeline_stages_title[] = "４段パイプラインＡ／Ｄ変換器の各段波形";

namespace {

constexpr int converter_kind = 5;
constexpr int stage_kind = 0;

// --- successive approximation ----------------------------------------------------------------

constexpr int sar_bits = 3;
constexpr double sar_reference = 4.0;                        // volts, full scale
constexpr double sar_lsb = sar_reference / (1 << sar_bits);  // 0.5 V per code
constexpr double sar_input = 2.7;                            // volts
// The sweep steps one stage at a time: the three bit decisions and the final code.
constexpr int sar_stage_count = sar_bits + 1;

// The traces of the converter. The register display reads trace 3: its value above the
// panel's bottom in half volts, which with a 0.5 V LSB is the register's code.
constexpr int trace_input = 0;
constexpr int trace_lower = 1;  // the code decided so far: the bottom of the interval searched
constexpr int trace_upper = 2;  // the top of the interval searched
constexpr int trace_dac = 3;    // the DAC's output: decided bits and the bit on trial
constexpr int sar_trace_colours[] = {2, 12, 13, 1};
const char* const sar_trace_names[] = {"入力 Vin", "下限", "上限", "DAC出力"};

double sar_callback() {
    const int stage = static_cast<int>(sweep_x);
    const int decided = sar_decided(sar_input, sar_lsb, sar_bits, stage);
    // The interval still searched is as wide as twice the bit on trial, one code at the end.
    const int width = stage < sar_bits ? 2 << (sar_bits - 1 - stage) : 1;
    trace_value[trace_input] = sar_input;
    trace_value[trace_lower] = decided * sar_lsb;
    trace_value[trace_upper] = (decided + width) * sar_lsb;
    trace_value[trace_dac] = sar_register(sar_input, sar_lsb, sar_bits, stage) * sar_lsb;
    return trace_value[trace_dac];
}

// --- pipeline --------------------------------------------------------------------------------

constexpr int pipeline_stages = 4;
constexpr int pipeline_strips = pipeline_stages + 1;  // the input and each stage's residue
constexpr double pipeline_reference = 1.0;            // volts
constexpr double pipeline_amplitude = 0.9;            // volts
constexpr double pipeline_frequency = 1e3;            // hertz
constexpr double strip_range = 1.25;                  // each strip shows +-1.25 V
constexpr int pipeline_colours[] = {1, 2, 12, 3, 13};
const char* const strip_names[] = {"入力", "１段目残差", "２段目残差", "３段目残差", "４段目残差"};
// The strip names stand 8 columns right of the strips, centred on their middle rows.
constexpr int strip_name_gap = 8;

double pipeline_callback() {
    double r = pipeline_amplitude * std::sin(2.0 * std::numbers::pi * pipeline_frequency * sweep_x);
    trace_value[0] = r;
    for (int k = 1; k < pipeline_strips; ++k) {
        r = pipeline_residue(r, pipeline_reference);
        trace_value[k] = r;
    }
    return trace_value[0];
}

}  // namespace

// One conversion of 2.7 V: each stage tries the next bit on the DAC and keeps it while the
// input is not below the DAC's voltage; the register display under each stage shows the
// register the DAC is given.
void run_sar_converter() {
    begin_example(converter_kind, sar_converter_title, "Vref=4V");
    analysis.sample_count = sar_stage_count;
    analysis.sweep_from = 0.0;
    analysis.sweep_to = sar_stage_count;
    analysis.x_divisions = sar_stage_count;
    analysis.transfer_y_min = 0.0;
    analysis.transfer_y_max = sar_reference;
    analysis.y_divisions = 1 << sar_bits;

    trace_count = 4;
    for (int m = 0; m < trace_count; ++m) trace_colour[m] = sar_trace_colours[m];
    trace_line_width[trace_dac] = 1;

    analysis.colour = sar_trace_colours[trace_input];
    plot_curve(graph_kind, sar_callback, analysis);
    // The converter's own legend rows come first; the trace names follow without a header.
    for (int m = 0; m < trace_count; ++m) {
        legend_text_row(graph_kind, m + 1, 0, "", sar_trace_names[m], sar_trace_colours[m]);
    }
    legend_text_row(graph_kind, 6, 0, "", "入力電圧", sar_trace_colours[trace_input]);
    legend_value_row(graph_kind, 5, 1, "", "", sar_input, sar_trace_colours[trace_input]);
    end_run();
}

// A sine of 0.9 V through four 1-bit stages: each stage doubles its input and takes away the
// reference with the sign of its bit, so every stage folds the waveform once more.
void run_pipeline_stages() {
    begin_example(stage_kind, pipeline_stages_title, "Vref=1V f=1kHz");
    analysis.sample_count = 800;
    analysis.sweep_from = 0.0;
    analysis.sweep_to = 1.0 / pipeline_frequency;
    analysis.stage_count = pipeline_strips;
    for (int i = 0; i < pipeline_strips; ++i) {
        analysis.stage_y_min[i] = -strip_range;
        analysis.stage_y_max[i] = strip_range;
    }

    trace_count = pipeline_strips;
    for (int m = 0; m < trace_count; ++m) trace_colour[m] = pipeline_colours[m];

    analysis.colour = pipeline_colours[0];
    plot_curve(graph_kind, pipeline_callback, analysis);
    // Legends stand beside main_graph, which the strips do not lay out: the strips are named
    // by text beside each of them.
    for (int i = 0; i < pipeline_strips; ++i) {
        const GraphFrame& strip = stage_graphs[i];
        const int middle = strip.bottom - strip.height + strip.height / 2;
        draw_text(strip.left + strip.width + strip_name_gap, middle - text_cell_height / 2,
                  strip_names[i], pipeline_colours[i], text_horizontal);
    }
    end_run();
}
