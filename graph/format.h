// Engineering-prefix formatting of values and the build-date stamp.
#pragma once

// The build date as the compiler gives it ("Jul 27 1999"); fixed when the program is built.
// Tests may point it elsewhere.
extern const char* build_date;

// The build-date stamp "YYYY-MM-DD", rewritten by every date_stamp call.
extern char date_text[11];

double prefix_factor(char letter);
double scale_to_prefix(double value, char unit_prefix, char& out_prefix);
void draw_tick_label(int x, int y, double value, int colour, char unit_prefix);
void draw_per_division(int x, int y, double value, int colour, char unit_prefix, char unit_letter,
                       int axis);
const char* date_stamp();
