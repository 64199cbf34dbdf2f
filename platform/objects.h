// Inside the drawing stand-in: the object table behind the handles, and the two routines
// that carry every pixel of every operation (clip and mix mode live only there).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/gdi.h"

namespace gdi {

struct Recorder;

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

constexpr int object_table_size = 256;
constexpr int stock_slots = 19;  // stock object codes 0..18, in slots 1..19

// The one table behind the handles: a handle is a slot index. free_slots has one bit per slot,
// set while a slot above the stock objects is free; a create call takes the lowest free slot.
// live counts the created objects alive.
struct ObjectTable {
    GdiObject slots[object_table_size];
    std::uint64_t free_slots[object_table_size / 64] = {};
    int live = 0;
};

// Written by the object calls of objects.cpp only.
extern ObjectTable object_table;

// The object behind a handle, or nullptr for 0, a freed slot or a handle out of range.
inline const GdiObject* object_of(Handle handle) {
    if (handle <= 0 || handle >= object_table_size) return nullptr;
    const GdiObject& o = object_table.slots[handle];
    return o.kind == ObjectKind::none ? nullptr : &o;
}

// How much went through write_pixel and write_span since the last reset: `calls` counts the
// calls of both, `pixels` the pixels they set inside the clip. Tests use them to show that a
// primitive costs only what it draws.
struct PixelCounts {
    long long calls = 0;
    long long pixels = 0;
};
PixelCounts pixel_counts();
void reset_pixel_counts();

// The running counts behind pixel_counts (written by write_pixel, write_span and
// reset_pixel_counts only).
extern PixelCounts pixel_counters;

// The binary raster operation `mode` on the pen colour and the pixel. Codes 1..16 are the
// sixteen functions of two operands: bit ((pen << 1) | pixel) of (mode - 1) is the result bit,
// so 13 copies the pen, 11 keeps the pixel, 7 is exclusive or, 6 inverts the pixel, 1 gives
// black and 16 white. Any other code copies the pen.
inline Colour mix(Colour pen, Colour pixel, int mode) {
    if (mode == r2_copypen || mode < r2_black || mode > r2_white) return pen & 0xffffffu;
    const unsigned table = static_cast<unsigned>(mode - 1);
    Colour result = 0;
    if (table & 8u) result |= pen & pixel;
    if (table & 4u) result |= pen & ~pixel;
    if (table & 2u) result |= ~pen & pixel;
    if (table & 1u) result |= ~pen & ~pixel;
    return result & 0xffffffu;
}

// Sets one pixel if it lies inside the clip, combining with the pixel by the mix mode. The
// clip is held inside the surface even if a caller set it by hand.
[[gnu::always_inline]] inline void write_pixel(Dc& dc, int x, int y, Colour colour, int mix_mode) {
    ++pixel_counters.calls;
    Surface* surface = dc.surface;
    if (surface == nullptr) return;
    if (x < dc.clip.left || x >= dc.clip.right || y < dc.clip.top || y >= dc.clip.bottom) return;
    if (x < 0 || x >= surface->width || y < 0 || y >= surface->height) return;
    Colour& pixel = surface->pixels[static_cast<std::size_t>(y) * surface->width + x];
    pixel = mix(colour & 0xffffffu, pixel, mix_mode);
    ++pixel_counters.pixels;
}

// Sets the pixels x0..x1 (inclusive, either order) of row y that lie inside the clip.
inline void write_span(Dc& dc, int x0, int x1, int y, Colour colour, int mix_mode) {
    ++pixel_counters.calls;
    Surface* surface = dc.surface;
    if (surface == nullptr) return;
    if (y < dc.clip.top || y < 0 || y >= dc.clip.bottom || y >= surface->height) return;
    int left = x0 < x1 ? x0 : x1;
    int right = x0 < x1 ? x1 : x0;
    if (left < dc.clip.left) left = dc.clip.left;
    if (left < 0) left = 0;
    const int end = dc.clip.right < surface->width ? dc.clip.right : surface->width;
    if (right > end - 1) right = end - 1;
    if (left > right) return;
    Colour* row = surface->pixels.data() + static_cast<std::size_t>(y) * surface->width;
    const Colour pen = colour & 0xffffffu;
    if (mix_mode == r2_copypen) {
        for (int x = left; x <= right; ++x) row[x] = pen;
    } else {
        for (int x = left; x <= right; ++x) row[x] = mix(pen, row[x], mix_mode);
    }
    pixel_counters.pixels += right - left + 1;
}

// The recorder that record() appends to, nullptr when none is installed (written by
// set_recorder only).
extern Recorder* installed_recorder;

// Whether a recorder is installed: a call with an argument list built at run time builds it
// only then.
inline bool recording() {
    return installed_recorder != nullptr;
}

// Appends a record to the installed recorder. A null text records no text; a negative length
// takes the text up to its zero byte.
void append_call(const char* op, std::initializer_list<long long> args, const char* text,
                 int text_length);

// The out-of-line part of record and record_text: builds the record's argument list only
// when a recorder is installed.
template <class... Args>
[[gnu::cold, gnu::noinline]] void append_record(const char* op, const char* text, int text_length,
                                                Args... args) {
    append_call(op, {static_cast<long long>(args)...}, text, text_length);
}

// Appends a record of the call with its integer arguments to the installed recorder, if any.
// Without a recorder this is one test of a pointer: nothing is built and nothing allocated.
template <class... Args>
inline void record(const char* op, Args... args) {
    if (installed_recorder != nullptr) [[unlikely]]
        append_record(op, nullptr, -1, args...);
}
// The same for a call with text bytes (a negative length: up to the zero byte).
template <class... Args>
inline void record_text(const char* op, const char* text, int text_length, Args... args) {
    if (installed_recorder != nullptr) [[unlikely]]
        append_record(op, text, text_length, args...);
}
// The same for a call whose argument list is built at run time (polyline's points); callers
// build the list only while recording().
void record_args(const char* op, const std::vector<long long>& args);

}  // namespace gdi
