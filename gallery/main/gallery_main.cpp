// The gallery's command line: no arguments opens the window, which shows one example at a
// time (any key or click shows the next); --out DIR writes every example's picture and an
// index page into DIR without a display; --help prints the usage.
#include <cstdio>
#include <cstring>
#include <string>

#include "gallery/gallery_window.h"
#include "platform/sdl/sdl_backend.h"

namespace {

const char* const program_name = "graph_gallery";

void print_usage(FILE* stream) {
    std::fprintf(stream,
                 "usage: %s              open the window; any key or click shows the next "
                 "example\n"
                 "       %s --out DIR    write every example as DIR/NAME.png and the page "
                 "DIR/index.html\n"
                 "       %s --help       show this text\n",
                 program_name, program_name, program_name);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        print_usage(stdout);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--out") == 0) {
        std::string error;
        if (!write_gallery(argv[2], &error)) {
            std::fprintf(stderr, "%s: %s\n", program_name, error.c_str());
            return 1;
        }
        return 0;
    }
    if (argc != 1) {
        print_usage(stderr);
        return 2;
    }
    std::string error;
    if (!gdi::start_sdl_backend(gallery_window_title, &error)) {
        std::fprintf(stderr,
                     "%s: cannot open a window (%s).\n"
                     "To write the pictures without a display, run: %s --out DIR\n",
                     program_name, error.c_str(), program_name);
        return 1;
    }
    int code = gallery_entry();
    if (code == 1) {
        std::fprintf(stderr,
                     "%s: cannot open a window.\n"
                     "To write the pictures without a display, run: %s --out DIR\n",
                     program_name, program_name);
    }
    gdi::stop_sdl_backend();
    return code;
}
