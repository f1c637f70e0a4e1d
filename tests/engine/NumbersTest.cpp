#include <gtest/gtest.h>

#include <cmath>

#include "Numbers.h"

namespace kiova {
namespace {

TEST(FloatToText, GeneralFifteenDigitForm) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {123456789012345, "123456789012345"},
        {999999999999999, "999999999999999"},
        {1e15, "1E15"},
        {9999999999999999.0, "1E16"},
        {1e20, "1E20"},
        {-1.5e20, "-1.5E20"},
        {0.00001, "0.00001"},
        {0.000015, "0.000015"},
        {1.5e-7, "1.5E-7"},
        {0.0000099, "9.9E-6"},
        {1e-300, "1E-300"},
        {NAN, "NAN"},
        {INFINITY, "INF"},
        {-INFINITY, "-INF"},
    };
    for (const Case& c : cases) EXPECT_EQ(FloatToText(c.value), c.text) << c.text;
}

TEST(TextToFloat, AcceptsPlainDecimalNumbersOnly) {
    EXPECT_EQ(TextToFloat("1.5"), 1.5);
    EXPECT_EQ(TextToFloat("  -2"), -2.0);
    EXPECT_EQ(TextToFloat("+3."), 3.0);
    EXPECT_EQ(TextToFloat(".5"), 0.5);
    EXPECT_EQ(TextToFloat("1e3"), 1000.0);
    EXPECT_EQ(TextToFloat("2.5E-1 "), 0.25);
    for (const char* bad : {"", " ", ".", "-", "1e", "1e+", "1.2.3", "inf", "nan", "0x10", "1,000",
                            "1 2", "--1", "1e999", "abc"})
        EXPECT_FALSE(TextToFloat(bad).has_value()) << bad;
    // What the state file writes reads back exactly.
    for (double value : {0.1, -123.456, 1e20, 1.5e-7, 2.0 / 3})
        EXPECT_EQ(FloatToText(*TextToFloat(FloatToText(value))), FloatToText(value));
}

TEST(TextToInt, DecimalWithinThirtyTwoBits) {
    EXPECT_EQ(TextToInt("42"), 42);
    EXPECT_EQ(TextToInt("  -7"), -7);
    EXPECT_EQ(TextToInt("+0"), 0);
    EXPECT_EQ(TextToInt("2147483647"), 2147483647);
    EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "2147483648", "-2147483649", "99999999999999999999", "1.0",
                            "2.10", "7 ", "$1F", "0x1F", "1e3"})
        EXPECT_FALSE(TextToInt(bad).has_value()) << bad;
}

}  // namespace
}  // namespace kiova
