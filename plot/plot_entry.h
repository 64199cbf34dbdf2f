// The plot entry and the curve sweeps.
#pragma once

#include "bias/analysis_settings.h"
#include "plot/sweep_globals.h"

void plot_curve(int kind, Callback callback, AnalysisSettings& settings);
void plot_curve_with(int kind, Callback callback, AnalysisSettings& settings, int colour,
                     const char* title);
void sweep_linear(int kind, Callback callback, AnalysisSettings& settings, int colour);
void sweep_there_and_back(int kind, Callback callback, AnalysisSettings& settings, int colour);
void sweep_log(int kind, Callback callback, AnalysisSettings& settings, int colour);
