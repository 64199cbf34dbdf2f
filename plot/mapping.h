// Value-to-pixel mapping inside a frame and the per-slot pen primitives.
//
// Every curve is drawn with a pen state kept in the frame: for each of the 26 curve slots the
// pixel where the slot's pen last stood (pen_x, pen_y) and the last value of a staircase
// (last_value). A curve has no begin call: its first sample is the one whose abscissa equals
// the curve's start abscissa exactly; any other sample joins wherever the slot's pen stood.
//
// Safety rules shared by every operation here:
// - A slot outside 0..25 is ignored: the operation draws nothing and touches no pen state.
// - A point that has no pixel position (a NaN coordinate, or the bound of an empty range, see
//   map_x) draws nothing: pen moves and lines to it are skipped and the pen stays where it
//   stood.
// - Pixel positions are clamped to +-pixel_limit, so a value far outside the range (1e308, an
//   infinity) maps to a pixel well outside any surface and every sum of a pixel and a marker
//   size stays inside the range of an int.
#pragma once

#include "graph/graph_frame.h"

// The largest pixel distance from the origin that the mapping gives.
constexpr int pixel_limit = 1 << 24;
// The largest marker half-size or circle radius in pixels that the markers draw.
constexpr int marker_size_limit = 4096;

// Whether a slot number names one of the 26 curve slots.
constexpr bool is_curve_slot(int slot) {
    return slot >= 0 && slot < curve_slots;
}

// A double pixel position as an int: clamped to -pixel_limit..pixel_limit, NaN gives
// -pixel_limit (left of / above every surface). Never converts an out-of-range double.
int clamp_pixel(double position);

// Pixel column of x: left + floor(width * f + 0.5) with f = (x - x_min) / (x_max - x_min), or
// on a logarithmic x axis (x_scale 3) the same fraction of log10 values. Rounds half upward:
// x_min maps to left, x_max to left + width. Values outside the range map outside the plot
// area; nothing is clamped to the plot area.
// Out of the ordinary: on a logarithmic axis a value of zero or below lies infinitely far
// below the range (log10(0) is minus infinity) and maps to -pixel_limit; an empty range maps
// values beyond its bound to +-pixel_limit and the bound itself, like NaN, to -pixel_limit
// (has_position_x tells these apart).
int map_x(const GraphFrame& frame, double x);
// Pixel row of y: bottom - floor(height * f + 0.5), f as map_x with y_scale, y_min, y_max;
// y_min maps to bottom, y_max to bottom - height. Same rules as map_x out of the ordinary.
int map_y(const GraphFrame& frame, double y);
// Pixel row of y on a linear scale whatever y_scale says, rounded after the subtraction:
// floor(bottom - height * f + 0.5). Where height * f has a fractional part of exactly one half
// it gives the row below the one map_y gives.
int map_y_linear(const GraphFrame& frame, double y);

// Whether x (y) has a pixel position in the frame: false for NaN and for the bound of an
// empty range (0 / 0).
bool has_position_x(const GraphFrame& frame, double x);
bool has_position_y(const GraphFrame& frame, double y);

// Whether (x, y) has a pixel, computed once for both tests and both mappings: false for a
// point that has_position_x or has_position_y rejects (column and row are then left as they
// are); otherwise column is map_x(frame, x) and row map_y(frame, y).
bool point_pixel(const GraphFrame& frame, double x, double y, int& column, int& row);

// Sets the pixel of (x, y) in the colour; the slot's pen now stands there.
void pen_move(GraphFrame& frame, double x, double y, int colour, int slot);
// Segment between two pixels, both end pixels included, in the frame's line_dash (0 solid,
// 1 dotted, 2 dash-dot, 3 dashed; any other value solid) and line_width (1 a pen two pixels
// wide; any other value one pixel).
void frame_line(GraphFrame& frame, int column1, int row1, int column2, int row2, int colour);
// frame_line from the slot's pen to the pixel of (x, y); the pen now stands there.
void pen_line_to(GraphFrame& frame, double x, double y, int colour, int slot);
// frame_line from the slot's pen to a pixel that point_pixel gave; the pen now stands there.
// A slot outside 0..25 draws nothing.
void pen_line_to_pixel(GraphFrame& frame, int column, int row, int colour, int slot);
// pen_move with slot 0.
void pen_move_slot0(GraphFrame& frame, double x, double y, int colour);

// One sample of a straight-line curve: at x == x_start pen_move(x, y), then pen_line_to(x, y).
void connect_line(GraphFrame& frame, double x_start, double x, double y, int colour, int slot);
// One sample of a staircase: at x == x_start pen_move(x, y) and last_value = y; then a
// horizontal run at last_value to x, a vertical one to y, and last_value = y.
void connect_step(GraphFrame& frame, double x_start, double x, double y, int colour, int slot);
// One sample of a thin dashed curve, whatever the frame's line_dash and line_width: at
// x == x_start pen_move(x, y); otherwise a dashed segment from the pen to (x, y), then
// pen_move(x, y).
void connect_dashed(GraphFrame& frame, double x_start, double x, double y, int colour, int slot);
// One sample of a curve joined to a given start point: at x == x_start pen_move(x_start,
// y_start); then pen_line_to(x, y).
void connect_from_start(GraphFrame& frame, double x_start, double y_start, double x, double y,
                        int colour, int slot);
// One sample drawn as a stem: pen_move(x, y), then pen_line_to(x, 0.0). x_start is not used.
void connect_stem(GraphFrame& frame, double x_start, double x, double y, int colour, int slot);

// frame_line between two value points; no pen state.
void value_line(GraphFrame& frame, double x1, double y1, double x2, double y2, int colour);
// value_line on main_graph, clipped to its plot area; the clip is the whole window afterwards.
void main_clipped_line(double x1, double y1, double x2, double y2, int colour);
// Hollow circle of a pixel radius around (x, y); its pen width is the frame's line_width and
// its pen style the frame's line_dash, both taken as the platform's values (width 0 or 1 one
// pixel; style 0 solid, 1 dashed, 2 dotted, 3 dash-dot). A line_dash outside 0..3 draws solid,
// a line_width outside 0..1 one pixel; the radius is clamped to 0..marker_size_limit.
void mark_circle(GraphFrame& frame, double x, double y, int radius, int colour);
// Diagonal cross of a pixel half-size around (x, y), in the frame's line_dash and line_width
// (as frame_line's codes, but one pixel wide); half clamped to 0..marker_size_limit.
void mark_cross(GraphFrame& frame, double x, double y, int half, int colour);
// Hollow circle whose radius r is in x-axis units: width * r / (x_max - x_min) truncated
// toward zero (the linear x span, also on a logarithmic x axis); then as mark_circle.
void value_circle(GraphFrame& frame, double x, double y, double r, int colour);
// value_circle, filled from its centre.
void value_disc(GraphFrame& frame, double x, double y, double r, int colour);
// Dots around (cx, cy) at every step degrees from 0 while below 360, in curve slot 7; cx, cy
// and r are value coordinates. A step that is not above 0 (or NaN) draws nothing; a step
// below dotted_circle_min_step degrees is taken as that step (36000 dots, closer than a pixel
// on any circle that fits the window).
constexpr double dotted_circle_min_step = 0.01;
void dotted_circle(GraphFrame& frame, double cx, double cy, double r, double step, int colour);
// Right-pointing arrow outside the plot area whose tip touches the left edge at the row
// map_y_linear(y).
void level_arrow(GraphFrame& frame, double y, int colour);
