// The list reports' option pages inside the loaded plug-in on the real controls library: the
// page templates make the library's options tree and date period, and the pages fill and read
// them through their messages as in the viewer's reports dialog.
#include "PluginTestEnv.h"

#include "ControlDoubles.h"

#include "QV2ResVReportIds.h"
#include "RKComControls2.h"

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
