// The plot entry and the curve sweeps.
//
// Every sweep steps its abscissa from sweep_from by (sweep_to - sweep_from) / sample_count
// (or by a ratio, sweep_log) while it is at most sweep_to, and calls the callback once per
// sample with the abscissa published in sweep_x. Limits shared by all sweeps:
// - a sample_count of 0 or below gives no sweep: the callback is not called, nothing is drawn
//   and the sweep globals keep their values;
// - sweep_to below sweep_from, or a NaN bound, gives no sample; sweep_from equal to sweep_to
//   gives one sample;
// - a sweep takes at most sample_count + 2 samples and ends when the step no longer moves the
//   abscissa, so it always ends after a known number of callback calls;
// - a callback value that is NaN is not drawn (the curve joins the samples around it);
//   infinities and huge values map to pixels far outside the panel, which the clip cuts.
#pragma once

#include "bias/analysis_settings.h"
#include "plot/sweep_globals.h"

// plot_curve_with(kind, callback, settings, settings.colour, settings.title), the title taken
// within its field: at most 52 bytes, cut at the last whole character (copy_sjis_text), so a
// title that fills all 53 bytes without a terminator is read no further.
void plot_curve(int kind, Callback callback, AnalysisSettings& settings);
// Plots one curve: stores the colour in settings.colour; while curve_count is 0 sets up and
// draws the graph of the kind (setup_graph, the frame is drawn for the first curve only);
// sweeps by kind (3, 4 sweep_there_and_back; 0, 2, 5, 11, 13 sweep_traces; 6, 7, 9 sweep_log;
// every other kind, negative numbers included, sweep_linear); writes settings.subtitle as the
// curve caption in magenta (within its field: at most 70 bytes, cut at the last whole
// character); counts the curve in curve_count, which stops at INT_MAX. `title` is a terminated
// text (null counts as empty).
void plot_curve_with(int kind, Callback callback, AnalysisSettings& settings, int colour,
                     const char* title);
// Linear sweep in curve slot 0, samples routed by route_sample. Writes sweep_step, sweep_x
// before and sweep_y after each callback call, and settings.first_value at the sample whose
// abscissa equals sweep_from exactly (before it is routed). Draws every d-th sample by its
// index (x - sweep_from) / step, with d = sample_count / panel width (decimation_width), at
// least 1. After the sweep sweep_x holds the first abscissa beyond sweep_to (the last one
// sampled when the step could not move it).
void sweep_linear(int kind, Callback callback, AnalysisSettings& settings, int colour);
// Forward sweep in slot 0 starting at sweep_from, and for kind 3 a backward sweep in slot 1
// from sweep_to exactly down to sweep_from, each sample joined by connect_line on main_graph
// clipped to its plot area; no decimation. Publishes each abscissa in sweep_x before the
// callback call and writes sweep_y after it; first_value and sweep_step are not touched.
void sweep_there_and_back(int kind, Callback callback, AnalysisSettings& settings, int colour);
// Geometric sweep (kinds 6, 7, 9): the abscissa runs from sweep_from, multiplied by
// 10^(log10(sweep_to / sweep_from) / sample_count), while at most sweep_to; each value is
// joined by connect_line in slot 0 on main_graph, clipped to its plot area; the value goes to
// the mapping unchanged, whose logarithmic y axis (kinds 6 and 9) takes its logarithm. A
// sweep_from that is not above 0 or a ratio that is not above 1 (sweep_to not above
// sweep_from) gives no sweep. Publishes each abscissa in sweep_x before the callback call;
// sweep_y, sweep_step and first_value are not touched.
void sweep_log(int kind, Callback callback, AnalysisSettings& settings, int colour);
