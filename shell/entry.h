// Program entry, the one window and its paint cycle.
#pragma once

#include <cstdint>

#include "platform/window_system.h"

// The instance handle the entry point receives (opaque; only handed on).
using InstanceHandle = const void*;

// Outer size of the window in pixels, handed to window creation.
extern int window_width;
extern int window_height;

// The window's title and class name.
extern const char* const main_window_title;

// Set by open_main_window once the window exists; tells a failed start from a closed window.
extern bool main_window_was_opened;

// Builds the palette, registers the class, opens the window (the first paint happens inside)
// and runs the message loop. Returns the quit code, or 0 when registration or window creation
// failed.
int gui_entry(InstanceHandle instance, InstanceHandle previous, const char* command_line,
              int show_command);
// Registers the window class; returns its atom, 0 on failure.
std::uint16_t register_main_class(InstanceHandle instance);
// Creates, raises, shows and first paints the window; 1 when it exists, 0 when creation failed.
int open_main_window(InstanceHandle instance, int show_command);
// Handles paint (one whole run between begin and end of the paint) and close; everything else
// goes to the default handling.
std::intptr_t main_window_proc(gdi::Window* window, unsigned message, std::uintptr_t wparam,
                               std::intptr_t lparam);
