// Value-to-pixel mapping inside a frame and the per-slot pen primitives.
#pragma once

#include "graph/graph_frame.h"

int map_x(const GraphFrame& frame, double x);
int map_y(const GraphFrame& frame, double y);
int map_y_linear(const GraphFrame& frame, double y);

void pen_move(GraphFrame& frame, double x, double y, int colour, int slot);
void frame_line(GraphFrame& frame, int column1, int row1, int column2, int row2, int colour);
void pen_line_to(GraphFrame& frame, double x, double y, int colour, int slot);
void pen_move_slot0(GraphFrame& frame, double x, double y, int colour);

void connect_line(GraphFrame& frame, double x_start, double x, double y, int colour, int slot);
void connect_step(GraphFrame& frame, double x_start, double x, double y, int colour, int slot);
void connect_dashed(GraphFrame& frame, double x_start, double x, double y, int colour, int slot);
void connect_from_start(GraphFrame& frame, double x_start, double y_start, double x, double y,
                        int colour, int slot);
void connect_stem(GraphFrame& frame, double x_start, double x, double y, int colour, int slot);

void value_line(GraphFrame& frame, double x1, double y1, double x2, double y2, int colour);
void main_clipped_line(double x1, double y1, double x2, double y2, int colour);
void mark_circle(GraphFrame& frame, double x, double y, int radius, int colour);
void mark_cross(GraphFrame& frame, double x, double y, int half, int colour);
void value_circle(GraphFrame& frame, double x, double y, double r, int colour);
void value_disc(GraphFrame& frame, double x, double y, double r, int colour);
void dotted_circle(GraphFrame& frame, double cx, double cy, double r, double step, int colour);
void level_arrow(GraphFrame& frame, double y, int colour);
