// The task list's core and option page: the column order read from the grid's setting, the
// runs of the sum row, the printed column weights, and the page driven by the page messages.
#include "CoreTestEnv.h"

#include "ControlDoubles.h"
#include "ListPageProbe.h"
#include "tasklist/ListTasksDefaultPrint.h"
#include "tasklist/ListTasksDefaultReport.h"

#include "QV2ResVReportIds.h"

#include <commctrl.h>

namespace {

using Base = CRListTasksDefaultBase;

const std::wstring kPrefix = L"ReportsListTasksDefault";

void Set(const std::wstring& key, const wchar_t* value)
{
    host::SetSetting(kPrefix + key, value);
}

class TaskListBaseTest : public ReportTest {};

TEST_F(TaskListBaseTest, Columns_gridOrderWithTheSwitchedOffColumnsLeftOut)
{
    EXPECT_EQ(Base().Columns, (std::vector<int>{0, 1, 2, 3}));
    Set(L"ColumnsDuration", L"1");
    Set(L"ColumnsCosts", L"1");
    Set(L"ColumnsNotes", L"1");
    EXPECT_EQ(Base().Columns, (std::vector<int>{0, 1, 2, 3, 4, 6, 7}));
    host::SetSetting(L"ViewGridColumnsSortOrder", L"7 0");
    EXPECT_EQ(Base().Columns, (std::vector<int>{7, 0, 1, 2, 3, 4, 6}));
    // Unknown numbers and repeats are passed over; reading stops at a text that is no number.
    host::SetSetting(L"ViewGridColumnsSortOrder", L" 6\t9 6 -1 2 x 5");
    EXPECT_EQ(Base().Columns, (std::vector<int>{6, 2, 0, 1, 3, 4, 7}));
}

TEST_F(TaskListBaseTest, SumRuns_stretchesBetweenTheValueColumns)
{
    Set(L"ColumnsDuration", L"1");
    Set(L"ColumnsCosts", L"1");
    Set(L"ColumnsNotes", L"1");
    Set(L"SumTotal", L"1");
    host::SetSetting(L"ViewGridColumnsSortOrder", L"4 1 0 2 3 6 7");
    const Base report;
    EXPECT_TRUE(report.SumTotal);
    const std::vector<Base::SumRun> runs = report.SumRuns();
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].column, 4);
    EXPECT_EQ(runs[1].column, -1);
    EXPECT_EQ(runs[1].count, 4);
    EXPECT_TRUE(runs[1].marked);
    EXPECT_EQ(runs[2].column, 6);
    EXPECT_EQ(runs[3].count, 1);
    EXPECT_FALSE(runs[3].marked);
}

TEST_F(TaskListBaseTest, Settings_sumWithoutValueColumnsOffAndDateOnlyFromTheGrid)
{
    Set(L"SumTotal", L"1");
    host::SetSetting(L"ViewGridShowDateOnly", L"1");
    Set(L"TimeEnd", L"-60");
    Base report;
    EXPECT_FALSE(report.SumTotal);
    EXPECT_TRUE(report.DateOnly);
    EXPECT_TRUE(report.LimitPeriod);
    EXPECT_EQ(report.TimeEnd, 1380);
    EXPECT_EQ(report.ColumnHead(Base::kCosts), L"Costs *");
    EXPECT_EQ(report.ColumnHead(Base::kNotes), L"Notes");
    EXPECT_EQ(report.ColumnHead(9), L"");
}

TEST_F(TaskListBaseTest, ColumnWeights_fixedOrderWhateverTheColumnOrder)
{
    Set(L"ColumnsWorkingTime", L"1");
    Set(L"ColumnsNotes", L"1");
    host::SetSetting(L"ViewGridColumnsSortOrder", L"7");
    CRListTasksDefaultPrint report;
    EXPECT_EQ(report.Columns, (std::vector<int>{7, 0, 1, 2, 3, 5}));
    EXPECT_EQ(report.ColumnWeights(), (std::vector<double>{2.0, 1.5, 1.25, 1.25, 1.0, 2.0}));
}

class TaskListPageTest : public ReportTest {
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
        if (page)
            DestroyWindow(page);
        host.kind = kind;
        ReportPageRecord record{};
        if (!TaskListReport().createPage(host.Hwnd(), 300, 200, &record))
            return nullptr;
        page = record.Page;
        EXPECT_STREQ(record.Caption, L"Task lists");
        EXPECT_STREQ(record.Caption2, L"Task list");
        SendMessageW(page, WM_PAGE_LOAD, 0, 0);
        return page;
    }

    std::wstring Outline() const { return CListPageProbe(page).Outline(); }
    void Check(const wchar_t* name, bool on) const { CListPageProbe(page).Check(name, on); }
    TDate Shown(int side) const { return CListPageProbe(page).Shown(side); }

    CTestHost host;
    HWND page = nullptr;
};

TEST_F(TaskListPageTest, Load_withoutSettingsTheWholeYear)
{
    ASSERT_NE(Open(2), nullptr);
    EXPECT_EQ(CListPageProbe(page).Title(), L"Task list");
    EXPECT_EQ(Shown(0), rtest::Day(1, 1));
    // Not 30 December: without a stored end the shown default is the last day itself.
    EXPECT_EQ(Shown(1), rtest::Day(12, 31));
    EXPECT_EQ(Outline(), L"Columns: Duration-, Working time-, Costs-, Notes-; Sums: Values only within the period+, Total-");
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    EXPECT_EQ(host::GetSetting(kPrefix + L"DateEnd"), L"20270101");
    EXPECT_EQ(host::GetSetting(kPrefix + L"PrinterOrientation"), L"2");
    EXPECT_EQ(host::GetSetting(kPrefix + L"Title"), L"Task list");
    EXPECT_EQ(host::GetSetting(kPrefix + L"TitleEmpty"), L"0");
}

TEST_F(TaskListPageTest, LoadApply_storedEndsShowTheirLastDay)
{
    Set(L"DateStart", L"20260101");
    Set(L"DateEnd", L"20270101");
    Set(L"TimeEnd", L"0");
    ASSERT_NE(Open(0), nullptr);
    EXPECT_EQ(Shown(1), rtest::Day(12, 31));
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    EXPECT_EQ(host::GetSetting(kPrefix + L"DateEnd"), L"20270101");
    EXPECT_EQ(host::GetSetting(kPrefix + L"TimeEnd"), L"0");

    Set(L"DateEnd", L"20260315");
    Set(L"TimeEnd", L"720");
    ASSERT_NE(Open(0), nullptr);
    EXPECT_EQ(Shown(1), rtest::Day(3, 15));
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    EXPECT_EQ(host::GetSetting(kPrefix + L"DateEnd"), L"20260316");
    EXPECT_EQ(host::GetSetting(kPrefix + L"TimeEnd"), L"0");
    EXPECT_FALSE(host::HasSetting(kPrefix + L"TimeStart"));
}

TEST_F(TaskListPageTest, OutputKind_formatAndFieldsOnlyForExportKeepingTheirValues)
{
    Set(L"ColumnsUDF", L"1");
    Set(L"LimitPeriod", L"0");
    ASSERT_NE(Open(1), nullptr);
    EXPECT_EQ(Outline(), L"Columns: Duration-, Working time-, Costs-, Format-, User-defined fields+, Notes-; "
                         L"Sums: Values only within the period-, Total-");
    Check(L"Format", true);
    Check(L"Costs", true);
    Check(L"Total", true);
    host.kind = 0;
    SendMessageW(page, WM_PAGE_OUTPUT_CHANGED, 0, 0);
    EXPECT_EQ(Outline(), L"Columns: Duration-, Working time-, Costs+, Notes-; Sums: Values only within the period-, Total+");
    SendMessageW(page, WM_PAGE_APPLY, 0, 0);
    for (const auto& [key, value] : {std::pair{L"ColumnsDuration", L"0"}, {L"ColumnsWorkingTime", L"0"},
                                     {L"ColumnsCosts", L"1"}, {L"ColumnsFormat", L"1"}, {L"ColumnsUDF", L"1"},
                                     {L"ColumnsNotes", L"0"}, {L"LimitPeriod", L"0"}, {L"SumTotal", L"1"}})
        EXPECT_EQ(host::GetSetting(kPrefix + key), value) << std::string(key, key + wcslen(key));
}

} // namespace
