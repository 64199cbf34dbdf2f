// Linear and degree axes: the step rules, the general grid with its tick labels, and the fixed
// grid of the time-division screen.
#include <climits>
#include <cmath>
#include <cstring>

#include "draw/primitives.h"
#include "draw/text.h"
#include "graph/axes.h"
#include "graph/format.h"

namespace {

constexpr int grid_colour = 0;

// nice_step accepts this many steps across the range: low <= n < high.
constexpr double step_window_low = 4.3;
constexpr double step_window_high = 8.6;
constexpr int step_divisors[] = {1, 2, 5};

// A value this close to the upper end (relative to |max|) counts as the end: solid line, and
// the last line the loop draws.
constexpr double end_tolerance = 0.0001;
// A grid line more than this many pixels beyond the panel's far edge is not drawn. Such lines
// arise only where the end band is wider than a step (bounds far from zero for their span).
constexpr double edge_slack = 1;
// Accumulated grid values closer to zero than this share of the step become exactly 0.
constexpr double x_zero_snap = 0.001;
constexpr double y_zero_snap = 0.0001;

// Degree snapping: right angles, then half turns for spans the right-angle steps cannot cover.
constexpr double right_angle = 90;
constexpr double half_turn = 180;
struct DegreeStep {
    double span_limit;
    double step;
};
constexpr DegreeStep degree_steps[] = {{180, 30}, {540, 90}, {1080, 180}, {1800, 360}};

// The x tick label's top left corner sits 8 columns left of its line on the bottom edge.
constexpr int x_label_shift = 8;
// The y tick label ends 7 columns left of the panel; its top is 13 rows above the line at min,
// 3 rows above at max, 8 rows above elsewhere (centred on the line).
constexpr int y_label_gap = 7;
constexpr double y_label_rise_at_min = 13;
constexpr double y_label_rise_at_max = 3;
constexpr double y_label_rise = 8;
constexpr int tick_label_size = 32;

// The time-division screen: 10 x 8 divisions, 5 ticks per division, ticks 4 pixels long.
constexpr int screen_x_half = 5;
constexpr int screen_y_half = 4;
constexpr int screen_x_divisions = 10;
constexpr int screen_y_divisions = 8;
constexpr int ticks_per_division = 5;
constexpr double tick_spacing = 0.2;  // of a division
constexpr int tick_half = 2;

// Truncates a pixel position toward zero; positions beyond any surface are held at +-1e9 so
// the conversion stays defined.
int pixel_of(double p) {
    constexpr double far = 1e9;
    if (!(p > -far)) return -static_cast<int>(far);
    if (p > far) return static_cast<int>(far);
    return static_cast<int>(p);
}

void grid_segment(int x1, int y1, int x2, int y2, bool solid) {
    styled_segment(x1, y1, x2, y2, grid_colour, width_thin, solid ? line_solid : line_dotted);
}

// One axis of a frame as the general grid sees it.
struct AxisView {
    bool is_x;
    double& min;
    double& max;
    double& divisions;
    int scale;
    int length;  // width or height
};

AxisView x_view(GraphFrame& f) {
    return {true, f.x_min, f.x_max, f.x_divisions, f.x_scale, f.width};
}
AxisView y_view(GraphFrame& f) {
    return {false, f.y_min, f.y_max, f.y_divisions, f.y_scale, f.height};
}

// The number of divisions a divided axis is cut into (see draw_linear_x_axis).
double division_count(double divisions, int length) {
    double count = std::fabs(divisions);
    if (std::isnan(count)) count = 1;
    if (length >= 1 && count > length) count = length;
    return count;
}

double axis_step(AxisView& axis) {
    switch (axis.scale) {
        case scale_degrees:
            return degree_step(axis.min, axis.max);
        case scale_divided:
        case scale_divided_square:
            if (axis.divisions == 0.0) axis.divisions = 1.0;
            return (axis.max - axis.min) / division_count(axis.divisions, axis.length);
        default:
            return nice_step(axis.min, axis.max);
    }
}

// The tick label of a y grid line, ending y_label_gap columns left of the panel.
void draw_y_tick_label(const GraphFrame& f, double p, double v, double min, double max,
                       char prefix) {
    char text[tick_label_size];
    format_tick_label(text, sizeof text, v, prefix);
    double rise = v == min ? y_label_rise_at_min : v == max ? y_label_rise_at_max : y_label_rise;
    int x = f.left - y_label_gap - text_byte_width * static_cast<int>(std::strlen(text));
    draw_text(x, pixel_of(p - rise), text, grid_colour, text_horizontal);
}

void draw_general_grid(GraphFrame& f, AxisView axis, char prefix) {
    const double step = axis_step(axis);
    const double min = axis.min;
    const double max = axis.max;
    const double end_band = end_tolerance * std::fabs(max);
    const double zero_snap = axis.is_x ? x_zero_snap : y_zero_snap;
    const int limit = grid_line_limit(axis.length);
    const bool movable = step > 0 && std::isfinite(step);

    double v = min;
    double p = axis.is_x ? f.left : f.bottom;
    for (int lines = 0;;) {
        bool solid = axis.scale == scale_complex
                         ? v == 0
                         : v == min || v == 0 || std::fabs(v - max) <= end_band;
        int at = pixel_of(p);
        if (axis.is_x) {
            grid_segment(at, f.bottom, at, frame_top(f), solid);
            draw_tick_label(at - x_label_shift, f.bottom, v, grid_colour, prefix);
        } else {
            grid_segment(f.left, at, frame_right(f), at, solid);
            draw_y_tick_label(f, p, v, min, max, prefix);
        }
        if (!movable || ++lines >= limit) break;
        const double next = v + step;
        if (next == v) break;  // the step is below the resolution of the bounds
        v = next;
        if (axis.is_x) {
            p = p + f.width * step / (max - min);
            if (p > frame_right(f) + edge_slack) break;
        } else {
            p = p - f.height * step / (max - min);
            if (p < frame_top(f) - edge_slack) break;
        }
        if (zero_snap * std::fabs(step) > std::fabs(v)) v = 0;
        if (!(v <= max + end_band)) break;
    }
}

// Eleven vertical lines at v = -5..5, and after each but the last five ticks on the centre row.
void draw_screen_x_grid(const GraphFrame& f) {
    const int middle = f.bottom - f.height / 2;
    double p = f.left;
    for (int v = -screen_x_half; v <= screen_x_half; ++v) {
        int at = pixel_of(p);
        grid_segment(at, f.bottom, at, frame_top(f),
                     v == -screen_x_half || v == 0 || v == screen_x_half);
        if (v < screen_x_half) {
            for (int i = 0; i < ticks_per_division; ++i) {
                int t = pixel_of(p + i * f.width * tick_spacing / screen_x_divisions);
                grid_segment(t, middle - tick_half, t, middle + tick_half, true);
            }
        }
        p += f.width / static_cast<double>(screen_x_divisions);
    }
}

// Nine horizontal lines at v = -4..4 from the bottom up, and after each but the bottom one five
// ticks on the centre column reaching down into the division below it.
void draw_screen_y_grid(const GraphFrame& f) {
    const int middle = f.left + f.width / 2;
    double p = f.bottom;
    for (int v = -screen_y_half; v <= screen_y_half; ++v) {
        int at = pixel_of(p);
        grid_segment(f.left, at, frame_right(f), at,
                     v == -screen_y_half || v == 0 || v == screen_y_half);
        if (v > -screen_y_half) {
            for (int i = 0; i < ticks_per_division; ++i) {
                int t = pixel_of(p + i * f.height * tick_spacing / screen_y_divisions);
                grid_segment(middle - tick_half, t, middle + tick_half, t, true);
            }
        }
        p -= f.height / static_cast<double>(screen_y_divisions);
    }
}

// The lower bound of the right-angle snapping: 0 for min >= 0, else the first of -q, -2q, ...
// that is not above min. Computed from the quotient and corrected by one multiple where the
// quotient rounded across a whole number, so it gives what stepping by q gives.
double snap_down(double min, double q) {
    if (min >= 0) return 0;
    if (std::isnan(min)) return -q;
    if (std::isinf(min)) return min;
    double k = std::ceil(-min / q);
    if (k < 1) k = 1;
    if (min < -k * q) {
        k += 1;
    } else if (k > 1 && min >= -(k - 1) * q) {
        k -= 1;
    }
    return -k * q;
}

// The upper bound: 0 for max <= 0, else the first of q, 2q, ... that is not below max.
double snap_up(double max, double q) {
    if (max <= 0) return 0;
    if (std::isnan(max)) return q;
    if (std::isinf(max)) return max;
    double k = std::ceil(max / q);
    if (k < 1) k = 1;
    if (max > k * q) {
        k += 1;
    } else if (k > 1 && max <= (k - 1) * q) {
        k -= 1;
    }
    return k * q;
}

}  // namespace

int grid_line_limit(int axis_length) {
    if (axis_length <= 0) return 2;
    return axis_length > INT_MAX - 2 ? INT_MAX : axis_length + 2;
}

double nice_step(double& min, double& max) {
    const double d = max - min;
    if (!(d > 0) || !std::isfinite(d)) return 0;
    double step = 0;
    for (int k : step_divisors) {
        step = k * std::pow(10.0, std::floor(std::log10(d / k)));
        double n = d / step;
        if (n >= step_window_low && n < step_window_high) break;
    }
    min = step * std::floor(min / step);
    max = step * std::ceil(max / step);
    return step;
}

double degree_step(double& min, double& max) {
    min = snap_down(min, right_angle);
    max = snap_up(max, right_angle);
    const double span = max - min;
    for (const DegreeStep& s : degree_steps) {
        if (span <= s.span_limit) return s.step;
    }
    min = snap_down(min, half_turn);
    max = snap_up(max, half_turn);
    return half_turn;
}

void draw_linear_x_axis(GraphFrame& frame, char x_prefix) {
    if (frame.frame_style == style_time_division) {
        draw_screen_x_grid(frame);
        return;
    }
    draw_general_grid(frame, x_view(frame), x_prefix);
}

void draw_linear_y_axis(GraphFrame& frame, char y_prefix) {
    if (frame.frame_style == style_time_division) {
        draw_screen_y_grid(frame);
        return;
    }
    draw_general_grid(frame, y_view(frame), y_prefix);
}
