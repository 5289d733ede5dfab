// Data values as report text, with the resource library's formats.
#include "CoreTestEnv.h"

#include "common/TimeText.h"
#include "common/ValueFormat.h"

namespace {

using ValueFormatTest = ReportTest;
using rtest::Day;

void SetCurrency(const wchar_t* currency)
{
    wqv2_data::CData* root = rtest::CData::Root();
    ASSERT_EQ(root->BeginTransaction(L""), 0);
    ASSERT_EQ(root->ProjectSettings->MarkModified(), 0);
    root->ProjectSettings->SetCurrency(currency);
    ASSERT_EQ(root->Commit(), 0);
}

TEST_F(ValueFormatTest, FormatDuration_shortFormsByType)
{
    EXPECT_EQ(FormatDuration(59, 0, true), L"59 min");
    EXPECT_EQ(FormatDuration(59, 0, false), L"0 d 0 h 59 min");
    EXPECT_EQ(FormatDuration(90, 0, true), L"1 h 30 min");
    EXPECT_EQ(FormatDuration(1500, 0, true), L"1 d 1 h 0 min");
    EXPECT_EQ(FormatDuration(90, 1, true), L"1 h 30 min");
    EXPECT_EQ(FormatDuration(45, 1, true), L"45 min");
    EXPECT_EQ(FormatDuration(45, 1, false), L"0 h 45 min");
    EXPECT_EQ(FormatDuration(1500, 1, true), L"25 h 0 min"); // type 1 counts all hours
}

TEST_F(ValueFormatTest, FormatDuration_decimalAndClockTypes)
{
    EXPECT_EQ(FormatDuration(2160, 2, true), L"1.50 d");
    EXPECT_EQ(FormatDuration(90, 3, true), L"1.50 h");
    EXPECT_EQ(FormatDuration(90, 4, true), L"90 min");
    EXPECT_EQ(FormatDuration(605, 5, true), L"10:05");
    EXPECT_EQ(FormatDuration(90, 6, true), L"");
    EXPECT_EQ(FormatDuration(90, -1, true), L"");
}

TEST_F(ValueFormatTest, FormatDate_weekdayNamesByMode)
{
    const TDate sunday = Day(5, 17);
    EXPECT_EQ(FormatDate(sunday, 0, L"%s"), L"2026-05-17");
    EXPECT_EQ(FormatDate(sunday, 1, L"%s"), L"Sun 2026-05-17");
    EXPECT_EQ(FormatDate(sunday, 2, L"[%s]"), L"[Sunday 2026-05-17]");
    EXPECT_EQ(FormatDate(sunday, 3, L"ignored %s"), L"Sun");
    EXPECT_EQ(FormatDate(sunday, 4, L"%s"), L"Sunday");
    EXPECT_EQ(FormatDate(Day(5, 18), 7, L"%s"), L"2026-05-18");
}

TEST_F(ValueFormatTest, GetDateText_localeShortDateWithoutPicture)
{
    host::SetSetting(L"DateFormat", L"");
    EXPECT_EQ(GetDateText(Day(3, 1)), L"3/1/2026");
    host::SetSetting(L"DateFormat", L"dd.MM.yy");
    EXPECT_EQ(GetDateText(Day(3, 1)), L"01.03.26");
}

TEST_F(ValueFormatTest, FormatCosts_builtFormatOrTheUsersFormat)
{
    SetCurrency(L"EUR");
    EXPECT_EQ(FormatCosts(1234.567), L"1234.57 EUR");
    host::SetSetting(L"ViewFormatCostsDecimalDigits", L"0");
    EXPECT_EQ(FormatCosts(1234.567), L"1235 EUR");
    // Digit counts out of range are brought into 0 to 9 before they become a format.
    host::SetSetting(L"ViewFormatCostsDecimalDigits", L"-3");
    EXPECT_EQ(FormatCosts(1234.567), L"1235 EUR");
    host::SetSetting(L"ViewFormatCostsDecimalDigits", L"40");
    EXPECT_EQ(FormatCosts(0.5), L"0.500000000 EUR");
    host::SetSetting(L"ViewFormatCosts", L"%.1f (%s)");
    EXPECT_EQ(FormatCosts(1234.567), L"1234.6 (EUR)");
    host::SetSetting(L"ViewFormatCosts", L"");
    host::SetSetting(L"ViewFormatCostsDecimalDigits", L"");
    SetCurrency(L"");
    EXPECT_EQ(FormatCosts(2.5), L"2.50"); // string 1241
}

TEST_F(ValueFormatTest, FormatUdfValue_byTypeNameWithCase)
{
    EXPECT_EQ(FormatUdfValue(L"QV2UDFDecimal", L"7"), L"7");
    EXPECT_EQ(FormatUdfValue(L"QV2UDFDecimal", L"12.5"), L"12.5");
    EXPECT_EQ(FormatUdfValue(L"QV2UDFDecimal", L"0.25"), L"0.25");
    EXPECT_EQ(FormatUdfValue(L"QV2UDFInt", L"abc"), L"0");
    EXPECT_EQ(FormatUdfValue(L"QV2UDFInt", L"  42 pieces"), L"42");
    EXPECT_EQ(FormatUdfValue(L"QV2UDFDate", L"20260301"), L"2026-03-01");
    EXPECT_EQ(FormatUdfValue(L"QV2UDFTime", L"1430"), L"14:30");
    EXPECT_EQ(FormatUdfValue(L"qv2udfdate", L"20260301"), L"20260301");
    EXPECT_EQ(FormatUdfValue(L"QV2UDFHyperlink", L"http://x/"), L"http://x/");
    EXPECT_EQ(FormatUdfValue(L"QV2UDFInt", L""), L"");
    EXPECT_EQ(FormatUdfValue(nullptr, L"plain"), L"plain");
}

TEST_F(ValueFormatTest, FormatUdfValue_decimalsStayWhereTheLocaleUsesAComma)
{
    datetime::SetLocale(kGerman);
    EXPECT_EQ(FormatUdfValue(L"QV2UDFDecimal", L"12.5"), L"12.500000");
}

TEST_F(ValueFormatTest, FilterNamePeriodAndDateTime)
{
    EXPECT_EQ(GetReportFilterName(), L"none");
    rtest::CData::Fresh();
    wqv2_data::CFilter* filter = rtest::AddFilter(L"Workshop", {});
    ASSERT_NE(filter, nullptr);
    UseReportFilter(filter);
    EXPECT_EQ(GetReportFilterName(), L"Workshop");

    EXPECT_EQ(FormatPeriodText(Day(3, 1), Day(4, 1), 0, 0), L"2026-03-01 to 2026-03-31");
    EXPECT_EQ(FormatPeriodText(Day(3, 1), Day(4, 1), 480, 0), L"2026-03-01 08:00 to 2026-04-01 00:00");
    EXPECT_EQ(FormatDateTime(TDateTime(Day(3, 1), 485, false)), L"2026-03-01 08:05");
}

TEST_F(ValueFormatTest, IntervalOverlapMinutes_sumsThePositiveOverlaps)
{
    const int pairs[] = {0, 540, 600, 700, 1000, 1440, 1200, 1100};
    EXPECT_EQ(IntervalOverlapMinutes({480, 1020}, pairs, 3), 60 + 100 + 20);
    EXPECT_EQ(IntervalOverlapMinutes({480, 1020}, pairs + 6, 1), 0);
    EXPECT_EQ(IntervalOverlapMinutes({480, 1020}, pairs, 0), 0);
    EXPECT_EQ(IntervalOverlapMinutes({480, 1020}, pairs, -2), 0);
}

TEST_F(ValueFormatTest, WorkingTimePeriods_takenModuloTheDay)
{
    WorkingTimePeriods list;
    const int pairs[] = {-30, 1470, 0, 1440};
    EXPECT_EQ(SetWorkingTimePeriods(list, pairs, 2), 2);
    EXPECT_EQ(list[0].start.minutes, 1410);
    EXPECT_EQ(list[0].end.minutes, 30);
    EXPECT_EQ(list[1].start.minutes, 0);
    EXPECT_EQ(list[1].end.minutes, 0);
    EXPECT_EQ(FormatWorkingTimes(list), L"23:30-00:30, 00:00-00:00");
    SetWorkingTimePeriods(list, pairs, 0);
    EXPECT_EQ(FormatWorkingTimes(list), L"No working time");
}

TEST_F(ValueFormatTest, ColumnLists_parseMergeAndName)
{
    std::vector<int> read;
    EXPECT_EQ(ParseColumnOrder(read, L"3 3 9 1"), 4);
    std::vector<int> defaults;
    GetDefaultColumnIds(defaults);
    EXPECT_EQ(MergeColumnIdList(defaults, read), 8);
    EXPECT_EQ(FormatColumnIds(defaults), L"3 1 0 2 4 5 6 7");

    std::vector<int> partial;
    EXPECT_EQ(ParseColumnOrder(partial, L"2 x 5"), 1);
    std::vector<int> withoutCosts;
    GetDefaultColumnIds(withoutCosts, true);
    EXPECT_EQ(FormatColumnIds(withoutCosts), L"0 1 2 3 4 5 7");

    bool numeric = false;
    EXPECT_EQ(GetColumnName(6, numeric), L"Costs");
    EXPECT_TRUE(numeric);
    EXPECT_EQ(GetColumnName(7, numeric), L"Note");
    EXPECT_FALSE(numeric);
    EXPECT_EQ(GetColumnName(9, numeric), L"");
    EXPECT_TRUE(numeric);
    EXPECT_EQ(GetDayName(0), L"Monday");
}

} // namespace
