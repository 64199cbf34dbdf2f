// The two routines that carry every pixel of every operation: the clip and the mix mode are
// applied here and nowhere else.
#include <algorithm>

#include "platform/objects.h"

namespace gdi {

namespace {

PixelCounts counts;

// The binary raster operation `mode` on the pen colour and the pixel. Codes 1..16 are the
// sixteen functions of two operands: bit ((pen << 1) | pixel) of (mode - 1) is the result bit,
// so 13 copies the pen, 11 keeps the pixel, 7 is exclusive or, 6 inverts the pixel, 1 gives
// black and 16 white. Any other code copies the pen.
Colour mix(Colour pen, Colour pixel, int mode) {
    if (mode < r2_black || mode > r2_white) return pen;
    const unsigned table = static_cast<unsigned>(mode - 1);
    Colour result = 0;
    if (table & 8u) result |= pen & pixel;
    if (table & 4u) result |= pen & ~pixel;
    if (table & 2u) result |= ~pen & pixel;
    if (table & 1u) result |= ~pen & ~pixel;
    return result & 0xffffffu;
}

// The clip, held inside the surface even if a caller set it by hand.
Rect effective_clip(const Dc& dc) {
    const Surface& s = *dc.surface;
    return Rect{std::max(dc.clip.left, 0), std::max(dc.clip.top, 0),
                std::min(dc.clip.right, s.width), std::min(dc.clip.bottom, s.height)};
}

}  // namespace

void write_pixel(Dc& dc, int x, int y, Colour colour, int mix_mode) {
    ++counts.calls;
    if (dc.surface == nullptr) return;
    const Rect clip = effective_clip(dc);
    if (x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom) return;
    Colour& pixel = dc.surface->pixels[static_cast<std::size_t>(y) * dc.surface->width + x];
    pixel = mix(colour & 0xffffffu, pixel, mix_mode);
    ++counts.pixels;
}

void write_span(Dc& dc, int x0, int x1, int y, Colour colour, int mix_mode) {
    ++counts.calls;
    if (dc.surface == nullptr) return;
    const Rect clip = effective_clip(dc);
    if (y < clip.top || y >= clip.bottom) return;
    const int left = std::max(std::min(x0, x1), clip.left);
    const int right = std::min(std::max(x0, x1), clip.right - 1);
    if (left > right) return;
    Colour* row = dc.surface->pixels.data() + static_cast<std::size_t>(y) * dc.surface->width;
    const Colour pen = colour & 0xffffffu;
    for (int x = left; x <= right; ++x) row[x] = mix(pen, row[x], mix_mode);
    counts.pixels += right - left + 1;
}

PixelCounts pixel_counts() {
    return counts;
}

void reset_pixel_counts() {
    counts = PixelCounts{};
}

}  // namespace gdi
