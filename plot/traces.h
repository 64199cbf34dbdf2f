// The multi-trace sweep with its trace table, and the auxiliary sweeps.
#pragma once

#include "bias/analysis_settings.h"
#include "plot/sweep_globals.h"

constexpr int trace_capacity = 25;

// The trace table: filled by the caller and its callback, read by sweep_traces, which also
// writes the zero defaults of trace_scale and trace_marker_size back, and for kind 5 sets
// every trace_plot_style to the staircase.
extern int trace_count;
extern double trace_value[trace_capacity];
extern double trace_scale[trace_capacity];
extern double trace_offset[trace_capacity];
extern int trace_colour[trace_capacity];
extern int trace_marker_size[trace_capacity];
extern int trace_plot_style[trace_capacity];
extern int trace_line_dash[trace_capacity];
extern int trace_line_width[trace_capacity];
extern int trace_marker_shape[trace_capacity];

// trace_plot_style codes.
constexpr int trace_line = 0;
constexpr int trace_staircase = 2;
constexpr int trace_stems = 4;
constexpr int trace_line_from_start = 5;  // joined to the start point, with markers
constexpr int trace_stem_markers = 6;

// The register display of kind 5 shows at most three base-2 digits.
constexpr int register_text_size = 4;
constexpr int register_max = 7;

// Multi-trace sweep (kinds 0, 2, 5, 11, 13). Hands the range over into the settings
// (time_count, time_from, time_to, time_y_min, time_y_max from sample_count, sweep_from,
// sweep_to, transfer_y_min, transfer_y_max), then steps x from time_from by (time_to -
// time_from) / time_count (1.0 for kind 5; sweep_step keeps the computed step) while at most
// time_to. At every sample: sweep_x = x, sweep_y = callback(); at x == time_from also
// first_value and first_y; then each of trace_count traces (clamped to 0..25) is plotted as
// trace_scale * trace_value + trace_offset by its trace_plot_style, with its dash, width,
// marker shape and size copied into its stage frame and main_graph. A trace_colour other than
// 0 becomes the colour of that trace and of every later trace and sample of the sweep.
// Kind 0 draws trace m into stage_graphs[m] in slot 0, unclipped; the other kinds into
// main_graph in slot m, clipped to its plot area. Decimation by the width of stage_graphs[0]
// for kind 0, of the panel (decimation_width) otherwise. Kind 5 writes, under every step below
// sweep_to, the register text of trace 3 at cell column width * x / (sample_count * 8) + 2 of
// the panel's bottom text row, and after the sweep the legend "レジスタ " / "ビット内容" in
// green. The register value (trace_value[3] - y_min) * 2 truncated is shown in base 2 without
// leading zeros; outside 0..7 it saturates, as the converter's register does: below 0 (and
// NaN) shows 0, above 7 shows 111.
// A time_count of 0 or below gives no sweep (the hand-over still happens).
void sweep_traces(int kind, Callback callback, AnalysisSettings& settings, int colour);
// Linear sweep as sweep_linear, routed into graph kind 38 (a time waveform) in curve slot 1,
// each value plus settings.overlay_offset (not stored in sweep_y); first_value holds the
// first value with the offset. Writes sweep_step and sweep_x as sweep_linear.
void sweep_overlay(Callback callback, AnalysisSettings& settings, int colour);
// Sweeps sweep_from..sweep_to as sweep_linear, publishing each abscissa in sweep_x before the
// callback call, and stores the smallest and largest values in time_y_min and time_y_max.
// NaN values are not comparable and are left out; a sweep without a comparable value (or no
// sweep at all) leaves both fields unchanged. Draws nothing.
void find_value_range(Callback callback, AnalysisSettings& settings);
// The older plot entry that sweeps a caller's own abscissa variable: sets up the graph while
// curve_count is 0, then on main_graph clipped to its plot area, in curve slot 1:
// - time kinds 17..41: *variable runs from time_from by (time_to - time_from) / time_count
//   while at most time_to;
// - kinds 6 and 9: *variable runs from sweep_from, multiplied by 10^(log10(sweep_to /
//   sweep_from) / sample_count), while at most sweep_to (the transfer range these kinds'
//   x axis shows); the value goes to the mapping unchanged, whose logarithmic y axis takes
//   its logarithm;
// - every other kind, and a null variable: nothing is swept.
// Each sample stores callback() in first_value and joins it by connect_line. Counts the curve;
// writes no caption. The limits of the other sweeps apply (no sweep for a count of 0 or
// below, at most count + 2 samples).
void plot_sweep_variable(int kind, double* variable, Callback callback, AnalysisSettings& settings,
                         int colour, const char* title);
