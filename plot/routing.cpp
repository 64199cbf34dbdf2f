// Routing of samples to the panels of a graph kind: which panel receives a sample, its
// plotting style and start point, the clip to the panel's plot area.
#include "plot/routing.h"

#include "draw/primitives.h"
#include "plot/mapping.h"

namespace {

// Kinds by family, for the start abscissa of their curves.
constexpr int first_time_kind = 17;
constexpr int last_time_kind = 41;
constexpr int first_complex_kind = 42;
constexpr int last_complex_kind = 58;
constexpr int first_frequency_kind = 59;
constexpr int last_frequency_kind = 138;
constexpr int last_single_panel_kind = 96;
constexpr int first_paired_kind = 97;
// The paired kinds that receive samples: 97..126 and 129..136 (127, 128, 137 and 138 have
// their frames drawn but take no samples).
constexpr int last_routed_pair = 126;
constexpr int first_late_pair = 129;
constexpr int last_late_pair = 136;

constexpr int default_marker_size = 2;

// Values of settings.panel.
constexpr int panel_upper = 1;
constexpr int panel_lower = 2;
constexpr int panel_upper_too = 3;

double start_abscissa(int kind, const AnalysisSettings& settings) {
    if (kind >= first_time_kind && kind <= last_time_kind) return settings.time_from;
    if (kind >= first_complex_kind && kind <= last_complex_kind) return settings.first_x;
    if (kind >= first_frequency_kind && kind <= last_frequency_kind) return settings.freq_from;
    // The input sweeps 1..16 start at the sweep's start; kinds that are never drawn take it too.
    return settings.sweep_from;
}

void copy_style(GraphFrame& frame, const AnalysisSettings& settings, double start_x) {
    frame.plot_style = settings.plot_style;
    frame.line_dash = settings.line_dash;
    frame.line_width = settings.line_width;
    frame.marker_shape = settings.marker_shape;
    frame.marker_size = settings.marker_size;
    frame.start_x = start_x;
    frame.start_y = settings.first_value;
}

// The panel that receives the samples of the kind, or nullptr when nothing is drawn.
GraphFrame* receiving_panel(int kind, int panel) {
    if (kind >= 1 && kind <= last_single_panel_kind) return &main_graph;
    bool paired = (kind >= first_paired_kind && kind <= last_routed_pair) ||
                  (kind >= first_late_pair && kind <= last_late_pair);
    if (!paired) return nullptr;
    if (panel == panel_upper || panel == panel_upper_too) return &upper_graph;
    if (panel == panel_lower) return &lower_graph;
    return nullptr;
}

}  // namespace

void route_sample(int kind, double x, double y, AnalysisSettings& settings, int colour, int slot) {
    double start_x = start_abscissa(kind, settings);
    if (settings.marker_size == 0) settings.marker_size = default_marker_size;
    copy_style(main_graph, settings, start_x);
    copy_style(upper_graph, settings, start_x);
    copy_style(lower_graph, settings, start_x);

    GraphFrame* target = receiving_panel(kind, settings.panel);
    if (target != nullptr) {
        clip_to_frame(*target);
        int style = target->plot_style;
        if (style >= 0 && style <= 7) connect_sample(*target, x, y, colour, slot);
        if (style == plot_line_markers || style == plot_stem_markers ||
            style == plot_markers_only) {
            draw_marker(*target, x, y, colour);
        }
    }
    clip_to_window();
}

void connect_sample(GraphFrame& frame, double x, double y, int colour, int slot) {
    // A sample without a pixel (NaN) is left out; the curve joins the samples around it.
    int column = 0;
    int row = 0;
    if (!is_curve_slot(slot) || !point_pixel(frame, x, y, column, row)) return;
    if (x == frame.start_x) {
        pen_move(frame, frame.start_x, frame.start_y, colour, slot);
        frame.last_value[slot] = y;
    }
    switch (frame.plot_style) {
        case plot_staircase:
            pen_line_to(frame, x, frame.last_value[slot], colour, slot);
            pen_line_to(frame, x, y, colour, slot);
            frame.last_value[slot] = y;
            break;
        case plot_stems:
        case plot_stem_markers:
            pen_move(frame, x, y, colour, slot);
            pen_line_to(frame, x, 0.0, colour, slot);
            break;
        default:
            // The pen's start point leaves the ranges as they were: the sample's pixel stands.
            pen_line_to_pixel(frame, column, row, colour, slot);
            break;
    }
}
