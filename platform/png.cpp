// PNG output of a surface through libpng: with a palette when the surface has at most 256
// colours (1, 2, 4 or 8 bits per pixel as the count needs), 8-bit RGB otherwise.
//
// The picture is written to a temporary file in the destination's folder and renamed over the
// destination only when it is complete, so a failed write leaves neither a partial picture
// nor a temporary file behind, and an existing file at the path is kept.
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/surface.h"

namespace gdi {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const {
        if (file) std::fclose(file);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Removes the temporary file unless the write succeeded.
struct TemporaryFile {
    std::string path;
    bool keep = false;
    ~TemporaryFile() {
        if (!keep && !path.empty()) ::unlink(path.c_str());
    }
};

bool fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return false;
}

std::string system_error(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

// The colours of the surface in order of first appearance, when there are at most 256 of
// them; an empty list for a surface of more colours.
std::vector<Colour> palette_of(const Surface& surface) {
    constexpr std::size_t largest_map = 256;
    std::vector<Colour> colours;
    colours.reserve(largest_map);
    // The pixels come in runs of one colour: only where a run ends is the list searched.
    Colour last_pixel = 0;
    bool any = false;
    for (const Colour pixel : surface.pixels) {
        if (any && pixel == last_pixel) continue;
        any = true;
        last_pixel = pixel;
        const Colour c = pixel & 0xffffffu;
        if (std::find(colours.begin(), colours.end(), c) != colours.end()) continue;
        if (colours.size() == largest_map) return {};
        colours.push_back(c);
    }
    return colours;
}

// What libpng reports while encoding.
struct EncodeErrors {
    char message[256] = "libpng failed";
};

void on_png_error(png_structp png, png_const_charp message) {
    auto* errors = static_cast<EncodeErrors*>(png_get_error_ptr(png));
    std::snprintf(errors->message, sizeof errors->message, "%s", message ? message : "");
    png_longjmp(png, 1);
}

void on_png_warning(png_structp, png_const_charp) {}

// A small map from the colours of a palette to their indices, looked up without a search.
class PaletteIndex {
public:
    explicit PaletteIndex(const std::vector<Colour>& colours) {
        for (std::size_t k = 0; k < colours.size(); ++k) {
            std::size_t slot = hash(colours[k]);
            while (used_[slot]) slot = (slot + 1) % slots;
            used_[slot] = true;
            keys_[slot] = colours[k];
            values_[slot] = static_cast<png_byte>(k);
        }
    }
    // The index of a colour of the palette.
    png_byte operator[](Colour c) const {
        std::size_t slot = hash(c);
        while (used_[slot] && keys_[slot] != c) slot = (slot + 1) % slots;
        return values_[slot];
    }

private:
    static constexpr std::size_t slots = 512;  // at most 256 colours: never more than half full
    static std::size_t hash(Colour c) { return ((c * 2654435761u) >> 16) % slots; }
    bool used_[slots] = {};
    Colour keys_[slots] = {};
    png_byte values_[slots] = {};
};

// The bits per pixel of a palette of n colours.
int palette_depth(std::size_t n) {
    return n <= 2 ? 1 : n <= 4 ? 2 : n <= 16 ? 4 : 8;
}

// One row of the surface in the file's layout: RGB triples without a palette; with one, the
// indices packed `depth` bits each, the leftmost pixel in the highest bits of its byte.
void fill_row(const Colour* pixels, int width, const PaletteIndex* index, int depth,
              png_byte* row) {
    if (index == nullptr) {
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<png_byte>(red_of(pixels[x]));
            row[3 * x + 1] = static_cast<png_byte>(green_of(pixels[x]));
            row[3 * x + 2] = static_cast<png_byte>(blue_of(pixels[x]));
        }
        return;
    }
    Colour last = pixels[0];
    unsigned value = (*index)[last & 0xffffffu];
    unsigned byte = 0;
    int bits = 0;
    int out = 0;
    for (int x = 0; x < width; ++x) {
        if (pixels[x] != last) {
            last = pixels[x];
            value = (*index)[last & 0xffffffu];
        }
        byte = (byte << depth) | value;
        bits += depth;
        if (bits == 8) {
            row[out++] = static_cast<png_byte>(byte);
            byte = 0;
            bits = 0;
        }
    }
    if (bits != 0) row[out] = static_cast<png_byte>(byte << (8 - bits));
}

// Encodes the surface into the open file, row by row, with its palette if it has one (an
// empty list: RGB). libpng reports errors by a long jump back into this function, so no object
// with a destructor lives here; the row buffer and the index belong to the caller.
//
// Compression: no row filter (the pixels are runs of a few colours) and zlib's run-length
// strategy with smaller tables: a file about as small as zlib's defaults make of such a
// picture, in a fraction of their time and memory.
bool encode(std::FILE* file, const Surface& surface, const std::vector<Colour>& colours,
            const PaletteIndex* index, png_byte* row, EncodeErrors& errors) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &errors, on_png_error, on_png_warning);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    const auto width = static_cast<png_uint_32>(surface.width);
    const auto height = static_cast<png_uint_32>(surface.height);
    const int depth = palette_depth(colours.size());
    if (index == nullptr) {
        png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    } else {
        png_set_IHDR(png, info, width, height, depth, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_color entries[256];
        for (std::size_t k = 0; k < colours.size(); ++k) {
            entries[k].red = static_cast<png_byte>(red_of(colours[k]));
            entries[k].green = static_cast<png_byte>(green_of(colours[k]));
            entries[k].blue = static_cast<png_byte>(blue_of(colours[k]));
        }
        png_set_PLTE(png, info, entries, static_cast<int>(colours.size()));
    }
    png_set_filter(png, 0, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
    png_set_compression_strategy(png, Z_RLE);
    png_set_compression_mem_level(png, 6);
    png_write_info(png, info);
    for (int y = 0; y < surface.height; ++y) {
        fill_row(surface.pixels.data() + static_cast<std::size_t>(y) * surface.width, surface.width,
                 index, depth, row);
        png_write_row(png, row);
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool write_png(const Surface& surface, const std::string& path, std::string* error) {
    if (surface.width <= 0 || surface.height <= 0) {
        return fail(error, "cannot write an empty surface to " + path);
    }
    if (surface.pixels.size() !=
        static_cast<std::size_t>(surface.width) * static_cast<std::size_t>(surface.height)) {
        return fail(error, "the surface's pixels do not match its size");
    }
    if (path.empty()) return fail(error, "no file name given");
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return fail(error, path + " is a directory");
    }

    TemporaryFile temporary;
    std::vector<char> name(path.begin(), path.end());
    const char suffix[] = ".tmp-XXXXXX";
    name.insert(name.end(), suffix, suffix + sizeof suffix);  // with the zero byte
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) return fail(error, system_error("cannot create a file beside", path));
    temporary.path = name.data();
    File file(::fdopen(descriptor, "wb"));
    if (!file) {
        ::close(descriptor);
        return fail(error, system_error("cannot open", temporary.path));
    }

    const std::vector<Colour> colours = palette_of(surface);
    std::unique_ptr<PaletteIndex> index;
    if (!colours.empty()) index = std::make_unique<PaletteIndex>(colours);
    std::vector<png_byte> row(static_cast<std::size_t>(surface.width) * 3);
    EncodeErrors errors;
    if (!encode(file.get(), surface, colours, index.get(), row.data(), errors)) {
        return fail(error, std::string("cannot encode ") + path + ": " + errors.message);
    }
    if (std::fflush(file.get()) != 0 || std::ferror(file.get())) {
        return fail(error, system_error("cannot write", temporary.path));
    }
    std::FILE* raw = file.release();
    if (std::fclose(raw) != 0) return fail(error, system_error("cannot write", temporary.path));
    // mkstemp makes the file private; a picture gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(temporary.path.c_str(), 0666 & ~mask);
    if (std::rename(temporary.path.c_str(), path.c_str()) != 0) {
        return fail(error, system_error("cannot write", path));
    }
    temporary.keep = true;
    return true;
}

}  // namespace gdi
