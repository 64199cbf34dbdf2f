// The gallery's examples: each whole picture against its reviewed golden, the run's footprint
// (one bell, no error report, the counters back at 0), independence from whatever ran before,
// and the circuit behaviour that each picture exists to show, read back from its pixels.
#include <cmath>
#include <complex>
#include <cstring>
#include <filesystem>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "gallery/circuits.h"
#include "gallery/tests/gallery_fixture.h"
#include "graph/catalogue.h"
#include "graph/graph_frame.h"
#include "platform/recorder.h"
#include "plot/mapping.h"
#include "plot/sweep_globals.h"
#include "tests/support/golden.h"

namespace {

class ExamplePicture : public GalleryTest, public ::testing::WithParamInterface<int> {};

std::string example_name(const ::testing::TestParamInfo<int>& info) {
    return gallery_examples[info.param].name;
}

// The whole picture, and what one paint of it leaves behind: one bell (end_run), no error
// report of a frame that failed its check, both counters at 0 and the example's graph kind.
TEST_P(ExamplePicture, MatchesGolden) {
    const GalleryExample& example = gallery_examples[GetParam()];
    const gdi::Surface picture = paint(example);
    EXPECT_EQ(take_err(), "\a");
    EXPECT_EQ(take_out(), "");
    EXPECT_EQ(curve_count, 0);
    EXPECT_EQ(legend_count, 0);
    EXPECT_EQ(graph_kind, example.kind);
    const std::string difference =
        compare_with_golden(picture, std::string("gallery/") + example.name);
    EXPECT_TRUE(difference.empty()) << difference;
}

INSTANTIATE_TEST_SUITE_P(Gallery, ExamplePicture, ::testing::Range(0, gallery_example_count),
                         example_name);

TEST_F(GalleryTest, EveryGoldenHasAnExampleAndEveryExampleAGolden) {
    std::set<std::string> goldens;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(LUNKARO_SOURCE_DIR) +
                                                                 "/tests/goldens/gallery")) {
        if (entry.path().extension() == ".png") goldens.insert(entry.path().stem().string());
    }
    std::set<std::string> names;
    for (int i = 0; i < gallery_example_count; ++i) {
        EXPECT_TRUE(names.insert(gallery_examples[i].name).second)
            << "two examples named " << gallery_examples[i].name;
        EXPECT_EQ(find_gallery_example(gallery_examples[i].name), &gallery_examples[i]);
    }
    EXPECT_EQ(goldens, names);
    EXPECT_EQ(find_gallery_example("no_such_example"), nullptr);
    EXPECT_EQ(find_gallery_example(nullptr), nullptr);
}

// Leaves layer state that no example's settings cover in a strange condition: the captions
// of entry 0, the pens and staircase values of every frame, the sweep globals.
void disturb_layer_state() {
    copy_caption(x_axis_labels[0], "junk x");
    copy_caption(y_axis_labels[0], "junk y");
    GraphFrame* frames[] = {&main_graph, &upper_graph, &lower_graph};
    auto disturb = [](GraphFrame& frame) {
        for (int slot = 0; slot < curve_slots; ++slot) {
            frame.pen_x[slot] = 100 + slot;
            frame.pen_y[slot] = 50;
            frame.last_value[slot] = 1e300;
        }
        frame.line_dash = 3;
        frame.line_width = 1;
        frame.marker_shape = 5;
        frame.marker_size = 40;
    };
    for (GraphFrame* frame : frames) disturb(*frame);
    for (GraphFrame& frame : stage_graphs) disturb(frame);
    sweep_x = sweep_y = sweep_step = first_y = -7.0;
}

// Every example draws the same picture whichever example ran before it (forwards, backwards,
// in strides of 3 and 7) and after the layer's state was disturbed.
TEST_F(GalleryTest, PicturesDoNotDependOnWhatRanBefore) {
    const int n = gallery_example_count;
    std::vector<gdi::Surface> first;
    for (int i = 0; i < n; ++i) first.push_back(paint(gallery_examples[i]));
    for (int stride : {n - 1, 3, 7}) {
        for (int k = 0; k < n; ++k) {
            const int i = (k * stride) % n;
            EXPECT_TRUE(paint(gallery_examples[i]).pixels == first[i].pixels)
                << gallery_examples[i].name << " in the order of stride " << stride;
        }
    }
    for (int i = 0; i < n; ++i) {
        disturb_layer_state();
        EXPECT_TRUE(paint(gallery_examples[i]).pixels == first[i].pixels)
            << gallery_examples[i].name << " after the layer's state was disturbed";
    }
    EXPECT_EQ(take_out(), "");
    EXPECT_EQ(take_err(), std::string(static_cast<size_t>(5 * n), '\a'));
}

// The frequency of a pixel column of a logarithmic x axis: the middle of the column.
double column_frequency(const GraphFrame& panel, int column) {
    const double low = std::log10(panel.x_min);
    const double high = std::log10(panel.x_max);
    return std::pow(10.0, low + (column - panel.left) * (high - low) / panel.width);
}

// Whether the column has a pixel of the colour within one row of the row. One row of slack:
// a column spans a range of frequencies, over which the curve moves by up to a row.
bool near_row(const Canvas& canvas, int column, int row, int colour) {
    for (int r = row - 1; r <= row + 1; ++r) {
        if (canvas.colour_at(column, r) == colour) return true;
    }
    return false;
}

// The two-section ladder's gain and phase (red, drawn last) follow the circuit in every column
// of both panels, the lowest decades too: the piecewise sweep samples every decade as densely,
// where one linear sweep would draw the first two decades as one straight segment.
TEST_F(GalleryTest, BodeCurvesFollowTheLadderInEveryColumn) {
    Canvas canvas(gallery_client_width, gallery_client_height);
    find_gallery_example("rc_bode")->run();
    constexpr int red = 2;
    int checked = 0;
    for (int column = upper_graph.left + 1; column < upper_graph.left + upper_graph.width;
         ++column) {
        const std::complex<double> h =
            rc_ladder_transfer(2, 1e3, 0.1e-6, column_frequency(upper_graph, column));
        const int gain_row = map_y(upper_graph, gain_db(h));
        const int phase_row = map_y(lower_graph, phase_degrees(h));
        EXPECT_TRUE(near_row(canvas, column, gain_row, red)) << "gain, column " << column;
        EXPECT_TRUE(near_row(canvas, column, phase_row, red)) << "phase, column " << column;
        ++checked;
    }
    EXPECT_EQ(checked, 447);
    EXPECT_EQ(upper_graph.x_min, 10.0);
    EXPECT_EQ(upper_graph.x_max, 1e5);
}

// The 10-ohm circuit's impedance reaches 10 ohms at resonance: the pieces meet there, so the
// dip, narrower than a pixel column, is sampled at its bottom.
TEST_F(GalleryTest, ImpedanceDipReachesTheResistanceAtResonance) {
    Canvas canvas(gallery_client_width, gallery_client_height);
    find_gallery_example("rlc_impedance")->run();
    const double resonance = 1.0 / (2.0 * std::numbers::pi * std::sqrt(10e-3 * 10e-9));
    constexpr int blue = 1;
    EXPECT_EQ(canvas.colour_at(map_x(upper_graph, resonance), map_y(upper_graph, 10.0)), blue);
    // Below 10 ohms nothing is blue: the curve bottoms out at the resistance.
    for (int row = map_y(upper_graph, 10.0) + 1; row < upper_graph.bottom; ++row) {
        for (int column = upper_graph.left; column < upper_graph.left + upper_graph.width;
             ++column) {
            ASSERT_NE(canvas.colour_at(column, row), blue) << column << ", " << row;
        }
    }
}

// The register display shows, stage by stage, the register the DAC is given for 2.7 V:
// 100 (kept), 110 (dropped), 101 (kept) and the result 101.
TEST_F(GalleryTest, ConverterRegisterDisplayShowsEachStage) {
    Canvas canvas(gallery_client_width, gallery_client_height);
    gdi::Recorder recorder;
    gdi::set_recorder(&recorder);
    find_gallery_example("sar_converter")->run();
    gdi::set_recorder(nullptr);
    std::vector<std::string> registers;
    for (const gdi::Call& call : recorder.calls) {
        if (call.op == "text_out" && call.text.size() == 3 &&
            call.text.find_first_not_of("01") == std::string::npos) {
            registers.push_back(call.text);
        }
    }
    EXPECT_EQ(registers, (std::vector<std::string>{"100", "110", "101", "101"}));
}

// Each Schmitt loop switches up at its upper and down at its lower threshold: in the row of
// 0 V the loop's colour stands just inside both thresholds' columns and nowhere between.
TEST_F(GalleryTest, SchmittLoopsCrossZeroAtTheirThresholds) {
    Canvas canvas(gallery_client_width, gallery_client_height);
    find_gallery_example("schmitt_trigger")->run();
    const int zero_row = map_y(main_graph, 0.0);
    struct Loop {
        int colour;
        double vsat;
    };
    for (Loop loop : {Loop{1, 3.5}, Loop{2, 4.5}}) {
        const double threshold = schmitt_threshold(10e3, 22e3, loop.vsat);
        std::vector<int> columns;
        for (int column = main_graph.left; column <= main_graph.left + main_graph.width; ++column) {
            if (canvas.colour_at(column, zero_row) == loop.colour) columns.push_back(column);
        }
        ASSERT_FALSE(columns.empty()) << "colour " << loop.colour;
        // The jump is drawn between the last sample before the threshold and the first after
        // it, 0.05 V apart.
        EXPECT_GE(columns.front(), map_x(main_graph, -threshold - 0.05));
        EXPECT_LE(columns.front(), map_x(main_graph, -threshold + 0.05));
        EXPECT_GE(columns.back(), map_x(main_graph, threshold - 0.05));
        EXPECT_LE(columns.back(), map_x(main_graph, threshold + 0.05));
        const int middle = (columns.front() + columns.back()) / 2;
        for (int column : columns) {
            EXPECT_TRUE(column < middle - 20 || column > middle + 20) << "column " << column;
        }
    }
}

}  // namespace
