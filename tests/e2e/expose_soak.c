/* Sends a window COUNT expose events, one at a time, each after the paint of the one before:
 * the program rings one bell on its error stream at the end of every paint, so the bells in
 * BELL_FILE (the program's standard error) count the paints. Exits 0 when every expose event
 * was answered by exactly one paint.
 * usage: expose_soak WINDOW_ID COUNT BELL_FILE */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

/* How long one paint may take to answer its expose event. */
#define ANSWER_TIMEOUT_MS 10000

/* The bells in the file so far. */
static long count_bells(const char* path) {
    FILE* file = fopen(path, "rb");
    long bells = 0;
    int c;
    if (!file) return -1;
    while ((c = fgetc(file)) != EOF) bells += c == '\a';
    fclose(file);
    return bells;
}

static void sleep_ms(long ms) {
    struct timespec pause = {ms / 1000, (ms % 1000) * 1000000L};
    nanosleep(&pause, NULL);
}

int main(int argc, char** argv) {
    Display* display;
    Window window;
    long count, sent, bells, answered = 0, unanswered = 0;
    XWindowAttributes attributes;
    if (argc != 4) {
        fprintf(stderr, "usage: expose_soak WINDOW_ID COUNT BELL_FILE\n");
        return 2;
    }
    display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "expose_soak: cannot open the display\n");
        return 1;
    }
    window = (Window)strtoul(argv[1], NULL, 0);
    count = strtol(argv[2], NULL, 10);
    if (!XGetWindowAttributes(display, window, &attributes)) {
        fprintf(stderr, "expose_soak: no window %s\n", argv[1]);
        return 1;
    }
    bells = count_bells(argv[3]);
    for (sent = 0; sent < count; ++sent) {
        XEvent event;
        long waited = 0, now = bells;
        memset(&event, 0, sizeof event);
        event.xexpose.type = Expose;
        event.xexpose.display = display;
        event.xexpose.window = window;
        event.xexpose.x = 0;
        event.xexpose.y = 0;
        event.xexpose.width = attributes.width;
        event.xexpose.height = attributes.height;
        event.xexpose.count = 0;
        XSendEvent(display, window, False, ExposureMask, &event);
        XFlush(display);
        while ((now = count_bells(argv[3])) == bells && waited < ANSWER_TIMEOUT_MS) {
            sleep_ms(1);
            ++waited;
        }
        if (now == bells) {
            ++unanswered;
            break;
        }
        answered += now - bells;
        bells = now;
    }
    XCloseDisplay(display);
    printf("expose_soak: %ld expose events sent, %ld paints, %ld unanswered\n", sent, answered,
           unanswered);
    return sent == count && answered == count && unanswered == 0 ? 0 : 1;
}
