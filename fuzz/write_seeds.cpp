// Writes the seed inputs of the graphing fuzz target: the settings of one program's run, as
// the run itself writes them, and (for Lunkaro4) the same settings turned to one graph kind of
// each family. Linked once per program with that program's run and model switch.
// usage: write_seeds_PROGRAM DIR
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bias/analysis_settings.h"
#include "bias/bias_run.h"
#include "bias/models.h"
#include "diag/console.h"
#include "draw/paint_context.h"
#include "draw/palette.h"
#include "fuzz/fuzz_input.h"
#include "platform/gdi.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "plot/sweep_globals.h"

namespace {

constexpr int client_width = 632;
constexpr int client_height = 453;
constexpr int run_curves = 12;

bool write_case(const std::string& path, fuzz::FuzzCase& f) {
    fuzz::Writer writer;
    fuzz::exchange_case(writer, f);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    const bool ok =
        std::fwrite(writer.bytes.data(), 1, writer.bytes.size(), out) == writer.bytes.size();
    return std::fclose(out) == 0 && ok;
}

// The run's settings and calls: twelve curves of the run's kind, the legend rows the run
// writes (base row 0, rows 1..6 with the temperatures), and the junction curve at 0 °C as the
// callback's values.
fuzz::FuzzCase program_case() {
    fuzz::FuzzCase f{};
    f.kind = graph_kind;
    f.legend_graph_kind = graph_kind;
    f.curve_calls = run_curves;
    f.second_kind = graph_kind;
    f.settings = analysis;
    for (int c = 0; c < run_curves; ++c) {
        fuzz::CurveCall& call = f.calls[c];
        call.colour = c % 6;
        call.with_colour = call.colour;
        call.title_text = -1;
        call.row = c % 6 + 1;
        call.value = 10.0 * (c % 6);
        call.legend_colour = call.colour;
    }
    std::strcpy(f.texts[0], " Temp ");
    std::strcpy(f.texts[1], "[deg]");
    model_mode = mode_junction;
    temperature_c = 0.0;
    gain_factor = 1.0;
    f.callback_value_count = fuzz::max_callback_values;
    const double step = (analysis.sweep_to - analysis.sweep_from) / (fuzz::max_callback_values - 1);
    for (int i = 0; i < fuzz::max_callback_values; ++i) {
        sweep_x = analysis.sweep_from + i * step;
        f.callback_values[i] = evaluate_model();
    }
    f.shapes = {0.5, 0.002, 0.7, 0.0022, 0.05, 30.0, 3, 2};
    for (int m = 0; m < trace_capacity; ++m) {
        f.trace_value[m] = 0.5 + 0.1 * m;
        f.trace_colour[m] = m % 16;
    }
    return f;
}

// One seed per family of graph kinds, with the ranges that family reads set to something
// drawable.
void write_family_seeds(const std::string& dir, const fuzz::FuzzCase& base, int& written) {
    struct Family {
        const char* name;
        int kind;
    };
    const Family families[] = {
        {"stage-strips", 0}, {"traces", 2},   {"hysteresis", 3},     {"converter", 5},
        {"log-log", 6},      {"time", 17},    {"time-division", 35}, {"complex", 42},
        {"gain", 59},        {"phase", 63},   {"bode", 97},          {"resistance", 127},
        {"no-row", 16},      {"beyond", 139}, {"negative", -5},
    };
    for (const Family& family : families) {
        fuzz::FuzzCase f = base;
        f.kind = family.kind;
        f.legend_graph_kind = family.kind;
        f.second_kind = family.kind;
        f.curve_calls = 2;
        AnalysisSettings& s = f.settings;
        s.time_from = 0.0;
        s.time_to = 1e-3;
        s.time_count = 100;
        s.time_y_min = -1.0;
        s.time_y_max = 1.0;
        s.freq_from = 10.0;
        s.freq_to = 1e5;
        s.magnitude_y_min = -40.0;
        s.magnitude_y_max = 20.0;
        s.phase_y_min = -180.0;
        s.phase_y_max = 180.0;
        s.real_min = -1.0;
        s.real_max = 1.0;
        s.imag_min = -1.0;
        s.imag_max = 1.0;
        s.resistance_y_min = 1.0;
        s.resistance_y_max = 1e3;
        s.reactance_y_min = 1.0;
        s.reactance_y_max = 1e3;
        s.stage_count = 4;
        s.panel = 1;
        for (int i = 0; i < stage_range_count; ++i) {
            s.stage_y_min[i] = -1.0;
            s.stage_y_max[i] = 1.0;
        }
        if (family.kind == 5) {
            s.sweep_from = 0.0;
            s.sweep_to = 8.0;
            s.sample_count = 8;
            s.transfer_y_min = 0.0;
            s.transfer_y_max = 4.0;
        }
        if (family.kind == 6) {
            s.sweep_from = 1.0;
            s.sweep_to = 1000.0;
            s.transfer_y_min = 1e-4;
            s.transfer_y_max = 1e-2;
        }
        f.trace_count = family.kind == 0 || family.kind == 2 || family.kind == 5 ? 4 : 0;
        if (write_case(dir + "/seed-" + family.name, f)) ++written;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    std::FILE* null_out = std::fopen("/dev/null", "w");
    console_err = null_out;
    console_out = null_out;

    // The run writes its settings while it paints: paint once on an in-memory window.
    init_palette();
    background_colour = palette[colour_white];
    gdi::Surface surface = gdi::make_surface(client_width, client_height, background_colour);
    gdi::Window window{client_width, client_height, nullptr};
    gdi::Dc dc = gdi::make_paint_dc(surface);
    paint_dc = &dc;
    main_window = &window;
    bias_run();
    paint_dc = nullptr;

    fuzz::FuzzCase run = program_case();
    int written = 0;
    if (write_case(dir + "/seed-" LUNKARO_PROGRAM_SEED "-run", run)) ++written;
    if (std::strcmp(LUNKARO_PROGRAM_SEED, "lunkaro4") == 0) write_family_seeds(dir, run, written);
    std::printf("%s: %d seeds written to %s\n", argv[0], written, dir.c_str());
    return written > 0 ? 0 : 1;
}
