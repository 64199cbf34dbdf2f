// The object table behind the handles, the stock objects, selection and deletion, and the
// state setters of the device context.
//
// Handles are indexes into one fixed table. Slots 1..stock_slots hold the stock objects (the
// handle of stock object n is n + 1); created objects take the free slots above them. Slot 0
// is never used, so handle 0 means "no object". When the table is full a create call returns
// 0; selecting 0 changes nothing and returns 0, so a drawing call made after a failed create
// draws with whatever the device context had selected before.
#include "platform/objects.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "platform/gdi.h"

namespace gdi {

namespace {

constexpr int first_created = stock_slots + 1;

// Stock object codes beyond those named in gdi.h.
constexpr int ltgray_brush = 1;
constexpr int gray_brush = 2;
constexpr int dkgray_brush = 3;
constexpr int black_brush = 4;
constexpr int white_pen = 6;
constexpr int null_pen = 8;
constexpr int first_font_code = 10;
constexpr int last_font_code = 17;

constexpr std::uint64_t bit_of(int slot) {
    return std::uint64_t{1} << (slot % 64);
}

// The table as the program starts: the stock objects in their slots, every other slot free.
constexpr ObjectTable initial_table() {
    ObjectTable t;
    auto brush = [&t](int code, Colour colour, bool hollow) {
        GdiObject& o = t.slots[code + 1];
        o.kind = ObjectKind::brush;
        o.stock = true;
        o.brush.colour = colour;
        o.brush.hollow = hollow;
    };
    auto pen = [&t](int code, int style, Colour colour) {
        GdiObject& o = t.slots[code + 1];
        o.kind = ObjectKind::pen;
        o.stock = true;
        o.pen.style = style;
        o.pen.width = 0;
        o.pen.colour = colour;
    };
    brush(white_brush, rgb(255, 255, 255), false);
    brush(ltgray_brush, rgb(192, 192, 192), false);
    brush(gray_brush, rgb(128, 128, 128), false);
    brush(dkgray_brush, rgb(64, 64, 64), false);
    brush(black_brush, rgb(0, 0, 0), false);
    brush(null_brush, 0, true);
    pen(white_pen, ps_solid, rgb(255, 255, 255));
    pen(black_pen, ps_solid, rgb(0, 0, 0));
    pen(null_pen, ps_null, 0);
    // Every stock font is a logical font with all fields at their defaults; the text
    // renderer decides what that looks like.
    for (int code = first_font_code; code <= last_font_code; ++code) {
        if (code == 15) continue;  // code 15 is the default palette, not a font
        GdiObject& o = t.slots[code + 1];
        o.kind = ObjectKind::font;
        o.stock = true;
    }
    for (int i = first_created; i < object_table_size; ++i) t.free_slots[i / 64] |= bit_of(i);
    return t;
}

}  // namespace

// Built when the program is compiled (constant initialization), so no call ever waits on a
// first-use guard.
constinit ObjectTable object_table = initial_table();

namespace {

GdiObject* slot_of(Handle handle) {
    if (handle <= 0 || handle >= object_table_size) return nullptr;
    GdiObject& o = object_table.slots[handle];
    return o.kind == ObjectKind::none ? nullptr : &o;
}

// The lowest free slot, now holding a created object of the kind with the payload of that
// kind still to be filled in, or 0 when the table is full. A slot keeps the payloads of
// other kinds from earlier objects; nothing reads them, as every reader checks the kind.
Handle take_slot(ObjectKind kind) {
    ObjectTable& t = object_table;
    for (int word = 0; word < object_table_size / 64; ++word) {
        const std::uint64_t bits = t.free_slots[word];
        if (bits == 0) continue;
        const int slot = word * 64 + std::countr_zero(bits);
        t.free_slots[word] = bits & (bits - 1);
        t.slots[slot].kind = kind;
        t.slots[slot].stock = false;
        ++t.live;
        return slot;
    }
    return 0;
}

Rect intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.left >= r.right || r.top >= r.bottom) return Rect{};
    return r;
}

Rect surface_rect(const Dc& dc) {
    if (dc.surface == nullptr) return Rect{};
    return Rect{0, 0, dc.surface->width, dc.surface->height};
}

}  // namespace

Dc make_paint_dc(Surface& surface) {
    Dc dc;
    dc.surface = &surface;
    dc.pen = black_pen + 1;
    dc.brush = white_brush + 1;
    dc.font = system_font + 1;
    dc.rop2 = r2_copypen;
    dc.current_x = 0;
    dc.current_y = 0;
    dc.clip = surface_rect(dc);
    dc.text_colour = rgb(0, 0, 0);
    dc.text_align = ta_left | ta_top | ta_noupdatecp;
    dc.bk_mode = bk_opaque;
    dc.bk_colour = rgb(255, 255, 255);
    return dc;
}

Handle create_pen(int style, int width, Colour colour) {
    record("create_pen", style, width, colour);
    const Handle handle = take_slot(ObjectKind::pen);
    if (handle != 0) object_table.slots[handle].pen = PenObject{style, width, colour & 0xffffffu};
    return handle;
}

Handle create_solid_brush(Colour colour) {
    record("create_solid_brush", colour);
    const Handle handle = take_slot(ObjectKind::brush);
    if (handle != 0) object_table.slots[handle].brush = BrushObject{false, colour & 0xffffffu};
    return handle;
}

Handle create_font(const FontSpec& font_spec) {
    if (recording()) {
        // The face name as the font record keeps it: cut at the record's last byte.
        char face[sizeof font_spec.face];
        std::memcpy(face, font_spec.face, sizeof face);
        face[sizeof face - 1] = '\0';
        record_text("create_font", face, -1, font_spec.height, font_spec.width,
                    font_spec.escapement, font_spec.orientation, font_spec.weight, font_spec.italic,
                    font_spec.underline, font_spec.strike_out, font_spec.char_set,
                    font_spec.out_precision, font_spec.clip_precision, font_spec.quality,
                    font_spec.pitch_and_family);
    }
    const Handle handle = take_slot(ObjectKind::font);
    if (handle != 0) {
        FontSpec& font = object_table.slots[handle].font;
        font = font_spec;
        font.face[sizeof font.face - 1] = '\0';  // the face name always ends inside the record
    }
    return handle;
}

Handle create_rect_rgn(int left, int top, int right, int bottom) {
    record("create_rect_rgn", left, top, right, bottom);
    const Handle handle = take_slot(ObjectKind::region);
    if (handle == 0) return 0;
    // Swapped corners are put in order; a box without width or height is the empty region.
    Rect& region = object_table.slots[handle].region;
    region = Rect{std::min(left, right), std::min(top, bottom), std::max(left, right),
                  std::max(top, bottom)};
    if (region.left == region.right || region.top == region.bottom) region = Rect{};
    return handle;
}

Handle get_stock_object(int which) {
    record("get_stock_object", which);
    if (which < 0 || which >= stock_slots) return 0;
    return slot_of(which + 1) ? which + 1 : 0;
}

// Selecting a region sets the clip as select_clip_rgn does and returns 0: regions are not
// replaced objects of the device context.
Handle select_object(Dc& dc, Handle object) {
    record("select_object", object);
    const GdiObject* o = slot_of(object);
    if (o == nullptr) return 0;
    Handle previous = 0;
    switch (o->kind) {
        case ObjectKind::pen:
            previous = dc.pen;
            dc.pen = object;
            break;
        case ObjectKind::brush:
            previous = dc.brush;
            dc.brush = object;
            break;
        case ObjectKind::font:
            previous = dc.font;
            dc.font = object;
            break;
        case ObjectKind::region:
            dc.clip = intersect(o->region, surface_rect(dc));
            break;
        case ObjectKind::none:
            break;
    }
    return previous;
}

bool delete_object(Handle object) {
    record("delete_object", object);
    GdiObject* o = slot_of(object);
    if (o == nullptr || o->stock) return false;
    o->kind = ObjectKind::none;
    object_table.free_slots[object / 64] |= bit_of(object);
    --object_table.live;
    return true;
}

int live_object_count() {
    return object_table.live;
}

int get_rop2(const Dc& dc) {
    record("get_rop2");
    return dc.rop2;
}

int set_rop2(Dc& dc, int mode) {
    record("set_rop2", mode);
    const int previous = dc.rop2;
    dc.rop2 = mode;
    return previous;
}

int set_bk_mode(Dc& dc, int mode) {
    record("set_bk_mode", mode);
    const int previous = dc.bk_mode;
    dc.bk_mode = mode;
    return previous;
}

Colour set_bk_color(Dc& dc, Colour colour) {
    record("set_bk_color", colour);
    const Colour previous = dc.bk_colour;
    dc.bk_colour = colour & 0xffffffu;
    return previous;
}

Colour set_text_color(Dc& dc, Colour colour) {
    record("set_text_color", colour);
    const Colour previous = dc.text_colour;
    dc.text_colour = colour & 0xffffffu;
    return previous;
}

int set_text_align(Dc& dc, int flags) {
    record("set_text_align", flags);
    const int previous = dc.text_align;
    dc.text_align = flags;
    return previous;
}

// A handle that is no region (a pen, a freed slot) leaves the clip as it was.
void select_clip_rgn(Dc& dc, Handle region) {
    record("select_clip_rgn", region);
    if (region == 0) {
        dc.clip = surface_rect(dc);
        return;
    }
    const GdiObject* o = slot_of(region);
    if (o == nullptr || o->kind != ObjectKind::region) return;
    dc.clip = intersect(o->region, surface_rect(dc));
}

}  // namespace gdi
