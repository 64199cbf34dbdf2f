// Shapes: rectangle, ellipse, pattern fill and single pixels.
//
// Rectangle and ellipse take a box of columns left..right-1 and rows top..bottom-1 (swapped
// corners are put in order first). The interior is painted with the brush first, then the
// outline with the pen on top, both in the mix mode of the device context.
#include <algorithm>
#include <climits>
#include <vector>

#include "platform/gdi.h"
#include "platform/objects.h"
#include "platform/raster.h"

namespace gdi {

namespace {

// The largest ellipse box side drawn; a larger box draws nothing. Keeps the outline walk and
// its error terms bounded.
constexpr long long largest_ellipse_side = 65536;

struct Box {
    int left;
    int top;
    int right;
    int bottom;
    long long width() const { return static_cast<long long>(right) - left; }
    long long height() const { return static_cast<long long>(bottom) - top; }
};

Box ordered_box(int left, int top, int right, int bottom) {
    return Box{std::min(left, right), std::min(top, bottom), std::max(left, right),
               std::max(top, bottom)};
}

// Columns x0..x1 of rows y0..y1 (inclusive, 64-bit) with the brush, clipped before the loop.
void fill_area(Dc& dc, long long x0, long long y0, long long x1, long long y1, Colour colour,
               int mix_mode) {
    const Rect area = drawable_area(dc);
    x0 = std::max<long long>(x0, area.left);
    x1 = std::min<long long>(x1, static_cast<long long>(area.right) - 1);
    y0 = std::max<long long>(y0, area.top);
    y1 = std::min<long long>(y1, static_cast<long long>(area.bottom) - 1);
    if (x0 > x1) return;
    for (long long y = y0; y <= y1; ++y) {
        write_span(dc, static_cast<int>(x0), static_cast<int>(x1), static_cast<int>(y), colour,
                   mix_mode);
    }
}

void sort_ring(std::vector<Point>& ring) {
    std::sort(ring.begin(), ring.end(),
              [](const Point& p, const Point& q) { return p.y != q.y ? p.y < q.y : p.x < q.x; });
    ring.erase(std::unique(ring.begin(), ring.end(),
                           [](const Point& p, const Point& q) { return p.x == q.x && p.y == q.y; }),
               ring.end());
}

// Fills `ring` with the ring of the ellipse inscribed in the box x0..x1 by y0..y1 (inclusive,
// each side at least 3 pixels): a closed 8-connected ring touching all four sides, symmetric about
// both middle lines, sorted by row, then column, each pixel once.
//
// A box of odd width and height has a centre pixel: one quadrant of the ellipse with radii
// (w-1)/2 and (h-1)/2 about it is walked pixel by pixel, always taking the step whose error
// term keeps nearest the curve, and mirrored; for circles this is the classic midpoint circle.
// Any other box is walked the same way between its corners, the two halves of the ring one
// pixel apart where the side is even.
void ellipse_ring(long long x0, long long y0, long long x1, long long y1,
                  std::vector<Point>& ring) {
    ring.clear();
    auto put = [&ring](long long x, long long y) {
        ring.push_back({static_cast<int>(x), static_cast<int>(y)});
    };
    if ((x1 - x0) % 2 == 0 && (y1 - y0) % 2 == 0) {
        const long long a = (x1 - x0) / 2, b = (y1 - y0) / 2;
        const long long xm = x0 + a, ym = y0 + b;
        long long x = -a, y = 0;
        long long err = x * (2 * b * b + x) + b * b;
        do {
            put(xm - x, ym + y);
            put(xm + x, ym + y);
            put(xm + x, ym - y);
            put(xm - x, ym - y);
            const long long e2 = 2 * err;
            if (e2 >= (x * 2 + 1) * b * b) {
                ++x;
                err += (x * 2 + 1) * b * b;
            }
            if (e2 <= (y * 2 + 1) * a * a) {
                ++y;
                err += (y * 2 + 1) * a * a;
            }
        } while (x <= 0);
        // A narrow ellipse stops early: finish its tips.
        while (y < b) {
            ++y;
            put(xm, ym + y);
            put(xm, ym - y);
        }
        sort_ring(ring);
        return;
    }
    long long a = x1 - x0;
    const long long b = y1 - y0;
    long long b1 = b & 1;
    long long dx = 4 * (1 - a) * b * b;
    long long dy = 4 * (b1 + 1) * a * a;
    long long err = dx + dy + b1 * a * a;
    y0 += (b + 1) / 2;
    y1 = y0 - b1;
    a *= 8 * a;
    b1 = 8 * b * b;
    do {
        put(x1, y0);
        put(x0, y0);
        put(x0, y1);
        put(x1, y1);
        const long long e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            dy += a;
            err += dy;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            dx += b1;
            err += dx;
        }
    } while (x0 <= x1);
    // A narrow ellipse stops early: finish its tips.
    while (y0 - y1 <= b) {
        put(x0 - 1, y0);
        put(x1 + 1, y0++);
        put(x0 - 1, y1);
        put(x1 + 1, y1--);
    }
    sort_ring(ring);
}

// How far beyond the ring the pen draws: a wide pen's band reaches its width around each ring
// pixel (more than it does, to be safe), the one-pixel pen nothing.
long long pen_reach(const StrokePen& pen) {
    return pen.cosmetic ? 0 : pen.width;
}

// Whether the ring of a circle (a square box at least 16 pixels wide) passes outside the whole
// area, so that no ring or band pixel can fall into it and the interior covers it all. Every
// ring pixel lies within a pixel of the circle of radius (w - 1) / 2 about the box's centre;
// the area's four corners, and with them the whole area, must lie 3 pixels inside that, and a
// band's reach (twice its width, for its diagonal) further. Exact integer arithmetic in
// doubled coordinates.
bool circle_passes_around(const Box& box, const Rect& area, long long reach) {
    constexpr long long smallest_side = 16;
    constexpr long long ring_margin = 3;
    const long long w = box.width();
    if (w != box.height() || w < smallest_side) return false;
    const long long inner2 = w - 1 - 2 * (ring_margin + 2 * reach);  // twice the inner radius
    if (inner2 <= 0) return false;
    const long long centre_x2 = static_cast<long long>(box.left) + box.right - 1;
    const long long centre_y2 = static_cast<long long>(box.top) + box.bottom - 1;
    for (const long long x : {static_cast<long long>(area.left), area.right - 1LL}) {
        for (const long long y : {static_cast<long long>(area.top), area.bottom - 1LL}) {
            const long long dx = 2 * x - centre_x2;
            const long long dy = 2 * y - centre_y2;
            if (dx * dx + dy * dy > inner2 * inner2) return false;
        }
    }
    return true;
}

// The outline of a box one pixel wide or high: its one column or row, drawn from the top or
// the right end.
void outline_line(Dc& dc, const Box& box, const StrokePen& pen) {
    Point path[2];
    if (box.width() == 1) {
        path[0] = {box.left, box.top};
        path[1] = {box.left, box.bottom - 1};
    } else {
        path[0] = {box.right - 1, box.top};
        path[1] = {box.left, box.top};
    }
    if (!pen.cosmetic) {
        stroke_path(dc, path, 2, pen);
        return;
    }
    // One step further, so that the line's own last-pixel rule keeps the far end.
    Point past = path[1];
    if (box.width() == 1) {
        ++past.y;
    } else if (past.x > INT_MIN) {
        --past.x;  // at INT_MIN the far end lies off every surface anyway
    }
    const Point open[2] = {path[0], past};
    stroke_path(dc, open, 2, pen);
}

// The pixels of rectangle() for an ordered box.
void rectangle_pixels(Dc& dc, const Box& box) {
    if (box.width() == 0 || box.height() == 0) return;
    const StrokePen pen = stroke_pen_of(dc);
    if (box.width() == 1 || box.height() == 1) {
        outline_line(dc, box, pen);
        return;
    }
    Colour brush = 0;
    if (brush_colour_of(dc, brush)) {
        fill_area(dc, static_cast<long long>(box.left) + 1, static_cast<long long>(box.top) + 1,
                  static_cast<long long>(box.right) - 2, static_cast<long long>(box.bottom) - 2,
                  brush, dc.rop2);
    }
    const Point outline[5] = {{box.right - 1, box.top},
                              {box.left, box.top},
                              {box.left, box.bottom - 1},
                              {box.right - 1, box.bottom - 1},
                              {box.right - 1, box.top}};
    stroke_path(dc, outline, 5, pen);
}

}  // namespace

bool brush_colour_of(const Dc& dc, Colour& colour) {
    const GdiObject* o = object_of(dc.brush);
    if (o == nullptr || o->kind != ObjectKind::brush || o->brush.hollow) return false;
    colour = o->brush.colour;
    return true;
}

// A box of zero width or height draws nothing. A box one pixel wide or high (a 1 x 1 box
// included) is its one column or row in the pen: the two-corner shapes of the drawing layer
// rely on a 1 x 1 box covering its pixel. Otherwise the brush paints l+1..r-2 by t+1..b-2 and
// the pen draws the four edges as one closed path that starts at the top-right corner and runs
// left along the top, down the left side, right along the bottom and up the right side, so a
// dash pattern carries on around the corners.
void rectangle(Dc& dc, int left, int top, int right, int bottom) {
    record("rectangle", left, top, right, bottom);
    if (dc.surface == nullptr) return;
    rectangle_pixels(dc, ordered_box(left, top, right, bottom));
}

// A box 2 pixels or less wide or high is drawn as the rectangle of that box. Otherwise the
// outline is the ring of the inscribed ellipse (for a circle the classic midpoint circle), and the
// brush paints the pixels between the ring's left and right sides on every row. A dash style draws
// the ring solid; a wide pen draws its band around the ring. A box wider or higher than 65536
// pixels draws nothing. A ring that lies wholly outside the drawable area is not walked, so an
// ellipse costs what it shows: a box clear of the area draws nothing, and a circle around the
// whole area only its brush over the area.
void ellipse(Dc& dc, int left, int top, int right, int bottom) {
    record("ellipse", left, top, right, bottom);
    if (dc.surface == nullptr) return;
    const Box box = ordered_box(left, top, right, bottom);
    if (box.width() <= 2 || box.height() <= 2) {
        rectangle_pixels(dc, box);
        return;
    }
    if (box.width() > largest_ellipse_side || box.height() > largest_ellipse_side) return;
    // A ring that cannot reach the drawable area is not walked: the walk costs as much as the
    // ring is long, however little of it shows.
    const long long reach = pen_reach(stroke_pen_of(dc));
    const Rect area = drawable_area(dc);
    if (area.left >= area.right || box.right + reach <= area.left ||
        box.left - reach >= area.right || box.bottom + reach <= area.top ||
        box.top - reach >= area.bottom) {
        return;
    }
    if (circle_passes_around(box, area, reach)) {
        Colour brush = 0;
        if (brush_colour_of(dc, brush)) {
            fill_area(dc, area.left, area.top, static_cast<long long>(area.right) - 1,
                      static_cast<long long>(area.bottom) - 1, brush, dc.rop2);
        }
        return;
    }
    // The ring depends only on the box's size: it is kept for the last size asked for, from the
    // box's top-left corner, and moved to each box, so that a paint of many markers of one size
    // walks and sorts it once (and allocates nothing for the others).
    static std::vector<Point> shape;
    static long long shape_width = -1;
    static long long shape_height = -1;
    static std::vector<Point> ring;
    const long long last_column = static_cast<long long>(box.right) - 1 - box.left;
    const long long last_row = static_cast<long long>(box.bottom) - 1 - box.top;
    if (last_column != shape_width || last_row != shape_height) {
        ellipse_ring(0, 0, last_column, last_row, shape);
        shape_width = last_column;
        shape_height = last_row;
    }
    ring.resize(shape.size());
    for (std::size_t i = 0; i < shape.size(); ++i) {
        ring[i] = {static_cast<int>(static_cast<long long>(box.left) + shape[i].x),
                   static_cast<int>(static_cast<long long>(box.top) + shape[i].y)};
    }
    // The ring's rows inside the drawable area: only they fill or set a pixel (the ring is
    // sorted by row), so a marker far larger than the area costs the rows it shows.
    auto row_start = [&](int row) {
        return static_cast<std::size_t>(
            std::lower_bound(ring.begin(), ring.end(), row,
                             [](const Point& p, int r) { return p.y < r; }) -
            ring.begin());
    };
    const std::size_t first_visible = row_start(area.top);
    const std::size_t last_visible = row_start(area.bottom);
    Colour brush = 0;
    if (brush_colour_of(dc, brush)) {
        // The ring is symmetric about the box's middle column; on each row the interior lies
        // between the rightmost ring pixel left of the middle and the leftmost one right of it.
        const long long middle2 = static_cast<long long>(box.left) + box.right - 1;
        std::size_t k = first_visible;
        while (k < last_visible) {
            const int y = ring[k].y;
            long long left_side = 0, right_side = 0;
            bool has_left = false, has_right = false;
            for (; k < last_visible && ring[k].y == y; ++k) {
                const long long twice = 2LL * ring[k].x;
                if (twice < middle2) {
                    left_side = has_left ? std::max<long long>(left_side, ring[k].x) : ring[k].x;
                    has_left = true;
                } else if (twice > middle2 && !has_right) {
                    right_side = ring[k].x;
                    has_right = true;
                }
            }
            if (has_left && has_right && left_side + 1 <= right_side - 1) {
                fill_area(dc, left_side + 1, y, right_side - 1, y, brush, dc.rop2);
            }
        }
    }
    const StrokePen pen = stroke_pen_of(dc);
    if (!pen.visible) return;
    if (!pen.cosmetic) {
        stroke_band(dc, ring, pen);
        return;
    }
    for (std::size_t k = first_visible; k < last_visible; ++k) {
        const Point& p = ring[k];
        if (p.x < area.left || p.x >= area.right) continue;
        write_pixel(dc, p.x, p.y, pen.colour, dc.rop2);
    }
}

// Only the pattern operations use the brush: patcopy paints it, patinvert combines it by
// exclusive or; dstinvert inverts, blackness and whiteness paint black and white. Any other
// operation draws nothing. A negative width or height extends the box left or up from (x, y).
void pat_blt(Dc& dc, int x, int y, int width, int height, std::uint32_t rop) {
    record("pat_blt", x, y, width, height, rop);
    if (dc.surface == nullptr) return;
    constexpr std::uint32_t patinvert = 0x005A0049u;
    constexpr std::uint32_t dstinvert = 0x00550009u;
    constexpr std::uint32_t blackness = 0x00000042u;
    constexpr std::uint32_t whiteness = 0x00FF0062u;
    Colour colour = 0;
    int mode = r2_copypen;
    switch (rop) {
        case patcopy:
            if (!brush_colour_of(dc, colour)) return;
            break;
        case patinvert:
            if (!brush_colour_of(dc, colour)) return;
            mode = r2_xorpen;
            break;
        case dstinvert:
            mode = r2_not;
            break;
        case blackness:
            mode = r2_black;
            break;
        case whiteness:
            mode = r2_white;
            break;
        default:
            return;
    }
    long long x0 = x, x1 = static_cast<long long>(x) + width;
    long long y0 = y, y1 = static_cast<long long>(y) + height;
    if (x1 < x0) std::swap(x0, x1);
    if (y1 < y0) std::swap(y0, y1);
    if (x0 == x1 || y0 == y1) return;
    fill_area(dc, x0, y0, x1 - 1, y1 - 1, colour, mode);
}

// Combines by the mix mode of the device context. Returns the colour asked for, or
// 0xFFFFFFFF when the pixel lies outside the clip and nothing was set.
Colour set_pixel(Dc& dc, int x, int y, Colour colour) {
    record("set_pixel", x, y, colour);
    const Rect area = drawable_area(dc);
    if (x < area.left || x >= area.right || y < area.top || y >= area.bottom) return 0xFFFFFFFFu;
    write_pixel(dc, x, y, colour, dc.rop2);
    return colour & 0xffffffu;
}

}  // namespace gdi
