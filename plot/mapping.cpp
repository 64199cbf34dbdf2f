// Value-to-pixel mapping inside a frame's plot area.
//
// The mapping is evaluated afresh on every call from the range the frame holds at the time,
// that is, after the frame has been drawn, the range as the axis drawing widened it. Nothing
// is cached in the frame.
#include "plot/mapping.h"

#include <cmath>

namespace {

// The fraction of the axis range at which v lies: 0 at lo, 1 at hi. On a logarithmic axis
// the fraction of log10 values; a value of zero or below lies at minus infinity there. NaN
// where the fraction is undefined (a NaN value, 0 / 0 on an empty range).
double axis_fraction(double v, double lo, double hi, bool logarithmic) {
    if (std::isnan(v)) return v;
    if (logarithmic) {
        double log_v = v > 0.0 ? std::log10(v) : -HUGE_VAL;
        return (log_v - std::log10(lo)) / (std::log10(hi) - std::log10(lo));
    }
    return (v - lo) / (hi - lo);
}

double column_position(const GraphFrame& frame, double x) {
    double f = axis_fraction(x, frame.x_min, frame.x_max, frame.x_scale == scale_log);
    return frame.left + std::floor(frame.width * f + 0.5);
}

double row_position(const GraphFrame& frame, double y) {
    double f = axis_fraction(y, frame.y_min, frame.y_max, frame.y_scale == scale_log);
    return frame.bottom - std::floor(frame.height * f + 0.5);
}

}  // namespace

int clamp_pixel(double position) {
    if (std::isnan(position) || position <= -pixel_limit) return -pixel_limit;
    if (position >= pixel_limit) return pixel_limit;
    return static_cast<int>(position);
}

int map_x(const GraphFrame& frame, double x) {
    return clamp_pixel(column_position(frame, x));
}

int map_y(const GraphFrame& frame, double y) {
    return clamp_pixel(row_position(frame, y));
}

int map_y_linear(const GraphFrame& frame, double y) {
    double f = axis_fraction(y, frame.y_min, frame.y_max, false);
    return clamp_pixel(std::floor(frame.bottom - frame.height * f + 0.5));
}

bool has_position_x(const GraphFrame& frame, double x) {
    return !std::isnan(column_position(frame, x));
}

bool has_position_y(const GraphFrame& frame, double y) {
    return !std::isnan(row_position(frame, y));
}

bool point_pixel(const GraphFrame& frame, double x, double y, int& column, int& row) {
    const double column_at = column_position(frame, x);
    if (std::isnan(column_at)) return false;
    const double row_at = row_position(frame, y);
    if (std::isnan(row_at)) return false;
    column = clamp_pixel(column_at);
    row = clamp_pixel(row_at);
    return true;
}
