// The plot entry hands on the record's title and subtitle only within their fields: a caller
// may fill a field to its end without a terminator, and the text drawn is then cut to the
// field's size less one, at the last whole Shift-JIS character.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "bias/analysis_settings.h"
#include "diag/console.h"
#include "platform/recorder.h"
#include "plot/plot_entry.h"
#include "tests/plot/plot_fixture.h"
#include "tests/support/canvas.h"

namespace {

double half() {
    return 0.5;
}

struct TextCase {
    const char* name;
    std::string title;     // the field's bytes, at most title_size
    std::string subtitle;  // at most subtitle_size
    std::string drawn_title;
    std::string drawn_subtitle;
};

std::string repeat(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

const std::string ka = "\x83\x4a";  // a double-byte Shift-JIS character

const TextCase text_cases[] = {
    {"fields full, no terminator", repeat("T", 53), repeat("S", 71), repeat("T", 52),
     repeat("S", 70)},
    {"longest terminated texts", repeat("T", 52), repeat("S", 70), repeat("T", 52),
     repeat("S", 70)},
    {"double-byte texts filling the fields", repeat(ka, 26) + "\x83", repeat(ka, 35) + "\x83",
     repeat(ka, 26), repeat(ka, 35)},
    {"a character across the last place", repeat("T", 51) + ka, repeat("S", 69) + ka,
     repeat("T", 51), repeat("S", 69)},
    {"short texts", "title", "(sub)", "title", "(sub)"},
};

class RecordTexts : public ::testing::Test {
protected:
    void SetUp() override {
        reset_plot_globals();
        console_err = std::tmpfile();
    }
    void TearDown() override {
        gdi::set_recorder(nullptr);
        std::fclose(console_err);
        console_err = nullptr;
    }
};

int count_texts(const gdi::Recorder& recorder, const std::string& text) {
    int n = 0;
    for (const gdi::Call& call : recorder.calls) n += call.op == "text_out" && call.text == text;
    return n;
}

TEST_F(RecordTexts, TitleAndSubtitleAreReadWithinTheirFields) {
    for (const TextCase& c : text_cases) {
        reset_plot_globals();
        Canvas canvas(632, 453);
        AnalysisSettings* s = new_settings();
        s->sweep_from = 0.0;
        s->sweep_to = 1.0;
        s->sample_count = 4;
        s->transfer_y_min = 0.0;
        s->transfer_y_max = 1.0;
        s->x_divisions = 4;
        s->y_divisions = 4;
        std::memcpy(s->title, c.title.data(), c.title.size());
        std::memcpy(s->subtitle, c.subtitle.data(), c.subtitle.size());

        gdi::Recorder recorder;
        gdi::set_recorder(&recorder);
        plot_curve(1, half, *s);
        gdi::set_recorder(nullptr);

        EXPECT_EQ(count_texts(recorder, c.drawn_title), 1) << c.name;
        EXPECT_EQ(count_texts(recorder, c.drawn_subtitle), 1) << c.name;
        // The record itself is left as the caller wrote it.
        EXPECT_EQ(std::memcmp(s->title, c.title.data(), c.title.size()), 0) << c.name;
        delete s;
    }
}

}  // namespace
