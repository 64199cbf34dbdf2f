// The cost of one paint against its floor, sweep scaling, far-out curves and texts.
//
// The floor of a paint is the least work any paint must do: erase the client area and evaluate
// the model 3000 times (twelve curves of 250 samples). The paint benchmark prints the ratio of
// the two from the same run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include "bias/analysis_settings.h"
#include "bias/bias_run.h"
#include "bias/models.h"
#include "draw/paint_context.h"
#include "draw/palette.h"
#include "graph/catalogue.h"
#include "platform/gdi.h"
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

void BM_Paint(benchmark::State& state) {
    PaintTarget target;
    QuietStderr quiet;
    for (auto _ : state) {
        target.begin();
        bias_run();
        benchmark::DoNotOptimize(target.surface.pixels.data());
    }
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

double cheap_line() { return 0.002 + 0.001 * (sweep_x - 0.6); }

// One curve of kind 1 over the bias frame, drawn with decimation, for growing sample counts:
// the time per sample should stay flat.
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
    analysis.sample_count = 250;
    curve_count = 0;
}
BENCHMARK(BM_SweepScaling)->RangeMultiplier(10)->Range(1000, 10000000)->Unit(benchmark::kMicrosecond);

double far_model() { return evaluate_model() * 1e12; }

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

// Prints the ratio of a paint to its floor after the console report.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.iterations > 0) per_iteration[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        auto paint = per_iteration.find("BM_Paint");
        auto floor = per_iteration.find("BM_PaintFloor");
        if (paint != per_iteration.end() && floor != per_iteration.end() && floor->second > 0) {
            std::printf("paint / floor = %.2f\n", paint->second / floor->second);
        }
        auto far = per_iteration.find("BM_PaintFarOut");
        if (paint != per_iteration.end() && far != per_iteration.end() && paint->second > 0) {
            std::printf("far-out paint / paint = %.2f\n", far->second / paint->second);
        }
    }

private:
    std::map<std::string, double> per_iteration;
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
