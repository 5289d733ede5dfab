// Rows of the schedule chart built from a project: lanes of overlapping, touching and
// zero-length occurrences, series expanded, the report filter applied, empty resources skipped.
#include "CoreTestEnv.h"

#include "chart/VisibleTasks.h"

#include <algorithm>
#include <tuple>

namespace {

using rtest::Day;

class VisibleTasksTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        rtest::CData::Fresh();
        ASSERT_EQ(Day(3, 2).GetWeekday(), 0) << "2 March 2026 is a Monday";
        a = rtest::AddResource(L"Anna", 1);
        hidden = rtest::AddResource(L"Hidden", 2);
        b = rtest::AddResource(L"Bert", 3);
        c = rtest::AddResource(L"Carl", 4);
        e = rtest::AddResource(L"Emil", 5);
        ASSERT_TRUE(a && b && c && e && hidden);
        ASSERT_TRUE(rtest::AddTask(a, L"Job 1", Day(3, 2), 480, Day(3, 2), 720));
        ASSERT_TRUE(rtest::AddTask(a, L"Job 2", Day(3, 2), 600, Day(3, 2), 840));
        ASSERT_TRUE(rtest::AddTask(a, L"Job 3", Day(3, 2), 720, Day(3, 2), 780));
        ASSERT_TRUE(rtest::AddTask(a, L"Job zero", Day(3, 2), 900, Day(3, 2), 900));
        ASSERT_TRUE(rtest::AddTask(a, L"Job zero2", Day(3, 2), 900, Day(3, 2), 900));
        ASSERT_TRUE(rtest::AddTask(a, L"Job at night", Day(3, 3), 1200, Day(3, 3), 1320));
        ASSERT_TRUE(rtest::AddTask(a, L"Pause", Day(3, 2), 600, Day(3, 2), 660));
        ASSERT_TRUE(rtest::AddTask(hidden, L"Job", Day(3, 2), 600, Day(3, 2), 660));
        ASSERT_TRUE(rtest::AddDailySeries(b, L"Job daily", Day(3, 2), 540, 60, 7));
        ASSERT_TRUE(rtest::AddTask(e, L"Job later", Day(3, 20), 600, Day(3, 20), 660));
        filter = rtest::AddFilter(L"Jobs", {hidden});
        ASSERT_TRUE(filter);
        wqv2_data::CData* root = rtest::CData::Root();
        ASSERT_EQ(root->BeginTransaction(L""), 0);
        filter->MarkModified();
        filter->SetTaskName(L"Job");
        ASSERT_EQ(root->Commit(), 0);
        UseReportFilter(filter);

        // Monday 10:00 to Saturday, 8:00 to 18:00, Monday to Friday; 10 units an hour.
        period.start = TDateTime(Day(3, 2), 600, false);
        period.end = TDateTime(Day(3, 7), 0, false);
        period.dailyFrom = 480;
        period.dailyTo = 1080;
        period.weekdays = {true, true, true, true, true, false, false};
    }

    static std::vector<std::wstring> Names(const std::vector<const ChartBar*>& bars)
    {
        std::vector<std::wstring> names;
        for (const ChartBar* bar : bars)
            names.emplace_back(bar->task->Name);
        return names;
    }

    wqv2_data::CResource *a = nullptr, *b = nullptr, *c = nullptr, *e = nullptr, *hidden = nullptr;
    wqv2_data::CFilter* filter = nullptr;
    ChartPeriod period;
};

TEST_F(VisibleTasksTest, Build_lanesOfOverlappingTouchingAndZeroLengthOccurrences)
{
    CVisibleTasks rows;
    rows.MinimumBarWidth = 5;
    rows.Build(period, {kUnitHours, 1}, 10);
    ASSERT_EQ(rows.Items().size(), 4u) << "the filtered resource is left out";
    const CResourceItem& anna = *rows.Items()[0];
    EXPECT_EQ(anna.resource, a);
    // 8-12 starts two hours before the period; 10-14 overlaps it; 12-13 touches the first; the
    // zero-length bars at 15:00 get the minimum width and so need two lanes; 20:00-22:00 lies in
    // hidden time; "Pause" is filtered out.
    ASSERT_EQ(anna.bars.size(), 5u);
    std::vector<std::tuple<std::wstring, int, int, int>> got;
    for (const ChartBar& bar : anna.bars)
        got.emplace_back(bar.task->Name, bar.lane, bar.startX, bar.endX);
    const std::vector<std::tuple<std::wstring, int, int, int>> expected = {
        {L"Job 1", 0, -20, 20}, {L"Job 3", 0, 20, 30}, {L"Job zero", 0, 50, 55},
        {L"Job 2", 1, 0, 40},   {L"Job zero2", 1, 50, 55}};
    EXPECT_EQ(got, expected);
    EXPECT_EQ(anna.laneCount, 2);

    // The series' occurrences of Tuesday to Friday, 9:00-10:00 each; x counts visible hours.
    const CResourceItem& bert = *rows.Items()[1];
    ASSERT_EQ(bert.bars.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(bert.bars[i].day, Day(3, static_cast<unsigned>(3 + i)));
        EXPECT_EQ(bert.bars[i].startX, 90 + 100 * static_cast<int>(i));
        EXPECT_EQ(bert.bars[i].endX, 100 + 100 * static_cast<int>(i));
        EXPECT_EQ(bert.bars[i].lane, 0);
    }
    EXPECT_EQ(bert.laneCount, 1);
    EXPECT_EQ(rows.Items()[2]->laneCount, 1) << "a resource without bars keeps one row";
    EXPECT_TRUE(rows.Items()[3]->bars.empty());

    // Rows: Anna 0-1, Bert 2, Carl 3, Emil 4.
    EXPECT_EQ(rows.GetRowCount(), 5);
    int lane = -1;
    EXPECT_EQ(rows.FindRow(1, lane), &anna);
    EXPECT_EQ(lane, 1);
    EXPECT_EQ(rows.FindRow(2, lane), &bert);
    EXPECT_EQ(lane, 0);
    EXPECT_EQ(rows.FindRow(5, lane), nullptr);
    std::vector<const CResourceItem*> items;
    EXPECT_EQ(rows.GetItemsInRows(1, 3, items), 3);

    // Lane queries take bars with end x > from and start x < to.
    std::vector<const ChartBar*> bars;
    CVisibleTasks::GetBarsInLane(anna, bars, 0, 20, 51);
    EXPECT_EQ(Names(bars), (std::vector<std::wstring>{L"Job 3", L"Job zero"}));
    bars.clear();
    CVisibleTasks::GetBarsInLane(anna, bars, 0, -100, 0);
    EXPECT_EQ(Names(bars), (std::vector<std::wstring>{L"Job 1"}));
    bars.clear();
    CVisibleTasks::GetBarsInLane(anna, bars, 1, 40, 1000);
    EXPECT_EQ(Names(bars), (std::vector<std::wstring>{L"Job zero2"}));

    rows.RemoveEmptyItems();
    ASSERT_EQ(rows.Items().size(), 2u);
    EXPECT_EQ(rows.Items()[1]->resource, b);
}

TEST_F(VisibleTasksTest, Build_equalBarsShareALaneAndEmptyPeriodsHaveNoBars)
{
    CVisibleTasks rows;
    rows.MinimumBarWidth = 0;
    rows.Build(period, {kUnitHours, 1}, 10);
    const CResourceItem& anna = *rows.Items()[0];
    // Without a minimum width both zero-length bars stay in lane 0 at the same x, in order.
    std::vector<const ChartBar*> bars;
    CVisibleTasks::GetBarsInLane(anna, bars, 0, 30, 100);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(Names(bars), (std::vector<std::wstring>{L"Job zero", L"Job zero2"}));
    EXPECT_EQ(bars[0]->startX, 50);
    EXPECT_EQ(bars[1]->startX, 50);

    ChartPeriod inverted = period;
    std::swap(inverted.start, inverted.end);
    rows.Build(inverted, {kUnitHours, 1}, 10);
    ASSERT_EQ(rows.Items().size(), 4u);
    for (const auto& item : rows.Items()) {
        EXPECT_EQ(item->laneCount, 1);
        EXPECT_TRUE(item->bars.empty());
    }
    UseReportFilter(nullptr);
    rows.Build(period, {kUnitHours, 1}, 10);
    EXPECT_EQ(rows.Items().size(), 5u) << "without a filter every resource shows";
}

// A period that starts on a hidden weekday at a late minute: the columns start at the window
// start of the next visible day, and so do the rows' occurrences.
TEST_F(VisibleTasksTest, Build_periodFromAHiddenWeekdayCollectsFromWhereTheColumnsStart)
{
    ASSERT_TRUE(rtest::AddTask(c, L"Job early", Day(3, 9), 480, Day(3, 9), 540));
    ChartPeriod weekend = period;
    weekend.start = TDateTime(Day(3, 7), 600, false); // Saturday 10:00
    weekend.end = TDateTime(Day(3, 11), 0, false);
    CVisibleTasks rows;
    rows.MinimumBarWidth = 0;
    rows.Build(weekend, {kUnitHours, 1}, 10);
    ASSERT_EQ(rows.Items().size(), 4u);
    const CResourceItem& carl = *rows.Items()[2];
    ASSERT_EQ(carl.resource, c);
    ASSERT_EQ(carl.bars.size(), 1u) << "Monday 8:00-9:00 is the first hour of the chart";
    EXPECT_EQ(carl.bars[0].startX, 0);
    EXPECT_EQ(carl.bars[0].endX, 10);
    // Ending at Monday 8:30, before the period's own minute: the chart has half an hour.
    weekend.end = TDateTime(Day(3, 9), 510, false);
    rows.Build(weekend, {kUnitMinutes, 15}, 10);
    ASSERT_EQ(rows.Items()[2]->bars.size(), 1u);
    EXPECT_EQ(rows.Items()[2]->bars[0].startX, 0);
    EXPECT_EQ(rows.Items()[2]->bars[0].endX, 40);
}

// A chart over the bar limit lets the bars of its later rows go and makes them again, alike, as
// their rows are read; reading another item's rows lets the longest-held go.
TEST_F(VisibleTasksTest, FindRow_makesBarsLetGoAgainAlike)
{
    CVisibleTasks all, few;
    all.MinimumBarWidth = few.MinimumBarWidth = 5;
    few.KeptBars = 4;
    all.Build(period, {kUnitHours, 1}, 10);
    few.Build(period, {kUnitHours, 1}, 10);
    EXPECT_TRUE(few.Items()[0]->bars.empty()) << "Anna's five bars are over the limit";
    EXPECT_EQ(few.Items()[1]->bars.size(), 4u);
    few.RemoveEmptyItems();
    all.RemoveEmptyItems();
    ASSERT_EQ(few.Items().size(), 2u) << "bars let go are not an empty resource";
    ASSERT_EQ(few.GetRowCount(), all.GetRowCount());
    auto bars = [](const CResourceItem& item) {
        std::vector<std::tuple<unsigned, const wqv2_data::CTask*, int, int, int>> out;
        for (const ChartBar& bar : item.bars)
            out.emplace_back(static_cast<uint32_t>(bar.day), bar.task, bar.lane, bar.startX, bar.endX);
        return out;
    };
    for (int row = 0; row < all.GetRowCount(); ++row) {
        int laneAll = -1, laneFew = -1;
        const CResourceItem* expected = all.FindRow(row, laneAll);
        const CResourceItem* got = few.FindRow(row, laneFew);
        ASSERT_TRUE(expected && got);
        EXPECT_EQ(laneFew, laneAll);
        EXPECT_EQ(got->laneCount, expected->laneCount);
        EXPECT_EQ(bars(*got), bars(*expected)) << "row " << row;
    }
    EXPECT_TRUE(few.Items()[0]->bars.empty()) << "Bert's row let Anna's bars go";
    EXPECT_EQ(few.Items()[1]->bars.size(), 4u);
}

} // namespace
