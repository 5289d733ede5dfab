// The core of the tasks-by-resource report: its settings, the resource rows with their
// occurrences and sums in every combination of the options, and the texts of its table cells.
#include "CoreTestEnv.h"

#include "ListTestProject.h"
#include "byresource/ListTasksByResourceBase.h"
#include "plugin/PluginState.h"

namespace {

using rtest::Day;

class TasksByResourceBaseTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        project = listtest::BuildMarchProject();
        ASSERT_TRUE(project.complete);
        listtest::UseMarch(L"ReportsListTasksByResources");
    }
    static void Set(const std::wstring& key, const wchar_t* value)
    {
        host::SetSetting(L"ReportsListTasksByResources" + key, value);
    }
    listtest::MarchProject project;
};

TEST_F(TasksByResourceBaseTest, Constructor_defaultsAndSettings)
{
    host::ClearSettings();
    CRListTasksByResourceBase defaults;
    EXPECT_EQ(defaults.DateStart, Day(1, 1));
    EXPECT_EQ(defaults.DateEnd, TDate::FromYMD(1, 2027, 1));
    EXPECT_TRUE(defaults.LimitPeriod);
    EXPECT_FALSE(defaults.SumTotal || defaults.SumResource || defaults.DateOnly || defaults.ResourcesSingle);
    EXPECT_EQ(defaults.WeekdayMode, 0);

    // Sums of no value column are dropped; DateOnly follows the grid's setting unless set.
    Set(L"SumTotal", L"1");
    Set(L"SumResource", L"yes");
    Set(L"TimeStart", L"1500");
    host::SetSetting(L"ViewGridShowDateOnly", L"1");
    CRListTasksByResourceBase noValues;
    EXPECT_FALSE(noValues.SumTotal);
    EXPECT_FALSE(noValues.SumResource);
    EXPECT_TRUE(noValues.DateOnly);
    EXPECT_EQ(noValues.TimeStart, 60); // a time outside the day, taken into it
    Set(L"ColumnsCosts", L"1");
    Set(L"DateOnly", L"off");
    Set(L"DateFormat", L"2");
    CRListTasksByResourceBase costs;
    EXPECT_TRUE(costs.SumTotal);
    EXPECT_TRUE(costs.SumResource);
    EXPECT_FALSE(costs.DateOnly);
    EXPECT_EQ(costs.WeekdayMode, 2);
}

TEST_F(TasksByResourceBaseTest, CollectRows_resourcesByPositionWithTheirOccurrences)
{
    Set(L"ColumnsWorkingTime", L"1");
    Set(L"SumTotal", L"1");
    CRListTasksByResourceBase report;
    report.CollectRows();
    EXPECT_EQ(report.ResourceRows, (std::vector<wqv2_data::CResource*>{project.anna, project.ben, project.crane, nullptr}));
    ASSERT_EQ(report.TasksOf(project.ben).size(), 3u);
    EXPECT_EQ(report.TasksOf(project.ben)[2].task, project.standup->Task);
    EXPECT_EQ(report.TasksOf(project.ben)[2].day, static_cast<int>(static_cast<uint32_t>(Day(3, 31))));
    EXPECT_TRUE(report.TasksOf(nullptr).empty());
    EXPECT_EQ(report.SumsOf(project.ben).WorkingTimeSum, 120 + 60 + 60); // by Ben's mornings
    EXPECT_EQ(report.SumsOf(nullptr).DurationSum, 0); // duration column off
}

TEST_F(TasksByResourceBaseTest, CollectRows_dailySeriesOverAWeekAndStraddlingOccurrences)
{
    rtest::CData::Fresh();
    wqv2_data::CResource* room = rtest::AddResource(L"Room", 1);
    ASSERT_NE(rtest::AddDailySeries(room, L"Cleaning", Day(5, 1), 1380, 120, 20), nullptr); // 23:00-01:00
    Set(L"DateStart", L"20260504");
    Set(L"DateEnd", L"20260511");
    Set(L"ColumnsDuration", L"1");
    CRListTasksByResourceBase report;
    report.CollectRows();
    // Seven occurrences start in the week; the one of 3 May runs into it and counts its hour.
    const auto tasks = report.TasksOf(room);
    ASSERT_EQ(tasks.size(), 8u);
    EXPECT_EQ(tasks.front().day, static_cast<int>(static_cast<uint32_t>(Day(5, 3))));
    EXPECT_EQ(report.SumsOf(room).DurationSum, 60 + 6 * 120 + 60);
}

TEST_F(TasksByResourceBaseTest, CollectRows_aSortAcrossResourcesKeepsItsOrderWithinEachResource)
{
    // Latest start first: the listing goes Anna, Ben, Ben, Anna, Ben.
    host::SetSetting(L"ViewGridSortType", L"2");
    host::SetSetting(L"ViewGridSortOrder", L"1");
    Set(L"ColumnsDuration", L"1");
    CRListTasksByResourceBase report;
    report.CollectRows();
    const auto anna = report.TasksOf(project.anna);
    ASSERT_EQ(anna.size(), 2u);
    EXPECT_EQ(anna[0].task, project.night);
    EXPECT_EQ(anna[1].task, project.plan);
    const auto ben = report.TasksOf(project.ben);
    ASSERT_EQ(ben.size(), 3u);
    EXPECT_EQ(ben[0].day, static_cast<int>(static_cast<uint32_t>(Day(3, 31))));
    EXPECT_EQ(ben[1].day, static_cast<int>(static_cast<uint32_t>(Day(3, 30))));
    EXPECT_EQ(ben[2].task, project.early);
    EXPECT_TRUE(report.TasksOf(project.crane).empty());
    EXPECT_EQ(report.SumsOf(project.anna).DurationSum, 120 + 120);     // the night up to the period's end
    EXPECT_EQ(report.SumsOf(project.ben).DurationSum, 600 + 60 + 60); // the early task from 1 March
    EXPECT_EQ(report.SumsOf(nullptr).DurationSum, 240 + 720);
}

TEST_F(TasksByResourceBaseTest, CollectRows_skipEmptyAndTheTotalOfOneResource)
{
    Set(L"ColumnsCosts", L"1");
    Set(L"SumTotal", L"1");
    Set(L"ResourcesSkipEmpty", L"1");
    CRListTasksByResourceBase report;
    report.CollectRows();
    EXPECT_EQ(report.ResourceRows, (std::vector<wqv2_data::CResource*>{project.anna, project.ben, nullptr}));
    EXPECT_DOUBLE_EQ(report.SumsOf(nullptr).CostsSum, 130.0 + 60.0);

    // Two resources, one without occurrences: one remains, without a total.
    UseReportFilter(rtest::AddFilter(L"Anna and Crane", {project.ben}));
    report.CollectRows();
    EXPECT_EQ(report.ResourceRows, (std::vector<wqv2_data::CResource*>{project.anna}));

    // Nothing in the period: nothing at all with skip-empty, every resource without it.
    UseReportFilter(nullptr);
    report.DateStart = Day(6, 1);
    report.DateEnd = Day(7, 1);
    report.CollectRows();
    EXPECT_TRUE(report.ResourceRows.empty());
    report.ResourcesSkipEmpty = false;
    report.CollectRows();
    EXPECT_EQ(report.ResourceRows.size(), 4u);
    EXPECT_DOUBLE_EQ(report.SumsOf(project.anna).CostsSum, 0.0);
}

TEST_F(TasksByResourceBaseTest, CollectRows_withoutDataNothingToList)
{
    ForgetDataRoot();
    CRListTasksByResourceBase report;
    report.SumTotal = true;
    report.CollectRows();
    EXPECT_TRUE(report.ResourceRows.empty());
    EXPECT_EQ(report.ResourceRowText(nullptr), L"All resources");
}

TEST_F(TasksByResourceBaseTest, CellTexts_datesByModeAndHeadsMarkedWhenLimited)
{
    Set(L"ColumnsDuration", L"1");
    Set(L"ColumnsNotes", L"1");
    CRListTasksByResourceBase report;
    report.CollectRows();
    EXPECT_EQ(report.TableColumns(true),
              (std::vector<CRListTasksByResourceBase::Column>{
                  CRListTasksByResourceBase::kIndent, CRListTasksByResourceBase::kTask, CRListTasksByResourceBase::kStart,
                  CRListTasksByResourceBase::kEnd, CRListTasksByResourceBase::kDuration, CRListTasksByResourceBase::kNotes}));
    EXPECT_EQ(report.ColumnHead(CRListTasksByResourceBase::kDuration), L"Duration *");
    EXPECT_EQ(report.ColumnHead(CRListTasksByResourceBase::kNotes), L"Notes");
    const TaskOccurrence night = report.TasksOf(project.anna)[1];
    EXPECT_EQ(report.CellText(CRListTasksByResourceBase::kEnd, night, {}), L"2026-04-01 02:00");
    report.DateOnly = true;
    report.WeekdayMode = 2;
    EXPECT_EQ(report.CellText(CRListTasksByResourceBase::kStart, night, {}), L"Tuesday 2026-03-31");
    EXPECT_EQ(report.CellText(CRListTasksByResourceBase::kEnd, night, {}), L"Wednesday 2026-04-01");
    // An end at 00:00 shows the last day the task covers.
    ASSERT_TRUE(listtest::EditTask(project.night, [](wqv2_data::CTask& t) { t.TimeEnd = 0; }));
    report.WeekdayMode = 3;
    EXPECT_EQ(report.CellText(CRListTasksByResourceBase::kEnd, night, {}), L"Tue");
    EXPECT_EQ(report.ResourceRowText(project.crane), L"Crane (no tasks in the period)");
    report.LimitPeriod = false;
    EXPECT_EQ(report.ColumnHead(CRListTasksByResourceBase::kDuration), L"Duration");
}

} // namespace
