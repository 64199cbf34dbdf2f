// The program with its window in memory, painted COUNT times in one process through the real
// paint cycle: start-up as the program's own (palette, class, window, the first paint as it is
// shown), then every further paint is an invalidation that the message loop turns into a paint
// message for the window procedure, then the close request that ends the loop. Small enough to
// run under valgrind.
// usage: paint_loop_PROGRAM COUNT
// Prints the paints, the picture hash and the quit code; exits 0 when every paint gave the
// same picture, the message loop ended with code 0 and no object is left alive but the class
// brush.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "draw/paint_context.h"
#include "draw/palette.h"
#include "platform/objects.h"
#include "platform/surface.h"
#include "platform/window_system.h"
#include "shell/entry.h"

namespace {}  // namespace

int main(int argc, char** argv) {
    const int count = argc == 2 ? std::atoi(argv[1]) : 0;
    if (count < 1) {
        std::fprintf(stderr, "usage: %s COUNT\n", argv[0]);
        return 2;
    }
    gdi::set_window_backend(nullptr);
    init_palette();
    background_colour = palette[colour_white];
    if (register_main_class(nullptr) == 0 || open_main_window(nullptr, gdi::sw_showdefault) == 0) {
        std::fprintf(stderr, "%s: cannot create the in-memory window\n", argv[0]);
        return 1;
    }
    gdi::Window* window = main_window;
    const std::uint64_t first = gdi::surface_hash(*gdi::window_surface(window));

    int paints = 1;
    int differing = 0;
    gdi::Message message;
    for (int i = 1; i < count; ++i) {
        gdi::invalidate(window);
        if (!gdi::get_message(message)) break;
        if (message.message == gdi::wm_paint) ++paints;
        gdi::dispatch_message(message);
        if (gdi::surface_hash(*gdi::window_surface(window)) != first) ++differing;
    }

    // What the class brush is: the one object that lives as long as the class.
    const int live_while_open = gdi::object_table.live;
    gdi::post_message(window, gdi::wm_close, 0, 0);
    while (gdi::get_message(message)) {
        gdi::translate_message(message);
        gdi::dispatch_message(message);
    }
    const int quit_code = static_cast<int>(message.wparam);

    std::printf(
        "%s: %d paints, picture hash %016llx, %d differing, quit code %d, %d objects "
        "alive\n",
        argv[0], paints, static_cast<unsigned long long>(first), differing, quit_code,
        live_while_open);
    const bool ok = paints == count && differing == 0 && quit_code == 0 && live_while_open == 1;
    return ok ? 0 : 1;
}
