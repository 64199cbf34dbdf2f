// The multi-trace sweep with its trace table, and the auxiliary sweeps.
#pragma once

#include "bias/analysis_settings.h"
#include "plot/sweep_globals.h"

constexpr int trace_capacity = 25;

// The trace table: filled by the caller and its callback, read by sweep_traces.
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

void sweep_traces(int kind, Callback callback, AnalysisSettings& settings, int colour);
void sweep_overlay(Callback callback, AnalysisSettings& settings, int colour);
void find_value_range(Callback callback, AnalysisSettings& settings);
void plot_sweep_variable(int kind, double* variable, Callback callback, AnalysisSettings& settings,
                         int colour, const char* title);
