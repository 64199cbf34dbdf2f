// Inside the drawing stand-in: Shift-JIS (code page 932) text taken apart into characters.
//
// Text output lays characters out by their byte length alone, so the decoder reports for
// every character where it starts, how many bytes it takes (1 or 2) and the Unicode code
// point it stands for, or that it does not decode. It never reads past the given count.
#pragma once

namespace gdi {

struct SjisChar {
    int length = 0;      // bytes taken: 1 or 2 (0 only at the end of the text)
    char32_t code = 0;   // the Unicode code point, when valid
    bool valid = false;  // false: the bytes do not decode (shown as the missing-glyph box)
};

// Lead bytes of two-byte characters: 0x81..0x9f and 0xe0..0xfc.
bool sjis_lead_byte(unsigned char byte);
// Second bytes of two-byte characters: 0x40..0x7e and 0x80..0xfc.
bool sjis_trail_byte(unsigned char byte);

// The character that starts at bytes[offset], looking at no byte at or past `count`.
// - a byte 0x00..0x7f is that ASCII character;
// - a lead byte followed by a trail byte is a two-byte character; a pair that the code page
//   does not assign is one invalid two-byte character;
// - a lead byte at the end of the text, or followed by a byte that cannot be a second byte,
//   is one invalid one-byte character (the next byte then starts a character of its own);
// - 0xa1..0xdf are the half-width katakana; 0x80, 0xa0 and 0xfd..0xff are invalid one-byte
//   characters.
// offset >= count (or a null text) gives a character of length 0.
SjisChar next_sjis_char(const char* bytes, int count, int offset);

}  // namespace gdi
