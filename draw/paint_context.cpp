// The globals every drawing operation draws with.
#include "draw/paint_context.h"

// Written by the paint handler at the start of each paint and cleared at its end.
gdi::Dc* paint_dc = nullptr;

// Written once when the window is created.
gdi::Window* main_window = nullptr;

// Written once at start-up, from palette[7].
gdi::Colour background_colour = gdi::rgb(255, 255, 255);
