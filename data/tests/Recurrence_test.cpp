// What a series holds besides its occurrence days: validity, skipped days, the end of an
// occurrence and detaching one as a task, through QV2D.dll.
#include "DataTestEnv.h"

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

class RecurrenceTest : public DataTest {
protected:
    CRecurrence* AddSeries(CResource* r, TDate start, int time, int duration)
    {
        if (Begin() != 0)
            return nullptr;
        CRecurrence* series = r->Recurrences->CreateNew();
        series->DateStart = start;
        series->TimeStart = time;
        series->Duration = duration;
        series->Task->SetName(L"weekly meeting");
        series->Task->ColorBk = 0x00FF00;
        if (r->Recurrences->Add(series) != 0 || Commit() != 0)
            return nullptr;
        return series;
    }
};

TEST_F(RecurrenceTest, Add_refusesInvalidSeries)
{
    CResource* r = AddResource(L"R");
    const auto tryAdd = [&](void (*spoil)(CRecurrence*)) {
        Begin();
        CRecurrence* series = r->Recurrences->CreateNew();
        series->DateStart = Day(9, 2);
        spoil(series);
        const int status = r->Recurrences->Add(series);
        if (status != 0)
            series->MarkDeleted();
        else
            Commit();
        return status;
    };
    EXPECT_EQ(tryAdd([](CRecurrence*) {}), 0);
    EXPECT_EQ(tryAdd([](CRecurrence* s) { s->EndType = kEndAfterCount; }), kErrInvalid);
    EXPECT_EQ(tryAdd([](CRecurrence* s) {
                  s->EndType = kEndAtDate;
                  s->EndDate = static_cast<uint32_t>(s->DateStart) - 1;
              }),
              kErrInvalid);
    EXPECT_EQ(tryAdd([](CRecurrence* s) { s->TimeStart = 1440; }), kErrInvalid);
    EXPECT_EQ(tryAdd([](CRecurrence* s) { s->Frequency = 4; }), kErrInvalid);
    EXPECT_EQ(tryAdd([](CRecurrence* s) { s->DateStart = 0u; }), kErrInvalid);
    // Every pattern counts, not only the active one.
    EXPECT_EQ(tryAdd([](CRecurrence* s) {
                  s->Frequency = kYearly;
                  static_cast<CRecurrencePatternYearly*>(s->GetPattern())->YMonth = 13;
                  s->Frequency = kDaily;
              }),
              kErrInvalid);
    EXPECT_EQ(r->Recurrences->GetCount(), 1);
}

TEST_F(RecurrenceTest, GetPattern_byFrequency)
{
    CRecurrence* series = nullptr;
    root->Command(kCmdNewRecurrence, &series);
    auto* daily = static_cast<CRecurrencePatternDaily*>(series->GetPattern());
    ASSERT_NE(daily, nullptr);
    EXPECT_EQ(daily->DInterval, 1);
    series->Frequency = kMonthly;
    auto* monthly = static_cast<CRecurrencePatternMonthly*>(series->GetPattern());
    ASSERT_NE(monthly, nullptr);
    EXPECT_EQ(monthly->MWeekday, 7);
    series->Frequency = 9;
    EXPECT_EQ(series->GetPattern(), nullptr);
    series->MarkDeleted();
}

TEST_F(RecurrenceTest, SkippedDays_rangeQueries)
{
    CRecurrence* series = nullptr;
    root->Command(kCmdNewRecurrence, &series);
    const TDate d = Day(9, 2);
    series->AddException(d + 7);
    series->AddException(d);
    series->AddException(d); // once only
    series->AddException(d + 14);
    EXPECT_TRUE(series->IsException(d));
    EXPECT_FALSE(series->IsException(d + 1));
    EXPECT_EQ(series->CountExceptionsInRange(d, d + 14), 3);
    EXPECT_EQ(series->CountExceptionsInRange(d, d), 1);
    EXPECT_EQ(series->CountExceptionsInRange(d + 1, d), 0);
    TDate out[3] = {0u, 0u, 0u};
    ASSERT_EQ(series->GetExceptionsInRange(out, d + 1, d + 30), 2);
    EXPECT_EQ(out[0], d + 7);
    EXPECT_EQ(out[1], d + 14);
    EXPECT_EQ(series->RemoveException(d + 7), 1);
    EXPECT_EQ(series->RemoveException(d + 7), 0);
    series->ClearExceptions();
    EXPECT_EQ(series->CountExceptionsInRange(0u, TDate::kLastDay), 0);
    series->MarkDeleted();
}

TEST_F(RecurrenceTest, GetOccurrenceEnd_carriesIntoNextDay)
{
    CRecurrence* series = nullptr;
    root->Command(kCmdNewRecurrence, &series);
    const TDate d = Day(9, 2);
    series->TimeStart = 22 * 60;
    series->Duration = 240;
    int minute = -1;
    EXPECT_EQ(series->GetOccurrenceEnd(d, &minute), d + 1);
    EXPECT_EQ(minute, 120);
    series->Duration = 120; // ends exactly at 24:00: 0:00 of the next day
    EXPECT_EQ(series->GetOccurrenceEnd(d, &minute), d + 1);
    EXPECT_EQ(minute, 0);
    EXPECT_EQ(series->GetOccurrenceEnd(d, nullptr), d + 1);
    series->MarkDeleted();
}

TEST_F(RecurrenceTest, DetachOccurrence_ownAndOtherResource)
{
    CResource* r = AddResource(L"R");
    CResource* other = AddResource(L"O");
    CRecurrence* series = AddSeries(r, Day(9, 2), 600, 90);
    ASSERT_TRUE(series);
    const TDate day = Day(9, 9);
    EXPECT_EQ(series->DetachOccurrence(day, nullptr), nullptr); // no transaction

    ASSERT_EQ(Begin(L"detach"), 0);
    CTask* own = series->DetachOccurrence(day, nullptr);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->ID, 0);
    EXPECT_EQ(own->Owner, r->Tasks);
    EXPECT_EQ(own->Recurrence, series);
    EXPECT_STREQ(own->Name, L"weekly meeting");
    EXPECT_EQ(own->ColorBk, 0x00FF00u);
    EXPECT_EQ(own->DateStart, day);
    EXPECT_EQ(own->TimeStart, 600);
    EXPECT_EQ(own->DateEnd, day);
    EXPECT_EQ(own->TimeEnd, 690);
    EXPECT_EQ(own->GetDuration(), 90);
    ASSERT_EQ(r->Tasks->Add(own), 0);
    CTask* moved = series->DetachOccurrence(day + 7, other);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->Recurrence, nullptr);
    ASSERT_EQ(other->Tasks->Add(moved), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_TRUE(series->IsException(day));
    EXPECT_TRUE(series->IsException(day + 7));
    EXPECT_EQ(r->Tasks->GetCount(), 1);
    EXPECT_EQ(other->Tasks->GetCount(), 1);

    // One undo step takes both tasks away and the skipped days back.
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_FALSE(series->IsException(day));
    EXPECT_EQ(r->Tasks->GetCount(), 0);
    EXPECT_EQ(other->Tasks->GetCount(), 0);
}

} // namespace
