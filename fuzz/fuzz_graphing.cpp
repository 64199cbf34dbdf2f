// Fuzzes the graphing layer as a further run would use it. An input (fuzz_input.h) becomes a
// settings record (every number, special values included; every count; every text field
// filled up to and past its terminator), a graph kind from -5..145, the trace table, the stage
// count and a callback whose values, and whose writes into other globals, come from the
// input. Then it does what a run does on an in-memory window: several plot_curve calls of the
// kind, legend rows of every form and cell texts after each, end_run, the auxiliary sweeps, a
// second set-up of another kind, the value-coordinate shapes and end_run again. The record is
// one of the run's own on the heap, so that a read past its last text field is seen by the
// address sanitizer; the sample counts are held to a work budget (hold_work) so that every
// input ends within its second. Each input starts from the layer's state at program start, so
// a failure reproduces from its input alone. FUZZ_GRAPHING_DESCRIBE=1 prints what an input
// asks for.
//
// After every input it checks what the sanitizers cannot see:
// - every pen, brush, font and region the layer created has been destroyed again;
// - the record's fields that no operation of the layer writes still hold what the caller
//   wrote (a write past a text field into its neighbour shows here), the caption tables'
//   fixed entries are unchanged, and the explicit x ranges are either as given or cleared;
// - the program can paint again: with the record zeroed as at program start, Lunkaro4's run
//   draws exactly the picture it drew before any input.
// A failed check aborts, which libFuzzer reports as a crash with the input that caused it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bias/analysis_settings.h"
#include "bias/bias_run.h"
#include "diag/console.h"
#include "draw/paint_context.h"
#include "draw/palette.h"
#include "fuzz/fuzz_input.h"
#include "graph/catalogue.h"
#include "graph/format.h"
#include "graph/frame_drawing.h"
#include "graph/graph_frame.h"
#include "platform/gdi.h"
#include "platform/objects.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "plot/legend.h"
#include "plot/mapping.h"
#include "plot/plot_entry.h"
#include "plot/sweep_globals.h"
#include "plot/traces.h"

namespace {

constexpr int client_width = 632;
constexpr int client_height = 453;

// The in-memory window every input draws on; one for the process.
struct Target {
    gdi::Surface surface = gdi::make_surface(client_width, client_height, 0);
    gdi::Window window{client_width, client_height, nullptr};
    gdi::Dc dc{};

    void begin_paint() {
        std::fill(surface.pixels.begin(), surface.pixels.end(), background_colour);
        dc = gdi::make_paint_dc(surface);
        paint_dc = &dc;
        main_window = &window;
    }
};
Target* target = nullptr;

// What the process looked like before any input.
char initial_x_labels[axis_label_count][caption_size];
char initial_y_labels[axis_label_count][caption_size];
std::uint64_t clean_picture_hash = 0;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "fuzz_graphing: check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

// One paint of the program, as its paint handler runs it.
std::uint64_t paint_program() {
    target->begin_paint();
    bias_run();
    return gdi::surface_hash(target->surface);
}

// The layer's own state back to program start, so each input runs from the same state and a
// crash reproduces from its input alone.
void reset_layer_state() {
    main_graph = GraphFrame{};
    upper_graph = GraphFrame{};
    lower_graph = GraphFrame{};
    for (GraphFrame& f : stage_graphs) f = GraphFrame{};
    std::memcpy(x_axis_labels[0], initial_x_labels[0], caption_size);
    std::memcpy(y_axis_labels[0], initial_y_labels[0], caption_size);
    sweep_x = 0;
    sweep_y = 0;
    sweep_step = 0;
    first_y = 0;
    curve_count = 0;
    legend_count = 0;
    graph_kind = 0;
}

// The record the input's run hands to the layer: a record of its own on the heap, as a further
// run may hand any record, with the padding after its last text filled, so that a read past
// that text's field runs into the sanitizer's red zone instead of stopping at a zero byte.
AnalysisSettings* settings = nullptr;

void load_settings(const AnalysisSettings& s) {
    std::memcpy(settings, &s, sizeof s);
    constexpr std::size_t text_end = offsetof(AnalysisSettings, subtitle) + subtitle_size;
    std::memset(reinterpret_cast<char*>(settings) + text_end, 0xa5,
                sizeof(AnalysisSettings) - text_end);
}

// The work one input may ask for, so that every input ends well within its second under the
// sanitizers: samples times sweeps times traces, in units of about one drawn sample of one
// trace. The layer bounds each operation (a filled marker fills at most the drawable area, a
// register cell is one box and one text), but an input of a dozen sweeps of 20000 samples with
// 25 traces of filled markers each the size of the window asks for hours of honest work.
// Sample counts above what the budget allows are held down to it before the run; the callback
// writes counts no larger either.
constexpr long long work_budget = 20000;
// A marker larger than this may fill a whole panel or walk a long ring: about the cost of
// 2000 samples.
constexpr int small_marker = 8;
constexpr long long filled_marker_cost = 2000;
// A register cell of the A/D kind (a box and a text at every sample): about six samples.
constexpr long long register_cell_cost = 6;
int count_cap = fuzz::max_sample_count;

void hold_work(fuzz::FuzzCase& f) {
    const int sweeps = f.curve_calls + 4;  // the aux sweeps and the second run
    // The callback may write any trace count.
    int traces = f.trace_count < 1                ? 1
                 : f.trace_count > trace_capacity ? trace_capacity
                                                  : f.trace_count;
    if (f.side_effect == fuzz::effect_trace_count) traces = trace_capacity;
    long long per_sample = static_cast<long long>(sweeps) * traces;
    // The callback may write any marker size. A big marker of any shape costs about as much as
    // a filled one: a circle's ring is walked whole (up to 4096 pixels in radius, 3000 rings of
    // radius 768 take about 0.3 s without the sanitizers), however little of it shows.
    bool big_filled =
        f.settings.marker_size > small_marker || f.side_effect == fuzz::effect_marker_size;
    for (int m = 0; m < traces; ++m) {
        big_filled = big_filled || f.trace_marker_size[m] > small_marker;
    }
    if (big_filled) per_sample *= filled_marker_cost;
    if (f.kind == 5 || f.second_kind == 5) per_sample *= register_cell_cost;
    const long long cap = work_budget / per_sample;
    count_cap = static_cast<int>(cap < 1                        ? 1
                                 : cap > fuzz::max_sample_count ? fuzz::max_sample_count
                                                                : cap);
    if (f.settings.sample_count > count_cap) f.settings.sample_count = count_cap;
    if (f.settings.time_count > count_cap) f.settings.time_count = count_cap;
}

// The callback: the input's values round and round, and the input's write into another global.
const fuzz::FuzzCase* current = nullptr;
unsigned callback_calls = 0;

int saturated_int(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(v);
}

void side_effect(double v) {
    const int n = saturated_int(v);
    const int slot =
        current->side_slot >= 0 && current->side_slot < trace_capacity ? current->side_slot : 0;
    switch (current->side_effect) {
        case fuzz::effect_trace_count:
            trace_count = n;
            break;
        case fuzz::effect_trace_value:
            trace_value[slot] = v;
            break;
        case fuzz::effect_sample_count:
            // Held to the work budget, so one input stays within its time.
            settings->sample_count = n > count_cap ? count_cap : n;
            break;
        case fuzz::effect_time_count:
            settings->time_count = n > count_cap ? count_cap : n;
            break;
        case fuzz::effect_sweep_from:
            settings->sweep_from = v;
            break;
        case fuzz::effect_sweep_to:
            settings->sweep_to = v;
            break;
        case fuzz::effect_marker_size:
            settings->marker_size = n;
            break;
        case fuzz::effect_plot_style:
            settings->plot_style = n;
            break;
        case fuzz::effect_panel:
            settings->panel = n;
            break;
        case fuzz::effect_main_width:
            main_graph.width = n;
            break;
        case fuzz::effect_main_x_max:
            main_graph.x_max = v;
            break;
        case fuzz::effect_main_y_min:
            main_graph.y_min = v;
            break;
        case fuzz::effect_stage_width:
            stage_graphs[0].width = n;
            break;
        case fuzz::effect_curve_count:
            curve_count = n;
            break;
        case fuzz::effect_legend_count:
            legend_count = n;
            break;
        case fuzz::effect_graph_kind:
            graph_kind = n;
            break;
        default:
            break;
    }
}

double fuzz_callback() {
    const int n = current->callback_value_count;
    const double v = n > 0 ? current->callback_values[callback_calls % n] : 0.0;
    ++callback_calls;
    // The traces of the multi-trace sweep take the values too, each trace a different one.
    trace_value[callback_calls % trace_capacity] = v;
    side_effect(v);
    return v;
}

void load_traces(const fuzz::FuzzCase& f) {
    trace_count = f.trace_count;
    for (int m = 0; m < trace_capacity; ++m) {
        trace_value[m] = f.trace_value[m];
        trace_scale[m] = f.trace_scale[m];
        trace_offset[m] = f.trace_offset[m];
        trace_colour[m] = f.trace_colour[m];
        trace_marker_size[m] = f.trace_marker_size[m];
        trace_plot_style[m] = f.trace_plot_style[m];
        trace_line_dash[m] = f.trace_line_dash[m];
        trace_line_width[m] = f.trace_line_width[m];
        trace_marker_shape[m] = f.trace_marker_shape[m];
    }
}

const char* caller_text(const fuzz::FuzzCase& f, int i) {
    if (i < 0 || i >= fuzz::caller_text_count || (f.text_is_null[i] & 1)) return nullptr;
    return f.texts[i];
}

bool same_bits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The fields of the record that no operation of the layer writes; the callback's own write
// is left out of the comparison.
void check_settings(const AnalysisSettings& before, const AnalysisSettings& after, int effect) {
    struct Field {
        double AnalysisSettings::*member;
        int written_by;
    };
    const Field numbers[] = {
        {&AnalysisSettings::freq_from, fuzz::effect_none},
        {&AnalysisSettings::freq_to, fuzz::effect_none},
        {&AnalysisSettings::sweep_from, fuzz::effect_sweep_from},
        {&AnalysisSettings::sweep_to, fuzz::effect_sweep_to},
        {&AnalysisSettings::magnitude_y_min, fuzz::effect_none},
        {&AnalysisSettings::magnitude_y_max, fuzz::effect_none},
        {&AnalysisSettings::phase_y_min, fuzz::effect_none},
        {&AnalysisSettings::phase_y_max, fuzz::effect_none},
        {&AnalysisSettings::real_min, fuzz::effect_none},
        {&AnalysisSettings::real_max, fuzz::effect_none},
        {&AnalysisSettings::imag_min, fuzz::effect_none},
        {&AnalysisSettings::imag_max, fuzz::effect_none},
        {&AnalysisSettings::transfer_y_min, fuzz::effect_none},
        {&AnalysisSettings::transfer_y_max, fuzz::effect_none},
        {&AnalysisSettings::resistance_y_min, fuzz::effect_none},
        {&AnalysisSettings::resistance_y_max, fuzz::effect_none},
        {&AnalysisSettings::reactance_y_min, fuzz::effect_none},
        {&AnalysisSettings::reactance_y_max, fuzz::effect_none},
        {&AnalysisSettings::delay_y_min, fuzz::effect_none},
        {&AnalysisSettings::delay_y_max, fuzz::effect_none},
        {&AnalysisSettings::first_x, fuzz::effect_none},
        {&AnalysisSettings::overlay_offset, fuzz::effect_none},
    };
    for (const Field& field : numbers) {
        if (field.written_by != fuzz::effect_none && field.written_by == effect) continue;
        if (!same_bits(before.*field.member, after.*field.member)) {
            fail("a settings number that nothing writes changed");
        }
    }
    // The explicit x ranges: as the caller left them, or cleared by a graph set-up.
    for (double AnalysisSettings::*member :
         {&AnalysisSettings::transfer_x_min, &AnalysisSettings::transfer_x_max,
          &AnalysisSettings::time_x_min, &AnalysisSettings::time_x_max,
          &AnalysisSettings::freq_x_min, &AnalysisSettings::freq_x_max}) {
        if (!same_bits(before.*member, after.*member) && after.*member != 0.0) {
            fail("an explicit x range was neither kept nor cleared");
        }
    }
    if (std::memcmp(before.stage_y_min, after.stage_y_min, sizeof before.stage_y_min) != 0 ||
        std::memcmp(before.stage_y_max, after.stage_y_max, sizeof before.stage_y_max) != 0) {
        fail("a stage range changed");
    }
    struct IntField {
        int AnalysisSettings::*member;
        int written_by;
    };
    const IntField ints[] = {
        {&AnalysisSettings::sample_count, fuzz::effect_sample_count},
        {&AnalysisSettings::x_divisions, fuzz::effect_none},
        {&AnalysisSettings::y_divisions, fuzz::effect_none},
        {&AnalysisSettings::stage_count, fuzz::effect_none},
        {&AnalysisSettings::panel, fuzz::effect_panel},
        {&AnalysisSettings::plot_style, fuzz::effect_plot_style},
        {&AnalysisSettings::line_dash, fuzz::effect_none},
        {&AnalysisSettings::line_width, fuzz::effect_none},
        {&AnalysisSettings::marker_shape, fuzz::effect_none},
    };
    for (const IntField& field : ints) {
        if (field.written_by != fuzz::effect_none && field.written_by == effect) continue;
        if (before.*field.member != after.*field.member) fail("a settings count changed");
    }
    if (effect != fuzz::effect_marker_size && before.marker_size != after.marker_size &&
        !(before.marker_size == 0 && after.marker_size == 2)) {
        fail("marker_size changed other than 0 to 2");
    }
    if (std::memcmp(before.x_label, after.x_label, label_size) != 0 ||
        std::memcmp(before.y_label, after.y_label, label_size) != 0 ||
        std::memcmp(before.title, after.title, title_size) != 0 ||
        std::memcmp(before.subtitle, after.subtitle, subtitle_size) != 0) {
        fail("a settings text changed");
    }
}

void check_layer_state() {
    if (gdi::object_table.live != 0) fail("a pen, brush, font or region was left alive");
    for (int m = 1; m < axis_label_count; ++m) {
        if (std::memcmp(x_axis_labels[m], initial_x_labels[m], caption_size) != 0 ||
            std::memcmp(y_axis_labels[m], initial_y_labels[m], caption_size) != 0) {
            fail("a fixed caption table entry changed");
        }
    }
    for (int m = 0; m < axis_label_count; ++m) {
        if (memchr(x_axis_labels[m], 0, caption_size) == nullptr ||
            memchr(y_axis_labels[m], 0, caption_size) == nullptr) {
            fail("a caption table entry lost its terminator");
        }
    }
}

// For triage: FUZZ_GRAPHING_DESCRIBE=1 prints what an input asks for before it runs.
void describe_case(const fuzz::FuzzCase& f) {
    const AnalysisSettings& s = f.settings;
    std::fprintf(stderr,
                 "kind %d, second kind %d, graph_kind %d, %d curves, end_run %s\n"
                 "sample_count %d, time_count %d, sweep %g..%g, time %g..%g, freq %g..%g\n"
                 "transfer x %g..%g y %g..%g, divisions %d x %d, stage_count %d, panel %d\n"
                 "plot_style %d, line_dash %d, line_width %d, marker_shape %d, marker_size %d\n"
                 "callback: %d values, side effect %d (slot %d); trace_count %d\n",
                 f.kind, f.second_kind, f.legend_graph_kind, f.curve_calls,
                 (f.skip_end_run & 1) ? "skipped" : "called", s.sample_count, s.time_count,
                 s.sweep_from, s.sweep_to, s.time_from, s.time_to, s.freq_from, s.freq_to,
                 s.transfer_x_min, s.transfer_x_max, s.transfer_y_min, s.transfer_y_max,
                 s.x_divisions, s.y_divisions, s.stage_count, s.panel, s.plot_style, s.line_dash,
                 s.line_width, s.marker_shape, s.marker_size, f.callback_value_count, f.side_effect,
                 f.side_slot, f.trace_count);
    for (int m = 0; m < trace_capacity && m < f.trace_count; ++m) {
        std::fprintf(stderr,
                     "  trace %d: value %g scale %g offset %g colour %d marker %d/%d style %d "
                     "dash %d width %d\n",
                     m, f.trace_value[m], f.trace_scale[m], f.trace_offset[m], f.trace_colour[m],
                     f.trace_marker_shape[m], f.trace_marker_size[m], f.trace_plot_style[m],
                     f.trace_line_dash[m], f.trace_line_width[m]);
    }
}

void run_case(const fuzz::FuzzCase& f) {
    const int kind = f.kind;
    for (int c = 0; c < f.curve_calls; ++c) {
        const fuzz::CurveCall& call = f.calls[c];
        settings->colour = call.colour;
        if (call.with_title & 1) {
            plot_curve_with(kind, fuzz_callback, *settings, call.with_colour,
                            caller_text(f, call.title_text));
        } else {
            plot_curve(kind, fuzz_callback, *settings);
        }
        legend_value_row(kind, call.base_row, call.row, caller_text(f, 0), caller_text(f, 1),
                         call.value, call.legend_colour);
        legend_int_row(kind, call.base_row, call.row, caller_text(f, 2), caller_text(f, 3),
                       call.int_value, call.legend_colour);
        legend_text_row(kind, call.row, call.offset, caller_text(f, 1), caller_text(f, 2),
                        call.legend_colour);
        draw_cell_text(call.column, call.cell_row, caller_text(f, 3), call.legend_colour);
    }
    if ((f.skip_end_run & 1) == 0) end_run();

    // The auxiliary sweeps and the older plot entry, on whatever the run left.
    sweep_overlay(fuzz_callback, *settings, settings->colour);
    find_value_range(fuzz_callback, *settings);
    double variable = 0.0;
    plot_sweep_variable(f.second_kind, (f.with_variable & 1) ? &variable : nullptr, fuzz_callback,
                        *settings, settings->colour, caller_text(f, 0));
    redraw_frames();

    // A second run of another kind over the frames the first one left.
    end_run();
    plot_curve(f.second_kind, fuzz_callback, *settings);
    const fuzz::ShapeCall& s = f.shapes;
    value_line(main_graph, s.x1, s.y1, s.x2, s.y2, s.colour);
    main_clipped_line(s.x1, s.y1, s.x2, s.y2, s.colour);
    mark_circle(main_graph, s.x1, s.y1, s.size, s.colour);
    mark_cross(upper_graph, s.x2, s.y2, s.size, s.colour);
    value_disc(main_graph, s.x1, s.y2, s.r, s.colour);
    dotted_circle(main_graph, s.x2, s.y1, s.r, s.step, s.colour);
    level_arrow(lower_graph, s.y1, s.colour);
    connect_dashed(main_graph, s.x1, s.x2, s.y2, s.colour, f.side_slot);
    end_run();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The console diagnostics (error reports, bells) go nowhere, and an error report never
    // waits for a key; libFuzzer's own output stays on the standard streams.
    std::FILE* null_out = std::fopen("/dev/null", "w");
    std::FILE* null_in = std::fopen("/dev/null", "r");
    console_out = null_out;
    console_err = null_out;
    menu_out = null_out;
    console_in = null_in;
    init_palette();
    background_colour = palette[colour_white];
    // The build date is fixed so that the stamp is the same in every run.
    build_date = "Jul 27 1999";
    std::memcpy(initial_x_labels, x_axis_labels, sizeof initial_x_labels);
    std::memcpy(initial_y_labels, y_axis_labels, sizeof initial_y_labels);
    target = new Target();
    settings = new_settings();
    clean_picture_hash = paint_program();
    if (paint_program() != clean_picture_hash) fail("two clean paints differ");
    paint_dc = nullptr;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::FuzzCase f;
    f = fuzz::FuzzCase{};
    fuzz::Reader reader(data, size);
    fuzz::exchange_case(reader, f);
    hold_work(f);

    static const bool describe = std::getenv("FUZZ_GRAPHING_DESCRIBE") != nullptr;
    if (describe) describe_case(f);

    reset_layer_state();
    target->begin_paint();
    load_settings(f.settings);
    load_traces(f);
    graph_kind = f.legend_graph_kind;
    current = &f;
    callback_calls = 0;

    run_case(f);

    check_settings(f.settings, *settings, f.side_effect);
    check_layer_state();

    analysis = AnalysisSettings{};
    if (paint_program() != clean_picture_hash) fail("the program paints differently");
    check_layer_state();
    paint_dc = nullptr;
    current = nullptr;
    return 0;
}
