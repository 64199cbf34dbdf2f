// Shift-JIS texts on a console that reads the encoding of the user's locale.
#pragma once

#include <cstddef>
#include <cstdio>

// The codeset to write the console in, given the name the locale gives (nl_langinfo(CODESET)):
// the name itself, or "UTF-8" where it is null, empty or plain ASCII ("ANSI_X3.4-1968",
// "ASCII", "US-ASCII"), which cannot show the Japanese texts.
const char* console_codeset_for(const char* locale_codeset);

// The codeset of the user's locale (LC_ALL, LC_CTYPE, LANG), read without touching the
// program's own locale; "UTF-8" where the locale is unknown or plain ASCII.
const char* console_codeset();

// Converts the Shift-JIS text to the codeset into out (at most size bytes with a terminator;
// a longer result is cut at a character boundary of the codeset's conversion). A character
// that does not convert, or a byte that is not Shift-JIS, becomes '?'. Where the codeset is
// unknown to the converter the text is copied unchanged. Returns the length written.
std::size_t convert_console_text(const char* sjis, const char* codeset, char* out,
                                 std::size_t size);

// Writes the Shift-JIS text to the stream in the console's codeset.
void write_console_text(std::FILE* stream, const char* sjis);
