#include "platform/sdl/sdl_backend.h"

#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <type_traits>
#include <vector>

#include "platform/window_system.h"

namespace gdi {
namespace {

// The SDL library as loaded, and its functions. The library is loaded when the backend starts,
// not when the program starts: a program that never opens a window (the snapshot mode) does
// not load SDL and the many libraries it needs, whose loading took most of such a program's
// start-up. Each function is called through a pointer of the type of SDL's own declaration.
struct SdlLibrary {
    void* handle = nullptr;
    decltype(&::SDL_GetWindowID) get_window_id = nullptr;
    decltype(&::SDL_CreateWindow) create_window = nullptr;
    decltype(&::SDL_CreateRenderer) create_renderer = nullptr;
    decltype(&::SDL_DestroyWindow) destroy_window = nullptr;
    decltype(&::SDL_SetWindowAlwaysOnTop) set_window_always_on_top = nullptr;
    decltype(&::SDL_ShowWindow) show_window = nullptr;
    decltype(&::SDL_GetWindowBordersSize) get_window_borders_size = nullptr;
    decltype(&::SDL_SetWindowSize) set_window_size = nullptr;
    decltype(&::SDL_DestroyTexture) destroy_texture = nullptr;
    decltype(&::SDL_CreateTexture) create_texture = nullptr;
    decltype(&::SDL_UpdateTexture) update_texture = nullptr;
    decltype(&::SDL_RenderCopy) render_copy = nullptr;
    decltype(&::SDL_RenderPresent) render_present = nullptr;
    decltype(&::SDL_WaitEvent) wait_event = nullptr;
    decltype(&::SDL_DestroyRenderer) destroy_renderer = nullptr;
    decltype(&::SDL_SetHint) set_hint = nullptr;
    decltype(&::SDL_Init) init = nullptr;
    decltype(&::SDL_GetError) get_error = nullptr;
    decltype(&::SDL_Quit) quit = nullptr;
};

SdlLibrary sdl;

// The shared library's name as the SDL 2 packages install it.
constexpr const char* sdl_library_names[] = {"libSDL2-2.0.so.0", "libSDL2.so"};

// Loads SDL and looks up every function the backend calls; false, with the reason, when the
// library or one of its functions is missing.
bool load_sdl(std::string* error) {
    if (sdl.handle != nullptr) return true;
    void* handle = nullptr;
    for (const char* name : sdl_library_names) {
        handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
        if (handle != nullptr) break;
    }
    if (handle == nullptr) {
        const char* reason = dlerror();
        if (error) *error = std::string("cannot load SDL 2: ") + (reason ? reason : "not found");
        return false;
    }
    SdlLibrary loaded;
    loaded.handle = handle;
    bool complete = true;
    auto find = [&](auto& function, const char* name) {
        using Function = std::remove_reference_t<decltype(function)>;
        function = reinterpret_cast<Function>(dlsym(handle, name));
        if (function == nullptr && complete) {
            complete = false;
            if (error) *error = std::string("SDL 2 has no ") + name;
        }
    };
    find(loaded.get_window_id, "SDL_GetWindowID");
    find(loaded.create_window, "SDL_CreateWindow");
    find(loaded.create_renderer, "SDL_CreateRenderer");
    find(loaded.destroy_window, "SDL_DestroyWindow");
    find(loaded.set_window_always_on_top, "SDL_SetWindowAlwaysOnTop");
    find(loaded.show_window, "SDL_ShowWindow");
    find(loaded.get_window_borders_size, "SDL_GetWindowBordersSize");
    find(loaded.set_window_size, "SDL_SetWindowSize");
    find(loaded.destroy_texture, "SDL_DestroyTexture");
    find(loaded.create_texture, "SDL_CreateTexture");
    find(loaded.update_texture, "SDL_UpdateTexture");
    find(loaded.render_copy, "SDL_RenderCopy");
    find(loaded.render_present, "SDL_RenderPresent");
    find(loaded.wait_event, "SDL_WaitEvent");
    find(loaded.destroy_renderer, "SDL_DestroyRenderer");
    find(loaded.set_hint, "SDL_SetHint");
    find(loaded.init, "SDL_Init");
    find(loaded.get_error, "SDL_GetError");
    find(loaded.quit, "SDL_Quit");
    if (!complete) {
        dlclose(handle);
        return false;
    }
    sdl = loaded;
    return true;
}

struct NativeWindow {
    Window* window = nullptr;
    SDL_Window* sdl_window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int texture_width = 0;
    int texture_height = 0;
};

std::vector<NativeWindow*> native_windows;

NativeWindow* native_of(const Window& window) {
    return static_cast<NativeWindow*>(window.native);
}

NativeWindow* native_by_id(Uint32 id) {
    for (NativeWindow* native : native_windows) {
        if (sdl.get_window_id(native->sdl_window) == id) return native;
    }
    return nullptr;
}

bool open_window(Window& window, const char* title, int x, int y, int outer_width,
                 int outer_height) {
    auto* native = new NativeWindow;
    native->window = &window;
    // SDL sizes the client area; start from the classic client size of the outer size and
    // correct it below once the window manager has told the frame's size.
    native->sdl_window =
        sdl.create_window(title, x, y, window.client_width, window.client_height,
                          SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALWAYS_ON_TOP);
    if (!native->sdl_window) {
        delete native;
        return false;
    }
    // The software renderer copies the surface exactly, pixel for pixel.
    native->renderer = sdl.create_renderer(native->sdl_window, -1, SDL_RENDERER_SOFTWARE);
    if (!native->renderer) {
        sdl.destroy_window(native->sdl_window);
        delete native;
        return false;
    }
    (void)outer_width;
    (void)outer_height;
    window.native = native;
    native_windows.push_back(native);
    return true;
}

void set_topmost(Window& window) {
    if (NativeWindow* native = native_of(window)) {
        sdl.set_window_always_on_top(native->sdl_window, SDL_TRUE);
    }
}

void show(Window& window) {
    NativeWindow* native = native_of(window);
    if (!native) return;
    sdl.show_window(native->sdl_window);
    // Where the window manager reports its frame, make the outer size 640 x 480 as asked;
    // otherwise the classic client size stands.
    int top = 0, left = 0, bottom = 0, right = 0;
    if (sdl.get_window_borders_size(native->sdl_window, &top, &left, &bottom, &right) == 0 &&
        top + bottom + left + right > 0) {
        int width = window.client_width + 2 * classic_frame - left - right;
        int height = window.client_height + classic_caption + 2 * classic_frame - top - bottom;
        if (width > 0 && height > 0) {
            sdl.set_window_size(native->sdl_window, width, height);
            resize_client(&window, width, height);
        }
    }
}

void present(Window& window) {
    NativeWindow* native = native_of(window);
    const Surface* surface = window_surface(&window);
    if (!native || !surface || surface->width <= 0 || surface->height <= 0) return;
    if (!native->texture || native->texture_width != surface->width ||
        native->texture_height != surface->height) {
        if (native->texture) sdl.destroy_texture(native->texture);
        native->texture =
            sdl.create_texture(native->renderer, SDL_PIXELFORMAT_RGB888,
                               SDL_TEXTUREACCESS_STREAMING, surface->width, surface->height);
        native->texture_width = surface->width;
        native->texture_height = surface->height;
    }
    if (!native->texture) return;
    sdl.update_texture(native->texture, nullptr, surface->pixels.data(),
                       surface->width * static_cast<int>(sizeof(Colour)));
    SDL_Rect place{0, 0, surface->width, surface->height};
    sdl.render_copy(native->renderer, native->texture, nullptr, &place);
    sdl.render_present(native->renderer);
}

bool wait_event() {
    SDL_Event event;
    if (!sdl.wait_event(&event)) return false;
    if (event.type == SDL_QUIT) {
        // An interrupt or the session ending: close every window as a close click would.
        for (NativeWindow* native : native_windows) {
            post_message(native->window, wm_close, 0, 0);
        }
        return true;
    }
    if (event.type == SDL_KEYDOWN) {
        if (NativeWindow* native = native_by_id(event.key.windowID)) {
            std::intptr_t repeat = event.key.repeat ? key_repeat_flag : 0;
            post_message(native->window, wm_keydown,
                         static_cast<std::uintptr_t>(event.key.keysym.sym), repeat);
        }
        return true;
    }
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        NativeWindow* native = native_by_id(event.button.windowID);
        unsigned message = event.button.button == SDL_BUTTON_LEFT    ? wm_lbuttondown
                           : event.button.button == SDL_BUTTON_RIGHT ? wm_rbuttondown
                                                                     : 0;
        if (native && message != 0) {
            std::intptr_t position = (static_cast<std::intptr_t>(event.button.y & 0xffff) << 16) |
                                     (event.button.x & 0xffff);
            post_message(native->window, message, 0, position);
        }
        return true;
    }
    if (event.type != SDL_WINDOWEVENT) return true;
    NativeWindow* native = native_by_id(event.window.windowID);
    if (!native) return true;
    switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            post_message(native->window, wm_close, 0, 0);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            resize_client(native->window, event.window.data1, event.window.data2);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
            invalidate(native->window);
            break;
        default:
            break;
    }
    return true;
}

void close_window(Window& window) {
    NativeWindow* native = native_of(window);
    if (!native) return;
    native_windows.erase(std::remove(native_windows.begin(), native_windows.end(), native),
                         native_windows.end());
    if (native->texture) sdl.destroy_texture(native->texture);
    sdl.destroy_renderer(native->renderer);
    sdl.destroy_window(native->sdl_window);
    delete native;
    window.native = nullptr;
}

const WindowBackend sdl_backend = {open_window, set_topmost, show,
                                   present,     wait_event,  close_window};

}  // namespace

bool start_sdl_backend(const char* window_class_name, std::string* error) {
    if (!load_sdl(error)) return false;
    // The class name of the window for the window manager (WM_CLASS on X11).
    if (window_class_name) setenv("SDL_VIDEO_X11_WMCLASS", window_class_name, 0);
    sdl.set_hint(SDL_HINT_RENDER_VSYNC, "0");
    sdl.set_hint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    if (sdl.init(SDL_INIT_VIDEO) != 0) {
        if (error) *error = sdl.get_error();
        return false;
    }
    set_window_backend(&sdl_backend);
    return true;
}

void stop_sdl_backend() {
    set_window_backend(nullptr);
    sdl.quit();
}

}  // namespace gdi
