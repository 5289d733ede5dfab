// The paged dialogs' templates and strings in the resource library, in the forms the viewer's
// dialogs expect.
#include "QV2ResVIds.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class DialogResourcesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX init{sizeof(init), ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&init);
        gModule = LoadLibraryW(L"QV2ResV.dll");
    }
    static void TearDownTestSuite() { FreeLibrary(gModule); }

    static std::wstring Text(UINT id)
    {
        const wchar_t* text = nullptr;
        const int n = LoadStringW(gModule, id, reinterpret_cast<LPWSTR>(&text), 0);
        return n > 0 ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
    }

    static std::wstring ClassOf(HWND window)
    {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        return name;
    }

    static INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

    // The template made into a hidden dialog (destroyed by the caller).
    static HWND Make(UINT id) { return CreateDialogParamW(gModule, MAKEINTRESOURCEW(id), nullptr, &NoDialogProc, 0); }

    static HMODULE gModule;
};

HMODULE DialogResourcesTest::gModule = nullptr;

TEST_F(DialogResourcesTest, Strings_everyIdentifierHasText)
{
    ASSERT_NE(gModule, nullptr);
    for (UINT id : {850u, 855u, 12300u, 12301u, 12302u, 12303u, 12310u, 12311u, 12312u, 12313u, 12320u, 12321u,
                    12322u, 12600u, 12601u, 12602u})
        EXPECT_FALSE(Text(id).empty()) << id;
    // The characters no file name may hold, the quote mark among them.
    EXPECT_EQ(Text(IDS_FILE_NAME_BAD_CHARS), L"\\/:*?\"<>|");
    // Rules separated by TAB characters, each a character and its replacement.
    EXPECT_NE(Text(IDS_HTML_FILE_NAME_RULES).find(L'\t'), std::wstring::npos);
    EXPECT_EQ(Text(IDS_REPORTS_EXPORT_EXTENSION).substr(0, 1), L".");
    EXPECT_EQ(Text(IDS_REPORTS_HTML_EXTENSION).substr(0, 1), L".");
    EXPECT_EQ(Text(IDS_REPORTS_HTML_FILTER).back(), L'|');
}

TEST_F(DialogResourcesTest, OptionsDialog_unsortedListAndHiddenPageArea)
{
    HWND dialog = Make(IDD_OPTIONS);
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IDC_OPTIONS_LIST);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ClassOf(list), L"ListBox");
    // The list's order is the page order: the list box must not sort.
    EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & LBS_SORT);
    EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LBS_NOTIFY);
    EXPECT_FALSE(GetWindowLongW(GetDlgItem(dialog, IDC_PAGE_AREA), GWL_STYLE) & WS_VISIBLE);
    EXPECT_NE(GetDlgItem(dialog, IDOK), nullptr);
    EXPECT_NE(GetDlgItem(dialog, IDCANCEL), nullptr);
    DestroyWindow(dialog);
}

TEST_F(DialogResourcesTest, ViewSettingsDialog_treeNoPageTextAndPageArea)
{
    HWND dialog = Make(IDD_VIEW_SETTINGS);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ClassOf(GetDlgItem(dialog, IDC_VIEW_SETTINGS_TREE)), WC_TREEVIEWW);
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, IDC_NO_PAGE), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(GetWindowLongW(GetDlgItem(dialog, IDC_PAGE_AREA), GWL_STYLE) & WS_VISIBLE);
    DestroyWindow(dialog);
}

TEST_F(DialogResourcesTest, ReportsDialog_controlsAndTheRunButtonAsDefault)
{
    HWND dialog = Make(IDD_REPORTS);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ClassOf(GetDlgItem(dialog, IDC_REPORTS_TREE)), WC_TREEVIEWW);
    for (int id : {IDC_REPORTS_PRINT_SETUP, IDC_REPORTS_PRINT, IDC_REPORTS_RUN, IDC_REPORTS_OUTPUT_PRINTER,
                   IDC_REPORTS_OUTPUT_EXPORT, IDC_REPORTS_OUTPUT_HTML, IDC_NO_PAGE, IDCANCEL})
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) << id;
    EXPECT_FALSE(GetWindowLongW(GetDlgItem(dialog, IDC_REPORTS_OPTIONS_BUTTON), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(GetWindowLongW(GetDlgItem(dialog, IDC_PAGE_AREA), GWL_STYLE) & WS_VISIBLE);
    // Without an OK button Enter runs the chosen output.
    EXPECT_EQ(GetDlgItem(dialog, IDOK), nullptr);
    EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), IDC_REPORTS_RUN);
    // The three outputs are one radio group.
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, IDC_REPORTS_OUTPUT_PRINTER), GWL_STYLE) & WS_GROUP);
    EXPECT_FALSE(GetWindowLongW(GetDlgItem(dialog, IDC_REPORTS_OUTPUT_HTML), GWL_STYLE) & WS_GROUP);
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, IDC_REPORTS_PRINT_SETUP), GWL_STYLE) & WS_GROUP);
    DestroyWindow(dialog);
}

} // namespace
