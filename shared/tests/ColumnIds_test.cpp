#include "ColumnIds.h"

#include "UiTextTestEnv.h"

namespace {

using ColumnIdsTest = UiTextTest;

std::vector<int> Parsed(const std::wstring& text)
{
    std::vector<int> list;
    ParseColumnOrder(list, text);
    return list;
}

TEST_F(ColumnIdsTest, GetDefaultColumnIds_appendsInOrder)
{
    std::vector<int> list{9};
    EXPECT_EQ(GetDefaultColumnIds(list), 9);
    EXPECT_EQ(FormatColumnIds(list), L"9 0 1 2 3 4 5 6 7");
    std::vector<int> withoutCosts;
    EXPECT_EQ(GetDefaultColumnIds(withoutCosts, true), 7);
    EXPECT_EQ(FormatColumnIds(withoutCosts), L"0 1 2 3 4 5 7");
}

TEST_F(ColumnIdsTest, ParseColumnOrder_stopsAtTheFirstPieceThatIsNoNumber)
{
    EXPECT_EQ(Parsed(L"2 x 5"), (std::vector<int>{2}));
    EXPECT_EQ(Parsed(L"  4\t5\r\n6  "), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(Parsed(L"-1 7"), (std::vector<int>{-1, 7}));
    EXPECT_EQ(Parsed(L"3abc 4"), (std::vector<int>{}));
    EXPECT_EQ(Parsed(L""), (std::vector<int>{}));
    std::vector<int> list{1};
    EXPECT_EQ(ParseColumnOrder(list, L"0 2"), 3);
}

TEST_F(ColumnIdsTest, MergeColumnIdList_readOrderFirstThenMissingDefaults)
{
    std::vector<int> defaults;
    GetDefaultColumnIds(defaults);
    EXPECT_EQ(MergeColumnIdList(defaults, Parsed(L"3 3 9 1")), 8);
    EXPECT_EQ(FormatColumnIds(defaults), L"3 1 0 2 4 5 6 7");

    std::vector<int> withoutCosts;
    GetDefaultColumnIds(withoutCosts, true);
    EXPECT_EQ(MergeColumnIdList(withoutCosts, Parsed(L"7 6 -1 0")), 7);
    EXPECT_EQ(FormatColumnIds(withoutCosts), L"7 0 1 2 3 4 5");

    std::vector<int> unchanged;
    GetDefaultColumnIds(unchanged);
    EXPECT_EQ(MergeColumnIdList(unchanged, {}), 8);
    EXPECT_EQ(FormatColumnIds(unchanged), L"0 1 2 3 4 5 6 7");
}

TEST_F(ColumnIdsTest, GetColumnName_namesAndNumericFlags)
{
    const wchar_t* names[8] = {L"Task",     L"Resource",     L"Start", L"End",
                               L"Duration", L"Working time", L"Costs", L"Note"};
    for (int id = 0; id < 8; ++id) {
        bool numeric = id < 2 || id == 7; // the opposite, so that every call must set it
        EXPECT_EQ(GetColumnName(id, numeric), names[id]) << id;
        EXPECT_EQ(numeric, id >= 2 && id <= 6) << id;
    }
    for (int id : {-1, 8}) {
        bool numeric = false;
        EXPECT_EQ(GetColumnName(id, numeric), L"");
        EXPECT_TRUE(numeric);
    }
}

} // namespace
