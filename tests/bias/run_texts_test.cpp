// The texts Lunkaro4's run leaves in the settings record: Shift-JIS, each inside its field.
#include <gtest/gtest.h>

#include <cstring>

#include "../support/canvas.h"
#include "bias/analysis_settings.h"
#include "bias/bias_run.h"
#include "graph/format.h"
#include "plot/sweep_globals.h"

namespace {

TEST(RunTexts, TheRunsTextsFillTheirFieldsWithTheirShiftJisLengths) {
    std::memset(static_cast<void*>(&analysis), 0, sizeof analysis);
    curve_count = 0;
    legend_count = 0;
    const char* saved_date = build_date;
    build_date = "Jul 27 1999";
    {
        Canvas canvas(632, 453);
        bias_run();
    }
    build_date = saved_date;

    struct Case {
        const char* field;
        const char* expected;
        std::size_t length;  // Shift-JIS bytes
        std::size_t size;    // bytes of the field
    };
    const Case cases[] = {
        {analysis.title, "ベース－エミッタ回路の図式解法（固定バイアス）", 46, title_size},
        {analysis.subtitle, "(Lunkaro4)", 10, subtitle_size},
        {analysis.x_label, "ベース－エミッタ電圧　Vbe [V]", 29, label_size},
        {analysis.y_label, "エミッタ電流　Ie [A]", 20, label_size},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.field, c.expected);
        EXPECT_EQ(strnlen(c.field, c.size), c.length) << c.expected;
    }
    // "ベ", the first character of the title, in Shift-JIS.
    EXPECT_EQ(static_cast<unsigned char>(analysis.title[0]), 0x83);
    EXPECT_EQ(static_cast<unsigned char>(analysis.title[1]), 0x78);
}

}  // namespace
