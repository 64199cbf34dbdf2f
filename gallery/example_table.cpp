// The gallery's table of examples and what every example does before it draws.
#include <cstring>

#include "bias/analysis_settings.h"
#include "gallery/examples.h"
#include "graph/graph_frame.h"
#include "plot/sweep_globals.h"
#include "plot/traces.h"

// The examples in the order the gallery shows them. The name is the picture's file name.
const GalleryExample gallery_examples[] = {
    {"schmitt_trigger", schmitt_trigger_title, run_schmitt_trigger},  // kind 3
    {"diode_clipper", diode_clipper_title, run_diode_clipper},        // kind 4
    {"sar_converter", sar_converter_title, run_sar_converter},        // kind 5
    {"diode_log_log", diode_log_log_title, run_diode_log_log},        // kind 6
    {"rc_step", rc_step_title, run_rc_step},                          // kind 17, markers
    {"sine_screen", sine_screen_title, run_sine_screen},              // kind 35
    {"rc_bode", rc_bode_title, run_rc_bode},                          // kind 97
    {"rlc_impedance", rlc_impedance_title, run_rlc_impedance},        // kind 115
    {"pipeline_stages", pipeline_stages_title, run_pipeline_stages},  // kind 0
    {"nyquist", nyquist_title, run_nyquist},                          // kind 42
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
    curve_count = 0;
    legend_count = 0;
    graph_kind = kind;
    copy_field(analysis.title, title);
    copy_field(analysis.subtitle, subtitle);
}
