// The counts of the two routines that carry every pixel of every operation (write_pixel and
// write_span, inline in objects.h, where the clip and the mix mode are applied).
#include "platform/objects.h"

namespace gdi {

PixelCounts pixel_counters;

PixelCounts pixel_counts() {
    return pixel_counters;
}

void reset_pixel_counts() {
    pixel_counters = PixelCounts{};
}

}  // namespace gdi
