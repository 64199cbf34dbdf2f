// The two routines that carry every pixel of every operation: the clip and the mix mode are
// applied here and nowhere else (write_pixel and mix are inline in objects.h).
#include <algorithm>

#include "platform/objects.h"

namespace gdi {

PixelCounts pixel_counters;

void write_span(Dc& dc, int x0, int x1, int y, Colour colour, int mix_mode) {
    ++pixel_counters.calls;
    if (dc.surface == nullptr) return;
    const Surface& s = *dc.surface;
    // The clip, held inside the surface even if a caller set it by hand.
    if (y < std::max(dc.clip.top, 0) || y >= std::min(dc.clip.bottom, s.height)) return;
    const int left = std::max({std::min(x0, x1), dc.clip.left, 0});
    const int right = std::min(std::max(x0, x1), std::min(dc.clip.right, s.width) - 1);
    if (left > right) return;
    Colour* row = dc.surface->pixels.data() + static_cast<std::size_t>(y) * s.width;
    const Colour pen = colour & 0xffffffu;
    if (mix_mode == r2_copypen) {
        std::fill(row + left, row + right + 1, pen);
    } else {
        for (int x = left; x <= right; ++x) row[x] = mix(pen, row[x], mix_mode);
    }
    pixel_counters.pixels += right - left + 1;
}

PixelCounts pixel_counts() {
    return pixel_counters;
}

void reset_pixel_counts() {
    pixel_counters = PixelCounts{};
}

}  // namespace gdi
