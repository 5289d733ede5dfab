// The list reports' option pages inside the loaded plug-in on the real controls library: the
// page templates make the library's options tree and date period, and the pages fill and read
// them through their messages as in the viewer's reports dialog.
#include "PluginTestEnv.h"

#include "ControlDoubles.h"

#include "QV2ResVReportIds.h"
#include "RKComControls2.h"
#include "TDateTime.h"

#include <commctrl.h>

#include <cstring>

namespace {

class RealControlPagesTest : public PluginTest {
protected:
    void SetUp() override
    {
        PluginTest::SetUp();
        static HMODULE library = LoadLibraryW((rtest::BinFolder() + L"RKComControls2.dll").c_str());
        ASSERT_NE(library, nullptr);
        Record(L"Filters"); // registers the reports once
        ASSERT_NE(host.Hwnd(), nullptr);
    }
    void TearDown() override
    {
        if (page)
            DestroyWindow(page);
        PluginTest::TearDown();
    }
    void Create(const wchar_t* name)
    {
        for (const ReportRegistration& report : host::Reports()) {
            if (std::wcscmp(report.Name, name) != 0)
                continue;
            ReportPageRecord record{};
            ASSERT_NE(report.CreatePage(host.Hwnd(), 200, 150, &record), 0);
            page = record.Page;
        }
        ASSERT_NE(page, nullptr);
        wchar_t className[64] = {};
        GetClassNameW(Options(), className, 64);
        ASSERT_STREQ(className, RKCC2_CLASS_OPTIONSTREE);
    }
    HWND Options() const { return GetDlgItem(page, IDC_REPORT_OPTIONS); }
    HWND Tree() const { return reinterpret_cast<HWND>(SendMessageW(Options(), RKCC2M_OPTIONSTREE_GETINNERCTRL, 0, 0)); }
    std::wstring Text(HTREEITEM item) const
    {
        wchar_t text[128] = {};
        TVITEMW data{};
        data.mask = TVIF_TEXT | TVIF_HANDLE;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = 128;
        TreeView_GetItem(Tree(), &data);
        return text;
    }
    // Roots with their children, "[x]" after a checked item, "*" after the selected radio.
    std::wstring Outline() const
    {
        HWND tree = Tree();
        std::wstring text;
        for (HTREEITEM root = TreeView_GetRoot(tree); root; root = TreeView_GetNextSibling(tree, root)) {
            const LRESULT radio =
                SendMessageW(Options(), RKCC2M_OPTIONSTREE_GETRADIO, 0, reinterpret_cast<LPARAM>(root));
            text += Text(root) + L"(";
            int index = 0;
            for (HTREEITEM child = TreeView_GetChild(tree, root); child; child = TreeView_GetNextSibling(tree, child)) {
                text += Text(child);
                if (SendMessageW(Options(), RKCC2M_OPTIONSTREE_GETCHECK, 0, reinterpret_cast<LPARAM>(child)) == 1)
                    text += L"[x]";
                if (radio == index++)
                    text += L"*";
                text += L";";
            }
            text += L")";
        }
        return text;
    }
    HTREEITEM Child(const std::wstring& name) const
    {
        HWND tree = Tree();
        for (HTREEITEM root = TreeView_GetRoot(tree); root; root = TreeView_GetNextSibling(tree, root)) {
            for (HTREEITEM child = TreeView_GetChild(tree, root); child; child = TreeView_GetNextSibling(tree, child)) {
                if (Text(child) == name)
                    return child;
            }
        }
        return nullptr;
    }
    int PeriodDay(int side) const
    {
        int day = 0;
        SendDlgItemMessageW(page, IDC_REPORT_PERIOD, RKCC2M_DATEPERIOD_GETDATE, static_cast<WPARAM>(side),
                            reinterpret_cast<LPARAM>(&day));
        return day;
    }

    CTestHost host;
    HWND page = nullptr;
};

TEST_F(RealControlPagesTest, Calendars_periodAndExceptionsSwitchThroughTheLibrarysControls)
{
    host::SetSetting(L"ReportsCalendarsDateStart", L"20260301");
    host::SetSetting(L"ReportsCalendarsDateEnd", L"20260331");
    Create(L"Calendars");
    ASSERT_EQ(SendMessageW(page, WM_PAGE_LOAD, 0, 0), 1);
    EXPECT_EQ(PeriodDay(0), static_cast<int>(TDate::FromYMD(3, 2026, 1)));
    EXPECT_EQ(PeriodDay(1), static_cast<int>(TDate::FromYMD(3, 2026, 31)));
    EXPECT_EQ(Outline(), L"Orientation(Portrait*;Landscape;)Options(List the exceptions of the period[x];)");

    SendMessageW(Options(), RKCC2M_OPTIONSTREE_SETCHECK, FALSE,
                 reinterpret_cast<LPARAM>(Child(L"List the exceptions of the period")));
    SendMessageW(Options(), RKCC2M_OPTIONSTREE_SETRADIO, 1, reinterpret_cast<LPARAM>(TreeView_GetRoot(Tree())));
    const int end = static_cast<int>(TDate::FromYMD(4, 2026, 30));
    SendDlgItemMessageW(page, IDC_REPORT_PERIOD, RKCC2M_DATEPERIOD_SETDATE, 1, reinterpret_cast<LPARAM>(&end));
    ASSERT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_EQ(host::GetSetting(L"ReportsCalendarsListExceptions"), L"0");
    EXPECT_EQ(host::GetSetting(L"ReportsCalendarsPrinterOrientation"), L"2");
    EXPECT_EQ(host::GetSetting(L"ReportsCalendarsDateStart"), L"20260301");
    EXPECT_EQ(host::GetSetting(L"ReportsCalendarsDateEnd"), L"20260430");
}

TEST_F(RealControlPagesTest, Resources_exportColumnsComeAndGoWithTheOutput)
{
    host.kind = 1;
    Create(L"Resources");
    ASSERT_EQ(SendMessageW(page, WM_PAGE_LOAD, 0, 0), 1);
    EXPECT_EQ(Outline(), L"Columns(Calendar;Costs;Format;User-defined fields;Notes;)");
    SendMessageW(Options(), RKCC2M_OPTIONSTREE_SETCHECK, TRUE, reinterpret_cast<LPARAM>(Child(L"User-defined fields")));
    host.kind = 0;
    SendMessageW(page, WM_PAGE_OUTPUT_CHANGED, 0, 0);
    EXPECT_EQ(Outline(), L"Orientation(Portrait;Landscape*;)Columns(Calendar;Costs;Notes;)");
    ASSERT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_EQ(host::GetSetting(L"ReportsResourcesColumnsUDF"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsResourcesColumnsFormat"), L"0");
}

TEST_F(RealControlPagesTest, Holidays_thePeriodRoundTrips)
{
    host::SetSetting(L"ReportsHolidaysStart", L"20260105");
    host::SetSetting(L"ReportsHolidaysEnd", L"20260110");
    Create(L"Holidays");
    ASSERT_EQ(SendMessageW(page, WM_PAGE_LOAD, 0, 0), 1);
    EXPECT_EQ(PeriodDay(0), static_cast<int>(TDate::FromYMD(1, 2026, 5)));
    ASSERT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_EQ(host::GetSetting(L"ReportsHolidaysStart"), L"20260105");
    EXPECT_EQ(host::GetSetting(L"ReportsHolidaysEnd"), L"20260110");
}

} // namespace

namespace {

class SchedulePageTest : public RealControlPagesTest {
protected:
    bool Visible(int control) const { return (GetWindowLongPtrW(GetDlgItem(page, control), GWL_STYLE) & WS_VISIBLE) != 0; }
    int LongValue(int control) const
    {
        int value = -1;
        SendDlgItemMessageW(page, control, RKCC2M_LONGEDIT_GETVALUE, 0, reinterpret_cast<LPARAM>(&value));
        return value;
    }
    double DoubleValue() const
    {
        double value = -1.0;
        SendDlgItemMessageW(page, IDC_SCHEDULE_NAME_WIDTH, RKCC2M_DOUBLEEDIT_GETVALUE, 0, reinterpret_cast<LPARAM>(&value));
        return value;
    }
    static bool Metric()
    {
        wchar_t system[4] = {};
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, system, 4);
        return system[0] == L'0';
    }
};

TEST_F(SchedulePageTest, LoadApplyAndUnitsOnTheLibrarysControls)
{
    host::SetSetting(L"ReportsScheduleStandardPeriod", L"2");
    host::SetSetting(L"ReportsScheduleStandardStart", L"20260301");
    host::SetSetting(L"ReportsScheduleStandardEnd", L"20260331");
    host::SetSetting(L"ReportsScheduleStandardPrinterScaleWidth", L"80");
    host::SetSetting(L"ReportsScheduleStandardPrinterNameColumnWidth", L"410");
    host::SetSetting(L"ReportsScheduleStandardHtmlNameColumnWidth", L"200");
    host::SetSetting(L"ReportsScheduleStandardPrinterFullPage", L"1");
    host::SetSetting(L"ReportsScheduleStandardCurrentViewDateStart", L"20260105");
    host.kind = 0;
    Create(L"Schedule chart");
    ASSERT_EQ(SendMessageW(page, WM_PAGE_LOAD, 0, 0), 1);
    EXPECT_EQ(IsDlgButtonChecked(page, IDC_SCHEDULE_PERIOD_FIXED), BST_CHECKED);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_REPORT_PERIOD)));
    EXPECT_EQ(PeriodDay(0), static_cast<int>(TDate::FromYMD(3, 2026, 1)));
    EXPECT_EQ(PeriodDay(1), static_cast<int>(TDate::FromYMD(3, 2026, 31)));
    EXPECT_EQ(LongValue(IDC_SCHEDULE_SCALE_WIDTH), 80);
    EXPECT_EQ(LongValue(IDC_SCHEDULE_SCALE_HEIGHT), 100);
    EXPECT_EQ(LongValue(IDC_SCHEDULE_HTML_NAME_WIDTH), 200);
    // 4.1 cm, or 1.614 inches where the locale measures in inches.
    EXPECT_NEAR(DoubleValue(), Metric() ? 4.1 : 1.614, 1e-9);
    wchar_t unit[16] = {};
    GetDlgItemTextW(page, IDC_SCHEDULE_NAME_WIDTH_UNIT, unit, 16);
    EXPECT_STREQ(unit, Metric() ? L"cm" : L"inch");
    EXPECT_EQ(Outline(), L"Orientation(Portrait*;Landscape;)Resources(Leave out resources without tasks;)"
                         L"Options(Several strips on one page[x];)");
    // Printing shows the printer group; the HTML group sits in its place, hidden.
    EXPECT_TRUE(Visible(IDC_SCHEDULE_SCALE_WIDTH));
    EXPECT_FALSE(Visible(IDC_SCHEDULE_HTML_NAME_WIDTH));
    RECT printer{};
    RECT html{};
    GetWindowRect(GetDlgItem(page, IDC_SCHEDULE_SCALE_LABEL), &printer);
    GetWindowRect(GetDlgItem(page, IDC_SCHEDULE_HTML_NAME_WIDTH_LABEL), &html);
    EXPECT_EQ(html.top, printer.top);

    // Without a board window the stored current-view period stays; the rest is written as it
    // was loaded: 410 hundredths come back through either unit.
    ASSERT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardCurrentViewDateStart"), L"20260105");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardPrinterNameColumnWidth"), L"410");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardPrinterOrientation"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardPeriod"), L"2");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardEnd"), L"20260331");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardPrinterScaleWidth"), L"80");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardPrinterFullPage"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardHtmlNameColumnWidth"), L"200");

    // Edits through the controls, then the board answers with the period it shows.
    const double typed = 2.5;
    SendDlgItemMessageW(page, IDC_SCHEDULE_NAME_WIDTH, RKCC2M_DOUBLEEDIT_SETVALUE, 0, reinterpret_cast<LPARAM>(&typed));
    SendDlgItemMessageW(page, IDC_SCHEDULE_PERIOD_CURRENT, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_REPORT_PERIOD)));
    SendMessageW(Options(), RKCC2M_OPTIONSTREE_SETCHECK, TRUE,
                 reinterpret_cast<LPARAM>(Child(L"Leave out resources without tasks")));
    host::SetMainWindowHandler([](const SendMessageArgs& args) -> LRESULT {
        if (args.Message != WM_MAINWND_VIEWPERIOD)
            return 0;
        *reinterpret_cast<TDateTime*>(args.WParam) = TDateTime(TDate::FromYMD(2, 2026, 2), 480, false);
        *reinterpret_cast<TDateTime*>(args.LParam) = TDateTime(TDate::FromYMD(2, 2026, 9), 1020, false);
        return 1;
    });
    ASSERT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    host::SetMainWindowHandler(nullptr);
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardPeriod"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardResourcesSkipEmpty"), L"1");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardCurrentViewDateStart"), L"20260202");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardCurrentViewTimeStart"), L"480");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardCurrentViewDateEnd"), L"20260209");
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardCurrentViewTimeEnd"), L"1020");
    // 2.5 cm, or 2.5 inches = 6.35 cm.
    EXPECT_EQ(host::GetSetting(L"ReportsScheduleStandardPrinterNameColumnWidth"), Metric() ? L"250" : L"635");

    // HTML: the HTML group in the printer group's place and only the resources option; export:
    // an empty tree and neither group.
    host.kind = 2;
    SendMessageW(page, WM_PAGE_OUTPUT_CHANGED, 0, 0);
    EXPECT_EQ(Outline(), L"Resources(Leave out resources without tasks[x];)");
    EXPECT_FALSE(Visible(IDC_SCHEDULE_SCALE_WIDTH));
    EXPECT_TRUE(Visible(IDC_SCHEDULE_HTML_NAME_WIDTH));
    host.kind = 1;
    SendMessageW(page, WM_PAGE_OUTPUT_CHANGED, 0, 0);
    EXPECT_EQ(Outline(), L"");
    EXPECT_FALSE(Visible(IDC_SCHEDULE_SCALE_WIDTH));
    EXPECT_FALSE(Visible(IDC_SCHEDULE_HTML_NAME_WIDTH));
}

} // namespace
