// The wait for one key press. Only a terminal is waited on: without a console (standard input
// a pipe, a file or /dev/null) the programs must never stop.
#include "diag/key_wait.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>

void wait_for_key(std::FILE* input) {
    if (input == nullptr) return;
    const int fd = fileno(input);
    if (fd < 0 || isatty(fd) == 0) return;
    termios saved{};
    if (tcgetattr(fd, &saved) != 0) return;
    termios raw = saved;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &raw) == 0) {
        char key = 0;
        ssize_t got = 0;
        do {
            got = read(fd, &key, 1);
        } while (got < 0 && errno == EINTR);
    }
    // Restored whatever the read gave, and also after a partly applied change.
    tcsetattr(fd, TCSANOW, &saved);
}
