// PNG output of a surface through libpng: 8-bit, with a colour map when the surface has at
// most 256 colours, RGB otherwise.
//
// The picture is written to a temporary file in the destination's folder and renamed over the
// destination only when it is complete, so a failed write leaves neither a partial picture
// nor a temporary file behind, and an existing file at the path is kept.
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// Frees the libpng image state on every way out.
struct ImageGuard {
    png_image* image;
    ~ImageGuard() { png_image_free(image); }
};

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

// A surface of at most 256 colours as one index byte per pixel and a colour map of RGB
// triples, the colours in order of first appearance; false (and nothing usable) for a surface
// of more colours. The 16-colour pictures of the system are written this way: a third of the
// bytes to compress, and the same pixels when read back.
bool colour_indices(const Surface& surface, std::vector<png_byte>& indices,
                    std::vector<png_byte>& colour_map) {
    constexpr std::size_t largest_map = 256;
    Colour colours[largest_map];
    std::size_t count = 0;
    indices.resize(surface.pixels.size());
    Colour last = 0;
    png_byte last_index = 0;
    bool any = false;
    for (std::size_t i = 0; i < surface.pixels.size(); ++i) {
        const Colour c = surface.pixels[i] & 0xffffffu;
        if (!any || c != last) {
            std::size_t k = 0;
            while (k < count && colours[k] != c) ++k;
            if (k == count) {
                if (count == largest_map) {
                    indices.clear();
                    return false;
                }
                colours[count++] = c;
            }
            last = c;
            last_index = static_cast<png_byte>(k);
            any = true;
        }
        indices[i] = last_index;
    }
    colour_map.resize(count * 3);
    for (std::size_t k = 0; k < count; ++k) {
        colour_map[3 * k] = static_cast<png_byte>(red_of(colours[k]));
        colour_map[3 * k + 1] = static_cast<png_byte>(green_of(colours[k]));
        colour_map[3 * k + 2] = static_cast<png_byte>(blue_of(colours[k]));
    }
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

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(surface.width);
    image.height = static_cast<png_uint_32>(surface.height);
    // Compressed for speed: the picture is written once per snapshot, and the default
    // compression took most of a snapshot's time.
    image.flags = PNG_IMAGE_FLAG_FAST;
    ImageGuard guard{&image};
    std::vector<png_byte> bytes;
    std::vector<png_byte> colour_map;
    if (colour_indices(surface, bytes, colour_map)) {
        image.format = PNG_FORMAT_RGB_COLORMAP;
        image.colormap_entries = static_cast<png_uint_32>(colour_map.size() / 3);
    } else {
        image.format = PNG_FORMAT_RGB;
        bytes.resize(surface.pixels.size() * 3);
        for (std::size_t i = 0; i < surface.pixels.size(); ++i) {
            bytes[3 * i] = static_cast<png_byte>(red_of(surface.pixels[i]));
            bytes[3 * i + 1] = static_cast<png_byte>(green_of(surface.pixels[i]));
            bytes[3 * i + 2] = static_cast<png_byte>(blue_of(surface.pixels[i]));
        }
    }
    if (!png_image_write_to_stdio(&image, file.get(), 0, bytes.data(), 0,
                                  colour_map.empty() ? nullptr : colour_map.data())) {
        return fail(error, std::string("cannot encode ") + path + ": " + image.message);
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
