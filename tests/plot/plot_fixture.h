// Shared set-up of the plot tests: every global the plot layer reads or writes back to zero,
// and small frames whose value units are whole pixels.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "bias/analysis_settings.h"
#include "graph/graph_frame.h"
#include "plot/sweep_globals.h"
#include "plot/traces.h"

inline void reset_plot_globals() {
    std::memset(&main_graph, 0, sizeof main_graph);
    std::memset(&upper_graph, 0, sizeof upper_graph);
    std::memset(&lower_graph, 0, sizeof lower_graph);
    std::memset(stage_graphs, 0, sizeof stage_graphs);
    std::memset(&analysis, 0, sizeof analysis);
    sweep_x = sweep_y = sweep_step = first_y = 0.0;
    curve_count = legend_count = graph_kind = 0;
    trace_count = 0;
    for (int m = 0; m < trace_capacity; ++m) {
        trace_value[m] = trace_scale[m] = trace_offset[m] = 0.0;
        trace_colour[m] = trace_marker_size[m] = trace_plot_style[m] = 0;
        trace_line_dash[m] = trace_line_width[m] = trace_marker_shape[m] = 0;
    }
}

// A frame whose values are pixels: x_min..x_max over `width` columns from `left`, y_min..y_max
// over `height` rows up from `bottom`; linear scales.
inline GraphFrame pixel_frame(int left, int bottom, int width, int height, double x_min,
                              double x_max, double y_min, double y_max) {
    GraphFrame f{};
    f.left = left;
    f.bottom = bottom;
    f.width = width;
    f.height = height;
    f.x_min = x_min;
    f.x_max = x_max;
    f.y_min = y_min;
    f.y_max = y_max;
    return f;
}

// Rows of a picture, for readable expectations.
using Picture = std::vector<std::string>;
