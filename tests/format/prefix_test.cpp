// Engineering-prefix scaling and the texts of the tick labels and per-division captions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "graph/format.h"

namespace {

std::string tick_label(double value, char unit_prefix) {
    char text[32];
    return format_tick_label(text, sizeof text, value, unit_prefix);
}

// The tick labels of the axes, blank unit prefix; a trailing blank is the prefix letter.
TEST(TickLabel, TextsOfTheAxes) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.4, "0.4 "},
        {0.45, "0.45 "},
        {0.0014, "1.4m"},
        {0.05, "50m"},
        {0.0001, "0.1m"},
        {1000, "1k"},
        {12000, "12k"},
        {999999.9999, "1000k"},
        {2.5e15, "2.5E"},
        {1e18, "1 "},
        {-0.005, "-5m"},
        {0, "0 "},
        {1e-15, "1f"},
        {999e-18, "0.999f"},
        {1e-18, "1 "},
        {0.1, "0.1 "},
        {999.9, "999.9 "},
        {1e9, "1G"},
        {-123456789.0, "-123.457M"},
        {2e-6, "2u"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tick_label(c.value, ' '), c.text) << c.value;
    }
}

// A value given in units of a prefix letter: its exponent adds to the mantissa's.
TEST(TickLabel, UnitPrefixes) {
    struct Case {
        double value;
        char unit_prefix;
        const char* text;
    };
    const Case cases[] = {
        {1500, 'm', "1.5 "},   {1.5, 'm', "1.5m"},  {0.5, 'k', "0.5k"}, {1, 'E', "1E"},
        {1000, 'E', "1 "},     {0.01, 'f', "10 "},  {1.5, 'x', "1.5 "}, {2000, 'u', "2m"},
        {0.0003, 'M', "0.3k"}, {1.5, '\0', "1.5 "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tick_label(c.value, c.unit_prefix), c.text)
            << c.value << " in '" << c.unit_prefix << "'";
    }
}

TEST(Prefix, FactorsAndExponentsOfEveryLetter) {
    struct Case {
        char letter;
        int exponent;
        double factor;
    };
    const Case cases[] = {
        {'f', -15, 1e-15},
        {'p', -12, 1e-12},
        {'n', -9, 1e-9},
        {'u', -6, 1e-6},
        {'m', -3, 1e-3},
        {' ', 0, 1.0},
        {'k', 3, 1e3},
        {'M', 6, 1e6},
        {'G', 9, 1e9},
        {'T', 12, 1e12},
        {'E', 15, 1e15},
        // Not prefix letters: exponent 0, factor 1.
        {'x', 0, 1.0},
        {'K', 0, 1.0},
        {'e', 0, 1.0},
        {'\0', 0, 1.0},
        {'P', 0, 1.0},
        {'\xff', 0, 1.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(prefix_factor(c.letter), c.factor) << "'" << c.letter << "'";
        EXPECT_EQ(prefix_exponent(c.letter), c.exponent) << "'" << c.letter << "'";
    }
}

// Zero, NaN and the infinities have no mantissa: they come back as they are, with a blank
// letter (also where the out argument held a letter before).
TEST(ScaleToPrefix, ValuesWithoutMantissaComeBackUnchanged) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double value : {0.0, -0.0, inf, -inf}) {
        char letter = 'k';
        const double result = scale_to_prefix(value, 'm', letter);
        EXPECT_EQ(letter, ' ') << value;
        EXPECT_EQ(result, value);
        EXPECT_EQ(std::signbit(result), std::signbit(value)) << value;
    }
    char letter = 'k';
    EXPECT_TRUE(std::isnan(scale_to_prefix(std::nan(""), ' ', letter)));
    EXPECT_EQ(letter, ' ');
    EXPECT_EQ(tick_label(inf, ' '), "inf ");
    EXPECT_EQ(tick_label(-inf, ' '), "-inf ");
}

TEST(ScaleToPrefix, MantissaKeepsTheSign) {
    char letter = ' ';
    EXPECT_DOUBLE_EQ(scale_to_prefix(-0.0014, ' ', letter), -1.4);
    EXPECT_EQ(letter, 'm');
    EXPECT_DOUBLE_EQ(scale_to_prefix(-2.5e15, ' ', letter), -2.5);
    EXPECT_EQ(letter, 'E');
}

// The loop multiplies by 1000 or 0.001 once per step: the shift counts the steps, three
// powers of ten each. The extremes of the doubles need about a hundred steps; without a
// mantissa (infinity, zero, NaN) the loop stops after max_shift_steps.
TEST(ShiftToMantissa, StepsAreCountedAndBounded) {
    struct Case {
        double magnitude;
        int shift;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {0.1, 0},
        {999.0, 0},
        {1000.0, -3},
        {0.0999, 3},
        {1e300, -300},
        {std::numeric_limits<double>::max(), -306},
        {std::numeric_limits<double>::denorm_min(), 324},
        {std::numeric_limits<double>::min(), 309},
        {inf, -3 * max_shift_steps},
        {0.0, 3 * max_shift_steps},
    };
    for (const Case& c : cases) {
        int shift = 0;
        const double mantissa = shift_to_mantissa(c.magnitude, shift);
        EXPECT_EQ(shift, c.shift) << c.magnitude;
        if (std::isfinite(c.magnitude) && c.magnitude > 0) {
            EXPECT_GE(mantissa, 0.1) << c.magnitude;
            EXPECT_LT(mantissa, 1000.0) << c.magnitude;
        }
    }
    int shift = 0;
    shift_to_mantissa(std::nan(""), shift);
    EXPECT_EQ(shift, -3 * max_shift_steps);
}

// Exponents without a letter keep the scaled mantissa and a blank letter.
TEST(TickLabel, HugeAndTinyValuesTerminateWithABlankLetter) {
    EXPECT_EQ(tick_label(1e300, ' '), "1 ");
    EXPECT_EQ(tick_label(-1e300, ' '), "-1 ");
    EXPECT_EQ(tick_label(1e-300, ' '), "1 ");
    EXPECT_EQ(tick_label(std::numeric_limits<double>::max(), ' '), "179.769 ");
}

// The texts are cut to their buffers: nothing is written past the size given.
TEST(Formatting, TextsStayInsideTheirBuffers) {
    char buffer[16];
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{3}, std::size_t{6}}) {
        std::memset(buffer, '#', sizeof buffer);
        format_tick_label(buffer, size, -123456789.0, ' ');
        for (std::size_t i = size; i < sizeof buffer; ++i) {
            ASSERT_EQ(buffer[i], '#') << "size " << size << ", byte " << i;
        }
        if (size > 0) {
            EXPECT_EQ(std::strlen(buffer), size - 1);
        }

        std::memset(buffer, '#', sizeof buffer);
        format_per_division(buffer, size, 0.0001, ' ', 's', 0);
        for (std::size_t i = size; i < sizeof buffer; ++i) {
            ASSERT_EQ(buffer[i], '#') << "size " << size << ", byte " << i;
        }
        if (size > 0) {
            EXPECT_EQ(std::strlen(buffer), size - 1);
        }
    }
}

TEST(PerDivision, CaptionTexts) {
    struct Case {
        double value;
        char unit_prefix;
        char unit_letter;
        int axis;
        const char* text;
    };
    const Case cases[] = {
        {0.0001, ' ', 's', 0, "→ Ｘ： 0.1 ms  / div"},
        // 0.25 is inside [0.1, 1000): it keeps its mantissa and a blank letter.
        {0.25, ' ', 'V', 1, "→ Ｙ： 0.25  V  / div"},
        {0.025, ' ', 'V', 1, "→ Ｙ： 25 mV  / div"},
        {2.0, ' ', 's', 0, "→ Ｘ： 2  s  / div"},
        {5000, 'u', 's', 0, "→ Ｘ： 5 ms  / div"},
        {0.5, ' ', 'V', 2, ""},
        {0.5, ' ', 'V', -1, ""},
    };
    for (const Case& c : cases) {
        char text[64];
        format_per_division(text, sizeof text, c.value, c.unit_prefix, c.unit_letter, c.axis);
        EXPECT_STREQ(text, c.text) << c.value << " axis " << c.axis;
    }
}

}  // namespace
