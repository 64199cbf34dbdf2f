// The platform's text call: alignment, quarter turns, the background modes, the clip, long
// texts and the glyph cache.
#include "platform/text_out.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>

#include "draw/palette.h"
#include "platform/font_face.h"
#include "platform/gdi.h"
#include "tests/text/text_fixture.h"

namespace {

using TextOutTest = TextTest;

// Writes the text on the canvas with the given font, alignment and colour, and cleans up.
void write(Canvas& canvas, int x, int y, const std::string& text, int escapement, int align,
           int colour = colour_black) {
    gdi::Handle font = gdi::create_font(program_font(escapement));
    gdi::Handle previous = gdi::select_object(canvas.dc, font);
    gdi::set_text_align(canvas.dc, align);
    gdi::set_text_color(canvas.dc, palette[colour]);
    gdi::text_out(canvas.dc, x, y, text.data(), static_cast<int>(text.size()));
    gdi::select_object(canvas.dc, previous);
    gdi::delete_object(font);
}

void write_transparent(Canvas& canvas, int x, int y, const std::string& text, int escapement,
                       int align) {
    gdi::set_bk_mode(canvas.dc, gdi::bk_transparent);
    write(canvas, x, y, text, escapement, align);
}

constexpr int ta_right = 2;
constexpr int ta_center = 6;
constexpr int ta_bottom = 8;

// Each alignment moves the reference point and nothing else: the text lands exactly where the
// top-left aligned text at the shifted point lands.
TEST_F(TextOutTest, AlignmentMovesTheReferencePoint) {
    struct AlignCase {
        const char* name;
        int escapement;
        int align;
        int dx;  // where the same text, aligned top-left, must be written instead
        int dy;
    };
    const std::string text = "Ie回";  // 4 bytes: 32 pixels
    const AlignCase cases[] = {
        {"baseline", 0, gdi::ta_baseline, 0, -14},
        {"bottom", 0, ta_bottom, 0, -16},
        {"right", 0, ta_right, -32, 0},
        {"centre", 0, ta_center, -16, 0},
        {"right on the baseline", 0, ta_right | gdi::ta_baseline, -32, -14},
        // Turned a quarter turn, "along the line" is upward and "down the cell" is rightward.
        {"vertical right", 900, ta_right | gdi::ta_baseline, 0, 32},
        {"vertical top", 900, 0, 14, 0},
    };
    for (const AlignCase& c : cases) {
        Canvas aligned(120, 120);
        write_transparent(aligned, 50, 50, text, c.escapement, c.align);
        Canvas reference(120, 120);
        write_transparent(reference, 50 + c.dx, 50 + c.dy, text, c.escapement,
                          c.escapement == 0 ? 0 : gdi::ta_baseline);
        EXPECT_EQ(aligned.picture(), reference.picture())
            << c.name << "\n"
            << side_by_side(reference.picture(), aligned.picture());
        EXPECT_GT(aligned.count_of(colour_black), 0) << c.name;
    }
}

// Escapements are taken in quarter turns counter-clockwise, rounded to the nearest one: each
// turn maps the horizontal text's pixel (u, w) to a pixel of its own.
TEST_F(TextOutTest, QuarterTurns) {
    const std::string text = "Fg漢";
    const int n = static_cast<int>(text.size());
    const int size = 8 * n + 40;
    const int x = size / 2, y = size / 2;
    Canvas horizontal(size, size);
    write_transparent(horizontal, x, y, text, 0, 0);
    struct Turn {
        int escapement;
        std::function<gdi::Point(int u, int w)> place;
    };
    const Turn turns[] = {
        {900,
         [&](int u, int w) {
             return gdi::Point{x + w, y - u - 1};
         }},
        {1800,
         [&](int u, int w) {
             return gdi::Point{x - u - 1, y - w - 1};
         }},
        {2700,
         [&](int u, int w) {
             return gdi::Point{x - w - 1, y + u};
         }},
        {3600,
         [&](int u, int w) {
             return gdi::Point{x + u, y + w};
         }},
        {-900,
         [&](int u, int w) {
             return gdi::Point{x - w - 1, y + u};
         }},
        {890,
         [&](int u, int w) {
             return gdi::Point{x + w, y - u - 1};
         }},
    };
    for (const Turn& t : turns) {
        Canvas turned(size, size);
        write_transparent(turned, x, y, text, t.escapement, 0);
        int mismatches = 0;
        for (int u = 0; u < 8 * n; ++u) {
            for (int w = 0; w < 16; ++w) {
                gdi::Point p = t.place(u, w);
                if (turned.colour_at(p.x, p.y) != horizontal.colour_at(x + u, y + w)) ++mismatches;
            }
        }
        EXPECT_EQ(mismatches, 0) << "escapement " << t.escapement;
        EXPECT_EQ(turned.count_of(colour_black), horizontal.count_of(colour_black))
            << "escapement " << t.escapement << ": ink outside the turned cells";
    }
}

// Opaque mode paints the whole cells in the background colour, then the glyphs; transparent
// mode leaves what lies under the cells.
TEST_F(TextOutTest, OpaqueModePaintsTheCells) {
    struct OpaqueCase {
        const char* name;
        int escapement;
        int align;
        int x, y;                      // reference point
        int left, top, right, bottom;  // the cells, inclusive
    };
    const std::string text = "a図";  // 3 bytes
    const OpaqueCase cases[] = {
        {"horizontal", 0, 0, 10, 6, 10, 6, 33, 21},
        {"vertical", 900, gdi::ta_baseline, 20, 30, 6, 6, 21, 29},
    };
    for (const OpaqueCase& c : cases) {
        Canvas canvas(60, 40);
        gdi::set_bk_mode(canvas.dc, gdi::bk_opaque);
        gdi::set_bk_color(canvas.dc, palette[8]);
        write(canvas, c.x, c.y, text, c.escapement, c.align);
        int glyph = 0, outside = 0, other = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 60; ++x) {
                const bool in = x >= c.left && x <= c.right && y >= c.top && y <= c.bottom;
                const int colour = canvas.colour_at(x, y);
                if (!in && colour != colour_white) ++outside;
                if (in && colour == colour_black) ++glyph;
                if (in && colour != colour_black && colour != 8) ++other;
            }
        }
        EXPECT_EQ(outside, 0) << c.name;
        EXPECT_EQ(other, 0) << c.name << ": every cell pixel is glyph or background";
        EXPECT_GT(glyph, 0) << c.name;
    }
}

TEST_F(TextOutTest, TransparentModeKeepsWhatLiesUnder) {
    Canvas canvas(40, 20);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) canvas.surface.pixels[y * 40 + x] = palette[5];
    }
    write_transparent(canvas, 2, 2, "Ab", 0, 0);
    EXPECT_EQ(canvas.count_of(5) + canvas.count_of(colour_black), 40 * 20);
    EXPECT_GT(canvas.count_of(colour_black), 0);
}

// The clip holds for text: a clipped text is the unclipped one with everything outside the
// clip left as it was.
TEST_F(TextOutTest, TextHonoursTheClip) {
    struct ClipCase {
        int escapement;
        int align;
        int x, y;
    };
    const ClipCase cases[] = {{0, 0, 3, 4}, {900, gdi::ta_baseline, 20, 60}};
    for (const ClipCase& c : cases) {
        Canvas full(64, 64);
        write_transparent(full, c.x, c.y, "回路 Vbe", c.escapement, c.align);
        Canvas clipped(64, 64);
        gdi::Handle region = gdi::create_rect_rgn(9, 10, 30, 41);
        gdi::select_clip_rgn(clipped.dc, region);
        gdi::delete_object(region);
        write_transparent(clipped, c.x, c.y, "回路 Vbe", c.escapement, c.align);
        int inside_ink = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const bool in = x >= 9 && x < 30 && y >= 10 && y < 41;
                const int expected = in ? full.colour_at(x, y) : colour_white;
                ASSERT_EQ(clipped.colour_at(x, y), expected)
                    << "escapement " << c.escapement << " at " << x << "," << y;
                if (in && expected == colour_black) ++inside_ink;
            }
        }
        EXPECT_GT(inside_ink, 0) << "escapement " << c.escapement;
    }
}

// A text far longer than the surface draws what fits and stops walking at the first cell past
// the clip: 10 000 bytes on a 100-pixel surface look at no more than the 13 cells that reach it.
TEST_F(TextOutTest, LongTextStopsAtTheClip) {
    std::string text;
    while (text.size() < 10000) text += "回路Vbe";
    text.resize(10000);
    Canvas canvas(100, 30);
    const long long before = gdi::text_cells_walked();
    write_transparent(canvas, 0, 5, text, 0, 0);
    EXPECT_LE(gdi::text_cells_walked() - before, 13);
    EXPECT_GT(ink_in(canvas, 90, 5, 99, 20), 0) << "the text reaches the surface's right edge";

    Canvas upward(30, 100);
    const long long before_up = gdi::text_cells_walked();
    write_transparent(upward, 15, 99, text, 900, gdi::ta_baseline);
    EXPECT_LE(gdi::text_cells_walked() - before_up, 14);
    EXPECT_GT(ink_in(upward, 0, 0, 29, 9), 0) << "the text reaches the surface's top";
}

TEST_F(TextOutTest, NothingForNoTextOrNoCount) {
    Canvas canvas(40, 20);
    const auto before = canvas.picture();
    gdi::Handle font = gdi::create_font(program_font(0));
    gdi::Handle previous = gdi::select_object(canvas.dc, font);
    gdi::text_out(canvas.dc, 2, 2, nullptr, 5);
    gdi::text_out(canvas.dc, 2, 2, "abc", 0);
    gdi::text_out(canvas.dc, 2, 2, "abc", -3);
    gdi::select_object(canvas.dc, previous);
    gdi::delete_object(font);
    EXPECT_EQ(canvas.picture(), before);
}

// The count, not a zero byte, ends the text: "ab" of "abcd" is drawn alone.
TEST_F(TextOutTest, CountEndsTheText) {
    Canvas part(60, 20);
    write_transparent(part, 0, 0, std::string("abcd", 2), 0, 0);
    Canvas prefix(60, 20);
    gdi::Handle font = gdi::create_font(program_font(0));
    gdi::Handle previous = gdi::select_object(prefix.dc, font);
    gdi::set_bk_mode(prefix.dc, gdi::bk_transparent);
    gdi::text_out(prefix.dc, 0, 0, "abcd", 2);
    gdi::select_object(prefix.dc, previous);
    gdi::delete_object(font);
    EXPECT_EQ(part.picture(), prefix.picture());
    EXPECT_EQ(ink_in(prefix, 16, 0, 59, 19), 0);
}

// No glyph is rasterized twice: the same characters again, turned or not, come from what the
// face keeps.
TEST_F(TextOutTest, GlyphsAreRasterizedOnce) {
    Canvas canvas(200, 200);
    const long long start = gdi::glyphs_rasterized();
    write_transparent(canvas, 0, 0, "鬱鬱鬱", 0, 0);
    EXPECT_LE(gdi::glyphs_rasterized() - start, 1) << "one glyph, three times";
    const long long after_first = gdi::glyphs_rasterized();
    write_transparent(canvas, 0, 20, "鬱鬱鬱", 0, 0);
    write_transparent(canvas, 100, 150, "鬱鬱鬱", 900, gdi::ta_baseline);
    write_transparent(canvas, 150, 150, "鬱", 2700, 0);
    EXPECT_EQ(gdi::glyphs_rasterized(), after_first);
}

// The face found for the system's font is a Japanese serif face (IPA Mincho on Debian), kept
// open: asking again gives the same face.
TEST_F(TextOutTest, SystemFontFindsAJapaneseSerifFace) {
    gdi::FontFace* face = gdi::font_face_for(program_font(0));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->pixel_size(), 16);
    EXPECT_NE(face->glyph_index(U'回'), 0u) << face->file();
    EXPECT_NE(face->glyph_index(U'ｱ'), 0u) << face->file();
    EXPECT_EQ(gdi::font_face_for(program_font(900)), face);
    std::cout << "text face: " << face->file() << "\n";
}

TEST(FontPixelSize, FromTheLogicalHeight) {
    const std::pair<int, int> cases[] = {{16, 16}, {0, 16},     {-20, 20},
                                         {1, 1},   {5000, 256}, {-2147483647 - 1, 256}};
    for (auto [height, pixels] : cases) {
        gdi::FontSpec logical;
        logical.height = height;
        EXPECT_EQ(gdi::font_pixel_size(logical), pixels) << height;
    }
}

}  // namespace

namespace {

// Where fontconfig knows no font, text draws nothing, and standard error says so once. Run in
// a fresh process of its own, since the process keeps the fonts it has found.
TEST(TextWithoutFonts, DrawsNothingAndSaysSoOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string config = std::string(LUNKARO_BINARY_DIR) + "/text_no_fonts.conf";
    std::ofstream(config) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    EXPECT_EXIT(
        {
            setenv("FONTCONFIG_FILE", config.c_str(), 1);
            Canvas canvas(60, 40);
            const auto before = canvas.picture();
            write_transparent(canvas, 2, 2, "Vbe 回路", 0, 0);
            write_transparent(canvas, 30, 38, "Vbe 回路", 900, gdi::ta_baseline);
            std::exit(canvas.picture() == before ? 0 : 1);
        },
        ::testing::ExitedWithCode(0),
        "^lunkaro: no font could be loaded for \"MSMINCHO\"[^\n]*text is not drawn\n$");
}

}  // namespace
