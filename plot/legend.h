// Legends beside a panel, the curve caption inside it, and the end of a run.
//
// A legend stands to the right of its panel (upper_graph for graph kinds 97 and above,
// main_graph for all others), on a grid of 16-pixel rows counted down from the panel's top
// edge T; R is the panel's right edge. Headers are written only while legend_count is 0.
// A null text pointer counts as an empty text.
#pragma once

// Holds the "%d" text of legend_int_row.
extern char legend_text[16];

// One number row: while legend_count is 0 the header at (R + 10, T + 16 * base_row) and the
// unit at (R + 14, T + 16 * (base_row + 1)), both black; then the value in engineering
// notation (mantissa and prefix letter: "%#3.2f%c" for mantissas 0.1..10, "%#3.1f%c" for
// 10..100, "%3.0f%c" for 100..1000, "%g%c" for any other, so 0 and negatives) at
// x = R + 16, y = T + 16 * (base_row + row + 1) in the colour, on a white box from (x, y + 1)
// to (x + 8n, y + 15). An infinite or NaN value is written as "%g" with a blank letter
// ("inf ", "nan "). Counts the row in legend_count.
void legend_value_row(int kind, int base_row, int row, const char* header, const char* unit,
                      double value, int colour);
// As legend_value_row with an integer value written by "%d" into legend_text, no prefix
// scaling, and the unit of the header at (R + 10, T + 16 * (base_row + 1)).
void legend_int_row(int kind, int base_row, int row, const char* header, const char* unit,
                    int value, int colour);
// A header line (while legend_count is 0) at (R + 10, T + 16 * row) and a text line at
// (R + 14, T + 16 * (row + offset)), both in the colour and without a box. Counts the row.
void legend_text_row(int kind, int row, int offset, const char* header, const char* row_text,
                     int colour);
// A text in a white box at a cell of the 8 x 16 pixel grid inside the legend panel of the
// global graph_kind: with x0 = left + 8 * column, y0 = T + 16 * row - 8 the box covers
// (x0 + 1, y0 + 1)..(x0 + 8n - 2, y0 + 15) and the text starts at (x0 + 2, y0). legend_count
// is not changed.
void draw_cell_text(int column, int row, const char* text, int colour);
// The caption at the top right corner inside a panel: upper_graph for kinds 97..138 and
// stage_graphs[0] for kind 0 with R = left + width, main_graph for every other kind with
// R = left + width - 6. With w = 8n (3 for an empty text) and x = R - w - 4, y = T + 1: a
// white box from (x, y + 1) to (x + w, y + 15) and the text at (x, y).
void draw_curve_caption(int kind, const char* text, int colour);
// Ends a run: one bell on the standard error stream, legend_count and curve_count back to 0,
// so that the next paint draws the frame and the legend headers again.
void end_run();
