// The settings and result record of a run.
#pragma once

constexpr int stage_range_count = 25;
constexpr int label_size = 40;
constexpr int title_size = 53;
constexpr int subtitle_size = 71;

struct AnalysisSettings {
    double time_from;
    double time_to;
    double freq_from;
    double freq_to;
    double sweep_from;
    double sweep_to;
    double stage_y_min[stage_range_count];
    double stage_y_max[stage_range_count];
    int time_count;
    int sample_count;
    double time_x_min;
    double time_x_max;
    double freq_x_min;
    double freq_x_max;
    double time_y_min;
    double time_y_max;
    double magnitude_y_min;
    double magnitude_y_max;
    double phase_y_min;
    double phase_y_max;
    double real_min;
    double real_max;
    double imag_min;
    double imag_max;
    double transfer_x_min;
    double transfer_x_max;
    double transfer_y_min;
    double transfer_y_max;
    double resistance_y_min;
    double resistance_y_max;
    double reactance_y_min;
    double reactance_y_max;
    double delay_y_min;
    double delay_y_max;
    int x_divisions;
    int y_divisions;
    double first_x;
    double first_value;
    char x_label[label_size];
    char y_label[label_size];
    double overlay_offset;
    int colour;
    int stage_count;
    int panel;
    int plot_style;
    int line_dash;
    int line_width;
    int marker_shape;
    int marker_size;
    char title[title_size];
    char subtitle[subtitle_size];
};

// The one settings record of the program; zero at start.
extern AnalysisSettings analysis;

// A newly allocated, zero-filled record owned by the caller (free it with delete).
AnalysisSettings* new_settings();
