// Inside the drawing stand-in: the object table behind the handles, and the two routines
// that carry every pixel of every operation (clip and mix mode live only there).
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/gdi.h"

namespace gdi {

enum class ObjectKind { none, pen, brush, font, region };

struct PenObject {
    int style = ps_solid;
    int width = 0;
    Colour colour = 0;
};

struct BrushObject {
    bool hollow = false;  // the null brush paints nothing
    Colour colour = 0;
};

struct GdiObject {
    ObjectKind kind = ObjectKind::none;
    bool stock = false;
    PenObject pen;
    BrushObject brush;
    FontSpec font;
    Rect region;
};

// The object behind a handle, or nullptr for 0, a freed slot or a handle out of range.
const GdiObject* object_of(Handle handle);

// Sets one pixel if it lies inside the clip, combining with the pixel by the mix mode.
void write_pixel(Dc& dc, int x, int y, Colour colour, int mix_mode);

// Sets the pixels x0..x1 (inclusive, either order) of row y that lie inside the clip.
void write_span(Dc& dc, int x0, int x1, int y, Colour colour, int mix_mode);

// How much went through write_pixel and write_span since the last reset: `calls` counts the
// calls of both, `pixels` the pixels they set inside the clip. Tests use them to show that a
// primitive costs only what it draws.
struct PixelCounts {
    long long calls = 0;
    long long pixels = 0;
};
PixelCounts pixel_counts();
void reset_pixel_counts();

// Appends a record to the installed recorder, if any.
void record(const char* op, std::initializer_list<long long> args, const char* text = nullptr,
            int text_length = -1);
// The same for a call whose argument list is built at run time (polyline's points).
void record_args(const char* op, const std::vector<long long>& args);

}  // namespace gdi
