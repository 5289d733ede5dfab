#include "ClassicText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <climits>
#include <cmath>

namespace {

TEST(ClassicText, IntText_plainDigits)
{
    EXPECT_EQ(ctext::IntText(0), L"0");
    EXPECT_EQ(ctext::IntText(-42), L"-42");
    EXPECT_EQ(ctext::IntText(LLONG_MIN), L"-9223372036854775808");
    // The buffer form fills its buffer from the end: the widest int uses all of it.
    wchar_t digits[12];
    for (int value : {0, 7, -42, INT_MAX, INT_MIN})
        EXPECT_EQ(ctext::IntDigits(value, digits), ctext::IntText(value)) << value;
}

TEST(ClassicText, DoubleText_sixSignificantDigits)
{
    EXPECT_EQ(ctext::DoubleText(0.0), L"0");
    EXPECT_EQ(ctext::DoubleText(12.5), L"12.5");
    EXPECT_EQ(ctext::DoubleText(1.0 / 3.0), L"0.333333");
    EXPECT_EQ(ctext::DoubleText(1234567.0), L"1.23457e+06");
    EXPECT_EQ(ctext::DoubleText(-0.0001), L"-0.0001");
    EXPECT_EQ(ctext::DoubleText(INFINITY), L"inf");
}

TEST(ClassicText, DoubleRoundTrip_readsBackExactly)
{
    for (double v : {0.1, 1.0 / 3.0, 123456.789, -2.5e-300, 1.7976931348623157e308}) {
        EXPECT_EQ(ctext::ParseDouble(ctext::DoubleRoundTrip(v)), v);
    }
}

TEST(ClassicText, FixedText_decimals)
{
    EXPECT_EQ(ctext::FixedText(2.5, 2), L"2.50");
    EXPECT_EQ(ctext::FixedText(-1.005, 0), L"-1");
    EXPECT_EQ(ctext::FixedText(3.14159, -3), L"3");
    EXPECT_EQ(ctext::FixedText(1e300, 2).size(), 304u);
}

TEST(ClassicText, ParseInt_likeTheRuntime)
{
    EXPECT_EQ(ctext::ParseInt(L"  -17abc"), -17);
    EXPECT_EQ(ctext::ParseInt(L"+8"), 8);
    EXPECT_EQ(ctext::ParseInt(L"abc"), 0);
    EXPECT_EQ(ctext::ParseInt(L""), 0);
    EXPECT_EQ(ctext::ParseInt(L"99999999999999999999"), INT_MAX);
    EXPECT_EQ(ctext::ParseInt(L"-99999999999999999999"), INT_MIN);
    EXPECT_EQ(ctext::ParseInt(L"-2147483648"), INT_MIN);
}

TEST(ClassicText, ParseIntExact_wholeTextOnly)
{
    int v = 5;
    EXPECT_TRUE(ctext::ParseIntExact(L"2147483647", v));
    EXPECT_EQ(v, INT_MAX);
    EXPECT_TRUE(ctext::ParseIntExact(L" -3", v));
    EXPECT_EQ(v, -3);
    EXPECT_FALSE(ctext::ParseIntExact(L"2147483648", v));
    EXPECT_FALSE(ctext::ParseIntExact(L"12x", v));
    EXPECT_FALSE(ctext::ParseIntExact(L"", v));
    EXPECT_FALSE(ctext::ParseIntExact(L"-", v));
    EXPECT_EQ(v, -3);
}

TEST(ClassicText, ParseDouble_prefixAndNoDigits)
{
    EXPECT_EQ(ctext::ParseDouble(L" 2.75xyz"), 2.75);
    EXPECT_EQ(ctext::ParseDouble(L"-1e3"), -1000.0);
    EXPECT_EQ(ctext::ParseDouble(L"2,5"), 2.0);
    EXPECT_EQ(ctext::ParseDouble(L"abc"), 0.0);
    EXPECT_EQ(ctext::ParseDouble(L"--1"), 0.0);
    EXPECT_EQ(ctext::ParseDouble(L"1e999"), HUGE_VAL);
    EXPECT_EQ(ctext::ParseDouble(L"1e-999"), 0.0);
}

TEST(ClassicText, ParseAndFormat_ignoreTheRuntimeLocale)
{
    // A module elsewhere in the process may switch the runtime locale to one with a decimal comma.
    const char* set = std::setlocale(LC_ALL, "German_Germany.1252");
    EXPECT_EQ(ctext::DoubleText(12.5), L"12.5");
    EXPECT_EQ(ctext::ParseDouble(L"12.5"), 12.5);
    if (set)
        std::setlocale(LC_ALL, "C");
}

} // namespace
