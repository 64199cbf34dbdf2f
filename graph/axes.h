// Graduation of linear, degree and logarithmic axes.
#pragma once

#include "graph/graph_frame.h"

double nice_step(double& min, double& max);
double degree_step(double& min, double& max);
void draw_linear_x_axis(GraphFrame& frame, char x_prefix);
void draw_linear_y_axis(GraphFrame& frame, char y_prefix);
void draw_log_x_axis(GraphFrame& frame, char x_prefix);
void draw_log_y_axis(GraphFrame& frame, char y_prefix);
