// The working-time arithmetic of calendars at its boundaries: range ends, midnight, 24:00,
// holidays, exceptions, the memo and the last day with a date, through QV2D.dll.
#include "DataTestEnv.h"

#include <climits>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

const TDate kMonday = TDate::FromYMD(9, 2024, 2); // 2 September 2024

class WorkingTimeTest : public DataTest {
protected:
    // Monday to Friday 08:00-12:00 and 13:00-17:00; weekends off; holidays 10:00-11:00.
    CCalendar* AddOffice(int holidayRule = 2)
    {
        Begin();
        CCalendar* c = root->Calendars->CreateNew();
        c->SetName(L"Office");
        const int day[] = {480, 720, 780, 1020};
        for (unsigned list = 0; list < 5; ++list)
            c->SetWorkingTimes(list, day, 2);
        c->SetWorkingTimes(5, nullptr, 0);
        c->SetWorkingTimes(6, nullptr, 0);
        const int holiday[] = {600, 660};
        c->SetWorkingTimes(7, holiday, 1);
        c->HolidayRule = holidayRule;
        if (root->Calendars->Add(c) != 0 || Commit() != 0)
            return nullptr;
        return c;
    }
    CCalendar* AddCalendar(const int* pairs, int count, int holidayRule = 2)
    {
        Begin();
        CCalendar* c = root->Calendars->CreateNew();
        c->SetName(L"C");
        for (unsigned list = 0; list < 8; ++list)
            c->SetWorkingTimes(list, pairs, count);
        c->HolidayRule = holidayRule;
        if (root->Calendars->Add(c) != 0 || Commit() != 0)
            return nullptr;
        return c;
    }
    bool AddException(CCalendar* c, TDate day, const int* pairs, int count)
    {
        Begin();
        CCalendarException* e = c->Exceptions->CreateNew();
        e->Date = day;
        e->SetWorkingTimes(pairs, count);
        return c->Exceptions->Add(e) == 0 && Commit() == 0;
    }
    bool AddHoliday(TDate day, const wchar_t* name)
    {
        Begin();
        CHoliday* h = root->Holidays->CreateNew();
        h->SetName(name);
        h->Date = day;
        return root->Holidays->Add(h) == 0 && Commit() == 0;
    }
    struct Reached {
        bool ok;
        TDate day;
        int minute;
    };
    static Reached Add(CCalendar* c, TDate day, int minute, unsigned int n)
    {
        Reached r{false, 0u, -1};
        r.ok = c->AddWorkingMinutes(day, minute, n, &r.day, &r.minute);
        return r;
    }
};

TEST_F(WorkingTimeTest, DefaultCalendar_countsWholeDays)
{
    Begin();
    CCalendar* c = root->Calendars->CreateNew();
    c->SetName(L"Always");
    ASSERT_EQ(root->Calendars->Add(c), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 1, 0), 1440);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 365, 0), 365 * 1440);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 600, kMonday + 2, 60), 1440 - 600 + 1440 + 60);
    const Reached r = Add(c, kMonday, 1380, 60);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.day, kMonday + 1); // 24:00 is 0:00 of the next day
    EXPECT_EQ(r.minute, 0);
}

TEST_F(WorkingTimeTest, WorkingMinutes_emptyAndInvertedPeriodsGiveZero)
{
    CCalendar* c = AddOffice();
    EXPECT_EQ(c->WorkingMinutes(kMonday, 480, kMonday, 480), 0);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 600, kMonday, 500), 0);
    EXPECT_EQ(c->WorkingMinutes(kMonday + 1, 0, kMonday, 600), 0);
    EXPECT_EQ(c->WorkingMinutes(TDate(UINT32_MAX), 0, 0u, 0), 0);
}

TEST_F(WorkingTimeTest, WorkingMinutes_partsOfRangesAndWholeWeeks)
{
    CCalendar* c = AddOffice();
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 1, 0), 480);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 500, kMonday, 800), 220 + 20);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 720, kMonday, 780), 0); // the lunch break
    EXPECT_EQ(c->WorkingMinutes(kMonday + 4, 1000, kMonday + 7, 490), 20 + 10); // over the weekend
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 7 * 52, 0), 52 * 5 * 480);
    EXPECT_EQ(c->WorkingMinutes(kMonday + 2, 0, kMonday + 2 + 7 * 10 + 3, 0), 10 * 2400 + 3 * 480);
}

TEST_F(WorkingTimeTest, AddWorkingMinutes_endsAtTheRangeEndThatCompletesTheCount)
{
    CCalendar* c = AddOffice();
    Reached r = Add(c, kMonday, 480, 240);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.day, kMonday);
    EXPECT_EQ(r.minute, 720);
    r = Add(c, kMonday, 480, 241);
    EXPECT_EQ(r.minute, 781);
    r = Add(c, kMonday, 480, 480);
    EXPECT_EQ(r.day, kMonday);
    EXPECT_EQ(r.minute, 1020);
    r = Add(c, kMonday, 480, 481); // Tuesday 08:01
    EXPECT_EQ(r.day, kMonday + 1);
    EXPECT_EQ(r.minute, 481);
    r = Add(c, kMonday + 4, 1020, 1); // Friday evening: Monday 08:01
    EXPECT_EQ(r.day, kMonday + 7);
    EXPECT_EQ(r.minute, 481);
    r = Add(c, kMonday, 600, 0);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.day, kMonday);
    EXPECT_EQ(r.minute, 600);
}

TEST_F(WorkingTimeTest, AddWorkingMinutes_largeCountsEndAtARangeEnd)
{
    CCalendar* c = AddOffice();
    // Exactly 100 working weeks from Monday 08:00 end on a Friday at 17:00, not on the next
    // Monday at 08:00: the probe that lands exactly on the count is the upper bracket.
    Reached r = Add(c, kMonday, 480, 100 * 2400);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.day, kMonday + 7 * 99 + 4);
    EXPECT_EQ(r.minute, 1020);
    r = Add(c, kMonday, 480, 100 * 2400 + 1);
    EXPECT_EQ(r.day, kMonday + 7 * 100);
    EXPECT_EQ(r.minute, 481);
    // Half a day short of four weeks.
    r = Add(c, kMonday, 480, 4 * 2400 - 240);
    EXPECT_EQ(r.day, kMonday + 7 * 3 + 4);
    EXPECT_EQ(r.minute, 720);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 480, r.day, r.minute), 4 * 2400 - 240);
}

TEST_F(WorkingTimeTest, RangeEndingAt2400_reachedExactlyGivesMidnight)
{
    const int evening[] = {1200, 0};
    CCalendar* c = AddCalendar(evening, 1);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 1, 0), 240);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 1300, kMonday + 1, 0), 140);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 1300, kMonday + 1, 1), 140);
    Reached r = Add(c, kMonday, 1200, 240);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.day, kMonday + 1);
    EXPECT_EQ(r.minute, 0);
    r = Add(c, kMonday, 0, 241);
    EXPECT_EQ(r.day, kMonday + 1);
    EXPECT_EQ(r.minute, 1201);
    r = Add(c, kMonday, 0, 240 * 30); // thirty evenings, through the bisection
    EXPECT_EQ(r.day, kMonday + 30);
    EXPECT_EQ(r.minute, 0);
}

TEST_F(WorkingTimeTest, Holidays_followTheRuleAndExceptionsDecideTheirDay)
{
    CCalendar* c = AddOffice(2);
    ASSERT_TRUE(AddHoliday(kMonday + 1, L"Tuesday off"));
    ASSERT_TRUE(AddHoliday(kMonday + 2, L"Wednesday off"));
    const int shortDay[] = {480, 600};
    ASSERT_TRUE(AddException(c, kMonday + 2, shortDay, 1));
    // Rule 2: the holiday list 10:00-11:00 on Tuesday; the exception decides Wednesday.
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 7, 0), 480 + 60 + 120 + 480 + 480);
    EXPECT_EQ(c->WorkingMinutes(kMonday + 1, 0, kMonday + 2, 0), 60);
    Reached r = Add(c, kMonday, 1020, 61);
    EXPECT_EQ(r.day, kMonday + 2);
    EXPECT_EQ(r.minute, 481);

    Begin();
    c->MarkModified();
    c->HolidayRule = 0;
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 7, 0), 480 + 0 + 120 + 480 + 480);
    Begin();
    c->MarkModified();
    c->HolidayRule = 1;
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 7, 0), 480 + 480 + 120 + 480 + 480);
    // The same over a year, where the days between the ends are counted, not walked.
    EXPECT_EQ(c->WorkingMinutes(kMonday - 7 * 20, 0, kMonday + 7 * 30, 0), 50 * 2400 - 360);
}

TEST_F(WorkingTimeTest, ExceptionWithoutRanges_isADayOffAlsoOnAHoliday)
{
    CCalendar* c = AddOffice(2);
    ASSERT_TRUE(AddHoliday(kMonday, L"Holiday"));
    ASSERT_TRUE(AddException(c, kMonday, nullptr, 0));
    EXPECT_EQ(c->GetWorkingTimeCount(kMonday), 0);
    EXPECT_EQ(c->WorkingMinutes(kMonday - 1, 0, kMonday + 2, 0), 480);
    EXPECT_EQ(c->WorkingMinutes(kMonday - 10, 0, kMonday + 10, 0), 2400 * 3 - 480 - 480);
}

TEST_F(WorkingTimeTest, TwoExceptionsOnOneDay_onlyTheFirstCounts)
{
    CCalendar* c = AddOffice();
    Begin();
    const int first[] = {480, 540};
    const int second[] = {0, 0};
    CCalendarException* a = c->Exceptions->CreateNew();
    a->Date = kMonday + 8;
    a->SetWorkingTimes(first, 1);
    CCalendarException* b = c->Exceptions->CreateNew();
    b->Date = kMonday + 8;
    b->SetWorkingTimes(second, 1);
    ASSERT_EQ(c->Exceptions->Add(a), 0);
    ASSERT_EQ(c->Exceptions->Add(b), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(c->Exceptions->FindByDate(kMonday + 8), a);
    EXPECT_EQ(c->GetWorkingTimeCount(kMonday + 8), 1);
    // The day inside a period and at its ends, as GetWorkingTimes tells it.
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 14, 0), 9 * 480 + 60);
    EXPECT_EQ(c->WorkingMinutes(kMonday + 8, 0, kMonday + 9, 0), 60);
}

TEST_F(WorkingTimeTest, SparseCalendar_placesOnlyOnExceptionsAndWorkingHolidays)
{
    Begin();
    CCalendar* c = root->Calendars->CreateNew();
    c->SetName(L"Sparse");
    for (unsigned list = 0; list < 7; ++list)
        c->SetWorkingTimes(list, nullptr, 0);
    const int holiday[] = {600, 720};
    c->SetWorkingTimes(7, holiday, 1);
    ASSERT_EQ(root->Calendars->Add(c), 0);
    ASSERT_EQ(Commit(), 0);
    const int morning[] = {480, 600};
    ASSERT_TRUE(AddException(c, kMonday + 3, morning, 1));
    ASSERT_TRUE(AddException(c, kMonday + 40, morning, 1));
    ASSERT_TRUE(AddHoliday(kMonday + 20, L"H1"));
    ASSERT_TRUE(AddHoliday(kMonday + 40, L"H2")); // the exception decides that day

    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 60, 0), 120 + 120 + 120);
    Reached r = Add(c, kMonday, 0, 121);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.day, kMonday + 20);
    EXPECT_EQ(r.minute, 601);
    r = Add(c, kMonday, 0, 360);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.day, kMonday + 40);
    EXPECT_EQ(r.minute, 600);
    // Too few: false, with the end of the last working range.
    r = Add(c, kMonday, 0, 361);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.day, kMonday + 40);
    EXPECT_EQ(r.minute, 600);
    // Nothing after the start: the start itself.
    r = Add(c, kMonday + 41, 300, 5);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.day, kMonday + 41);
    EXPECT_EQ(r.minute, 300);

    // Rule 0: holidays do not work, so the holiday list does not either.
    Begin();
    c->MarkModified();
    c->HolidayRule = 0;
    ASSERT_EQ(Commit(), 0);
    r = Add(c, kMonday, 0, 121);
    EXPECT_EQ(r.day, kMonday + 40);
    EXPECT_EQ(r.minute, 481);
}

TEST_F(WorkingTimeTest, SparseCalendar_lastRangeEndingAt2400)
{
    Begin();
    CCalendar* c = root->Calendars->CreateNew();
    c->SetName(L"Sparse");
    for (unsigned list = 0; list < 8; ++list)
        c->SetWorkingTimes(list, nullptr, 0);
    ASSERT_EQ(root->Calendars->Add(c), 0);
    ASSERT_EQ(Commit(), 0);
    const int night[] = {1380, 0};
    ASSERT_TRUE(AddException(c, kMonday + 2, night, 1));
    Reached r = Add(c, kMonday, 0, 60);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.day, kMonday + 3);
    EXPECT_EQ(r.minute, 0);
    r = Add(c, kMonday, 0, 61);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.day, kMonday + 3);
    EXPECT_EQ(r.minute, 0);
}

TEST_F(WorkingTimeTest, AddWorkingMinutes_stopsAtTheLastDayWithADate)
{
    // One working minute a week: four billion minutes lie far beyond the year 9999.
    Begin();
    CCalendar* c = root->Calendars->CreateNew();
    c->SetName(L"Thin");
    for (unsigned list = 0; list < 8; ++list)
        c->SetWorkingTimes(list, nullptr, 0);
    const int minute[] = {600, 601};
    c->SetWorkingTimes(2, minute, 1); // Wednesdays
    ASSERT_EQ(root->Calendars->Add(c), 0);
    ASSERT_EQ(Commit(), 0);
    Reached r = Add(c, kMonday, 0, 0xFFFFFFFFu);
    EXPECT_FALSE(r.ok);
    ASSERT_LE(static_cast<uint32_t>(r.day), TDate::kLastDay);
    EXPECT_GT(static_cast<uint32_t>(r.day), TDate::kLastDay - 7);
    EXPECT_EQ(static_cast<uint32_t>(r.day) % 7, 2u);
    EXPECT_EQ(r.minute, 601);
    // Small counts that still fit end where they should, also near the ceiling.
    r = Add(c, TDate::kLastDay - 20, 0, 2);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(c->WorkingMinutes(TDate::kLastDay - 20, 0, r.day, r.minute), 2);
    r = Add(c, TDate::kLastDay + 1, 0, 1);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(static_cast<uint32_t>(r.day), TDate::kLastDay + 1);

    // A whole-day calendar counts past INT_MAX minutes over millennia without wrapping.
    CCalendar* always = AddCalendar(nullptr, 0);
    const int whole[] = {0, 0};
    Begin();
    always->MarkModified();
    for (unsigned list = 0; list < 8; ++list)
        always->SetWorkingTimes(list, whole, 1);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(always->WorkingMinutes(TDate::kFirstDay, 0, TDate::kLastDay, 0), INT_MAX);
    r = Add(always, TDate::kFirstDay, 0, 0xFFFFFFFFu);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(static_cast<uint32_t>(r.day), TDate::kFirstDay + 0xFFFFFFFFu / 1440);
    EXPECT_EQ(r.minute, static_cast<int>(0xFFFFFFFFu % 1440));
}

TEST_F(WorkingTimeTest, Memo_sameAnswerUntilACommitChangesSomething)
{
    CCalendar* c = AddOffice();
    const int before = c->WorkingMinutes(kMonday, 0, kMonday + 14, 0);
    EXPECT_EQ(before, 10 * 480);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 14, 0), before);
    // A holiday is another item, but a committed change of any kind empties the memo.
    ASSERT_TRUE(AddHoliday(kMonday + 3, L"Thursday"));
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 14, 0), before - 420);
    const int shortDay[] = {480, 500};
    ASSERT_TRUE(AddException(c, kMonday + 10, shortDay, 1));
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 14, 0), before - 420 - 460);
}

TEST_F(WorkingTimeTest, Memo_emptiedByRollbackAndClose)
{
    CCalendar* c = AddOffice();
    ASSERT_TRUE(AddHoliday(kMonday, L"Monday"));
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 7, 0), 4 * 480 + 60);

    // Answers given inside an edit that is rolled back do not outlive it.
    Begin();
    c->MarkModified();
    c->SetWorkingTimes(7, nullptr, 0);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 2, 0), 480);
    root->Rollback();
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 2, 0), 480 + 60);

    const int shortDay[] = {480, 500};
    ASSERT_TRUE(AddException(c, kMonday + 1, shortDay, 1));
    CCalendarException* e = c->Exceptions->FindByDate(kMonday + 1);
    Begin();
    e->MarkModified();
    e->SetWorkingTimes(nullptr, 0);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 3, 0), 60 + 480);
    root->Rollback();
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 3, 0), 60 + 20 + 480);

    // Closing with the calendars kept drops the holidays, and the answers that counted them.
    root->Close(1 << kKindCalendar);
    ASSERT_EQ(root->Calendars->GetAt(0), c);
    EXPECT_EQ(c->WorkingMinutes(kMonday, 0, kMonday + 3, 0), 480 + 20 + 480);
}

TEST_F(WorkingTimeTest, Tasks_workingDurationAndCostsByTheResourceCalendar)
{
    CCalendar* c = AddOffice();
    CResource* r = AddResource(L"R");
    CTask* t = AddTask(r, kMonday, 600, kMonday + 1, 600);
    EXPECT_EQ(t->GetWorkDuration(), 1440);
    Begin();
    r->MarkModified();
    r->Calendar = c;
    r->CostsVariable = 60.0;
    r->CostsTimeUnit = 1;
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(t->GetWorkDuration(), 360 + 120);
    Begin();
    t->MarkModified();
    EXPECT_TRUE(t->SetWorkDuration(960 + 1));
    EXPECT_EQ(t->DateEnd, kMonday + 2);
    EXPECT_EQ(t->TimeEnd, 601);
    t->CostsCalculate = true;
    t->CostsVariable = 6.0; // by elapsed minutes
    ASSERT_EQ(Commit(), 0);
    EXPECT_DOUBLE_EQ(t->GetCosts(0u, 0, 0u, 0), 6.0 * (2 * 1440 + 1) / 60.0 + 60.0 * 961 / 60.0);
    // Shorter again: the end moves back.
    Begin();
    t->MarkModified();
    EXPECT_TRUE(t->SetWorkDuration(480));
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(t->DateEnd, kMonday + 1);
    EXPECT_EQ(t->TimeEnd, 600);
}

} // namespace
