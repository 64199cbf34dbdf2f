#include "shell/entry.h"

#include "bias/bias_run.h"
#include "draw/paint_context.h"
#include "draw/palette.h"

int window_width = 640;
int window_height = 480;

const char* const main_window_title = "Ostrevan";

bool main_window_was_opened = false;

int gui_entry(InstanceHandle instance, InstanceHandle previous, const char* /*command_line*/,
              int show_command) {
    init_palette();
    background_colour = palette[colour_white];
    if (previous == nullptr && register_main_class(instance) == 0) return 0;
    if (open_main_window(instance, show_command) == 0) return 0;
    gdi::Message message;
    while (gdi::get_message(message)) {
        gdi::translate_message(message);
        gdi::dispatch_message(message);
    }
    return static_cast<int>(message.wparam);
}

std::uint16_t register_main_class(InstanceHandle /*instance*/) {
    gdi::WindowClass window_class;
    window_class.style = 0;
    window_class.procedure = main_window_proc;
    window_class.class_extra = 0;
    window_class.window_extra = 0;
    window_class.icon = gdi::load_icon(gdi::idi_application);
    window_class.cursor = gdi::load_cursor(gdi::idc_arrow);
    // The class brush lives as long as the class: it is never deleted.
    window_class.background = gdi::create_solid_brush(background_colour);
    window_class.menu_name = nullptr;
    window_class.class_name = main_window_title;
    return gdi::register_class(window_class);
}

int open_main_window(InstanceHandle /*instance*/, int /*show_command*/) {
    main_window = gdi::create_window(main_window_title, main_window_title, 0, 0, window_width,
                                     window_height);
    if (main_window == nullptr) return 0;
    main_window_was_opened = true;
    gdi::set_window_pos_topmost(main_window);
    // The window always opens in the default show state, whatever the entry point was given.
    gdi::show_window(main_window, gdi::sw_showdefault);
    gdi::update_window(main_window);
    return 1;
}

std::intptr_t main_window_proc(gdi::Window* window, unsigned message, std::uintptr_t wparam,
                               std::intptr_t lparam) {
    switch (message) {
        case gdi::wm_paint: {
            gdi::PaintInfo paint;
            paint_dc = gdi::begin_paint(window, paint);
            bias_run();
            gdi::end_paint(window, paint);
            paint_dc = nullptr;
            return 0;
        }
        case gdi::wm_close:
            gdi::destroy_window(window);
            if (window == main_window) main_window = nullptr;
            gdi::post_quit_message(0);
            return 0;
        default:
            return gdi::def_window_proc(window, message, wparam, lparam);
    }
}
