// The examples of the graph gallery: one run routine per example, each drawing one whole
// picture on paint_dc through the graphing layer's public operations, as a program's run does
// (settings, circuit constants, a loop of plot_curve calls with their legend rows, end_run).
#pragma once

#include <cstddef>

// One example: the file name of its picture (ASCII, no extension), its title (Shift-JIS, the
// graph title it draws), the graph kind it draws and its run routine.
struct GalleryExample {
    const char* name;
    const char* title;
    int kind;
    void (*run)();
};

// The examples in the order the gallery shows them.
extern const GalleryExample gallery_examples[];
extern const int gallery_example_count;

// The example of a file name; null when there is none.
const GalleryExample* find_gallery_example(const char* name);

// Called first by every run routine, so that no example depends on what ran before it: the
// settings record and the trace table back to zero, every frame's pen style (plot style, dash,
// width, marker shape and size) back to a thin solid line, the curve and legend counters to
// 0, graph_kind to the example's kind, and the run's title and subtitle written (cut to their
// fields).
void begin_example(int kind, const char* title, const char* subtitle);

// Copies a text into a fixed field, cut to the field with its terminator and never through the
// middle of a double-byte character.
void copy_field(char* field, std::size_t size, const char* text);
template <std::size_t size>
void copy_field(char (&field)[size], const char* text) {
    copy_field(field, size, text);
}

// The run routines, one per example, and the title each draws.
void run_schmitt_trigger();  // kind 3: hysteresis loop, forward and backward traces
void run_diode_clipper();    // kind 4: input to output voltage
void run_sar_converter();    // kind 5: stage characteristic with the register display
void run_diode_log_log();    // kind 6: current over voltage, the geometric sweep
void run_rc_step();          // time kind 17: step responses with markers
void run_sine_screen();      // kind 35: sine waves on the time-division screen
void run_rc_bode();          // kind 97: gain and phase on two panels
void run_rlc_impedance();    // kind 115: impedance magnitude and phase
void run_pipeline_stages();  // kind 0: stage waveforms in stacked strips
void run_nyquist();          // kind 42: complex-plane plot of a loop gain
extern const char schmitt_trigger_title[];
extern const char diode_clipper_title[];
extern const char sar_converter_title[];
extern const char diode_log_log_title[];
extern const char rc_step_title[];
extern const char sine_screen_title[];
extern const char rc_bode_title[];
extern const char rlc_impedance_title[];
extern const char pipeline_stages_title[];
extern const char nyquist_title[];
