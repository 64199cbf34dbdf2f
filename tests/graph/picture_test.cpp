// Whole pictures of one frame of each family, compared pixel for pixel with reviewed goldens in
// tests/goldens/graph; each picture is also written into the build tree for review.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "graph/catalogue.h"
#include "graph/frame_drawing.h"
#include "tests/graph/graph_fixture.h"
#include "tests/support/golden.h"

#ifndef LUNKARO_SOURCE_DIR
#define LUNKARO_SOURCE_DIR "."
#endif
#ifndef LUNKARO_BINARY_DIR
#define LUNKARO_BINARY_DIR "."
#endif

namespace {

struct PictureCase {
    const char* name;
    std::function<void(AnalysisSettings&)> draw;
};

void set_up_kind(AnalysisSettings& s, int kind, const char* title) {
    setup_graph(kind, s, title);
}

const PictureCase picture_cases[] = {
    {"single_linear",
     [](AnalysisSettings& s) {
         s.sweep_from = 0.4;
         s.sweep_to = 0.8;
         s.transfer_y_min = 0.0014;
         s.transfer_y_max = 0.0026;
         s.x_divisions = 8;
         s.y_divisions = 6;
         std::strcpy(s.x_label, "Vbe [V]");
         std::strcpy(s.y_label, "Ie [A]");
         set_up_kind(s, 1, "バイアス");
     }},
    {"log_log",
     [](AnalysisSettings& s) {
         s.freq_from = 20;
         s.freq_to = 50000;
         s.magnitude_y_min = 2;
         s.magnitude_y_max = 5000;
         set_up_kind(s, 71, "Impedance");
     }},
    {"degree_phase",
     [](AnalysisSettings& s) {
         s.freq_from = 10;
         s.freq_to = 100000;
         s.phase_y_min = -170;
         s.phase_y_max = 20;
         set_up_kind(s, 63, "Phase");
     }},
    {"complex_plane",
     [](AnalysisSettings& s) {
         s.real_min = -2;
         s.real_max = 2;
         s.imag_min = -1.5;
         s.imag_max = 1.5;
         set_up_kind(s, 42, "Nyquist");
     }},
    {"time_division",
     [](AnalysisSettings& s) {
         s.time_from = 0;
         s.time_to = 0.001;
         s.time_y_min = -4;
         s.time_y_max = 4;
         set_up_kind(s, 35, "Scope");
     }},
    {"converter",
     [](AnalysisSettings& s) {
         s.sweep_from = 0;
         s.sweep_to = 8;
         s.transfer_y_min = 0;
         s.transfer_y_max = 256;
         s.x_divisions = 8;
         s.y_divisions = 8;
         set_up_kind(s, 5, "A/D");
     }},
    {"square",
     [](AnalysisSettings&) {
         set_frame_scales(main_graph, scale_auto, scale_auto, 0, 0, "x", "y");
         set_frame_ranges(main_graph, 0, 1, 0, 1);
         GraphFrame scratch{};
         draw_graph_frames(style_square, main_graph, scratch, "Square");
     }},
    {"paired_bode",
     [](AnalysisSettings& s) {
         s.freq_from = 10;
         s.freq_to = 100000;
         s.magnitude_y_min = -60;
         s.magnitude_y_max = 20;
         s.phase_y_min = -180;
         s.phase_y_max = 0;
         set_up_kind(s, 97, "Bode");
     }},
    {"stage_strips",
     [](AnalysisSettings& s) {
         s.stage_count = 4;
         s.sweep_from = 0;
         s.sweep_to = 1;
         set_up_kind(s, 0, "Stages");
     }},
};

class FramePicture : public GraphTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(FramePicture, MatchesGolden) {
    AnalysisSettings s{};
    GetParam().draw(s);
    EXPECT_EQ(console_output(), "");
    const std::string name = GetParam().name;
    gdi::write_png(canvas->surface, std::string(LUNKARO_BINARY_DIR) + "/graph_" + name + ".png");
    const std::string difference = compare_with_golden(canvas->surface, "graph/" + name);
    EXPECT_TRUE(difference.empty()) << difference;
}

INSTANTIATE_TEST_SUITE_P(Families, FramePicture, ::testing::ValuesIn(picture_cases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every golden of the folder has its case.
TEST(FramePictureGoldens, EveryGoldenHasACase) {
    std::set<std::string> cases;
    for (const PictureCase& c : picture_cases) cases.insert(std::string(c.name) + ".png");
    const std::filesystem::path folder =
        std::filesystem::path(LUNKARO_SOURCE_DIR) / "tests" / "goldens" / "graph";
    int goldens = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".png") continue;
        ++goldens;
        EXPECT_EQ(cases.count(entry.path().filename().string()), 1u) << entry.path();
    }
    EXPECT_EQ(goldens, static_cast<int>(cases.size()));
}

}  // namespace
