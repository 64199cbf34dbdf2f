// The one top-level window, as the drawing layer sees it: a client area of a given size.
// The window backends (the SDL window, the headless snapshot window) fill it in.
#pragma once

#include "platform/gdi.h"

namespace gdi {

struct Window {
    int client_width = 0;
    int client_height = 0;
    void* native = nullptr;  // the display backend's own record, if any
};

// The client rectangle of the window (left and top are 0); empty for a null window.
Rect get_client_rect(const Window* window);

}  // namespace gdi
