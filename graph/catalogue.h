// The graph-kind catalogue and the axis caption tables.
#pragma once

#include "bias/analysis_settings.h"
#include "graph/graph_frame.h"

constexpr int axis_label_count = 18;
constexpr int last_graph_kind = 138;

// The caption tables: entry m is the x and the y caption of caption index m. Entry 0 is
// rewritten with the run's x_label and y_label by every set-up of a kind 1..3 or 10..15 and
// keeps them for later set-ups; the other entries never change.
extern char x_axis_labels[axis_label_count][caption_size];
extern char y_axis_labels[axis_label_count][caption_size];

// Sets up the panels of the graph kind from the settings and draws their frame.
// First each x-range override that is exactly 0.0 takes its sweep bound (time_x_* the time_*,
// freq_x_* the freq_*, transfer_x_* the sweep_*); last, whatever the kind, all six are set back
// to 0.0, so an explicit x range holds for one set-up only.
// Kinds 1..96 set up main_graph, 97..138 upper_graph and lower_graph (captions m and m + 1, the
// frequency range on both), by the catalogue row of the kind; the run's captions are copied
// into entry 0 of the caption tables (bounded to the caption field) for kinds 1..3 and 10..15.
// The settings' division counts go to the kinds with divided axes (1, 2, 5, 10..15); every
// other kind gets the counts 0, which its scales do not read. Kind 0 is setup_stage_frames.
// The kinds without a catalogue row (16, 73, 79, 87, 88, 93..95) and numbers outside 0..138
// have no panels, captions or ranges to show: they set up and draw nothing, and every frame
// keeps what it held. A null title counts as empty.
void setup_graph(int kind, AnalysisSettings& settings, const char* title);

// Sets up the stage strips of graph kind 0: n = stage_count strips of h = 384 / n rows each,
// stacked downward from row 24 (strip i: columns 64..464, bottom h * (i + 1) + 24, style
// style_stage_strip, scales 1 and 1 with the settings' division counts, captions 1, x range
// sweep_from..sweep_to, y range stage_y_min[i]..stage_y_max[i]); draws each strip's baseline
// across its middle row and its axis at column 64, then the title from column 264 at row 4 and
// "Time  [s]" under the last strip. No layout, validation, grid, date stamp or pen reset.
// A stage_count below 1 draws one strip and one above 25 draws 25: there are 25 strip records
// and 25 stage ranges, and the caption row needs a last strip. A null title counts as empty.
void setup_stage_frames(AnalysisSettings& settings, const char* title);
