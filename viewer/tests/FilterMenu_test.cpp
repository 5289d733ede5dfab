#include "FilterMenu.h"

#include "CoreFixture.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "fw/PopupMenu.h"

namespace {

class FilterMenuTest : public qvtest::CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, IDM_FILTER_FIRST, L"Filters");
        AppendMenuW(menu, MF_STRING, IDM_FILTER_ON_OFF, L"On/off");
        AppendMenuW(menu, MF_STRING, IDM_FILTER_LIST, L"Filters...");
    }
    void TearDown() override
    {
        DestroyMenu(menu);
        CoreFixture::TearDown();
    }

    int Separators() const
    {
        int n = 0;
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            n += GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR ? 1 : 0;
        return n;
    }

    HMENU menu = nullptr;
};

TEST_F(FilterMenuTest, Rebuild_theFirstFiltersByNameThenASeparator)
{
    for (int i = 20; i >= 1; --i)
        data.filters.Add((L"Filter " + std::wstring(i < 10 ? L"0" : L"") + std::to_wstring(i)).c_str());
    gCurrentFilter = data.filters.items[5].get(); // "Filter 15"
    EXPECT_EQ(RebuildFilterMenu(menu, 0), 14);
    ASSERT_EQ(GetMenuItemCount(menu), 13 + 1 + 2);
    EXPECT_EQ(fw::MenuItemText(menu, 0), L"Filter 01");
    EXPECT_EQ(GetMenuItemID(menu, 0), static_cast<UINT>(IDM_FILTER_FIRST));
    EXPECT_EQ(fw::MenuItemText(menu, 12), L"Filter 13");
    EXPECT_EQ(GetMenuItemID(menu, 12), static_cast<UINT>(IDM_FILTER_FIRST + 12));
    EXPECT_TRUE(GetMenuState(menu, 13, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, 14), static_cast<UINT>(IDM_FILTER_ON_OFF));

    // The current filter is checked whether or not the filter is on.
    SetSetting(L"FilterMenuCountMax", L"20");
    SetBoolSetting(L"FilterActive", false);
    RebuildFilterMenu(menu, 0);
    EXPECT_TRUE(GetMenuState(menu, IDM_FILTER_FIRST + 14, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(menu, IDM_FILTER_FIRST + 13, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(FilterMenuTest, Rebuild_manyTimesLeavesOneListAndOneSeparator)
{
    data.filters.Add(L"Beta");
    data.filters.Add(L"alpha");
    for (int round = 0; round < 25; ++round) {
        // Every size, up and down: each rebuild removes what the last one made.
        SetIntSetting(L"FilterMenuCountMax", round % 4);
        RebuildFilterMenu(menu, -1);
        const int shown = std::min(round % 4, 2);
        ASSERT_EQ(GetMenuItemCount(menu), 2 + shown + (shown > 0 ? 1 : 0)) << round;
        ASSERT_EQ(Separators(), shown > 0 ? 1 : 0) << round;
    }
    SetIntSetting(L"FilterMenuCountMax", 13);
    RebuildFilterMenu(menu, -1);
    EXPECT_EQ(fw::MenuItemText(menu, 0), L"alpha");
    EXPECT_EQ(fw::MenuItemText(menu, 1), L"Beta");
}

TEST_F(FilterMenuTest, Rebuild_countOutsideItsRangeIsClamped)
{
    for (int i = 0; i < 60; ++i)
        data.filters.Add((L"F" + std::to_wstring(100 + i)).c_str());
    SetIntSetting(L"FilterMenuCountMax", 500);
    RebuildFilterMenu(menu, 0);
    EXPECT_EQ(GetMenuItemCount(menu), 51 + 1 + 2);
    EXPECT_EQ(GetMenuItemID(menu, 50), static_cast<UINT>(IDM_FILTER_FIRST + 50));
    SetIntSetting(L"FilterMenuCountMax", -3);
    RebuildFilterMenu(menu, -1);
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(Separators(), 0);
}

TEST_F(FilterMenuTest, NoFilters_noListNoSeparatorButThePlaceIsKept)
{
    EXPECT_EQ(RebuildFilterMenu(menu, 0), 0);
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(Separators(), 0);
    EXPECT_TRUE(HasEmptyFilterList(menu));
    // Filters made later appear where the list was.
    data.filters.Add(L"Later");
    RebuildFilterMenu(menu, -1);
    EXPECT_FALSE(HasEmptyFilterList(menu));
    EXPECT_EQ(fw::MenuItemText(menu, 0), L"Later");
    EXPECT_TRUE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    // A menu that never had a list is left alone.
    HMENU other = CreatePopupMenu();
    AppendMenuW(other, MF_STRING, 1, L"x");
    EXPECT_FALSE(HasEmptyFilterList(other));
    EXPECT_EQ(RebuildFilterMenu(other, -1), -1);
    EXPECT_EQ(GetMenuItemCount(other), 1);
    DestroyMenu(other);
}

TEST_F(FilterMenuTest, Names_ampersandsAreDoubled)
{
    EXPECT_EQ(fw::PlainMenuText(L"R&D"), L"R&&D");
    EXPECT_EQ(fw::PlainMenuText(L"&&"), L"&&&&");
    EXPECT_EQ(fw::PlainMenuText(nullptr), L"");
    data.filters.Add(L"R&D");
    RebuildFilterMenu(menu, 0);
    EXPECT_EQ(fw::MenuItemText(menu, 0), L"R&&D");
}

} // namespace
