// Legends, cell texts, the curve caption and the end of a run: texts, positions, boxes.
#include "plot/legend.h"

#include <climits>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "diag/console.h"
#include "draw/palette.h"
#include "platform/recorder.h"
#include "tests/plot/plot_fixture.h"
#include "tests/support/canvas.h"

namespace {

// A text written, the box under it (if any), and the colour it was written in.
struct Written {
    std::string text;
    long long x, y;
    gdi::Colour colour;
};

struct Drawing {
    std::vector<Written> texts;
    std::vector<std::vector<long long>> boxes;  // rectangle calls: l, t, r, b
};

class LegendTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_plot_globals();
        // The bias programs' panel: R = 464, T = 24.
        main_graph = pixel_frame(64, 328, 400, 304, 0.4, 0.8, 0.0014, 0.0026);
        upper_graph = pixel_frame(64, 180, 448, 156, 1, 10, 0, 1);
    }

    void start() { gdi::set_recorder(&recorder); }
    Drawing stop() {
        gdi::set_recorder(nullptr);
        Drawing d;
        gdi::Colour colour = 0;
        for (const gdi::Call& call : recorder.calls) {
            if (call.op == "set_text_color") colour = static_cast<gdi::Colour>(call.args[0]);
            if (call.op == "text_out")
                d.texts.push_back({call.text, call.args[0], call.args[1], colour});
            if (call.op == "rectangle") d.boxes.push_back(call.args);
        }
        recorder.calls.clear();
        return d;
    }

    Canvas canvas{632, 453};
    gdi::Recorder recorder;
};

TEST_F(LegendTest, ValueRowsUseTheFormatOfTheirMantissa) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0 "},       {10.0, "10.0 "},   {50.0, "50.0 "},
        {5.0, "5.00 "},    {0.5, "0.50 "},    {150.0, "150 "},
        {1234.0, "1.23k"}, {0.05, "50.0m"},   {-10.0, "-10 "},
        {99.96, "100.0 "}, {0.1, "0.10 "},    {999.9, "1000 "},
        {0.0014, "1.40m"}, {2.5e15, "2.50E"}, {1e18, "1.00 "},
        {inf, "inf "},     {-inf, "-inf "},   {std::numeric_limits<double>::quiet_NaN(), "nan "},
    };
    for (const Case& c : cases) {
        legend_count = 1;  // no header
        start();
        legend_value_row(1, 0, 1, " Temp ", "[deg]", c.value, 2);
        Drawing d = stop();
        ASSERT_EQ(d.texts.size(), 1u) << c.value;
        EXPECT_EQ(d.texts[0].text, c.text) << c.value;
    }
}

TEST_F(LegendTest, BiasLegendLayoutWithItsHeaderOnce) {
    start();
    for (int i = 0; i < 6; ++i) legend_value_row(1, 0, i + 1, " Temp ", "[deg]", 10.0 * i, i);
    Drawing d = stop();
    ASSERT_EQ(d.texts.size(), 8u);
    EXPECT_EQ(d.texts[0].text, " Temp ");
    EXPECT_EQ(d.texts[0].x, 474);
    EXPECT_EQ(d.texts[0].y, 24);
    EXPECT_EQ(d.texts[0].colour, palette[0]);
    EXPECT_EQ(d.texts[1].text, "[deg]");
    EXPECT_EQ(d.texts[1].x, 478);
    EXPECT_EQ(d.texts[1].y, 40);
    EXPECT_EQ(d.texts[1].colour, palette[0]);
    const char* rows[] = {"0 ", "10.0 ", "20.0 ", "30.0 ", "40.0 ", "50.0 "};
    ASSERT_EQ(d.boxes.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        const Written& w = d.texts[2 + i];
        EXPECT_EQ(w.text, rows[i]);
        EXPECT_EQ(w.x, 480);
        EXPECT_EQ(w.y, 56 + 16 * i);
        EXPECT_EQ(w.colour, palette[i]) << "the row takes its curve's colour";
        // The white box covers (x, y + 1)..(x + 8n, y + 15).
        long long n = static_cast<long long>(w.text.size());
        EXPECT_EQ(d.boxes[i], (std::vector<long long>{480, w.y + 1, 480 + 8 * n + 1, w.y + 16}));
    }
    EXPECT_EQ(legend_count, 6);

    // The second mode writes the same rows over the first, without the header.
    start();
    legend_value_row(1, 0, 1, " Temp ", "[deg]", 0.0, 0);
    EXPECT_EQ(stop().texts.size(), 1u);
}

TEST_F(LegendTest, IntRowsPutTheUnitInTheHeadersColumn) {
    start();
    legend_int_row(1, 2, 1, "N", "[pcs]", -42, 5);
    legend_int_row(1, 2, 2, "N", "[pcs]", INT_MIN, 5);
    Drawing d = stop();
    ASSERT_EQ(d.texts.size(), 4u);
    EXPECT_EQ(d.texts[0].x, 474);
    EXPECT_EQ(d.texts[0].y, 24 + 32);
    EXPECT_EQ(d.texts[1].text, "[pcs]");
    EXPECT_EQ(d.texts[1].x, 474);
    EXPECT_EQ(d.texts[1].y, 24 + 48);
    EXPECT_EQ(d.texts[2].text, "-42");
    EXPECT_EQ(d.texts[2].x, 480);
    EXPECT_EQ(d.texts[2].y, 24 + 64);
    EXPECT_EQ(d.texts[3].text, "-2147483648");
    EXPECT_EQ(std::string(legend_text), "-2147483648");
    EXPECT_EQ(legend_count, 2);
}

TEST_F(LegendTest, TextRowsWriteBothLinesInTheRowsColourWithoutABox) {
    start();
    legend_text_row(5, 16, 1, "レジスタ ", "ビット内容", 4);
    legend_text_row(5, 16, 1, "レジスタ ", "ビット内容", 4);
    Drawing d = stop();
    ASSERT_EQ(d.texts.size(), 3u);
    EXPECT_EQ(d.texts[0].x, 474);
    EXPECT_EQ(d.texts[0].y, 24 + 256);
    EXPECT_EQ(d.texts[0].colour, palette[4]);
    EXPECT_EQ(d.texts[1].x, 478);
    EXPECT_EQ(d.texts[1].y, 24 + 272);
    EXPECT_EQ(d.texts[1].colour, palette[4]);
    EXPECT_TRUE(d.boxes.empty());
    EXPECT_EQ(legend_count, 2);
}

TEST_F(LegendTest, LegendsOfTwoPanelKindsStandBesideTheUpperPanel) {
    start();
    legend_value_row(97, 0, 1, "f", "[Hz]", 1.0, 1);
    Drawing d = stop();
    ASSERT_EQ(d.texts.size(), 3u);
    EXPECT_EQ(d.texts[0].x, 512 + 10);
    EXPECT_EQ(d.texts[0].y, 24);
    EXPECT_EQ(d.texts[2].x, 512 + 16);
    EXPECT_EQ(d.texts[2].y, 24 + 32);
}

TEST_F(LegendTest, CellTextsSitInTheGridOfTheRunsPanel) {
    graph_kind = 1;
    start();
    draw_cell_text(0, 1, "101", 6);
    draw_cell_text(3, 18, "1", 6);
    Drawing d = stop();
    ASSERT_EQ(d.texts.size(), 2u);
    EXPECT_EQ(d.texts[0].x, 64 + 2);
    EXPECT_EQ(d.texts[0].y, 24 + 8);
    EXPECT_EQ(d.boxes[0], (std::vector<long long>{64 + 1, 24 + 9, 64 + 24 - 2 + 1, 24 + 24}));
    EXPECT_EQ(d.texts[1].x, 64 + 24 + 2);
    EXPECT_EQ(d.texts[1].y, 24 + 288 - 8);
    EXPECT_EQ(legend_count, 0);

    graph_kind = 100;
    start();
    draw_cell_text(0, 1, "1", 6);
    d = stop();
    EXPECT_EQ(d.texts[0].y, 24 + 8);
    EXPECT_EQ(d.texts[0].x, 64 + 2);

    // Cells far outside every panel give coordinates far outside the window, never an
    // overflow.
    start();
    draw_cell_text(INT_MAX, INT_MIN, "1", 6);
    d = stop();
    ASSERT_EQ(d.texts.size(), 1u);
    EXPECT_GT(d.texts[0].x, 1000000);
    EXPECT_LT(d.texts[0].y, -1000000);
}

TEST_F(LegendTest, CurveCaptionBoxAtTheTopRightCorner) {
    struct Case {
        int kind;
        const char* text;
        std::vector<long long> box;  // rectangle call: both corners, right and bottom + 1
        long long x, y;
    };
    stage_graphs[0] = pixel_frame(64, 120, 400, 96, 0, 1, 0, 1);
    const Case cases[] = {
        {1, "(Lunkaro4)", {374, 26, 455, 41}, 374, 25},
        {1, "", {451, 26, 455, 41}, 451, 25},
        {97, "(Lunkaro4)", {428, 26, 509, 41}, 428, 25},
        {0, "(Lunkaro4)", {380, 26, 461, 41}, 380, 25},
        {139, "ab", {438, 26, 455, 41}, 438, 25},
    };
    for (const Case& c : cases) {
        start();
        draw_curve_caption(c.kind, c.text, 3);
        Drawing d = stop();
        ASSERT_EQ(d.boxes.size(), 1u) << c.kind;
        EXPECT_EQ(d.boxes[0], c.box) << c.kind << " " << c.text;
        ASSERT_EQ(d.texts.size(), 1u);
        EXPECT_EQ(d.texts[0].x, c.x) << c.kind;
        EXPECT_EQ(d.texts[0].y, c.y) << c.kind;
        EXPECT_EQ(d.texts[0].colour, palette[3]);
    }
}

TEST_F(LegendTest, EmptyCaptionPaintsOnlyItsSmallWhiteBox) {
    Canvas grey(632, 453);
    for (int y = 0; y < 453; ++y) {
        for (int x = 0; x < 632; ++x) grey.surface.pixels[y * 632 + x] = palette[8];
    }
    draw_curve_caption(1, "", 3);
    std::vector<gdi::Point> white = grey.pixels_of(7);
    ASSERT_EQ(white.size(), 4u * 15u);
    EXPECT_EQ(white.front().x, 458 - 7);
    EXPECT_EQ(white.front().y, 24 + 2);
    EXPECT_EQ(white.back().x, 458 - 4);
    EXPECT_EQ(white.back().y, 24 + 16);
}

TEST_F(LegendTest, EndRunRingsOnceAndResetsBothCounters) {
    std::FILE* err = std::tmpfile();
    ASSERT_NE(err, nullptr);
    std::FILE* saved = console_err;
    console_err = err;
    curve_count = 12;
    legend_count = 12;
    end_run();
    console_err = saved;
    EXPECT_EQ(curve_count, 0);
    EXPECT_EQ(legend_count, 0);
    std::rewind(err);
    std::string written;
    for (int c = std::fgetc(err); c != EOF; c = std::fgetc(err)) written += static_cast<char>(c);
    std::fclose(err);
    EXPECT_EQ(written, "\a");

    // The next run writes the header again.
    start();
    legend_value_row(1, 0, 1, " Temp ", "[deg]", 0.0, 0);
    EXPECT_EQ(stop().texts.size(), 3u);
}

}  // namespace
