// Routing of samples to the panels of a graph kind, and the markers.
#pragma once

#include "bias/analysis_settings.h"
#include "graph/graph_frame.h"

// plot_style codes: how routed samples are connected and whether they get a marker.
constexpr int plot_line = 0;          // 0, 1, 3 and 7: straight line, no marker
constexpr int plot_staircase = 2;     // horizontal at the previous value, then vertical
constexpr int plot_stems = 4;         // vertical line from the sample to the value 0
constexpr int plot_line_markers = 5;  // straight line and a marker
constexpr int plot_stem_markers = 6;  // stem and a marker
constexpr int plot_markers_only = 8;  // a marker and no line

// Draws one sample of a curve of the graph kind: writes a marker_size of 0 back into the
// settings as 2, copies plot_style, line_dash, line_width, marker_shape, marker_size and the
// start point of the kind's family into all three panels (start_x: sweep_from for kinds
// 1..16, time_from for 17..41, first_x for 42..58, freq_from for 59..138, sweep_from for
// every other number; start_y: first_value), then, clipped to the receiving panel's plot
// area, joins the sample with connect_sample (plot_style 0..7) and puts a marker on it
// (plot_style 5, 6, 8). Kinds 1..96 go to main_graph; 97..126 and 129..136 to the panel that
// settings.panel chooses (1 or 3 upper_graph, 2 lower_graph, any other neither); kinds 0,
// 127, 128, 137, 138 and numbers outside 0..138 draw nothing. The clip is the whole window
// afterwards in every case.
void route_sample(int kind, double x, double y, AnalysisSettings& settings, int colour, int slot);

// Joins the sample to the curve in the slot by the frame's plot_style. A sample whose x
// equals the frame's start_x begins the curve: the pen moves to (start_x, start_y) and the
// slot's last_value becomes y. Then: style 2 a horizontal run at last_value and a vertical one
// to y (last_value = y); styles 4 and 6 a dot at the sample and a stem to 0.0; any other
// style a line from the pen to the sample. A slot outside 0..25 and a sample without a pixel
// (NaN, see map_x) draw nothing.
void connect_sample(GraphFrame& frame, double x, double y, int colour, int slot);

// Draws the frame's marker_shape at the sample, solid and one pixel wide, in the colour:
// 0 circle, 1 diagonal cross, 2 triangle pointing down, 3 square, 4 diagonal cross with a
// horizontal bar, 5 eight-armed star, 6 upright cross, 7..9 the square, circle and triangle
// filled; any other shape nothing. The half-size is the frame's marker_size, clamped to
// 0..marker_size_limit. The circle's pen is the frame's line_width and line_dash as they
// stood before the call, as mark_circle takes them. line_dash and line_width read 0 after the
// call; no pen position changes.
void draw_marker(GraphFrame& frame, double x, double y, int colour);
