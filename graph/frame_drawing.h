// Validation and drawing of graph frames: axes, captions, title and build-date stamp.
//
// Every text here is written in colour 0; the box behind a paired panel's x caption is filled
// in colour 7, the background.
#pragma once

#include "graph/graph_frame.h"

// The widest snapped degree range that is graduated: eleven half turns, the most a range of at
// most 1800 degrees that reaches 0 snaps to (-5..1790 gives -180..1800).
constexpr double degree_snapped_span_limit = 1980;

// Validates the frame and draws its x axis, its y axis and its captions; returns a frame check
// code. In this order: x_min and x_max both exactly 0 gives check_x_zero, then the same for y
// gives check_y_zero (whatever the scale codes); then each axis, x first, by its scale code:
// - scale_divided, scale_auto, scale_complex, scale_divided_square: max - min <= 0 gives
//   check_empty_range;
// - scale_degrees: |max - min| > 1800 gives check_too_wide, then max - min <= 0
//   check_empty_range, then a range whose snapped span (degree_step) exceeds
//   degree_snapped_span_limit check_too_wide, so a range far from 0 is not graduated over the
//   whole way to 0;
// - scale_log: max <= 0, then min <= 0 gives check_not_positive, then max - min <= 0
//   check_empty_range;
// - and on all of these a bound, or the difference of the bounds, that is NaN or infinite gives
//   check_empty_range (NaN passes every comparison above);
// - any other code: the axis is neither tested nor drawn.
// The x axis is drawn (and its range widened) before the y axis is tested. Captions by
// frame_style: style_time_division the two per-division texts; style_paired the x caption in
// the panel's lower right corner on a background box; every other style the x caption centred
// under the panel (the place of style_single); the y caption runs upward, centred on the middle
// row, 48 columns left of the panel; style_converter adds "(MSB)" and "(LSB)".
int draw_frame_axes(GraphFrame& frame, char x_prefix, char y_prefix);

// Lays out and draws the frame(s) of one graph: layout_frames, then draw_frame_axes on `first`
// (style_single, style_time_division, style_converter) or on `first` and then `second`
// (style_paired); the first failing check is reported with report_error and ends the drawing,
// with no further panel, title, date stamp or pen reset. Every other style is neither validated
// nor graduated. Then the title, centred 20 rows above the first panel; the date stamp 8 columns
// right of the lower panel 30 rows below it (style_paired) or 8 columns right of the first panel
// 54 rows below it (every other style, style_square included); and every curve slot's pen of
// `first` put at its bottom left corner. A null title counts as empty.
void draw_graph_frames(int frame_style, GraphFrame& first, GraphFrame& second, const char* title);

// Validates and draws the global frames again, without layout, title, date stamp or pen reset:
// main_graph when its frame_style is style_single, then upper_graph and lower_graph when a
// paired graph has been laid out (upper_graph's frame_style is style_paired and it has a pixel
// box, which the zero record at start has not). Reports the first failing check and stops.
void redraw_frames();
