// Graph set-up: a graph kind and the run's settings turned into ready panels through the
// catalogue, and the stage strips of graph kind 0.
#include "graph/catalogue.h"

#include "draw/primitives.h"
#include "draw/text.h"
#include "graph/catalogue_table.h"
#include "graph/frame_drawing.h"

namespace {

constexpr int stage_kind = 0;
constexpr int run_captions = 0;    // the caption tables' entry of the run's own captions
constexpr int stage_captions = 1;  // time [s] and output voltage [V]

// The stage strips share rows 24..408 (384 rows) at columns 64..464.
constexpr int stage_rows = 384;
constexpr int stage_top = 24;
constexpr int stage_left = 64;
constexpr int stage_width = 400;
constexpr int stage_axis_inset = 5;  // the strip's axis stops 5 rows short of its half height
constexpr int stage_title_rise = 20;
constexpr int stage_caption_shift = 200;
constexpr int stage_caption_drop = 4;
constexpr int line_colour = 0;
const char stage_x_caption[] = "Time  [s]";

// Each x-range override still at 0.0 takes its sweep bound.
void default_x_ranges(AnalysisSettings& s) {
    if (s.time_x_min == 0.0) s.time_x_min = s.time_from;
    if (s.time_x_max == 0.0) s.time_x_max = s.time_to;
    if (s.freq_x_min == 0.0) s.freq_x_min = s.freq_from;
    if (s.freq_x_max == 0.0) s.freq_x_max = s.freq_to;
    if (s.transfer_x_min == 0.0) s.transfer_x_min = s.sweep_from;
    if (s.transfer_x_max == 0.0) s.transfer_x_max = s.sweep_to;
}

void clear_x_ranges(AnalysisSettings& s) {
    s.time_x_min = 0.0;
    s.time_x_max = 0.0;
    s.freq_x_min = 0.0;
    s.freq_x_max = 0.0;
    s.transfer_x_min = 0.0;
    s.transfer_x_max = 0.0;
}

// A divided scale cuts its range into the settings' division counts; no other scale reads them.
bool reads_divisions(const CatalogueRow& row) {
    auto divided = [](int scale) {
        return scale == scale_divided || scale == scale_divided_square;
    };
    return divided(row.x_scale) || divided(row.y_scale);
}

void set_up_single(const CatalogueRow& row, AnalysisSettings& s, const char* title) {
    const int m = row.caption;
    const bool divided = reads_divisions(row);
    set_frame_scales(main_graph, row.x_scale, row.y_scale, divided ? s.x_divisions : 0,
                     divided ? s.y_divisions : 0, x_axis_labels[m], y_axis_labels[m]);
    set_frame_ranges(main_graph, range_min(s, row.x_range), range_max(s, row.x_range),
                     range_min(s, row.y_range), range_max(s, row.y_range));
    // Only frame_style and left of the scratch record are written; nothing reads it.
    GraphFrame scratch{};
    draw_graph_frames(row.frame_style, main_graph, scratch, title);
}

void set_up_pair(const CatalogueRow& row, AnalysisSettings& s, const char* title) {
    const double x_min = range_min(s, row.x_range);
    const double x_max = range_max(s, row.x_range);
    set_frame_scales(upper_graph, row.x_scale, row.y_scale, 0, 0, x_axis_labels[row.caption],
                     y_axis_labels[row.caption]);
    set_frame_scales(lower_graph, row.x_scale, row.lower_y_scale, 0, 0,
                     x_axis_labels[row.lower_caption], y_axis_labels[row.lower_caption]);
    set_frame_ranges(upper_graph, x_min, x_max, range_min(s, row.y_range),
                     range_max(s, row.y_range));
    set_frame_ranges(lower_graph, x_min, x_max, range_min(s, row.lower_y_range),
                     range_max(s, row.lower_y_range));
    draw_graph_frames(style_paired, upper_graph, lower_graph, title);
}

}  // namespace

void setup_graph(int kind, AnalysisSettings& settings, const char* title) {
    default_x_ranges(settings);
    if (kind == stage_kind) {
        setup_stage_frames(settings, title);
    } else if (const CatalogueRow* row = find_catalogue_row(kind)) {
        if (row->caption_source == captions_copied) {
            copy_caption(x_axis_labels[run_captions], settings.x_label);
            copy_caption(y_axis_labels[run_captions], settings.y_label);
        }
        if (row->frame_style == style_paired) {
            set_up_pair(*row, settings, title);
        } else {
            set_up_single(*row, settings, title);
        }
    }
    clear_x_ranges(settings);
}

void setup_stage_frames(AnalysisSettings& settings, const char* title) {
    int n = settings.stage_count;
    if (n < 1) n = 1;
    if (n > stage_frame_count) n = stage_frame_count;
    const int h = stage_rows / n;

    for (int i = 0; i < n; ++i) {
        GraphFrame& f = stage_graphs[i];
        f.frame_style = style_stage_strip;
        set_frame_scales(f, scale_auto, scale_auto, settings.x_divisions, settings.y_divisions,
                         x_axis_labels[stage_captions], y_axis_labels[stage_captions]);
        set_frame_ranges(f, settings.sweep_from, settings.sweep_to, settings.stage_y_min[i],
                         settings.stage_y_max[i]);
        f.width = stage_width;
        f.height = h;
        f.left = stage_left;
        f.bottom = h * (i + 1) + stage_top;
        const int mid = f.bottom - h + h / 2;
        styled_segment(stage_left, mid, stage_left + stage_width, mid, line_colour, width_thin,
                       line_solid);
        styled_segment(stage_left, mid - h / 2 + stage_axis_inset, stage_left,
                       mid + h / 2 - stage_axis_inset, line_colour, width_thin, line_solid);
    }

    const GraphFrame& first = stage_graphs[0];
    const GraphFrame& last = stage_graphs[n - 1];
    // The title starts at the strips' middle column; it is not centred on it.
    draw_text(first.left + first.width / 2, frame_top(first) - stage_title_rise,
              title != nullptr ? title : "", line_colour, text_horizontal);
    draw_text(last.left + stage_caption_shift, last.bottom + stage_caption_drop, stage_x_caption,
              line_colour, text_horizontal);
}
