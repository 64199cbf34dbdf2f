// Shift-JIS texts converted for a console that reads the locale's codeset.
#include "diag/console_text.h"

#include <clocale>
#include <cstring>

#include "console_fixture.h"

namespace {

TEST(ConsoleCodeset, PlainAsciiAndUnknownLocalesFallBackToUtf8) {
    struct Case {
        const char* locale_codeset;
        const char* codeset;
    };
    const Case cases[] = {
        {nullptr, "UTF-8"},           {"", "UTF-8"},
        {"ANSI_X3.4-1968", "UTF-8"},  {"ASCII", "UTF-8"},
        {"US-ASCII", "UTF-8"},        {"UTF-8", "UTF-8"},
        {"EUC-JP", "EUC-JP"},         {"SHIFT_JIS", "SHIFT_JIS"},
        {"ISO-8859-1", "ISO-8859-1"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(console_codeset_for(c.locale_codeset), c.codeset)
            << (c.locale_codeset != nullptr ? c.locale_codeset : "(null)");
    }
}

// The codeset comes from the environment's locale, without changing the program's own.
TEST_F(ConsoleStreams, CodesetOfTheUsersLocale) {
    const std::string before = std::setlocale(LC_CTYPE, nullptr);
    struct Case {
        const char* locale;
        const char* codeset;
    };
    const Case cases[] = {
        {"C.UTF-8", "UTF-8"},
        {"C", "UTF-8"},  // ANSI_X3.4-1968 cannot show the texts
        {"POSIX", "UTF-8"},
        {"xx_NOWHERE.NOCODESET", "UTF-8"},  // a locale that does not exist
    };
    for (const Case& c : cases) {
        setenv("LC_ALL", c.locale, 1);
        EXPECT_STREQ(console_codeset(), c.codeset) << c.locale;
        EXPECT_EQ(std::setlocale(LC_CTYPE, nullptr), before) << c.locale;
    }
}

TEST(ConvertConsoleText, Conversions) {
    struct Case {
        const char* sjis;
        const char* codeset;
        std::string expected;
    };
    const Case cases[] = {
        {"Push any key !", "UTF-8", "Push any key !"},
        {"ゼロまたは負は不可！！", "UTF-8", utf8(u8"ゼロまたは負は不可！！")},
        {"0. 終了", "UTF-8", utf8(u8"0. 終了")},
        {"ゼロ", "EUC-JP", "\xa5\xbc\xa5\xed"},
        {"", "UTF-8", ""},
        // What the codeset cannot show, one '?' per character.
        {"ゼロ!!", "ASCII", "?\?!!"},
        {"A\xb1Z", "ASCII", "A?Z"},  // a half-width katakana
        // Bytes that are not Shift-JIS.
        {"\xff"
         "A",
         "UTF-8", "?A"},
        {"A\x81", "UTF-8", "A?"},    // a lead byte cut off at the end
        {"\x81 B", "UTF-8", "? B"},  // a lead byte without its trail byte
    };
    for (const Case& c : cases) {
        char out[64];
        const std::size_t length = convert_console_text(c.sjis, c.codeset, out, sizeof out);
        EXPECT_EQ(std::string(out), c.expected) << c.codeset;
        EXPECT_EQ(length, c.expected.size()) << c.codeset;
    }
}

// A result longer than the buffer is cut at a whole character.
TEST(ConvertConsoleText, CutsAtACharacterInsideTheBuffer) {
    char out[8];
    std::memset(out, '#', sizeof out);
    // Each of the three characters takes three UTF-8 bytes; two fit in 7 bytes and the
    // terminator.
    EXPECT_EQ(convert_console_text("ゼロゼ", "UTF-8", out, 7), 6u);
    EXPECT_EQ(std::string(out), utf8(u8"ゼロ"));
    EXPECT_EQ(out[7], '#');
    EXPECT_EQ(convert_console_text("ゼロ", "UTF-8", out, 1), 0u);
    EXPECT_EQ(out[0], '\0');
    EXPECT_EQ(convert_console_text("ゼロ", "UTF-8", out, 0), 0u);
    EXPECT_EQ(out[0], '\0');
}

TEST(ConvertConsoleText, UnknownCodesetCopiesTheBytes) {
    char out[16];
    EXPECT_EQ(convert_console_text("ゼロ", "NO-SUCH-CODESET", out, sizeof out), 4u);
    EXPECT_STREQ(out, "ゼロ");
}

}  // namespace
