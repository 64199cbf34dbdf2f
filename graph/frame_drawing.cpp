// Frame validation and drawing: the checks, the axes, the captions, the title, the build-date
// stamp and the pen reset of one graph.
#include "graph/frame_drawing.h"

#include <cmath>
#include <cstring>

#include "diag/console.h"
#include "draw/primitives.h"
#include "draw/text.h"
#include "graph/axes.h"
#include "graph/format.h"

namespace {

constexpr int text_colour = 0;
constexpr int box_colour = 7;
constexpr char no_prefix = ' ';
constexpr double degree_span_limit = 1800;

// Caption places, relative to the panel.
constexpr int x_caption_drop = 20;           // single: top of the x caption below the bottom edge
constexpr int y_caption_offset = 48;         // the y caption's baseline column left of the panel
constexpr int paired_caption_rise = 18;      // paired: top of the x caption above the bottom edge
constexpr int paired_caption_overhang = 14;  // its text ends 14 columns beyond the right edge
constexpr int paired_box_right_gap = 8;      // its box ends 8 columns short of the right edge
constexpr int paired_box_bottom_gap = 2;
// The per-division texts of the time-division screen.
constexpr int per_division_x_shift = 32;
constexpr int per_division_x_drop = 4;
constexpr int per_division_y_offset = 24;
constexpr int per_division_y_rise = 8;
constexpr int screen_x_divisions = 10;
constexpr int screen_y_divisions = 8;
// The title's top sits 20 rows above the first panel.
constexpr int title_rise = 20;
// The date stamp: 8 columns right of the panel; 54 rows below a single panel, 30 below the
// lower panel of a pair (row 382 for both layouts).
constexpr int date_gap = 8;
constexpr int date_drop_single = 54;
constexpr int date_drop_paired = 30;

const char msb_mark[] = "(MSB)";
const char lsb_mark[] = "(LSB)";

int byte_length(const char* text) {
    return static_cast<int>(std::strlen(text));
}

// A caption field as a terminated text, also where a caller filled all 40 bytes.
struct CaptionText {
    char text[caption_size + 1];
};
CaptionText caption_text(const char (&field)[caption_size]) {
    CaptionText c{};
    std::memcpy(c.text, field, caption_size);
    return c;
}

bool finite_range(double min, double max) {
    return std::isfinite(min) && std::isfinite(max) && std::isfinite(max - min);
}

// The check of one axis by its scale code; check_ok for codes that are not graduated.
int check_axis(int scale, double min, double max) {
    switch (scale) {
        case scale_divided:
        case scale_auto:
        case scale_complex:
        case scale_divided_square:
            if (max - min <= 0) return check_empty_range;
            break;
        case scale_degrees: {
            if (std::fabs(max - min) > degree_span_limit) return check_too_wide;
            if (max - min <= 0) return check_empty_range;
            double lo = min;
            double hi = max;
            degree_step(lo, hi);
            if (hi - lo > degree_snapped_span_limit) return check_too_wide;
            break;
        }
        case scale_log:
            if (max <= 0) return check_not_positive;
            if (min <= 0) return check_not_positive;
            if (max - min <= 0) return check_empty_range;
            break;
        default:
            return check_ok;
    }
    return finite_range(min, max) ? check_ok : check_empty_range;
}

bool is_graduated(int scale) {
    return scale >= scale_divided && scale <= scale_divided_square;
}

void draw_per_division_texts(const GraphFrame& f) {
    draw_per_division(f.left + f.width / 4 + per_division_x_shift, f.bottom + per_division_x_drop,
                      (f.x_max - f.x_min) / screen_x_divisions, text_colour, no_prefix, 's', 0);
    draw_per_division(f.left - per_division_y_offset, f.bottom - f.height / 4 - per_division_y_rise,
                      (f.y_max - f.y_min) / screen_y_divisions, text_colour, no_prefix, 'V', 1);
}

void draw_captions(const GraphFrame& f) {
    const CaptionText x = caption_text(f.x_caption);
    const CaptionText y = caption_text(f.y_caption);
    const int x_length = byte_length(x.text);
    const int y_length = byte_length(y.text);
    int x_column = f.left + f.width / 2 - text_byte_width / 2 * x_length;
    int x_row = f.bottom + x_caption_drop;
    if (f.frame_style == style_paired) {
        x_column = frame_right(f) - text_byte_width * x_length + paired_caption_overhang;
        x_row = f.bottom - paired_caption_rise;
        fill_rect(x_column, x_row, frame_right(f) - paired_box_right_gap,
                  f.bottom - paired_box_bottom_gap, box_colour);
    }
    const int y_row = f.bottom - f.height / 2 + text_byte_width / 2 * y_length;
    draw_text(x_column, x_row, x.text, text_colour, text_horizontal);
    draw_text(f.left - y_caption_offset, y_row, y.text, text_colour, text_vertical);
    if (f.frame_style == style_converter) {
        draw_text(f.left, x_row, msb_mark, text_colour, text_horizontal);
        draw_text(frame_right(f), x_row, lsb_mark, text_colour, text_horizontal);
    }
}

// Validates and draws a frame; reports a failure. True when the frame was drawn.
bool draw_or_report(GraphFrame& frame) {
    int code = draw_frame_axes(frame, no_prefix, no_prefix);
    if (code == check_ok) return true;
    report_error(code);
    return false;
}

}  // namespace

int draw_frame_axes(GraphFrame& frame, char x_prefix, char y_prefix) {
    if (frame.x_min == 0 && frame.x_max == 0) return check_x_zero;
    if (frame.y_min == 0 && frame.y_max == 0) return check_y_zero;

    int code = check_axis(frame.x_scale, frame.x_min, frame.x_max);
    if (code != check_ok) return code;
    if (frame.x_scale == scale_log) {
        draw_log_x_axis(frame, x_prefix);
    } else if (is_graduated(frame.x_scale)) {
        draw_linear_x_axis(frame, x_prefix);
    }

    code = check_axis(frame.y_scale, frame.y_min, frame.y_max);
    if (code != check_ok) return code;
    if (frame.y_scale == scale_log) {
        draw_log_y_axis(frame, y_prefix);
    } else if (is_graduated(frame.y_scale)) {
        draw_linear_y_axis(frame, y_prefix);
    }

    if (frame.frame_style == style_time_division) {
        draw_per_division_texts(frame);
    } else {
        draw_captions(frame);
    }
    return check_ok;
}

void draw_graph_frames(int frame_style, GraphFrame& first, GraphFrame& second, const char* title) {
    layout_frames(frame_style, first, second);
    switch (frame_style) {
        case style_single:
        case style_time_division:
        case style_converter:
            if (!draw_or_report(first)) return;
            break;
        case style_paired:
            if (!draw_or_report(first)) return;
            if (!draw_or_report(second)) return;
            break;
        default:
            break;
    }

    const char* text = title != nullptr ? title : "";
    draw_text(first.left + first.width / 2 - text_byte_width / 2 * byte_length(text),
              frame_top(first) - title_rise, text, text_colour, text_horizontal);

    const GraphFrame& dated = frame_style == style_paired ? second : first;
    const int drop = frame_style == style_paired ? date_drop_paired : date_drop_single;
    draw_text(frame_right(dated) + date_gap, dated.bottom + drop, date_stamp(), text_colour,
              text_horizontal);

    for (int i = 0; i < curve_slots; ++i) {
        first.pen_x[i] = first.left;
        first.pen_y[i] = first.bottom;
    }
}

void redraw_frames() {
    if (main_graph.frame_style == style_single && !draw_or_report(main_graph)) return;
    // The zero record at start has style_paired too, but no pixel box.
    if (upper_graph.frame_style != style_paired || upper_graph.width == 0) return;
    if (!draw_or_report(upper_graph)) return;
    draw_or_report(lower_graph);
}
