// The in-memory pixel surface: storage only (width, height, pixels). All drawing state lives
// in the device context (dc.h); all drawing goes through the operations of gdi.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gdi {

// A colour as 0x00RRGGBB.
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b) {
    return (static_cast<Colour>(r & 0xff) << 16) | (static_cast<Colour>(g & 0xff) << 8) |
           static_cast<Colour>(b & 0xff);
}
constexpr int red_of(Colour c) {
    return static_cast<int>((c >> 16) & 0xff);
}
constexpr int green_of(Colour c) {
    return static_cast<int>((c >> 8) & 0xff);
}
constexpr int blue_of(Colour c) {
    return static_cast<int>(c & 0xff);
}

struct Surface {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;  // row-major, width * height
};

// A surface of the given size filled with one colour; negative sizes give an empty surface.
Surface make_surface(int width, int height, Colour fill);

// A hash of the picture (FNV-1a over the bytes of the pixels, 64 bits): equal pictures give
// equal hashes, so a long run can compare every picture with the first without keeping it.
std::uint64_t surface_hash(const Surface& surface);

// The pixel at (x, y), or `outside` when the point is not on the surface.
Colour surface_pixel(const Surface& surface, int x, int y, Colour outside = 0xff000000u);

// Writes the surface as a PNG: with a palette when the surface has at most 256 colours, as
// every picture of the 16-colour palette has, and as 8-bit RGB otherwise; read back, either
// gives exactly the surface's colours. Returns false (and leaves no file behind) when
// the file cannot be written; `error` then says why.
bool write_png(const Surface& surface, const std::string& path, std::string* error = nullptr);

}  // namespace gdi
