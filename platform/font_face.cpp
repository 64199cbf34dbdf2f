// Faces for logical fonts: fontconfig chooses the file (its answers remembered between runs),
// FreeType opens and rasterizes it.
#include "platform/font_face.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/font_match_cache.h"

namespace gdi {

namespace {

constexpr int default_pixel_size = 16;
constexpr int largest_pixel_size = 256;

// Families in the high nibble of the pitch-and-family byte.
constexpr int ff_roman = 0x10;
constexpr int ff_swiss = 0x20;
constexpr int ff_modern = 0x30;
constexpr int ff_script = 0x40;
constexpr int ff_decorative = 0x50;

GlyphRendering current_rendering = GlyphRendering::monochrome;
long long rasterized_total = 0;
int fontconfig_load_total = 0;

struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
using LibraryPtr = std::unique_ptr<FT_LibraryRec_, LibraryDeleter>;

struct ConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
struct LangSetDeleter {
    void operator()(FcLangSet* set) const { FcLangSetDestroy(set); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;
using LangSetPtr = std::unique_ptr<FcLangSet, LangSetDeleter>;

const char* generic_family(int pitch_and_family) {
    switch (pitch_and_family & 0xf0) {
        case ff_roman:
            return "serif";
        case ff_swiss:
            return "sans-serif";
        case ff_modern:
            return "monospace";
        case ff_script:
            return "cursive";
        case ff_decorative:
            return "fantasy";
        default:
            return nullptr;
    }
}

// The language whose characters a character set carries; nullptr for the others.
const char* charset_language(int char_set) {
    switch (char_set) {
        case shiftjis_charset:
            return "ja";
        case 129:
            return "ko";  // Hangul
        case 134:
            return "zh-cn";  // GB2312
        case 136:
            return "zh-tw";  // Big5
        default:
            return nullptr;
    }
}

std::string face_name(const FontSpec& logical) {
    return std::string(logical.face, strnlen(logical.face, sizeof logical.face));
}

// What decides the face of a logical font: the face name, the generic family and language
// (as the string constants generic_family and charset_language give them), weight, slant and
// pixel size. Two logical fonts that agree on these are served by the same face.
struct FaceKey {
    std::string name;
    const char* family;
    const char* language;
    int weight;
    bool italic;
    int pixel_size;
};

bool same_face(const FaceKey& key, const FontSpec& logical, const char* family,
               const char* language, int pixel_size) {
    const std::size_t length = strnlen(logical.face, sizeof logical.face);
    auto same_text = [](const char* a, const char* b) {
        return a == b || (a != nullptr && b != nullptr && std::strcmp(a, b) == 0);
    };
    return key.pixel_size == pixel_size && key.weight == logical.weight &&
           key.italic == (logical.italic != 0) && same_text(key.family, family) &&
           same_text(key.language, language) && key.name.size() == length &&
           std::memcmp(key.name.data(), logical.face, length) == 0;
}

// The fontconfig and FreeType state of the process: started on first use, ended at exit.
class FontSystem {
public:
    // Looking up a face the process has served before allocates nothing: the system creates
    // and destroys a logical font for every text, and each text looks its face up again.
    FontFace* face_for(const FontSpec& logical) {
        const int pixel_size = font_pixel_size(logical);
        const char* family = generic_family(logical.pitch_and_family);
        const char* language = charset_language(logical.char_set);
        if (last_ < faces_.size() &&
            same_face(faces_[last_].first, logical, family, language, pixel_size)) {
            return faces_[last_].second.get();
        }
        for (std::size_t i = 0; i < faces_.size(); ++i) {
            if (same_face(faces_[i].first, logical, family, language, pixel_size)) {
                last_ = i;
                return faces_[i].second.get();
            }
        }
        std::unique_ptr<FontFace> face = find_face(logical, family, language, pixel_size);
        if (!face) warn_once(logical);
        FaceKey key{face_name(logical),  family,    language, logical.weight,
                    logical.italic != 0, pixel_size};
        faces_.emplace_back(std::move(key), std::move(face));
        last_ = faces_.size() - 1;
        return faces_.back().second.get();
    }

private:
    bool start_freetype() {
        if (!freetype_started_) {
            freetype_started_ = true;
            FT_Library library = nullptr;
            if (FT_Init_FreeType(&library) == 0) library_.reset(library);
        }
        return library_ != nullptr;
    }

    bool start_fontconfig() {
        if (!fontconfig_started_) {
            fontconfig_started_ = true;
            config_.reset(FcInitLoadConfigAndFonts());
            ++fontconfig_load_total;
        }
        return config_ != nullptr;
    }

    // What fontconfig is asked, as one string: every field of the pattern find_face builds, and
    // the program's name, which fontconfig adds to it and a configuration may match on.
    static std::string query_of(const std::string& name, const char* family, const char* language,
                                int weight, bool italic, int pixel_size) {
        std::string query = name;
        for (const char* part : {family, language}) {
            query += '\x1f';
            query += part ? part : "";
        }
        query += '\x1f' + std::to_string(weight) + '\x1f' + (italic ? "i" : "r") + '\x1f' +
                 std::to_string(pixel_size) + '\x1f' + program_invocation_short_name;
        return query;
    }

    std::unique_ptr<FontFace> find_face(const FontSpec& logical, const char* family,
                                        const char* language, int pixel_size) {
        if (!start_freetype()) return nullptr;
        const std::string name = face_name(logical);
        const std::string query =
            query_of(name, family, language, logical.weight, logical.italic != 0, pixel_size);
        if (std::optional<FontMatch> remembered = matches_.find(query)) {
            if (auto face = open_file(remembered->file, remembered->index, pixel_size)) {
                return face;
            }
        }
        if (!start_fontconfig()) return nullptr;
        PatternPtr pattern(FcPatternCreate());
        if (!pattern) return nullptr;
        if (!name.empty()) {
            FcPatternAddString(pattern.get(), FC_FAMILY,
                               reinterpret_cast<const FcChar8*>(name.c_str()));
        }
        if (family) {
            FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
        }
        if (language) {
            LangSetPtr languages(FcLangSetCreate());
            if (languages) {
                FcLangSetAdd(languages.get(), reinterpret_cast<const FcChar8*>(language));
                FcPatternAddLangSet(pattern.get(), FC_LANG, languages.get());
            }
        }
        if (logical.weight > 0) {
            FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                                FcWeightFromOpenType(std::min(logical.weight, 1000)));
        }
        FcPatternAddInteger(pattern.get(), FC_SLANT,
                            logical.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, pixel_size);
        FcConfigSubstitute(config_.get(), pattern.get(), FcMatchPattern);
        FcDefaultSubstitute(pattern.get());

        std::unique_ptr<FontFace> face;
        FcResult result = FcResultNoMatch;
        PatternPtr best(FcFontMatch(config_.get(), pattern.get(), &result));
        if (best) face = open_face(best.get(), pixel_size);
        // The best match could not be loaded: take the first of the others that can be.
        FontSetPtr fonts;
        if (!face) fonts.reset(FcFontSort(config_.get(), pattern.get(), FcTrue, nullptr, &result));
        for (int i = 0; !face && fonts && i < fonts->nfont; ++i) {
            face = open_face(fonts->fonts[i], pixel_size);
        }
        if (face) matches_.store(config_.get(), query, FontMatch{face->file(), face->face_index()});
        return face;
    }

    std::unique_ptr<FontFace> open_face(FcPattern* font, int pixel_size) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) {
            return nullptr;
        }
        int index = 0;
        FcPatternGetInteger(font, FC_INDEX, 0, &index);
        return open_file(reinterpret_cast<const char*>(file), index, pixel_size);
    }

    std::unique_ptr<FontFace> open_file(const std::string& path, int index, int pixel_size) {
        FT_Face raw = nullptr;
        if (FT_New_Face(library_.get(), path.c_str(), index, &raw) != 0) return nullptr;
        FacePtr face(raw);
        if (FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(pixel_size)) != 0) {
            return nullptr;
        }
        return std::make_unique<FontFace>(std::move(face), path, index, pixel_size);
    }

    void warn_once(const FontSpec& logical) {
        if (warned_) return;
        warned_ = true;
        std::fprintf(stderr,
                     "lunkaro: no font could be loaded for \"%s\" (fontconfig and FreeType found "
                     "none that loads); text is not drawn\n",
                     face_name(logical).c_str());
    }

    // Declared in this order so that the faces close before the library that opened them.
    LibraryPtr library_;
    ConfigPtr config_;
    FontMatchCache matches_{font_match_cache_path()};
    bool freetype_started_ = false;
    bool fontconfig_started_ = false;
    bool warned_ = false;
    // Every face asked for, in the order first asked (a font that loads nothing is kept as
    // nullptr, so it is not looked for again); last_ is the one served last.
    std::vector<std::pair<FaceKey, std::unique_ptr<FontFace>>> faces_;
    std::size_t last_ = 0;
};

FontSystem& font_system() {
    static FontSystem system;
    return system;
}

// Copies FreeType's rendered bitmap into coverage values 0..255.
void copy_bitmap(const FT_GlyphSlot slot, GlyphBitmap& glyph) {
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 0);
    if (bitmap.buffer == nullptr) return;
    const int pitch = bitmap.pitch;
    for (int row = 0; row < glyph.height; ++row) {
        const unsigned char* line = pitch >= 0 ? bitmap.buffer + row * pitch
                                               : bitmap.buffer + (glyph.height - 1 - row) * -pitch;
        std::uint8_t* out = glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width;
        for (int col = 0; col < glyph.width; ++col) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                out[col] = (line[col >> 3] & (0x80 >> (col & 7))) ? 255 : 0;
            } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
                const int levels = bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 1;
                out[col] = static_cast<std::uint8_t>(line[col] * 255 / levels);
            }
            // Other pixel modes (colour bitmaps) stay blank.
        }
    }
}

// The runs of fully covered pixels of each row, and whether the glyph has no other ink.
void find_solid_runs(GlyphBitmap& glyph) {
    glyph.solid_runs.clear();
    glyph.only_solid = true;
    for (int row = 0; row < glyph.height; ++row) {
        const std::uint8_t* line =
            glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width;
        int col = 0;
        while (col < glyph.width) {
            if (line[col] != 255) {
                if (line[col] != 0) glyph.only_solid = false;
                ++col;
                continue;
            }
            const int start = col;
            while (col < glyph.width && line[col] == 255) ++col;
            glyph.solid_runs.push_back({row, start, col - start});
        }
    }
}

}  // namespace

void FaceDeleter::operator()(FT_Face face) const {
    FT_Done_Face(face);
}

void set_glyph_rendering(GlyphRendering rendering) {
    current_rendering = rendering;
}
GlyphRendering glyph_rendering() {
    return current_rendering;
}

long long glyphs_rasterized() {
    return rasterized_total;
}

int fontconfig_loads() {
    return fontconfig_load_total;
}

int font_pixel_size(const FontSpec& logical) {
    long long size = logical.height;
    if (size == 0) return default_pixel_size;
    if (size < 0) size = -size;
    return static_cast<int>(std::min<long long>(size, largest_pixel_size));
}

FontFace* font_face_for(const FontSpec& logical) {
    return font_system().face_for(logical);
}

FontFace::FontFace(FacePtr face, std::string file, int face_index, int pixel_size)
    : face_(std::move(face)),
      file_(std::move(file)),
      face_index_(face_index),
      pixel_size_(pixel_size) {}

unsigned FontFace::glyph_index(char32_t code) const {
    return FT_Get_Char_Index(face_.get(), static_cast<FT_ULong>(code));
}

const GlyphBitmap& FontFace::glyph_of_char(char32_t code, bool valid, int max_advance) {
    if (max_advance < 0 || max_advance > 0xffff) {
        return glyph(valid ? glyph_index(code) : 0, max_advance);
    }
    // Key: the code point (one past the last for a character that does not decode), the
    // advance limit and the rendering mode.
    const std::uint64_t character = valid ? static_cast<std::uint64_t>(code) & 0x1fffff : 0x200000;
    const std::uint64_t mode = current_rendering == GlyphRendering::grey ? 1 : 0;
    const std::uint64_t key =
        (character << 17) | (static_cast<std::uint64_t>(max_advance) << 1) | mode;
    CharSlot& slot = by_char_[(key ^ (key >> 17) ^ (key >> 29)) % char_slots];
    if (slot.glyph != nullptr && slot.key == key) return *slot.glyph;
    const GlyphBitmap& found = glyph(valid ? glyph_index(code) : 0, max_advance);
    slot.key = key;
    slot.glyph = &found;
    return found;
}

const GlyphBitmap& FontFace::glyph(unsigned index, int max_advance) {
    // Key: glyph index, rendering mode, and the advance a squeezed glyph is narrowed to (0 for
    // the glyph as the face draws it).
    const std::uint64_t mode = current_rendering == GlyphRendering::grey ? 1 : 0;
    const std::uint64_t upright_key = (static_cast<std::uint64_t>(index) << 1 | mode) << 16;
    auto found = glyphs_.find(upright_key);
    const GlyphBitmap& upright =
        found != glyphs_.end() ? found->second : rasterize(index, 0, upright_key);
    if (max_advance <= 0 || upright.advance <= max_advance) return upright;
    const int squeeze_to = std::min(max_advance, 0xffff);
    const std::uint64_t squeezed_key = upright_key | static_cast<std::uint64_t>(squeeze_to);
    found = glyphs_.find(squeezed_key);
    return found != glyphs_.end() ? found->second : rasterize(index, squeeze_to, squeezed_key);
}

const GlyphBitmap& FontFace::rasterize(unsigned index, int squeeze_to, std::uint64_t key) {
    GlyphBitmap glyph;
    const bool mono = current_rendering == GlyphRendering::monochrome;
    FT_Face face = face_.get();
    int natural_advance = 0;
    if (squeeze_to > 0) {
        auto upright = glyphs_.find(key & ~static_cast<std::uint64_t>(0xffff));
        natural_advance = upright != glyphs_.end() ? upright->second.advance : 0;
    }
    if (squeeze_to > 0 && natural_advance > 0) {
        FT_Matrix narrow = {static_cast<FT_Fixed>(squeeze_to) * 0x10000 / natural_advance, 0, 0,
                            0x10000};
        FT_Set_Transform(face, &narrow, nullptr);
    }
    const FT_Int32 load_flags = mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL;
    if (FT_Load_Glyph(face, index, load_flags) == 0 &&
        FT_Render_Glyph(face->glyph, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) == 0) {
        copy_bitmap(face->glyph, glyph);
        glyph.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
    }
    find_solid_runs(glyph);
    if (squeeze_to > 0) {
        FT_Set_Transform(face, nullptr, nullptr);
        glyph.advance = squeeze_to;
    }
    ++rasterized_total;
    return glyphs_.emplace(key, std::move(glyph)).first->second;
}

}  // namespace gdi
