// The globals a sweep shares with its callback and with the legends.
#pragma once

#include <climits>

// A sweep callback: the ordinate at the abscissa sweep_x.
using Callback = double (*)();

// The abscissa of the sample being computed; written by the sweeps before each callback call.
extern double sweep_x;
// The callback's last value; written by the sweeps right after each callback call.
extern double sweep_y;
// The abscissa step of the latest linear or multi-trace sweep.
extern double sweep_step;
// Curves plotted since the last end_run; the plot entry draws the frame only while it is 0.
extern int curve_count;
// Legend rows written since the last end_run; headers are written only while it is 0.
extern int legend_count;
// The graph kind of the run; also read by the cell texts of the legends.
extern int graph_kind;
// sweep_y at the first sample of the latest multi-trace sweep.
extern double first_y;

// Counts one more curve or legend row: the counters stop at INT_MAX rather than overflow, since
// a callback may have written any value into them.
inline void count_one(int& counter) {
    if (counter < INT_MAX) ++counter;
}
