// The rules every sweep shares: the decimation of drawn samples, the sample index, and the
// bound that ends every sweep in a known number of samples.
#pragma once

#include <cstdint>

// How many samples share one drawn sample: sample_count / panel_width truncated, at least 1;
// a panel width of 0 or below (a panel not laid out) gives 1.
int decimation(int sample_count, int panel_width);

// The panel width that decimation divides by for a graph kind: upper_graph's width for the
// two-panel kinds 97..138 (both panels have the same width), main_graph's for every other.
int decimation_width(int kind);

// (x - from) / step truncated toward zero, computed from the accumulated abscissa; 0 where
// the quotient is not a number (a zero step), clamped into the range of std::int64_t.
std::int64_t sample_index(double x, double from, double step);

// Whether a sample of the index is drawn with decimation d.
bool drawn_sample(std::int64_t index, int d);

// The most samples a sweep of sample_count steps takes: the steps, the end itself and one
// more for an end reached a little early by the accumulated rounding. A sweep also ends when
// its step no longer moves the abscissa (x + step == x): the range 0.4..0.4, or a step below
// the abscissa's precision, gives one sample.
std::int64_t sample_bound(int sample_count);
