// Where text lands: the cells of 8 pixels per byte and 16 rows, horizontal and turned upward,
// independent of the face's own advances.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "draw/paint_context.h"
#include "draw/palette.h"
#include "draw/text.h"
#include "platform/font_face.h"
#include "platform/gdi.h"
#include "tests/text/text_fixture.h"

namespace {

using CellsTest = TextTest;

struct WidthCase {
    const char* text;
    int bytes;
    int last_char_bytes;
};

// A horizontal text of n bytes inks only its cells, columns x..x+8n-1 and rows y..y+15, and
// inks its first and its last cell (so it is neither shorter nor longer than the rule says).
TEST_F(CellsTest, HorizontalTextKeepsToItsCells) {
    const WidthCase cases[] = {
        {"[deg]", 5, 1},  {"回路図", 6, 2}, {"gjpqy|", 6, 1}, {"Ie [mA]", 7, 1},
        {"ＷＭ漢", 6, 2}, {"ｱｲｳ", 3, 1},    {"W", 1, 1},
    };
    const int x = 13, y = 9;
    for (const WidthCase& c : cases) {
        ASSERT_EQ(static_cast<int>(std::strlen(c.text)), c.bytes) << c.text;
        Canvas canvas(200, 40);
        draw_text(x, y, c.text, colour_black, text_horizontal);
        InkBox box = ink_box(canvas);
        ASSERT_FALSE(box.empty) << c.text;
        EXPECT_GE(box.left, x) << c.text << ": " << describe(box);
        EXPECT_LE(box.right, x + 8 * c.bytes - 1) << c.text << ": " << describe(box);
        EXPECT_GE(box.top, y) << c.text << ": " << describe(box);
        EXPECT_LE(box.bottom, y + 15) << c.text << ": " << describe(box);
        EXPECT_GT(ink_in(canvas, x, y, x + 7, y + 15), 0) << c.text << ": first cell";
        const int last_left = x + 8 * (c.bytes - c.last_char_bytes);
        EXPECT_GT(ink_in(canvas, last_left, y, x + 8 * c.bytes - 1, y + 15), 0)
            << c.text << ": last cell";
    }
}

TEST_F(CellsTest, EmptyTextDrawsNothing) {
    Canvas canvas(40, 24);
    const auto before = canvas.picture();
    draw_text(5, 5, "", colour_black, text_horizontal);
    draw_text(20, 20, "", colour_black, text_vertical);
    EXPECT_EQ(canvas.picture(), before);
}

// Descenders and the ascent: "gjpqy" reaches below the baseline (rows y+14 and y+15), capitals
// stand just above it (the face sets its Latin letters a little above the baseline), and the em
// is the full 16 rows, so that a kanji is 14 or more rows high.
TEST_F(CellsTest, BaselineFourteenRowsBelowTheTop) {
    Canvas descenders(80, 40);
    draw_text(0, 10, "gjpqy", colour_black, text_horizontal);
    EXPECT_GT(ink_in(descenders, 0, 24, 39, 25), 0) << "descenders reach rows y+14..y+15";
    Canvas capitals(80, 40);
    draw_text(0, 10, "EHTLI", colour_black, text_horizontal);
    EXPECT_EQ(ink_in(capitals, 0, 24, 39, 39), 0) << describe(ink_box(capitals));
    EXPECT_GE(ink_box(capitals).bottom, 21) << describe(ink_box(capitals));
    Canvas kanji(80, 40);
    draw_text(0, 10, "漢", colour_black, text_horizontal);
    InkBox box = ink_box(kanji);
    EXPECT_GE(box.bottom - box.top + 1, 14) << describe(box);
}

// Every character sits in its own cell of 8 pixels per byte, whatever its advance in the face:
// drawing a text equals drawing each character alone at the start of its cell.
TEST_F(CellsTest, CellsDoNotDependOnTheFace) {
    struct Piece {
        const char* text;
        int offset;  // bytes before it
    };
    struct SplitCase {
        const char* whole;
        std::vector<Piece> pieces;
    };
    const SplitCase cases[] = {
        {"ii", {{"i", 0}, {"i", 1}}},
        {"WW", {{"W", 0}, {"W", 1}}},
        {"i漢W", {{"i", 0}, {"漢", 1}, {"W", 3}}},
        {"ｱ図.", {{"ｱ", 0}, {"図", 1}, {".", 3}}},
    };
    for (const SplitCase& c : cases) {
        Canvas whole(80, 20);
        draw_text(3, 2, c.whole, colour_black, text_horizontal);
        Canvas pieces(80, 20);
        for (const Piece& p : c.pieces) {
            draw_text(3 + 8 * p.offset, 2, p.text, colour_black, text_horizontal);
        }
        EXPECT_EQ(whole.picture(), pieces.picture())
            << c.whole << "\n"
            << side_by_side(pieces.picture(), whole.picture());
    }
}

// A vertical text of n bytes at (x, y) inks only rows y-8n..y-1 and columns x-14..x+1, with its
// bodies left of column x (only descenders reach columns x and x+1); row y stays clean.
TEST_F(CellsTest, VerticalTextRunsUpFromTheBaseline) {
    const WidthCase cases[] = {{"[deg]", 5, 1}, {"Ie [mA]", 7, 1}, {"温度", 4, 2}, {"gjpqy", 5, 1}};
    const int x = 30, y = 90;
    for (const WidthCase& c : cases) {
        Canvas canvas(60, 100);
        draw_text(x, y, c.text, colour_black, text_vertical);
        InkBox box = ink_box(canvas);
        ASSERT_FALSE(box.empty) << c.text;
        EXPECT_GE(box.top, y - 8 * c.bytes) << c.text << ": " << describe(box);
        EXPECT_LE(box.bottom, y - 1) << c.text << ": " << describe(box);
        EXPECT_GE(box.left, x - 14) << c.text << ": " << describe(box);
        EXPECT_LE(box.right, x + 1) << c.text << ": " << describe(box);
        EXPECT_GT(ink_in(canvas, x - 14, y - 8, x - 1, y - 1), 0) << c.text << ": first byte";
        EXPECT_GT(ink_in(canvas, x - 14, y - 8 * c.bytes, x + 1, y - 8 * c.bytes + 7), 0)
            << c.text << ": last byte";
    }
    Canvas capitals(60, 100);
    draw_text(x, y, "EHT", colour_black, text_vertical);
    EXPECT_LE(ink_box(capitals).right, x - 1) << "bodies stand left of column x";
}

// The vertical text is the horizontal one turned a quarter turn counter-clockwise, pixel for
// pixel: the pixel u columns along and w rows down in the horizontal cells is the pixel w
// columns right of x-14 and u+1 rows above y in the vertical ones. Kanji turn with the line.
TEST_F(CellsTest, VerticalIsTheHorizontalTextTurned) {
    const char* texts[] = {"Vbe", "温度 [℃]", "ｱ\x85\x40g"};
    for (const char* text : texts) {
        const int n = static_cast<int>(std::strlen(text));
        Canvas horizontal(8 * n, 16);
        draw_text(0, 0, text, colour_black, text_horizontal);
        Canvas vertical(16, 8 * n);
        draw_text(14, 8 * n, text, colour_black, text_vertical);
        int differences = 0;
        for (int u = 0; u < 8 * n; ++u) {
            for (int w = 0; w < 16; ++w) {
                if (horizontal.colour_at(u, w) != vertical.colour_at(w, 8 * n - 1 - u)) {
                    ++differences;
                }
            }
        }
        EXPECT_EQ(differences, 0) << text;
        EXPECT_GT(horizontal.count_of(colour_black), 0) << text;
    }
}

// Exact pixels: each glyph of the face stands with its advance centred in its cell and its
// origin on the baseline, 14 rows below the cell top; horizontal and turned upward.
TEST_F(CellsTest, GlyphsStandOnTheBaselineCentredInTheirCells) {
    gdi::FontFace* face = gdi::font_face_for(program_font());
    ASSERT_NE(face, nullptr);
    struct GlyphCase {
        const char* text;
        char32_t code;
    };
    const GlyphCase cases[] = {{"E", U'E'}, {"g", U'g'}, {"漢", U'漢'}, {"ｱ", U'ｱ'}, {"j", U'j'}};
    for (const GlyphCase& c : cases) {
        const int cell = 8 * static_cast<int>(std::strlen(c.text));
        const gdi::GlyphBitmap& glyph = face->glyph(face->glyph_index(c.code), cell);
        ASSERT_GT(glyph.width, 0) << c.text;
        const int pen = (cell - glyph.advance) / 2;
        std::vector<std::string> expected(24, std::string(24, '7'));
        std::vector<std::string> expected_up(24, std::string(24, '7'));
        for (int row = 0; row < glyph.height; ++row) {
            for (int col = 0; col < glyph.width; ++col) {
                if (glyph.coverage[row * glyph.width + col] == 0) continue;
                const int u = pen + glyph.left + col, w = 14 - glyph.top + row;
                if (u < 0 || u >= cell || w < 0 || w >= 16) continue;
                expected[4 + w][4 + u] = '0';          // text_out at (4, 4)
                expected_up[20 - u - 1][4 + w] = '0';  // vertical at (18, 20): x-14 = 4
            }
        }
        Canvas canvas(24, 24);
        draw_text(4, 4, c.text, colour_black, text_horizontal);
        EXPECT_EQ(canvas.picture(), expected) << c.text << "\n"
                                              << side_by_side(expected, canvas.picture());
        Canvas upward(24, 24);
        draw_text(18, 20, c.text, colour_black, text_vertical);
        EXPECT_EQ(upward.picture(), expected_up) << c.text << "\n"
                                                 << side_by_side(expected_up, upward.picture());
    }
}

// Bytes that do not decode, and characters the face lacks, show the face's missing-glyph box
// in their cells; the text after them keeps its place.
TEST_F(CellsTest, MissingGlyphBoxFillsItsCell) {
    struct BoxCase {
        const char* name;
        std::string text;
        int cell_offset;  // bytes before the box
        int cell_bytes;
    };
    const BoxCase cases[] = {
        {"unassigned pair",
         "A\x85\x40"
         "B",
         1, 2},
        {"unassigned pair of the upper rows",
         "A\xeb\x40"
         "B",
         1, 2},
        {"a private-use character the face lacks",
         "A\xf0\x40"
         "B",
         1, 2},
        {"lone lead byte at the end", "AB\x81", 2, 1},
        {"lead byte before a space", "A\x81 B", 1, 1},
        {"invalid single byte",
         "A\x80"
         "B",
         1, 1},
    };
    for (const BoxCase& c : cases) {
        Canvas canvas(80, 20);
        draw_text(0, 2, c.text.c_str(), colour_black, text_horizontal);
        const int left = 8 * c.cell_offset, right = left + 8 * c.cell_bytes - 1;
        EXPECT_GT(ink_in(canvas, left, 2, right, 17), 0) << c.name;

        // The box is the same wherever it comes from: compare with the unassigned pair's box
        // (two-byte cells) or the invalid single byte's box (one-byte cells).
        Canvas reference(80, 20);
        std::string same =
            "A" + std::string(c.cell_offset - 1, 'A') + (c.cell_bytes == 2 ? "\x85\x40" : "\x80");
        draw_text(0, 2, same.c_str(), colour_black, text_horizontal);
        for (int y = 0; y < 20; ++y) {
            for (int x = left; x <= right; ++x) {
                ASSERT_EQ(canvas.colour_at(x, y), reference.colour_at(x, y))
                    << c.name << " at " << x << "," << y;
            }
        }
    }
    // The text after the box keeps its place: "B" still starts at byte 3 of "A?B".
    Canvas after(80, 20);
    draw_text(0, 2,
              "A\x85\x40"
              "B",
              colour_black, text_horizontal);
    Canvas alone(80, 20);
    draw_text(24, 2, "B", colour_black, text_horizontal);
    for (int y = 0; y < 20; ++y) {
        for (int x = 24; x < 32; ++x) ASSERT_EQ(after.colour_at(x, y), alone.colour_at(x, y));
    }
}

}  // namespace
