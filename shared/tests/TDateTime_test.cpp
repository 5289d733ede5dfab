#include "TDateTime.h"

#include "DateTestEnv.h"

#include <climits>

namespace {

using TDateTimeTest = DateTest;

const uint32_t kJan1 = TDate::FromYMD(1, 2024, 1);

TEST_F(TDateTimeTest, Default_isTodayAndNow)
{
    TDateTime dt;
    EXPECT_EQ(static_cast<uint32_t>(dt.date), TDate::FromYMD(5, 2026, 17));
    EXPECT_EQ(dt.time.minutes, 870);
}

TEST_F(TDateTimeTest, Constructor_storesWithoutNormalising)
{
    TDateTime dt(TDate(kJan1), 1440, true);
    EXPECT_EQ(dt.time.minutes, 1440);
    EXPECT_TRUE(dt.time.empty);
}

TEST_F(TDateTimeTest, AddMinutes_carriesIntoTheNextDay)
{
    TDateTime dt(TDate(kJan1), 1439, false);
    const TDateTime r = dt.AddMinutes(1);
    EXPECT_EQ(static_cast<uint32_t>(dt.date), kJan1 + 1);
    EXPECT_EQ(dt.time.minutes, 0);
    EXPECT_EQ(static_cast<uint32_t>(r.date), kJan1 + 1);
}

TEST_F(TDateTimeTest, SubtractMinutes_borrowsFromThePreviousDay)
{
    TDateTime dt(TDate(kJan1), 0, false);
    dt.SubtractMinutes(1);
    EXPECT_EQ(static_cast<uint32_t>(dt.date), kJan1 - 1);
    EXPECT_EQ(dt.time.minutes, 1439);
}

TEST_F(TDateTimeTest, WholeDays_keepTheEmptyFlag)
{
    TDateTime dt(TDate(kJan1), 600, true);
    dt.AddMinutes(1440);
    EXPECT_EQ(static_cast<uint32_t>(dt.date), kJan1 + 1);
    EXPECT_EQ(dt.time.minutes, 600);
    EXPECT_TRUE(dt.time.empty);
    dt.AddMinutes(1);
    EXPECT_FALSE(dt.time.empty);
}

TEST_F(TDateTimeTest, NegativeArguments_goTheOtherWay)
{
    TDateTime dt(TDate(kJan1), 30, false);
    dt.AddMinutes(-60);
    EXPECT_EQ(static_cast<uint32_t>(dt.date), kJan1 - 1);
    EXPECT_EQ(dt.time.minutes, 1410);
    dt.SubtractMinutes(-60);
    EXPECT_EQ(static_cast<uint32_t>(dt.date), kJan1);
    EXPECT_EQ(dt.time.minutes, 30);
}

TEST_F(TDateTimeTest, EndOfDayStored_addsIntoTheNextDay)
{
    TDateTime dt(TDate(kJan1), 1440, false);
    dt.AddMinutes(10);
    EXPECT_EQ(static_cast<uint32_t>(dt.date), kJan1 + 1);
    EXPECT_EQ(dt.time.minutes, 10);
}

TEST_F(TDateTimeTest, ExtremeCounts_doNotOverflow)
{
    TDateTime dt(TDate(kJan1), 0, false);
    dt.AddMinutes(INT_MAX);
    dt.SubtractMinutes(INT_MAX);
    EXPECT_EQ(static_cast<uint32_t>(dt.date), kJan1);
    EXPECT_EQ(dt.time.minutes, 0);
    dt.AddMinutes(INT_MIN);
    dt.SubtractMinutes(INT_MIN);
    EXPECT_EQ(static_cast<uint32_t>(dt.date), kJan1);
    EXPECT_EQ(dt.time.minutes, 0);
}

TEST_F(TDateTimeTest, Sentinels_keepTheirDate)
{
    TDateTime dt(TDate(1), 100, false);
    dt.AddMinutes(5000);
    EXPECT_EQ(static_cast<uint32_t>(dt.date), 1u);
    TDateTime bad(TDate(0), 100, false);
    bad.SubtractMinutes(5000);
    EXPECT_EQ(static_cast<uint32_t>(bad.date), 0u);
}

} // namespace
