#include "platform/sdl/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/window_system.h"

namespace gdi {
namespace {

struct NativeWindow {
    Window* window = nullptr;
    SDL_Window* sdl_window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int texture_width = 0;
    int texture_height = 0;
};

std::vector<NativeWindow*> native_windows;

NativeWindow* native_of(const Window& window) { return static_cast<NativeWindow*>(window.native); }

NativeWindow* native_by_id(Uint32 id) {
    for (NativeWindow* native : native_windows) {
        if (SDL_GetWindowID(native->sdl_window) == id) return native;
    }
    return nullptr;
}

bool open_window(Window& window, const char* title, int x, int y, int outer_width,
                 int outer_height) {
    auto* native = new NativeWindow;
    native->window = &window;
    // SDL sizes the client area; start from the classic client size of the outer size and
    // correct it below once the window manager has told the frame's size.
    native->sdl_window = SDL_CreateWindow(
        title, x, y, window.client_width, window.client_height,
        SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALWAYS_ON_TOP);
    if (!native->sdl_window) {
        delete native;
        return false;
    }
    // The software renderer copies the surface exactly, pixel for pixel.
    native->renderer = SDL_CreateRenderer(native->sdl_window, -1, SDL_RENDERER_SOFTWARE);
    if (!native->renderer) {
        SDL_DestroyWindow(native->sdl_window);
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
        SDL_SetWindowAlwaysOnTop(native->sdl_window, SDL_TRUE);
    }
}

void show(Window& window) {
    NativeWindow* native = native_of(window);
    if (!native) return;
    SDL_ShowWindow(native->sdl_window);
    // Where the window manager reports its frame, make the outer size 640 x 480 as asked;
    // otherwise the classic client size stands.
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(native->sdl_window, &top, &left, &bottom, &right) == 0 &&
        top + bottom + left + right > 0) {
        int width = window.client_width + 2 * classic_frame - left - right;
        int height = window.client_height + classic_caption + 2 * classic_frame - top - bottom;
        if (width > 0 && height > 0) {
            SDL_SetWindowSize(native->sdl_window, width, height);
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
        if (native->texture) SDL_DestroyTexture(native->texture);
        native->texture = SDL_CreateTexture(native->renderer, SDL_PIXELFORMAT_RGB888,
                                            SDL_TEXTUREACCESS_STREAMING, surface->width,
                                            surface->height);
        native->texture_width = surface->width;
        native->texture_height = surface->height;
    }
    if (!native->texture) return;
    SDL_UpdateTexture(native->texture, nullptr, surface->pixels.data(),
                      surface->width * static_cast<int>(sizeof(Colour)));
    SDL_Rect place{0, 0, surface->width, surface->height};
    SDL_RenderCopy(native->renderer, native->texture, nullptr, &place);
    SDL_RenderPresent(native->renderer);
}

bool wait_event() {
    SDL_Event event;
    if (!SDL_WaitEvent(&event)) return false;
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
            std::intptr_t position =
                (static_cast<std::intptr_t>(event.button.y & 0xffff) << 16) |
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
    if (native->texture) SDL_DestroyTexture(native->texture);
    SDL_DestroyRenderer(native->renderer);
    SDL_DestroyWindow(native->sdl_window);
    delete native;
    window.native = nullptr;
}

const WindowBackend sdl_backend = {open_window, set_topmost, show, present, wait_event,
                                   close_window};

}  // namespace

bool start_sdl_backend(const char* window_class_name, std::string* error) {
    // The class name of the window for the window manager (WM_CLASS on X11).
    if (window_class_name) setenv("SDL_VIDEO_X11_WMCLASS", window_class_name, 0);
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        if (error) *error = SDL_GetError();
        return false;
    }
    set_window_backend(&sdl_backend);
    return true;
}

void stop_sdl_backend() {
    set_window_backend(nullptr);
    SDL_Quit();
}

}  // namespace gdi
