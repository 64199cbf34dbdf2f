// Routing of samples to the panels of a graph kind, and the markers.
#pragma once

#include "bias/analysis_settings.h"
#include "graph/graph_frame.h"

void route_sample(int kind, double x, double y, AnalysisSettings& settings, int colour, int slot);
void connect_sample(GraphFrame& frame, double x, double y, int colour, int slot);
void draw_marker(GraphFrame& frame, double x, double y, int colour);
