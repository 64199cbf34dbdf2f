// Text output: every text of the window is written here, in one font whose cells are 16
// pixels high and 8 pixels wide per Shift-JIS byte.
#pragma once

constexpr int text_horizontal = 0;
constexpr int text_vertical = 1;

constexpr int text_cell_height = 16;
constexpr int text_byte_width = 8;

void text_out(int x, int y, const char* text, int colour, int direction);
void draw_text(int x, int y, const char* text, int colour, int direction);
void draw_text_centred(int x, int y, const char* text, int colour, int direction);
