#include "SafeFormat.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(Format(L"%n%p%x%f", {1, 2}), L"%n%p%x%f");
    EXPECT_EQ(Format(L"trailing %", {}), L"trailing %");
    EXPECT_EQ(Format(L"%99999999999999999999d", {1}).size(), 1024u);
    EXPECT_EQ(Format(L"%s", {5}), L"5");
    EXPECT_EQ(Format(L"%d", {L"text"}), L"text");
}

TEST(SafeFormat, FormatTo_cutsToTheBuffer)
{
    wchar_t buf[6];
    EXPECT_EQ(msgfmt::FormatTo(buf, 6, L"%s!", {L"abcdefgh"}), 5u);
    EXPECT_STREQ(buf, L"abcde");
}

} // namespace
