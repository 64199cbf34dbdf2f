// The markers drawn at routed samples: ten shapes around the sample's pixel.
#include "draw/primitives.h"
#include "plot/mapping.h"
#include "plot/routing.h"

namespace {

// Marker shape numbers.
constexpr int marker_circle = 0;
constexpr int marker_cross = 1;
constexpr int marker_triangle = 2;
constexpr int marker_square = 3;
constexpr int marker_cross_bar = 4;
constexpr int marker_star = 5;
constexpr int marker_plus = 6;
constexpr int marker_filled_square = 7;
constexpr int marker_filled_circle = 8;
constexpr int marker_filled_triangle = 9;

void diagonals(GraphFrame& f, int c, int r, int s, int colour) {
    frame_line(f, c + s, r + s, c - s, r - s, colour);
    frame_line(f, c + s, r - s, c - s, r + s, colour);
}

// Point down: the apex below the sample, the flat side above it.
void triangle(GraphFrame& f, int c, int r, int s, int colour) {
    frame_line(f, c, r + s, c + s, r - s, colour);
    frame_line(f, c + s, r - s, c - s, r - s, colour);
    frame_line(f, c - s, r - s, c, r + s, colour);
}

void square(GraphFrame& f, int c, int r, int s, int colour) {
    frame_line(f, c - s, r - s, c + s, r - s, colour);
    frame_line(f, c + s, r - s, c + s, r + s, colour);
    frame_line(f, c + s, r + s, c - s, r + s, colour);
    frame_line(f, c - s, r + s, c - s, r - s, colour);
}

void horizontal_bar(GraphFrame& f, int c, int r, int s, int colour) {
    frame_line(f, c - s, r, c + s, r, colour);
}

void vertical_bar(GraphFrame& f, int c, int r, int s, int colour) {
    frame_line(f, c, r + s, c, r - s, colour);
}

}  // namespace

void draw_marker(GraphFrame& frame, double x, double y, int colour) {
    // The circle takes its pen from the style the frame had before the marker.
    int dash_before = frame.line_dash;
    int width_before = frame.line_width;
    frame.line_dash = 0;
    frame.line_width = 0;
    if (!has_position_x(frame, x) || !has_position_y(frame, y)) return;

    int c = map_x(frame, x);
    int r = map_y(frame, y);
    int s = frame.marker_size;
    if (s < 0) s = 0;
    if (s > marker_size_limit) s = marker_size_limit;

    switch (frame.marker_shape) {
        case marker_circle:
        case marker_filled_circle:
            draw_circle(c, r, s, colour, width_before == 1 ? 1 : 0,
                        dash_before >= 0 && dash_before <= 3 ? dash_before : 0);
            break;
        case marker_cross:
            diagonals(frame, c, r, s, colour);
            break;
        case marker_triangle:
        case marker_filled_triangle:
            triangle(frame, c, r, s, colour);
            break;
        case marker_square:
        case marker_filled_square:
            square(frame, c, r, s, colour);
            break;
        case marker_cross_bar:
            diagonals(frame, c, r, s, colour);
            horizontal_bar(frame, c, r, s, colour);
            break;
        case marker_star:
            diagonals(frame, c, r, s, colour);
            vertical_bar(frame, c, r, s, colour);
            horizontal_bar(frame, c, r, s, colour);
            break;
        case marker_plus:
            vertical_bar(frame, c, r, s, colour);
            horizontal_bar(frame, c, r, s, colour);
            break;
        default:
            return;
    }
    if (frame.marker_shape == marker_filled_square || frame.marker_shape == marker_filled_circle ||
        frame.marker_shape == marker_filled_triangle) {
        flood_fill(c, r, colour, colour);
    }
}
