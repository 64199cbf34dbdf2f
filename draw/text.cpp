// Text output: the one font of the window, created for each text, and the text call.
#include "draw/text.h"

#include <climits>
#include <cstring>

#include "draw/paint_context.h"
#include "draw/palette.h"
#include "platform/gdi.h"

namespace {

constexpr int escapement_vertical = 900;  // tenths of a degree: a quarter turn
constexpr int fw_normal = 400;
constexpr int out_tt_precis = 4;
constexpr int clip_tt_always = 32;
constexpr int proof_quality = 2;
constexpr int ff_roman = 16;  // roman family, default pitch

constexpr char text_face[] = "MSMINCHO";

// The font every text is written in; escapement and orientation turn it for vertical text.
gdi::FontSpec text_font(int escapement) {
    gdi::FontSpec logical;
    logical.height = text_cell_height;
    logical.width = text_byte_width;
    logical.escapement = escapement;
    logical.orientation = escapement;
    logical.weight = fw_normal;
    logical.italic = 0;
    logical.underline = 0;
    logical.strike_out = 0;
    logical.char_set = gdi::shiftjis_charset;
    logical.out_precision = out_tt_precis;
    logical.clip_precision = clip_tt_always;
    logical.quality = proof_quality;
    logical.pitch_and_family = ff_roman;
    static_assert(sizeof text_face <= sizeof logical.face);
    std::memcpy(logical.face, text_face, sizeof text_face);
    return logical;
}

// The byte length up to the zero byte, held to the range of int.
int text_length(const char* text) {
    const std::size_t length = std::strlen(text);
    return length > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(length);
}

}  // namespace

void text_out(int x, int y, const char* text, int colour, int direction) {
    if (paint_dc == nullptr || text == nullptr) return;
    const bool vertical = direction == text_vertical;
    gdi::Handle font = gdi::create_font(text_font(vertical ? escapement_vertical : 0));
    gdi::Handle previous_font = gdi::select_object(*paint_dc, font);
    gdi::set_bk_mode(*paint_dc, gdi::bk_transparent);
    gdi::set_text_color(*paint_dc, palette_colour(colour));
    gdi::set_text_align(*paint_dc, vertical ? gdi::ta_left | gdi::ta_baseline | gdi::ta_noupdatecp
                                            : gdi::ta_left | gdi::ta_top | gdi::ta_noupdatecp);
    gdi::text_out(*paint_dc, x, y, text, text_length(text));
    gdi::select_object(*paint_dc, previous_font);
    gdi::delete_object(font);
}

void draw_text(int x, int y, const char* text, int colour, int direction) {
    text_out(x, y, text, colour, direction);
}

void draw_text_centred(int x, int y, const char* text, int colour, int direction) {
    if (text == nullptr) return;
    long long start = static_cast<long long>(x) - 4LL * text_length(text);
    if (start < INT_MIN) start = INT_MIN;
    text_out(static_cast<int>(start), y, text, colour, direction);
}
