#include "ViewerUtil.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewerUtil, GetSortNamePart_onlyTheFirstBracketCounts)
{
    EXPECT_EQ(GetSortNamePart(L"[02]Alpha", 0), L"02Alpha");
    EXPECT_EQ(GetSortNamePart(L"[02]Alpha", 1), L"Alpha");
    EXPECT_EQ(GetSortNamePart(L"[02]Alpha", 2), L"[02]Alpha");
    EXPECT_EQ(GetSortNamePart(L"[a]b]c", 0), L"ab]c");
    EXPECT_EQ(GetSortNamePart(L"[a]b]c", 1), L"b]c");
    EXPECT_EQ(GetSortNamePart(L"[open", 0), L"[open");
    EXPECT_EQ(GetSortNamePart(L"[open", 1), L"[open");
    EXPECT_EQ(GetSortNamePart(L"x[1]y", 1), L"x[1]y");
    EXPECT_EQ(GetSortNamePart(L"", 1), L"");
}

TEST(ViewerUtil, CompareSortNames_keysDecideIgnoringCase)
{
    EXPECT_TRUE(CompareSortNames(L"[1]Zulu", L"[2]Alpha"));
    EXPECT_FALSE(CompareSortNames(L"[2]Alpha", L"[1]Zulu"));
    EXPECT_TRUE(CompareSortNames(L"apple", L"Banana"));
    EXPECT_FALSE(CompareSortNames(L"APPLE", L"apple"));
    EXPECT_FALSE(CompareSortNames(L"apple", L"APPLE"));
}

TEST(ViewerUtil, Paths_splitAndJoin)
{
    EXPECT_EQ(GetPathFolder(L"C:\\data\\plan.wqv"), L"C:\\data\\");
    EXPECT_EQ(GetPathFileName(L"C:\\data\\plan.wqv"), L"plan.wqv");
    EXPECT_EQ(GetPathFolder(L"C:plan.wqv"), L"C:");
    EXPECT_EQ(GetPathFolder(L"plan.wqv"), L"");
    EXPECT_EQ(GetPathExtension(L"C:\\a.b\\plan.Wqv"), L".Wqv");
    EXPECT_EQ(GetPathExtension(L"C:\\a.b\\plan"), L"");
    EXPECT_EQ(JoinPath(L"C:\\a\\", L"b"), L"C:\\a\\b");
    EXPECT_EQ(JoinPath(L"C:\\a", L"b"), L"C:\\a\\b");
    EXPECT_EQ(ResolveAgainst(L"C:\\base", L"..\\x\\y.ini"), L"C:\\x\\y.ini");
    EXPECT_EQ(ResolveAgainst(L"C:\\base", L"D:\\y.ini"), L"D:\\y.ini");
    EXPECT_EQ(ResolveAgainst(L"C:\\base", L""), L"");
}

TEST(ViewerUtil, GetFullPath_longPathsAreNotCut)
{
    std::wstring path = L"C:\\";
    while (path.size() < 600)
        path += L"folder\\";
    path += L"file.wqv";
    EXPECT_EQ(GetFullPath(path), path);
}

TEST(ViewerUtil, Files_existenceTellsFilesFromFolders)
{
    qvtest::CTempFolder folder;
    folder.Write(L"a.txt", "x");
    folder.MakeFolder(L"sub");
    EXPECT_TRUE(IsExistingFile(folder.File(L"a.txt")));
    EXPECT_FALSE(IsExistingFile(folder.File(L"sub")));
    EXPECT_TRUE(IsExistingFolder(folder.File(L"sub")));
    EXPECT_FALSE(IsExistingFolder(folder.File(L"a.txt")));
    EXPECT_FALSE(IsExistingFile(L""));
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(folder.File(L"a.txt"), bytes));
    EXPECT_EQ(bytes, "x");
    EXPECT_FALSE(ReadWholeFile(folder.File(L"none"), bytes));
}

TEST(ViewerUtil, GetVersionString_readsTheVersionBlock)
{
    const std::wstring library = qvtest::BinFolder() + L"QV2ResV.dll";
    EXPECT_EQ(GetVersionString(library, L"ProductVersion"), L"2.0.1.1");
    EXPECT_EQ(GetVersionString(library, L"").size(), 8u);
    EXPECT_EQ(GetVersionString(library, L"NoSuchValue"), L"");
    EXPECT_EQ(GetVersionString(qvtest::BinFolder() + L"missing.dll", L"ProductVersion"), L"");
}

} // namespace
