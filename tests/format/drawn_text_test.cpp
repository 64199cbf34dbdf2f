// What the tick labels and per-division captions hand to the text layer, seen through the
// call recorder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/canvas.h"
#include "graph/format.h"
#include "platform/recorder.h"

namespace {

class DrawnText : public ::testing::Test {
protected:
    void SetUp() override { gdi::set_recorder(&recorder); }
    void TearDown() override { gdi::set_recorder(nullptr); }

    std::vector<gdi::Call> calls_of(const std::string& op) const {
        std::vector<gdi::Call> found;
        for (const gdi::Call& call : recorder.calls) {
            if (call.op == op) found.push_back(call);
        }
        return found;
    }

    gdi::Recorder recorder;
};

// The labels of the axes, blank unit prefix, byte for byte: a trailing blank is the letter.
TEST_F(DrawnText, TickLabelsOfTheAxes) {
    struct Case {
        double value;
        std::string text;
    };
    const Case cases[] = {
        {0.4, "0.4 "},    {0.45, "0.45 "}, {0.0014, "1.4m"}, {0.05, "50m"},
        {0.0001, "0.1m"}, {1000, "1k"},    {12000, "12k"},   {999999.9999, "1000k"},
        {2.5e15, "2.5E"}, {1e18, "1 "},    {-0.005, "-5m"},  {0, "0 "},
    };
    Canvas canvas(64, 32);
    for (const Case& c : cases) {
        recorder.calls.clear();
        draw_tick_label(7, 9, c.value, 0, ' ');
        const std::vector<gdi::Call> texts = calls_of("text_out");
        ASSERT_EQ(texts.size(), 1u) << c.value;
        EXPECT_EQ(texts[0].text, c.text) << c.value;
        const std::vector<long long> where = {7, 9, static_cast<long long>(c.text.size())};
        EXPECT_EQ(texts[0].args, where) << c.value;
    }
}

// The label is drawn, in its colour: some pixels of the canvas take colour 2.
TEST_F(DrawnText, TickLabelIsWrittenInItsColour) {
    Canvas canvas(64, 32);
    draw_tick_label(4, 4, 0.0014, 2, ' ');
    EXPECT_GT(canvas.count_of(2), 0);
}

// The x caption runs horizontally, the y caption vertically (a font turned by 90 degrees);
// another axis writes nothing.
TEST_F(DrawnText, PerDivisionCaptionsAndTheirDirections) {
    struct Case {
        double value;
        char unit_letter;
        int axis;
        std::string text;
        long long escapement;  // tenths of a degree
    };
    const Case cases[] = {
        {0.0001, 's', 0, "→ Ｘ： 0.1 ms  / div", 0},
        {0.25, 'V', 1, "→ Ｙ： 0.25  V  / div", 900},
        {0.025, 'V', 1, "→ Ｙ： 25 mV  / div", 900},
    };
    Canvas canvas(300, 300);
    for (const Case& c : cases) {
        recorder.calls.clear();
        draw_per_division(20, 250, c.value, 0, ' ', c.unit_letter, c.axis);
        const std::vector<gdi::Call> texts = calls_of("text_out");
        ASSERT_EQ(texts.size(), 1u) << c.axis;
        EXPECT_EQ(texts[0].text, c.text) << c.axis;
        const std::vector<long long> where = {20, 250, static_cast<long long>(c.text.size())};
        EXPECT_EQ(texts[0].args, where) << c.axis;
        const std::vector<gdi::Call> fonts = calls_of("create_font");
        ASSERT_EQ(fonts.size(), 1u) << c.axis;
        ASSERT_GE(fonts[0].args.size(), 3u);
        EXPECT_EQ(fonts[0].args[2], c.escapement) << c.axis;
    }
    for (int axis : {2, -1, 90}) {
        recorder.calls.clear();
        draw_per_division(20, 250, 0.5, 0, ' ', 'V', axis);
        EXPECT_TRUE(recorder.calls.empty()) << axis << "\n" << gdi::dump_calls(recorder);
    }
}

}  // namespace
