// Engineering-prefix formatting of values and the build-date stamp.
#pragma once

#include <cstddef>

// The build date as the compiler gives it ("Jul 27 1999"); fixed when the program is built.
// Tests may point it elsewhere.
extern const char* build_date;

// The build-date stamp "YYYY-MM-DD", rewritten by every date_stamp call.
extern char date_text[11];

// 10^exponent of a prefix letter (f p n u m, blank, k M G T E for -15..15 in steps of 3;
// "E" is 10^15); 1.0 for any character that is not a prefix letter.
double prefix_factor(char letter);

// The exponent of a prefix letter, 0 for a blank or any character that is not a prefix letter.
int prefix_exponent(char letter);

// Multiplies a magnitude by 1000 or by 0.001 until it lies in [0.1, 1000), rounding each
// product to a double, and returns it; `shift` receives the power of ten multiplied in (3 per
// step up, -3 per step down). Stops after max_shift_steps steps, which no finite positive
// magnitude needs (a double spans fewer than 650 powers of ten).
constexpr int max_shift_steps = 250;
double shift_to_mantissa(double magnitude, int& shift);

// The mantissa of `value` given in units of `unit_prefix`, in [0.1, 1000) in magnitude with the
// sign of the value, and in `out_prefix` the letter of its power of ten. An exponent without a
// letter (beyond -15..15) keeps the scaled mantissa and a blank letter. Zero, NaN and the
// infinities come back unchanged with a blank letter.
double scale_to_prefix(double value, char unit_prefix, char& out_prefix);

// The tick label text "%g%c" of the scaled value and its letter (a blank letter stays in the
// text), cut to `size` bytes with its terminator. Returns `text`.
char* format_tick_label(char* text, std::size_t size, double value, char unit_prefix);

// Writes the tick label of `value` at (x, y) in the colour, horizontally.
void draw_tick_label(int x, int y, double value, int colour, char unit_prefix);

// The caption of one grid division: "→ Ｘ： %g %c%c  / div" for axis 0 or "→ Ｙ： ..." for
// axis 1, with the scaled value, its letter and the unit letter, cut to `size` bytes with its
// terminator. Returns `text`; any other axis gives an empty text.
char* format_per_division(char* text, std::size_t size, double value, char unit_prefix,
                          char unit_letter, int axis);

// Writes the per-division caption at (x, y): the x caption (axis 0) horizontally, the y caption
// (axis 1) vertically upward. Any other axis writes nothing.
void draw_per_division(int x, int y, double value, int colour, char unit_prefix, char unit_letter,
                       int axis);

// Fills date_text with the build date as year-month-day and returns it. Whatever build_date
// holds, the stamp keeps its shape "YYYY-MM-DD": a missing or unknown month reads 01, a missing
// day or one outside 1..31 reads 01, and a year that is not four digits at its place reads
// 0000; the day is read from at most two digits and the year from its four characters, so
// anything after them is ignored. A null build_date counts as empty. Nothing beyond the build
// date's terminator is read.
const char* date_stamp();
