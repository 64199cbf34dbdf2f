// Shift-JIS decoding: byte lengths, code points and what does not decode.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/text_decode.h"

namespace {

struct Expected {
    int length;
    char32_t code;  // 0 where invalid
    bool valid;
};

std::vector<Expected> decode_all(const std::string& bytes) {
    std::vector<Expected> out;
    const int count = static_cast<int>(bytes.size());
    for (int offset = 0; offset < count;) {
        gdi::SjisChar c = gdi::next_sjis_char(bytes.data(), count, offset);
        if (c.length <= 0) break;
        out.push_back({c.length, c.valid ? c.code : 0, c.valid});
        offset += c.length;
    }
    return out;
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::vector<Expected> expected;
};

TEST(SjisDecode, CharactersByTheirByteStructure) {
    const DecodeCase cases[] = {
        {"ascii", "A~\\", {{1, U'A', true}, {1, U'~', true}, {1, U'\\', true}}},
        // The sources are compiled to Shift-JIS: these literals are the system's bytes.
        {"katakana", "ベース", {{2, U'ベ', true}, {2, U'ー', true}, {2, U'ス', true}}},
        {"kanji and full-width", "回（", {{2, U'回', true}, {2, U'（', true}}},
        {"half-width katakana",
         "\xa1\xb1\xdf",
         {{1, U'｡', true}, {1, U'ｱ', true}, {1, U'ﾟ', true}}},
        {"ideographic space", "\x81\x40", {{2, U'\u3000', true}}},
        {"lone lead byte at the end", "A\x81", {{1, U'A', true}, {1, 0, false}}},
        {"lead byte before a byte that is no second byte",
         "\x81 B",
         {{1, 0, false}, {1, U' ', true}, {1, U'B', true}}},
        {"lead byte before a zero byte",
         std::string("\x82\0Z", 3),
         {{1, 0, false}, {1, 0, true}, {1, U'Z', true}}},
        {"unassigned pair",
         "\x85\x40"
         "A",
         {{2, 0, false}, {1, U'A', true}}},
        {"unassigned pair in the upper rows", "\xeb\x40", {{2, 0, false}}},
        {"invalid single bytes",
         "\x80\xa0\xfd\xff",
         {{1, 0, false}, {1, 0, false}, {1, 0, false}, {1, 0, false}}},
    };
    for (const DecodeCase& c : cases) {
        std::vector<Expected> got = decode_all(c.bytes);
        ASSERT_EQ(got.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].length, c.expected[i].length) << c.name << " char " << i;
            EXPECT_EQ(got[i].valid, c.expected[i].valid) << c.name << " char " << i;
            EXPECT_EQ(static_cast<unsigned>(got[i].code), static_cast<unsigned>(c.expected[i].code))
                << c.name << " char " << i;
        }
    }
}

// The count is the end of the text: a lead byte at the last counted position is lone even when
// a second byte follows in memory, and nothing past the count is read (the buffer here is
// exactly one byte long, so the sanitizer build would catch a read past it).
TEST(SjisDecode, NeverLooksPastTheCount) {
    auto one_byte = std::make_unique<char[]>(1);
    one_byte[0] = '\x82';
    gdi::SjisChar c = gdi::next_sjis_char(one_byte.get(), 1, 0);
    EXPECT_EQ(c.length, 1);
    EXPECT_FALSE(c.valid);

    const char pair[] = "\x82\xa0";
    c = gdi::next_sjis_char(pair, 1, 0);
    EXPECT_EQ(c.length, 1);
    EXPECT_FALSE(c.valid);
    c = gdi::next_sjis_char(pair, 2, 0);
    EXPECT_EQ(c.length, 2);
    EXPECT_EQ(static_cast<unsigned>(c.code), static_cast<unsigned>(U'あ'));
}

TEST(SjisDecode, NothingAtOrPastTheEnd) {
    const char text[] = "AB";
    EXPECT_EQ(gdi::next_sjis_char(text, 2, 2).length, 0);
    EXPECT_EQ(gdi::next_sjis_char(text, 2, 5).length, 0);
    EXPECT_EQ(gdi::next_sjis_char(text, 2, -1).length, 0);
    EXPECT_EQ(gdi::next_sjis_char(text, 0, 0).length, 0);
    EXPECT_EQ(gdi::next_sjis_char(nullptr, 2, 0).length, 0);
}

}  // namespace
