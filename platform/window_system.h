// A small window system over which the program's shell runs: window classes, top-level
// windows with an in-memory client surface, a message queue, the paint bracket.
//
// Every window paints into its own surface; a backend only presents that surface and feeds
// the queue with the display's events. With no backend installed (snapshots, tests) the
// windows live in memory alone and the queue holds only what the program posts itself.
#pragma once

#include <cstdint>

#include "platform/gdi.h"
#include "platform/window.h"

namespace gdi {

// Message numbers.
constexpr unsigned wm_destroy = 2;
constexpr unsigned wm_size = 5;
constexpr unsigned wm_paint = 15;
constexpr unsigned wm_close = 16;
constexpr unsigned wm_quit = 18;
constexpr unsigned wm_erasebkgnd = 20;
// Input messages. A key press: wparam the key's code (the backend's own key code), lparam bit
// 30 set when the press is an auto-repeat. A button press: lparam the client position,
// x in the low 16 bits and y in the next 16.
constexpr unsigned wm_keydown = 0x100;
constexpr unsigned wm_lbuttondown = 0x201;
constexpr unsigned wm_rbuttondown = 0x204;
constexpr std::intptr_t key_repeat_flag = std::intptr_t{1} << 30;

// Window placement of the topmost request.
constexpr int hwnd_topmost = -1;
constexpr unsigned swp_nosize = 1;
constexpr unsigned swp_nomove = 2;

// Show commands.
constexpr int sw_showdefault = 10;

// Predefined icon and cursor resources.
constexpr int idi_application = 32512;
constexpr int idc_arrow = 32512;

using WindowProc = std::intptr_t (*)(Window* window, unsigned message, std::uintptr_t wparam,
                                     std::intptr_t lparam);

struct WindowClass {
    unsigned style = 0;
    WindowProc procedure = nullptr;
    int class_extra = 0;
    int window_extra = 0;
    int icon = 0;
    int cursor = 0;
    Handle background = 0;  // a brush; the erase colour of begin_paint
    const char* menu_name = nullptr;
    const char* class_name = nullptr;
};

struct Message {
    Window* window = nullptr;
    unsigned message = 0;
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
};

struct PaintInfo {
    Dc dc;
    Rect paint;
    bool erase = true;
};

// What a display backend does for the window system. Every member may be null.
struct WindowBackend {
    // Opens the native window for `window` (its title, position and outer size given);
    // returns false when no native window can be opened. Sets the client size.
    bool (*open)(Window& window, const char* title, int x, int y, int outer_width,
                 int outer_height) = nullptr;
    void (*set_topmost)(Window& window) = nullptr;
    void (*show)(Window& window) = nullptr;
    // Shows the window's surface on the display.
    void (*present)(Window& window) = nullptr;
    // Waits for the next display event and turns it into window-system calls (invalidate,
    // resize, post_message); returns false when the display is gone.
    bool (*wait_event)() = nullptr;
    void (*close)(Window& window) = nullptr;
};

// Installs the display backend (nullptr: windows live in memory only).
void set_window_backend(const WindowBackend* backend);

// The client size a window of the given outer size gets when no backend decides it: the
// classic metrics of a sizable captioned window (4-pixel frame, 19-pixel caption).
constexpr int classic_frame = 4;
constexpr int classic_caption = 19;

int load_icon(int resource);
int load_cursor(int resource);
std::uint16_t register_class(const WindowClass& window_class);
// Creates a top-level window of a registered class; nullptr when the class is unknown or no
// window can be opened.
Window* create_window(const char* class_name, const char* title, int x, int y, int outer_width,
                      int outer_height);
bool set_window_pos_topmost(Window* window);
void show_window(Window* window, int show_command);
// Sends the paint message at once if any part of the window is invalid.
void update_window(Window* window);
// Marks the whole client area invalid, so that a paint message follows.
void invalidate(Window* window);
// The display changed the client size: the surface follows it, the window is invalidated.
void resize_client(Window* window, int client_width, int client_height);

// Waits for the next message; false when it is the quit message (its code in wparam).
bool get_message(Message& message);
void translate_message(const Message& message);
std::intptr_t dispatch_message(const Message& message);
void post_message(Window* window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam);
void post_quit_message(int exit_code);

// The paint bracket: erases the invalid area with the class background brush and returns the
// device context of the window's surface; end_paint validates the window and presents it.
Dc* begin_paint(Window* window, PaintInfo& paint);
void end_paint(Window* window, PaintInfo& paint);

bool destroy_window(Window* window);
std::intptr_t def_window_proc(Window* window, unsigned message, std::uintptr_t wparam,
                              std::intptr_t lparam);

// The client surface of a window (what the last paint drew).
const Surface* window_surface(const Window* window);

}  // namespace gdi
