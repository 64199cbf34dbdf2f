// Our stand-in for the window system's drawing interface: objects (pens, brushes, fonts,
// regions) as small integer handles into one fixed table, and the drawing calls on a device
// context, with the pixel rules of the window system.
//
// Pixel rules (see the tests in tests/platform for the exact pixels):
// - every operation honours the device context's clip rectangle, which is always inside the
//   surface; text, flood fill and pattern fill included;
// - segments leave out their last pixel; one pixel per step along the major axis, exact halves
//   of the minor coordinate round toward the smaller coordinate;
// - cosmetic dash patterns restart at every line_to / polyline call and count one unit per
//   pixel along the major axis; gaps are painted in the background colour in opaque mode and
//   left alone in transparent mode; a styled pen wider than one pixel draws solid;
// - rectangle and ellipse cover columns l..r-1 and rows t..b-1;
// - flood fill is 4-connected, stopped by the clip, iterative (no recursion).
#pragma once

#include <cstdint>

#include "platform/surface.h"

namespace gdi {

// An object handle: 0 is "no object". Stock objects have handles of their own that
// delete_object ignores.
using Handle = int;

// Pen styles.
constexpr int ps_solid = 0;
constexpr int ps_dash = 1;
constexpr int ps_dot = 2;
constexpr int ps_dashdot = 3;
constexpr int ps_dashdotdot = 4;
constexpr int ps_null = 5;

// Mix modes (binary raster operations of pens).
constexpr int r2_black = 1;
constexpr int r2_not = 6;
constexpr int r2_xorpen = 7;
constexpr int r2_nop = 11;
constexpr int r2_copypen = 13;
constexpr int r2_white = 16;

// Background modes.
constexpr int bk_transparent = 1;
constexpr int bk_opaque = 2;

// Text alignment flags.
constexpr int ta_left = 0;
constexpr int ta_top = 0;
constexpr int ta_noupdatecp = 0;
constexpr int ta_baseline = 24;

// Stock objects.
constexpr int white_brush = 0;
constexpr int null_brush = 5;
constexpr int black_pen = 7;
constexpr int system_font = 13;

// Flood fill types.
constexpr int floodfill_border = 0;
constexpr int floodfill_surface = 1;

// Pattern copy raster operation.
constexpr std::uint32_t patcopy = 0x00F00021u;

// Character set of Shift-JIS fonts.
constexpr int shiftjis_charset = 128;

struct Point {
    int x;
    int y;
};

// A rectangle covering columns left..right-1 and rows top..bottom-1.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The parameters of a logical font, as handed to create_font.
struct FontSpec {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0;
    int italic = 0;
    int underline = 0;
    int strike_out = 0;
    int char_set = 0;
    int out_precision = 0;
    int clip_precision = 0;
    int quality = 0;
    int pitch_and_family = 0;
    char face[32] = {};
};

// The device context: the drawing state of one paint on one surface.
struct Dc {
    Surface* surface = nullptr;
    Handle pen = 0;
    Handle brush = 0;
    Handle font = 0;
    int rop2 = r2_copypen;
    int current_x = 0;
    int current_y = 0;
    Rect clip;  // always inside the surface
    Colour text_colour = 0;
    int text_align = 0;
    int bk_mode = bk_opaque;
    Colour bk_colour = rgb(255, 255, 255);
};

// A fresh paint context on the surface, with the window system's defaults: black one-pixel
// pen, white brush, system font, copy mix mode, opaque background mode, white background
// colour, black text, clip = the whole surface.
Dc make_paint_dc(Surface& surface);

// Objects.
Handle create_pen(int style, int width, Colour colour);
Handle create_solid_brush(Colour colour);
Handle create_font(const FontSpec& font_spec);
Handle create_rect_rgn(int left, int top, int right, int bottom);
Handle get_stock_object(int which);
// Makes a pen, brush or font current and returns the handle it replaces (0 on a bad handle).
Handle select_object(Dc& dc, Handle object);
// Destroys a created object. Stock objects and bad handles are ignored (returns false).
bool delete_object(Handle object);
// Number of created objects alive now (stock objects not counted).
int live_object_count();

// State.
int get_rop2(const Dc& dc);
int set_rop2(Dc& dc, int mode);  // returns the previous mode
int set_bk_mode(Dc& dc, int mode);
Colour set_bk_color(Dc& dc, Colour colour);
Colour set_text_color(Dc& dc, Colour colour);
int set_text_align(Dc& dc, int flags);
// Replaces the clip with a copy of the region, intersected with the surface; 0 removes it.
void select_clip_rgn(Dc& dc, Handle region);

// Drawing.
Colour set_pixel(Dc& dc, int x, int y, Colour colour);
void move_to_ex(Dc& dc, int x, int y, Point* previous = nullptr);
void line_to(Dc& dc, int x, int y);
void polyline(Dc& dc, const Point* points, int count);
void rectangle(Dc& dc, int left, int top, int right, int bottom);
void ellipse(Dc& dc, int left, int top, int right, int bottom);
bool ext_flood_fill(Dc& dc, int x, int y, Colour colour, int type);
void pat_blt(Dc& dc, int x, int y, int width, int height, std::uint32_t rop);
// Draws `count` bytes of Shift-JIS text at the reference point in the selected font, text
// colour, alignment and background mode.
void text_out(Dc& dc, int x, int y, const char* bytes, int count);

}  // namespace gdi
