// The pen primitives and the connect operations: curves drawn sample by sample, each curve
// slot of a frame with its own pen position.
#include "draw/primitives.h"
#include "platform/gdi.h"
#include "plot/mapping.h"

namespace {

// line_dash code -> the platform's pen style; an unknown code draws solid.
int pen_style_of_dash(int line_dash) {
    switch (line_dash) {
        case 1:
            return gdi::ps_dot;
        case 2:
            return gdi::ps_dashdot;
        case 3:
            return gdi::ps_dash;
        default:
            return gdi::ps_solid;
    }
}

// line_width code -> pen width in pixels: 1 is the thick pen, anything else one pixel.
int pen_width_of_code(int line_width) {
    return line_width == 1 ? 2 : 1;
}

bool has_point(const GraphFrame& frame, double x, double y) {
    return has_position_x(frame, x) && has_position_y(frame, y);
}

}  // namespace

void pen_move(GraphFrame& frame, double x, double y, int colour, int slot) {
    int column = 0;
    int row = 0;
    if (!is_curve_slot(slot) || !point_pixel(frame, x, y, column, row)) return;
    frame.pen_x[slot] = column;
    frame.pen_y[slot] = row;
    put_pixel(column, row, colour, gdi::r2_copypen);
}

void frame_line(GraphFrame& frame, int column1, int row1, int column2, int row2, int colour) {
    draw_segment(column1, row1, column2, row2, colour, pen_width_of_code(frame.line_width),
                 pen_style_of_dash(frame.line_dash), gdi::r2_copypen);
}

void pen_line_to(GraphFrame& frame, double x, double y, int colour, int slot) {
    int column = 0;
    int row = 0;
    if (!is_curve_slot(slot) || !point_pixel(frame, x, y, column, row)) return;
    pen_line_to_pixel(frame, column, row, colour, slot);
}

void pen_line_to_pixel(GraphFrame& frame, int column, int row, int colour, int slot) {
    if (!is_curve_slot(slot)) return;
    frame_line(frame, frame.pen_x[slot], frame.pen_y[slot], column, row, colour);
    frame.pen_x[slot] = column;
    frame.pen_y[slot] = row;
}

void pen_move_slot0(GraphFrame& frame, double x, double y, int colour) {
    pen_move(frame, x, y, colour, 0);
}

void connect_line(GraphFrame& frame, double x_start, double x, double y, int colour, int slot) {
    if (x == x_start) pen_move(frame, x, y, colour, slot);
    pen_line_to(frame, x, y, colour, slot);
}

void connect_step(GraphFrame& frame, double x_start, double x, double y, int colour, int slot) {
    // A sample without a pixel is left out whole, so the staircase goes on at its last level.
    if (!is_curve_slot(slot) || !has_point(frame, x, y)) return;
    if (x == x_start) {
        pen_move(frame, x, y, colour, slot);
        frame.last_value[slot] = y;
    }
    // The horizontal run at the previous level, then the rise (or fall) to the new one.
    pen_line_to(frame, x, frame.last_value[slot], colour, slot);
    pen_line_to(frame, x, y, colour, slot);
    frame.last_value[slot] = y;
}

void connect_dashed(GraphFrame& frame, double x_start, double x, double y, int colour, int slot) {
    if (!is_curve_slot(slot)) return;
    if (x == x_start) pen_move(frame, x, y, colour, slot);
    if (!has_point(frame, x, y)) return;
    // Thin and dashed whatever the frame's line_dash and line_width say.
    styled_segment(frame.pen_x[slot], frame.pen_y[slot], map_x(frame, x), map_y(frame, y), colour,
                   width_thin, line_dashed);
    pen_move(frame, x, y, colour, slot);
}

void connect_from_start(GraphFrame& frame, double x_start, double y_start, double x, double y,
                        int colour, int slot) {
    // The first sample is joined to the start point by a vertical line at x_start.
    if (x == x_start) pen_move(frame, x_start, y_start, colour, slot);
    pen_line_to(frame, x, y, colour, slot);
}

void connect_stem(GraphFrame& frame, double /*x_start*/, double x, double y, int colour, int slot) {
    // A dot at the sample and a vertical line to the value 0; the pen ends at (x, 0). A
    // sample without a pixel gets no stem.
    if (!has_point(frame, x, y)) return;
    pen_move(frame, x, y, colour, slot);
    pen_line_to(frame, x, 0.0, colour, slot);
}
