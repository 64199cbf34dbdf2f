#include "platform/window_system.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/objects.h"

namespace gdi {
namespace {

struct WindowRecord {
    Window window;  // first, so that a Window* leads back to its record
    std::string title;
    const WindowClass* window_class = nullptr;
    Surface surface;
    bool invalid = true;
    bool shown = false;
};

struct ClassRecord {
    WindowClass window_class;
    std::string name;
};

const WindowBackend* backend = nullptr;
std::vector<std::unique_ptr<ClassRecord>> classes;
std::vector<std::unique_ptr<WindowRecord>> windows;
std::deque<Message> queue;
bool quit_posted = false;
int quit_code = 0;

WindowRecord* record_of(const Window* window) {
    for (auto& record : windows) {
        if (&record->window == window) return record.get();
    }
    return nullptr;
}

const ClassRecord* class_named(const char* name) {
    if (!name) return nullptr;
    for (auto& record : classes) {
        if (record->name == name) return record.get();
    }
    return nullptr;
}

Colour background_of(const WindowClass* window_class) {
    if (!window_class) return rgb(255, 255, 255);
    const GdiObject* brush = object_of(window_class->background);
    if (!brush || brush->kind != ObjectKind::brush || brush->brush.hollow) return rgb(255, 255, 255);
    return brush->brush.colour;
}

// The first invalid shown window, for a paint message.
WindowRecord* next_invalid() {
    for (auto& record : windows) {
        if (record->invalid && record->shown) return record.get();
    }
    return nullptr;
}

}  // namespace

void set_window_backend(const WindowBackend* new_backend) { backend = new_backend; }

int load_icon(int resource) { return resource; }
int load_cursor(int resource) { return resource; }

std::uint16_t register_class(const WindowClass& window_class) {
    if (!window_class.class_name || !window_class.procedure) return 0;
    if (class_named(window_class.class_name)) return 0;
    auto record = std::make_unique<ClassRecord>();
    record->window_class = window_class;
    record->name = window_class.class_name;
    record->window_class.class_name = record->name.c_str();
    classes.push_back(std::move(record));
    return static_cast<std::uint16_t>(0xC000 + classes.size());
}

Window* create_window(const char* class_name, const char* title, int x, int y, int outer_width,
                      int outer_height) {
    const ClassRecord* window_class = class_named(class_name);
    if (!window_class) return nullptr;
    auto record = std::make_unique<WindowRecord>();
    record->title = title ? title : "";
    record->window_class = &window_class->window_class;
    record->window.client_width = std::max(0, outer_width - 2 * classic_frame);
    record->window.client_height = std::max(0, outer_height - classic_caption - 2 * classic_frame);
    if (backend && backend->open &&
        !backend->open(record->window, record->title.c_str(), x, y, outer_width, outer_height)) {
        return nullptr;
    }
    record->surface = make_surface(record->window.client_width, record->window.client_height,
                                   background_of(record->window_class));
    windows.push_back(std::move(record));
    return &windows.back()->window;
}

bool set_window_pos_topmost(Window* window) {
    if (!record_of(window)) return false;
    if (backend && backend->set_topmost) backend->set_topmost(*window);
    return true;
}

void show_window(Window* window, int /*show_command*/) {
    WindowRecord* record = record_of(window);
    if (!record) return;
    record->shown = true;
    if (backend && backend->show) backend->show(*window);
}

void update_window(Window* window) {
    WindowRecord* record = record_of(window);
    if (!record || !record->invalid || !record->shown) return;
    dispatch_message({window, wm_paint, 0, 0});
}

void invalidate(Window* window) {
    if (WindowRecord* record = record_of(window)) record->invalid = true;
}

void resize_client(Window* window, int client_width, int client_height) {
    WindowRecord* record = record_of(window);
    if (!record) return;
    client_width = std::max(0, client_width);
    client_height = std::max(0, client_height);
    if (client_width != window->client_width || client_height != window->client_height) {
        window->client_width = client_width;
        window->client_height = client_height;
        record->surface =
            make_surface(client_width, client_height, background_of(record->window_class));
        post_message(window, wm_size, 0, 0);
    }
    record->invalid = true;
}

bool get_message(Message& message) {
    for (;;) {
        if (!queue.empty()) {
            message = queue.front();
            queue.pop_front();
            return message.message != wm_quit;
        }
        // Paint messages come after everything posted, like the window system's.
        if (WindowRecord* record = next_invalid()) {
            message = {&record->window, wm_paint, 0, 0};
            return true;
        }
        if (quit_posted) {
            quit_posted = false;
            message = {nullptr, wm_quit, static_cast<std::uintptr_t>(quit_code), 0};
            return false;
        }
        if (!backend || !backend->wait_event || !backend->wait_event()) {
            // No display left to wait on: end the loop as a quit would.
            message = {nullptr, wm_quit, 0, 0};
            return false;
        }
    }
}

void translate_message(const Message& /*message*/) {}

std::intptr_t dispatch_message(const Message& message) {
    WindowRecord* record = record_of(message.window);
    if (!record || !record->window_class) return 0;
    return record->window_class->procedure(message.window, message.message, message.wparam,
                                           message.lparam);
}

void post_message(Window* window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam) {
    queue.push_back({window, message, wparam, lparam});
}

void post_quit_message(int exit_code) {
    quit_posted = true;
    quit_code = exit_code;
}

Dc* begin_paint(Window* window, PaintInfo& paint) {
    WindowRecord* record = record_of(window);
    if (!record) return nullptr;
    paint.dc = make_paint_dc(record->surface);
    paint.paint = {0, 0, window->client_width, window->client_height};
    paint.erase = record->invalid;
    if (paint.erase) {
        std::fill(record->surface.pixels.begin(), record->surface.pixels.end(),
                  background_of(record->window_class));
    }
    return &paint.dc;
}

void end_paint(Window* window, PaintInfo& /*paint*/) {
    WindowRecord* record = record_of(window);
    if (!record) return;
    record->invalid = false;
    if (backend && backend->present) backend->present(*window);
}

bool destroy_window(Window* window) {
    auto it = std::find_if(windows.begin(), windows.end(),
                           [window](const auto& record) { return &record->window == window; });
    if (it == windows.end()) return false;
    // The destroy message reaches the window before it goes.
    dispatch_message({window, wm_destroy, 0, 0});
    if (backend && backend->close) backend->close(*window);
    windows.erase(it);
    return true;
}

std::intptr_t def_window_proc(Window* window, unsigned message, std::uintptr_t /*wparam*/,
                              std::intptr_t /*lparam*/) {
    if (message == wm_close) destroy_window(window);
    return 0;
}

const Surface* window_surface(const Window* window) {
    const WindowRecord* record = record_of(window);
    return record ? &record->surface : nullptr;
}

}  // namespace gdi
