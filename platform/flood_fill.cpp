// Flood fill: 4-connected, iterative, stopped by the clip.
//
// A scan-line fill: each seed taken from an explicit stack grows to the widest run of its row
// that may be filled, the run is painted with one span, and one seed is pushed for every run
// of fillable pixels directly above and below it. A map of the clip area marks what has been
// filled, so the fill ends even when the brush colour itself counts as fillable, and no pixel
// is painted twice. The stack holds at most one seed per pixel of the clip area, so memory is
// bounded by the surface whatever the shape.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/gdi.h"
#include "platform/objects.h"
#include "platform/raster.h"

namespace gdi {

// floodfill_border fills every pixel connected to the seed that is not `colour`;
// floodfill_surface every connected pixel that is `colour`. Fails (false, nothing painted)
// when the seed lies outside the clip, when the seed itself may not be filled, for another
// type, or with the null brush. The brush is painted in copy mode whatever the mix mode.
bool ext_flood_fill(Dc& dc, int x, int y, Colour colour, int type) {
    record("ext_flood_fill", x, y, colour, type);
    if (dc.surface == nullptr) return false;
    if (type != floodfill_border && type != floodfill_surface) return false;
    const Rect area = drawable_area(dc);
    if (x < area.left || x >= area.right || y < area.top || y >= area.bottom) return false;
    Colour brush = 0;
    if (!brush_colour_of(dc, brush)) return false;

    const Surface& surface = *dc.surface;
    const Colour target = colour & 0xffffffu;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // The map, the seed stack and the list of painted runs are kept between calls; the map is
    // all zero between calls, each fill clearing again just the runs it painted, so a fill
    // costs what it paints, not the size of the clip (a paint may fill hundreds of markers of
    // a few pixels each).
    static std::vector<unsigned char> filled;
    static std::vector<Point> stack;
    struct Run {
        int x0;
        int x1;
        int y;
    };
    static std::vector<Run> painted;
    const std::size_t cells = static_cast<std::size_t>(width) * height;
    if (filled.size() < cells) filled.assign(cells, 0);
    auto index = [&](int px, int py) {
        return static_cast<std::size_t>(py - area.top) * width + (px - area.left);
    };
    auto fillable = [&](int px, int py) {
        if (filled[index(px, py)]) return false;
        const Colour c = surface.pixels[static_cast<std::size_t>(py) * surface.width + px];
        return type == floodfill_border ? c != target : c == target;
    };
    if (!fillable(x, y)) return false;

    stack.clear();
    painted.clear();
    stack.push_back({x, y});
    // Pushes one seed per run of fillable pixels in columns x0..x1 of row py.
    auto push_runs = [&](int x0, int x1, int py) {
        if (py < area.top || py >= area.bottom) return;
        bool in_run = false;
        for (int px = x0; px <= x1; ++px) {
            const bool f = fillable(px, py);
            if (f && !in_run) stack.push_back({px, py});
            in_run = f;
        }
    };
    while (!stack.empty()) {
        const Point seed = stack.back();
        stack.pop_back();
        if (!fillable(seed.x, seed.y)) continue;
        int x0 = seed.x;
        int x1 = seed.x;
        while (x0 > area.left && fillable(x0 - 1, seed.y)) --x0;
        while (x1 + 1 < area.right && fillable(x1 + 1, seed.y)) ++x1;
        for (int px = x0; px <= x1; ++px) filled[index(px, seed.y)] = 1;
        painted.push_back({x0, x1, seed.y});
        write_span(dc, x0, x1, seed.y, brush, r2_copypen);
        push_runs(x0, x1, seed.y - 1);
        push_runs(x0, x1, seed.y + 1);
    }
    for (const Run& run : painted) {
        std::fill_n(filled.begin() + static_cast<std::ptrdiff_t>(index(run.x0, run.y)),
                    run.x1 - run.x0 + 1, 0);
    }
    return true;
}

}  // namespace gdi
