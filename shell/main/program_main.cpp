// The program's command line: no arguments opens the window; --snapshot FILE.png draws the
// picture once without a display and writes it; --help prints the usage.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/sdl/sdl_backend.h"
#include "platform/window_system.h"
#include "shell/entry.h"
#include "shell/snapshot.h"

#ifndef LUNKARO_PROGRAM_NAME
#error "LUNKARO_PROGRAM_NAME names the program"
#endif

namespace {

const char* const program_name = LUNKARO_PROGRAM_NAME;

void print_usage(FILE* stream) {
    std::fprintf(stream,
                 "usage: %s              open the window and draw the graphical solution\n"
                 "       %s --snapshot FILE.png\n"
                 "                         draw the picture once without a display and write it "
                 "as a PNG\n"
                 "       %s --help       show this text\n",
                 program_name, program_name, program_name);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        print_usage(stdout);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--snapshot") == 0) {
        return snapshot_entry(program_name, argv[2]);
    }
    if (argc != 1) {
        print_usage(stderr);
        return 2;
    }
    std::string error;
    if (!gdi::start_sdl_backend(main_window_title, &error)) {
        std::fprintf(stderr,
                     "%s: cannot open a window (%s).\n"
                     "To draw the picture without a display, run: %s --snapshot FILE.png\n",
                     program_name, error.c_str(), program_name);
        return 1;
    }
    int code = gui_entry(nullptr, nullptr, "", gdi::sw_showdefault);
    if (code == 0 && !main_window_was_opened) {
        std::fprintf(stderr,
                     "%s: cannot open a window.\n"
                     "To draw the picture without a display, run: %s --snapshot FILE.png\n",
                     program_name, program_name);
        code = 1;
    }
    gdi::stop_sdl_backend();
    return code;
}
