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
    // Hebrew, Japanese, Arabic and an emoji: text no 8-bit code page holds all of.
    const std::wstring header = L"\u05E9\u05DC\u05D5\u05DD \u65E5\u672C\u8A9E \u0645\u0631\u062D\u0628\u0627 \U0001F600";
    const std::wstring commandLine = L"\"" + bin + L"Win-Quorvia2-Viewer.exe\" /i \"" + ini +
                                     L"\" /s \"ReportsPrinterHeader=" + header + L"\" \"" + sample + L"\"";

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
    // Closing saved the viewer's keys to the initialization file, which it made UTF-16 so that
    // the next start reads them as they were given.
    EXPECT_EQ(qvtest::ReadFileBytes(ini).substr(0, 2), "\xFF\xFE");
    EXPECT_NE(qvtest::ReadIniText(ini).find(L"[Basic]"), std::wstring::npos);
    wchar_t saved[256] = {};
    GetPrivateProfileStringW(L"Reports", L"ReportsPrinterHeader", L"", saved, 256, ini.c_str());
    EXPECT_EQ(std::wstring(saved), header);
}

} // namespace
