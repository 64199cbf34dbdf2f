// The graph-kind catalogue as data: one row per run of kinds that share their panels, frame
// style, scale codes, caption indexes and range sources.
#pragma once

#include "bias/analysis_settings.h"

// Where a panel's captions come from.
constexpr int captions_from_table = 0;  // caption index m of the caption tables
constexpr int captions_copied = 1;      // the run's x_label and y_label, copied into entry 0
constexpr int captions_kept = 2;        // entry 0 as it stands (the last copied captions)

// Range sources: a pair of settings fields.
constexpr int range_none = 0;  // no range: the single-panel rows' lower panel
constexpr int range_transfer_x = 1;
constexpr int range_time_x = 2;
constexpr int range_freq_x = 3;
constexpr int range_real = 4;
constexpr int range_transfer_y = 5;
constexpr int range_time_y = 6;
constexpr int range_magnitude_y = 7;
constexpr int range_phase_y = 8;
constexpr int range_imag = 9;
constexpr int range_resistance_y = 10;
constexpr int range_reactance_y = 11;
constexpr int range_delay_y = 12;
constexpr int range_source_count = 13;

// A scale code or caption index of a panel that does not exist.
constexpr int no_panel = -1;

struct CatalogueRow {
    int first_kind;
    int last_kind;
    int frame_style;
    int x_scale;
    int y_scale;
    int lower_y_scale;  // no_panel for single-panel kinds
    int caption;        // caption index m
    int lower_caption;  // the lower panel's caption index, no_panel for single-panel kinds
    int caption_source;
    int x_range;
    int y_range;
    int lower_y_range;  // range_none for single-panel kinds
};

// The row of a graph kind; null for kind 0 (the stage strips), for the kinds without a row
// (16, 73, 79, 87, 88, 93..95) and for any number outside 1..138.
const CatalogueRow* find_catalogue_row(int kind);

// The minimum and maximum of a range source in the settings; 0.0 for range_none or an unknown
// source.
double range_min(const AnalysisSettings& settings, int source);
double range_max(const AnalysisSettings& settings, int source);
