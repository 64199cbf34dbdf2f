// Legends beside a panel, the curve caption inside it, and the end of a run.
#include "plot/legend.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "diag/console.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/text.h"
#include "graph/format.h"
#include "graph/graph_frame.h"
#include "plot/mapping.h"
#include "plot/sweep_globals.h"

// Written by legend_int_row with the text of its value.
char legend_text[16];

namespace {

constexpr int first_paired_kind = 97;
constexpr int last_paired_kind = 138;
constexpr int row_height = text_cell_height;

// Large enough for "%g" of any double and a letter.
constexpr int value_text_size = 32;

const GraphFrame& legend_panel(int kind) {
    return kind >= first_paired_kind ? upper_graph : main_graph;
}

const char* text_or_empty(const char* text) {
    return text != nullptr ? text : "";
}

// Pixel width of a text: 8 pixels per Shift-JIS byte.
double text_width(const char* text) {
    return static_cast<double>(std::strlen(text_or_empty(text))) * text_byte_width;
}

// A pixel coordinate computed in double, so that large row or column numbers cannot overflow.
int at(double position) {
    return clamp_pixel(position);
}

int right_edge(const GraphFrame& panel) {
    return at(static_cast<double>(panel.left) + panel.width);
}
int top_edge(const GraphFrame& panel) {
    return at(static_cast<double>(panel.bottom) - panel.height);
}

// The value in engineering notation, with the format chosen by the size of the mantissa.
void format_value(char (&text)[value_text_size], double value) {
    char prefix = ' ';
    double m = value;
    // scale_to_prefix needs a finite value; infinities and NaN are written as they stand.
    if (std::isfinite(value)) m = scale_to_prefix(value, ' ', prefix);
    if (m >= 0.1 && m < 10.0) {
        std::snprintf(text, sizeof text, "%#3.2f%c", m, prefix);
    } else if (m >= 10.0 && m < 100.0) {
        std::snprintf(text, sizeof text, "%#3.1f%c", m, prefix);
    } else if (m >= 100.0 && m < 1000.0) {
        std::snprintf(text, sizeof text, "%3.0f%c", m, prefix);
    } else {
        std::snprintf(text, sizeof text, "%g%c", m, prefix);
    }
}

// The value text of a row on its white box, at R + 16 on the row's grid line.
void write_row_text(const GraphFrame& panel, int base_row, int row, const char* text, int colour) {
    int x = right_edge(panel) + 16;
    int y = at(top_edge(panel) + static_cast<double>(row_height) * (base_row + 1.0 + row));
    fill_rect(x, y + 1, at(x + text_width(text)), y + 15, colour_white);
    draw_text(x, y, text, colour, text_horizontal);
}

void write_header(const GraphFrame& panel, int base_row, const char* header, const char* unit,
                  int unit_indent) {
    int right = right_edge(panel);
    int top = top_edge(panel);
    draw_text(right + 10, at(top + static_cast<double>(row_height) * base_row),
              text_or_empty(header), colour_black, text_horizontal);
    draw_text(right + unit_indent, at(top + static_cast<double>(row_height) * (base_row + 1.0)),
              text_or_empty(unit), colour_black, text_horizontal);
}

}  // namespace

void legend_value_row(int kind, int base_row, int row, const char* header, const char* unit,
                      double value, int colour) {
    const GraphFrame& panel = legend_panel(kind);
    if (legend_count == 0) write_header(panel, base_row, header, unit, 14);
    char text[value_text_size];
    format_value(text, value);
    write_row_text(panel, base_row, row, text, colour);
    count_one(legend_count);
}

void legend_int_row(int kind, int base_row, int row, const char* header, const char* unit,
                    int value, int colour) {
    const GraphFrame& panel = legend_panel(kind);
    // The unit stands in the header's own column here.
    if (legend_count == 0) write_header(panel, base_row, header, unit, 10);
    std::snprintf(legend_text, sizeof legend_text, "%d", value);
    write_row_text(panel, base_row, row, legend_text, colour);
    count_one(legend_count);
}

void legend_text_row(int kind, int row, int offset, const char* header, const char* row_text,
                     int colour) {
    const GraphFrame& panel = legend_panel(kind);
    int right = right_edge(panel);
    int top = top_edge(panel);
    if (legend_count == 0) {
        draw_text(right + 10, at(top + static_cast<double>(row_height) * row),
                  text_or_empty(header), colour, text_horizontal);
    }
    draw_text(right + 14,
              at(top + static_cast<double>(row_height) * (static_cast<double>(row) + offset)),
              text_or_empty(row_text), colour, text_horizontal);
    count_one(legend_count);
}

void draw_cell_text(int column, int row, const char* text, int colour) {
    const GraphFrame& panel = legend_panel(graph_kind);
    int x0 = at(static_cast<double>(panel.left) + 8.0 * column);
    int y0 = at(top_edge(panel) + static_cast<double>(row_height) * row - 8.0);
    fill_rect(x0 + 1, y0 + 1, at(x0 + text_width(text) - 2), y0 + 15, colour_white);
    draw_text(x0 + 2, y0, text_or_empty(text), colour, text_horizontal);
}

void draw_curve_caption(int kind, const char* text, int colour) {
    const GraphFrame* panel = &main_graph;
    int inset = 6;
    if (kind >= first_paired_kind && kind <= last_paired_kind) {
        panel = &upper_graph;
        inset = 0;
    } else if (kind == 0) {
        panel = &stage_graphs[0];
        inset = 0;
    }
    int right = right_edge(*panel) - inset;
    int top = top_edge(*panel);
    int w = text_or_empty(text)[0] == '\0' ? 3 : at(text_width(text));
    int x = at(static_cast<double>(right) - w - 4);
    int y = top + 1;
    fill_rect(x, y + 1, at(static_cast<double>(x) + w), y + 15, colour_white);
    draw_text(x, y, text_or_empty(text), colour, text_horizontal);
}

void end_run() {
    ring_bell();
    legend_count = 0;
    curve_count = 0;
}
