// The client rectangle of the window.
#include "platform/window.h"

#include <algorithm>

namespace gdi {

// A negative client size counts as 0.
Rect get_client_rect(const Window* window) {
    if (window == nullptr) return Rect{};
    return Rect{0, 0, std::max(window->client_width, 0), std::max(window->client_height, 0)};
}

}  // namespace gdi
