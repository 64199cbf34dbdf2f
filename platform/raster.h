// Inside the drawing stand-in: what the line, shape and fill rasterizers share. The current
// pen and brush as the rasterizers see them, the dash counter, path stroking and the wide-pen
// band. Every pixel still goes through write_pixel / write_span.
#pragma once

#include <vector>

#include "platform/objects.h"

namespace gdi {

// The part of the surface drawing may touch: the clip, held inside the surface.
inline Rect drawable_area(const Dc& dc) {
    if (dc.surface == nullptr) return Rect{};
    Rect r{dc.clip.left < 0 ? 0 : dc.clip.left, dc.clip.top < 0 ? 0 : dc.clip.top,
           dc.clip.right > dc.surface->width ? dc.surface->width : dc.clip.right,
           dc.clip.bottom > dc.surface->height ? dc.surface->height : dc.clip.bottom};
    if (r.left >= r.right || r.top >= r.bottom) return Rect{};
    return r;
}

// The widest band a pen draws; wider pens draw as wide as this.
constexpr int largest_pen_width = 1024;

// The selected pen as drawn. A handle that is no pen (a freed slot) draws as the stock black
// one-pixel pen. Widths of 1 or less give the one-pixel (cosmetic) pen; a cosmetic pen keeps
// its dash style, a wider pen is always solid; styles other than the five dash styles and
// ps_null draw solid.
struct StrokePen {
    bool visible = true;  // false for ps_null
    bool cosmetic = true;
    int style = ps_solid;  // ps_solid for every wide pen
    int width = 1;         // 1 for cosmetic pens, 2..largest_pen_width otherwise
    Colour colour = 0;
};
StrokePen stroke_pen_of(const Dc& dc);

// The selected brush's colour, or false for the null brush (or a handle that is no brush,
// which paints nothing either).
bool brush_colour_of(const Dc& dc, Colour& colour);

// Whether the pattern of a cosmetic pen of this style is on at step n (n >= 0) counted from
// the start of the line_to or polyline call, one step per pixel along the major axis. The one
// place dash patterns are known.
bool dash_on(int style, long long step);

// Strokes the path through the points with the pen: cosmetic pens one pixel per major-axis
// step of each segment with the segment's last point left out, the dash counted from the first
// point across all segments; wide pens as the band of every segment with both ends, each
// pixel of the band written once.
void stroke_path(Dc& dc, const Point* points, int count, const StrokePen& pen);

// The band of a wide pen around a set of pixels: the width x width block at offsets
// -(width/2) .. width-1-width/2 from every pixel, written once per covered pixel.
void stroke_band(Dc& dc, const std::vector<Point>& pixels, const StrokePen& pen);

}  // namespace gdi
