// The cost of one paint against its floor, sweep scaling, far-out curves and texts.
//
// The floor of a paint is the least work any paint must do: erase the client area and evaluate
// the model 3000 times (twelve curves of 250 samples). After the report the benchmark prints
// the ratios the goals are stated in, from the runs of the same invocation: paint / floor,
// far-out paint / paint, and the time per sample of the smallest sweep against the largest.
// With repetitions the medians are compared.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "bench/allocation_count.h"
#include "bias/analysis_settings.h"
#include "bias/bias_run.h"
#include "bias/models.h"
#include "draw/paint_context.h"
#include "draw/palette.h"
#include "graph/catalogue.h"
#include "platform/font_face.h"
#include "platform/gdi.h"
#include "platform/recorder.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "plot/legend.h"
#include "plot/plot_entry.h"
#include "plot/sweep_globals.h"

namespace {

constexpr int client_width = 632;
constexpr int client_height = 453;

// An in-memory window and its surface, wired into the drawing layer's globals.
struct PaintTarget {
    gdi::Surface surface = gdi::make_surface(client_width, client_height, gdi::rgb(255, 255, 255));
    gdi::Window window{client_width, client_height, nullptr};
    gdi::Dc dc;

    PaintTarget() {
        init_palette();
        background_colour = palette[colour_white];
        main_window = &window;
    }
    // The erase of begin-paint and a fresh paint context.
    void begin() {
        std::fill(surface.pixels.begin(), surface.pixels.end(), background_colour);
        dc = gdi::make_paint_dc(surface);
        paint_dc = &dc;
    }
};

// The bell of every paint goes to standard error; keep it off the report.
struct QuietStderr {
    int saved = dup(2);
    QuietStderr() {
        int null_fd = open("/dev/null", O_WRONLY);
        dup2(null_fd, 2);
        close(null_fd);
    }
    ~QuietStderr() {
        dup2(saved, 2);
        close(saved);
    }
};

// Glyphs rasterized and allocations made per timed paint, as counters of the run.
struct PaintCounts {
    long long glyphs = 0;
    long long allocations = 0;

    void add_since(long long glyphs_before, long long allocations_before) {
        glyphs += gdi::glyphs_rasterized() - glyphs_before;
        allocations += allocation_count() - allocations_before;
    }
    void report(benchmark::State& state) const {
        state.counters["glyphs_rasterized"] =
            benchmark::Counter(static_cast<double>(glyphs), benchmark::Counter::kAvgIterations);
        state.counters["allocations"] = benchmark::Counter(static_cast<double>(allocations),
                                                           benchmark::Counter::kAvgIterations);
    }
};

// One whole paint: the erase, then the run with everything it draws. A first paint before the
// timing loads the font; the counters show what each timed paint rasterized and allocated.
void BM_Paint(benchmark::State& state) {
    PaintTarget target;
    QuietStderr quiet;
    target.begin();
    bias_run();
    PaintCounts counts;
    for (auto _ : state) {
        const long long glyphs_before = gdi::glyphs_rasterized();
        const long long allocations_before = allocation_count();
        target.begin();
        bias_run();
        counts.add_since(glyphs_before, allocations_before);
        benchmark::DoNotOptimize(target.surface.pixels.data());
    }
    counts.report(state);
}
BENCHMARK(BM_Paint);

void BM_PaintFloor(benchmark::State& state) {
    PaintTarget target;
    {
        QuietStderr quiet;
        target.begin();
        bias_run();  // sets the circuit constants the models read
    }
    for (auto _ : state) {
        target.begin();
        double sum = 0;
        for (model_mode = mode_junction; model_mode <= mode_bias_line; ++model_mode) {
            for (int i = 0; i < 6; ++i) {
                temperature_c = i * 10.0;
                gain_factor = (i - 2) * 0.05 + 1.0;
                double step = (0.8 - 0.4) / 250;
                int samples = 0;
                for (sweep_x = 0.4; sweep_x <= 0.8 && samples < 250; sweep_x += step, ++samples) {
                    sum += evaluate_model();
                }
            }
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(target.surface.pixels.data());
    }
}
BENCHMARK(BM_PaintFloor);

double cheap_line() {
    return 0.002 + 0.001 * (sweep_x - 0.6);
}

// One curve of kind 1 over the bias frame, drawn with decimation, for growing sample counts:
// the time per sample should stay flat. The counter per_sample is the time of one sample.
void BM_SweepScaling(benchmark::State& state) {
    PaintTarget target;
    QuietStderr quiet;
    target.begin();
    bias_run();  // lays out and draws the bias frame once
    analysis.sample_count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        curve_count = 1;  // the frame stands; only the curve is swept
        sweep_linear(1, cheap_line, analysis, 2);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["per_sample"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    analysis.sample_count = 250;
    curve_count = 0;
}
BENCHMARK(BM_SweepScaling)
    ->RangeMultiplier(10)
    ->Range(1000, 10000000)
    ->Unit(benchmark::kMicrosecond);

double far_model() {
    return evaluate_model() * 1e12;
}

// A paint whose curves all lie 1e12 times beyond the y range: clipping must keep it as cheap
// as a normal paint.
void BM_PaintFarOut(benchmark::State& state) {
    PaintTarget target;
    QuietStderr quiet;
    target.begin();
    bias_run();  // sets the run's settings and constants
    for (auto _ : state) {
        target.begin();
        for (model_mode = mode_junction; model_mode <= mode_bias_line; ++model_mode) {
            for (int i = 0; i < 6; ++i) {
                temperature_c = i * 10.0;
                gain_factor = (i - 2) * 0.05 + 1.0;
                analysis.colour = i;
                plot_curve(1, far_model, analysis);
                legend_value_row(1, 0, i + 1, " Temp ", "[deg]", temperature_c, i);
            }
        }
        end_run();
    }
}
BENCHMARK(BM_PaintFarOut);

// One text of a paint as the drawing layer writes it: its font, colour, alignment and
// background mode, its reference point and bytes.
struct PaintText {
    gdi::FontSpec font;
    gdi::Colour colour = 0;
    int align = 0;
    int bk_mode = 0;
    int x = 0;
    int y = 0;
    std::string bytes;
};

// The texts of one paint, read from the call records of a paint: each text_out with the font
// of the create_font and the state set before it.
std::vector<PaintText> texts_of_a_paint(PaintTarget& target) {
    gdi::Recorder recorder;
    QuietStderr quiet;
    target.begin();
    gdi::set_recorder(&recorder);
    bias_run();
    gdi::set_recorder(nullptr);
    std::vector<PaintText> texts;
    PaintText current;
    for (const gdi::Call& call : recorder.calls) {
        if (call.op == "create_font" && call.args.size() == 13) {
            int* fields[] = {&current.font.height,          &current.font.width,
                             &current.font.escapement,      &current.font.orientation,
                             &current.font.weight,          &current.font.italic,
                             &current.font.underline,       &current.font.strike_out,
                             &current.font.char_set,        &current.font.out_precision,
                             &current.font.clip_precision,  &current.font.quality,
                             &current.font.pitch_and_family};
            for (int k = 0; k < 13; ++k) *fields[k] = static_cast<int>(call.args[k]);
            std::snprintf(current.font.face, sizeof current.font.face, "%s", call.text.c_str());
        } else if (call.op == "set_text_color") {
            current.colour = static_cast<gdi::Colour>(call.args[0]);
        } else if (call.op == "set_text_align") {
            current.align = static_cast<int>(call.args[0]);
        } else if (call.op == "set_bk_mode") {
            current.bk_mode = static_cast<int>(call.args[0]);
        } else if (call.op == "text_out") {
            current.x = static_cast<int>(call.args[0]);
            current.y = static_cast<int>(call.args[1]);
            current.bytes = call.text;
            texts.push_back(current);
        }
    }
    return texts;
}

// The paint's texts alone, each as the drawing layer writes it: its font created, selected,
// the state set, the text written, the font put back and destroyed. The counters show that a
// repeat rasterizes no glyph and allocates nothing.
void BM_Texts(benchmark::State& state) {
    PaintTarget target;
    const std::vector<PaintText> texts = texts_of_a_paint(target);
    auto write_all = [&] {
        gdi::Dc& dc = target.dc;
        for (const PaintText& t : texts) {
            const gdi::Handle font = gdi::create_font(t.font);
            const gdi::Handle previous = gdi::select_object(dc, font);
            gdi::set_bk_mode(dc, t.bk_mode);
            gdi::set_text_color(dc, t.colour);
            gdi::set_text_align(dc, t.align);
            gdi::text_out(dc, t.x, t.y, t.bytes.data(), static_cast<int>(t.bytes.size()));
            gdi::select_object(dc, previous);
            gdi::delete_object(font);
        }
    };
    target.begin();
    PaintCounts counts;
    for (auto _ : state) {
        const long long glyphs_before = gdi::glyphs_rasterized();
        const long long allocations_before = allocation_count();
        write_all();
        counts.add_since(glyphs_before, allocations_before);
        benchmark::DoNotOptimize(target.surface.pixels.data());
    }
    counts.report(state);
    state.counters["texts"] = static_cast<double>(texts.size());
}
BENCHMARK(BM_Texts);

// Prints the ratios of the goals after the console report, from medians where the runs were
// repeated.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const std::string name = run.run_name.str();
            const double ns =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median") medians[name] = ns;
            } else if (run.iterations > 0) {
                samples[name].push_back(ns);
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double paint = time_of("BM_Paint");
        const double floor = time_of("BM_PaintFloor");
        const double far = time_of("BM_PaintFarOut");
        const double small_sweep = time_of("BM_SweepScaling/1000") / 1e3;
        const double large_sweep = time_of("BM_SweepScaling/10000000") / 1e7;
        if (paint > 0 && floor > 0) {
            std::printf("paint / floor = %.2f  (paint %.1f us, floor %.1f us; goal <= 3)\n",
                        paint / floor, paint / 1e3, floor / 1e3);
        }
        if (paint > 0 && far > 0) {
            std::printf("far-out paint / paint = %.2f  (goal <= 1.5)\n", far / paint);
        }
        if (small_sweep > 0 && large_sweep > 0) {
            std::printf(
                "sweep time per sample 1e3 / 1e7 = %.2f  (%.2f ns and %.2f ns; goal <= 1.5)\n",
                small_sweep / large_sweep, small_sweep, large_sweep);
        }
    }

private:
    // The median of the repetitions, or the time of the one run; 0 when it did not run.
    double time_of(const std::string& name) {
        auto median = medians.find(name);
        if (median != medians.end()) return median->second;
        auto found = samples.find(name);
        if (found == samples.end() || found->second.empty()) return 0;
        std::vector<double> v = found->second;
        std::sort(v.begin(), v.end());
        const std::size_t n = v.size();
        return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }

    std::map<std::string, double> medians;
    std::map<std::string, std::vector<double>> samples;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
