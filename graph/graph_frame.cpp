// The graph frame records, their two setters and the panel layouts.
#include "graph/graph_frame.h"

#include <algorithm>

namespace {

// Every panel starts at this column.
constexpr int panel_left = 64;

// The single panel of style_single, style_converter and style_square: rows 24..328.
constexpr int single_height = 304;
constexpr int single_bottom = 328;
constexpr int single_width_divided = 400;  // x scale_divided
constexpr int single_width_square = 320;   // x scale_complex, scale_divided_square, style 5
constexpr int single_width_wide = 448;     // every other x scale code

// The time-division screen: rows 24..344, ten divisions of 40 columns.
constexpr int time_division_width = 400;
constexpr int time_division_height = 320;
constexpr int time_division_bottom = 344;

// The two panels of a pair: rows 24..180 and 196..352, 16 rows apart.
constexpr int paired_width = 448;
constexpr int paired_height = 156;
constexpr int paired_upper_bottom = 180;
constexpr int paired_lower_bottom = 352;

int single_width(int x_scale) {
    if (x_scale == scale_complex || x_scale == scale_divided_square) return single_width_square;
    if (x_scale == scale_divided) return single_width_divided;
    return single_width_wide;
}

void set_box(GraphFrame& frame, int width, int height, int bottom) {
    frame.width = width;
    frame.height = height;
    frame.bottom = bottom;
}

}  // namespace

// Written by the graph-kind catalogue (scales, captions, ranges), the frame drawing (style,
// box, widened ranges, pens) and the plot engine (pen state).
GraphFrame main_graph;
GraphFrame upper_graph;
GraphFrame lower_graph;
// Written by the stage set-up of graph kind 0 and the multi-trace sweep.
GraphFrame stage_graphs[stage_frame_count];

namespace {

// Far outside any surface, and far enough inside the range of int that the small offsets the
// frame drawing adds to an edge cannot overflow.
constexpr long long edge_limit = 1LL << 30;

int held_edge(long long value) {
    return static_cast<int>(std::clamp(value, -edge_limit, edge_limit));
}

}  // namespace

int held_position(long long position) {
    return held_edge(position);
}

int frame_right(const GraphFrame& frame) {
    return held_edge(static_cast<long long>(frame.left) + frame.width);
}

int frame_top(const GraphFrame& frame) {
    return held_edge(static_cast<long long>(frame.bottom) - frame.height);
}

bool is_sjis_lead_byte(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
}

void copy_sjis_text(char* out, int size, const char* text) {
    if (size < 1) return;
    const int limit = size - 1;
    int n = 0;
    if (text != nullptr) {
        while (n < limit && text[n] != '\0') {
            if (is_sjis_lead_byte(text[n])) {
                // A double-byte character goes in whole or not at all.
                if (n + 2 > limit || text[n + 1] == '\0') break;
                out[n] = text[n];
                out[n + 1] = text[n + 1];
                n += 2;
            } else {
                out[n] = text[n];
                ++n;
            }
        }
    }
    out[n] = '\0';
}

void copy_caption(char* field, const char* text) {
    copy_sjis_text(field, caption_size, text);
}

void set_frame_scales(GraphFrame& frame, int x_scale, int y_scale, int x_divisions, int y_divisions,
                      const char* x_caption, const char* y_caption) {
    frame.x_scale = x_scale;
    frame.y_scale = y_scale;
    frame.x_divisions = x_divisions;
    frame.y_divisions = y_divisions;
    copy_caption(frame.x_caption, x_caption);
    copy_caption(frame.y_caption, y_caption);
}

void set_frame_ranges(GraphFrame& frame, double x_min, double x_max, double y_min, double y_max) {
    frame.x_min = x_min;
    frame.x_max = x_max;
    frame.y_min = y_min;
    frame.y_max = y_max;
}

void layout_frames(int frame_style, GraphFrame& first, GraphFrame& second) {
    first.frame_style = frame_style;
    second.frame_style = frame_style;
    first.left = panel_left;
    second.left = panel_left;
    switch (frame_style) {
        case style_time_division:
            set_box(first, time_division_width, time_division_height, time_division_bottom);
            break;
        case style_single:
        case style_converter:
            set_box(first, single_width(first.x_scale), single_height, single_bottom);
            break;
        case style_paired:
            set_box(first, paired_width, paired_height, paired_upper_bottom);
            set_box(second, paired_width, paired_height, paired_lower_bottom);
            break;
        case style_square:
            set_box(first, single_width_square, single_height, single_bottom);
            break;
        default:
            // Stage strips get their boxes from the stage set-up; unknown styles keep theirs.
            break;
    }
}
