#include "WideCopy.h"

#include <gtest/gtest.h>

namespace {

TEST(WideCopy, CopyTo_cutsAndTerminates)
{
    wchar_t field[4];
    EXPECT_EQ(wstr::CopyTo(field, L"abcdef"), 3u);
    EXPECT_STREQ(field, L"abc");
    EXPECT_EQ(wstr::CopyTo(field, L"ab"), 2u);
    EXPECT_STREQ(field, L"ab");
}

TEST(WideCopy, CopyBounded_nullSourceAndZeroCapacity)
{
    wchar_t field[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(wstr::CopyBounded(field, 4, static_cast<const wchar_t*>(nullptr)), 0u);
    EXPECT_STREQ(field, L"");
    field[0] = L'y';
    EXPECT_EQ(wstr::CopyBounded(field, 0, L"abc"), 0u);
    EXPECT_EQ(field[0], L'y');
    EXPECT_EQ(wstr::CopyBounded(nullptr, 4, L"abc"), 0u);
}

TEST(WideCopy, CopyBounded_neverSplitsASurrogatePair)
{
    const wchar_t text[] = {L'a', L'b', 0xD83D, 0xDE00, 0};
    wchar_t field[4];
    EXPECT_EQ(wstr::CopyTo(field, text), 2u);
    EXPECT_STREQ(field, L"ab");
}

TEST(WideCopy, ForceTerminated_andFieldLength)
{
    wchar_t field[3] = {L'a', L'b', L'c'};
    EXPECT_EQ(wstr::FieldLength(field), 3u);
    wstr::ForceTerminated(field);
    EXPECT_EQ(wstr::FieldLength(field), 2u);
    EXPECT_STREQ(field, L"ab");
}

} // namespace
