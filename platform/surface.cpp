// The in-memory pixel surface.
#include "platform/surface.h"

#include <sys/mman.h>

#include <cstdint>

namespace gdi {

namespace {

// Below this size a surface's memory is left to be mapped as it is first written.
constexpr std::size_t prefault_bytes = 64 * 1024;

// Asks the kernel to map the whole pages of a fresh block in one call, rather than one page
// fault at a time as the block is first filled (each fault is costly, most of all in a
// virtual machine). Nothing changes where the call is not known; the fill maps them anyway.
void prefault(void* block, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    if (bytes < prefault_bytes) return;
    const std::uintptr_t page = 4096;
    const auto begin = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (begin + page - 1) & ~(page - 1);
    const std::uintptr_t last = (begin + bytes) & ~(page - 1);
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#else
    (void)block;
    (void)bytes;
#endif
}

}  // namespace

Surface make_surface(int width, int height, Colour fill) {
    Surface surface;
    if (width <= 0 || height <= 0) return surface;
    surface.width = width;
    surface.height = height;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    surface.pixels.reserve(count);
    prefault(surface.pixels.data(), count * sizeof(Colour));
    surface.pixels.assign(count, fill & 0xffffffu);
    return surface;
}

std::uint64_t surface_hash(const Surface& surface) {
    std::uint64_t h = 1469598103934665603ull;
    for (Colour c : surface.pixels) {
        for (int i = 0; i < 4; ++i) {
            h ^= (c >> (8 * i)) & 0xffu;
            h *= 1099511628211ull;
        }
    }
    return h;
}

Colour surface_pixel(const Surface& surface, int x, int y, Colour outside) {
    if (x < 0 || y < 0 || x >= surface.width || y >= surface.height) return outside;
    const std::size_t index = static_cast<std::size_t>(y) * surface.width + x;
    if (index >= surface.pixels.size()) return outside;
    return surface.pixels[index];
}

}  // namespace gdi
