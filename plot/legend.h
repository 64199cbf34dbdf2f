// Legends beside a panel, the curve caption inside it, and the end of a run.
#pragma once

// Holds the "%d" text of legend_int_row.
extern char legend_text[16];

void legend_value_row(int kind, int base_row, int row, const char* header, const char* unit,
                      double value, int colour);
void legend_int_row(int kind, int base_row, int row, const char* header, const char* unit,
                    int value, int colour);
void legend_text_row(int kind, int row, int offset, const char* header, const char* row_text,
                     int colour);
void draw_cell_text(int column, int row, const char* text, int colour);
void draw_curve_caption(int kind, const char* text, int colour);
void end_run();
