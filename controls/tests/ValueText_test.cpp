// Type rules of the typed edits, without windows.
#include "ControlTestEnv.h"

#include "edit/ValueText.h"

#include <climits>

using namespace rkcc::valuetext;
using testenv::ControlTest;

namespace {

class ValueTextTest : public ControlTest {};

TEST_F(ValueTextTest, ReadDouble_turnsTheOtherMarkIntoTheSeparatorOnce)
{
    EXPECT_DOUBLE_EQ(ReadDouble(L"2.5", L','), 2.5);
    EXPECT_DOUBLE_EQ(ReadDouble(L"1.234.5", L','), 1.234);
    EXPECT_DOUBLE_EQ(ReadDouble(L"2,5", L'.'), 2.5);
    EXPECT_DOUBLE_EQ(ReadDouble(L"1,234,5", L'.'), 1.234);
    EXPECT_DOUBLE_EQ(ReadDouble(L"-3,75", L','), -3.75);
    EXPECT_DOUBLE_EQ(ReadDouble(L"", L'.'), 0.0);
    EXPECT_DOUBLE_EQ(ReadDouble(L"-", L'.'), 0.0);
    EXPECT_DOUBLE_EQ(ReadDouble(L"12abc", L'.'), 12.0);
}

TEST_F(ValueTextTest, WriteDouble_tenSignificantDigitsWithTheSeparator)
{
    EXPECT_EQ(WriteDouble(2.5, L','), L"2,5");
    EXPECT_EQ(WriteDouble(2.5, L'.'), L"2.5");
    EXPECT_EQ(WriteDouble(1.0 / 3.0, L'.'), L"0.3333333333");
    EXPECT_EQ(WriteDouble(0.1 + 0.2, L'.'), L"0.3");
    EXPECT_EQ(WriteDouble(-42, L','), L"-42");
    EXPECT_EQ(WriteDouble(1e20, L'.'), L"1e+20");
}

TEST_F(ValueTextTest, DecimalSeparator_followsTheLocale)
{
    EXPECT_EQ(DecimalSeparator(), L'.');
    UseLocale(testenv::kGerman);
    EXPECT_EQ(DecimalSeparator(), L',');
    EXPECT_EQ(DateSeparator(), L'.');
}

TEST_F(ValueTextTest, Characters_eachTypeAcceptsItsOwn)
{
    EXPECT_TRUE(IsLongChar(L'7'));
    EXPECT_TRUE(IsLongChar(L'\b'));
    EXPECT_FALSE(IsLongChar(L'-'));
    EXPECT_FALSE(IsLongChar(L'a'));
    EXPECT_TRUE(IsDoubleChar(L'-', L','));
    EXPECT_TRUE(IsDoubleChar(L'.', L','));
    EXPECT_FALSE(IsDoubleChar(L'e', L'.'));
    EXPECT_TRUE(IsDateChar(L'/', L'.'));
    EXPECT_TRUE(IsDateChar(L'-', L'.'));
    EXPECT_FALSE(IsDateChar(L'x', L'.'));
}

TEST_F(ValueTextTest, Long_readsLeadingDigitsAndStepsWithinRange)
{
    EXPECT_EQ(ReadLong(L"12abc"), 12);
    EXPECT_EQ(ReadLong(L""), 0);
    EXPECT_EQ(ReadLong(L"  -7"), -7);
    EXPECT_EQ(WriteLong(-2147483647L - 1), L"-2147483648");
    EXPECT_EQ(StepLong(LONG_MAX, 1, true), LONG_MAX);
    EXPECT_EQ(StepLong(LONG_MIN, 5, false), LONG_MIN);
    EXPECT_EQ(StepLong(10, 3, false), 7);
}

TEST_F(ValueTextTest, Time_stepsWrapAroundMidnight)
{
    EXPECT_EQ(StepTime(TTime(23 * 60 + 45), 15, true).minutes, 0);
    EXPECT_EQ(StepTime(TTime(10), 15, false).minutes, 23 * 60 + 55);
    TTime empty(0);
    empty.empty = true;
    EXPECT_FALSE(StepTime(empty, 15, true).empty);
    EXPECT_EQ(NormaliseMinutes(-15), 1425);
    EXPECT_EQ(NormaliseMinutes(1500), 60);
}

TEST_F(ValueTextTest, Time_writesTheLocaleFormatOrThePicture)
{
    EXPECT_EQ(WriteTime(TTime(13 * 60 + 5), L""), L"1:05 PM");
    EXPECT_EQ(WriteTime(TTime(13 * 60 + 5), L"HH':'mm"), L"13:05");
    UseLocale(testenv::kGerman);
    EXPECT_EQ(WriteTime(TTime(13 * 60 + 5), L""), L"13:05");
    TTime empty(0);
    empty.empty = true;
    EXPECT_EQ(WriteTime(empty, L""), L"");
}

TEST_F(ValueTextTest, Date_stepFromEmptyOrInvalidStartsAtToday)
{
    EXPECT_EQ(StepDate(TDate(TDate::kEmpty), true), testenv::kToday + 1);
    EXPECT_EQ(StepDate(TDate(TDate::kInvalid), false), testenv::kToday - 1);
    EXPECT_EQ(StepDate(TDate(2451545), true), 2451546u);
}

TEST_F(ValueTextTest, Date_writesThePictureOrTheShortDate)
{
    EXPECT_EQ(WriteDate(TDate(2451545), L""), L"1/1/2000");
    EXPECT_EQ(WriteDate(TDate(2451545), L"yyyy-MM-dd"), L"2000-01-01");
    EXPECT_EQ(WriteDate(TDate(TDate::kEmpty), L""), L"");
    EXPECT_EQ(ReadDate(L"", L""), TDate::kEmpty);
    EXPECT_EQ(ReadDate(L"1/2/2000", L""), 2451546u);
}

} // namespace
