// Inside the drawing stand-in: the faces behind logical fonts, found through fontconfig and
// rasterized with FreeType, and their rasterized glyphs.
//
// A logical font (FontSpec) is answered by a face at one pixel size. Faces are opened on first
// use and kept open for the life of the process, because the system creates and destroys a
// logical font for every text it writes. Every glyph a face rasterizes is kept, so no glyph is
// rasterized twice; rotated text turns the kept upright bitmap and rasterizes nothing new.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gdi.h"

namespace gdi {

// How glyphs are rasterized. Monochrome (the default) gives only the text colour, so text on
// the 16-colour picture keeps to the palette; grey-scale blends the text colour into what lies
// under each partly covered pixel.
enum class GlyphRendering { monochrome, grey };

void set_glyph_rendering(GlyphRendering rendering);
GlyphRendering glyph_rendering();

// An upright rasterized glyph. Coverage is 0..255 per pixel, row by row; monochrome glyphs use
// 0 and 255 only.
struct GlyphBitmap {
    int left = 0;  // columns from the pen position to the first bitmap column
    int top = 0;   // rows from the baseline up to the first bitmap row
    int width = 0;
    int height = 0;
    int advance = 0;  // pen advance in whole pixels
    std::vector<std::uint8_t> coverage;
    // The fully covered pixels as runs along the rows, in row order, and whether they are all
    // the ink there is (no partly covered pixel): text output then draws runs.
    struct Run {
        int row;
        int column;
        int length;
    };
    std::vector<Run> solid_runs;
    bool only_solid = true;
};

struct FaceDeleter {
    void operator()(FT_Face face) const;
};
using FacePtr = std::unique_ptr<FT_FaceRec_, FaceDeleter>;

// One face of one font file at one pixel size (pixels per em).
class FontFace {
public:
    FontFace(FacePtr face, std::string file, int face_index, int pixel_size);

    const std::string& file() const { return file_; }
    int face_index() const { return face_index_; }
    int pixel_size() const { return pixel_size_; }

    // The glyph index of the code point, 0 (the missing-glyph box) when the face lacks it.
    unsigned glyph_index(char32_t code) const;

    // The glyph, rasterized on first use. A glyph whose advance is wider than max_advance is
    // rasterized squeezed horizontally to that advance, so that it fits its cell (the
    // full-width missing-glyph box in a one-byte cell, or a wide letter of a fallback face).
    const GlyphBitmap& glyph(unsigned index, int max_advance);

    // glyph(glyph_index(code), max_advance) for a character that decodes, glyph(0, ...) for
    // one that does not; the answer for each character is remembered, so that a text looks up
    // each of its glyphs with one probe.
    const GlyphBitmap& glyph_of_char(char32_t code, bool valid, int max_advance);

private:
    const GlyphBitmap& rasterize(unsigned index, int squeeze_to, std::uint64_t key);

    FacePtr face_;
    std::string file_;
    int face_index_;
    int pixel_size_;
    // Node-based: the bitmaps stay where they are as the map grows, so by_char_ may point at
    // them.
    std::unordered_map<std::uint64_t, GlyphBitmap> glyphs_;
    struct CharSlot {
        std::uint64_t key = 0;
        const GlyphBitmap* glyph = nullptr;
    };
    static constexpr std::size_t char_slots = 509;
    CharSlot by_char_[char_slots];
};

// Pixels per em for a logical font: the height as given (the cell height of a face without
// internal leading, as the system's face is), its magnitude when negative, 16 when 0; at most
// 256, so that no request can ask for huge bitmaps.
int font_pixel_size(const FontSpec& logical);

// The face that serves the logical font, or nullptr when no font can be loaded (a message then
// goes to standard error, once). The face is looked up through fontconfig by the face name, the
// generic family of the pitch-and-family byte (roman: serif, swiss: sans-serif, modern:
// monospace, script: cursive, decorative: fantasy), the language of the character set (Shift-JIS:
// Japanese) and the weight and slant; where the best match cannot be loaded, the next font
// fontconfig offers is tried. Answers are remembered between runs (font_match_cache.h): a
// query answered before, with fonts and configuration unchanged, opens its file without
// loading fontconfig.
FontFace* font_face_for(const FontSpec& logical);

// How often this process has loaded fontconfig's configuration: 0 or 1.
int fontconfig_loads();

// Glyphs rasterized by all faces since the process started.
long long glyphs_rasterized();

}  // namespace gdi
