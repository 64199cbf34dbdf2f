// The bell, the error reports of graph set-up and the numbered text menu on the console.
#include "diag/console.h"

#include <cstring>

#include "diag/console_text.h"
#include "diag/error_messages.h"
#include "diag/key_wait.h"

namespace {

constexpr char bell = 7;
constexpr int bells_before_report = 3;
constexpr int report_size = 64;  // the longest message is 34 bytes

constexpr int menu_blank_lines = 25;
constexpr int menu_line_size = 128;  // six blanks, a number and a 52-byte item fit
const char menu_end_item[] = "0. 終了";
const char menu_prompt[] = "\n      番号を選んでください ---> ";

std::FILE* output_stream() {
    return console_out != nullptr ? console_out : stdout;
}
std::FILE* error_stream() {
    return console_err != nullptr ? console_err : stderr;
}
std::FILE* input_stream() {
    return console_in != nullptr ? console_in : stdin;
}

// The length of a menu text: up to its terminator, or the whole field where it has none.
int item_length(const char* item) {
    return static_cast<int>(strnlen(item, menu_item_size));
}

// Discards the rest of the input line.
void skip_line(std::FILE* in) {
    int c = 0;
    do {
        c = std::fgetc(in);
    } while (c != '\n' && c != EOF);
}

}  // namespace

// Null: the process's standard streams (and the controlling terminal for menu_out). Nothing
// in the programs writes them; tests point them at files.
std::FILE* console_out;
std::FILE* console_err;
std::FILE* console_in;
std::FILE* menu_out;

void ring_bell() {
    std::FILE* err = error_stream();
    std::fputc(bell, err);
    std::fflush(err);
}

void report_error(int code) {
    const char* message = error_message(code);
    if (message == nullptr) return;
    char text[report_size];
    std::snprintf(text, sizeof text, "\n%s\n\n", message);
    for (int i = 0; i < bells_before_report; ++i) ring_bell();
    std::FILE* out = output_stream();
    write_console_text(out, text);
    write_console_text(out, "Push any key !");
    // The prompt has no line end: flush it so it shows before the wait.
    std::fflush(out);
    wait_for_key(input_stream());
}

int text_menu(const char (*items)[menu_item_size], int count) {
    if (count < 0) count = 0;
    std::FILE* terminal = menu_out == nullptr ? std::fopen("/dev/tty", "w") : nullptr;
    std::FILE* out = menu_out != nullptr ? menu_out : terminal != nullptr ? terminal : stdout;
    std::FILE* in = input_stream();
    char line[menu_line_size];

    // The blank lines push earlier console text out of view.
    for (int i = 0; i < menu_blank_lines; ++i) write_console_text(out, "    \n");
    std::snprintf(line, sizeof line, "      %.*s\n\n", item_length(items[0]), items[0]);
    write_console_text(out, line);
    for (int i = 1; i <= count; ++i) {
        std::snprintf(line, sizeof line, "   %1d. %.*s\n", i, item_length(items[i]), items[i]);
        write_console_text(out, line);
    }
    std::snprintf(line, sizeof line, "   %s\n", menu_end_item);
    write_console_text(out, line);
    write_console_text(out, menu_prompt);
    std::fflush(out);

    int number = 0;
    for (;;) {
        const int read = std::fscanf(in, "%2d", &number);
        if (read == EOF) {
            number = 0;
            break;
        }
        if (read == 0) {
            skip_line(in);
            write_console_text(out, menu_prompt);
            std::fflush(out);
            continue;
        }
        if (number >= 0 && number <= count) break;
    }
    if (terminal != nullptr) std::fclose(terminal);
    return number;
}
