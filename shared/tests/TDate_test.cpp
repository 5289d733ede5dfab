#include "TDate.h"

#include "DateTestEnv.h"
#include "PictureParse.h"
#include "TTime.h"

#include <climits>
#include <string>

namespace {

std::wstring Fmt(TDate d, unsigned long flags, const wchar_t* picture)
{
    wchar_t buf[100];
    return d.Format(buf, 100, flags, picture);
}

struct Ymd {
    unsigned y, m, d;
};

Ymd Parts(TDate d)
{
    Ymd r{};
    d.ToYMD(r.y, r.m, r.d);
    return r;
}

using TDateTest = DateTest;

TEST_F(TDateTest, FromYMD_knownDayNumbers)
{
    EXPECT_EQ(TDate::FromYMD(1, 2000, 1), 2451545u);
    EXPECT_EQ(TDate::FromYMD(1, 2000, 1) % 7, 5u); // Saturday
    EXPECT_EQ(TDate::FromYMD(3, 2000, 1), 2451605u);
    EXPECT_EQ(TDate::FromYMD(1, 1, 1), TDate::FromYMD(1, 1901, 1)); // two-digit years are 19xx
    EXPECT_EQ(TDate::FromYMD(1, 24, 1), TDate::FromYMD(1, 1924, 1));
    EXPECT_EQ(TDate::FromYMD(12, 9999, 31), TDate::kLastDay);
}

TEST_F(TDateTest, FromYMD_refusesImpossibleDates)
{
    EXPECT_EQ(TDate::FromYMD(2, 1900, 29), 0u);
    EXPECT_NE(TDate::FromYMD(2, 2000, 29), 0u);
    EXPECT_EQ(TDate::FromYMD(2, 2023, 29), 0u);
    EXPECT_NE(TDate::FromYMD(2, 2024, 29), 0u);
    EXPECT_EQ(TDate::FromYMD(0, 2024, 1), 0u);
    EXPECT_EQ(TDate::FromYMD(13, 2024, 1), 0u);
    EXPECT_EQ(TDate::FromYMD(4, 2024, 31), 0u);
    EXPECT_EQ(TDate::FromYMD(4, 2024, 0), 0u);
    EXPECT_EQ(TDate::FromYMD(1, 10000, 1), 0u);
}

TEST_F(TDateTest, ToYMD_invertsFromYMDOverManyYears)
{
    uint32_t expected = TDate::FromYMD(1, 1600, 1);
    for (unsigned y = 1600; y <= 2400; ++y)
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = 1; d <= static_cast<unsigned>(TDate::DaysInMonth(y, m)); ++d) {
                const uint32_t j = TDate::FromYMD(m, y, d);
                ASSERT_EQ(j, expected) << y << "-" << m << "-" << d;
                const Ymd p = Parts(TDate(j));
                ASSERT_EQ(p.y, y);
                ASSERT_EQ(p.m, m);
                ASSERT_EQ(p.d, d);
                ++expected;
            }
}

TEST_F(TDateTest, Sentinels_havePartsZeroAndSurviveArithmetic)
{
    for (uint32_t s : {TDate::kInvalid, TDate::kEmpty}) {
        TDate d(s);
        EXPECT_EQ(d.GetDay(), 0u);
        EXPECT_EQ(d.GetMonth(), 0u);
        EXPECT_EQ(d.GetYear(), 0u);
        EXPECT_EQ(d.AddMonths(3), s);
        EXPECT_EQ(d.SubMonths(3), s);
        EXPECT_EQ(d.AddYears(1), s);
        EXPECT_EQ(d.SubYears(1), s);
        d += 10;
        EXPECT_EQ(static_cast<uint32_t>(d), s);
        d -= 10;
        EXPECT_EQ(static_cast<uint32_t>(d), s);
        EXPECT_EQ(d.GetWeekOfYear(), 0);
    }
    EXPECT_TRUE(TDate(1).IsEmpty());
    EXPECT_FALSE(TDate(0).IsEmpty());
}

TEST_F(TDateTest, DaysInMonth_andLastDay)
{
    EXPECT_EQ(TDate::DaysInMonth(2024, 2), 29);
    EXPECT_EQ(TDate::DaysInMonth(2100, 2), 28);
    EXPECT_EQ(TDate::DaysInMonth(2000, 2), 29);
    EXPECT_EQ(TDate::DaysInMonth(2024, 0), 0);
    EXPECT_EQ(TDate::DaysInMonth(2024, 13), 0);
    EXPECT_EQ(static_cast<uint32_t>(TDate::LastDayOfMonth(2024, 2)), TDate::FromYMD(2, 2024, 29));
    EXPECT_EQ(static_cast<uint32_t>(TDate::LastDayOfMonth(2024, 13)), 0u);
    TDate d(TDate::FromYMD(4, 2023, 3));
    d.SetLastDayOfMonth();
    EXPECT_EQ(static_cast<uint32_t>(d), TDate::FromYMD(4, 2023, 30));
    EXPECT_EQ(d.GetDaysInMonth(), 30);
}

TEST_F(TDateTest, Today_usesTheClock)
{
    TDate d;
    EXPECT_EQ(static_cast<uint32_t>(d), TDate::FromYMD(5, 2026, 17));
}

TEST_F(TDateTest, AddMonths_clampsTheDay)
{
    TDate d(TDate::FromYMD(1, 2024, 31));
    EXPECT_EQ(d.AddMonths(1), TDate::FromYMD(2, 2024, 29));
    d = TDate::FromYMD(1, 2023, 31);
    EXPECT_EQ(d.AddMonths(1), TDate::FromYMD(2, 2023, 28));
    d = TDate::FromYMD(11, 2023, 15);
    EXPECT_EQ(d.AddMonths(2), TDate::FromYMD(1, 2024, 15));
    d = TDate::FromYMD(12, 2023, 15);
    EXPECT_EQ(d.AddMonths(12), TDate::FromYMD(12, 2024, 15));
    EXPECT_EQ(d.AddMonths(13), TDate::FromYMD(1, 2026, 15));
    EXPECT_EQ(d.AddMonths(0), TDate::FromYMD(1, 2026, 15));
    EXPECT_EQ(d.AddMonths(-25), TDate::FromYMD(12, 2023, 15));
}

TEST_F(TDateTest, SubMonths_clampsAndCrossesYears)
{
    TDate d(TDate::FromYMD(3, 2024, 31));
    EXPECT_EQ(d.SubMonths(1), TDate::FromYMD(2, 2024, 29));
    d = TDate::FromYMD(3, 2023, 31);
    EXPECT_EQ(d.SubMonths(1), TDate::FromYMD(2, 2023, 28));
    d = TDate::FromYMD(1, 2024, 10);
    EXPECT_EQ(d.SubMonths(1), TDate::FromYMD(12, 2023, 10));
    d = TDate::FromYMD(1, 2024, 10);
    EXPECT_EQ(d.SubMonths(12), TDate::FromYMD(1, 2023, 10));
    d = TDate::FromYMD(1, 2024, 10);
    EXPECT_EQ(d.SubMonths(13), TDate::FromYMD(12, 2022, 10));
    EXPECT_EQ(d.SubMonths(-2), TDate::FromYMD(2, 2023, 10));
}

TEST_F(TDateTest, MonthAndYearSteps_outsideTheYearRangeGiveInvalid)
{
    TDate d(TDate::FromYMD(12, 9999, 1));
    EXPECT_EQ(d.AddMonths(1), 0u);
    d = TDate::FromYMD(6, 2024, 1);
    EXPECT_EQ(d.AddMonths(INT_MAX), 0u);
    d = TDate::FromYMD(6, 2024, 1);
    EXPECT_EQ(d.SubMonths(INT_MAX), 0u);
    d = TDate::FromYMD(6, 2024, 1);
    EXPECT_EQ(d.AddYears(INT_MIN), 0u);
    d = TDate::FromYMD(6, 2024, 1);
    EXPECT_EQ(d.AddMonths(INT_MIN), 0u);
}

TEST_F(TDateTest, Years_leapDayBecomes28February)
{
    TDate d(TDate::FromYMD(2, 2024, 29));
    EXPECT_EQ(d.AddYears(1), TDate::FromYMD(2, 2025, 28));
    d = TDate::FromYMD(2, 2024, 29);
    EXPECT_EQ(d.SubYears(4), TDate::FromYMD(2, 2020, 29));
    d = TDate::FromYMD(2, 2024, 29);
    EXPECT_EQ(d.SubYears(-1), TDate::FromYMD(2, 2025, 28));
}

TEST_F(TDateTest, DayStep_keepsSentinelsAndRange)
{
    TDate d(TDate::FromYMD(12, 2024, 31));
    d += 1;
    EXPECT_EQ(static_cast<uint32_t>(d), TDate::FromYMD(1, 2025, 1));
    ++d;
    --d;
    d -= 1;
    EXPECT_EQ(static_cast<uint32_t>(d), TDate::FromYMD(12, 2024, 31));
    d = TDate(2);
    d -= 1;
    EXPECT_EQ(static_cast<uint32_t>(d), 0u);
}

TEST_F(TDateTest, WeekOfYear_isoAtYearEnds)
{
    EXPECT_EQ(TDate(TDate::FromYMD(1, 2021, 1)).GetWeekOfYear(), 53); // Friday
    EXPECT_EQ(TDate(TDate::FromYMD(12, 2020, 31)).GetWeekOfYear(), 53);
    EXPECT_EQ(TDate(TDate::FromYMD(1, 2021, 4)).GetWeekOfYear(), 1);
    EXPECT_EQ(TDate(TDate::FromYMD(12, 2024, 30)).GetWeekOfYear(), 1); // Monday of 2025's week 1
    EXPECT_EQ(TDate(TDate::FromYMD(12, 2024, 29)).GetWeekOfYear(), 52);
    EXPECT_EQ(TDate(TDate::FromYMD(1, 2023, 1)).GetWeekOfYear(), 52); // Sunday
    EXPECT_EQ(TDate(TDate::FromYMD(1, 2023, 2)).GetWeekOfYear(), 1);
    EXPECT_EQ(TDate(TDate::FromYMD(12, 2026, 31)).GetWeekOfYear(), 53);
    EXPECT_EQ(TDate(TDate::FromYMD(1, 2026, 1)).GetWeekOfYear(), 1);
}

TEST_F(TDateTest, Format_sentinelsAndFilePicture)
{
    EXPECT_EQ(Fmt(TDate(1), 0, L"yyyyMMdd"), L"");
    EXPECT_EQ(Fmt(TDate(0), 0, L"yyyyMMdd"), L"invalid");
    EXPECT_EQ(Fmt(TDate(TDate::FromYMD(1, 2024, 31)), 0, L"yyyyMMdd"), L"20240131");
    EXPECT_EQ(Fmt(TDate(TDate::FromYMD(3, 1066, 5)), 0, L"yyyyMMdd"), L"10660305");
    UseLocale(kGerman);
    EXPECT_EQ(Fmt(TDate(TDate::FromYMD(1, 2024, 31)), 0, L"yyyyMMdd"), L"20240131");
}

TEST_F(TDateTest, Format_localeTextsAndWeekday)
{
    const TDate d(TDate::FromYMD(1, 2024, 31)); // a Wednesday
    EXPECT_EQ(Fmt(d, 0, L"dd.MM.yyyy"), L"31.01.2024");
    EXPECT_EQ(Fmt(d, 0, L"ddd"), L"Wed");
    EXPECT_EQ(Fmt(d, 1 /*DATE_SHORTDATE*/, nullptr), L"1/31/2024");
    UseLocale(kGerman);
    const std::wstring german = Fmt(d, 1, nullptr); // "31.01.2024" or "31.1.2024", by locale data
    EXPECT_EQ(german.substr(0, 3), L"31.");
    EXPECT_EQ(german.substr(german.size() - 5), L".2024");
}

TEST_F(TDateTest, Format_cutsToTheBufferAndIgnoresNullBuffers)
{
    wchar_t small[5];
    TDate(TDate::FromYMD(1, 2024, 31)).Format(small, 5, 0, L"yyyyMMdd");
    EXPECT_STREQ(small, L"2024");
    wchar_t tiny[3];
    TDate(0).Format(tiny, 3, 0, nullptr);
    EXPECT_STREQ(tiny, L"in");
    EXPECT_EQ(TDate(0).Format(nullptr, 10, 0, nullptr), nullptr);
}

// The system's locale calls overrun their stack on a picture of a few hundred characters (the
// `DateFormat` and `TimeFormat` settings may hold any text): a picture longer than a locale's own
// neither writes nor reads a date or time; the locale's own stands in, as for no picture.
TEST_F(TDateTest, Pictures_longerThanALocalesOwnAreNotUsed)
{
    const TDate d(TDate::FromYMD(1, 2024, 31));
    const std::wstring quoted80 = L"dd.MM.yyyy'" + std::wstring(68, L'x') + L"'";
    ASSERT_EQ(quoted80.size(), 80u);
    EXPECT_EQ(Fmt(d, 0, quoted80.c_str()), L"31.01.2024" + std::wstring(68, L'x'));
    const std::wstring quoted81 = L"dd.MM.yyyy'" + std::wstring(69, L'x') + L"'";
    EXPECT_EQ(Fmt(d, 0, quoted81.c_str()), L"1/31/2024");
    wchar_t time[200];
    for (size_t length : {size_t{300}, size_t{10000}, size_t{1000000}}) {
        const std::wstring letters(length, L'A');
        EXPECT_EQ(Fmt(d, 0, letters.c_str()), L"1/31/2024") << length;
        EXPECT_STREQ(TTime(13 * 60 + 5).Format(0, time, letters.c_str(), 200), L"1:05 PM") << length;
    }
    const std::wstring letters(300, L'A');
    // The end of the day as without a picture: midnight under a 12-hour clock, else "24:00".
    TTime endOfDay(0);
    endOfDay.minutes = 1440;
    EXPECT_STREQ(endOfDay.Format(0, time, letters.c_str(), 200), L"12:00 AM");
    // Typed text is read in the locale's order (month first here), not in the picture's.
    EXPECT_EQ(static_cast<uint32_t>(datetime::ParseDate(L"3.4.2025", quoted81)), TDate::FromYMD(3, 2025, 4));
    EXPECT_EQ(static_cast<uint32_t>(datetime::ParseDate(L"3.4.2025", quoted80)), TDate::FromYMD(4, 2025, 3));
    EXPECT_EQ(datetime::ParseTime(L"1:05 PM", letters).minutes, 13 * 60 + 5);

    UseLocale(kGerman);
    const std::wstring german = Fmt(d, 1, nullptr);
    EXPECT_EQ(Fmt(d, 0, letters.c_str()), german);
    EXPECT_STREQ(TTime(13 * 60 + 5).Format(0, time, letters.c_str(), 200), L"13:05");
    EXPECT_STREQ(endOfDay.Format(0, time, letters.c_str(), 200), L"24:00");
}

TEST_F(TDateTest, Parse_eightDigitsInAnyLocale)
{
    for (unsigned long lcid : {kEnglishUS, kGerman, kJapanese}) {
        UseLocale(lcid);
        EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"20240131")), TDate::FromYMD(1, 2024, 31)) << lcid;
    }
}

TEST_F(TDateTest, Parse_onePieceIsTheDayOfThisMonth)
{
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"5")), TDate::FromYMD(5, 2026, 5));
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"")), 1u);
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(nullptr)), 1u);
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"abc")), 0u);
}

TEST_F(TDateTest, Parse_followsTheLocaleOrder)
{
    UseLocale(kGerman);
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"31.02.2024")), 0u);
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"1.2.30")), TDate::FromYMD(2, 2030, 1));
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"1.2.41")), TDate::FromYMD(2, 1941, 1));
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"3.4")), TDate::FromYMD(4, 2026, 3));
    UseLocale(kEnglishUS);
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"1/2/30")), TDate::FromYMD(1, 2030, 2));
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"3/4")), TDate::FromYMD(3, 2026, 4));
    UseLocale(kJapanese);
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"2024/1/31")), TDate::FromYMD(1, 2024, 31));
}

TEST_F(TDateTest, Parse_yearFixUps)
{
    UseLocale(kGerman);
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"1.1.0")), TDate::FromYMD(1, 2000, 1));
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"1.1.40")), TDate::FromYMD(1, 2040, 1));
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"1.1.999")), TDate::FromYMD(1, 1999, 1));
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"1.1.1000")), TDate::FromYMD(1, 2000, 1));
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"1.1.1001")), TDate::FromYMD(1, 1001, 1));
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"1.1.10000")), 0u);
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"1.1.99999999999999")), 0u);
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"4294967297.1.2024")), 0u);
}

TEST_F(TDateTest, Parse_skipsEmptyPiecesAndExtraPieces)
{
    UseLocale(kGerman);
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"..1..2..2024..")), TDate::FromYMD(2, 2024, 1));
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(L"1-2/2024.77")), TDate::FromYMD(2, 2024, 1));
    EXPECT_EQ(static_cast<uint32_t>(TDate::Parse(std::wstring(5000, L'.').c_str())), TDate::FromYMD(5, 2026, 17));
}

} // namespace
