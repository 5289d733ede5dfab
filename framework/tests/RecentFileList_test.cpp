#include "fw/RecentFileList.h"

#include "fw/Profile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring TempIni(const wchar_t* name)
{
    wchar_t folder[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, folder);
    return std::wstring(folder) + name + std::to_wstring(GetCurrentProcessId()) + L".ini";
}

std::wstring MenuText(HMENU menu, UINT position)
{
    wchar_t text[256] = {};
    GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return text;
}

TEST(RecentFileList, Add_movesAnExistingEntryToTheTop)
{
    fw::CRecentFileList list(L"Recent File List", L"File%d", 3, 57616);
    list.Add(L"C:\\a.wqv");
    list.Add(L"C:\\b.wqv");
    list.Add(L"C:\\c.wqv");
    list.Add(L"c:\\A.WQV");
    EXPECT_EQ(list.Entry(0), L"c:\\A.WQV");
    EXPECT_EQ(list.Entry(1), L"C:\\c.wqv");
    EXPECT_EQ(list.Entry(2), L"C:\\b.wqv");
    list.Add(L"C:\\d.wqv");
    EXPECT_EQ(list.Entry(0), L"C:\\d.wqv");
    EXPECT_EQ(list.Entry(2), L"C:\\c.wqv");
    EXPECT_EQ(list.Count(), 3);
    list.Remove(0);
    EXPECT_EQ(list.Entry(0), L"c:\\A.WQV");
    EXPECT_EQ(list.Entry(2), L"");
    EXPECT_EQ(list.Entry(3), L"");
    EXPECT_EQ(list.Entry(-1), L"");
    list.Remove(7);
    EXPECT_EQ(list.Count(), 2);
}

TEST(RecentFileList, Size_isClampedTo16)
{
    EXPECT_EQ(fw::CRecentFileList(L"S", L"F%d", 20, 1).Size(), 16);
    EXPECT_EQ(fw::CRecentFileList(L"S", L"F%d", -2, 1).Size(), 0);
    fw::CRecentFileList none(L"S", L"F%d", 0, 1);
    none.Add(L"C:\\a.wqv");
    EXPECT_EQ(none.Count(), 0);
}

TEST(RecentFileList, ReadAndWrite_numberedKeysOfTheProfile)
{
    const std::wstring ini = TempIni(L"qv-recent");
    fw::CProfile profile;
    profile.UseIniFile(ini);
    fw::CRecentFileList list(L"Recent File List", L"File%d", 4, 57616);
    list.Add(L"C:\\old.wqv");
    list.Add(L"C:\\new.wqv");
    list.WriteList(profile);
    EXPECT_EQ(profile.GetString(L"Recent File List", L"File1", L"?"), L"C:\\new.wqv");
    EXPECT_EQ(profile.GetString(L"Recent File List", L"File3", L"?"), L"");

    fw::CRecentFileList read(L"Recent File List", L"File%d", 2, 57616);
    read.ReadList(profile);
    EXPECT_EQ(read.Entry(0), L"C:\\new.wqv");
    EXPECT_EQ(read.Entry(1), L"C:\\old.wqv");
    DeleteFileW(ini.c_str());
}

TEST(RecentFileList, UpdateMenu_replacesThePlaceholder)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 100, L"Open");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 57616, L"Recent file");
    AppendMenuW(menu, MF_STRING, 101, L"Exit");
    fw::CRecentFileList list(L"S", L"F%d", 4, 57616);
    list.Add(L"C:\\two.wqv");
    list.Add(L"C:\\R&D.wqv");
    list.UpdateMenu(menu);
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(GetMenuItemID(menu, 1), 57616u);
    EXPECT_EQ(MenuText(menu, 1), L"&1 C:\\R&&D.wqv");
    EXPECT_EQ(GetMenuItemID(menu, 2), 57617u);
    EXPECT_EQ(GetMenuItemID(menu, 3), 101u);

    list.Remove(0);
    list.Remove(0);
    list.UpdateMenu(menu);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    EXPECT_EQ(MenuText(menu, 1), L"Recent file");
    EXPECT_TRUE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_GRAYED);
    DestroyMenu(menu);
}

} // namespace
