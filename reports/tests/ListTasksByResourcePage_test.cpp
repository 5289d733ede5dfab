// The option page of the tasks-by-resource report, driven by the page messages from a host
// window as the reports dialog drives it, with stand-ins of the controls library's classes.
#include "CoreTestEnv.h"

#include "ControlDoubles.h"
#include "ListPageProbe.h"
#include "byresource/ListTasksByResourceReport.h"
#include "pages/ControlMessages.h"

#include "QV2ResVReportIds.h"

#include <commctrl.h>

namespace {

const std::wstring kPrefix = L"ReportsListTasksByResources";

class TasksByResourcePageTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        controls::Register();
        ASSERT_NE(host.Hwnd(), nullptr);
    }
    void TearDown() override
    {
        if (page)
            DestroyWindow(page);
        ReportTest::TearDown();
    }

    HWND Open(int kind)
    {
        host.kind = kind;
        ReportPageRecord record{};
        if (!TasksByResourceReport().createPage(host.Hwnd(), 300, 200, &record))
            return nullptr;
        page = record.Page;
        EXPECT_STREQ(record.Caption, L"Task lists");
        EXPECT_STREQ(record.Caption2, L"Tasks by resource");
        SendMessageW(page, WM_PAGE_LOAD, 0, 0);
        return page;
    }

    HWND Tree() const { return GetDlgItem(GetDlgItem(page, IDC_REPORT_OPTIONS), 100); }
    static std::wstring Text(HWND tree, HTREEITEM item)
    {
        wchar_t text[128] = {};
        TVITEMW data{};
        data.mask = TVIF_TEXT | TVIF_HANDLE;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = 128;
        TreeView_GetItem(tree, &data);
        return text;
    }
    std::wstring Outline() const { return CListPageProbe(page).Outline(); }
    void Check(const std::wstring& name, bool on) const { CListPageProbe(page).Check(name, on); }
    TDate Shown(int side) const { return CListPageProbe(page).Shown(side); }

    static std::wstring Setting(const wchar_t* key) { return host::GetSetting(kPrefix + key); }

    CTestHost host;
    HWND page = nullptr;
};

TEST_F(TasksByResourcePageTest, Load_withoutSettingsTheDefaults)
{
    ASSERT_NE(Open(0), nullptr);
    EXPECT_EQ(CListPageProbe(page).Title(), L"Tasks by resource");
    EXPECT_EQ(Shown(0), rtest::Day(1, 1));
    EXPECT_EQ(Shown(1), rtest::Day(12, 31));
    // Limit-to-period starts checked, as the report limits without a setting, and a first apply
    // keeps it so.
    EXPECT_EQ(Outline(), L"Resources: One page per resource-, Leave out resources without tasks-; "
                         L"Columns: Duration-, Working time-, Costs-, Notes-; "
                         L"Sums: Values only within the period+, Sum per resource-, Total-");
    EXPECT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_EQ(Setting(L"LimitPeriod"), L"1");
    // Orientation group first (printer output), then the groups expanded with their picture.
    HWND tree = Tree();
    HTREEITEM first = TreeView_GetRoot(tree);
    EXPECT_EQ(Text(tree, first), L"Orientation");
    EXPECT_EQ(TreeView_GetSelection(tree), first);
    HTREEITEM resources = TreeView_GetNextSibling(tree, first);
    EXPECT_TRUE(TreeView_GetItemState(tree, resources, TVIS_EXPANDED) & TVIS_EXPANDED);
    TVITEMW data{};
    data.mask = TVIF_IMAGE | TVIF_HANDLE;
    data.hItem = resources;
    TreeView_GetItem(tree, &data);
    EXPECT_EQ(data.iImage, 9); // after the eight item pictures and the orientation picture
}

TEST_F(TasksByResourcePageTest, LoadApply_periodEndingAtMidnightShowsItsLastDay)
{
    host::SetSetting(kPrefix + L"DateStart", L"20260301");
    host::SetSetting(kPrefix + L"DateEnd", L"20260401");
    host::SetSetting(kPrefix + L"TimeEnd", L"0");
    host::SetSetting(kPrefix + L"TimeStart", L"480");
    ASSERT_NE(Open(2), nullptr);
    EXPECT_EQ(Shown(0), rtest::Day(3, 1));
    EXPECT_EQ(Shown(1), rtest::Day(3, 31));
    EXPECT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_EQ(Setting(L"DateStart"), L"20260301");
    EXPECT_EQ(Setting(L"DateEnd"), L"20260401");
    EXPECT_EQ(Setting(L"TimeEnd"), L"0");
    EXPECT_EQ(Setting(L"TimeStart"), L"480"); // never written by the page
}

TEST_F(TasksByResourcePageTest, LoadApply_theLastDayNeverBeforeTheFirst)
{
    // An empty stored period shows its first day as the last, not the day before.
    host::SetSetting(kPrefix + L"DateStart", L"20260310");
    host::SetSetting(kPrefix + L"DateEnd", L"20260310");
    ASSERT_NE(Open(0), nullptr);
    EXPECT_EQ(Shown(0), rtest::Day(3, 10));
    EXPECT_EQ(Shown(1), rtest::Day(3, 10));
    // A last day chosen before the first is stored as the first.
    const int before = static_cast<int>(static_cast<uint32_t>(rtest::Day(3, 5)));
    SendDlgItemMessageW(page, IDC_REPORT_PERIOD, RKCC2M_DATEPERIOD_SETDATE, 1, reinterpret_cast<LPARAM>(&before));
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    EXPECT_EQ(Setting(L"DateStart"), L"20260310");
    EXPECT_EQ(Setting(L"DateEnd"), L"20260311");
}

TEST_F(TasksByResourcePageTest, LoadApply_periodEndingInTheDayGrowsToTheWholeDay)
{
    host::SetSetting(kPrefix + L"DateStart", L"20260301");
    host::SetSetting(kPrefix + L"DateEnd", L"20260401");
    host::SetSetting(kPrefix + L"TimeEnd", L"480");
    ASSERT_NE(Open(0), nullptr);
    EXPECT_EQ(Shown(1), rtest::Day(4, 1));
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    EXPECT_EQ(Setting(L"DateEnd"), L"20260402");
    EXPECT_EQ(Setting(L"TimeEnd"), L"0");
}

TEST_F(TasksByResourcePageTest, Apply_everyOptionAndAnEmptyTitleKept)
{
    host::SetSetting(kPrefix + L"Title", L"Stored");
    host::SetSetting(kPrefix + L"LimitPeriod", L"1");
    host::SetSetting(kPrefix + L"PrinterOrientation", L"1");
    ASSERT_NE(Open(1), nullptr);
    EXPECT_EQ(Outline(), L"Columns: Duration-, Working time-, Costs-, Format-, User-defined fields-, Notes-; "
                         L"Sums: Values only within the period+, Sum per resource-, Total-");
    Check(L"Costs", true);
    Check(L"Format", true);
    Check(L"Total", true);
    Check(L"Values only within the period", false);
    SetDlgItemTextW(page, IDC_REPORT_TITLE, L"");
    EXPECT_EQ(SendMessageW(page, WM_PAGE_VALIDATE, 0, 0), 1);
    EXPECT_EQ(SendMessageW(page, WM_PAGE_APPLY, 0, 0), 1);
    EXPECT_TRUE(host::HasSetting(kPrefix + L"Title"));
    EXPECT_EQ(Setting(L"Title"), L"");
    EXPECT_EQ(Setting(L"TitleEmpty"), L"1");
    EXPECT_EQ(Setting(L"PrinterOrientation"), L"1");
    EXPECT_EQ(Setting(L"ColumnsCosts"), L"1");
    EXPECT_EQ(Setting(L"ColumnsFormat"), L"1");
    EXPECT_EQ(Setting(L"ColumnsUDF"), L"0");
    EXPECT_EQ(Setting(L"LimitPeriod"), L"0");
    EXPECT_EQ(Setting(L"SumTotal"), L"1");
    EXPECT_EQ(Setting(L"SumResource"), L"0");
    EXPECT_EQ(Setting(L"ResourcesSingle"), L"0");
    EXPECT_EQ(Setting(L"ResourcesSkipEmpty"), L"0");

    // The next load shows the empty title, not the default.
    DestroyWindow(page);
    ASSERT_NE(Open(1), nullptr);
    EXPECT_EQ(CListPageProbe(page).Title(), L"");
}

TEST_F(TasksByResourcePageTest, OutputChanged_exportOnlyOptionsKeepTheirValuesWhileHidden)
{
    ASSERT_NE(Open(1), nullptr);
    Check(L"Format", true);
    Check(L"User-defined fields", true);
    Check(L"Duration", true);
    host.kind = 2;
    EXPECT_EQ(SendMessageW(page, WM_PAGE_OUTPUT_CHANGED, 0, 0), 1);
    EXPECT_EQ(Outline(), L"Resources: One page per resource-, Leave out resources without tasks-; "
                         L"Columns: Duration+, Working time-, Costs-, Notes-; "
                         L"Sums: Values only within the period+, Sum per resource-, Total-");
    Check(L"One page per resource", true);
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    EXPECT_EQ(Setting(L"ColumnsFormat"), L"1");
    EXPECT_EQ(Setting(L"ColumnsUDF"), L"1");
    EXPECT_EQ(Setting(L"ResourcesSingle"), L"1");
    host.kind = 1;
    SendMessageW(page, WM_PAGE_OUTPUT_CHANGED, 0, 0);
    EXPECT_EQ(Outline(), L"Columns: Duration+, Working time-, Costs-, Format+, User-defined fields+, Notes-; "
                         L"Sums: Values only within the period+, Sum per resource-, Total-");
}

} // namespace
