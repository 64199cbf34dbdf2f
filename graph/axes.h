// Graduation of linear, degree and logarithmic axes.
//
// Every grid line and tick is a thin styled_segment in colour 0, solid or dotted; every tick
// label is written in colour 0, horizontally. Double pixel positions are truncated toward zero.
#pragma once

#include "graph/graph_frame.h"

// The most grid lines one axis of `axis_length` pixels gets: one per pixel and its two ends.
// Every grid loop stops there, whatever the range and step (a step too small to move the value
// at the size of the bounds, a huge division count).
int grid_line_limit(int axis_length);

// A step of 1, 2 or 5 times a power of ten that cuts max - min into 4.3 up to 8.6 steps (the
// divisor-5 step where none does, as for a span of 2), and widens min down and max up to whole
// multiples of it. A span that is not a positive finite number has no step: the bounds stay as
// they are and 0 is returned.
double nice_step(double& min, double& max);

// Snaps an angle range outward to multiples of 90 that include 0 and returns the grid step for
// the snapped span: 30 up to 180, 90 up to 540, 180 up to 1080, 360 up to 1800; a wider span is
// snapped once more to multiples of 180 and gets 180. The multiples are computed directly, not
// by stepping, so a range far from zero (1e9..1e9+100) takes as long as any other; a NaN bound
// snaps to -90 (min) or 90 (max), an infinite one stays infinite.
double degree_step(double& min, double& max);

// The vertical grid lines and tick labels of the x axis (x_prefix: the prefix letter the values
// are given in). By x_scale: scale_degrees snaps the range with degree_step; scale_divided and
// scale_divided_square keep it and cut it into x_divisions steps (a count of 0 is written back
// as 1.0; a negative count is taken by its magnitude, a NaN one as 1, and a count above the
// axis width in pixels as one division per pixel, none of these written back); every other code
// widens the range with nice_step. Lines run from `left` at min across the range, solid at min,
// at 0 and at max (within 0.0001 of |max|), dotted between; scale_complex draws only the line at
// 0 solid. A step that is not a positive finite number draws the first line only; the loop also
// stops when the step no longer moves the value, at a line more than one pixel beyond the
// panel's right edge (where the band of 0.0001 * |max| around max is wider than a step), and
// after grid_line_limit(width) lines.
// A style_time_division frame gets its fixed screen grid instead: eleven vertical lines and 50
// centre-row ticks, no labels, range unchanged.
void draw_linear_x_axis(GraphFrame& frame, char x_prefix);

// The horizontal grid lines and tick labels of the y axis, by y_scale and y_divisions as the x
// axis; labels end 7 columns left of the panel, 13 rows above their line at min, 3 rows above
// at max exactly, 8 rows above otherwise. A style_time_division frame gets nine horizontal
// lines and 40 centre-column ticks, no labels.
void draw_linear_y_axis(GraphFrame& frame, char y_prefix);

// The logarithmic x axis: widens the range to whole decades (min down, max up), then draws a
// solid line and a tick label at each decade and dotted lines at 2..9 times each decade but
// the last. The decade count is the difference of the two powers of ten; where both bounds
// widen to the same power of ten the axis gets one decade more at the top, so the range never
// collapses. Decades are kept to the powers of ten a double holds (1e-323..1e308). An axis
// whose bounds are not both finite and above zero is neither widened nor drawn.
void draw_log_x_axis(GraphFrame& frame, char x_prefix);

// The logarithmic y axis, as the x axis; labels end 4 columns left of the panel.
void draw_log_y_axis(GraphFrame& frame, char y_prefix);
