// A test canvas: an in-memory window, surface and paint context wired into the drawing
// layer's globals (paint_dc, main_window, the palette), and pictures of it as text.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi.h"
#include "platform/surface.h"
#include "platform/window.h"

struct Canvas {
    gdi::Surface surface;
    gdi::Window window;
    gdi::Dc dc;

    // A white canvas of the given client size; sets paint_dc, main_window, the palette and
    // background_colour. The destructor clears paint_dc and main_window again.
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Colour number (0..15) of the pixel, or -1 for a colour outside the palette.
    int colour_at(int x, int y) const;

    // The surface as rows of hex digits, one per pixel: the colour number, or '?' outside the
    // palette.
    std::vector<std::string> picture() const;
    // Every pixel of one colour number, row by row.
    std::vector<gdi::Point> pixels_of(int colour) const;
    int count_of(int colour) const;
};

// Side by side "expected | actual" rows, for failure messages.
std::string side_by_side(const std::vector<std::string>& expected,
                         const std::vector<std::string>& actual);
