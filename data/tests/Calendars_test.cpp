// Calendars and their exceptions: the ranges of a day, validity and the deletion cascade,
// through QV2D.dll.
#include "DataTestEnv.h"

#include <algorithm>
#include <vector>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

class CalendarsTest : public DataTest {
protected:
    CCalendar* AddCalendar(const wchar_t* name)
    {
        Begin();
        CCalendar* c = root->Calendars->CreateNew();
        c->SetName(name);
        const int morning[] = {480, 720, 780, 1020};
        for (unsigned list = 0; list < 5; ++list)
            c->SetWorkingTimes(list, morning, 2);
        c->SetWorkingTimes(5, nullptr, 0);
        c->SetWorkingTimes(6, nullptr, 0);
        const int holiday[] = {600, 660};
        c->SetWorkingTimes(7, holiday, 1);
        if (root->Calendars->Add(c) != 0 || Commit() != 0)
            return nullptr;
        return c;
    }
    CCalendarException* AddException(CCalendar* c, TDate day, const int* pairs, int count)
    {
        Begin();
        CCalendarException* e = c->Exceptions->CreateNew();
        e->Date = day;
        e->SetWorkingTimes(pairs, count);
        if (c->Exceptions->Add(e) != 0 || Commit() != 0)
            return nullptr;
        return e;
    }
};

const TDate kMonday = TDate::FromYMD(9, 2024, 2); // 2 September 2024

TEST_F(CalendarsTest, New_calendarWorksTheWholeDay)
{
    Begin();
    CCalendar* c = root->Calendars->CreateNew();
    EXPECT_EQ(c->HolidayRule, 2);
    for (int list = 0; list < 8; ++list) {
        ASSERT_EQ(c->WeekdayWorkingTimeCounts[list], 1);
        EXPECT_EQ(c->WeekdayWorkingTimes[list][0], 0);
        EXPECT_EQ(c->WeekdayWorkingTimes[list][1], 0);
    }
    EXPECT_EQ(root->Calendars->Add(c), kErrInvalid); // no name yet
    c->MarkDeleted();
}

TEST_F(CalendarsTest, GetWorkingTimes_exceptionThenHolidayThenWeekday)
{
    CCalendar* c = AddCalendar(L"Office");
    ASSERT_TRUE(c);
    int pairs[8] = {};
    EXPECT_EQ(static_cast<uint32_t>(kMonday) % 7, 0u);
    ASSERT_EQ(c->GetWorkingTimes(pairs, kMonday), 2);
    EXPECT_EQ(pairs[2], 780);
    EXPECT_EQ(c->GetWorkingTimeCount(kMonday + 5), 0); // Saturday

    Begin();
    CHoliday* h = root->Holidays->CreateNew();
    h->SetName(L"Holiday");
    h->Date = kMonday;
    root->Holidays->Add(h);
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(c->GetWorkingTimes(pairs, kMonday), 1); // rule 2: the holiday list
    EXPECT_EQ(pairs[0], 600);
    Begin();
    c->MarkModified();
    c->HolidayRule = 0;
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(c->GetWorkingTimeCount(kMonday), 0);
    Begin();
    c->MarkModified();
    c->HolidayRule = 1;
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(c->GetWorkingTimeCount(kMonday), 2);

    const int shortDay[] = {480, 600};
    ASSERT_TRUE(AddException(c, kMonday, shortDay, 1));
    ASSERT_EQ(c->GetWorkingTimes(pairs, kMonday), 1);
    EXPECT_EQ(pairs[1], 600);
    ASSERT_TRUE(AddException(c, kMonday + 1, nullptr, 0)); // a day off
    EXPECT_EQ(c->GetWorkingTimeCount(kMonday + 1), 0);
}

TEST_F(CalendarsTest, Add_refusesIllFormedLists)
{
    const auto tryAdd = [&](const int* pairs, int count, int rule) {
        Begin();
        CCalendar* c = root->Calendars->CreateNew();
        c->SetName(L"C");
        c->SetWorkingTimes(3, pairs, count);
        c->HolidayRule = rule;
        const int status = root->Calendars->Add(c);
        if (status != 0)
            c->MarkDeleted();
        else
            Commit();
        return status;
    };
    const int touching[] = {480, 600, 600, 720};
    const int overlapping[] = {480, 610, 600, 720};
    const int afterMidnight[] = {1200, 0, 0, 60};
    const int untilMidnight[] = {480, 600, 1200, 0};
    EXPECT_EQ(tryAdd(touching, 2, 2), 0);
    EXPECT_EQ(tryAdd(overlapping, 2, 2), kErrInvalid);
    EXPECT_EQ(tryAdd(afterMidnight, 2, 2), kErrInvalid);
    EXPECT_EQ(tryAdd(untilMidnight, 2, 2), 0);
    EXPECT_EQ(tryAdd(touching, 2, 3), kErrInvalid);
    EXPECT_EQ(tryAdd(touching, 2, -1), kErrInvalid);
    // Minutes outside the day.
    const int beforeMidnight[] = {-1, 60};
    const int pastMidnight[] = {600, 1440};
    const int startAt2400[] = {1440, 0};
    EXPECT_EQ(tryAdd(beforeMidnight, 1, 2), kErrInvalid);
    EXPECT_EQ(tryAdd(pastMidnight, 1, 2), kErrInvalid);
    EXPECT_EQ(tryAdd(startAt2400, 1, 2), kErrInvalid);
    EXPECT_EQ(root->Calendars->GetCount(), 2);
}

TEST_F(CalendarsTest, Validation_refusesNegativeCountsAndChecksAtCommit)
{
    CCalendar* c = AddCalendar(L"C");
    Begin();
    c->MarkModified();
    c->WeekdayWorkingTimeCounts[1] = -1;
    EXPECT_EQ(Commit(), kErrInvalid);
    EXPECT_EQ(c->WeekdayWorkingTimeCounts[1], 2); // rolled back
    Begin();
    c->MarkModified();
    c->SetName(L"");
    EXPECT_EQ(Commit(), kErrInvalid);
    EXPECT_STREQ(c->Name, L"C");

    const auto tryException = [&](TDate day, const int* pairs, int count) {
        Begin();
        CCalendarException* e = c->Exceptions->CreateNew();
        e->Date = day;
        e->SetWorkingTimes(pairs, count);
        const int status = c->Exceptions->Add(e);
        if (status != 0)
            e->MarkDeleted();
        else
            Commit();
        return status;
    };
    const int pastMidnight[] = {600, 1441};
    const int shortDay[] = {480, 600};
    EXPECT_EQ(tryException(kMonday, pastMidnight, 1), kErrInvalid);
    EXPECT_EQ(tryException(0u, shortDay, 1), kErrInvalid);
    EXPECT_EQ(tryException(TDate(TDate::kEmpty), shortDay, 1), 0); // an absent date passes
    EXPECT_EQ(c->Exceptions->GetCount(), 1);
}

TEST_F(CalendarsTest, ManyRanges_aMinuteEachAllDay)
{
    // The longest list a day can hold: 1440 one-minute ranges, touching, the last ending at 24:00.
    std::vector<int> minutes;
    for (int m = 0; m < 1440; ++m) {
        minutes.push_back(m);
        minutes.push_back((m + 1) % 1440);
    }
    Begin();
    CCalendar* c = root->Calendars->CreateNew();
    c->SetName(L"Minutes");
    for (unsigned list = 0; list < 8; ++list)
        c->SetWorkingTimes(list, minutes.data(), 1440);
    ASSERT_EQ(root->Calendars->Add(c), 0);
    CCalendarException* e = c->Exceptions->CreateNew();
    e->Date = kMonday;
    e->SetWorkingTimes(minutes.data(), 1440);
    ASSERT_EQ(c->Exceptions->Add(e), 0);
    ASSERT_EQ(Commit(), 0);
    std::vector<int> out(2 * kMaxWorkingTimeRanges, -1);
    ASSERT_EQ(c->GetWorkingTimes(out.data(), kMonday), 1440);
    EXPECT_TRUE(std::equal(minutes.begin(), minutes.end(), out.begin()));
    EXPECT_EQ(out[2880], -1);
    EXPECT_EQ(c->WorkingMinutes(kMonday - 3, 100, kMonday + 3, 100), 6 * 1440);
    TDate day = 0u;
    int minute = 0;
    EXPECT_TRUE(c->AddWorkingMinutes(kMonday, 1439, 1441, &day, &minute));
    EXPECT_EQ(day, kMonday + 2);
    EXPECT_EQ(minute, 0);
}

TEST_F(CalendarsTest, SetWorkingTimes_countWithoutPairsStoresNone)
{
    CCalendar* c = AddCalendar(L"C");
    c->SetWorkingTimes(2, nullptr, 3);
    EXPECT_EQ(c->WeekdayWorkingTimeCounts[2], 0);
    EXPECT_EQ(c->WeekdayWorkingTimes[2], nullptr);
    const int some[] = {60, 120};
    c->SetWorkingTimes(1, some, 0);
    EXPECT_EQ(c->WeekdayWorkingTimeCounts[1], 0);
    EXPECT_EQ(c->WeekdayWorkingTimes[1], nullptr);
    c->SetWorkingTimes(4, some, -4);
    EXPECT_EQ(c->WeekdayWorkingTimeCounts[4], 0);
    EXPECT_EQ(c->WeekdayWorkingTimes[4], nullptr);
    CCalendarException* e = c->Exceptions->CreateNew();
    e->SetWorkingTimes(some, -1);
    EXPECT_EQ(e->WorkingTimeCount, 0);
    EXPECT_EQ(e->WorkingTimes, nullptr);
    e->MarkDeleted();
    const int one[] = {60, 120};
    c->SetWorkingTimes(8, one, 1); // no such list: nothing happens
    EXPECT_EQ(c->WeekdayWorkingTimeCounts[0], 2);
}

TEST_F(CalendarsTest, MarkDeleted_takesExceptionsAndResourceLinksAlongAndUndoBringsThemBack)
{
    CCalendar* c = AddCalendar(L"C");
    const int shortDay[] = {480, 600};
    CCalendarException* e = AddException(c, kMonday, shortDay, 1);
    CResource* r = AddResource(L"R");
    Begin();
    r->MarkModified();
    r->Calendar = c;
    ASSERT_EQ(Commit(), 0);

    ASSERT_EQ(Begin(L"delete calendar"), 0);
    ASSERT_EQ(c->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(root->Calendars->GetCount(), 0);
    EXPECT_EQ(r->Calendar, nullptr);
    EXPECT_EQ(c->Exceptions->GetCount(), 0);

    ASSERT_EQ(store.Undo(), 0);
    EXPECT_EQ(root->Calendars->GetAt(0), c);
    EXPECT_EQ(r->Calendar, c);
    EXPECT_EQ(c->Exceptions->FindByDate(kMonday), e);
}

TEST_F(CalendarsTest, MarkDeleted_unlinksResourcesAddedInTheSameEdit)
{
    CCalendar* c = AddCalendar(L"C");
    ASSERT_EQ(Begin(L"new resource, no calendar"), 0);
    CResource* r = root->Resources->CreateNew();
    r->SetName(L"R");
    r->Calendar = c;
    ASSERT_EQ(root->Resources->Add(r), 0);
    ASSERT_EQ(c->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    ASSERT_TRUE(root->Resources->Contains(r));
    EXPECT_EQ(r->Calendar, nullptr);
    EXPECT_EQ(root->Calendars->GetCount(), 0);
    // Undoing the edit takes the resource away and brings the calendar back.
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 0);
    EXPECT_EQ(root->Calendars->GetAt(0), c);
}

TEST_F(CalendarsTest, CopyFrom_keepsIdExceptionsAndWhereItBelongs)
{
    CCalendar* a = AddCalendar(L"A");
    CCalendar* b = AddCalendar(L"B");
    const int shortDay[] = {480, 600};
    ASSERT_TRUE(AddException(a, kMonday, shortDay, 1));
    Begin();
    a->MarkModified();
    a->Position = 7;
    a->HolidayRule = 0;
    ASSERT_EQ(Commit(), 0);

    Begin();
    b->MarkModified();
    b->CopyFrom(a);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(b->ID, 2);
    EXPECT_STREQ(b->Name, L"A");
    EXPECT_EQ(b->Position, 7);
    EXPECT_EQ(b->HolidayRule, 0);
    EXPECT_EQ(b->WeekdayWorkingTimeCounts[0], 2);
    EXPECT_NE(b->WeekdayWorkingTimes[0], a->WeekdayWorkingTimes[0]); // a copy of its own
    EXPECT_EQ(b->Exceptions->GetCount(), 0);
    EXPECT_EQ(b->Owner, root->Calendars);
}

TEST_F(CalendarsTest, ExceptionCopyFrom_staysInItsOwnSet)
{
    CCalendar* a = AddCalendar(L"A");
    CCalendar* b = AddCalendar(L"B");
    const int shortDay[] = {480, 600};
    CCalendarException* ea = AddException(a, kMonday, nullptr, 0);
    CCalendarException* eb = AddException(b, kMonday + 3, shortDay, 1);
    ASSERT_EQ(Begin(L"copy"), 0);
    ASSERT_EQ(ea->MarkModified(), 0);
    ea->CopyFrom(eb);
    EXPECT_EQ(ea->Owner, a->Exceptions);
    EXPECT_EQ(ea->Date, kMonday + 3);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(a->Exceptions->GetCount(), 1);
    EXPECT_EQ(b->Exceptions->GetCount(), 1);
    EXPECT_FALSE(b->Exceptions->Contains(ea));
    EXPECT_EQ(a->GetWorkingTimeCount(kMonday + 3), 1);
    EXPECT_EQ(b->GetWorkingTimeCount(kMonday + 3), 1);

    // A rolled-back edit restores the fields and leaves the exception where it is.
    Begin();
    ea->MarkModified();
    ea->Date = kMonday + 9;
    ea->SetWorkingTimes(nullptr, 0);
    root->Rollback();
    EXPECT_EQ(ea->Date, kMonday + 3);
    EXPECT_EQ(ea->WorkingTimeCount, 1);
    EXPECT_EQ(ea->Owner, a->Exceptions);
    EXPECT_EQ(a->Exceptions->FindByDate(kMonday + 3), ea);
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_EQ(ea->Date, kMonday);
    EXPECT_EQ(a->Exceptions->FindByDate(kMonday), ea);
    EXPECT_EQ(a->GetWorkingTimeCount(kMonday), 0);
}

TEST_F(CalendarsTest, Exceptions_seenFromCommitAndResortedOnDateChange)
{
    CCalendar* c = AddCalendar(L"C");
    ASSERT_TRUE(AddException(c, kMonday + 10, nullptr, 0));
    Begin();
    CCalendarException* e = c->Exceptions->CreateNew();
    e->Date = kMonday;
    ASSERT_EQ(c->Exceptions->Add(e), 0);
    EXPECT_EQ(c->Exceptions->FindByDate(kMonday), nullptr);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(c->Exceptions->FindByDate(kMonday), e);
    EXPECT_EQ(c->Exceptions->GetAt(0), e);

    Begin();
    e->MarkModified();
    e->Date = kMonday + 20;
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(c->Exceptions->GetAt(1), e);
    EXPECT_EQ(c->Exceptions->GetInRange(nullptr, kMonday + 20, kMonday + 20), 1);
    EXPECT_EQ(c->Exceptions->GetInRange(nullptr, kMonday + 20, kMonday + 19), 0);
    EXPECT_EQ(c->Exceptions->CountInRange(kMonday + 30, kMonday), 0);
    EXPECT_EQ(c->Exceptions->CountInRange(kMonday, TDate(UINT32_MAX)), 2);
    EXPECT_EQ(c->Exceptions->FindByDate(kMonday + 5), nullptr);
}

} // namespace
