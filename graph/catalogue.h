// The graph-kind catalogue and the axis caption tables.
#pragma once

#include "bias/analysis_settings.h"
#include "graph/graph_frame.h"

constexpr int axis_label_count = 18;
constexpr int last_graph_kind = 138;

extern char x_axis_labels[axis_label_count][caption_size];
extern char y_axis_labels[axis_label_count][caption_size];

void setup_graph(int kind, AnalysisSettings& settings, const char* title);
void setup_stage_frames(AnalysisSettings& settings, const char* title);
