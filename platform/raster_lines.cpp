// Segments: the current position, line_to, polyline, dash patterns and wide pens.
//
// A one-pixel segment sets one pixel per step along its major axis (x when |dx| > |dy|, y
// otherwise), from its first point up to but not including its last. At major-axis step i the
// minor coordinate is the ideal value rounded to the nearest integer, an exact half going to
// the smaller coordinate, so a segment and its reverse set the same pixels apart from their
// end points.
//
// Segments are clipped analytically: the first and last step whose pixel lies inside the clip
// are found in exact integer arithmetic before the walk, and the walk visits only those, so a
// segment between far-away points costs only the pixels it shows, and shows exactly the pixels
// of the unclipped segment that lie inside the clip. The dash phase is the step number itself,
// so clipping never shifts it.
#include <algorithm>
#include <cstdlib>

#include "platform/gdi.h"
#include "platform/objects.h"
#include "platform/raster.h"

namespace gdi {

namespace {

__extension__ typedef __int128 wide_int;

// A box of pixels in 64-bit coordinates: columns left..right-1, rows top..bottom-1.
struct Box {
    long long left;
    long long top;
    long long right;
    long long bottom;
};

template <class Int>
Int floor_div(Int a, Int b) {
    Int q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0))) --q;
    return q;
}

// Below this magnitude of step count and minor extent the rounding of the minor coordinate
// fits 64-bit arithmetic (2 i db + n stays below 2^62); beyond it 128-bit arithmetic is used.
constexpr long long narrow_extent = 1LL << 30;

// The smallest i in lo..hi for which `holds` is true, where `holds` is false up to some step
// and true from there on; hi + 1 when it holds nowhere.
template <class Predicate>
long long first_holding(long long lo, long long hi, Predicate holds) {
    while (lo <= hi) {
        const long long mid = lo + (hi - lo) / 2;
        if (holds(mid)) {
            hi = mid - 1;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

// The largest i in lo..hi for which `holds` is true, where it is true up to some step and false
// from there on; lo - 1 when it holds nowhere.
template <class Predicate>
long long last_holding(long long lo, long long hi, Predicate holds) {
    while (lo <= hi) {
        const long long mid = lo + (hi - lo) / 2;
        if (holds(mid)) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
    return hi;
}

// Visits, in drawing order, the pixels of the steps of the segment (x1, y1) -> (x2, y2) that
// lie in the box: steps 0..n-1, or 0..n with the last point. visit(x, y, step). Kept out of
// line, so that the short segments inside the clip take the small walk below.
template <class Visit>
[[gnu::noinline]] void walk_segment(int x1, int y1, int x2, int y2, bool with_last, const Box& box,
                                    Visit visit) {
    const long long dx = static_cast<long long>(x2) - x1;
    const long long dy = static_cast<long long>(y2) - y1;
    const bool x_major = std::llabs(dx) > std::llabs(dy);
    const long long a1 = x_major ? x1 : y1;  // major axis
    const long long b1 = x_major ? y1 : x1;  // minor axis
    const long long da = x_major ? dx : dy;
    const long long db = x_major ? dy : dx;
    const long long n = std::llabs(da);
    const long long sa = da < 0 ? -1 : 1;
    const long long a_min = x_major ? box.left : box.top;
    const long long a_max = (x_major ? box.right : box.bottom) - 1;
    const long long b_min = x_major ? box.top : box.left;
    const long long b_max = (x_major ? box.bottom : box.right) - 1;

    long long lo = 0;
    long long hi = with_last ? n : n - 1;
    if (sa > 0) {
        lo = std::max(lo, a_min - a1);
        hi = std::min(hi, a_max - a1);
    } else {
        lo = std::max(lo, a1 - a_max);
        hi = std::min(hi, a1 - a_min);
    }
    if (lo > hi) return;
    if (n == 0) {
        if (b1 >= b_min && b1 <= b_max) visit(x1, y1, 0LL);
        return;
    }

    // minor(i) = round(i * db / n) with halves down = floor((2 i db + n - 1) / 2n).
    const bool narrow = n <= narrow_extent && std::llabs(db) <= narrow_extent;
    auto rounded = [&](long long i) -> long long {
        if (narrow) return floor_div(2 * i * db + (n - 1), 2 * n);
        return static_cast<long long>(
            floor_div(static_cast<wide_int>(2) * i * db + (n - 1), static_cast<wide_int>(2) * n));
    };
    auto minor_at = [&](long long i) { return b1 + rounded(i); };
    // The minor coordinate of every step lies between those of the two end points, so when
    // both ends are inside the box's minor range, every step is.
    const long long b_end = b1 + db;
    if (std::min(b1, b_end) < b_min || std::max(b1, b_end) > b_max) {
        // The minor coordinate moves monotonically with the step, so the steps inside the
        // minor range are one run; when both ends of the run are inside, all of it is.
        const long long minor_lo = minor_at(lo), minor_hi = minor_at(hi);
        const bool all_inside =
            std::min(minor_lo, minor_hi) >= b_min && std::max(minor_lo, minor_hi) <= b_max;
        if (!all_inside && db >= 0) {
            lo = first_holding(lo, hi, [&](long long i) { return minor_at(i) >= b_min; });
            if (lo > hi) return;
            hi = last_holding(lo, hi, [&](long long i) { return minor_at(i) <= b_max; });
        } else if (!all_inside) {
            lo = first_holding(lo, hi, [&](long long i) { return minor_at(i) <= b_max; });
            if (lo > hi) return;
            hi = last_holding(lo, hi, [&](long long i) { return minor_at(i) >= b_min; });
        }
        if (lo > hi) return;
    }

    // Walk lo..hi with the remainder of the rounding division kept incrementally; from step
    // 0 the quotient is 0 and the remainder n - 1.
    const long long d = 2 * n;
    long long q = 0;
    long long r = n - 1;
    if (lo != 0) {
        q = rounded(lo);
        if (narrow) {
            r = 2 * lo * db + (n - 1) - q * d;
        } else {
            r = static_cast<long long>(static_cast<wide_int>(2) * lo * db + (n - 1) -
                                       static_cast<wide_int>(q) * d);
        }
    }
    for (long long i = lo; i <= hi; ++i) {
        const long long a = a1 + sa * i;
        const long long b = b1 + q;
        visit(static_cast<int>(x_major ? a : b), static_cast<int>(x_major ? b : a), i);
        r += 2 * db;
        if (r >= d) {
            r -= d;
            ++q;
        } else if (r < 0) {
            r += d;
            --q;
        }
    }
}

// Every dash pattern repeats after 24 steps (its period is 24 or 6).
constexpr int dash_period = 24;

// dash_on for the steps 0..dash_period-1 of a dash style.
const bool* dash_table(int style) {
    struct Tables {
        bool on[ps_dashdotdot + 1][dash_period];
        Tables() {
            for (int s = 0; s <= ps_dashdotdot; ++s) {
                for (int k = 0; k < dash_period; ++k) on[s][k] = dash_on(s, k);
            }
        }
    };
    static const Tables tables;
    return tables.on[style >= ps_solid && style <= ps_dashdotdot ? style : ps_solid];
}

// Whether the point lies in the box.
bool inside(const Point& p, const Box& box) {
    return p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom;
}

// Whether the box meets the box spanned by the two points. Every pixel of the segment between
// them lies in the spanned box, so a segment whose box misses the clip shows nothing.
bool box_meets_box_of(const Point& a, const Point& b, const Box& box) {
    return std::max(a.x, b.x) >= box.left && std::min(a.x, b.x) < box.right &&
           std::max(a.y, b.y) >= box.top && std::min(a.y, b.y) < box.bottom;
}

// walk_segment without the last point for a segment whose ends both lie in the box: every
// step lies between them, so nothing is clipped. The same steps, pixels and rounding; the
// coordinates are those of a surface, so int arithmetic holds them.
template <class Visit>
void walk_inside(const Point& from, const Point& to, Visit visit) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const int adx = dx < 0 ? -dx : dx;
    const int ady = dy < 0 ? -dy : dy;
    const bool x_major = adx > ady;
    const int n = x_major ? adx : ady;
    const int db = x_major ? dy : dx;
    const int sa = (x_major ? dx : dy) < 0 ? -1 : 1;
    const int d = 2 * n;
    int r = n - 1;  // the remainder of (2 i db + n - 1) / 2n at step 0, where the quotient is 0
    int q = 0;
    for (int i = 0; i < n; ++i) {
        const int a = sa * i;
        if (x_major) {
            visit(from.x + a, from.y + q, static_cast<long long>(i));
        } else {
            visit(from.x + q, from.y + a, static_cast<long long>(i));
        }
        r += 2 * db;
        if (r >= d) {
            r -= d;
            ++q;
        } else if (r < 0) {
            r += d;
            --q;
        }
    }
}

Box box_of(const Rect& r) {
    return Box{r.left, r.top, r.right, r.bottom};
}

}  // namespace

StrokePen stroke_pen_of(const Dc& dc) {
    StrokePen pen;
    const GdiObject* o = object_of(dc.pen);
    PenObject source;  // the stock black one-pixel pen
    if (o != nullptr && o->kind == ObjectKind::pen) source = o->pen;
    pen.colour = source.colour;
    pen.visible = source.style != ps_null;
    pen.cosmetic = source.width <= 1;
    pen.width = pen.cosmetic ? 1 : std::min(source.width, largest_pen_width);
    const bool dashed = source.style >= ps_dash && source.style <= ps_dashdotdot;
    pen.style = pen.cosmetic && dashed ? source.style : ps_solid;
    return pen;
}

// The run lengths in pixels, starting with an "on" run; each pattern has a period of 24 or 6.
bool dash_on(int style, long long step) {
    static constexpr int dash[] = {18, 6};
    static constexpr int dot[] = {3, 3};
    static constexpr int dashdot[] = {9, 6, 3, 6};
    static constexpr int dashdotdot[] = {9, 3, 3, 3, 3, 3};
    const int* runs = nullptr;
    int count = 0;
    switch (style) {
        case ps_dash:
            runs = dash;
            count = 2;
            break;
        case ps_dot:
            runs = dot;
            count = 2;
            break;
        case ps_dashdot:
            runs = dashdot;
            count = 4;
            break;
        case ps_dashdotdot:
            runs = dashdotdot;
            count = 6;
            break;
        default:
            return true;
    }
    int period = 0;
    for (int k = 0; k < count; ++k) period += runs[k];
    long long at = step % period;
    if (at < 0) at += period;
    for (int k = 0; k < count; ++k) {
        if (at < runs[k]) return k % 2 == 0;
        at -= runs[k];
    }
    return true;
}

void stroke_band(Dc& dc, const std::vector<Point>& pixels, const StrokePen& pen) {
    const Rect area = drawable_area(dc);
    if (area.left >= area.right || pixels.empty()) return;
    const int before = pen.width / 2;
    const int after = pen.width - 1 - before;
    struct Span {
        int y;
        int x0;
        int x1;
    };
    // Kept between calls, so that a paint of many wide lines does not allocate for each.
    static std::vector<Span> spans;
    spans.clear();
    for (const Point& p : pixels) {
        const long long x0 = std::max<long long>(static_cast<long long>(p.x) - before, area.left);
        const long long x1 =
            std::min<long long>(static_cast<long long>(p.x) + after, area.right - 1);
        if (x0 > x1) continue;
        const long long y0 = std::max<long long>(static_cast<long long>(p.y) - before, area.top);
        const long long y1 =
            std::min<long long>(static_cast<long long>(p.y) + after, area.bottom - 1);
        for (long long y = y0; y <= y1; ++y) {
            spans.push_back({static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1)});
        }
    }
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
    // Overlapping and touching spans of a row merge, so every pixel is written once even in
    // a mix mode that is not idempotent.
    std::size_t k = 0;
    while (k < spans.size()) {
        Span merged = spans[k++];
        while (k < spans.size() && spans[k].y == merged.y && spans[k].x0 <= merged.x1 + 1) {
            merged.x1 = std::max(merged.x1, spans[k].x1);
            ++k;
        }
        write_span(dc, merged.x0, merged.x1, merged.y, pen.colour, dc.rop2);
    }
}

void stroke_path(Dc& dc, const Point* points, int count, const StrokePen& pen) {
    if (!pen.visible || points == nullptr || count < 2 || dc.surface == nullptr) return;
    const Rect area = drawable_area(dc);
    if (area.left >= area.right) return;

    if (!pen.cosmetic) {
        // Pixels whose block can reach the clip: the clip grown by the block's reach.
        const int before = pen.width / 2;
        const int after = pen.width - 1 - before;
        const Box reach{static_cast<long long>(area.left) - after,
                        static_cast<long long>(area.top) - after,
                        static_cast<long long>(area.right) + before,
                        static_cast<long long>(area.bottom) + before};
        // Kept between calls, so that a paint of many wide lines does not allocate for each.
        static std::vector<Point> pixels;
        pixels.clear();
        for (int k = 0; k + 1 < count; ++k) {
            if (!box_meets_box_of(points[k], points[k + 1], reach)) continue;
            walk_segment(points[k].x, points[k].y, points[k + 1].x, points[k + 1].y, true, reach,
                         [&](int x, int y, long long) {
                             pixels.push_back({x, y});
                         });
        }
        stroke_band(dc, pixels, pen);
        return;
    }

    const Box box = box_of(area);
    const bool opaque_gaps = dc.bk_mode == bk_opaque;
    long long first_step = 0;  // the dash counter at the segment's first point
    for (int k = 0; k + 1 < count; ++k) {
        const Point a = points[k];
        const Point b = points[k + 1];
        if (!box_meets_box_of(a, b, box)) {
            // Wholly beside the clip: nothing to walk, only the dash counter moves on.
        } else if (pen.style == ps_solid) {
            auto put = [&](int x, int y, long long) { write_pixel(dc, x, y, pen.colour, dc.rop2); };
            if (inside(a, box) && inside(b, box)) {
                walk_inside(a, b, put);
            } else {
                walk_segment(a.x, a.y, b.x, b.y, false, box, put);
            }
        } else {
            // The walk visits consecutive steps, so the phase in the pattern is found once and
            // then counted on.
            const bool* on = dash_table(pen.style);
            long long next_step = -1;
            int phase = 0;
            walk_segment(a.x, a.y, b.x, b.y, false, box, [&](int x, int y, long long step) {
                if (step != next_step) {
                    phase = static_cast<int>((first_step + step) % dash_period);
                    if (phase < 0) phase += dash_period;
                }
                next_step = step + 1;
                if (on[phase]) {
                    write_pixel(dc, x, y, pen.colour, dc.rop2);
                } else if (opaque_gaps) {
                    write_pixel(dc, x, y, dc.bk_colour, dc.rop2);
                }
                if (++phase == dash_period) phase = 0;
            });
        }
        const long long dx = std::llabs(static_cast<long long>(b.x) - a.x);
        const long long dy = std::llabs(static_cast<long long>(b.y) - a.y);
        first_step += std::max(dx, dy);
    }
}

void move_to_ex(Dc& dc, int x, int y, Point* previous) {
    record("move_to_ex", x, y);
    if (previous != nullptr) *previous = Point{dc.current_x, dc.current_y};
    dc.current_x = x;
    dc.current_y = y;
}

void line_to(Dc& dc, int x, int y) {
    record("line_to", x, y);
    const Point path[2] = {{dc.current_x, dc.current_y}, {x, y}};
    stroke_path(dc, path, 2, stroke_pen_of(dc));
    dc.current_x = x;
    dc.current_y = y;
}

// A negative count or no points draws nothing; the current position is neither used nor
// changed.
void polyline(Dc& dc, const Point* points, int count) {
    if (recording()) {
        std::vector<long long> args;
        args.push_back(count);
        for (int k = 0; points != nullptr && k < count; ++k) {
            args.push_back(points[k].x);
            args.push_back(points[k].y);
        }
        record_args("polyline", args);
    }
    const StrokePen pen = stroke_pen_of(dc);
    // The common case, one short solid segment inside the clip, takes the small walk at once.
    if (count == 2 && points != nullptr && pen.visible && pen.cosmetic && pen.style == ps_solid &&
        dc.surface != nullptr) {
        const Box box = box_of(drawable_area(dc));
        if (!box_meets_box_of(points[0], points[1], box)) return;  // none of it shows
        if (inside(points[0], box) && inside(points[1], box)) {
            walk_inside(points[0], points[1], [&](int x, int y, long long) {
                write_pixel(dc, x, y, pen.colour, dc.rop2);
            });
            return;
        }
    }
    stroke_path(dc, points, count, pen);
}

}  // namespace gdi
