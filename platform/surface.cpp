// The in-memory pixel surface.
#include "platform/surface.h"

namespace gdi {

Surface make_surface(int width, int height, Colour fill) {
    Surface surface;
    if (width <= 0 || height <= 0) return surface;
    surface.width = width;
    surface.height = height;
    surface.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                          fill & 0xffffffu);
    return surface;
}

Colour surface_pixel(const Surface& surface, int x, int y, Colour outside) {
    if (x < 0 || y < 0 || x >= surface.width || y >= surface.height) return outside;
    const std::size_t index = static_cast<std::size_t>(y) * surface.width + x;
    if (index >= surface.pixels.size()) return outside;
    return surface.pixels[index];
}

}  // namespace gdi
