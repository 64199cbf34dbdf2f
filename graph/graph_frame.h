// One graph panel: value ranges, division counts, axis scale codes, frame style, pixel box,
// the pen state of 26 curve slots and the two axis captions.
#pragma once

// Axis scale codes.
constexpr int scale_divided = 0;
constexpr int scale_auto = 1;
constexpr int scale_degrees = 2;
constexpr int scale_log = 3;
constexpr int scale_complex = 4;
constexpr int scale_divided_square = 5;

// Frame style codes.
constexpr int style_paired = 0;
constexpr int style_single = 1;
constexpr int style_stage_strip = 2;
constexpr int style_time_division = 3;
constexpr int style_converter = 4;
constexpr int style_square = 5;

// Frame check codes.
constexpr int check_ok = 0;
constexpr int check_not_positive = 1;
constexpr int check_too_wide = 2;
constexpr int check_empty_range = 3;
constexpr int check_x_zero = 4;
constexpr int check_y_zero = 5;

constexpr int curve_slots = 26;
constexpr int caption_size = 40;
constexpr int stage_frame_count = 25;

struct GraphFrame {
    double x_min;
    double x_max;
    double y_min;
    double y_max;
    double x_divisions;
    double y_divisions;
    double start_x;
    double start_y;
    int x_scale;
    int y_scale;
    int frame_style;
    int left;
    int bottom;
    int width;
    int height;
    int pen_x[curve_slots];
    int pen_y[curve_slots];
    double last_value[curve_slots];
    int plot_style;
    int line_dash;
    int line_width;
    int marker_shape;
    int marker_size;
    char x_caption[caption_size];
    char y_caption[caption_size];
};

// The panel of every single-panel graph kind; zero at start.
extern GraphFrame main_graph;
// The two panels of the paired graph kinds; zero at start.
extern GraphFrame upper_graph;
extern GraphFrame lower_graph;
// The stage strips of graph kind 0; zero at start.
extern GraphFrame stage_graphs[stage_frame_count];

void set_frame_scales(GraphFrame& frame, int x_scale, int y_scale, int x_divisions,
                      int y_divisions, const char* x_caption, const char* y_caption);
void set_frame_ranges(GraphFrame& frame, double x_min, double x_max, double y_min, double y_max);
void layout_frames(int frame_style, GraphFrame& first, GraphFrame& second);
