#include "shell/snapshot.h"

#include <cstdio>
#include <string>

#include "draw/paint_context.h"
#include "draw/palette.h"
#include "platform/surface.h"
#include "platform/window_system.h"
#include "shell/entry.h"

int snapshot_entry(const char* program_name, const char* path) {
    // The same start-up as the window's, with the windows kept in memory: showing the window
    // paints it once.
    gdi::set_window_backend(nullptr);
    init_palette();
    background_colour = palette[colour_white];
    if (register_main_class(nullptr) == 0 || open_main_window(nullptr, gdi::sw_showdefault) == 0) {
        std::fprintf(stderr, "%s: cannot create the in-memory window\n", program_name);
        return 1;
    }
    const gdi::Surface* surface = gdi::window_surface(main_window);
    std::string error;
    if (!surface || !gdi::write_png(*surface, path, &error)) {
        std::fprintf(stderr, "%s: cannot write the snapshot %s: %s\n", program_name, path,
                     error.c_str());
        return 1;
    }
    return 0;
}
