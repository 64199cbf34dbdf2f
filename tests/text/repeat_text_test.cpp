// Texts written again and again, as every paint writes them: what the face and the decoder
// remember gives what they would work out afresh, and the ink drawn in runs keeps to the clip
// in every quarter turn.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "draw/palette.h"
#include "platform/font_face.h"
#include "platform/gdi.h"
#include "platform/text_decode.h"
#include "tests/text/text_fixture.h"

namespace {

using RepeatTextTest = TextTest;

// Every two-byte character of the lead bytes, in order: more characters than the decoder
// and the face keep at hand.
std::vector<std::string> two_byte_characters(unsigned first_lead, unsigned last_lead) {
    std::vector<std::string> characters;
    for (unsigned lead = first_lead; lead <= last_lead; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xfc; ++trail) {
            if (trail == 0x7f) continue;
            characters.push_back({static_cast<char>(lead), static_cast<char>(trail)});
        }
    }
    return characters;
}

// The glyph a face gives for a character is the glyph of its glyph index (the box for a
// character that does not decode), for each advance limit and rendering, however many other
// characters were asked for in between.
TEST_F(RepeatTextTest, GlyphOfACharacterIsTheGlyphOfItsIndex) {
    gdi::FontFace* face = gdi::font_face_for(program_font(0));
    ASSERT_NE(face, nullptr);
    std::vector<gdi::SjisChar> characters;
    for (const std::string& text : two_byte_characters(0x88, 0x8b)) {
        characters.push_back(gdi::next_sjis_char(text.data(), 2, 0));
    }
    for (const char* text : {"A", "g", " ", "\xb1", "\x80"}) {
        characters.push_back(gdi::next_sjis_char(text, 1, 0));
    }
    ASSERT_GT(characters.size(), 600u);
    int invalid = 0;
    for (gdi::GlyphRendering rendering :
         {gdi::GlyphRendering::monochrome, gdi::GlyphRendering::grey}) {
        gdi::set_glyph_rendering(rendering);
        for (int pass = 0; pass < 2; ++pass) {
            for (const gdi::SjisChar& c : characters) {
                for (int advance : {8, 16}) {
                    const unsigned index = c.valid ? face->glyph_index(c.code) : 0;
                    ASSERT_EQ(&face->glyph_of_char(c.code, c.valid, advance),
                              &face->glyph(index, advance))
                        << "code " << static_cast<unsigned>(c.code) << " advance " << advance
                        << " pass " << pass;
                }
                if (!c.valid) ++invalid;
            }
        }
    }
    EXPECT_GT(invalid, 0) << "the characters include some that do not decode";
}

// Decoding the same bytes again gives the same character, in any order and after many others.
TEST_F(RepeatTextTest, DecodingAgainGivesTheSameCharacters) {
    const std::vector<std::string> texts = two_byte_characters(0x81, 0x88);
    std::vector<gdi::SjisChar> first;
    for (const std::string& text : texts) first.push_back(gdi::next_sjis_char(text.data(), 2, 0));
    for (std::size_t k = texts.size(); k-- > 0;) {
        const gdi::SjisChar again = gdi::next_sjis_char(texts[k].data(), 2, 0);
        ASSERT_EQ(again.valid, first[k].valid) << k;
        ASSERT_EQ(static_cast<unsigned>(again.code), static_cast<unsigned>(first[k].code)) << k;
        ASSERT_EQ(again.length, 2) << k;
    }
    // Known characters: 回 (0x89F1) is U+56DE, ア (0x8341) is U+30A2.
    EXPECT_EQ(static_cast<unsigned>(gdi::next_sjis_char("\x89\xf1", 2, 0).code), 0x56deu);
    EXPECT_EQ(static_cast<unsigned>(gdi::next_sjis_char("\x83\x41", 2, 0).code), 0x30a2u);
}

void write(Canvas& canvas, int x, int y, const char* text, int escapement, int align) {
    gdi::Handle font = gdi::create_font(program_font(escapement));
    gdi::Handle previous = gdi::select_object(canvas.dc, font);
    gdi::set_bk_mode(canvas.dc, gdi::bk_transparent);
    gdi::set_text_align(canvas.dc, align);
    gdi::set_text_color(canvas.dc, palette[colour_black]);
    gdi::text_out(canvas.dc, x, y, text, static_cast<int>(std::strlen(text)));
    gdi::select_object(canvas.dc, previous);
    gdi::delete_object(font);
}

// In each quarter turn and for clips whose edges cut the glyphs at every offset, the clipped
// text is the unclipped one inside the clip and leaves everything outside it as it was.
TEST_F(RepeatTextTest, ClippedTextInEveryQuarterTurn) {
    struct Turn {
        int escapement;
        int x, y;  // the reference point that keeps the text on the canvas
    };
    const Turn turns[] = {{0, 0, 4}, {900, 20, 64}, {1800, 64, 40}, {2700, 40, 0}};
    const char text[] = "回路 Vbe";  // 8 bytes: 64 pixels along the line
    for (gdi::GlyphRendering rendering :
         {gdi::GlyphRendering::monochrome, gdi::GlyphRendering::grey}) {
        gdi::set_glyph_rendering(rendering);
        for (const Turn& turn : turns) {
            Canvas full(64, 64);
            write(full, turn.x, turn.y, text, turn.escapement, gdi::ta_top);
            ASSERT_FALSE(ink_box(full).empty) << turn.escapement;
            for (int k = 0; k < 17; ++k) {
                const gdi::Rect clip{k, (3 * k) % 19, 40 + k / 2, 64 - (5 * k) % 23};
                Canvas clipped(64, 64);
                gdi::Handle region =
                    gdi::create_rect_rgn(clip.left, clip.top, clip.right, clip.bottom);
                gdi::select_clip_rgn(clipped.dc, region);
                gdi::delete_object(region);
                write(clipped, turn.x, turn.y, text, turn.escapement, gdi::ta_top);
                for (int y = 0; y < 64; ++y) {
                    for (int x = 0; x < 64; ++x) {
                        const bool in =
                            x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
                        const gdi::Colour expected =
                            in ? gdi::surface_pixel(full.surface, x, y) : palette[colour_white];
                        ASSERT_EQ(gdi::surface_pixel(clipped.surface, x, y), expected)
                            << "escapement " << turn.escapement << " clip " << k << " at " << x
                            << "," << y;
                    }
                }
            }
        }
    }
}

}  // namespace
