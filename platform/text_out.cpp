// Text output: Shift-JIS text in fixed cells, horizontal or turned in quarter turns.
//
// Cells, not the face's advances, decide where a character goes: every byte of the text takes
// one cell width (the logical font's width, 8 pixels for the system's font), so a one-byte
// character has a cell of 8 pixels and a two-byte character one of 16, whatever the face
// draws. The cell is as high as the font's pixel size, with the baseline at 7/8 of it (14 of
// 16 rows above, 2 below). A glyph is centred on its advance in its cell, and its ink is
// kept inside the cell.
//
// The text is laid out in text space (u along the line from the start of the first cell, w
// down from the top of the cells) and each pixel cell of text space is turned about the
// reference point onto a pixel cell of the surface. An escapement of 900 turns the whole line,
// kanji and kana included, a quarter turn counter-clockwise: the line runs upward and the tops
// of the characters point left. Escapements are rounded to the nearest quarter turn; the
// orientation follows the escapement.
//
// Alignment: left (0), right (2) or centre (6) along the line, and top (0), bottom (8) or
// baseline (24) across it. The "update current position" flag is ignored: the reference point
// is always the one given.
//
// Background: in opaque mode the cells are painted in the background colour first; in
// transparent mode only glyph pixels are painted. Every pixel goes through write_pixel or
// write_span, so the clip holds. Only cells that meet the clip are drawn, and the walk stops at
// the first cell beyond the clip in the direction of the line, so a text of any length costs
// only what it shows.
#include "platform/text_out.h"

#include <algorithm>

#include "platform/font_face.h"
#include "platform/gdi.h"
#include "platform/objects.h"
#include "platform/text_decode.h"

namespace gdi {

namespace {

constexpr int ta_right = 2;
constexpr int ta_center = 6;
constexpr int ta_bottom = 8;
constexpr int largest_byte_width = 256;

long long cells_walked = 0;

// A box of surface pixels: columns left..right-1, rows top..bottom-1.
struct Box {
    long long left;
    long long top;
    long long right;
    long long bottom;
};

// How text space lies on the surface: the reference point, the text-space point it stands for,
// and the number of quarter turns counter-clockwise.
struct TextFrame {
    long long x;
    long long y;
    long long u_ref;
    long long w_ref;
    int quarter_turns;
};

// The surface box covered by the text-space box u0..u1-1 by w0..w1-1.
Box map_box(const TextFrame& f, long long u0, long long w0, long long u1, long long w1) {
    const long long du0 = u0 - f.u_ref, du1 = u1 - f.u_ref;
    const long long dw0 = w0 - f.w_ref, dw1 = w1 - f.w_ref;
    switch (f.quarter_turns) {
        case 1:
            return {f.x + dw0, f.y - du1, f.x + dw1, f.y - du0};
        case 2:
            return {f.x - du1, f.y - dw1, f.x - du0, f.y - dw0};
        case 3:
            return {f.x - dw1, f.y + du0, f.x - dw0, f.y + du1};
        default:
            return {f.x + du0, f.y + dw0, f.x + du1, f.y + dw1};
    }
}

bool meets(const Box& box, const Rect& clip) {
    return box.left < clip.right && box.right > clip.left && box.top < clip.bottom &&
           box.bottom > clip.top;
}

// True when the cell, and so every later cell of the line, lies past the clip.
bool beyond(const Box& cell, const Rect& clip, int quarter_turns) {
    switch (quarter_turns) {
        case 1:
            return cell.bottom <= clip.top;
        case 2:
            return cell.right <= clip.left;
        case 3:
            return cell.top >= clip.bottom;
        default:
            return cell.left >= clip.right;
    }
}

int quarter_turns_of(int escapement) {
    long long e = static_cast<long long>(escapement) % 3600;
    if (e < 0) e += 3600;
    return static_cast<int>(((e + 450) / 900) % 4);
}

Colour blend(Colour under, Colour over, int coverage) {
    auto mix = [coverage](int a, int b) {
        return (a * (255 - coverage) + b * coverage + 127) / 255;
    };
    return rgb(mix(red_of(under), red_of(over)), mix(green_of(under), green_of(over)),
               mix(blue_of(under), blue_of(over)));
}

void fill_box(Dc& dc, const Box& box, Colour colour) {
    const long long left = std::max<long long>(box.left, dc.clip.left);
    const long long right = std::min<long long>(box.right, dc.clip.right);
    const long long top = std::max<long long>(box.top, dc.clip.top);
    const long long bottom = std::min<long long>(box.bottom, dc.clip.bottom);
    for (long long row = top; row < bottom && left < right; ++row) {
        write_span(dc, static_cast<int>(left), static_cast<int>(right - 1), static_cast<int>(row),
                   colour, r2_copypen);
    }
}

// The part of text space whose pixels land inside the clip (held inside the surface): the
// clip turned back about the reference point.
Box clip_in_text_space(const Dc& dc, const TextFrame& f) {
    const long long cl = std::max(dc.clip.left, 0);
    const long long ct = std::max(dc.clip.top, 0);
    const long long cr = std::min(dc.clip.right, dc.surface->width);
    const long long cb = std::min(dc.clip.bottom, dc.surface->height);
    // Box fields hold u (left, right) and w (top, bottom) here.
    switch (f.quarter_turns) {
        case 1:
            return {f.y + f.u_ref - cb, cl - f.x + f.w_ref, f.y + f.u_ref - ct, cr - f.x + f.w_ref};
        case 2:
            return {f.x + f.u_ref - cr, f.y + f.w_ref - cb, f.x + f.u_ref - cl, f.y + f.w_ref - ct};
        case 3:
            return {ct - f.y + f.u_ref, f.x + f.w_ref - cr, cb - f.y + f.u_ref, f.x + f.w_ref - cl};
        default:
            return {cl - f.x + f.u_ref, ct - f.y + f.w_ref, cr - f.x + f.u_ref, cb - f.y + f.w_ref};
    }
}

// The fully covered runs of a glyph whose pen position is `pen`, cut to the cell u0 ..
// u0+cell_width-1 by 0..cell_height-1 and to the clip: along a row of the surface for a level
// line (one span each), down or up a column for a turned one. The same pixels as the pixel by
// pixel walk below.
void draw_solid_runs(Dc& dc, const TextFrame& f, const GlyphBitmap& glyph, long long pen,
                     long long u0, int cell_width, int cell_height, int ascent) {
    const Box clip = clip_in_text_space(dc, f);
    const long long u_lo = std::max(u0, clip.left);
    const long long u_hi = std::min(u0 + cell_width, clip.right);
    const long long w_lo = std::max<long long>(0, clip.top);
    const long long w_hi = std::min<long long>(cell_height, clip.bottom);
    if (u_lo >= u_hi || w_lo >= w_hi) return;
    const long long origin_u = pen + glyph.left;
    const long long origin_w = static_cast<long long>(ascent) - glyph.top;
    const Colour colour = dc.text_colour;
    for (const GlyphBitmap::Run& run : glyph.solid_runs) {
        const long long w = origin_w + run.row;
        if (w < w_lo || w >= w_hi) continue;
        const long long first = std::max(origin_u + run.column, u_lo);
        const long long last = std::min(origin_u + run.column + run.length, u_hi);
        if (first >= last) continue;
        switch (f.quarter_turns) {
            case 1: {
                const int x = static_cast<int>(f.x + w - f.w_ref);
                for (long long u = first; u < last; ++u) {
                    write_pixel(dc, x, static_cast<int>(f.y + f.u_ref - u - 1), colour, r2_copypen);
                }
                break;
            }
            case 2:
                write_span(dc, static_cast<int>(f.x + f.u_ref - last),
                           static_cast<int>(f.x + f.u_ref - first - 1),
                           static_cast<int>(f.y + f.w_ref - w - 1), colour, r2_copypen);
                break;
            case 3: {
                const int x = static_cast<int>(f.x + f.w_ref - w - 1);
                for (long long u = first; u < last; ++u) {
                    write_pixel(dc, x, static_cast<int>(f.y + u - f.u_ref), colour, r2_copypen);
                }
                break;
            }
            default:
                write_span(dc, static_cast<int>(f.x - f.u_ref + first),
                           static_cast<int>(f.x - f.u_ref + last - 1),
                           static_cast<int>(f.y - f.w_ref + w), colour, r2_copypen);
                break;
        }
    }
}

// Draws the glyph's ink that lies inside the cell u0..u0+cell_width-1 by 0..cell_height-1.
void draw_glyph(Dc& dc, const TextFrame& frame, const GlyphBitmap& glyph, long long u0,
                int cell_width, int cell_height, int ascent) {
    const long long pen = u0 + (cell_width - std::min(glyph.advance, cell_width)) / 2;
    if (glyph.only_solid) {
        draw_solid_runs(dc, frame, glyph, pen, u0, cell_width, cell_height, ascent);
        return;
    }
    const bool grey = glyph_rendering() == GlyphRendering::grey;
    for (int row = 0; row < glyph.height; ++row) {
        const long long w = static_cast<long long>(ascent) - glyph.top + row;
        if (w < 0 || w >= cell_height) continue;
        for (int col = 0; col < glyph.width; ++col) {
            const int coverage = glyph.coverage[static_cast<std::size_t>(row) * glyph.width + col];
            if (coverage == 0) continue;
            const long long u = pen + glyph.left + col;
            if (u < u0 || u >= u0 + cell_width) continue;
            const Box at = map_box(frame, u, w, u + 1, w + 1);
            if (!meets(at, dc.clip)) continue;
            const int x = static_cast<int>(at.left), y = static_cast<int>(at.top);
            Colour colour = dc.text_colour;
            if (grey && coverage < 255) {
                colour = blend(surface_pixel(*dc.surface, x, y), dc.text_colour, coverage);
            }
            write_pixel(dc, x, y, colour, r2_copypen);
        }
    }
}

}  // namespace

long long text_cells_walked() {
    return cells_walked;
}

void text_out(Dc& dc, int x, int y, const char* bytes, int count) {
    record_text("text_out", bytes, bytes ? std::max(count, 0) : 0, x, y, count);
    if (dc.surface == nullptr || bytes == nullptr || count <= 0) return;

    // The stock system font, or a handle that is no font, is a logical font with every field
    // at its default.
    FontSpec logical;
    const GdiObject* object = object_of(dc.font);
    if (object != nullptr && object->kind == ObjectKind::font) logical = object->font;
    FontFace* face = font_face_for(logical);
    if (face == nullptr) return;

    const int cell_height = face->pixel_size();
    const int ascent = (cell_height * 7 + 4) / 8;
    const long long asked_width =
        logical.width < 0 ? -static_cast<long long>(logical.width) : logical.width;
    const int byte_width =
        asked_width > 0 ? static_cast<int>(std::min<long long>(asked_width, largest_byte_width))
                        : (cell_height + 1) / 2;

    TextFrame frame{x, y, 0, 0, quarter_turns_of(logical.escapement)};
    const long long length = static_cast<long long>(byte_width) * count;
    if ((dc.text_align & ta_center) == ta_center) {
        frame.u_ref = length / 2;
    } else if (dc.text_align & ta_right) {
        frame.u_ref = length;
    }
    if ((dc.text_align & ta_baseline) == ta_baseline) {
        frame.w_ref = ascent;
    } else if (dc.text_align & ta_bottom) {
        frame.w_ref = cell_height;
    }

    for (int offset = 0; offset < count;) {
        const SjisChar c = next_sjis_char(bytes, count, offset);
        const long long u0 = static_cast<long long>(offset) * byte_width;
        const int cell_width = c.length * byte_width;
        const Box cell = map_box(frame, u0, 0, u0 + cell_width, cell_height);
        ++cells_walked;
        if (beyond(cell, dc.clip, frame.quarter_turns)) break;
        if (meets(cell, dc.clip)) {
            if (dc.bk_mode == bk_opaque) fill_box(dc, cell, dc.bk_colour);
            draw_glyph(dc, frame, face->glyph_of_char(c.code, c.valid, cell_width), u0, cell_width,
                       cell_height, ascent);
        }
        offset += c.length;
    }
}

}  // namespace gdi
