// The report plug-in's resources in the viewer's resource library, in the forms the code uses:
// every string it loads, formats with the arguments the code passes, the page templates with
// the controls the code names, the period menu and the two pictures.
#include "CoreTestEnv.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

namespace {

size_t Count(const std::wstring& text, const std::wstring& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

using ReportResourcesTest = ReportTest;

TEST_F(ReportResourcesTest, Strings_everyIdentifierHasText)
{
    // Each report's name and the description after it.
    for (UINT id : {40100u, 40200u, 40235u, 40300u, 40400u, 40500u, 40600u}) {
        EXPECT_FALSE(fw::LoadResString(id).empty()) << id;
        EXPECT_FALSE(fw::LoadResString(id + 1).empty()) << id + 1;
    }
    for (UINT id : {40000u, 40020u, 1220u, 1221u, 1222u, 1223u, 1224u, 1225u, 1240u, 1241u, 9501u, 9511u, 9520u,
                    10150u, 10151u, 10152u, 10180u, 10181u, 10200u, 10330u, 10500u, 38000u, 38001u, 38002u, 38020u,
                    40304u, 40305u, 40306u, 40315u, 40316u, 40317u, 40318u, 40319u, 40320u, 40321u, 40322u, 40323u,
                    40324u, 40330u, 13026u, 13027u, 13030u, 23250u, 23251u, 23252u, 23253u, 23254u, 23255u, 23256u,
                    23260u})
        EXPECT_FALSE(fw::LoadResString(id).empty()) << id;
    // The holidays, calendars and resources reports, and what the list reports share.
    for (UINT id : {9510u,  13160u, 13161u, 40050u, 40054u, 40055u, 40056u, 40057u, 40059u, 40073u, 40086u, 40092u,
                    40104u, 40105u, 40106u, 40115u, 40116u, 40204u, 40205u, 40206u, 40215u, 40216u, 40220u, 40221u,
                    40222u, 40223u, 40224u, 40240u, 40241u, 40242u, 40243u, 40244u, 40250u, 40251u, 40252u, 40253u,
                    40254u, 40255u, 40256u, 40260u, 40261u, 40276u, 40280u, 40427u, 40428u, 40429u, 40450u})
        EXPECT_FALSE(fw::LoadResString(id).empty()) << id;
    // The schedule chart: its page, units, options, chart font and time-bar captions.
    for (UINT id : {40071u, 40072u, 40073u, 40074u, 40604u, 40605u, 40606u, 40620u, 40621u, 40630u, 21100u, 14000u,
                    14001u, 14002u, 14003u, 14004u, 14005u})
        EXPECT_FALSE(fw::LoadResString(id).empty()) << id;
}

TEST_F(ReportResourcesTest, Formats_placeholdersForTheArgumentsGiven)
{
    const std::pair<UINT, size_t> textFormats[] = {{40020, 2}, {10200, 1}, {38001, 2}, {38002, 4}, {13026, 2},
                                                   {40086, 1}, {40256, 1}, {40261, 2}, {14001, 2}, {14002, 2},
                                                   {40630, 1}};
    for (const auto& [id, count] : textFormats)
        EXPECT_EQ(Count(fw::LoadResString(id), L"%s"), count) << id;
    EXPECT_EQ(Count(fw::LoadResString(1220), L"%d"), 3u);
    EXPECT_EQ(Count(fw::LoadResString(1225), L"%d"), 1u);
    EXPECT_EQ(Count(fw::LoadResString(14000), L"%d"), 1u);
    EXPECT_EQ(Count(fw::LoadResString(14002), L"%d"), 1u);
    EXPECT_EQ(Count(fw::LoadResString(40630), L"%d"), 5u);
    for (UINT picture : {14003u, 14004u, 14005u})
        EXPECT_EQ(fw::LoadResString(picture).find(L'%'), std::wstring::npos) << picture;
    // The costs formats build a format: one %d now, then a real number (and the currency).
    EXPECT_EQ(Count(fw::LoadResString(1240), L"%d"), 1u);
    EXPECT_EQ(Count(fw::LoadResString(1240), L"%%s"), 1u);
    EXPECT_EQ(Count(fw::LoadResString(1241), L"%%s"), 0u);
}

TEST_F(ReportResourcesTest, PagesMenuAndPictures)
{
    const HINSTANCE module = fw::ResourceModule();
    for (UINT id : {IDD_REPORT_PAGE_PERIOD, IDD_REPORT_PAGE_LIST, IDD_REPORT_PAGE_SCHEDULE})
        EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(RT_DIALOG)), nullptr) << id;
    // The period page carries the line of text the calendars page fills.
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND page = CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_REPORT_PAGE_PERIOD), parent, &NoDialogProc, 0);
    ASSERT_NE(page, nullptr);
    for (int control : {IDC_REPORT_TITLE, IDC_REPORT_PERIOD_BUTTON, IDC_REPORT_PAGE_HINT})
        EXPECT_NE(GetDlgItem(page, control), nullptr) << control;
    DestroyWindow(page);
    // The schedule page: period radios and dates, the printer and HTML size groups, the tree.
    page = CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_REPORT_PAGE_SCHEDULE), parent, &NoDialogProc, 0);
    ASSERT_NE(page, nullptr);
    for (int control : {IDC_REPORT_TITLE, IDC_SCHEDULE_PERIOD_VIEW, IDC_SCHEDULE_PERIOD_CURRENT,
                        IDC_SCHEDULE_PERIOD_FIXED, IDC_SCHEDULE_SCALE_LABEL, IDC_SCHEDULE_WIDTH_UNIT,
                        IDC_SCHEDULE_HEIGHT_UNIT, IDC_SCHEDULE_NAME_WIDTH_LABEL, IDC_SCHEDULE_NAME_WIDTH_UNIT,
                        IDC_SCHEDULE_HTML_NAME_WIDTH_LABEL, IDC_SCHEDULE_HTML_NAME_WIDTH_UNIT})
        EXPECT_NE(GetDlgItem(page, control), nullptr) << control;
    DestroyWindow(page);
    DestroyWindow(parent);
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(IDR_MENU_REPORT_PERIOD));
    ASSERT_NE(menu, nullptr);
    HMENU periods = GetSubMenu(menu, 0);
    for (UINT command : {IDM_PERIOD_PROJECT, IDM_PERIOD_VIEW, IDM_PERIOD_MONTH, IDM_PERIOD_YEAR, IDM_PERIOD_TODAY})
        EXPECT_NE(GetMenuState(periods, command, MF_BYCOMMAND), static_cast<UINT>(-1)) << command;
    DestroyMenu(menu);
    for (UINT id : {IDB_REPORT_OPTIONS_GROUP, IDB_REPORT_OPTIONS_LIST}) {
        HANDLE bitmap = LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0);
        ASSERT_NE(bitmap, nullptr) << id;
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, 16) << id;
        DeleteObject(bitmap);
    }
    HANDLE icon = LoadImageW(module, MAKEINTRESOURCEW(IDI_REPORT_PERIOD), IMAGE_ICON, 16, 16, 0);
    EXPECT_NE(icon, nullptr);
    DestroyIcon(static_cast<HICON>(icon));
}

} // namespace
