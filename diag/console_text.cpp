// Shift-JIS texts on the console. The programs keep their texts in Shift-JIS, which a Linux
// console does not read; at the console they are converted to the codeset of the user's
// locale, and what does not convert is shown as '?'.
#include "diag/console_text.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr const char* text_codeset = "CP932";
constexpr const char* fallback_codeset = "UTF-8";
constexpr char replacement = '?';
// Room for every console text of the programs after conversion (a Shift-JIS byte becomes at
// most three bytes); a longer text is cut.
constexpr std::size_t console_line_size = 1024;
constexpr std::size_t codeset_name_size = 64;

// Bytes of the Shift-JIS character at the start of `text`: 2 for a lead byte followed by a
// trail byte, else 1.
std::size_t sjis_length(const char* text, std::size_t left) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const bool is_lead = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    if (!is_lead || left < 2) return 1;
    const auto trail = static_cast<unsigned char>(text[1]);
    const bool is_trail = (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC);
    return is_trail ? 2 : 1;
}

}  // namespace

const char* console_codeset_for(const char* locale_codeset) {
    if (locale_codeset == nullptr || locale_codeset[0] == '\0') return fallback_codeset;
    if (std::strcmp(locale_codeset, "ANSI_X3.4-1968") == 0 ||
        std::strcmp(locale_codeset, "ASCII") == 0 || std::strcmp(locale_codeset, "US-ASCII") == 0) {
        return fallback_codeset;
    }
    return locale_codeset;
}

const char* console_codeset() {
    // A locale object of its own leaves the program's locale (the "C" locale it starts in)
    // untouched. The name outlives the object in this buffer, until the next call.
    static char name[codeset_name_size];
    locale_t user = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (user == static_cast<locale_t>(nullptr)) return fallback_codeset;
    const char* codeset = nl_langinfo_l(CODESET, user);
    std::snprintf(name, sizeof name, "%s", codeset != nullptr ? codeset : "");
    freelocale(user);
    return console_codeset_for(name);
}

std::size_t convert_console_text(const char* sjis, const char* codeset, char* out,
                                 std::size_t size) {
    if (size == 0) return 0;
    std::size_t in_left = std::strlen(sjis);
    std::size_t out_left = size - 1;
    iconv_t converter = iconv_open(codeset, text_codeset);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        const std::size_t length = in_left < out_left ? in_left : out_left;
        std::memcpy(out, sjis, length);
        out[length] = '\0';
        return length;
    }
    char* in = const_cast<char*>(sjis);  // iconv takes char**; it does not write the input
    char* next = out;
    while (in_left > 0) {
        if (iconv(converter, &in, &in_left, &next, &out_left) != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) break;
        // EILSEQ: a byte that is not Shift-JIS, or a character the codeset lacks, is skipped.
        // EINVAL: a character cut off at the end of the text ends it.
        const std::size_t skip = errno == EILSEQ ? sjis_length(in, in_left) : in_left;
        iconv(converter, nullptr, nullptr, &next, &out_left);  // back to the initial shift state
        if (out_left == 0) break;
        *next++ = replacement;
        --out_left;
        in += skip;
        in_left -= skip;
    }
    iconv(converter, nullptr, nullptr, &next, &out_left);
    iconv_close(converter);
    *next = '\0';
    return static_cast<std::size_t>(next - out);
}

void write_console_text(std::FILE* stream, const char* sjis) {
    if (stream == nullptr) return;
    char text[console_line_size];
    const std::size_t length = convert_console_text(sjis, console_codeset(), text, sizeof text);
    std::fwrite(text, 1, length, stream);
}
