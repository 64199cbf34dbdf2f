// The state every drawing operation draws on during a paint.
#pragma once

#include "platform/gdi.h"
#include "platform/window.h"

// The device context of the paint in progress; set by the paint handler, valid until the
// paint ends. Every drawing operation draws on it.
extern gdi::Dc* paint_dc;

// The one window; set when the window is opened. clear_window and clip_to_window read its
// client area.
extern gdi::Window* main_window;

// palette[7], the colour of the window background; copied once at start-up.
extern gdi::Colour background_colour;
