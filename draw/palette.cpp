// The 16-colour palette. Each colour number names an entry of the window's default 20-entry
// system palette; init_palette resolves the entries to their RGB values once at start-up.
#include "draw/palette.h"

namespace {

constexpr int system_palette_size = 20;

// The default system palette: the first ten and the last ten entries of the 256 system
// colours. Entries 8..11 are the changeable colours; no colour number names them.
constexpr gdi::Colour system_palette[system_palette_size] = {
    gdi::rgb(0, 0, 0),        // 0 black
    gdi::rgb(128, 0, 0),      // 1 dark red
    gdi::rgb(0, 128, 0),      // 2 dark green
    gdi::rgb(128, 128, 0),    // 3 dark yellow
    gdi::rgb(0, 0, 128),      // 4 dark blue
    gdi::rgb(128, 0, 128),    // 5 dark magenta
    gdi::rgb(0, 128, 128),    // 6 dark cyan
    gdi::rgb(192, 192, 192),  // 7 light grey
    gdi::rgb(192, 220, 192),  // 8 money green
    gdi::rgb(166, 202, 240),  // 9 sky blue
    gdi::rgb(255, 251, 240),  // 10 cream
    gdi::rgb(160, 160, 164),  // 11 medium grey
    gdi::rgb(128, 128, 128),  // 12 grey
    gdi::rgb(255, 0, 0),      // 13 red
    gdi::rgb(0, 255, 0),      // 14 green
    gdi::rgb(255, 255, 0),    // 15 yellow
    gdi::rgb(0, 0, 255),      // 16 blue
    gdi::rgb(255, 0, 255),    // 17 magenta
    gdi::rgb(0, 255, 255),    // 18 cyan
    gdi::rgb(255, 255, 255),  // 19 white
};

// The system palette entry of each colour number. In 1..7 bit 0 is blue, bit 1 red and bit 2
// green at full intensity; 9..14 are the same mixtures at half intensity.
constexpr int palette_entries[palette_size] = {
    0,   // 0 black
    16,  // 1 blue
    13,  // 2 red
    17,  // 3 magenta
    14,  // 4 green
    18,  // 5 cyan
    15,  // 6 yellow
    19,  // 7 white
    7,   // 8 light grey
    4,   // 9 dark blue
    1,   // 10 dark red
    5,   // 11 dark magenta
    2,   // 12 dark green
    6,   // 13 dark cyan
    3,   // 14 dark yellow
    12,  // 15 grey
};

}  // namespace

// Written by init_palette at start-up only.
gdi::Colour palette[palette_size];

void init_palette() {
    for (int i = 0; i < palette_size; ++i) palette[i] = system_palette[palette_entries[i]];
}
