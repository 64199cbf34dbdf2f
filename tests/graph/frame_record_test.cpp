// The frame record: caption copies, the two setters and the panel layouts of every style.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "graph/graph_frame.h"

namespace {

// A record whose box fields hold values no layout writes, to show what a layout leaves alone.
GraphFrame marked_frame(int x_scale) {
    GraphFrame f{};
    f.x_scale = x_scale;
    f.frame_style = 99;
    f.left = 1;
    f.bottom = 2;
    f.width = 3;
    f.height = 4;
    return f;
}

struct Box {
    int left, bottom, width, height;
};

bool operator==(const Box& a, const Box& b) {
    return a.left == b.left && a.bottom == b.bottom && a.width == b.width && a.height == b.height;
}

std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << "{" << b.left << ", " << b.bottom << ", " << b.width << ", " << b.height << "}";
}

Box box_of(const GraphFrame& f) {
    return {f.left, f.bottom, f.width, f.height};
}

TEST(LayoutFrames, BoxesOfEveryStyle) {
    const Box untouched_first = {64, 2, 3, 4};
    const Box untouched_second = {64, 2, 3, 4};
    struct Case {
        int style;
        int x_scale;
        Box first;
        Box second;
    };
    const Case cases[] = {
        {style_paired, scale_log, {64, 180, 448, 156}, {64, 352, 448, 156}},
        {style_single, scale_divided, {64, 328, 400, 304}, untouched_second},
        {style_single, scale_auto, {64, 328, 448, 304}, untouched_second},
        {style_single, scale_degrees, {64, 328, 448, 304}, untouched_second},
        {style_single, scale_log, {64, 328, 448, 304}, untouched_second},
        {style_single, scale_complex, {64, 328, 320, 304}, untouched_second},
        {style_single, scale_divided_square, {64, 328, 320, 304}, untouched_second},
        {style_single, 6, {64, 328, 448, 304}, untouched_second},
        {style_single, -1, {64, 328, 448, 304}, untouched_second},
        {style_converter, scale_divided, {64, 328, 400, 304}, untouched_second},
        {style_converter, scale_complex, {64, 328, 320, 304}, untouched_second},
        {style_converter, scale_log, {64, 328, 448, 304}, untouched_second},
        {style_time_division, scale_divided, {64, 344, 400, 320}, untouched_second},
        {style_time_division, scale_complex, {64, 344, 400, 320}, untouched_second},
        {style_square, scale_divided, {64, 328, 320, 304}, untouched_second},
        {style_square, scale_log, {64, 328, 320, 304}, untouched_second},
        {style_stage_strip, scale_auto, untouched_first, untouched_second},
        {7, scale_auto, untouched_first, untouched_second},
        {-3, scale_auto, untouched_first, untouched_second},
    };
    for (const Case& c : cases) {
        GraphFrame first = marked_frame(c.x_scale);
        GraphFrame second = marked_frame(scale_complex);
        layout_frames(c.style, first, second);
        SCOPED_TRACE(testing::Message() << "style " << c.style << ", x scale " << c.x_scale);
        EXPECT_EQ(first.frame_style, c.style);
        EXPECT_EQ(second.frame_style, c.style);
        EXPECT_EQ(box_of(first), c.first);
        EXPECT_EQ(box_of(second), c.second);
    }
}

// A single-panel style writes only frame_style and left of the second record.
TEST(LayoutFrames, SinglePanelLeavesTheRestOfTheSecondRecord) {
    GraphFrame first{};
    GraphFrame second;
    std::memset(&second, 0x5a, sizeof second);
    GraphFrame expected = second;
    expected.frame_style = style_single;
    expected.left = 64;
    layout_frames(style_single, first, second);
    EXPECT_EQ(std::memcmp(&second, &expected, sizeof second), 0);
}

// A caller without a second panel may pass the first record twice.
TEST(LayoutFrames, FirstRecordAsItsOwnScratch) {
    GraphFrame f{};
    f.x_scale = scale_divided;
    layout_frames(style_single, f, f);
    EXPECT_EQ(box_of(f), (Box{64, 328, 400, 304}));
    EXPECT_EQ(f.frame_style, style_single);
}

TEST(SetFrameScales, StoresCodesCountsAndCaptions) {
    GraphFrame f{};
    set_frame_scales(f, scale_divided, scale_log, 8, 6, "Vbe [V]", "周波数［Ｈｚ］");
    EXPECT_EQ(f.x_scale, scale_divided);
    EXPECT_EQ(f.y_scale, scale_log);
    EXPECT_EQ(f.x_divisions, 8.0);
    EXPECT_EQ(f.y_divisions, 6.0);
    EXPECT_STREQ(f.x_caption, "Vbe [V]");
    EXPECT_STREQ(f.y_caption, "周波数［Ｈｚ］");

    // Nothing is tested: 0 and negative counts are stored as they are.
    set_frame_scales(f, 9, -2, 0, -4, "", "");
    EXPECT_EQ(f.x_scale, 9);
    EXPECT_EQ(f.y_scale, -2);
    EXPECT_EQ(f.x_divisions, 0.0);
    EXPECT_EQ(f.y_divisions, -4.0);
    EXPECT_STREQ(f.x_caption, "");
}

TEST(SetFrameRanges, StoresReversedAndEmptyRangesUnchanged) {
    GraphFrame f{};
    set_frame_ranges(f, 5.0, -5.0, 1.0, 1.0);
    EXPECT_EQ(f.x_min, 5.0);
    EXPECT_EQ(f.x_max, -5.0);
    EXPECT_EQ(f.y_min, 1.0);
    EXPECT_EQ(f.y_max, 1.0);
}

// Captions longer than the 39 bytes of a field are cut at the last whole character.
TEST(CopyCaption, BoundedToTheFieldWithoutSplittingACharacter) {
    const std::string ascii50(50, 'a');
    const std::string kanji20 =
        std::string("出力") + "出力出力出力出力出力出力出力出力出力";  // 40 bytes
    const std::string odd = "a" + kanji20;  // the 20th character would end at byte 41
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""},
        {"Vbe [V]", "Vbe [V]"},
        {ascii50, ascii50.substr(0, 39)},
        {std::string(39, 'b'), std::string(39, 'b')},
        // 19 double-byte characters fill 38 bytes; the 20th does not fit.
        {kanji20, kanji20.substr(0, 38)},
        // One byte and 19 characters fill 39 bytes exactly.
        {odd, odd.substr(0, 39)},
        // A lead byte without its second byte is left out.
        {std::string("ab\x88"), "ab"},
    };
    for (const Case& c : cases) {
        char field[caption_size];
        std::memset(field, 'x', sizeof field);
        copy_caption(field, c.text.c_str());
        EXPECT_EQ(std::string(field), c.expected) << c.text;
        EXPECT_LT(std::strlen(field), static_cast<size_t>(caption_size));
    }
}

// An unterminated 40-byte source is read only up to its 39th byte.
TEST(CopyCaption, UnterminatedSourceAndNullText) {
    char source[caption_size];
    std::memset(source, 'q', sizeof source);
    char field[caption_size];
    copy_caption(field, source);
    EXPECT_EQ(std::string(field), std::string(39, 'q'));

    copy_caption(field, nullptr);
    EXPECT_STREQ(field, "");
}

TEST(CopyCaption, LeadBytesOfShiftJis) {
    EXPECT_FALSE(is_sjis_lead_byte('\x80'));
    EXPECT_TRUE(is_sjis_lead_byte('\x81'));
    EXPECT_TRUE(is_sjis_lead_byte('\x9f'));
    EXPECT_FALSE(is_sjis_lead_byte('\xa0'));
    EXPECT_FALSE(is_sjis_lead_byte('\xdf'));  // a half-width katakana
    EXPECT_TRUE(is_sjis_lead_byte('\xe0'));
    EXPECT_TRUE(is_sjis_lead_byte('\xfc'));
    EXPECT_FALSE(is_sjis_lead_byte('\xfd'));
    EXPECT_FALSE(is_sjis_lead_byte('a'));
}

}  // namespace
