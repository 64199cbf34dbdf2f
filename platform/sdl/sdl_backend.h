// The SDL display backend of the window system: one native window per window, which shows
// the window's surface through one streaming texture (no SDL drawing calls), and the display's
// events turned into paint, resize and close messages.
#pragma once

#include <string>

namespace gdi {

// Starts SDL's video subsystem and installs the backend. Returns false, with the reason in
// `error`, when no display can be opened.
bool start_sdl_backend(const char* window_class_name, std::string* error);

// Shuts SDL down again (after the message loop ended).
void stop_sdl_backend();

}  // namespace gdi
