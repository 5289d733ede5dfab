// The real viewer with the real libraries and plug-ins, started as its own process under the
// virtual display: its main window appears with the project in its title, and it closes cleanly.
#include "ViewerProcess.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace qvtest;

TEST(EndToEnd, ViewerStartsShowsItsProjectAndClosesCleanly)
{
    const std::wstring bin = qvtest::BinFolder();
    qvtest::CTempFolder folder;
    const std::wstring sample = qvtest::TestProgramFolder() + L"viewer_e2e\\sample.wqv";
    ASSERT_NE(GetFileAttributesW(sample.c_str()), INVALID_FILE_ATTRIBUTES) << "the sample project is copied beside the test";
    const std::wstring ini = folder.File(L"viewer.ini");
    const std::wstring commandLine =
        L"\"" + bin + L"Win-Quorvia2-Viewer.exe\" /i \"" + ini + L"\" \"" + sample + L"\"";

    CViewerProcess viewer(bin, commandLine);
    ASSERT_TRUE(viewer.started);
    ASSERT_NE(viewer.frame, nullptr) << "no main window; " << viewer.WhyNoWindow();
    HWND frame = viewer.frame;
    wchar_t title[1024] = {};
    GetWindowTextW(frame, title, 1024);
    EXPECT_NE(std::wstring(title).find(L"sample.wqv"), std::wstring::npos) << Narrow(title);
    EXPECT_TRUE(IsWindowVisible(frame));
    HWND view = FindWindowExW(frame, nullptr, L"QvMainView", nullptr);
    ASSERT_NE(view, nullptr);
    EXPECT_NE(FindWindowExW(view, nullptr, L"QvBoardView", nullptr), nullptr);
    EXPECT_NE(FindWindowExW(frame, nullptr, TOOLBARCLASSNAMEW, nullptr), nullptr);
    EXPECT_NE(FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr), nullptr);

    EXPECT_EQ(viewer.CloseAndWait(), 0);
    // Closing saved the viewer's keys to the initialization file.
    EXPECT_NE(qvtest::ReadFileBytes(ini).find("[Basic]"), std::string::npos);
}

} // namespace
