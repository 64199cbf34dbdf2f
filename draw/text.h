// Text output: every text of the window is written here, in one font whose cells are 16
// pixels high and 8 pixels wide per Shift-JIS byte.
#pragma once

constexpr int text_horizontal = 0;
constexpr int text_vertical = 1;

constexpr int text_cell_height = 16;
constexpr int text_byte_width = 8;

// Writes the zero-ended Shift-JIS text on paint_dc in colour number `colour`.
// - direction 0: (x, y) is the top-left corner of the first cell; n bytes cover columns
//   x..x+8n-1 and rows y..y+15.
// - direction 1: (x, y) is the start of the baseline; the line is turned a quarter turn
//   counter-clockwise and runs upward, byte k in rows y-8k-8..y-8k-1, the characters standing
//   in columns x-14..x-1 with their descent in x..x+1; row y is not touched.
// Only the character shapes are painted (transparent background), honouring the clip; the
// font, the text colour, the alignment and the transparent mode are left set in paint_dc, the
// font created for the call is destroyed again.
// A null text, or no paint_dc, draws nothing. A direction other than 0 and 1 writes the text
// horizontally. A colour number outside 0..15 writes in black.
void text_out(int x, int y, const char* text, int colour, int direction);

// The same as text_out; every caller of the system writes through this.
void draw_text(int x, int y, const char* text, int colour, int direction);

// text_out with x moved 4 pixels left per byte, so that a horizontal text is centred on x.
// The shift is computed without overflow and held to the range of int.
void draw_text_centred(int x, int y, const char* text, int colour, int direction);
