#include "SafeFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using msgfmt::Format;

TEST(SafeFormat, Format_fillsTextAndNumbers)
{
    EXPECT_EQ(Format(L"Resource file %s not found.", {L"QV2ResV.dll"}), L"Resource file QV2ResV.dll not found.");
    EXPECT_EQ(Format(L"%d of %i (%u)", {3, -7, 9u}), L"3 of -7 (9)");
    EXPECT_EQ(Format(L"100%% sure", {}), L"100% sure");
    std::wstring owned = L"owned";
    EXPECT_EQ(Format(L"[%ls]", {owned}), L"[owned]");
}

TEST(SafeFormat, Format_widthsAndPrecision)
{
    EXPECT_EQ(Format(L"[%5d]", {42}), L"[   42]");
    EXPECT_EQ(Format(L"[%-5d]", {42}), L"[42   ]");
    EXPECT_EQ(Format(L"[%05d]", {-42}), L"[-0042]");
    EXPECT_EQ(Format(L"[%.2s]", {L"abcdef"}), L"[ab]");
}

TEST(SafeFormat, Format_missingArgumentsAreEmpty)
{
    EXPECT_EQ(Format(L"%s and %s and %d", {L"one"}), L"one and  and ");
}

TEST(SafeFormat, Format_hostileFormatsStayHarmless)
{
    EXPECT_EQ(Format(L"%n%p%q%*d", {1, 2}), L"%n%p%q%*d");
    EXPECT_EQ(Format(L"trailing %", {}), L"trailing %");
    EXPECT_EQ(Format(L"%99999999999999999999d", {1}).size(), 1024u);
    EXPECT_EQ(Format(L"%s", {5}), L"5");
    EXPECT_EQ(Format(L"%d", {L"text"}), L"text");
}

TEST(SafeFormat, Format_hexadecimalDigits)
{
    EXPECT_EQ(Format(L"#%.2X%.2X%.2X", {255, 128, 0}), L"#FF8000");
    EXPECT_EQ(Format(L"#%02x%02x%02x", {10, 11, 12}), L"#0a0b0c");
    EXPECT_EQ(Format(L"%x", {-1}), L"ffffffff");
    EXPECT_EQ(Format(L"%.3d|%+d|% d", {7, 5, 5}), L"007|+5| 5");
}

TEST(SafeFormat, Format_realNumbersWithThePointAsDecimalSign)
{
    EXPECT_EQ(Format(L"%f", {12.5}), L"12.500000");
    EXPECT_EQ(Format(L"%.2f %s", {1234.567, L"EUR"}), L"1234.57 EUR");
    EXPECT_EQ(Format(L"%8.1f|%-6.0f|", {-2.26, 3.0}), L"    -2.3|3     |");
    EXPECT_EQ(Format(L"%e", {1234.5}), L"1.234500e+03");
    EXPECT_EQ(Format(L"%g %G", {0.0001, 1e20}), L"0.0001 1E+20");
    EXPECT_EQ(Format(L"%f", {3}), L"3.000000");
    EXPECT_EQ(Format(L"%d", {2.9}), L"2");
    EXPECT_EQ(Format(L"%.300f", {1.0}).size(), 102u); // the precision is bounded
}

TEST(SafeFormat, FormatTo_cutsToTheBuffer)
{
    wchar_t buf[6];
    EXPECT_EQ(msgfmt::FormatTo(buf, 6, L"%s!", {L"abcdefgh"}), 5u);
    EXPECT_STREQ(buf, L"abcde");
}

// A pattern read once gives what Format gives, for formats as users may write them: placeholders
// of every kind, flags, widths and precisions, kept ones, a trailing "%", and arguments too few,
// too many or of the other kind.
TEST(SafeFormat, Pattern_appendsWhatFormatGives)
{
    const std::vector<std::vector<msgfmt::Arg>> argumentSets = {
        {},
        {7},
        {-42, 5, 1440},
        {2.5, L"EUR"},
        {L"text", -1, 3.14159, 0},
        {1e300, -0.0, 99999999999LL, L"", 12u},
    };
    std::vector<std::wstring> formats = {
        L"", L"plain", L"%d d %d h %d min", L"%d:%02d", L"%.2f d", L"%s %s", L"%.2f %s", L"100%%", L"%",
        L"trailing %", L"%5%d", L"%-+ 08.3d|%+x|% X", L"%ls%hd%lld", L"%n%p%q%*d", L"%.s%.0d%.e", L"%99999d",
        L"%.9999f", L"%S%G%F%E%u%i", L"%-5s|%5s|%.1s", L"%%%d%%%s%%",
    };
    // And many made of the characters a format reads, the same every run.
    const wchar_t alphabet[] = L"%%%-0+ .129lhsdiuxXfeEgGSF%a";
    unsigned seed = 12345;
    for (int n = 0; n < 3000; ++n) {
        std::wstring format;
        const int length = 1 + n % 12;
        for (int k = 0; k < length; ++k) {
            seed = seed * 1103515245u + 12345u;
            format += alphabet[(seed >> 16) % (sizeof alphabet / sizeof alphabet[0] - 1)];
        }
        formats.push_back(format);
    }
    for (const std::wstring& format : formats) {
        const msgfmt::Pattern pattern(format);
        for (const std::vector<msgfmt::Arg>& args : argumentSets) {
            std::wstring expected;
            switch (args.size()) {
            case 0:
                expected = Format(format, {});
                break;
            case 1:
                expected = Format(format, {args[0]});
                break;
            case 2:
                expected = Format(format, {args[0], args[1]});
                break;
            case 4:
                expected = Format(format, {args[0], args[1], args[2], args[3]});
                break;
            case 5:
                expected = Format(format, {args[0], args[1], args[2], args[3], args[4]});
                break;
            default:
                expected = Format(format, {args[0], args[1], args[2]});
                break;
            }
            std::wstring out = L"kept ";
            pattern.Append(out, args.data(), args.size());
            EXPECT_EQ(out, L"kept " + expected) << format << " with " << args.size() << " arguments";
        }
    }
}

} // namespace
