// Tasks: validity, durations, costs, texts, user fields and copies, through QV2D.dll.
#include "DataTestEnv.h"

#include <cmath>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

// A calendar that answers fixed working minutes and counts its calls.
class FixedCalendar : public CCalendar {
public:
    int GetWorkingTimeCount(TDate) override { return 0; }
    int GetWorkingTimes(int*, TDate) override { return 0; }
    int WorkingMinutes(TDate, int, TDate, int) override
    {
        ++calls;
        return minutes;
    }
    bool AddWorkingMinutes(TDate day, int minute, unsigned int count, TDate* outDay, int* outMinute) override
    {
        ++calls;
        // Working time is the first half of every day: count minutes in 720-minute days.
        *outDay = static_cast<uint32_t>(day) + count / 720;
        *outMinute = minute + static_cast<int>(count % 720);
        return true;
    }
    int MarkModified() override { return 1; }
    int MarkDeleted() override { return 1; }
    void CopyFrom(const CCalendar*) override {}
    const wchar_t* SetName(const wchar_t*) override { return L""; }
    void SetWorkingTimes(unsigned int, const int*, int) override {}

    int minutes = 0;
    int calls = 0;
};

class TaskTest : public DataTest {
protected:
    CTask* NewTask(TDate d1, int m1, TDate d2, int m2)
    {
        CTask* t = nullptr;
        root->Command(kCmdNewTask, &t);
        t->DateStart = d1;
        t->TimeStart = m1;
        t->DateEnd = d2;
        t->TimeEnd = m2;
        m_scratch.push_back(t);
        return t;
    }
    void TearDown() override
    {
        for (CTask* t : m_scratch)
            t->MarkDeleted();
        DataTest::TearDown();
    }

private:
    std::vector<CTask*> m_scratch;
};

TEST_F(TaskTest, Add_validity)
{
    CResource* r = AddResource(L"R");
    const TDate d = Day(5, 6);
    struct Case {
        TDate d1;
        int m1;
        TDate d2;
        int m2;
        int status;
    } cases[] = {
        {0u, 0, 0u, 0, kErrInvalid},     // a new task has no dates
        {d, 600, d, 600, 0},             // zero length
        {d, 600, d, 599, kErrInvalid},   // ends a minute before it starts
        {d, 600, d + 1, 0, 0},
        {d + 1, 0, d, 1439, kErrInvalid},
        {d, 0, 0u, 0, kErrInvalid},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Begin(), 0);
        CTask* t = r->Tasks->CreateNew();
        t->DateStart = c.d1;
        t->TimeStart = c.m1;
        t->DateEnd = c.d2;
        t->TimeEnd = c.m2;
        const int status = r->Tasks->Add(t);
        EXPECT_EQ(status, c.status) << c.m1 << " " << c.m2;
        if (status == 0) {
            EXPECT_EQ(Commit(), 0);
        } else {
            EXPECT_EQ(t->ID, 0);
            EXPECT_EQ(Commit(), kErrRolledBack);
            t->MarkDeleted();
        }
    }
    EXPECT_EQ(r->Tasks->GetCount(), 2);
}

TEST_F(TaskTest, Commit_invalidChangeFailsWith2AndRollsBack)
{
    CResource* r = AddResource(L"R");
    CTask* t = AddTask(r, Day(5, 6), 600, Day(5, 6), 700);
    ASSERT_EQ(Begin(L"break it"), 0);
    ASSERT_EQ(t->MarkModified(), 0);
    t->DateEnd = Day(5, 5);
    EXPECT_EQ(Commit(), kErrInvalid);
    EXPECT_EQ(t->DateEnd, Day(5, 6));
    EXPECT_TRUE(store.undo.empty());
}

TEST_F(TaskTest, GetDuration_acrossMidnight)
{
    const TDate d = Day(5, 6);
    EXPECT_EQ(NewTask(d, 23 * 60, d + 1, 60)->GetDuration(), 120);
    // Minutes outside the day are reduced with a true modulo: -60 is 23:00, 1500 is 01:00.
    EXPECT_EQ(NewTask(d, -60, d + 1, 60)->GetDuration(), 120);
    EXPECT_EQ(NewTask(d, 1380, d, 1500)->GetDuration(), -1320);
}

TEST_F(TaskTest, SetDuration_carriesIntoTheDay)
{
    const TDate d = Day(5, 6);
    CTask* t = NewTask(d, 23 * 60, d, 23 * 60);
    EXPECT_TRUE(t->SetDuration(1500));
    EXPECT_EQ(t->DateEnd, d + 2);
    EXPECT_EQ(t->TimeEnd, 0);
    EXPECT_EQ(t->DateStart, d);
    EXPECT_FALSE(t->SetDuration(-1));
    EXPECT_EQ(t->DateEnd, d + 2);
}

TEST_F(TaskTest, SetDuration_refusesEndsAfterTheLastDay)
{
    CTask* t = NewTask(TDate::kLastDay, 0, TDate::kLastDay, 0);
    EXPECT_TRUE(t->SetDuration(1439));
    EXPECT_FALSE(t->SetDuration(1440));
    EXPECT_EQ(t->TimeEnd, 1439);
    EXPECT_EQ(t->DateEnd, TDate::kLastDay);
}

TEST_F(TaskTest, SetWorkDuration_withoutCalendarIsElapsed)
{
    CResource* r = AddResource(L"R");
    CTask* t = AddTask(r, Day(5, 6), 480, Day(5, 6), 480);
    EXPECT_TRUE(t->SetWorkDuration(90));
    EXPECT_EQ(t->TimeEnd, 570);
    EXPECT_EQ(t->GetWorkDuration(), 90);
}

TEST_F(TaskTest, WorkDuration_usesTheResourceCalendar)
{
    CResource* r = AddResource(L"R");
    CTask* t = AddTask(r, Day(5, 6), 0, Day(5, 8), 0);
    FixedCalendar calendar;
    calendar.minutes = 960;
    r->Calendar = &calendar;
    EXPECT_EQ(t->GetWorkDuration(), 960);
    EXPECT_TRUE(t->SetWorkDuration(1000));
    EXPECT_EQ(t->DateEnd, Day(5, 7));
    EXPECT_EQ(t->TimeEnd, 280);
    r->Calendar = nullptr;
}

TEST_F(TaskTest, SetWorkDuration_refusesCountsPastTheLastDay)
{
    CResource* r = AddResource(L"R");
    CTask* t = AddTask(r, TDate::kLastDay, 0, TDate::kLastDay, 60);
    FixedCalendar calendar;
    r->Calendar = &calendar;
    EXPECT_FALSE(t->SetWorkDuration(1441));
    EXPECT_EQ(calendar.calls, 0);
    EXPECT_EQ(t->TimeEnd, 60);
    EXPECT_FALSE(t->SetWorkDuration(0xFFFFFFFFu));
    r->Calendar = nullptr;
    EXPECT_FALSE(t->SetWorkDuration(0x80000000u));
    EXPECT_EQ(t->DateEnd, TDate::kLastDay);
}

TEST_F(TaskTest, GetCosts_rules)
{
    CResource* r = AddResource(L"R");
    CTask* t = AddTask(r, Day(5, 6), 480, Day(5, 6), 600); // 120 minutes
    FixedCalendar calendar;
    calendar.minutes = 60;
    r->Calendar = &calendar;
    t->CostsFixed = 10.0;
    t->CostsVariable = 30.0;
    r->CostsFixed = 5.0;
    r->CostsVariable = 60.0;
    EXPECT_EQ(t->GetCosts(0u, 0, 0u, 0), 0.0); // CostsCalculate off: nothing

    t->CostsCalculate = true;
    // Elapsed minutes for both rates; no working minutes asked for.
    EXPECT_DOUBLE_EQ(t->GetCosts(0u, 0, 0u, 0), 10.0 + 5.0 + 30.0 * 2 + 60.0 * 2);
    EXPECT_EQ(calendar.calls, 0);
    // The resource's rate by working minutes of its calendar.
    r->CostsTimeUnit = 1;
    EXPECT_DOUBLE_EQ(t->GetCosts(0u, 0, 0u, 0), 10.0 + 5.0 + 30.0 * 2 + 60.0 * 1);
    EXPECT_EQ(calendar.calls, 1);
    // A period of its own.
    EXPECT_DOUBLE_EQ(t->GetCosts(Day(5, 6), 480, Day(5, 6), 540), 10.0 + 5.0 + 30.0 * 1 + 60.0 * 1);
    // Fixed costs only: no calendar needed.
    t->CostsVariable = 0.0;
    r->CostsVariable = 0.0;
    calendar.calls = 0;
    EXPECT_DOUBLE_EQ(t->GetCosts(0u, 0, 0u, 0), 15.0);
    EXPECT_EQ(calendar.calls, 0);
    r->Calendar = nullptr;
}

TEST_F(TaskTest, GetCosts_withoutResourceHasNoResourceTerms)
{
    CTask* t = NewTask(Day(5, 6), 480, Day(5, 6), 600);
    t->CostsCalculate = true;
    t->CostsFixed = 7.0;
    t->CostsVariable = 30.0;
    EXPECT_DOUBLE_EQ(t->GetCosts(0u, 0, 0u, 0), 7.0 + 60.0);
    t->CostsTimeUnit = 1; // working minutes are the elapsed minutes without a calendar
    EXPECT_DOUBLE_EQ(t->GetCosts(0u, 0, 0u, 0), 7.0 + 60.0);
    EXPECT_EQ(t->GetResource(), nullptr);
}

TEST_F(TaskTest, Texts_nullCountsAsEmpty)
{
    CTask* t = NewTask(Day(5, 6), 0, Day(5, 6), 0);
    EXPECT_STREQ(t->SetName(L"Name"), L"Name");
    EXPECT_STREQ(t->Name, L"Name");
    EXPECT_STREQ(t->SetName(nullptr), L"");
    EXPECT_STREQ(t->Name, L"");
    EXPECT_STREQ(t->SetNote(nullptr), L"");
    t->SetNote(L"note");
    EXPECT_STREQ(t->SetNote(t->Note), L"note"); // set from itself
}

TEST_F(TaskTest, UserFields_emptyValueRemoves)
{
    CTask* t = NewTask(Day(5, 6), 0, Day(5, 6), 0);
    t->SetUserFieldValue(L"b", L"2");
    t->SetUserFieldValue(L"a", L"1");
    t->SetUserFieldValue(L"B", L"3");
    ASSERT_EQ(t->GetUserFieldCount(), 3);
    EXPECT_STREQ(t->GetUserFieldName(0), L"B"); // ordinal order: capitals first
    EXPECT_STREQ(t->GetUserFieldName(1), L"a");
    EXPECT_STREQ(t->GetUserFieldValue(L"b"), L"2");
    EXPECT_EQ(t->GetUserFieldValue(L"c"), nullptr);
    t->SetUserFieldValue(L"b", L"");
    EXPECT_EQ(t->GetUserFieldCount(), 2);
    EXPECT_EQ(t->GetUserFieldName(2), nullptr);
    EXPECT_EQ(t->GetUserFieldName(-1), nullptr);
    t->SetUserFieldValue(L"a", nullptr);
    EXPECT_EQ(t->GetUserFieldCount(), 1);
    t->SetUserFieldValue(nullptr, L"x"); // a null name is the name ""
    EXPECT_STREQ(t->GetUserFieldValue(L""), L"x");
}

TEST_F(TaskTest, CopyFrom_taskInASetKeepsItsSet)
{
    CResource* a = AddResource(L"A");
    CResource* b = AddResource(L"B");
    CTask* ta = AddTask(a, Day(5, 6), 0, Day(5, 6), 60, L"of a");
    CTask* tb = AddTask(b, Day(5, 9), 0, Day(5, 9), 60, L"of b");
    tb->SetUserFieldValue(L"f", L"v");
    ASSERT_EQ(Begin(L"copy"), 0);
    ASSERT_EQ(ta->MarkModified(), 0);
    ta->CopyFrom(tb);
    EXPECT_EQ(ta->Owner, a->Tasks);
    EXPECT_EQ(ta->ID, 1);
    EXPECT_STREQ(ta->Name, L"of b");
    EXPECT_STREQ(ta->GetUserFieldValue(L"f"), L"v");
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(a->Tasks->GetCount(), 1);
    EXPECT_EQ(b->Tasks->GetCount(), 1);
    EXPECT_TRUE(a->Tasks->Contains(ta));
    EXPECT_FALSE(b->Tasks->Contains(ta));
    EXPECT_EQ(ta->GetResource(), a);

    // A task in no set takes the pointer as written; adding puts it where it is added.
    ASSERT_EQ(Begin(), 0);
    CTask* fresh = a->Tasks->CreateNew();
    fresh->CopyFrom(tb);
    EXPECT_EQ(fresh->Owner, b->Tasks);
    ASSERT_EQ(a->Tasks->Add(fresh), 0);
    EXPECT_EQ(fresh->Owner, a->Tasks);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(a->Tasks->GetCount(), 2);
    EXPECT_EQ(b->Tasks->GetCount(), 1);
}

TEST_F(TaskTest, Template_marksItsSeriesAndCannotBeDeleted)
{
    CResource* r = AddResource(L"R");
    root->AddChangeListener(&RecordChange);
    ASSERT_EQ(Begin(), 0);
    CRecurrence* series = r->Recurrences->CreateNew();
    series->DateStart = Day(5, 6);
    ASSERT_EQ(r->Recurrences->Add(series), 0);
    ASSERT_EQ(Commit(), 0);
    CTask* tmpl = series->Task;
    EXPECT_EQ(tmpl->GetResource(), r);

    Listened().calls.clear();
    ASSERT_EQ(Begin(L"rename template"), 0);
    EXPECT_EQ(tmpl->MarkModified(), 0);
    tmpl->SetName(L"weekly");
    EXPECT_EQ(tmpl->MarkDeleted(), kErrTransaction);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(Listened().calls, (std::vector<unsigned int>{ChangeBit(kKindRecurrence)}));
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_STREQ(series->Task->Name, L"");

    // Copying an ordinary task onto a template keeps it the template of its series.
    CTask* plain = AddTask(r, Day(5, 7), 0, Day(5, 7), 30, L"plain");
    ASSERT_EQ(Begin(), 0);
    ASSERT_EQ(tmpl->MarkModified(), 0);
    tmpl->CopyFrom(plain);
    ASSERT_EQ(Commit(), 0);
    EXPECT_STREQ(tmpl->Name, L"plain");
    EXPECT_EQ(tmpl->Owner, nullptr);
    EXPECT_EQ(tmpl->Recurrence, series);
    EXPECT_EQ(tmpl->ID, -1);

    series->Duration = 90;
    EXPECT_EQ(tmpl->GetDuration(), 90);
    EXPECT_FALSE(tmpl->SetDuration(10));
    EXPECT_EQ(tmpl->GetWorkDuration(), 0);
    EXPECT_FALSE(tmpl->SetWorkDuration(10));
}

} // namespace
