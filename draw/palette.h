// The 16-colour palette addressed by colour numbers 0..15.
#pragma once

#include "platform/surface.h"

constexpr int palette_size = 16;

// Colour numbers used by name in the system.
constexpr int colour_black = 0;
constexpr int colour_magenta = 3;
constexpr int colour_green = 4;
constexpr int colour_white = 7;

// RGB value of each colour number; filled once at start-up by init_palette.
extern gdi::Colour palette[palette_size];

void init_palette();

// palette[colour] for 0..15; a colour number outside 0..15 draws in black (colour 0), never
// reading outside the table. Inline: every primitive looks its colour up.
inline gdi::Colour palette_colour(int colour) {
    if (colour < 0 || colour >= palette_size) return palette[colour_black];
    return palette[colour];
}
