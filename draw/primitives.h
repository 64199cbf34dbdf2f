// The stateless drawing primitives. Each creates the pen or brush it needs, selects it into
// paint_dc, draws in the given mix mode, restores what it replaced and destroys what it
// created. Shapes given by two corners cover both corners.
#pragma once

#include "graph/graph_frame.h"

// Line style codes of styled_segment.
constexpr int line_solid = 0;
constexpr int line_dotted = 1;
constexpr int line_dashdot = 2;
constexpr int line_dashed = 3;

// Width codes of styled_segment.
constexpr int width_thin = 0;
constexpr int width_thin_too = 1;

void move_to(int x, int y);
void line_to(int x, int y, int colour, int width, int pen_style, int mix_mode);
void put_pixel(int x, int y, int colour, int mix_mode);
void draw_segment(int x1, int y1, int x2, int y2, int colour, int width, int pen_style,
                  int mix_mode);
void styled_segment(int x1, int y1, int x2, int y2, int colour, int width_code,
                    int line_style_code);
void draw_rect(int x1, int y1, int x2, int y2, int colour, int width, int pen_style);
void fill_rect(int x1, int y1, int x2, int y2, int colour);
void draw_ellipse(int cx, int cy, int rx, int ry, int colour, int width, int pen_style);
void draw_circle(int cx, int cy, int r, int colour, int width, int pen_style);
void flood_fill(int x, int y, int fill_colour, int border_colour);
void clear_window();
void clip_to_frame(const GraphFrame& frame);
void clip_to_window();
