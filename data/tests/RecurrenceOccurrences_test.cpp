// Occurrence days of series: the named pattern cases, windows and running occurrences, the end
// of the calendar, and when answers are recomputed (commit, skipped days, rollback), through
// QV2D.dll.
#include "DataTestEnv.h"

#include <climits>
#include <vector>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

TDate Ymd(unsigned year, unsigned month, unsigned day) { return TDate::FromYMD(month, year, day); }

class OccurrencesTest : public DataTest {
protected:
    void TearDown() override
    {
        for (CRecurrence* s : m_standAlone)
            s->MarkDeleted();
        DataTest::TearDown();
    }
    // A stand-alone series from `start` with the given frequency; the caller sets the pattern
    // and calls UpdateRange.
    CRecurrence* NewSeries(int frequency, TDate start)
    {
        CRecurrence* s = nullptr;
        root->Command(kCmdNewRecurrence, &s);
        m_standAlone.push_back(s);
        s->Frequency = frequency;
        s->DateStart = start;
        return s;
    }
    // Occurrence days starting in [first 0:00, last + 1 0:00).
    static std::vector<TDate> Days(CRecurrence* s, TDate first, TDate last, bool running = false)
    {
        std::vector<TDate> days(static_cast<size_t>(s->CountOccurrences(first, 0, last + 1, 0, nullptr, running)));
        s->GetOccurrences(days.data(), first, 0, last + 1, 0, nullptr, running);
        return days;
    }
    CRecurrence* AddSeries(CResource* r, TDate start, int time, int duration)
    {
        if (Begin() != 0)
            return nullptr;
        CRecurrence* s = r->Recurrences->CreateNew();
        s->DateStart = start;
        s->TimeStart = time;
        s->Duration = duration;
        s->Task->SetName(L"stand-up");
        if (r->Recurrences->Add(s) != 0 || Commit() != 0)
            return nullptr;
        return s;
    }

private:
    std::vector<CRecurrence*> m_standAlone;
};

using DayList = std::vector<TDate>;

TEST_F(OccurrencesTest, Daily_everySecondDayWithCount)
{
    CRecurrence* s = NewSeries(kDaily, Ymd(2025, 3, 1));
    static_cast<CRecurrencePatternDaily*>(s->GetPattern())->DInterval = 2;
    s->EndType = kEndAfterCount;
    s->EndCount = 3;
    ASSERT_TRUE(s->UpdateRange());
    EXPECT_EQ(s->GetFirstDay(), Ymd(2025, 3, 1));
    EXPECT_EQ(s->GetLastDay(), Ymd(2025, 3, 5));
    EXPECT_EQ(Days(s, Ymd(2025, 2, 1), Ymd(2025, 4, 1)), (DayList{Ymd(2025, 3, 1), Ymd(2025, 3, 3), Ymd(2025, 3, 5)}));
    s->EndType = kEndNever;
    s->UpdateRange();
    EXPECT_EQ(s->GetLastDay(), 1u);
    EXPECT_EQ(Days(s, Ymd(2025, 3, 2), Ymd(2025, 3, 8)), (DayList{Ymd(2025, 3, 3), Ymd(2025, 3, 5), Ymd(2025, 3, 7)}));
}

TEST_F(OccurrencesTest, Daily_workdaysFromASaturday)
{
    const TDate saturday = Ymd(2025, 3, 1);
    ASSERT_EQ(saturday.GetWeekday(), 5);
    CRecurrence* s = NewSeries(kDaily, saturday);
    static_cast<CRecurrencePatternDaily*>(s->GetPattern())->DType = 1;
    s->EndType = kEndAfterCount;
    s->EndCount = 5;
    s->UpdateRange();
    EXPECT_EQ(s->GetFirstDay(), saturday + 2);
    EXPECT_EQ(s->GetLastDay(), saturday + 6); // that Friday
    s->EndCount = 7;
    s->UpdateRange();
    EXPECT_EQ(s->GetLastDay(), saturday + 10); // the Tuesday after
    // A span that begins on a weekend starts at the Monday.
    EXPECT_EQ(Days(s, saturday + 7, saturday + 9), (DayList{saturday + 9}));
}

TEST_F(OccurrencesTest, Weekly_mondayAndThursdayEverySecondWeek)
{
    const TDate wednesday = Ymd(2025, 3, 5);
    ASSERT_EQ(wednesday.GetWeekday(), 2);
    CRecurrence* s = NewSeries(kWeekly, wednesday);
    auto* p = static_cast<CRecurrencePatternWeekly*>(s->GetPattern());
    p->WWeekdayCount = 3;
    p->WWeekdays[0] = 3;
    p->WWeekdays[1] = 0;
    p->WWeekdays[2] = 3; // listed twice: still one occurrence that day
    p->WInterval = 2;
    s->EndType = kEndAfterCount;
    s->EndCount = 4;
    s->UpdateRange();
    EXPECT_EQ(s->GetFirstDay(), wednesday + 1);
    EXPECT_EQ(s->GetLastDay(), wednesday + 26);
    EXPECT_EQ(Days(s, wednesday, wednesday + 60), (DayList{wednesday + 1, wednesday + 12, wednesday + 15, wednesday + 26}));
}

TEST_F(OccurrencesTest, Weekly_withoutWeekdayHasNoOccurrence)
{
    CRecurrence* s = NewSeries(kWeekly, Ymd(2025, 3, 5));
    static_cast<CRecurrencePatternWeekly*>(s->GetPattern())->WWeekdayCount = 0;
    s->EndType = kEndAfterCount;
    s->EndCount = 10;
    s->UpdateRange();
    EXPECT_EQ(s->GetFirstDay(), 0u);
    EXPECT_EQ(s->GetLastDay(), 0u);
    EXPECT_TRUE(Days(s, Ymd(2025, 1, 1), Ymd(2026, 1, 1)).empty());
}

TEST_F(OccurrencesTest, Monthly_day31ClampsWithoutShifting)
{
    CRecurrence* s = NewSeries(kMonthly, Ymd(2024, 1, 31));
    static_cast<CRecurrencePatternMonthly*>(s->GetPattern())->MDayOfMonth = 31;
    s->UpdateRange();
    EXPECT_EQ(Days(s, Ymd(2024, 1, 1), Ymd(2024, 4, 30)),
              (DayList{Ymd(2024, 1, 31), Ymd(2024, 2, 29), Ymd(2024, 3, 31), Ymd(2024, 4, 30)}));
    s->DateStart = Ymd(2023, 1, 31);
    s->UpdateRange();
    EXPECT_EQ(Days(s, Ymd(2023, 2, 1), Ymd(2023, 3, 31)), (DayList{Ymd(2023, 2, 28), Ymd(2023, 3, 31)}));
}

TEST_F(OccurrencesTest, Monthly_lastFridayEveryThirdMonth)
{
    CRecurrence* s = NewSeries(kMonthly, Ymd(2025, 1, 15));
    auto* p = static_cast<CRecurrencePatternMonthly*>(s->GetPattern());
    p->MType = 1;
    p->MPosition = -1;
    p->MWeekday = 4;
    p->MInterval = 3;
    s->EndType = kEndAtDate;
    s->EndDate = Ymd(2025, 10, 30); // before October's last Friday: ends with July's
    s->UpdateRange();
    EXPECT_EQ(s->GetFirstDay(), Ymd(2025, 1, 31));
    EXPECT_EQ(s->GetLastDay(), Ymd(2025, 7, 25));
    EXPECT_EQ(Days(s, Ymd(2025, 1, 1), Ymd(2025, 12, 31)), (DayList{Ymd(2025, 1, 31), Ymd(2025, 4, 25), Ymd(2025, 7, 25)}));
}

TEST_F(OccurrencesTest, Monthly_positionedAnyDay)
{
    CRecurrence* s = NewSeries(kMonthly, Ymd(2025, 1, 1));
    auto* p = static_cast<CRecurrencePatternMonthly*>(s->GetPattern());
    p->MType = 1;
    p->MPosition = 2;
    p->MWeekday = 7;
    s->UpdateRange();
    EXPECT_EQ(Days(s, Ymd(2025, 1, 1), Ymd(2025, 2, 28)), (DayList{Ymd(2025, 1, 2), Ymd(2025, 2, 2)}));
    p->MPosition = -1;
    s->UpdateRange();
    EXPECT_EQ(Days(s, Ymd(2025, 1, 1), Ymd(2025, 2, 28)), (DayList{Ymd(2025, 1, 31), Ymd(2025, 2, 28)}));
}

TEST_F(OccurrencesTest, Yearly_leapDayAndEndBeforeTheYearsOccurrence)
{
    CRecurrence* s = NewSeries(kYearly, Ymd(2024, 2, 29));
    auto* p = static_cast<CRecurrencePatternYearly*>(s->GetPattern());
    p->YMonth = 2;
    p->YDayOfMonth = 29;
    s->EndType = kEndAtDate;
    s->EndDate = Ymd(2028, 2, 1);
    s->UpdateRange();
    EXPECT_EQ(s->GetLastDay(), Ymd(2027, 2, 28));
    EXPECT_EQ(Days(s, Ymd(2024, 1, 1), Ymd(2030, 1, 1)),
              (DayList{Ymd(2024, 2, 29), Ymd(2025, 2, 28), Ymd(2026, 2, 28), Ymd(2027, 2, 28)}));
}

TEST_F(OccurrencesTest, Range_endOfTheCalendar)
{
    // Arithmetic beyond 31 December 9999 stops there, whatever the count and interval.
    CRecurrence* s = NewSeries(kDaily, Ymd(9999, 12, 1));
    static_cast<CRecurrencePatternDaily*>(s->GetPattern())->DInterval = INT_MAX;
    s->EndType = kEndAfterCount;
    s->EndCount = INT_MAX;
    ASSERT_TRUE(s->UpdateRange());
    EXPECT_EQ(s->GetLastDay(), TDate::kLastDay);
    EXPECT_EQ(Days(s, Ymd(9999, 11, 1), TDate::kLastDay), (DayList{Ymd(9999, 12, 1)}));

    s->Frequency = kWeekly;
    auto* weekly = static_cast<CRecurrencePatternWeekly*>(s->GetPattern());
    weekly->WWeekdays[0] = 4; // Fridays; 1 December 9999 is a Wednesday
    weekly->WInterval = INT_MAX;
    ASSERT_TRUE(s->UpdateRange());
    EXPECT_EQ(s->GetFirstDay(), Ymd(9999, 12, 3));
    EXPECT_EQ(s->GetLastDay(), TDate::kLastDay);
    weekly->WWeekdays[0] = 0; // the Monday of the start's week is gone: the next lies past 9999
    s->UpdateRange();
    EXPECT_EQ(s->GetFirstDay(), 0u);

    s->Frequency = kMonthly;
    static_cast<CRecurrencePatternMonthly*>(s->GetPattern())->MInterval = INT_MAX;
    s->UpdateRange();
    EXPECT_EQ(s->GetFirstDay(), Ymd(9999, 12, 1));
    s->DateStart = Ymd(9999, 12, 2);
    s->UpdateRange();
    EXPECT_EQ(s->GetFirstDay(), 0u); // the 1st of a month after December 9999 has no date
    EXPECT_EQ(Days(s, Ymd(9999, 1, 1), TDate::kLastDay), DayList{});

    s->Frequency = kYearly;
    s->DateStart = Ymd(9998, 6, 1);
    s->UpdateRange();
    EXPECT_EQ(s->GetFirstDay(), Ymd(9999, 1, 1));
    EXPECT_EQ(s->GetLastDay(), TDate::kLastDay);
    EXPECT_EQ(Days(s, Ymd(9990, 1, 1), TDate::kLastDay), (DayList{Ymd(9999, 1, 1)}));
}

TEST_F(OccurrencesTest, Window_runningOccurrences)
{
    const TDate d = Ymd(2025, 3, 10);
    CRecurrence* s = NewSeries(kDaily, d);
    s->TimeStart = 22 * 60;
    s->Duration = 240;
    s->UpdateRange();
    TDate out[3] = {};
    ASSERT_EQ(s->GetOccurrences(out, d + 1, 0, d + 2, 0, nullptr, false), 1);
    EXPECT_EQ(out[0], d + 1);
    ASSERT_EQ(s->GetOccurrences(out, d + 1, 0, d + 2, 0, nullptr, true), 2);
    EXPECT_EQ(out[0], d);
    EXPECT_EQ(out[1], d + 1);

    // Starting exactly at the window's start: only running ones count, unless it has no length.
    EXPECT_EQ(s->CountOccurrences(d + 1, 22 * 60, d + 2, 0, nullptr, false), 0);
    EXPECT_EQ(s->CountOccurrences(d + 1, 22 * 60, d + 2, 0, nullptr, true), 1);
    // Starting exactly at the window's end: never.
    EXPECT_EQ(s->CountOccurrences(d + 1, 0, d + 1, 22 * 60, nullptr, false), 0);
    s->Duration = 0;
    EXPECT_EQ(s->CountOccurrences(d + 1, 22 * 60, d + 2, 0, nullptr, false), 1);
    EXPECT_EQ(s->CountOccurrences(d + 1, 22 * 60, d + 2, 0, nullptr, true), 1);
    // A negative length counts as none: no running occurrence, and the end is the start.
    s->Duration = -120;
    EXPECT_EQ(s->CountOccurrences(d + 1, 0, d + 2, 0, nullptr, true), 1);
    int minute = -1;
    EXPECT_EQ(s->GetOccurrenceEnd(d, &minute), d);
    EXPECT_EQ(minute, 22 * 60);
}

TEST_F(OccurrencesTest, LastDay_noEndAndEmptyEnd)
{
    CRecurrence* s = NewSeries(kWeekly, Ymd(2025, 3, 5)); // a Wednesday; Mondays only
    s->UpdateRange();
    EXPECT_EQ(s->GetLastDay(), 1u);
    s->EndType = kEndAtDate;
    s->EndDate = Ymd(2025, 3, 8); // before the first Monday
    s->UpdateRange();
    EXPECT_EQ(s->GetFirstDay(), 0u);
    EXPECT_EQ(s->GetLastDay(), 0u);
    s->Frequency = 9;
    EXPECT_FALSE(s->UpdateRange());
    EXPECT_EQ(s->GetFirstDay(), 0u);
    EXPECT_EQ(s->CountOccurrences(Ymd(2025, 1, 1), 0, Ymd(2026, 1, 1), 0, nullptr, true), 0);
}

TEST_F(OccurrencesTest, SkippedDays_answerChangesAtOnceAndCountTowardsTheEnd)
{
    const TDate d = Ymd(2025, 3, 10);
    CRecurrence* s = NewSeries(kDaily, d);
    s->EndType = kEndAfterCount;
    s->EndCount = 10;
    s->UpdateRange();
    EXPECT_EQ(s->CountOccurrences(d, 0, d + 30, 0, nullptr, false), 10);
    s->AddException(d + 3);
    EXPECT_EQ(s->CountOccurrences(d, 0, d + 30, 0, nullptr, false), 9); // a series of ten shows nine
    EXPECT_EQ(s->RemoveException(d + 3), 1);
    EXPECT_EQ(s->CountOccurrences(d, 0, d + 30, 0, nullptr, false), 10);
    s->AddException(d);
    s->AddException(d + 1);
    EXPECT_EQ(s->CountOccurrences(d, 0, d + 30, 0, nullptr, false), 8);
    s->ClearExceptions();
    EXPECT_EQ(s->CountOccurrences(d, 0, d + 30, 0, nullptr, false), 10);
}

TEST_F(OccurrencesTest, Commit_recomputesRangeAndRollbackRestoresIt)
{
    CResource* r = AddResource(L"R");
    const TDate d = Ymd(2025, 3, 10);
    CRecurrence* s = AddSeries(r, d, 600, 60);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->GetFirstDay(), d); // the commit computed the range
    EXPECT_EQ(s->CountOccurrences(d, 0, d + 7, 0, nullptr, false), 7);

    Begin(L"skip");
    ASSERT_EQ(s->MarkModified(), 0);
    s->AddException(d + 2);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(s->CountOccurrences(d, 0, d + 7, 0, nullptr, false), 6);
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_EQ(s->CountOccurrences(d, 0, d + 7, 0, nullptr, false), 7);

    // An edit that recomputed its range and was then abandoned leaves the old answers.
    Begin();
    ASSERT_EQ(s->MarkModified(), 0);
    s->DateStart = d + 3;
    s->UpdateRange();
    EXPECT_EQ(s->CountOccurrences(d, 0, d + 7, 0, nullptr, false), 4);
    root->Rollback();
    EXPECT_EQ(s->DateStart, d);
    EXPECT_EQ(s->GetFirstDay(), d);
    EXPECT_EQ(s->CountOccurrences(d, 0, d + 7, 0, nullptr, false), 7);

    // A changed start re-sorts the series and moves its occurrences.
    CRecurrence* early = AddSeries(r, d - 5, 0, 30);
    ASSERT_TRUE(early);
    EXPECT_EQ(r->Recurrences->GetAt(0), early);
    Begin();
    ASSERT_EQ(early->MarkModified(), 0);
    early->DateStart = d + 20;
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(r->Recurrences->GetAt(1), early);
    EXPECT_EQ(early->CountOccurrences(d, 0, d + 7, 0, nullptr, false), 0);
}

TEST_F(OccurrencesTest, MarkModified_dropsTheAnswerHeld)
{
    CResource* r = AddResource(L"R");
    ASSERT_EQ(Begin(), 0);
    CRecurrence* s = r->Recurrences->CreateNew();
    s->Frequency = kMonthly;
    s->DateStart = Ymd(2025, 1, 1);
    ASSERT_EQ(r->Recurrences->Add(s), 0);
    ASSERT_EQ(Commit(), 0);
    TDate day = 0u;
    ASSERT_EQ(s->GetOccurrences(&day, Ymd(2025, 3, 1), 0, Ymd(2025, 4, 1), 0, nullptr, false), 1);
    EXPECT_EQ(day, Ymd(2025, 3, 1));
    // The day of the month is read as the days are collected: an editor that changes it after
    // MarkModified sees it at once, not the answer held for the same window.
    ASSERT_EQ(Begin(), 0);
    ASSERT_EQ(s->MarkModified(), 0);
    static_cast<CRecurrencePatternMonthly*>(s->GetPattern())->MDayOfMonth = 15;
    ASSERT_EQ(s->GetOccurrences(&day, Ymd(2025, 3, 1), 0, Ymd(2025, 4, 1), 0, nullptr, false), 1);
    EXPECT_EQ(day, Ymd(2025, 3, 15));
    root->Rollback();
    ASSERT_EQ(s->GetOccurrences(&day, Ymd(2025, 3, 1), 0, Ymd(2025, 4, 1), 0, nullptr, false), 1);
    EXPECT_EQ(day, Ymd(2025, 3, 1));
}

TEST_F(OccurrencesTest, Resource_windowHoldsOccurrencesWithTemplate)
{
    CResource* r = AddResource(L"R");
    const TDate monday = Ymd(2025, 3, 10);
    Begin();
    CRecurrence* s = r->Recurrences->CreateNew();
    s->Frequency = kWeekly;
    s->DateStart = monday;
    s->TimeStart = 23 * 60;
    s->Duration = 120;
    ASSERT_EQ(r->Recurrences->Add(s), 0);
    ASSERT_EQ(Commit(), 0);
    AddTask(r, monday + 1, 600, monday + 1, 660, L"own");
    // Occurrences already running at the window's start belong to it.
    const int count = r->CountTasksInWindow(monday + 1, 0, monday + 14, 0, nullptr);
    ASSERT_EQ(count, 3);
    TaskOccurrence out[3] = {};
    ASSERT_EQ(r->GetTasksInWindow(out, monday + 1, 0, monday + 14, 0, nullptr), 3);
    EXPECT_STREQ(out[0].task->Name, L"own");
    EXPECT_EQ(out[1].day, static_cast<int>(static_cast<uint32_t>(monday)));
    EXPECT_EQ(out[1].task, s->Task);
    EXPECT_EQ(out[2].day, static_cast<int>(static_cast<uint32_t>(monday + 7)));
}

TEST_F(OccurrencesTest, DetachOccurrence_withoutResource)
{
    CRecurrence* s = NewSeries(kDaily, Ymd(2025, 3, 10));
    s->UpdateRange();
    ASSERT_EQ(Begin(), 0);
    EXPECT_EQ(s->DetachOccurrence(Ymd(2025, 3, 11), nullptr), nullptr);
    EXPECT_FALSE(s->IsException(Ymd(2025, 3, 11)));
    EXPECT_EQ(Commit(), 0); // the transaction is still the caller's
}

TEST_F(OccurrencesTest, CopyFrom_keepsOwnTemplateAndRecomputesAtCommit)
{
    CResource* r = AddResource(L"R");
    CRecurrence* a = AddSeries(r, Ymd(2025, 3, 10), 600, 60);
    CRecurrence* b = AddSeries(r, Ymd(2025, 4, 10), 700, 30);
    ASSERT_TRUE(a && b);
    Begin(L"copy");
    ASSERT_EQ(b->MarkModified(), 0);
    b->CopyFrom(a);
    b->CopyFrom(b);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(b->ID, 2);
    EXPECT_EQ(b->Task->Recurrence, b);
    EXPECT_NE(b->Task, a->Task);
    EXPECT_EQ(b->GetFirstDay(), Ymd(2025, 3, 10));
    EXPECT_EQ(b->Task->GetResource(), r);
}

} // namespace
