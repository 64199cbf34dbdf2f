// Console diagnostics: the bell, the error reports of graph set-up, a numbered text menu.
#pragma once

#include <cstdio>

constexpr int menu_item_size = 53;

// The streams of the console diagnostics. Null (the default) stands for the process's own
// stream: console_out for standard output, console_err for standard error, console_in for
// standard input, menu_out for the controlling terminal (/dev/tty), or standard output where
// the process has none. Nothing in the programs sets them; tests point them at files.
extern std::FILE* console_out;
extern std::FILE* console_err;
extern std::FILE* console_in;
extern std::FILE* menu_out;

// Writes the bell character (7) to the error stream and flushes it.
void ring_bell();

// Reports a frame check code 1..5: three bells on the error stream, then an empty line, the
// code's message, an empty line and "Push any key !" on the output stream, then waits for one
// key on the input stream (see wait_for_key). The messages are Shift-JIS and reach the console
// in the encoding of the user's locale. A code outside 1..5 is not a failure the frame check
// can give: it is ignored, with nothing written and no wait.
void report_error(int code);

// Shows the menu (items[0] the title, items[1..count] the choices; each text ends at its
// terminator or at the end of its field) after 25 blank lines, with "0. 終了" and the prompt,
// and reads a number of at most two digits from the input stream, again while it is below 0 or
// above count. Input that is not a number is discarded up to the end of its line and the prompt
// is shown again. Returns the number, or 0 (end) at the end of the input. A negative count
// counts as 0.
int text_menu(const char (*items)[menu_item_size], int count);
