// The graph-kind catalogue: every kind's panels, style, scales, divisions, captions and range
// sources; the range overrides; the caption tables' entry 0; the stage strips.
#include "graph/catalogue.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "tests/graph/graph_fixture.h"

namespace {

using Catalogue = GraphTest;

using Field = double AnalysisSettings::*;
struct Range {
    Field min, max;
};
const Range transfer_x{&AnalysisSettings::transfer_x_min, &AnalysisSettings::transfer_x_max};
const Range time_x{&AnalysisSettings::time_x_min, &AnalysisSettings::time_x_max};
const Range freq_x{&AnalysisSettings::freq_x_min, &AnalysisSettings::freq_x_max};
const Range real{&AnalysisSettings::real_min, &AnalysisSettings::real_max};
const Range imag{&AnalysisSettings::imag_min, &AnalysisSettings::imag_max};
const Range transfer_y{&AnalysisSettings::transfer_y_min, &AnalysisSettings::transfer_y_max};
const Range time_y{&AnalysisSettings::time_y_min, &AnalysisSettings::time_y_max};
const Range magnitude{&AnalysisSettings::magnitude_y_min, &AnalysisSettings::magnitude_y_max};
const Range phase{&AnalysisSettings::phase_y_min, &AnalysisSettings::phase_y_max};
const Range resistance{&AnalysisSettings::resistance_y_min, &AnalysisSettings::resistance_y_max};
const Range reactance{&AnalysisSettings::reactance_y_min, &AnalysisSettings::reactance_y_max};
const Range delay{&AnalysisSettings::delay_y_min, &AnalysisSettings::delay_y_max};
const Range none{nullptr, nullptr};

const Range all_ranges[] = {transfer_x, time_x,    freq_x, real,       imag,      transfer_y,
                            time_y,     magnitude, phase,  resistance, reactance, delay};

constexpr int copied = -10;  // entry 0, the run's captions copied in
constexpr int kept = -20;    // entry 0 as it stands
constexpr int no_row = -1;

struct Expected {
    int first, last;
    int style;
    int x_scale, y_scale, lower_y_scale;
    int captions, lower_captions;  // caption index, copied or kept
    Range x, y, lower_y;
};

// The catalogue, one line per run of kinds; the lines for kinds without a row say so.
const Expected expected_kinds[] = {
    {1, 2, 1, 0, 0, no_row, copied, no_row, transfer_x, transfer_y, none},
    {3, 3, 1, 1, 1, no_row, copied, no_row, transfer_x, transfer_y, none},
    {4, 4, 1, 1, 1, no_row, 2, no_row, transfer_x, transfer_y, none},
    {5, 5, 4, 0, 0, no_row, 15, no_row, transfer_x, transfer_y, none},
    {6, 6, 1, 3, 3, no_row, kept, no_row, transfer_x, transfer_y, none},
    {7, 7, 1, 3, 1, no_row, kept, no_row, transfer_x, transfer_y, none},
    {8, 8, 1, 1, 3, no_row, kept, no_row, transfer_x, transfer_y, none},
    {9, 9, 1, 3, 3, no_row, 2, no_row, transfer_x, transfer_y, none},
    {10, 15, 1, 5, 5, no_row, copied, no_row, transfer_x, transfer_y, none},
    {16, 16, no_row, 0, 0, 0, 0, 0, none, none, none},
    {17, 34, 1, 1, 1, no_row, 1, no_row, time_x, time_y, none},
    {35, 36, 3, 1, 1, no_row, 4, no_row, time_x, time_y, none},
    {37, 41, 1, 1, 1, no_row, 1, no_row, time_x, time_y, none},
    {42, 58, 1, 4, 4, no_row, 3, no_row, real, imag, none},
    {59, 62, 1, 3, 1, no_row, 5, no_row, freq_x, magnitude, none},
    {63, 68, 1, 3, 2, no_row, 6, no_row, freq_x, phase, none},
    {69, 69, 1, 3, 1, no_row, 5, no_row, freq_x, magnitude, none},
    {70, 70, 1, 3, 2, no_row, 6, no_row, freq_x, phase, none},
    {71, 72, 1, 3, 3, no_row, 7, no_row, freq_x, magnitude, none},
    {73, 73, no_row, 0, 0, 0, 0, 0, none, none, none},
    {74, 75, 1, 3, 3, no_row, 10, no_row, freq_x, reactance, none},
    {76, 76, 1, 3, 2, no_row, 6, no_row, freq_x, phase, none},
    {77, 78, 1, 4, 4, no_row, 3, no_row, real, imag, none},
    {79, 79, no_row, 0, 0, 0, 0, 0, none, none, none},
    {80, 80, 1, 4, 4, no_row, 3, no_row, real, imag, none},
    {81, 82, 1, 1, 1, no_row, 5, no_row, freq_x, magnitude, none},
    {83, 85, 1, 1, 2, no_row, 6, no_row, freq_x, phase, none},
    {86, 86, 1, 1, 1, no_row, 7, no_row, freq_x, magnitude, none},
    {87, 88, no_row, 0, 0, 0, 0, 0, none, none, none},
    {89, 92, 1, 1, 1, no_row, 10, no_row, freq_x, reactance, none},
    {93, 95, no_row, 0, 0, 0, 0, 0, none, none, none},
    {96, 96, 1, 1, 1, no_row, 11, no_row, freq_x, delay, none},
    {97, 114, 0, 3, 1, 2, 5, 6, freq_x, magnitude, phase},
    {115, 125, 0, 3, 3, 2, 7, 8, freq_x, magnitude, phase},
    {126, 126, 0, 3, 3, 2, 16, 17, freq_x, magnitude, phase},
    {127, 127, 0, 3, 3, 3, 9, 10, freq_x, resistance, reactance},
    {128, 128, 0, 3, 3, 2, 11, 12, freq_x, delay, phase},
    {129, 132, 0, 1, 1, 2, 13, 14, freq_x, magnitude, phase},
    {133, 135, 0, 1, 1, 2, 7, 8, freq_x, magnitude, phase},
    {136, 136, 0, 1, 1, 2, 16, 17, freq_x, magnitude, phase},
    {137, 137, 0, 1, 1, 1, 9, 10, freq_x, resistance, reactance},
    {138, 138, 0, 1, 1, 2, 11, 12, freq_x, delay, phase},
};

const Expected* expected_of(int kind) {
    for (const Expected& e : expected_kinds) {
        if (kind >= e.first && kind <= e.last) return &e;
    }
    return nullptr;
}

// Settings whose every range is reversed and distinct (min 10 k + 2, max 10 k + 1): each frame
// fails its x check with code 3 before any axis is drawn, so every stored range stays as the
// catalogue handed it, and each range names its source.
AnalysisSettings reversed_settings() {
    AnalysisSettings s{};
    double k = 1;
    for (const Range& r : all_ranges) {
        s.*(r.min) = 10 * k + 2;
        s.*(r.max) = 10 * k + 1;
        ++k;
    }
    s.x_divisions = 8;
    s.y_divisions = 6;
    std::strcpy(s.x_label, "Vbe [V]");
    std::strcpy(s.y_label, "Ie [A]");
    return s;
}

std::string caption_pair(const GraphFrame& f) {
    return std::string(f.x_caption) + " / " + f.y_caption;
}

// The captions a panel should show; entry 0 holds the generic pair before the set-up.
std::string expected_captions(int index) {
    if (index == copied) return "Vbe [V] / Ie [A]";
    if (index == kept) return "入力 / 出力";
    return std::string(x_axis_labels[index]) + " / " + y_axis_labels[index];
}

void expect_panel(const GraphFrame& f, int style, int x_scale, int y_scale, int captions,
                  const AnalysisSettings& s, const Range& x, const Range& y, int divisions_x,
                  int divisions_y) {
    EXPECT_EQ(f.frame_style, style);
    EXPECT_EQ(f.x_scale, x_scale);
    EXPECT_EQ(f.y_scale, y_scale);
    EXPECT_EQ(f.x_divisions, divisions_x);
    EXPECT_EQ(f.y_divisions, divisions_y);
    EXPECT_EQ(caption_pair(f), expected_captions(captions));
    EXPECT_EQ(f.x_min, s.*(x.min));
    EXPECT_EQ(f.x_max, s.*(x.max));
    EXPECT_EQ(f.y_min, s.*(y.min));
    EXPECT_EQ(f.y_max, s.*(y.max));
}

// Every kind 1..138 by its line of the catalogue.
TEST_F(Catalogue, EveryKind) {
    for (int kind = 1; kind <= last_graph_kind; ++kind) {
        SCOPED_TRACE(testing::Message() << "kind " << kind);
        const Expected* e = expected_of(kind);
        ASSERT_NE(e, nullptr);
        std::memset(&main_graph, 0x5a, sizeof main_graph);
        std::memset(&upper_graph, 0x5a, sizeof upper_graph);
        std::memset(&lower_graph, 0x5a, sizeof lower_graph);
        const GraphFrame marked = main_graph;
        std::strcpy(x_axis_labels[0], "入力");
        std::strcpy(y_axis_labels[0], "出力");
        forget_drawing();
        AnalysisSettings s = reversed_settings();
        const AnalysisSettings before = s;
        setup_graph(kind, s, "T");

        EXPECT_EQ(s.transfer_x_min, 0.0);
        EXPECT_EQ(s.freq_x_max, 0.0);
        EXPECT_EQ(s.time_x_min, 0.0);
        if (e->style == no_row) {
            // Nothing set up, nothing drawn.
            EXPECT_EQ(std::memcmp(&main_graph, &marked, sizeof marked), 0);
            EXPECT_EQ(std::memcmp(&upper_graph, &marked, sizeof marked), 0);
            EXPECT_EQ(std::memcmp(&lower_graph, &marked, sizeof marked), 0);
            EXPECT_TRUE(recorder.calls.empty());
            EXPECT_STREQ(x_axis_labels[0], "入力");
            continue;
        }
        const bool divided = e->x_scale == 0 || e->x_scale == 5;
        if (e->style == style_paired) {
            expect_panel(upper_graph, 0, e->x_scale, e->y_scale, e->captions, before, e->x, e->y, 0,
                         0);
            expect_panel(lower_graph, 0, e->x_scale, e->lower_y_scale, e->lower_captions, before,
                         e->x, e->lower_y, 0, 0);
            EXPECT_EQ(main_graph.x_scale, marked.x_scale);
        } else {
            expect_panel(main_graph, e->style, e->x_scale, e->y_scale, e->captions, before, e->x,
                         e->y, divided ? 8 : 0, divided ? 6 : 0);
            EXPECT_EQ(upper_graph.x_scale, marked.x_scale);
        }
        // Copied captions replace entry 0; the others leave it.
        EXPECT_STREQ(x_axis_labels[0], e->captions == copied ? "Vbe [V]" : "入力");
        EXPECT_STREQ(y_axis_labels[0], e->captions == copied ? "Ie [A]" : "出力");
        // Every x range is reversed: code 3 reported, nothing drawn.
        EXPECT_TRUE(drawn().segments.empty());
    }
}

// Numbers outside 0..138 set up and draw nothing; the overrides are still defaulted and cleared.
TEST_F(Catalogue, KindsOutsideTheCatalogue) {
    for (int kind : {-1, INT_MIN, 139, 1000, INT_MAX}) {
        std::memset(&main_graph, 0x5a, sizeof main_graph);
        const GraphFrame marked = main_graph;
        forget_drawing();
        AnalysisSettings s = reversed_settings();
        s.transfer_x_min = 3;
        setup_graph(kind, s, "T");
        EXPECT_EQ(std::memcmp(&main_graph, &marked, sizeof marked), 0) << kind;
        EXPECT_TRUE(recorder.calls.empty()) << kind;
        EXPECT_EQ(s.transfer_x_min, 0.0);
    }
    EXPECT_EQ(console_output(), "");
}

// The bias run: kind 1 from the sweep range and the run's captions.
TEST_F(Catalogue, BiasRunKind) {
    AnalysisSettings s{};
    s.sweep_from = 0.4;
    s.sweep_to = 0.8;
    s.transfer_y_min = 0.0014;
    s.transfer_y_max = 0.0026;
    s.x_divisions = 8;
    s.y_divisions = 6;
    std::strcpy(s.x_label, "Vbe [V]");
    std::strcpy(s.y_label, "Ie [A]");
    setup_graph(1, s, "T");
    EXPECT_EQ(main_graph.x_min, 0.4);
    EXPECT_EQ(main_graph.x_max, 0.8);
    EXPECT_EQ(main_graph.y_min, 0.0014);
    EXPECT_EQ(main_graph.y_max, 0.0026);
    EXPECT_EQ(main_graph.x_scale, scale_divided);
    EXPECT_EQ(main_graph.y_scale, scale_divided);
    EXPECT_EQ(main_graph.x_divisions, 8.0);
    EXPECT_EQ(main_graph.y_divisions, 6.0);
    EXPECT_EQ(main_graph.frame_style, style_single);
    EXPECT_STREQ(main_graph.x_caption, "Vbe [V]");
    EXPECT_STREQ(y_axis_labels[0], "Ie [A]");
    EXPECT_EQ(s.transfer_x_min, 0.0);
    EXPECT_EQ(s.transfer_x_max, 0.0);
    EXPECT_EQ(drawn().segments.size(), 9u + 7u);
    EXPECT_EQ(console_output(), "");
}

// An explicit x range is used for one set-up and cleared; at 0.0 the sweep range is used.
TEST_F(Catalogue, ExplicitXRangeHoldsForOneSetUp) {
    AnalysisSettings s{};
    s.freq_from = 10;
    s.freq_to = 10000;
    s.magnitude_y_min = -40;
    s.magnitude_y_max = 0;
    s.freq_x_min = 100;
    setup_graph(59, s, "");
    EXPECT_EQ(main_graph.x_min, 100);
    EXPECT_EQ(main_graph.x_max, 10000);
    EXPECT_EQ(s.freq_x_min, 0.0);
    EXPECT_EQ(s.freq_x_max, 0.0);
    setup_graph(59, s, "");
    EXPECT_EQ(main_graph.x_min, 10);
}

// Kinds 6..8 show entry 0 as it stands: the generic pair first, the run's captions after a
// set-up of a kind that copies them.
TEST_F(Catalogue, KeptCaptionsFollowTheLastCopy) {
    AnalysisSettings s = reversed_settings();
    setup_graph(6, s, "");
    EXPECT_EQ(caption_pair(main_graph), "入力 / 出力");
    setup_graph(12, s, "");
    setup_graph(8, s, "");
    EXPECT_EQ(caption_pair(main_graph), "Vbe [V] / Ie [A]");
}

TEST_F(Catalogue, BodeCaptions) {
    AnalysisSettings s = reversed_settings();
    setup_graph(97, s, "");
    EXPECT_EQ(caption_pair(upper_graph), "周波数［Ｈｚ］ / 利得［ｄＢ］");
    EXPECT_EQ(caption_pair(lower_graph), "周波数［Ｈｚ］ / 位相［度］");
    EXPECT_EQ(upper_graph.x_scale, scale_log);
    EXPECT_EQ(lower_graph.x_scale, scale_log);
    EXPECT_EQ(upper_graph.y_scale, scale_auto);
    EXPECT_EQ(lower_graph.y_scale, scale_degrees);
}

// Run captions that fill their 40-byte fields without a terminator are cut to 39 bytes, and a
// double-byte character that does not fit whole is left out.
TEST_F(Catalogue, OverlongRunCaptions) {
    AnalysisSettings s = reversed_settings();
    std::memset(s.x_label, 'x', sizeof s.x_label);
    for (int i = 0; i < label_size; i += 2) std::memcpy(s.y_label + i, "出", 2);
    setup_graph(1, s, "");
    EXPECT_EQ(std::string(x_axis_labels[0]), std::string(39, 'x'));
    EXPECT_EQ(std::strlen(y_axis_labels[0]), 38u);
    EXPECT_EQ(std::string(main_graph.x_caption), std::string(39, 'x'));
}

// The initial caption tables, as the catalogue's captions read them.
TEST_F(Catalogue, CaptionTables) {
    EXPECT_STREQ(x_axis_labels[1], "時間 ［ｓ］");
    EXPECT_STREQ(y_axis_labels[1], "出力電圧［Ｖ］");
    EXPECT_STREQ(x_axis_labels[3], "実軸");
    EXPECT_STREQ(y_axis_labels[3], "虚軸");
    EXPECT_STREQ(y_axis_labels[7], "｜Ｚ｜ ［Ω］");
    EXPECT_STREQ(x_axis_labels[15], "ＡＤ　２進ステージ");
    EXPECT_STREQ(y_axis_labels[15], "Ａ－＞Ｄ　出力");
    EXPECT_STREQ(y_axis_labels[16], "｜Ｙ｜ ［Ｓ］");
    for (int m = 5; m <= 17; ++m) {
        if (m != 15) {
            EXPECT_STREQ(x_axis_labels[m], "周波数［Ｈｚ］") << m;
        }
    }
    EXPECT_EQ(std::strlen(x_axis_labels[15]), 18u);  // Shift-JIS bytes
}

struct StageCase {
    int stage_count;
    int strips;
    int height;
};

// The stage strips: n strips of 384 / n rows stacked from row 24, a baseline and an axis each,
// the title at (264, 4) and "Time  [s]" under the last strip.
TEST_F(Catalogue, StageStrips) {
    const StageCase cases[] = {{4, 4, 96},   {25, 25, 15}, {1, 1, 384},      {0, 1, 384},
                               {-7, 1, 384}, {26, 25, 15}, {INT_MAX, 25, 15}};
    for (const StageCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "stage_count " << c.stage_count);
        std::memset(stage_graphs, 0, sizeof stage_graphs);
        forget_drawing();
        AnalysisSettings s{};
        s.stage_count = c.stage_count;
        s.sweep_from = 0;
        s.sweep_to = 1e-3;
        s.x_divisions = 5;
        for (int i = 0; i < stage_range_count; ++i) {
            s.stage_y_min[i] = -i;
            s.stage_y_max[i] = i;
        }
        setup_graph(0, s, "Stages");
        const int h = c.height;
        std::vector<Segment> expected;
        for (int i = 0; i < c.strips; ++i) {
            const GraphFrame& f = stage_graphs[i];
            EXPECT_EQ(f.frame_style, style_stage_strip);
            EXPECT_EQ(f.left, 64);
            EXPECT_EQ(f.width, 400);
            EXPECT_EQ(f.height, h);
            EXPECT_EQ(f.bottom, h * (i + 1) + 24);
            EXPECT_EQ(f.x_scale, scale_auto);
            EXPECT_EQ(f.x_divisions, 5.0);
            EXPECT_EQ(f.x_max, 1e-3);
            EXPECT_EQ(f.y_min, -i);
            EXPECT_EQ(f.y_max, i);
            EXPECT_EQ(caption_pair(f), "時間 ［ｓ］ / 出力電圧［Ｖ］");
            const int mid = f.bottom - h + h / 2;
            expected.push_back({64, mid, 464, mid, false});
            expected.push_back({64, mid - h / 2 + 5, 64, mid + h / 2 - 5, false});
        }
        if (c.strips < stage_frame_count) {
            EXPECT_EQ(stage_graphs[c.strips].frame_style, 0);
        }
        Drawing d = drawn();
        EXPECT_EQ(d.segments, expected);
        const int last_bottom = h * c.strips + 24;
        EXPECT_EQ(d.texts, (std::vector<Text>{{264, 4, "Stages", 0},
                                              {264, last_bottom + 4, "Time  [s]", 0}}));
    }
}

// The worked rows of four strips: bottoms 120, 216, 312, 408; baselines 72, 168, 264, 360;
// axes 29..115, 125..211, 221..307, 317..403; the caption at row 412. 25 strips end at 399.
TEST_F(Catalogue, StageStripRows) {
    AnalysisSettings s{};
    s.stage_count = 4;
    setup_stage_frames(s, "");
    Drawing d = drawn();
    ASSERT_EQ(d.segments.size(), 8u);
    const int baselines[] = {72, 168, 264, 360};
    const int axis_tops[] = {29, 125, 221, 317};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(stage_graphs[i].bottom, 120 + 96 * i);
        EXPECT_EQ(d.segments[2 * i].y1, baselines[i]);
        EXPECT_EQ(d.segments[2 * i + 1].y1, axis_tops[i]);
        EXPECT_EQ(d.segments[2 * i + 1].y2, axis_tops[i] + 86);
    }
    EXPECT_EQ(d.texts.back().y, 412);
    s.stage_count = 25;
    setup_stage_frames(s, "");
    EXPECT_EQ(stage_graphs[24].bottom, 399);
}

}  // namespace
