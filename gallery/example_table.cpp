// The gallery's table of examples and what every example does before it draws.
#include <cstring>

#include "bias/analysis_settings.h"
#include "gallery/examples.h"
#include "graph/graph_frame.h"
#include "plot/sweep_globals.h"
#include "plot/traces.h"

// The examples in the order the gallery shows them. The name is the picture's file name.
const GalleryExample gallery_examples[] = {
    {"schmitt_trigger", schmitt_trigger_title, 3, run_schmitt_trigger},  // hysteresis loop
    {"diode_clipper", diode_clipper_title, 4, run_diode_clipper},        // input to output
    {"sar_converter", sar_converter_title, 5, run_sar_converter},        // register display
    {"diode_log_log", diode_log_log_title, 6, run_diode_log_log},        // geometric sweep
    {"rc_step", rc_step_title, 17, run_rc_step},                         // markers
    {"sine_screen", sine_screen_title, 35, run_sine_screen},             // time-division screen
    {"rc_bode", rc_bode_title, 97, run_rc_bode},                         // gain and phase
    {"rlc_impedance", rlc_impedance_title, 115, run_rlc_impedance},      // |Z| and phase
    {"pipeline_stages", pipeline_stages_title, 0, run_pipeline_stages},  // stage strips
    {"nyquist", nyquist_title, 42, run_nyquist},                         // complex plane
};
const int gallery_example_count = sizeof gallery_examples / sizeof gallery_examples[0];

const GalleryExample* find_gallery_example(const char* name) {
    if (name == nullptr) return nullptr;
    for (const GalleryExample& example : gallery_examples) {
        if (std::strcmp(example.name, name) == 0) return &example;
    }
    return nullptr;
}

void copy_field(char* field, std::size_t size, const char* text) {
    if (size == 0) return;
    std::size_t length = 0;
    if (text != nullptr) {
        // A double-byte character is copied whole or not at all.
        while (text[length] != '\0') {
            std::size_t width = is_sjis_lead_byte(text[length]) && text[length + 1] != '\0' ? 2 : 1;
            if (length + width > size - 1) break;
            length += width;
        }
        std::memcpy(field, text, length);
    }
    std::memset(field + length, 0, size - length);
}

namespace {

// The pen style a frame draws with until a routed sample or the multi-trace sweep copies one
// in: the sweeps that join samples themselves (the forward-and-back and the geometric sweep)
// and a callback's own drawing use whatever the frame holds.
void reset_pen_style(GraphFrame& frame) {
    frame.plot_style = 0;
    frame.line_dash = 0;
    frame.line_width = 0;
    frame.marker_shape = 0;
    frame.marker_size = 0;
}

}  // namespace

void begin_example(int kind, const char* title, const char* subtitle) {
    analysis = AnalysisSettings{};
    trace_count = 0;
    for (int m = 0; m < trace_capacity; ++m) {
        trace_value[m] = 0.0;
        trace_scale[m] = 0.0;
        trace_offset[m] = 0.0;
        trace_colour[m] = 0;
        trace_marker_size[m] = 0;
        trace_plot_style[m] = 0;
        trace_line_dash[m] = 0;
        trace_line_width[m] = 0;
        trace_marker_shape[m] = 0;
    }
    reset_pen_style(main_graph);
    reset_pen_style(upper_graph);
    reset_pen_style(lower_graph);
    for (GraphFrame& frame : stage_graphs) reset_pen_style(frame);
    curve_count = 0;
    legend_count = 0;
    graph_kind = kind;
    copy_field(analysis.title, title);
    copy_field(analysis.subtitle, subtitle);
}
