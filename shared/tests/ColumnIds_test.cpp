#include "ColumnIds.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Parsed(const std::wstring& text)
{
    std::vector<int> list;
    ParseColumnOrder(list, text);
    return list;
}

TEST(ColumnIds, ParseColumnOrder_appendsUpToTheFirstPieceThatIsNoNumber)
{
    EXPECT_EQ(Parsed(L"  4\t5\r\n6  "), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(Parsed(L"-1 7"), (std::vector<int>{-1, 7}));
    EXPECT_EQ(Parsed(L"3abc 4"), (std::vector<int>{}));
    std::vector<int> list{1};
    EXPECT_EQ(ParseColumnOrder(list, L"0 2"), 3);
}

TEST(ColumnIds, MergeColumnIdList_dropsIdsTheDefaultsLack)
{
    std::vector<int> withoutCosts;
    GetDefaultColumnIds(withoutCosts, true);
    EXPECT_EQ(MergeColumnIdList(withoutCosts, Parsed(L"7 6 -1 0 7")), 7);
    EXPECT_EQ(FormatColumnIds(withoutCosts), L"7 0 1 2 3 4 5");
    std::vector<int> unchanged;
    GetDefaultColumnIds(unchanged);
    EXPECT_EQ(MergeColumnIdList(unchanged, {}), 8);
    EXPECT_EQ(FormatColumnIds(unchanged), L"0 1 2 3 4 5 6 7");
}

TEST(ColumnIds, GetColumnName_numericFlagsOfEveryId)
{
    for (int id = -1; id <= 8; ++id) {
        bool numeric = !((id >= 2 && id <= 6) || id < 0 || id > 7); // the opposite: every call must set it
        GetColumnName(id, numeric);
        EXPECT_EQ(numeric, (id >= 2 && id <= 6) || id < 0 || id > 7) << id;
    }
}

} // namespace
