#include "FileSearch.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

std::vector<std::wstring> Relative(const qvtest::CTempFolder& folder, std::vector<std::wstring> paths)
{
    for (std::wstring& path : paths)
        path.erase(0, folder.Path().size() + 1);
    return paths;
}

TEST(FileSearch, SearchFiles_depthFirstWithExtensionIgnoringCase)
{
    qvtest::CTempFolder folder;
    folder.Write(L"top\\a.qvp", "");
    folder.Write(L"top\\b.QVP", "");
    folder.Write(L"top\\c.dll", "");
    folder.Write(L"top\\sub\\d.qvp", "");
    folder.Write(L"top\\sub\\deeper\\e.qvp", "");
    folder.Write(L"top\\f.qvp.bak", "");
    std::vector<std::wstring> found;
    EXPECT_EQ(SearchFiles(folder.File(L"top"), L".qvp", true, found), 4u);
    found = Relative(folder, found);
    std::vector<std::wstring> sorted = found;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::wstring>{L"top\\a.qvp", L"top\\b.QVP", L"top\\sub\\d.qvp",
                                                 L"top\\sub\\deeper\\e.qvp"}));
    // Depth first: the sub-folder's files stand together, whatever order the file system gives.
    const auto d = std::find(found.begin(), found.end(), L"top\\sub\\d.qvp") - found.begin();
    const auto e = std::find(found.begin(), found.end(), L"top\\sub\\deeper\\e.qvp") - found.begin();
    EXPECT_EQ(std::abs(d - e), 1);
}

TEST(FileSearch, SearchFiles_notRecursiveAndEmptyCases)
{
    qvtest::CTempFolder folder;
    folder.Write(L"a.qvs", "");
    folder.Write(L"sub\\b.qvs", "");
    std::vector<std::wstring> found;
    EXPECT_EQ(SearchFiles(folder.Path(), L".qvs", false, found), 1u);
    found.clear();
    EXPECT_EQ(SearchFiles(folder.Path(), L"", true, found), 2u);
    found.clear();
    EXPECT_EQ(SearchFiles(L"", L".qvs", true, found), 0u);
    EXPECT_EQ(SearchFiles(folder.File(L"missing"), L".qvs", true, found), 0u);
    // The result counts what the list holds, also entries from before.
    found.assign(3, L"x");
    EXPECT_EQ(SearchFiles(folder.Path(), L".qvs", false, found), 4u);
}

TEST(FileSearch, SearchFiles_doesNotEnterLinkedFolders)
{
    qvtest::CTempFolder folder;
    folder.Write(L"top\\a.qvp", "");
    const std::wstring link = folder.File(L"top\\loop");
    if (!CreateSymbolicLinkW(link.c_str(), folder.File(L"top").c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY))
        GTEST_SKIP() << "this system cannot make a folder link here";
    std::vector<std::wstring> found;
    EXPECT_EQ(SearchFiles(folder.File(L"top"), L".qvp", true, found), 1u);
    RemoveDirectoryW(link.c_str());
}

} // namespace
