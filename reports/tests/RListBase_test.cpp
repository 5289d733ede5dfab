// The list base: its defaults, the listed occurrences of a period in every sort, and the sums
// of clipped occurrences, on a project built through QV2D.dll.
#include "CoreTestEnv.h"

#include "base/RListBase.h"
#include "common/LocaleText.h"
#include "common/ValueFormat.h"
#include "plugin/PluginState.h"

#include <algorithm>
#include <utility>

namespace {

using rtest::Day;

class RListBaseTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        rtest::CData::Fresh();
        wqv2_data::CCalendar* mornings = rtest::AddCalendar(L"Mornings", {480, 720});
        a = rtest::AddResource(L"Anna", 2);
        b = rtest::AddResource(L"Ben", 1);
        c = rtest::AddResource(L"Crane", 3, mornings);
        ASSERT_TRUE(a && b && c && mornings);
        beta = rtest::AddTask(b, L"beta", Day(3, 2), 480, Day(3, 2), 600);
        alpha = rtest::AddTask(b, L"Alpha", Day(3, 2), 480, Day(3, 2), 720);
        gamma = rtest::AddTask(a, L"gamma", Day(3, 1), 540, Day(3, 1), 660);
        series = rtest::AddDailySeries(c, L"daily", Day(3, 3), 480, 90, 3);
        ASSERT_TRUE(beta && alpha && gamma && series);
    }

    static std::vector<std::wstring> Names(const std::vector<TaskOccurrence>& list)
    {
        std::vector<std::wstring> names;
        for (const TaskOccurrence& o : list)
            names.push_back(o.task->Name + (IsSeriesTemplate(o.task) ? L"@" + std::to_wstring(TDate(o.day).GetDay()) : L""));
        return names;
    }

    static std::vector<TaskOccurrence> Listed(int column, int order)
    {
        CListedTasks listed;
        listed.Rebuild(Day(1, 1), 0, Day(12, 31), 0, column, order);
        return listed.TakeItems();
    }

    std::vector<std::wstring> Sorted(int column, int order) { return Names(Listed(column, order)); }

    void SetCosts(wqv2_data::CTask* task, double perHour)
    {
        wqv2_data::CData* root = rtest::CData::Root();
        ASSERT_EQ(root->BeginTransaction(L""), 0);
        ASSERT_EQ(task->MarkModified(), 0);
        task->CostsCalculate = true;
        task->CostsVariable = perHour;
        ASSERT_EQ(root->Commit(), 0);
    }

    bool SetFixedCosts(wqv2_data::CTask* task, double costs)
    {
        wqv2_data::CData* root = rtest::CData::Root();
        if (root->BeginTransaction(L"") != 0 || task->MarkModified() != 0)
            return false;
        task->CostsCalculate = true;
        task->CostsFixed = costs;
        return root->Commit() == 0;
    }

    wqv2_data::CResource* a = nullptr;
    wqv2_data::CResource* b = nullptr;
    wqv2_data::CResource* c = nullptr;
    wqv2_data::CTask* alpha = nullptr;
    wqv2_data::CTask* beta = nullptr;
    wqv2_data::CTask* gamma = nullptr;
    wqv2_data::CRecurrence* series = nullptr;
};

TEST_F(RListBaseTest, Constructor_periodOfTheCurrentYearAndGridSettings)
{
    CRListBase report;
    EXPECT_EQ(report.DateStart, Day(1, 1));
    EXPECT_EQ(report.DateEnd, TDate::FromYMD(1, 2027, 1));
    EXPECT_EQ(report.TimeStart, 0);
    EXPECT_TRUE(report.LimitPeriod);
    EXPECT_EQ(report.SortColumn, 1);
    EXPECT_EQ(report.SortOrder, 2);
    EXPECT_EQ(report.DurationType, 0);
    EXPECT_EQ(report.WorkingTimeType, 1);
    EXPECT_NE(report.ScratchTask, nullptr);

    host::SetSetting(L"ViewGridSortType", L"4");
    host::SetSetting(L"ViewGridSortOrder", L"1");
    host::SetSetting(L"ViewFormatDuration", L"4");
    host::SetSetting(L"ViewFormatWorkingTimeShort", L"0");
    CRListBase configured;
    EXPECT_EQ(configured.SortColumn, 4);
    EXPECT_EQ(configured.SortOrder, 1);
    EXPECT_EQ(configured.FormatDuration(90), L"90 min");
    EXPECT_EQ(configured.FormatWorkingTime(45), L"0 h 45 min");
}

TEST_F(RListBaseTest, Rebuild_boardPositionsThenStartLongerFirstThenName)
{
    EXPECT_EQ(Sorted(1, 2), (std::vector<std::wstring>{L"Alpha", L"beta", L"gamma", L"daily@3", L"daily@4", L"daily@5"}));
}

TEST_F(RListBaseTest, Rebuild_descendingNamesKeepAnAscendingTieBreak)
{
    EXPECT_EQ(Sorted(0, 1), (std::vector<std::wstring>{L"gamma", L"daily@3", L"daily@4", L"daily@5", L"beta", L"Alpha"}));
    EXPECT_EQ(Sorted(0, 0), (std::vector<std::wstring>{L"Alpha", L"beta", L"daily@3", L"daily@4", L"daily@5", L"gamma"}));
}

TEST_F(RListBaseTest, Rebuild_byStartEndAndDuration)
{
    EXPECT_EQ(Sorted(2, 0), (std::vector<std::wstring>{L"gamma", L"Alpha", L"beta", L"daily@3", L"daily@4", L"daily@5"}));
    EXPECT_EQ(Sorted(3, 1), (std::vector<std::wstring>{L"daily@5", L"daily@4", L"daily@3", L"Alpha", L"beta", L"gamma"}));
    // Equal durations of one series fall back to the day.
    EXPECT_EQ(Sorted(4, 0), (std::vector<std::wstring>{L"daily@3", L"daily@4", L"daily@5", L"beta", L"gamma", L"Alpha"}));
    // Without a calendar first, then by working time.
    EXPECT_EQ(Sorted(5, 0), (std::vector<std::wstring>{L"beta", L"gamma", L"Alpha", L"daily@3", L"daily@4", L"daily@5"}));
    EXPECT_EQ(Sorted(-1, 0).size(), 6u);
}

TEST_F(RListBaseTest, Rebuild_followsTheReportFilter)
{
    wqv2_data::CFilter* filter = rtest::AddFilter(L"No Ben", {b});
    ASSERT_NE(filter, nullptr);
    UseReportFilter(filter);
    EXPECT_EQ(Sorted(1, 2), (std::vector<std::wstring>{L"gamma", L"daily@3", L"daily@4", L"daily@5"}));

    // Deleted after the host passed it: the next run lists as without a filter, never through
    // the dead pointer.
    wqv2_data::CData* root = rtest::CData::Root();
    ASSERT_EQ(root->BeginTransaction(L""), 0);
    ASSERT_EQ(filter->MarkDeleted(), 0);
    ASSERT_EQ(root->Commit(), 0);
    EXPECT_EQ(GetReportFilter(), nullptr);
    EXPECT_EQ(Sorted(1, 2).size(), 6u);
}

TEST_F(RListBaseTest, Rebuild_costsThatShowAlikeKeepTheTieBreakOrder)
{
    // Apart by less than the old tolerance pairwise, but not end to end: no strict order, which
    // std::sort may scramble or run past. All three show 0.00.
    ASSERT_EQ(SetFixedCosts(alpha, 0.0000012), true);
    ASSERT_EQ(SetFixedCosts(beta, 0.0000006), true);
    ASSERT_EQ(SetFixedCosts(gamma, 0.0), true);
    const std::vector<std::wstring> byPosition = Sorted(1, 2);
    EXPECT_EQ(Sorted(6, 0), byPosition);
    host::SetSetting(L"ViewFormatCostsDecimalDigits", L"7");
    EXPECT_EQ(Sorted(6, 0), (std::vector<std::wstring>{L"gamma", L"daily@3", L"daily@4", L"daily@5", L"beta", L"Alpha"}));
}

// What the column shows, compared straight from the data: below 0, equal or above.
int CompareByColumn(int column, const TaskOccurrence& x, const TaskOccurrence& y)
{
    auto compare = [](auto l, auto r) { return l < r ? -1 : r < l ? 1 : 0; };
    auto moment = [](TDate day, int minute) { return std::make_pair(static_cast<uint32_t>(day), minute); };
    const OccurrenceSpan sx = GetOccurrenceSpan(x);
    const OccurrenceSpan sy = GetOccurrenceSpan(y);
    wqv2_data::CResource* rx = x.task->GetResource();
    wqv2_data::CResource* ry = y.task->GetResource();
    switch (column) {
    case 0:
        return CompareLocaleNoCase(x.task->Name, y.task->Name);
    case 1:
        return CompareLocaleNoCase(rx->Name, ry->Name);
    case 2:
        return compare(moment(sx.startDay, sx.startMinute), moment(sy.startDay, sy.startMinute));
    case 3:
        return compare(moment(sx.endDay, sx.endMinute), moment(sy.endDay, sy.endMinute));
    case 4:
        return compare(x.task->GetDuration(), y.task->GetDuration());
    case 5:
        return compare(std::make_pair(rx->Calendar != nullptr, GetOccurrenceWorkingTime(x)),
                       std::make_pair(ry->Calendar != nullptr, GetOccurrenceWorkingTime(y)));
    case 6:
        return compare(CostsAsShown(GetOccurrenceCosts(x)), CostsAsShown(GetOccurrenceCosts(y)));
    default:
        return CompareLocaleNoCase(x.task->Note, y.task->Note);
    }
}

TEST_F(RListBaseTest, Rebuild_everyColumnAndOrderIsAStableSortOfTheBoardOrder)
{
    // Many equal values, across resources with and without a calendar: names and notes alike
    // but for case, costs below zero, zero and apart by less than shows.
    wqv2_data::CResource* d = rtest::AddResource(L"anna", 0);
    ASSERT_NE(d, nullptr);
    wqv2_data::CResource* resources[] = {a, b, c, d};
    const wchar_t* names[] = {L"beta", L"Alpha", L"alpha", L"Gamma", L"b"};
    const wchar_t* notes[] = {L"", L"check", L"Check", L"a note"};
    const double fixed[] = {-12.5, 0.0, 0.004, 7.25, 7.254, -0.004, 30.0};
    wqv2_data::CData* root = rtest::CData::Root();
    ASSERT_EQ(root->BeginTransaction(L""), 0);
    for (int i = 0; i < 70; ++i) {
        wqv2_data::CResource* resource = resources[i % 4];
        wqv2_data::CTask* task = resource->Tasks->CreateNew();
        task->SetName(names[i % 5]);
        task->SetNote(notes[i % 6 % 4]);
        task->DateStart = Day(3, 2 + i % 3);
        task->TimeStart = 480 + 60 * (i % 4);
        task->DateEnd = task->DateStart + i % 2;
        task->TimeEnd = (i % 2 ? 420 : task->TimeStart) + 30 * (i % 5);
        task->CostsCalculate = i % 3 != 0;
        task->CostsFixed = fixed[i % 7];
        task->CostsVariable = i % 4 == 0 ? 0.0 : 1.5 * (i % 3);
        ASSERT_EQ(resource->Tasks->Add(task), 0);
    }
    ASSERT_EQ(root->Commit(), 0);

    const std::vector<TaskOccurrence> board = Listed(1, 2);
    ASSERT_EQ(board.size(), 76u);
    auto pairs = [](const std::vector<TaskOccurrence>& list) {
        std::vector<std::pair<int, const wqv2_data::CTask*>> out;
        for (const TaskOccurrence& o : list)
            out.emplace_back(o.day, o.task);
        return out;
    };
    for (int column = 0; column <= 7; ++column) {
        for (int order = 0; order <= 2; ++order) {
            SCOPED_TRACE(testing::Message() << "column " << column << ", order " << order);
            std::vector<TaskOccurrence> expected = board;
            if (column != 1 || order != 2) {
                std::stable_sort(expected.begin(), expected.end(), [&](const TaskOccurrence& x, const TaskOccurrence& y) {
                    const int c = CompareByColumn(column, x, y);
                    return order == 1 ? c > 0 : c < 0;
                });
            }
            EXPECT_EQ(pairs(Listed(column, order)), pairs(expected));
        }
    }
}

TEST_F(RListBaseTest, FormatEnd_datesOnlyAnEndAtMidnightIsTheDayBeforeButNotBeforeTheStart)
{
    wqv2_data::CTask* overnight = rtest::AddTask(a, L"overnight", Day(3, 2), 600, Day(3, 3), 0);
    wqv2_data::CTask* mark = rtest::AddTask(a, L"mark", Day(3, 3), 0, Day(3, 3), 0);
    ASSERT_TRUE(overnight && mark);
    EXPECT_EQ(CRListBase::FormatEnd({static_cast<int32_t>(Day(3, 2)), overnight}, true, 0), L"2026-03-02");
    EXPECT_EQ(CRListBase::FormatEnd({static_cast<int32_t>(Day(3, 3)), mark}, true, 0), L"2026-03-03");
    EXPECT_EQ(CRListBase::FormatStart({static_cast<int32_t>(Day(3, 3)), mark}, true, 0), L"2026-03-03");
}

TEST_F(RListBaseTest, CollectOccurrences_sortedByDayStartLaterEndAndName)
{
    std::vector<TaskOccurrence> out;
    CollectOccurrences(nullptr, b, Day(1, 1), 0, Day(12, 31), 0, true, out);
    CollectOccurrences(nullptr, c, Day(3, 4), 0, Day(3, 5), 0, true, out);
    EXPECT_EQ(Names(out), (std::vector<std::wstring>{L"Alpha", L"beta", L"daily@4"}));
    const OccurrenceSpan span = GetOccurrenceSpan(out[2]);
    EXPECT_EQ(span.startDay, Day(3, 4));
    EXPECT_EQ(span.startMinute, 480);
    EXPECT_EQ(span.endMinute, 570);
    EXPECT_EQ(GetOccurrenceWorkingTime(out[2]), 90);
}

TEST_F(RListBaseTest, CollectTasks_clipsEveryOccurrenceToThePeriod)
{
    SetCosts(alpha, 60.0);
    CRListBase report;
    report.DateStart = Day(3, 2);
    report.TimeStart = 540;
    report.DateEnd = Day(3, 2);
    report.TimeEnd = 660;
    std::vector<TaskOccurrence> out;
    int duration = -1;
    int working = -1;
    double costs = -1.0;
    EXPECT_EQ(report.CollectTasks(out, &duration, &working, &costs), 2);
    EXPECT_EQ(duration, 120 + 60); // Alpha 9:00-11:00, beta 9:00-10:00
    EXPECT_EQ(working, 180);       // no calendar: elapsed minutes
    EXPECT_DOUBLE_EQ(costs, 120.0);

    report.LimitPeriod = false;
    out.clear();
    EXPECT_EQ(report.CollectTasks(out, &duration, nullptr, &costs), 2);
    EXPECT_EQ(duration, 240 + 120);
    EXPECT_DOUBLE_EQ(costs, 240.0);
}

TEST_F(RListBaseTest, ClipToPeriod_seriesOccurrenceBecomesAPlainTaskOfItsResource)
{
    CRListBase report;
    report.DateStart = Day(3, 4);
    report.TimeStart = 510;
    report.DateEnd = Day(3, 6);
    std::vector<TaskOccurrence> out;
    int working = 0;
    EXPECT_EQ(report.CollectTasks(out, nullptr, &working, nullptr), 2);
    EXPECT_EQ(working, 60 + 90); // by the calendar of mornings, the first one cut at 8:30
    wqv2_data::CTask* clipped = report.ClipToPeriod(out[0]);
    ASSERT_NE(clipped, nullptr);
    EXPECT_EQ(clipped->Recurrence, nullptr);
    EXPECT_EQ(clipped->Owner, c->Tasks);
    EXPECT_EQ(clipped->DateStart, Day(3, 4));
    EXPECT_EQ(clipped->TimeStart, 510);
    EXPECT_EQ(clipped->TimeEnd, 570);
    EXPECT_EQ(std::wstring(clipped->Name), L"daily");
}

} // namespace
