// The stateless drawing primitives on paint_dc.
//
// Each primitive makes the same sequence of platform calls: remember the mix mode, create and
// select its pen (and the null brush for outlines), set the mix mode, draw, set the end pixel
// for lines, then restore the mix mode and the objects it replaced and delete what it
// created. Without a paint (paint_dc null) nothing is drawn and nothing is created.
//
// Corner arithmetic (x2 + 1, cx - r, ...) is done in 64 bits and held to the range of int, so
// extreme coordinates give a box at the edge of the coordinate range, never an overflow.
#include "draw/primitives.h"

#include <algorithm>
#include <climits>

#include "draw/paint_context.h"
#include "draw/palette.h"
#include "platform/gdi.h"
#include "platform/window.h"

namespace {

int held_to_int(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// The pen of a pen-drawing primitive, selected with the mix mode set; the destructor puts
// back the mix mode, the brush (for outlines) and the pen, and deletes the pen.
struct PenSelection {
    gdi::Dc& dc;
    int old_mode;
    gdi::Handle pen;
    gdi::Handle old_pen;
    bool outline;
    gdi::Handle null_brush = 0;
    gdi::Handle old_brush = 0;

    PenSelection(gdi::Dc& dc_, int colour, int width, int pen_style, int mix_mode, bool outline_)
        : dc(dc_),
          old_mode(gdi::get_rop2(dc_)),
          pen(gdi::create_pen(pen_style, width, palette_colour(colour))),
          old_pen(gdi::select_object(dc_, pen)),
          outline(outline_) {
        if (outline) {
            null_brush = gdi::get_stock_object(gdi::null_brush);
            old_brush = gdi::select_object(dc, null_brush);
        }
        gdi::set_rop2(dc, mix_mode);
    }
    ~PenSelection() {
        gdi::set_rop2(dc, old_mode);
        if (outline) {
            gdi::select_object(dc, old_brush);
            gdi::delete_object(null_brush);  // a stock object: ignored
        }
        gdi::select_object(dc, old_pen);
        gdi::delete_object(pen);
    }
    PenSelection(const PenSelection&) = delete;
    PenSelection& operator=(const PenSelection&) = delete;
};

// Puts the corners of a two-corner box in order (signed comparisons).
void order_corners(int& x1, int& y1, int& x2, int& y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
}

}  // namespace

void move_to(int x, int y) {
    if (paint_dc == nullptr) return;
    gdi::move_to_ex(*paint_dc, x, y);
}

void line_to(int x, int y, int colour, int width, int pen_style, int mix_mode) {
    if (paint_dc == nullptr) return;
    PenSelection selection(*paint_dc, colour, width, pen_style, mix_mode, false);
    gdi::line_to(*paint_dc, x, y);
    gdi::set_pixel(*paint_dc, x, y, palette_colour(colour));
}

void put_pixel(int x, int y, int colour, int mix_mode) {
    if (paint_dc == nullptr) return;
    const int old_mode = gdi::get_rop2(*paint_dc);
    gdi::set_rop2(*paint_dc, mix_mode);
    gdi::set_pixel(*paint_dc, x, y, palette_colour(colour));
    gdi::set_rop2(*paint_dc, old_mode);
}

void draw_segment(int x1, int y1, int x2, int y2, int colour, int width, int pen_style,
                  int mix_mode) {
    if (paint_dc == nullptr) return;
    PenSelection selection(*paint_dc, colour, width, pen_style, mix_mode, false);
    const gdi::Point points[2] = {{x1, y1}, {x2, y2}};
    gdi::polyline(*paint_dc, points, 2);
    gdi::set_pixel(*paint_dc, x2, y2, palette_colour(colour));
}

// A line style code outside 0..3 draws solid; a width code outside 0..1 draws the thin line.
void styled_segment(int x1, int y1, int x2, int y2, int colour, int width_code,
                    int line_style_code) {
    int pen_style = gdi::ps_solid;
    switch (line_style_code) {
        case line_dotted:
            pen_style = gdi::ps_dot;
            break;
        case line_dashdot:
            pen_style = gdi::ps_dashdot;
            break;
        case line_dashed:
            pen_style = gdi::ps_dash;
            break;
        default:
            break;
    }
    const int width = width_code == width_thin_too ? 1 : 0;
    draw_segment(x1, y1, x2, y2, colour, width, pen_style, gdi::r2_copypen);
}

void draw_rect(int x1, int y1, int x2, int y2, int colour, int width, int pen_style) {
    if (paint_dc == nullptr) return;
    order_corners(x1, y1, x2, y2);
    PenSelection selection(*paint_dc, colour, width, pen_style, gdi::r2_copypen, true);
    gdi::rectangle(*paint_dc, x1, y1, held_to_int(x2 + 1LL), held_to_int(y2 + 1LL));
}

void fill_rect(int x1, int y1, int x2, int y2, int colour) {
    if (paint_dc == nullptr) return;
    gdi::Dc& dc = *paint_dc;
    const int old_mode = gdi::get_rop2(dc);
    order_corners(x1, y1, x2, y2);
    const gdi::Colour rgb = palette_colour(colour);
    const gdi::Handle pen = gdi::create_pen(gdi::ps_solid, 1, rgb);
    const gdi::Handle old_pen = gdi::select_object(dc, pen);
    const gdi::Handle brush = gdi::create_solid_brush(rgb);
    const gdi::Handle old_brush = gdi::select_object(dc, brush);
    gdi::set_rop2(dc, gdi::r2_copypen);
    gdi::rectangle(dc, x1, y1, held_to_int(x2 + 1LL), held_to_int(y2 + 1LL));
    gdi::set_rop2(dc, old_mode);
    gdi::select_object(dc, old_brush);
    gdi::delete_object(brush);
    gdi::select_object(dc, old_pen);
    gdi::delete_object(pen);
}

// A radius of 0 covers the one centre pixel; a negative radius gives the box with its corners
// swapped, which the platform puts in order.
void draw_ellipse(int cx, int cy, int rx, int ry, int colour, int width, int pen_style) {
    if (paint_dc == nullptr) return;
    PenSelection selection(*paint_dc, colour, width, pen_style, gdi::r2_copypen, true);
    gdi::ellipse(*paint_dc, held_to_int(static_cast<long long>(cx) - rx),
                 held_to_int(static_cast<long long>(cy) - ry),
                 held_to_int(static_cast<long long>(cx) + rx + 1),
                 held_to_int(static_cast<long long>(cy) + ry + 1));
}

void draw_circle(int cx, int cy, int r, int colour, int width, int pen_style) {
    draw_ellipse(cx, cy, r, r, colour, width, pen_style);
}

// A seed outside the clip, or on a pixel of the border colour, fills nothing.
void flood_fill(int x, int y, int fill_colour, int border_colour) {
    if (paint_dc == nullptr) return;
    gdi::Dc& dc = *paint_dc;
    const gdi::Handle brush = gdi::create_solid_brush(palette_colour(fill_colour));
    const gdi::Handle old_brush = gdi::select_object(dc, brush);
    const int old_mode = gdi::get_rop2(dc);
    gdi::set_rop2(dc, gdi::r2_copypen);
    gdi::ext_flood_fill(dc, x, y, palette_colour(border_colour), gdi::floodfill_border);
    gdi::set_rop2(dc, old_mode);
    gdi::select_object(dc, old_brush);
    gdi::delete_object(brush);
}

// Without a window there is no client area to clear.
void clear_window() {
    if (paint_dc == nullptr || main_window == nullptr) return;
    gdi::Dc& dc = *paint_dc;
    const gdi::Handle brush = gdi::create_solid_brush(background_colour);
    const gdi::Handle old_brush = gdi::select_object(dc, brush);
    const gdi::Rect client = gdi::get_client_rect(main_window);
    gdi::pat_blt(dc, 0, 0, client.right, client.bottom, gdi::patcopy);
    gdi::select_object(dc, old_brush);
    gdi::delete_object(brush);
}

// Columns left..left+width-1 and rows bottom-height..bottom-1: the frame's right edge column
// and bottom edge row lie outside. If no region can be made (the object table is full) the clip
// stays as it was rather than falling back to the whole surface.
void clip_to_frame(const GraphFrame& frame) {
    if (paint_dc == nullptr) return;
    const long long top = static_cast<long long>(frame.bottom) - frame.height;
    const long long right = static_cast<long long>(frame.left) + frame.width;
    const gdi::Handle region =
        gdi::create_rect_rgn(frame.left, held_to_int(top), held_to_int(right), frame.bottom);
    if (region == 0) return;
    gdi::select_clip_rgn(*paint_dc, region);
    gdi::delete_object(region);
}

// Without a window the clip is left as it is.
void clip_to_window() {
    if (paint_dc == nullptr || main_window == nullptr) return;
    const gdi::Rect client = gdi::get_client_rect(main_window);
    const gdi::Handle region = gdi::create_rect_rgn(0, 0, client.right, client.bottom);
    gdi::select_clip_rgn(*paint_dc, region);
    gdi::delete_object(region);
}
