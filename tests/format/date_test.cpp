// The build-date stamp beside every graph.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <memory>
#include <string>

#include "graph/format.h"

namespace {

class DateStamp : public ::testing::Test {
protected:
    void SetUp() override { saved = build_date; }
    void TearDown() override { build_date = saved; }

    // The stamp of a build date held in a buffer of exactly its size, so that a read past its
    // terminator is a read outside the buffer.
    std::string stamp_of(const char* date) {
        if (date == nullptr) {
            build_date = nullptr;
            return date_stamp();
        }
        const std::size_t size = std::strlen(date) + 1;
        std::unique_ptr<char[]> exact(new char[size]);
        std::memcpy(exact.get(), date, size);
        build_date = exact.get();
        const std::string stamp = date_stamp();
        build_date = saved;
        return stamp;
    }

    static bool well_formed(const std::string& stamp) {
        if (stamp.size() != 10 || stamp[4] != '-' || stamp[7] != '-') return false;
        for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
            if (!std::isdigit(static_cast<unsigned char>(stamp[i]))) return false;
        }
        return true;
    }

    const char* saved = nullptr;
};

TEST_F(DateStamp, BuildDatesOfTheCompiler) {
    struct Case {
        const char* date;
        const char* stamp;
    };
    const Case cases[] = {
        {"Jul 27 1999", "1999-07-27"}, {"Jul  7 1999", "1999-07-07"}, {"Jan  1 2000", "2000-01-01"},
        {"Feb 29 2024", "2024-02-29"}, {"Dec 31 2099", "2099-12-31"}, {"Sep 10 2013", "2013-09-10"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stamp_of(c.date), c.stamp) << c.date;
    }
}

TEST_F(DateStamp, EveryMonthName) {
    const char* names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < 12; ++i) {
        const std::string date = std::string(names[i]) + " 15 2001";
        char expected[11];
        std::snprintf(expected, sizeof expected, "2001-%02d-15", i + 1);
        EXPECT_EQ(stamp_of(date.c_str()), expected) << date;
    }
}

// A malformed build date still gives a stamp of the shape YYYY-MM-DD: a missing or unknown
// month reads 01, a missing or impossible day 01, a missing year 0000.
TEST_F(DateStamp, MalformedBuildDatesGiveWellFormedStamps) {
    struct Case {
        const char* date;
        const char* stamp;
    };
    const Case cases[] = {
        {nullptr, "0000-01-01"},
        {"", "0000-01-01"},
        {"J", "0000-01-01"},
        {"Jul", "0000-07-01"},
        {"Jul ", "0000-07-01"},
        {"Jul 2", "0000-07-02"},
        {"Jul 27", "0000-07-27"},
        {"Jul 27 19", "0000-07-27"},
        {"Jul 27 19x9", "0000-07-27"},
        {"Xyz 27 1999", "1999-01-27"},
        {"jul 27 1999", "1999-01-27"},
        {"Jul ab 1999", "1999-07-01"},
        {"Jul 00 1999", "1999-07-01"},
        {"Jul 45 1999", "1999-07-01"},
        {"Jul 27 19999", "1999-07-27"},
        {"Jul 27 1999 and more text after the year", "1999-07-27"},
        {"Jul -5 1999", "1999-07-01"},
        {"           ", "0000-01-01"},
        {"\x82\xa0\x82\xa2 1 1999", "1999-01-01"},
    };
    for (const Case& c : cases) {
        const std::string stamp = stamp_of(c.date);
        EXPECT_EQ(stamp, c.stamp) << (c.date != nullptr ? c.date : "(null)");
        EXPECT_TRUE(well_formed(stamp)) << stamp;
    }
}

TEST_F(DateStamp, FillsAndReturnsDateText) {
    build_date = "Jul 27 1999";
    const char* stamp = date_stamp();
    EXPECT_EQ(stamp, date_text);
    EXPECT_STREQ(date_text, "1999-07-27");
    build_date = "Mar  3 2003";
    date_stamp();
    EXPECT_STREQ(date_text, "2003-03-03");
}

// The program's own build date, as the compiler fixed it, gives a stamp of its year.
TEST_F(DateStamp, TheProgramsBuildDate) {
    ASSERT_NE(saved, nullptr);
    ASSERT_EQ(std::strlen(saved), 11u);
    const std::string stamp = date_stamp();
    EXPECT_TRUE(well_formed(stamp)) << stamp;
    EXPECT_EQ(stamp.substr(0, 4), std::string(saved + 7, 4));
    const std::string months = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const std::size_t place = months.find(std::string(saved, 3));
    ASSERT_NE(place, std::string::npos) << saved;
    EXPECT_EQ(std::stoi(stamp.substr(5, 2)), static_cast<int>(place / 3) + 1);
    EXPECT_EQ(std::stoi(stamp.substr(8, 2)), std::stoi(std::string(saved + 4, 2)));
}

}  // namespace
