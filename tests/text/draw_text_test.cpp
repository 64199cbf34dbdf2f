// The drawing layer's text operations: text_out, draw_text and draw_text_centred on paint_dc.
#include <gtest/gtest.h>

#include <string>

#include "draw/paint_context.h"
#include "draw/palette.h"
#include "draw/text.h"
#include "platform/gdi.h"
#include "platform/recorder.h"
#include "tests/text/text_fixture.h"

namespace {

using DrawTextTest = TextTest;

TEST_F(DrawTextTest, DrawTextEqualsTextOut) {
    for (int direction : {text_horizontal, text_vertical}) {
        Canvas by_text_out(120, 120);
        text_out(40, 100, "ベース電流 Ib", colour_black, direction);
        Canvas by_draw_text(120, 120);
        draw_text(40, 100, "ベース電流 Ib", colour_black, direction);
        EXPECT_EQ(by_text_out.picture(), by_draw_text.picture()) << "direction " << direction;
        EXPECT_GT(by_text_out.count_of(colour_black), 0);
    }
}

// Centring moves the text 4 pixels left per byte: a 10-byte text centred on 200 starts at 160.
TEST_F(DrawTextTest, CentredTextStartsHalfItsLengthLeft) {
    const char* text = "Vbe [V] 10";  // 10 bytes
    Canvas centred(320, 30);
    draw_text_centred(200, 5, text, colour_black, text_horizontal);
    Canvas plain(320, 30);
    draw_text(160, 5, text, colour_black, text_horizontal);
    EXPECT_EQ(centred.picture(), plain.picture());
    InkBox box = ink_box(centred);
    EXPECT_GE(box.left, 160) << describe(box);
    EXPECT_LE(box.right, 239) << describe(box);
}

// The colour number picks the palette colour of the ink; white on the white background is
// invisible, and a number outside 0..15 writes in black.
TEST_F(DrawTextTest, ColourNumbers) {
    for (int colour = 0; colour < palette_size; ++colour) {
        Canvas canvas(40, 20);
        draw_text(2, 2, "Ie", colour, text_horizontal);
        const int ink = canvas.count_of(colour);
        if (colour == colour_white) {
            EXPECT_EQ(ink, 40 * 20) << "white text leaves the white surface as it was";
        } else {
            EXPECT_GT(ink, 0) << "colour " << colour;
            EXPECT_EQ(ink + canvas.count_of(colour_white), 40 * 20) << "colour " << colour;
        }
    }
    Canvas black(40, 20);
    draw_text(2, 2, "Ie", colour_black, text_horizontal);
    for (int colour : {16, -1, 1000}) {
        Canvas canvas(40, 20);
        draw_text(2, 2, "Ie", colour, text_horizontal);
        EXPECT_EQ(canvas.picture(), black.picture()) << "colour " << colour;
    }
}

// A direction other than 0 and 1 writes the text horizontally.
TEST_F(DrawTextTest, OtherDirectionsWriteHorizontally) {
    Canvas horizontal(60, 60);
    draw_text(10, 30, "Vce", colour_black, text_horizontal);
    for (int direction : {2, -1, 900}) {
        Canvas canvas(60, 60);
        draw_text(10, 30, "Vce", colour_black, direction);
        EXPECT_EQ(canvas.picture(), horizontal.picture()) << "direction " << direction;
    }
}

TEST_F(DrawTextTest, NullTextAndNoPaintDrawNothing) {
    Canvas canvas(40, 20);
    const auto before = canvas.picture();
    const int objects = gdi::live_object_count();
    text_out(2, 2, nullptr, colour_black, text_horizontal);
    draw_text(2, 2, nullptr, colour_black, text_vertical);
    draw_text_centred(20, 2, nullptr, colour_black, text_horizontal);
    EXPECT_EQ(canvas.picture(), before);
    paint_dc = nullptr;
    draw_text(2, 2, "Ie", colour_black, text_horizontal);
    draw_text_centred(20, 2, "Ie", colour_black, text_horizontal);
    paint_dc = &canvas.dc;
    EXPECT_EQ(canvas.picture(), before);
    EXPECT_EQ(gdi::live_object_count(), objects);
}

// Each text creates its font and destroys it again, restoring the font it replaced; the text
// settings stay set: transparent mode, the colour and the alignment of the direction.
TEST_F(DrawTextTest, LeavesNoObjectsAndItsSettings) {
    Canvas canvas(200, 100);
    const gdi::Handle font_before = canvas.dc.font;
    const int objects = gdi::live_object_count();
    draw_text(5, 5, "温度 [℃]", 2, text_horizontal);
    EXPECT_EQ(gdi::live_object_count(), objects);
    EXPECT_EQ(canvas.dc.font, font_before);
    EXPECT_EQ(canvas.dc.bk_mode, gdi::bk_transparent);
    EXPECT_EQ(canvas.dc.text_colour, palette[2]);
    EXPECT_EQ(canvas.dc.text_align, 0);
    draw_text(50, 90, "温度 [℃]", 4, text_vertical);
    draw_text_centred(100, 40, "ab", 5, text_horizontal);
    EXPECT_EQ(gdi::live_object_count(), objects);
    draw_text(50, 90, "x", 1, text_vertical);
    EXPECT_EQ(canvas.dc.text_align, gdi::ta_baseline);
    EXPECT_EQ(canvas.dc.font, font_before);
}

// A long text takes its whole length: 10 000 bytes draw what fits and nothing else happens.
TEST_F(DrawTextTest, TextLongerThanAnyBuffer) {
    std::string text(10000, 'W');
    for (std::size_t i = 0; i + 1 < text.size(); i += 7) {
        text[i] = '\x89';  // 回 is 0x89 0xf1
        text[i + 1] = '\xf1';
    }
    Canvas canvas(64, 64);
    const int objects = gdi::live_object_count();
    draw_text(-3, 2, text.c_str(), colour_black, text_horizontal);
    draw_text(30, 63, text.c_str(), colour_black, text_vertical);
    EXPECT_EQ(gdi::live_object_count(), objects);
    EXPECT_GT(ink_in(canvas, 0, 2, 63, 17), 0);
    EXPECT_GT(ink_in(canvas, 16, 0, 31, 63), 0);
}

// The platform sees the font of the system, then the text with its byte length.
TEST_F(DrawTextTest, CallsTheFontAndTheTextInOrder) {
    Canvas canvas(120, 40);
    gdi::Recorder recorder;
    gdi::set_recorder(&recorder);
    draw_text(7, 9, "[deg]", 3, text_vertical);
    gdi::set_recorder(nullptr);

    const gdi::Call* text = nullptr;
    const gdi::Call* font = nullptr;
    for (const gdi::Call& call : recorder.calls) {
        if (call.op == "text_out") text = &call;
        if (call.op == "create_font") font = &call;
    }
    ASSERT_NE(text, nullptr) << gdi::dump_calls(recorder);
    EXPECT_EQ(text->args, (std::vector<long long>{7, 9, 5}));
    EXPECT_EQ(text->text, "[deg]");
    ASSERT_NE(font, nullptr) << gdi::dump_calls(recorder);
    EXPECT_EQ(font->text, "MSMINCHO");
    std::vector<std::string> ops;
    for (const gdi::Call& call : recorder.calls) ops.push_back(call.op);
    const std::vector<std::string> expected = {"create_font",    "select_object",  "set_bk_mode",
                                               "set_text_color", "set_text_align", "text_out",
                                               "select_object",  "delete_object"};
    EXPECT_EQ(ops, expected) << gdi::dump_calls(recorder);
}

}  // namespace
