// The gallery's window: the window class, the window procedure that paints one example per
// paint and moves on at a key or click, and the message loop.
#include "gallery/gallery_window.h"

#include "draw/paint_context.h"
#include "draw/palette.h"
#include "gallery/examples.h"

const char* const gallery_window_title = "graph_gallery";

// Written by gallery_window_proc (the next example) and write_gallery (each in turn).
int shown_example = 0;

namespace {

// The class is registered once per process; a second registration of the name would fail.
bool class_registered = false;

bool register_gallery_class() {
    if (class_registered) return true;
    gdi::WindowClass window_class;
    window_class.procedure = gallery_window_proc;
    window_class.icon = gdi::load_icon(gdi::idi_application);
    window_class.cursor = gdi::load_cursor(gdi::idc_arrow);
    // The class brush lives as long as the class: it is never deleted.
    window_class.background = gdi::create_solid_brush(background_colour);
    window_class.class_name = gallery_window_title;
    class_registered = gdi::register_class(window_class) != 0;
    return class_registered;
}

void show_next_example(gdi::Window* window) {
    shown_example = (shown_example + 1) % gallery_example_count;
    gdi::invalidate(window);
}

}  // namespace

gdi::Window* open_gallery_window() {
    init_palette();
    background_colour = palette[colour_white];
    if (!register_gallery_class()) return nullptr;
    main_window = gdi::create_window(gallery_window_title, gallery_window_title, 0, 0,
                                     gallery_window_width, gallery_window_height);
    if (main_window == nullptr) return nullptr;
    gdi::set_window_pos_topmost(main_window);
    gdi::show_window(main_window, gdi::sw_showdefault);
    return main_window;
}

int gallery_entry() {
    if (open_gallery_window() == nullptr) return 1;
    gdi::update_window(main_window);
    gdi::Message message;
    while (gdi::get_message(message)) {
        gdi::translate_message(message);
        gdi::dispatch_message(message);
    }
    return static_cast<int>(message.wparam);
}

std::intptr_t gallery_window_proc(gdi::Window* window, unsigned message, std::uintptr_t wparam,
                                  std::intptr_t lparam) {
    switch (message) {
        case gdi::wm_paint: {
            gdi::PaintInfo paint;
            paint_dc = gdi::begin_paint(window, paint);
            if (shown_example < 0 || shown_example >= gallery_example_count) shown_example = 0;
            gallery_examples[shown_example].run();
            gdi::end_paint(window, paint);
            paint_dc = nullptr;
            return 0;
        }
        case gdi::wm_keydown:
            if ((lparam & gdi::key_repeat_flag) == 0) show_next_example(window);
            return 0;
        case gdi::wm_lbuttondown:
        case gdi::wm_rbuttondown:
            show_next_example(window);
            return 0;
        case gdi::wm_close:
            gdi::destroy_window(window);
            if (window == main_window) main_window = nullptr;
            gdi::post_quit_message(0);
            return 0;
        default:
            return gdi::def_window_proc(window, message, wparam, lparam);
    }
}
