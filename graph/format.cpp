// Engineering-prefix formatting of values (a mantissa in [0.1, 1000) and one prefix letter per
// power of 1000) and the build-date stamp written beside every graph.
#include "graph/format.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "draw/text.h"

namespace {

struct Prefix {
    char letter;
    int exponent;
    double factor;
};

// The prefix letters, smallest first.
constexpr Prefix prefixes[] = {
    {'f', -15, 1e-15},  // femto
    {'p', -12, 1e-12},  // pico
    {'n', -9, 1e-9},    // nano
    {'u', -6, 1e-6},    // micro
    {'m', -3, 1e-3},    // milli
    {' ', 0, 1.0},      // no prefix
    {'k', 3, 1e3},      // kilo
    {'M', 6, 1e6},      // mega
    {'G', 9, 1e9},      // giga
    {'T', 12, 1e12},    // tera
    {'E', 15, 1e15},    // the letter of 10^15 on these graphs
};

const Prefix* find_prefix(char letter) {
    for (const Prefix& prefix : prefixes) {
        if (prefix.letter == letter) return &prefix;
    }
    return nullptr;
}

// The letter of an exponent, blank where no letter exists.
char letter_of(int exponent) {
    for (const Prefix& prefix : prefixes) {
        if (prefix.exponent == exponent) return prefix.letter;
    }
    return ' ';
}

// Month names of the build date, name i at character 3i.
constexpr char month_names[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
constexpr int month_count = 12;

// Places in the build date "Mmm dd yyyy".
constexpr std::size_t day_place = 4;
constexpr std::size_t year_place = 7;
constexpr std::size_t year_digits = 4;
// Longer than any build date; bounds the search for its terminator.
constexpr std::size_t build_date_limit = 32;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

// Rewritten by date_stamp, that is, whenever a graph frame is drawn.
char date_text[11];

double prefix_factor(char letter) {
    const Prefix* prefix = find_prefix(letter);
    return prefix != nullptr ? prefix->factor : 1.0;
}

int prefix_exponent(char letter) {
    const Prefix* prefix = find_prefix(letter);
    return prefix != nullptr ? prefix->exponent : 0;
}

double shift_to_mantissa(double magnitude, int& shift) {
    shift = 0;
    // 0.1 itself is in range: 0.0001 becomes 0.1 milli, not 100 micro.
    for (int step = 0; step < max_shift_steps && !(magnitude >= 0.1 && magnitude < 1000); ++step) {
        if (magnitude < 0.1) {
            magnitude *= 1000;
            shift += 3;
        } else {
            magnitude *= 0.001;
            shift -= 3;
        }
    }
    return magnitude;
}

double scale_to_prefix(double value, char unit_prefix, char& out_prefix) {
    out_prefix = ' ';
    // An infinity has no mantissa; like zero and NaN it is handed back as it came.
    if (value == 0 || std::isnan(value) || std::isinf(value)) return value;
    const double sign = value < 0 ? -1.0 : 1.0;
    int shift = 0;
    const double mantissa = shift_to_mantissa(sign * value, shift);
    out_prefix = letter_of(prefix_exponent(unit_prefix) - shift);
    return sign * mantissa;
}

char* format_tick_label(char* text, std::size_t size, double value, char unit_prefix) {
    char letter = ' ';
    const double mantissa = scale_to_prefix(value, unit_prefix, letter);
    // A mantissa in [0.1, 1000) never turns %g to exponent notation.
    std::snprintf(text, size, "%g%c", mantissa, letter);
    return text;
}

void draw_tick_label(int x, int y, double value, int colour, char unit_prefix) {
    char text[32];
    format_tick_label(text, sizeof text, value, unit_prefix);
    draw_text(x, y, text, colour, text_horizontal);
}

char* format_per_division(char* text, std::size_t size, double value, char unit_prefix,
                          char unit_letter, int axis) {
    if (size == 0) return text;
    text[0] = '\0';
    if (axis != 0 && axis != 1) return text;
    char letter = ' ';
    const double mantissa = scale_to_prefix(value, unit_prefix, letter);
    const char* format = axis == 0 ? "→ Ｘ： %g %c%c%s" : "→ Ｙ： %g %c%c%s";
    std::snprintf(text, size, format, mantissa, letter, unit_letter, "  / div");
    return text;
}

void draw_per_division(int x, int y, double value, int colour, char unit_prefix, char unit_letter,
                       int axis) {
    if (axis != 0 && axis != 1) return;
    char text[64];
    format_per_division(text, sizeof text, value, unit_prefix, unit_letter, axis);
    draw_text(x, y, text, colour, axis == 0 ? text_horizontal : text_vertical);
}

const char* date_stamp() {
    const char* date = build_date != nullptr ? build_date : "";
    const std::size_t length = strnlen(date, build_date_limit);

    int month = 1;
    if (length >= 3) {
        for (int i = 0; i < month_count; ++i) {
            if (std::strncmp(date, month_names + 3 * i, 3) == 0) {
                month = i + 1;
                break;
            }
        }
    }

    // The day takes two characters, a blank before a one-digit day.
    std::size_t place = day_place;
    while (place < length && date[place] == ' ') ++place;
    int day = 0;
    for (int digits = 0; digits < 2 && place < length && is_digit(date[place]); ++digits) {
        day = day * 10 + (date[place] - '0');
        ++place;
    }
    if (day < 1 || day > 31) day = 1;

    char year[year_digits + 1] = "0000";
    bool year_found = length >= year_place + year_digits;
    for (std::size_t i = 0; year_found && i < year_digits; ++i) {
        year_found = is_digit(date[year_place + i]);
    }
    if (year_found) std::memcpy(year, date + year_place, year_digits);

    std::snprintf(date_text, sizeof date_text, "%s-%02d-%02d", year, month, day);
    return date_text;
}
