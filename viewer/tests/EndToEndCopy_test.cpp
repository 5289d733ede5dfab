// The real viewer copies the listed tasks of a project; another program reads them from the
// clipboard, as text and as task records.
#include "ViewerProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace qvtest;

// What another program finds on the clipboard: the text, and whether the task records are there.
std::wstring PastedText(bool& withRecords)
{
    std::wstring text;
    withRecords = false;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    withRecords = IsClipboardFormatAvailable(RegisterClipboardFormatW(L"Quorvia2 task records")) != FALSE;
    CloseClipboard();
    return text;
}

TEST(EndToEnd, ListedTasksCopiedAreReadByAnotherProgram)
{
    const std::wstring bin = qvtest::BinFolder();
    const std::wstring sample = qvtest::TestProgramFolder() + L"viewer_e2e\\sample.wqv";
    qvtest::CTempFolder folder;
    CViewerProcess viewer(bin, L"\"" + bin + L"Win-Quorvia2-Viewer.exe\" /i \"" + folder.File(L"viewer.ini") +
                                   L"\" \"" + sample + L"\"");
    ASSERT_TRUE(viewer.started);
    ASSERT_NE(viewer.frame, nullptr) << "no main window; " << viewer.WhyNoWindow();

    // Select the listed tasks, then copy: sent, so each has run when the call returns.
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutW(viewer.frame, WM_COMMAND, 32792, 0, SMTO_NORMAL, GuardMs(), &answer));
    ASSERT_TRUE(SendMessageTimeoutW(viewer.frame, WM_COMMAND, 57634, 0, SMTO_NORMAL, GuardMs(), &answer));
    bool withRecords = false;
    const std::wstring text = PastedText(withRecords);
    EXPECT_TRUE(withRecords);
    // One of the sample's tasks, field by field as the clipboard carries it.
    EXPECT_NE(text.find(L"\"Survey kitchen Meier\"\t\"Anna Berger\"\t\"Measure walls & windows\"\t20260302\t08:00\t"
                        L"20260302\t12:00\t"),
              std::wstring::npos)
        << Narrow(text);
    EXPECT_EQ(viewer.CloseAndWait(), 0);
}

} // namespace
