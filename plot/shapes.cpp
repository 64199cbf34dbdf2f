// Lines, circles, crosses and arrows in value coordinates: the plotting operations beside the
// curves (reference lines, circles of a radius in axis units, dotted circles, level arrows).
#include <cmath>

#include "draw/primitives.h"
#include "plot/mapping.h"

namespace {

// The circle and the cross take the frame's codes as they stand; values the platform does not
// know draw solid and one pixel wide.
int platform_pen_style(const GraphFrame& frame) {
    return frame.line_dash >= 0 && frame.line_dash <= 3 ? frame.line_dash : 0;
}
int platform_pen_width(const GraphFrame& frame) {
    return frame.line_width == 1 ? 1 : 0;
}

int clamp_size(int size) {
    if (size < 0) return 0;
    return size > marker_size_limit ? marker_size_limit : size;
}

bool has_point(const GraphFrame& frame, double x, double y) {
    return has_position_x(frame, x) && has_position_y(frame, y);
}

// The pixel radius of r in x-axis units, truncated toward zero and clamped to the marker
// sizes; NaN gives 0.
int radius_in_pixels(const GraphFrame& frame, double r) {
    double pixels = std::trunc(frame.width * r / (frame.x_max - frame.x_min));
    if (std::isnan(pixels) || pixels <= 0.0) return 0;
    return pixels >= marker_size_limit ? marker_size_limit : static_cast<int>(pixels);
}

}  // namespace

void value_line(GraphFrame& frame, double x1, double y1, double x2, double y2, int colour) {
    if (!has_point(frame, x1, y1) || !has_point(frame, x2, y2)) return;
    frame_line(frame, map_x(frame, x1), map_y(frame, y1), map_x(frame, x2), map_y(frame, y2),
               colour);
}

void main_clipped_line(double x1, double y1, double x2, double y2, int colour) {
    clip_to_frame(main_graph);
    value_line(main_graph, x1, y1, x2, y2, colour);
    clip_to_window();
}

void mark_circle(GraphFrame& frame, double x, double y, int radius, int colour) {
    if (!has_point(frame, x, y)) return;
    draw_circle(map_x(frame, x), map_y(frame, y), clamp_size(radius), colour,
                platform_pen_width(frame), platform_pen_style(frame));
}

void mark_cross(GraphFrame& frame, double x, double y, int half, int colour) {
    if (!has_point(frame, x, y)) return;
    int c = map_x(frame, x);
    int r = map_y(frame, y);
    int s = clamp_size(half);
    int width_code = platform_pen_width(frame);
    int style_code = platform_pen_style(frame);
    styled_segment(c + s, r + s, c - s, r - s, colour, width_code, style_code);
    styled_segment(c + s, r - s, c - s, r + s, colour, width_code, style_code);
}

void value_circle(GraphFrame& frame, double x, double y, double r, int colour) {
    mark_circle(frame, x, y, radius_in_pixels(frame, r), colour);
}

void value_disc(GraphFrame& frame, double x, double y, double r, int colour) {
    if (!has_point(frame, x, y)) return;
    value_circle(frame, x, y, r, colour);
    flood_fill(map_x(frame, x), map_y(frame, y), colour, colour);
}

void dotted_circle(GraphFrame& frame, double cx, double cy, double r, double step, int colour) {
    if (!(step > 0.0)) return;
    if (step < dotted_circle_min_step) step = dotted_circle_min_step;
    constexpr int dot_slot = 7;
    // Each angle is a multiple of the step, so a step of 30 gives exactly 12 dots.
    for (int k = 0; k * step < 360.0; ++k) {
        double t = 6.2831854 * (k * step) / 360.0;
        pen_move(frame, cx + r * std::cos(t), cy + r * std::sin(t), colour, dot_slot);
    }
}

void level_arrow(GraphFrame& frame, double y, int colour) {
    if (std::isnan((y - frame.y_min) / (frame.y_max - frame.y_min))) return;
    int p = map_y_linear(frame, y);
    int left = frame.left;
    styled_segment(left, p, left - 14, p, colour, width_thin_too, line_solid);
    styled_segment(left, p, left - 5, p + 5, colour, width_thin_too, line_solid);
    styled_segment(left, p, left - 5, p - 5, colour, width_thin_too, line_solid);
    styled_segment(left - 5, p - 5, left - 8, p - 5, colour, width_thin_too, line_solid);
    styled_segment(left - 5, p + 5, left - 8, p + 5, colour, width_thin_too, line_solid);
}
