// Shift-JIS decoding for text output: the byte structure is read here, the mapping of a
// character to Unicode comes from the C library's converter for code page 932.
#include "platform/text_decode.h"

#include <iconv.h>

#include <cstdio>

namespace gdi {

namespace {

// The converter from code page 932 to UTF-32LE, opened on first use and kept for the life of
// the process. Without it (a C library built without the code page) only ASCII decodes and
// every other character shows as the missing-glyph box.
class Converter {
public:
    Converter() : handle_(iconv_open("UTF-32LE", "CP932")) {
        if (!ok()) {
            std::fprintf(stderr,
                         "lunkaro: the C library cannot convert code page 932 (Shift-JIS); "
                         "Japanese text shows as missing-glyph boxes\n");
        }
    }
    ~Converter() {
        if (ok()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts exactly the given bytes to one code point; false when they do not form exactly
    // one character of the code page. Each answer is remembered in a small table (the same
    // bytes always give the same answer), so a text asks the C library once per character
    // it has not seen lately.
    bool convert(const char* bytes, int length, char32_t& code) {
        const unsigned key = static_cast<unsigned>(length) << 16 |
                             static_cast<unsigned>(static_cast<unsigned char>(bytes[0])) << 8 |
                             (length > 1 ? static_cast<unsigned char>(bytes[1]) : 0u);
        Answer& answer = answers_[(key ^ (key >> 7)) % answer_slots];
        if (answer.key != key) {
            answer.key = key;
            answer.valid = ask(bytes, length, answer.code);
        }
        code = answer.code;
        return answer.valid;
    }

private:
    bool ask(const char* bytes, int length, char32_t& code) {
        code = 0;
        if (!ok()) return false;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        char in[2] = {bytes[0], length > 1 ? bytes[1] : '\0'};
        char* in_ptr = in;
        std::size_t in_left = static_cast<std::size_t>(length);
        unsigned char out[8] = {};
        char* out_ptr = reinterpret_cast<char*>(out);
        std::size_t out_left = sizeof out;
        std::size_t result = iconv(handle_, &in_ptr, &in_left, &out_ptr, &out_left);
        if (result == static_cast<std::size_t>(-1) || in_left != 0 || out_left != 4) {
            return false;
        }
        code = static_cast<char32_t>(out[0]) | static_cast<char32_t>(out[1]) << 8 |
               static_cast<char32_t>(out[2]) << 16 | static_cast<char32_t>(out[3]) << 24;
        return true;
    }

    struct Answer {
        unsigned key = 0;  // length << 16 | bytes; 0 for an empty slot (no length is 0)
        bool valid = false;
        char32_t code = 0;
    };
    static constexpr unsigned answer_slots = 251;

    iconv_t handle_;
    Answer answers_[answer_slots];
};

Converter& converter() {
    static Converter instance;
    return instance;
}

}  // namespace

bool sjis_lead_byte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9f) || (byte >= 0xe0 && byte <= 0xfc);
}

bool sjis_trail_byte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7e) || (byte >= 0x80 && byte <= 0xfc);
}

SjisChar next_sjis_char(const char* bytes, int count, int offset) {
    SjisChar c;
    if (bytes == nullptr || offset < 0 || offset >= count) return c;
    const unsigned char first = static_cast<unsigned char>(bytes[offset]);
    if (first < 0x80) {
        // The code page keeps ASCII as it is.
        c.length = 1;
        c.code = first;
        c.valid = true;
        return c;
    }
    if (sjis_lead_byte(first)) {
        const bool has_second = offset + 1 < count;
        if (!has_second || !sjis_trail_byte(static_cast<unsigned char>(bytes[offset + 1]))) {
            c.length = 1;  // a lone lead byte
            return c;
        }
        c.length = 2;
        c.valid = converter().convert(bytes + offset, 2, c.code);
        return c;
    }
    c.length = 1;
    c.valid = converter().convert(bytes + offset, 1, c.code);
    return c;
}

}  // namespace gdi
