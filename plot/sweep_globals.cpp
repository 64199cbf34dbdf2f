// The globals a sweep shares with its callback, with the plot entry and with the legends.
#include "plot/sweep_globals.h"

// Written by every sweep before each callback call; read by the callbacks (the models).
double sweep_x = 0.0;
// Written by sweep_linear, sweep_there_and_back and sweep_traces right after each callback.
double sweep_y = 0.0;
// Written by sweep_linear, sweep_traces and sweep_overlay once per sweep.
double sweep_step = 0.0;
// Counted up by the plot entries after every curve; set back to 0 by end_run.
int curve_count = 0;
// Counted up by the legend rows; set back to 0 by end_run.
int legend_count = 0;
// Written by the run before its first curve; read by draw_cell_text.
int graph_kind = 0;
// Written by sweep_traces at the first sample of each multi-trace sweep.
double first_y = 0.0;
