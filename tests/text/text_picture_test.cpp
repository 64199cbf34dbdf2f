// A review picture of the text in all 16 colours, horizontal and vertical, written into the
// build tree as text_picture.png (monochrome glyphs, as the window draws them) and
// text_picture_grey.png (grey-scale glyphs, for comparison), with the face's file and the
// FreeType version beside them in text_picture_font.txt.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/text.h"
#include "platform/font_face.h"
#include "tests/text/text_fixture.h"

namespace {

using TextPictureTest = TextTest;

constexpr int picture_width = 632;
constexpr int picture_height = 453;
constexpr int row_height = 20;
constexpr int first_row = 20;
constexpr int column_left = 290;
constexpr int column_step = 20;
constexpr int column_baseline = 430;

const char* const horizontal_text = "ベース－エミッタ回路 Ie [mA]";
const char* const vertical_text = "温度特性 Vbe [V]";

int horizontal_end() {
    return 32 + 8 * static_cast<int>(std::strlen(horizontal_text)) - 1;
}

// Every colour number writes one horizontal line and one vertical column; white writes on a
// black box so that it shows.
void draw_picture() {
    for (int colour = 0; colour < palette_size; ++colour) {
        const int y = first_row + colour * row_height;
        const int x = column_left + colour * column_step;
        if (colour == colour_white) {
            fill_rect(4, y - 2, horizontal_end() + 3, y + 17, colour_black);
            fill_rect(x - 15, column_baseline - 8 * 16 - 1, x + 2, column_baseline, colour_black);
        }
        char label[8];
        std::snprintf(label, sizeof label, "%2d", colour);
        draw_text(8, y, label, colour, text_horizontal);
        draw_text(32, y, horizontal_text, colour, text_horizontal);
        draw_text(x, column_baseline, vertical_text, colour, text_vertical);
    }
}

int off_palette_pixels(const Canvas& canvas) {
    int count = 0;
    for (int y = 0; y < canvas.surface.height; ++y) {
        for (int x = 0; x < canvas.surface.width; ++x) {
            if (canvas.colour_at(x, y) < 0) ++count;
        }
    }
    return count;
}

// Pixels of exactly the colour number within columns x0..x1 and rows y0..y1.
int pixels_of_colour(const Canvas& canvas, int colour, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (canvas.colour_at(x, y) == colour) ++count;
        }
    }
    return count;
}

TEST_F(TextPictureTest, AllSixteenColoursHorizontalAndVertical) {
    Canvas canvas(picture_width, picture_height);
    draw_picture();

    EXPECT_EQ(off_palette_pixels(canvas), 0) << "monochrome glyphs keep to the palette";
    for (int colour = 0; colour < palette_size; ++colour) {
        if (colour == colour_white) continue;  // white on white is counted on its black box
        const int y = first_row + colour * row_height;
        const int x = column_left + colour * column_step;
        EXPECT_GT(pixels_of_colour(canvas, colour, 32, y, horizontal_end(), y + 15), 100)
            << "horizontal text in colour " << colour;
        EXPECT_GT(pixels_of_colour(canvas, colour, x - 14, column_baseline - 128, x + 1,
                                   column_baseline - 1),
                  100)
            << "vertical text in colour " << colour;
    }
    const int white_row = first_row + colour_white * row_height;
    EXPECT_GT(
        pixels_of_colour(canvas, colour_white, 32, white_row, horizontal_end(), white_row + 15),
        100);

    const std::string folder = LUNKARO_BINARY_DIR;
    std::string error;
    ASSERT_TRUE(gdi::write_png(canvas.surface, folder + "/text_picture.png", &error)) << error;

    gdi::FontFace* face = gdi::font_face_for(program_font());
    ASSERT_NE(face, nullptr);
    std::ofstream(folder + "/text_picture_font.txt")
        << "face file: " << face->file() << "\nFreeType " << FREETYPE_MAJOR << "." << FREETYPE_MINOR
        << "." << FREETYPE_PATCH << "\n";
    std::cout << "wrote " << folder << "/text_picture.png (face " << face->file() << ")\n";
}

// Grey-scale glyphs blend the text colour into the background: colours the 16-colour palette
// does not have. The picture is kept for comparison with the monochrome one.
TEST_F(TextPictureTest, GreyGlyphsLeaveThePalette) {
    Canvas canvas(picture_width, picture_height);
    gdi::set_glyph_rendering(gdi::GlyphRendering::grey);
    draw_picture();
    EXPECT_GT(off_palette_pixels(canvas), 0);
    std::string error;
    ASSERT_TRUE(gdi::write_png(canvas.surface,
                               std::string(LUNKARO_BINARY_DIR) + "/text_picture_grey.png", &error))
        << error;
}

}  // namespace
