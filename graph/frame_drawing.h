// Validation and drawing of graph frames: axes, captions, title and build-date stamp.
#pragma once

#include "graph/graph_frame.h"

int draw_frame_axes(GraphFrame& frame, char x_prefix, char y_prefix);
void draw_graph_frames(int frame_style, GraphFrame& first, GraphFrame& second, const char* title);
void redraw_frames();
