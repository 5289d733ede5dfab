#include "TTime.h"

#include "DateTestEnv.h"

#include <string>

namespace {

using TTimeTest = DateTest;

std::wstring Fmt(const TTime& t, unsigned long flags, const wchar_t* picture)
{
    wchar_t buf[200];
    return t.Format(flags, buf, picture, 200);
}

TTime Stored(int minutes)
{
    TTime t(0);
    t.minutes = minutes;
    return t;
}

TEST_F(TTimeTest, Default_isNowAndNotEmpty)
{
    TTime t;
    EXPECT_EQ(t.minutes, 14 * 60 + 30);
    EXPECT_FALSE(t.empty);
}

TEST_F(TTimeTest, SetMinutes_wrapsIntoTheDay)
{
    EXPECT_EQ(TTime(1440).minutes, 0);
    EXPECT_EQ(TTime(-1).minutes, 1439);
    EXPECT_EQ(TTime(-1441).minutes, 1439);
    EXPECT_EQ(TTime(3000).minutes, 120);
    TTime t = TTime::Parse(L"");
    ASSERT_TRUE(t.empty);
    t.SetMinutes(5);
    EXPECT_FALSE(t.empty);
}

TEST_F(TTimeTest, Parse_digitGroups)
{
    EXPECT_EQ(TTime::Parse(L"930").minutes, 9 * 60 + 30);
    EXPECT_EQ(TTime::Parse(L"0930").minutes, 9 * 60 + 30);
    EXPECT_EQ(TTime::Parse(L"9").minutes, 9 * 60);
    EXPECT_EQ(TTime::Parse(L"9.5").minutes, 9 * 60 + 5);
    EXPECT_EQ(TTime::Parse(L"25:00").minutes, 60);
    EXPECT_EQ(TTime::Parse(L"12:345").minutes, 12 * 60 + 34);
    EXPECT_EQ(TTime::Parse(L"123456").minutes, 12 * 60 + 34);
    EXPECT_EQ(TTime::Parse(L"99:99").minutes, (99 * 60 + 99) % 1440);
}

TEST_F(TTimeTest, Parse_emptyAndDigitless)
{
    EXPECT_TRUE(TTime::Parse(L"").empty);
    EXPECT_TRUE(TTime::Parse(nullptr).empty);
    const TTime t = TTime::Parse(L"noon");
    EXPECT_EQ(t.minutes, 0);
    EXPECT_FALSE(t.empty);
    // Only the first 50 characters count.
    EXPECT_EQ(TTime::Parse((std::wstring(50, L' ') + L"7").c_str()).minutes, 0);
}

TEST_F(TTimeTest, Parse_designatorsInATwelveHourLocale)
{
    EXPECT_EQ(TTime::Parse(L"12:15 AM").minutes, 15);
    EXPECT_EQ(TTime::Parse(L"12:15 am").minutes, 15);
    EXPECT_EQ(TTime::Parse(L"1:15 PM").minutes, 13 * 60 + 15);
    EXPECT_EQ(TTime::Parse(L"12:15 PM").minutes, 12 * 60 + 15);
    EXPECT_EQ(TTime::Parse(L"3p").minutes, 15 * 60);
    EXPECT_EQ(TTime::Parse(L"12a").minutes, 0);
}

TEST_F(TTimeTest, Parse_designatorsIgnoredInATwentyFourHourLocale)
{
    UseLocale(kGerman);
    EXPECT_EQ(TTime::Parse(L"1:15 PM").minutes, 75);
    EXPECT_EQ(TTime::Parse(L"12:15 AM").minutes, 12 * 60 + 15);
}

TEST_F(TTimeTest, ParseFixed_fileForms)
{
    EXPECT_EQ(TTime::ParseFixed(L"8:05").minutes, 485);
    EXPECT_EQ(TTime::ParseFixed(L"08:05").minutes, 485);
    EXPECT_EQ(TTime::ParseFixed(L"0805").minutes, 485);
    EXPECT_EQ(TTime::ParseFixed(L"805").minutes, 485);
    EXPECT_EQ(TTime::ParseFixed(L"8").minutes, 480);
    EXPECT_EQ(TTime::ParseFixed(L"24:00").minutes, 0);
    EXPECT_EQ(TTime::ParseFixed(L"123:45").minutes, 12 * 60 + 45); // hours are at most two characters
    const TTime e = TTime::ParseFixed(L"");
    EXPECT_EQ(e.minutes, 0);
    EXPECT_FALSE(e.empty);
    EXPECT_EQ(TTime::ParseFixed(nullptr).minutes, 0);
    EXPECT_EQ(TTime::ParseFixed(L":").minutes, 0);
}

TEST_F(TTimeTest, Format_filePictureIsPlainDigits)
{
    EXPECT_EQ(Fmt(TTime(485), 0, L"HH':'mm"), L"08:05");
    EXPECT_EQ(Fmt(Stored(1440), 0, L"HH':'mm"), L"24:00");
    UseLocale(kGerman);
    EXPECT_EQ(Fmt(TTime(485), 0, L"HH':'mm"), L"08:05");
}

TEST_F(TTimeTest, Format_endOfDay)
{
    EXPECT_EQ(Fmt(Stored(1440), 8, nullptr), L"24:00");
    EXPECT_EQ(Fmt(Stored(1440), 2, nullptr), L"12:00 AM"); // 12-hour locale: midnight
    UseLocale(kGerman);
    EXPECT_EQ(Fmt(Stored(1440), 2, nullptr), L"24:00");
}

TEST_F(TTimeTest, Format_localeAndEmpty)
{
    EXPECT_EQ(Fmt(TTime(13 * 60 + 5), 2, nullptr), L"1:05 PM");
    UseLocale(kGerman);
    EXPECT_EQ(Fmt(TTime(13 * 60 + 5), 2, nullptr), L"13:05");
    EXPECT_EQ(Fmt(TTime::Parse(L""), 0, L"HH':'mm"), L"");
    wchar_t small[3];
    TTime(485).Format(0, small, L"HH':'mm", 3);
    EXPECT_STREQ(small, L"08");
}

} // namespace
