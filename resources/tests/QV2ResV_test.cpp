// The resource library holds every identifier the viewer loads, in the forms the code expects.
#include "QV2ResVIds.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ResourceLibraryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gModule = LoadLibraryExW(L"QV2ResV.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE); }
    static void TearDownTestSuite() { FreeLibrary(gModule); }

    static std::wstring Text(UINT id)
    {
        const wchar_t* text = nullptr;
        const int n = LoadStringW(gModule, id, reinterpret_cast<LPWSTR>(&text), 0);
        return n > 0 ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
    }

    static size_t Count(const std::wstring& text, const std::wstring& part)
    {
        size_t n = 0;
        for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

    static HMODULE gModule;
};

HMODULE ResourceLibraryTest::gModule = nullptr;

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST_F(ResourceLibraryTest, Strings_everyIdentifierHasText)
{
    ASSERT_NE(gModule, nullptr);
    for (UINT id : {150u, 151u, 170u, 171u, 172u, 173u, 175u, 180u, 181u, 185u, 186u, 207u, 208u, 230u, 232u, 900u,
                    903u, 904u, 905u, 906u, 907u, 908u, 909u, 910u, 911u, 912u, 913u, 914u, 915u, 916u, 928u, 929u,
                    930u, 931u, 932u, 933u, 934u, 935u, 1100u, 1101u, 12010u, 12350u, 12351u, 12357u, 12358u, 12450u,
                    12555u, 13285u, 20150u, 20151u, 57344u, 57345u, 57348u, 61705u})
        EXPECT_FALSE(Text(id).empty()) << id;
}

TEST_F(ResourceLibraryTest, Strings_formatsHoldOnePlaceholder)
{
    for (UINT id : {232u, 900u, 904u, 905u, 906u, 907u, 908u, 910u, 911u, 912u, 913u, 914u, 915u, 928u, 929u, 930u,
                    931u, 932u, 935u, 1100u, 1101u, 13285u, 20151u})
        EXPECT_EQ(Count(Text(id), L"%s"), 1u) << id;
    EXPECT_EQ(Count(Text(12555), L"%s"), 2u);
    for (UINT id : {903u, 909u, 933u, 934u, 12450u, 20150u, 61705u})
        EXPECT_EQ(Count(Text(id), L"%"), 0u) << id;
}

TEST_F(ResourceLibraryTest, LibraryNames_nameTheFilesOfTheProgramFolder)
{
    // Tests run in the program folder, where the deliverables lie.
    for (UINT id : {170u, 171u, 172u, 173u, 175u}) {
        const std::wstring name = Text(id);
        const DWORD attributes = GetFileAttributesW(name.c_str());
        EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << id;
    }
    EXPECT_EQ(Text(185).substr(0, 1), L".");
    EXPECT_EQ(Text(186).substr(0, 1), L".");
}

TEST_F(ResourceLibraryTest, Menus_toolbarIconAndDialogs)
{
    for (UINT id : {104u, 128u, 130u, 132u})
        EXPECT_NE(FindResourceW(gModule, MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(RT_MENU)), nullptr) << id;
    for (UINT id : {100u, 149u, 30812u, 30813u})
        EXPECT_NE(FindResourceW(gModule, MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(RT_DIALOG)), nullptr) << id;
    EXPECT_NE(FindResourceW(gModule, MAKEINTRESOURCEW(128), reinterpret_cast<LPCWSTR>(RT_GROUP_ICON)), nullptr);
    EXPECT_NE(FindResourceW(gModule, MAKEINTRESOURCEW(128), reinterpret_cast<LPCWSTR>(RT_ACCELERATOR)), nullptr);
    EXPECT_NE(FindResourceW(gModule, MAKEINTRESOURCEW(32001), reinterpret_cast<LPCWSTR>(RT_BITMAP)), nullptr);

    // Tool-bar layout: version 1, button size, count, then one command per button.
    HRSRC found = FindResourceW(gModule, MAKEINTRESOURCEW(32001), MAKEINTRESOURCEW(241));
    ASSERT_NE(found, nullptr);
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(gModule, found)));
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(words[0], 1);
    EXPECT_EQ(words[1], 16);
    EXPECT_EQ(words[2], 15);
    ASSERT_EQ(SizeofResource(gModule, found), (4u + words[3]) * sizeof(WORD));
    bool hasZoomPlaceholder = false;
    for (WORD i = 0; i < words[3]; ++i)
        hasZoomPlaceholder |= words[4 + i] == IDM_VIEW_ZOOM_PLACEHOLDER;
    EXPECT_TRUE(hasZoomPlaceholder);
}

TEST_F(ResourceLibraryTest, Commands_promptAndTipOfEveryToolBarButton)
{
    HRSRC found = FindResourceW(gModule, MAKEINTRESOURCEW(IDR_TOOLBAR_MAIN), MAKEINTRESOURCEW(241));
    ASSERT_NE(found, nullptr);
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(gModule, found)));
    for (WORD i = 0; i < words[3]; ++i) {
        const UINT id = words[4 + i];
        if (id == 0 || id == IDM_VIEW_ZOOM_PLACEHOLDER)
            continue;
        const std::wstring text = Text(id);
        const size_t newline = text.find(L'\n');
        ASSERT_NE(newline, std::wstring::npos) << id;
        EXPECT_GT(newline, 0u) << id;
        EXPECT_LT(newline + 1, text.size()) << id;
    }
}

TEST_F(ResourceLibraryTest, PreviewBar_buttonsCounterAndIcons)
{
    // A child dialog needs a parent.
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND bar = CreateDialogParamW(gModule, MAKEINTRESOURCEW(IDD_PREVIEW_BAR), parent, &NoDialogProc, 0);
    ASSERT_NE(bar, nullptr);
    for (int id : {IDM_PREVIEW_FIRST, IDM_PREVIEW_LAST, IDM_PREVIEW_CLOSE, IDM_PREVIEW_NEXT, IDM_PREVIEW_PREV,
                   IDM_PREVIEW_PRINT, IDM_PREVIEW_ZOOM_IN, IDM_PREVIEW_ZOOM_OUT, IDC_PREVIEW_PAGES})
        EXPECT_NE(GetDlgItem(bar, id), nullptr) << id;
    EXPECT_TRUE(GetWindowLongW(bar, GWL_STYLE) & WS_CHILD);
    DestroyWindow(parent);
    for (UINT id : {150u, 151u, 158u, 161u, 162u, 165u, 166u}) {
        HICON icon = static_cast<HICON>(LoadImageW(gModule, MAKEINTRESOURCEW(id), IMAGE_ICON, 32, 32, 0));
        EXPECT_NE(icon, nullptr) << id;
        if (icon)
            DestroyIcon(icon);
    }
}

TEST_F(ResourceLibraryTest, FilterMenus_holdTheListPlaceholder)
{
    HMENU menu = LoadMenuW(gModule, MAKEINTRESOURCEW(IDR_MENU_FILTER));
    ASSERT_NE(menu, nullptr);
    EXPECT_NE(GetMenuState(GetSubMenu(menu, 0), IDM_FILTER_FIRST, MF_BYCOMMAND), static_cast<UINT>(-1));
    DestroyMenu(menu);
    menu = LoadMenuW(gModule, MAKEINTRESOURCEW(IDR_MAINFRAME));
    bool found = false;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        found |= GetMenuState(GetSubMenu(menu, i), IDM_FILTER_FIRST, MF_BYCOMMAND) != static_cast<UINT>(-1);
    EXPECT_TRUE(found);
    DestroyMenu(menu);
}

TEST_F(ResourceLibraryTest, MainMenu_holdsTheCommandsTheFrameRemoves)
{
    HMENU menu = LoadMenuW(gModule, MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(menu, nullptr);
    EXPECT_NE(GetMenuState(GetSubMenu(menu, 0), IDM_FILE_OPTIONS, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(GetSubMenu(menu, 2), IDM_TOOLS_ADMINISTRATION, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(GetSubMenu(menu, 0), IDM_FILE_RECENT_FIRST, MF_BYCOMMAND), static_cast<UINT>(-1));
    DestroyMenu(menu);
}

// ---- Calendar, holidays and information dialogs
TEST_F(ResourceLibraryTest, CalendarHolidaysAndInformation_templatesAndStrings)
{
    for (UINT id : {IDD_CALENDAR, IDD_HOLIDAYS, IDD_INFO, IDD_CALENDARS, IDD_DATE_SELECTOR})
        EXPECT_NE(FindResourceW(gModule, MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(RT_DIALOG)), nullptr) << id;
    for (UINT id = 12100; id <= 12107; ++id)
        EXPECT_FALSE(Text(id).empty()) << id;
    for (UINT id = 12140; id <= 12148; ++id)
        EXPECT_FALSE(Text(id).empty()) << id;
    for (UINT id = 12210; id <= 12216; ++id)
        EXPECT_FALSE(Text(id).empty()) << id;
    for (UINT id : {12115u, 12116u, 12125u, 12126u, 12170u, 12172u, 12173u, 12174u, 12190u, 12795u, 12796u, 13021u,
                    13022u, 13023u})
        EXPECT_FALSE(Text(id).empty()) << id;
    EXPECT_EQ(Count(Text(13020), L"%s"), 1u);
    EXPECT_EQ(Count(Text(13024), L"%s"), 2u);
    EXPECT_EQ(Count(Text(13025), L"%s"), 3u);
    EXPECT_EQ(Count(Text(12143), L"%s"), 2u);
    EXPECT_EQ(Count(Text(12145), L"%s"), 5u);
    EXPECT_EQ(Count(Text(12190), L"%d"), 1u);
    EXPECT_EQ(Count(Text(12190), L"%s"), 1u);
    EXPECT_EQ(Count(Text(12213), L"%s"), 1u);
    EXPECT_EQ(Count(Text(12214), L"%s"), 3u);
    EXPECT_EQ(Count(Text(12215), L"%s"), 1u);
    // The information file's head and page titles end their lines.
    EXPECT_EQ(Text(12214).substr(Text(12214).size() - 2), L"\r\n");
    EXPECT_EQ(Text(12215).substr(Text(12215).size() - 2), L"\r\n");
}

// ---- The viewer's own option pages and the sort dialog
TEST_F(ResourceLibraryTest, OwnPages_stringsTemplatesAndTheSortIcon)
{
    for (UINT id : {129u, 5100u, 5101u, 10500u, 12400u, 12401u, 14100u, 14101u, 14102u, 14150u, 14151u, 14152u,
                    14156u, 14160u})
        EXPECT_FALSE(Text(id).empty()) << id;
    EXPECT_EQ(Count(Text(14160), L"%"), 0u);
    for (UINT id : {153u, 30783u, 30812u, 30813u, 30814u})
        EXPECT_NE(FindResourceW(gModule, MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(RT_DIALOG)), nullptr) << id;
    HICON icon = static_cast<HICON>(LoadImageW(gModule, MAKEINTRESOURCEW(168), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr);
    if (icon)
        DestroyIcon(icon);
}

// ---- Typed edits of the controls library in every dialog template
BOOL CALLBACK CollectDialog(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    // Every template is known by a number, which outlives the enumeration.
    reinterpret_cast<std::vector<LPCWSTR>*>(found)->push_back(name);
    return TRUE;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM found)
{
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window)
{
    std::vector<HWND> found;
    EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST_F(ResourceLibraryTest, TypedEdits_everyTemplateLeavesTheirTextItsFullHeight)
{
    // The controls library registers its classes while it loads.
    HMODULE controls = LoadLibraryW(L"RKComControls2.dll");
    ASSERT_NE(controls, nullptr);
    std::vector<LPCWSTR> templates;
    EnumResourceNamesW(gModule, reinterpret_cast<LPCWSTR>(RT_DIALOG), &CollectDialog,
                       reinterpret_cast<LONG_PTR>(&templates));
    ASSERT_FALSE(templates.empty());
    // Pages are child dialogs: they need a parent.
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    int edits = 0;
    for (LPCWSTR name : templates) {
        ASSERT_TRUE(IS_INTRESOURCE(name));
        const auto id = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name));
        HWND dialog = CreateDialogParamW(gModule, name, parent, &NoDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << id;
        for (HWND control : Descendants(dialog)) {
            const std::wstring type = ClassOf(control);
            if (GetParent(control) != dialog || type.rfind(L"RKCC2", 0) != 0)
                continue;
            // Every edit inside the control (a period has two) shows a whole line of its font.
            for (HWND inner : Descendants(control)) {
                if (lstrcmpiW(ClassOf(inner).c_str(), L"Edit") != 0)
                    continue;
                RECT client{};
                GetClientRect(inner, &client);
                HDC dc = GetDC(inner);
                HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(inner, WM_GETFONT, 0, 0)));
                TEXTMETRICW metrics{};
                GetTextMetricsW(dc, &metrics);
                SelectObject(dc, previous);
                ReleaseDC(inner, dc);
                EXPECT_GE(client.bottom, metrics.tmHeight)
                    << "template " << id << ", control " << GetDlgCtrlID(control) << " (" << type << ")";
                ++edits;
            }
        }
        DestroyWindow(dialog);
    }
    DestroyWindow(parent);
    EXPECT_GT(edits, 0);
}

} // namespace
