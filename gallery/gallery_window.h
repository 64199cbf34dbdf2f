// The gallery's window and its snapshot mode. The window shows one example at a time; any key
// or mouse click shows the next one (after the last, the first again). The snapshot mode
// paints every example once in the same window kept in memory and writes each picture as a
// PNG, with an index page that shows them all with their titles.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window_system.h"

// The window's title and class name.
extern const char* const gallery_window_title;

// Outer size of the window in pixels, the size of the programs' window.
constexpr int gallery_window_width = 640;
constexpr int gallery_window_height = 480;

// The index of the example the window shows; written by the window procedure (the next one on
// a key or click) and by the snapshot mode (each in turn).
extern int shown_example;

// Builds the palette, registers the window class (once per process) and creates the window at
// the screen's top-left corner, topmost and shown but not yet painted; sets main_window.
// Returns the window, or null when the class or the window cannot be made.
gdi::Window* open_gallery_window();

// Opens the window, paints the first example and runs the message loop until the window is
// closed. Returns the quit code, or 1 when no window could be opened.
int gallery_entry();

// Paint: the shown example's whole run between begin and end of the paint. A key press (not
// its auto-repeat) or a button press: the next example, and the window is invalidated so the
// next paint shows it. Close: the window goes and the loop ends with 0. Everything else goes
// to the default handling.
std::intptr_t gallery_window_proc(gdi::Window* window, unsigned message, std::uintptr_t wparam,
                                  std::intptr_t lparam);

// Paints every example in the in-memory window and writes DIRECTORY/NAME.png for each, then
// DIRECTORY/index.html showing each picture with its number, title (UTF-8) and name. The
// directory is made when missing. Returns true when everything was written; otherwise false
// with the reason in `error`, and no index page is written. Leaves no window behind.
bool write_gallery(const std::string& directory, std::string* error);

// The index page's HTML for the examples, with each picture as NAME.png beside it.
std::string gallery_index_html();
