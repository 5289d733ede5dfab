#include "WorkingTimeText.h"

#include "UiTextTestEnv.h"

namespace {

using WorkingTimeTextTest = UiTextTest;

TEST_F(WorkingTimeTextTest, FormatTimeSetting_followsThePictureElseTheLocale)
{
    EXPECT_EQ(FormatTimeSetting(TTime(14 * 60 + 5)), L"2:05 PM");
    UseLocale(kGerman);
    EXPECT_EQ(FormatTimeSetting(TTime(14 * 60 + 5)), L"14:05");
    Settings()[L"TimeFormat"] = L"HH'h'mm";
    EXPECT_EQ(FormatTimeSetting(TTime(9 * 60 + 7)), L"09h07");
    EXPECT_EQ(FormatTimeSetting(TTime::Parse(L"")), L"");
}

TEST_F(WorkingTimeTextTest, FormatTimeSetting_withoutAReaderUsesTheLocale)
{
    Settings()[L"TimeFormat"] = L"HH:mm";
    SetSettingTextReader(nullptr);
    EXPECT_EQ(FormatTimeSetting(TTime(8 * 60)), L"8:00 AM");
}

TEST_F(WorkingTimeTextTest, SetWorkingTimePeriods_takesEachMinuteModuloTheDay)
{
    WorkingTimePeriods list;
    const int pairs[] = {-30, 1470, 0, 1440, -1441, 2881, 480, 0};
    ASSERT_EQ(SetWorkingTimePeriods(list, pairs, 4), 4);
    EXPECT_EQ(list[0].start.minutes, 23 * 60 + 30);
    EXPECT_EQ(list[0].end.minutes, 30);
    EXPECT_EQ(list[1].start.minutes, 0);
    EXPECT_EQ(list[1].end.minutes, 0);
    EXPECT_EQ(list[2].start.minutes, 1439);
    EXPECT_EQ(list[2].end.minutes, 1);
    EXPECT_EQ(list[3].end.minutes, 0);
    EXPECT_FALSE(list[3].end.empty);
}

TEST_F(WorkingTimeTextTest, SetWorkingTimePeriods_noPairsEmptiesTheList)
{
    WorkingTimePeriods list;
    const int pairs[] = {60, 120};
    SetWorkingTimePeriods(list, pairs, 1);
    EXPECT_EQ(SetWorkingTimePeriods(list, pairs, 0), 0);
    SetWorkingTimePeriods(list, pairs, 1);
    EXPECT_EQ(SetWorkingTimePeriods(list, pairs, -2), 0);
    SetWorkingTimePeriods(list, pairs, 1);
    EXPECT_EQ(SetWorkingTimePeriods(list, nullptr, 3), 0);
    EXPECT_TRUE(list.empty());
}

TEST_F(WorkingTimeTextTest, FormatWorkingTimes_joinsThePeriodsInOrder)
{
    Settings()[L"TimeFormat"] = L"HH:mm";
    WorkingTimePeriods list;
    const int pairs[] = {480, 720, 780, 1020, 1320, 0};
    SetWorkingTimePeriods(list, pairs, 3);
    EXPECT_EQ(FormatWorkingTimes(list), L"08:00-12:00, 13:00-17:00, 22:00-00:00");
    SetWorkingTimePeriods(list, pairs, 1);
    EXPECT_EQ(FormatWorkingTimes(list), L"08:00-12:00");
    list.clear();
    EXPECT_EQ(FormatWorkingTimes(list), L"No working time");
}

TEST_F(WorkingTimeTextTest, DayNames_ofTheLocaleMondayFirst)
{
    EXPECT_EQ(GetDayName(0), L"Monday");
    EXPECT_EQ(GetDayName(6), L"Sunday");
    EXPECT_EQ(GetLocaleDayName(2, true), L"Wed");
    EXPECT_EQ(GetDayName(-1), L"");
    EXPECT_EQ(GetDayName(7), L"");
    UseLocale(kGerman);
    EXPECT_EQ(GetDayName(0), L"Montag");
}

} // namespace
