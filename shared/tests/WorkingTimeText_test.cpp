#include "WorkingTimeText.h"

#include "DateTestEnv.h"

#include <map>

namespace {

std::map<std::wstring, std::wstring>& Settings()
{
    static std::map<std::wstring, std::wstring> settings;
    return settings;
}

std::wstring ReadSetting(const wchar_t* key)
{
    const auto found = Settings().find(key);
    return found == Settings().end() ? std::wstring() : found->second;
}

class WorkingTimeTextTest : public DateTest {
protected:
    void SetUp() override
    {
        DateTest::SetUp();
        Settings().clear();
        SetSettingTextReader(&ReadSetting);
    }
    void TearDown() override
    {
        SetSettingTextReader(nullptr);
        DateTest::TearDown();
    }
};

TEST_F(WorkingTimeTextTest, FormatTimeSetting_followsThePictureElseTheLocale)
{
    EXPECT_EQ(FormatTimeSetting(TTime(14 * 60 + 5)), L"2:05 PM");
    UseLocale(kGerman);
    EXPECT_EQ(FormatTimeSetting(TTime(14 * 60 + 5)), L"14:05");
    Settings()[L"TimeFormat"] = L"HH'h'mm";
    EXPECT_EQ(FormatTimeSetting(TTime(9 * 60 + 7)), L"09h07");
    EXPECT_EQ(FormatTimeSetting(TTime::Parse(L"")), L"");
    // A module that set no reader has no settings.
    SetSettingTextReader(nullptr);
    EXPECT_EQ(FormatTimeSetting(TTime(9 * 60 + 7)), L"09:07");
}

TEST_F(WorkingTimeTextTest, SetWorkingTimePeriods_wrapsMinutesAndEmptiesForNoPairs)
{
    WorkingTimePeriods list;
    const int pairs[] = {-1441, 2881, 480, 0};
    ASSERT_EQ(SetWorkingTimePeriods(list, pairs, 2), 2);
    EXPECT_EQ(list[0].start.minutes, 1439);
    EXPECT_EQ(list[0].end.minutes, 1);
    EXPECT_EQ(list[1].end.minutes, 0);
    EXPECT_EQ(SetWorkingTimePeriods(list, pairs, -2), 0);
    SetWorkingTimePeriods(list, pairs, 1);
    EXPECT_EQ(SetWorkingTimePeriods(list, nullptr, 3), 0);
    EXPECT_TRUE(list.empty());
}

TEST_F(WorkingTimeTextTest, DayNames_ofTheLocaleMondayFirst)
{
    EXPECT_EQ(GetDayName(6), L"Sunday");
    EXPECT_EQ(GetLocaleDayName(2, true), L"Wed");
    EXPECT_EQ(GetDayName(-1), L"");
    EXPECT_EQ(GetDayName(7), L"");
    UseLocale(kGerman);
    EXPECT_EQ(GetDayName(0), L"Montag");
}

} // namespace
