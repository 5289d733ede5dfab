// The date and time periods: ordering of the two ends, captions and layout, Tab and the calendar.
#include "ControlTestEnv.h"

#include "RKComControls2.h"
#include "base/Fonts.h"
#include "edit/PeriodCtrl.h"

#include "TDate.h"

using namespace testenv;

namespace {

int D(unsigned y, unsigned m, unsigned d)
{
    return static_cast<int>(TDate::FromYMD(m, y, d));
}

int Get(HWND h, UINT msg, WPARAM side)
{
    int v = -999;
    SendMessageW(h, msg, side, reinterpret_cast<LPARAM>(&v));
    return v;
}

LRESULT Set(HWND h, UINT msg, WPARAM side, int v)
{
    return SendMessageW(h, msg, side, reinterpret_cast<LPARAM>(&v));
}

RECT ChildRect(HWND parent, int id)
{
    RECT r{};
    GetWindowRect(GetDlgItem(parent, id), &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class PeriodTest : public ControlTest {
protected:
    HWND DatePeriod(DWORD style = 0) { return host.CreateControl(RKCC2_CLASS_DATEPERIOD, style, 60, {0, 0, 300, 60}); }
    HWND TimePeriod(DWORD style = 0) { return host.CreateControl(RKCC2_CLASS_TIMEPERIOD, style, 61, {0, 0, 300, 60}); }

    // The user puts `text` in the edit and leaves it: what `get` answers then.
    int Edit(HWND control, const wchar_t* text, UINT get)
    {
        SetFocus(InnerEdit(control));
        SetWindowTextW(InnerEdit(control), text);
        SetFocus(host.FocusSink());
        return Get(control, get, 0);
    }
    // The same in a date or time edit that held `held`.
    int EditDate(HWND control, int held, const wchar_t* text)
    {
        Set(control, RKCC2M_DATEEDIT_SETDATE, 0, held);
        return Edit(control, text, RKCC2M_DATEEDIT_GETDATE);
    }
    int EditTime(HWND control, int held, const wchar_t* text)
    {
        Set(control, RKCC2M_TIMEEDIT_SETTIME, 0, held);
        return Edit(control, text, RKCC2M_TIMEEDIT_GETTIME);
    }
};

TEST_F(PeriodTest, DatePeriod_aStartAfterTheEndPushesTheEnd)
{
    HWND period = DatePeriod();
    Set(period, RKCC2M_DATEPERIOD_SETDATE, 0, D(2026, 1, 1));
    Set(period, RKCC2M_DATEPERIOD_SETDATE, 1, D(2026, 1, 31));
    SetFocus(InnerEdit(period, 100));
    SetWindowTextW(InnerEdit(period, 100), L"3/5/2026");
    host.Clear();
    SetFocus(host.FocusSink());
    EXPECT_EQ(Get(period, RKCC2M_DATEPERIOD_GETRAWDATE, 1), D(2026, 3, 5));
    EXPECT_GE(host.Count(RKCC2N_CHANGED, 60), 1);
    EXPECT_EQ(host.notifications.front().from, period);
    // An end before the start pulls the start back when the end is left; reading alone does not.
    Set(period, RKCC2M_DATEPERIOD_SETDATE, 1, D(2026, 2, 1));
    EXPECT_EQ(Get(period, RKCC2M_DATEPERIOD_GETDATE, 1), D(2026, 2, 1));
    EXPECT_EQ(Get(period, RKCC2M_DATEPERIOD_GETRAWDATE, 0), D(2026, 3, 5));
    SetFocus(InnerEdit(period, 101));
    SetFocus(host.FocusSink());
    EXPECT_EQ(Get(period, RKCC2M_DATEPERIOD_GETRAWDATE, 0), D(2026, 2, 1));
}

TEST_F(PeriodTest, DatePeriod_readWhileOneEndIsTyped_givesTheOrderThatLeavingItWillGive)
{
    HWND period = DatePeriod();
    Set(period, RKCC2M_DATEPERIOD_SETDATE, 0, D(2026, 1, 1));
    Set(period, RKCC2M_DATEPERIOD_SETDATE, 1, D(2026, 1, 31));
    SetFocus(InnerEdit(period, 100));
    SetWindowTextW(InnerEdit(period, 100), L"3/5/2026"); // as typed; a dialog closed with Enter reads now
    EXPECT_EQ(Get(period, RKCC2M_DATEPERIOD_GETDATE, 0), D(2026, 3, 5));
    EXPECT_EQ(Get(period, RKCC2M_DATEPERIOD_GETDATE, 1), D(2026, 3, 5));
    EXPECT_EQ(TextOf(InnerEdit(period, 101)), L"1/31/2026"); // reading wrote nothing
    SetFocus(InnerEdit(period, 101));
    EXPECT_EQ(TextOf(InnerEdit(period, 101)), L"3/5/2026");
    SetWindowTextW(InnerEdit(period, 101), L"2/1/2026");
    EXPECT_EQ(Get(period, RKCC2M_DATEPERIOD_GETDATE, 0), D(2026, 2, 1)); // the end pulls the start back
    SetFocus(host.FocusSink());
    EXPECT_EQ(Get(period, RKCC2M_DATEPERIOD_GETRAWDATE, 0), D(2026, 2, 1));
}

TEST_F(PeriodTest, DatePeriod_perSideLimitsAndFlags)
{
    HWND period = DatePeriod();
    Set(period, RKCC2M_DATEPERIOD_SETMIN, 1, D(2026, 5, 1));
    EXPECT_EQ(Get(period, RKCC2M_DATEPERIOD_GETMIN, 1), D(2026, 5, 1));
    EXPECT_EQ(Get(period, RKCC2M_DATEPERIOD_GETMIN, 0), 2305814);
    SendMessageW(period, RKCC2M_DATEPERIOD_SETALLOWEMPTY, 0, 1);
    EXPECT_EQ(SendMessageW(period, RKCC2M_DATEPERIOD_GETALLOWEMPTY, 0, 0), 1);
    EXPECT_EQ(SendMessageW(period, RKCC2M_DATEPERIOD_GETALLOWEMPTY, 1, 0), 0);
    EXPECT_EQ(SendMessageW(period, RKCC2M_DATEPERIOD_ISEMPTY, 0, 0), 1);
    EXPECT_EQ(Get(period, RKCC2M_DATEPERIOD_GETDATE, 0), 1);
    EXPECT_EQ(SendMessageW(period, RKCC2M_DATEPERIOD_GETDATE, 0, 0), -1);
}

TEST_F(PeriodTest, TimePeriod_endAtMidnightIsTheEndOfTheDay)
{
    HWND period = TimePeriod();
    Set(period, RKCC2M_TIMEPERIOD_SETTIME, 1, 0);
    Set(period, RKCC2M_TIMEPERIOD_SETTIME, 0, 8 * 60);
    SetFocus(InnerEdit(period, 100));
    SetWindowTextW(InnerEdit(period, 100), L"5:00 PM");
    SetFocus(host.FocusSink());
    EXPECT_EQ(Get(period, RKCC2M_TIMEPERIOD_GETTIME, 0), 17 * 60);
    EXPECT_EQ(Get(period, RKCC2M_TIMEPERIOD_GETTIME, 1), 0);
    Set(period, RKCC2M_TIMEPERIOD_SETTIME, 1, 12 * 60);
    SetFocus(InnerEdit(period, 101));
    SetFocus(host.FocusSink());
    EXPECT_EQ(Get(period, RKCC2M_TIMEPERIOD_GETRAWTIME, 0), 12 * 60); // the end pulled the start back
}

TEST_F(PeriodTest, TimePeriod_independentKeepsBothAsTyped)
{
    HWND period = TimePeriod(RKCC2S_INDEPENDENT);
    EXPECT_EQ(SendMessageW(period, RKCC2M_TIMEPERIOD_GETINDEPENDENT, 0, 0), 1);
    Set(period, RKCC2M_TIMEPERIOD_SETTIME, 1, 9 * 60);
    Set(period, RKCC2M_TIMEPERIOD_SETTIME, 0, 18 * 60);
    EXPECT_EQ(Get(period, RKCC2M_TIMEPERIOD_GETTIME, 0), 18 * 60);
    EXPECT_EQ(Get(period, RKCC2M_TIMEPERIOD_GETTIME, 1), 9 * 60);
    SendMessageW(period, RKCC2M_TIMEPERIOD_SETINDEPENDENT, 0, 0);
    SetFocus(InnerEdit(period, 100));
    SetFocus(host.FocusSink()); // committing the start pushes the end
    EXPECT_EQ(Get(period, RKCC2M_TIMEPERIOD_GETTIME, 0), 18 * 60);
    EXPECT_EQ(Get(period, RKCC2M_TIMEPERIOD_GETRAWTIME, 1), 18 * 60);
}

// What a date or time edit shows reads back as the value it shows, whatever the library's picture
// and the locale (dialogs read every period back on OK, touched or not); text typed in the order
// of the picture is read in that order.
TEST_F(PeriodTest, Pictures_shownTextReadsBackAndTypedTextFollowsThePicturesOrder)
{
    HWND dates = DatePeriod();
    HWND shown = host.CreateControl(RKCC2_CLASS_DATEEDIT, 0, 63, {0, 70, 200, 94});
    HWND typed = host.CreateControl(RKCC2_CLASS_DATEEDIT, 0, 64, {0, 100, 200, 124});
    // A text as the user gives it, not as the edit wrote it.
    const auto readTyped = [typed](const std::wstring& text) {
        SetWindowTextW(InnerEdit(typed), text.c_str());
        int day = -999;
        SendMessageW(typed, RKCC2M_DATEEDIT_GETRAWDATE, 0, reinterpret_cast<LPARAM>(&day));
        return day;
    };

    rkcc2_setdateformat(L"dd.MM.yyyy"); // day first under a month-first locale
    Set(dates, RKCC2M_DATEPERIOD_SETDATE, 0, D(2026, 3, 1));
    Set(dates, RKCC2M_DATEPERIOD_SETDATE, 1, D(2026, 3, 31));
    EXPECT_EQ(TextOf(InnerEdit(dates, 100)), L"01.03.2026");
    EXPECT_EQ(Get(dates, RKCC2M_DATEPERIOD_GETDATE, 0), D(2026, 3, 1));
    EXPECT_EQ(Get(dates, RKCC2M_DATEPERIOD_GETDATE, 1), D(2026, 3, 31));
    EXPECT_EQ(readTyped(L"01.03.2026"), D(2026, 3, 1));
    EXPECT_EQ(readTyped(L"31.03.2026"), D(2026, 3, 31));
    // Fewer numbers leave out the year, then the month; the file form still reads as such.
    EXPECT_EQ(readTyped(L"2/4/27"), D(2027, 4, 2));
    EXPECT_EQ(readTyped(L"5.6"), D(2026, 6, 5));
    EXPECT_EQ(readTyped(L"9"), D(2026, 5, 9));
    EXPECT_EQ(readTyped(L"20260704"), D(2026, 7, 4));
    EXPECT_EQ(readTyped(L"31.02.2026"), 0);
    EXPECT_EQ(readTyped(L"3/13/2026"), D(2026, 3, 13)); // no date in that order, one in the locale's
    SetFocus(InnerEdit(typed));
    SetWindowTextW(InnerEdit(typed), L"");
    Type(InnerEdit(typed), L"7.8.26");
    SetFocus(host.FocusSink());
    EXPECT_EQ(TextOf(InnerEdit(typed)), L"07.08.2026");

    struct Case {
        const wchar_t* picture;
        int date;
        const wchar_t* text;
    };
    const auto check = [&](const Case& c) {
        rkcc2_setdateformat(c.picture);
        Set(shown, RKCC2M_DATEEDIT_SETDATE, 0, c.date);
        EXPECT_EQ(TextOf(InnerEdit(shown)), c.text) << c.picture;
        EXPECT_EQ(Get(shown, RKCC2M_DATEEDIT_GETDATE, 0), c.date) << c.picture;
        EXPECT_EQ(readTyped(c.text), c.date) << c.picture;
    };
    for (const Case& c : {Case{L"d MMM yy", D(2026, 3, 1), L"1 Mar 26"},
                          Case{L"dddd, MMMM d, yyyy", D(2026, 3, 31), L"Tuesday, March 31, 2026"},
                          Case{L"'Day' d 'of' M/yy", D(2026, 12, 24), L"Day 24 of 12/26"},
                          Case{L"yyyy-MM-dd", D(2026, 3, 1), L"2026-03-01"},
                          Case{L"ddMMyyyy", D(2026, 3, 1), L"01032026"}})
        check(c);
    rkcc2_setdateformat(L"yyyy-MM-dd");
    EXPECT_EQ(readTyped(L"3-1"), D(2026, 3, 1)); // without its year: month and day
    // A picture without the year or the century still reads back the date it shows.
    rkcc2_setdateformat(L"dd.MM.");
    Set(shown, RKCC2M_DATEEDIT_SETDATE, 0, D(2025, 3, 1));
    EXPECT_EQ(TextOf(InnerEdit(shown)), L"01.03.");
    EXPECT_EQ(Get(shown, RKCC2M_DATEEDIT_GETDATE, 0), D(2025, 3, 1));
    EXPECT_EQ(readTyped(L"1.3.2025"), D(2025, 3, 1));
    rkcc2_setdateformat(L"dd.MM.yy");
    Set(shown, RKCC2M_DATEEDIT_SETDATE, 0, D(2045, 3, 1));
    EXPECT_EQ(Get(shown, RKCC2M_DATEEDIT_GETDATE, 0), D(2045, 3, 1));
    // Without a picture the locale's order rules.
    rkcc2_setdateformat(nullptr);
    EXPECT_EQ(readTyped(L"3/1/2026"), D(2026, 3, 1));

    UseLocale(kGerman);
    for (const Case& c : {Case{L"d. MMMM yyyy", D(2026, 3, 1), L"1. M\u00e4rz 2026"},
                          Case{L"MM/dd/yyyy", D(2026, 3, 1), L"03/01/2026"}})
        check(c);
    EXPECT_EQ(readTyped(L"3/1"), D(2026, 3, 1));
    // Separators alone are no number: today, as in an edit without a picture.
    for (const unsigned long locale : {kEnglishUS, kGerman}) {
        UseLocale(locale);
        for (const wchar_t* picture : {L"dd.MM.yyyy", L"yyyy-MM-dd", L"MM/dd/yy", L"d.M.", L"d MMM yyyy", L""}) {
            rkcc2_setdateformat(picture);
            EXPECT_EQ(readTyped(L"./-"), static_cast<int>(kToday)) << picture << " " << locale;
        }
    }

    // Times: 24 hours under a 12-hour locale, 12 hours with designators under a 24-hour one.
    HWND times = TimePeriod();
    HWND typedTime = host.CreateControl(RKCC2_CLASS_TIMEEDIT, 0, 65, {0, 130, 200, 154});
    const auto readTypedTime = [typedTime](const std::wstring& text) {
        SetWindowTextW(InnerEdit(typedTime), text.c_str());
        return Get(typedTime, RKCC2M_TIMEEDIT_GETRAWTIME, 0);
    };
    UseLocale(kEnglishUS);
    rkcc2_settimeformat(L"HH:mm");
    Set(times, RKCC2M_TIMEPERIOD_SETTIME, 0, 13 * 60 + 5);
    EXPECT_EQ(TextOf(InnerEdit(times, 100)), L"13:05");
    EXPECT_EQ(Get(times, RKCC2M_TIMEPERIOD_GETTIME, 0), 13 * 60 + 5);
    EXPECT_EQ(readTypedTime(L"00:30"), 30);
    EXPECT_EQ(readTypedTime(L"12:30"), 12 * 60 + 30);
    UseLocale(kGerman);
    rkcc2_settimeformat(L"h:mm tt");
    Set(times, RKCC2M_TIMEPERIOD_SETTIME, 0, 13 * 60 + 5);
    const std::wstring afternoon = TextOf(InnerEdit(times, 100));
    EXPECT_EQ(Get(times, RKCC2M_TIMEPERIOD_GETTIME, 0), 13 * 60 + 5) << afternoon;
    EXPECT_EQ(readTypedTime(afternoon), 13 * 60 + 5) << afternoon;
    rkcc2_settimeformat(L"hh 'Uhr' mm t");
    Set(times, RKCC2M_TIMEPERIOD_SETTIME, 0, 0 * 60 + 15);
    const std::wstring night = TextOf(InnerEdit(times, 100));
    EXPECT_EQ(readTypedTime(night), 15) << night;
}

// An edited date or time changes only what the picture shows: the year, day, century or half of
// the day it hides stay the value's the edit held. Fields the user separated are read as such.
TEST_F(PeriodTest, Pictures_anEditChangesOnlyWhatThePictureShows)
{
    // On the 31st a day taken from today is no day in April.
    datetime::SetClock([] { return datetime::LocalClock{2026, 5, 31, 14, 30}; });
    HWND date = host.CreateControl(RKCC2_CLASS_DATEEDIT, 0, 63, {0, 70, 200, 94});
    const auto editDate = [&](int held, const wchar_t* text) { return EditDate(date, held, text); };

    rkcc2_setdateformat(L"dd.MM.yy");
    EXPECT_EQ(editDate(D(2045, 3, 1), L"02.03.45"), D(2045, 3, 2));
    EXPECT_EQ(TextOf(InnerEdit(date)), L"02.03.45");
    EXPECT_EQ(editDate(D(1930, 3, 1), L"02.03.30"), D(1930, 3, 2));
    EXPECT_EQ(editDate(D(2045, 3, 1), L"01.03.46"), D(1946, 3, 1)); // a changed year takes the window
    rkcc2_setdateformat(L"dd.MM.");
    EXPECT_EQ(editDate(D(2019, 6, 10), L"11.06."), D(2019, 6, 11));
    EXPECT_EQ(editDate(D(2019, 6, 10), L"11.06.2024"), D(2024, 6, 11));
    rkcc2_setdateformat(L"MM/yyyy");
    EXPECT_EQ(editDate(D(2026, 1, 15), L"04/2026"), D(2026, 4, 15));
    EXPECT_EQ(editDate(D(2026, 1, 31), L"04/2026"), D(2026, 4, 30));
    rkcc2_setdateformat(L"MMMM yyyy");
    EXPECT_EQ(editDate(D(2024, 1, 31), L"February 2024"), D(2024, 2, 29));
    // Nothing held: typed text reads as in a new edit.
    rkcc2_setdateformat(L"dd.MM.yy");
    EXPECT_EQ(editDate(TDate::kEmpty, L"02.03.45"), D(1945, 3, 2));
    rkcc2_setdateformat(L"MM/yyyy");
    EXPECT_EQ(editDate(TDate::kEmpty, L"04/2026"), D(2026, 5, 31));
    // Nor does an edit the user emptied and left.
    HWND emptied = host.CreateControl(RKCC2_CLASS_DATEEDIT, RKCC2S_ALLOWEMPTY, 65, {0, 130, 200, 154});
    const auto editEmptied = [&](int held, const wchar_t* text) {
        EXPECT_EQ(EditDate(emptied, held, L""), static_cast<int>(TDate::kEmpty));
        return Edit(emptied, text, RKCC2M_DATEEDIT_GETDATE);
    };
    rkcc2_setdateformat(L"dd.MM.");
    EXPECT_EQ(editEmptied(D(2019, 5, 1), L"15.06."), D(2026, 6, 15));
    rkcc2_setdateformat(L"dd.MM.yy");
    EXPECT_EQ(editEmptied(D(2045, 3, 1), L"15.03.45"), D(1945, 3, 15));
    // Text that is no date in the picture's order is read in the locale's, and keeps what the
    // picture hides as well.
    rkcc2_setdateformat(L"dd.MM.");
    EXPECT_EQ(editDate(D(2019, 5, 1), L"5.13."), D(2019, 5, 13));
    EXPECT_EQ(TextOf(InnerEdit(date)), L"13.05.");
    rkcc2_setdateformat(L"dd.MM.yy");
    EXPECT_EQ(editDate(D(2045, 3, 1), L"3.13.45"), D(2045, 3, 13));
    UseLocale(kGerman);
    rkcc2_setdateformat(L"MM/yyyy");
    EXPECT_EQ(editDate(D(2026, 1, 15), L"13.3.2026"), D(2026, 3, 13)); // a typed day is the typed one
    UseLocale(kEnglishUS);

    // Touching fields: separators split them, fixed widths cut only a run of digits.
    rkcc2_setdateformat(L"yyMMdd");
    EXPECT_EQ(editDate(TDate::kEmpty, L"999/3/7"), D(1999, 3, 7));
    EXPECT_EQ(editDate(TDate::kEmpty, L"7504/6/9"), D(7504, 6, 9));
    EXPECT_EQ(editDate(TDate::kEmpty, L"2024/3/7"), D(2024, 3, 7));
    EXPECT_EQ(editDate(TDate::kEmpty, L"240307"), D(2024, 3, 7));
    EXPECT_EQ(editDate(TDate::kEmpty, L"2403/7"), D(2024, 3, 7));
    EXPECT_EQ(editDate(TDate::kEmpty, L"2024/0307"), D(2024, 3, 7));
    EXPECT_EQ(editDate(TDate::kEmpty, L"999/0307"), D(1999, 3, 7));
    EXPECT_EQ(editDate(TDate::kEmpty, L"240307 5"), D(2024, 3, 7)); // runs past the picture's fields are left
    rkcc2_setdateformat(L"MMyydd");
    EXPECT_NE(editDate(TDate::kEmpty, L"02.2024.31"), D(2020, 2, 24));

    HWND time = host.CreateControl(RKCC2_CLASS_TIMEEDIT, 0, 64, {0, 100, 200, 124});
    const auto editTime = [&](int held, const wchar_t* text) { return EditTime(time, held, text); };
    rkcc2_settimeformat(L"h:mm");
    for (unsigned long locale : {kGerman, kEnglishUS}) {
        UseLocale(locale);
        EXPECT_EQ(editTime(13 * 60 + 5, L"1:10"), 13 * 60 + 10) << locale;
        EXPECT_EQ(editTime(0 * 60 + 5, L"12:10"), 10) << locale;
        EXPECT_EQ(editTime(13 * 60 + 5, L"2:10"), 2 * 60 + 10) << locale; // a changed hour reads as typed
        EXPECT_EQ(editTime(1 * 60 + 5, L"13:05"), 13 * 60 + 5) << locale;
    }
    rkcc2_settimeformat(L"HH 'h'");
    EXPECT_EQ(editTime(9 * 60 + 45, L"10 h"), 10 * 60 + 45);
    rkcc2_settimeformat(L"mm 'past' H");
    EXPECT_EQ(editTime(-1, L"30 past 12"), 12 * 60 + 30);
    HWND emptiedTime = host.CreateControl(RKCC2_CLASS_TIMEEDIT, RKCC2S_ALLOWEMPTY, 66, {0, 160, 200, 184});
    rkcc2_settimeformat(L"h:mm");
    EXPECT_EQ(EditTime(emptiedTime, 13 * 60 + 5, L""), -1);
    EXPECT_EQ(Edit(emptiedTime, L"1:10", RKCC2M_TIMEEDIT_GETTIME), 1 * 60 + 10);
}

// A part the typed text carries is the typed one, whether or not the picture shows it; only what
// the picture hides and the text leaves out stays the held value's. The text's numbers fill the
// picture's fields in the picture's order (seconds are read and dropped), then what it hides.
TEST_F(PeriodTest, Pictures_whatTheUserTypedIsStored)
{
    HWND time = host.CreateControl(RKCC2_CLASS_TIMEEDIT, 0, 64, {0, 100, 200, 124});
    const auto editTime = [&](int held, const wchar_t* text) { return EditTime(time, held, text); };
    // Pictures without the minutes.
    for (const wchar_t* picture : {L"HH", L"h tt"}) {
        rkcc2_settimeformat(picture);
        for (unsigned long locale : {kEnglishUS, kGerman}) {
            UseLocale(locale);
            EXPECT_EQ(editTime(7, L"14:30"), 14 * 60 + 30) << picture << locale;
            EXPECT_EQ(editTime(7, L"930"), 9 * 60 + 30) << picture << locale;
            EXPECT_EQ(editTime(7, L"9.5"), 9 * 60 + 5) << picture << locale;
            EXPECT_EQ(editTime(7, L"9"), 9 * 60 + 7) << picture << locale;
        }
        UseLocale(kEnglishUS);
        EXPECT_EQ(editTime(7, L"2:30 PM"), 14 * 60 + 30) << picture;
    }
    rkcc2_settimeformat(L"h");
    EXPECT_EQ(editTime(13 * 60 + 5, L"1:30"), 13 * 60 + 30); // the hour as shown keeps its half of the day
    // Pictures of the minutes first, or alone: one number is the minutes.
    rkcc2_settimeformat(L"mm");
    EXPECT_EQ(editTime(13 * 60 + 5, L"10"), 13 * 60 + 10);
    rkcc2_settimeformat(L"mm 'past' H");
    EXPECT_EQ(editTime(13 * 60 + 5, L"45"), 13 * 60 + 45);
    EXPECT_EQ(editTime(13 * 60 + 5, L"45 past 9"), 9 * 60 + 45);
    // Seconds take their place in the picture's order.
    const struct {
        const wchar_t* picture;
        const wchar_t* text;
    } withSeconds[] = {{L"mm:ss 'past' H", L"30:15 past 12"},
                       {L"m:ss H", L"30:15 12"},
                       {L"mm 'min' ss 's' H 'h'", L"30 min 15 s 12 h"},
                       {L"H:mm:ss", L"12:30:15"}};
    for (const auto& c : withSeconds) {
        rkcc2_settimeformat(c.picture);
        EXPECT_EQ(editTime(9 * 60, c.text), 12 * 60 + 30) << c.picture;
    }

    // A year typed after a picture without one.
    HWND date = host.CreateControl(RKCC2_CLASS_DATEEDIT, 0, 63, {0, 70, 200, 94});
    for (unsigned heldYear : {2019u, 0u}) {
        const int held = heldYear ? D(heldYear, 6, 10) : static_cast<int>(TDate::kEmpty);
        rkcc2_setdateformat(L"ddMM");
        EXPECT_EQ(EditDate(date, held, L"0503 2024"), D(2024, 3, 5)) << heldYear;
        EXPECT_EQ(EditDate(date, held, L"0503"), D(heldYear ? heldYear : 2026, 3, 5)) << heldYear;
        rkcc2_setdateformat(L"MMdd");
        EXPECT_EQ(EditDate(date, held, L"0305 2024"), D(2024, 3, 5)) << heldYear;
    }
}

TEST_F(PeriodTest, TimePeriod_messageResults)
{
    HWND period = TimePeriod();
    EXPECT_EQ(Set(period, RKCC2M_TIMEPERIOD_SETTIME, 0, -1), -1);
    EXPECT_EQ(Set(period, RKCC2M_TIMEPERIOD_SETTIME, 0, 30), 0);
    EXPECT_EQ(Set(period, RKCC2M_TIMEPERIOD_SETSTEP, 1, -30), 1);
    EXPECT_EQ(Get(period, RKCC2M_TIMEPERIOD_GETSTEP, 1), 1410);
    EXPECT_EQ(Get(period, RKCC2M_TIMEPERIOD_GETSTEP, 0), 15);
    EXPECT_EQ(Get(period, RKCC2M_TIMEPERIOD_GETMAX, 0), -1);
    EXPECT_EQ(SendMessageW(period, RKCC2M_TIMEPERIOD_SETHORIZONTAL, 0, 1), 0);
    EXPECT_EQ(SendMessageW(period, RKCC2M_TIMEPERIOD_SETHORIZONTAL, 0, 1), 1);
    HWND dates = host.CreateControl(RKCC2_CLASS_DATEPERIOD, 0, 62, {0, 100, 300, 160});
    EXPECT_EQ(SendMessageW(dates, RKCC2M_DATEPERIOD_SETHORIZONTAL, 0, 1), 1);
    EXPECT_EQ(SendMessageW(dates, RKCC2M_DATEPERIOD_SETHORIZONTAL, 0, 1), 1);
    EXPECT_EQ(SendMessageW(period, RKCC2M_TIMEPERIOD_GETTIME, 0, 0), -1);
}

TEST_F(PeriodTest, SetLabel_refusesABadSideOrRecord)
{
    HWND period = DatePeriod();
    RKCC2PeriodLabel label{L"from", 0, 0};
    int side = 2;
    EXPECT_EQ(SendMessageW(period, RKCC2M_DATEPERIOD_SETLABEL, reinterpret_cast<WPARAM>(&side),
                           reinterpret_cast<LPARAM>(&label)),
              -1);
    side = 0;
    EXPECT_EQ(SendMessageW(period, RKCC2M_DATEPERIOD_SETLABEL, reinterpret_cast<WPARAM>(&side), 0), -1);
    EXPECT_EQ(SendMessageW(period, RKCC2M_DATEPERIOD_SETLABEL, 0, reinterpret_cast<LPARAM>(&label)), -1);
    EXPECT_EQ(ChildRect(period, 100).left, 0); // nothing changed
    EXPECT_EQ(SendMessageW(period, RKCC2M_DATEPERIOD_SETLABEL, reinterpret_cast<WPARAM>(&side),
                           reinterpret_cast<LPARAM>(&label)),
              1);
    EXPECT_GT(ChildRect(period, 100).left, 0);
}

TEST_F(PeriodTest, StackedCaptions_alignBothEditsAtTheWiderCaption)
{
    HWND period = TimePeriod();
    RKCC2PeriodLabel from{L"from", 0, 0};
    RKCC2PeriodLabel until{L"until the very end", 2, 4};
    int side = 0;
    SendMessageW(period, RKCC2M_TIMEPERIOD_SETLABEL, reinterpret_cast<WPARAM>(&side), reinterpret_cast<LPARAM>(&from));
    side = 1;
    SendMessageW(period, RKCC2M_TIMEPERIOD_SETLABEL, reinterpret_cast<WPARAM>(&side), reinterpret_cast<LPARAM>(&until));
    const RECT start = ChildRect(period, 100);
    const RECT end = ChildRect(period, 101);
    EXPECT_EQ(start.left, end.left);
    HFONT font = rkcc::FontOf(host.Hwnd());
    HDC dc = GetDC(period);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE text{};
    GetTextExtentPoint32W(dc, L"until the very end", 18, &text);
    SelectObject(dc, old);
    ReleaseDC(period, dc);
    const SIZE units = rkcc::DialogBaseUnits(font);
    EXPECT_EQ(start.left, text.cx + units.cx);
    EXPECT_EQ(start.top, 0);
    EXPECT_EQ(end.bottom, 60);
    EXPECT_EQ(start.bottom - start.top, units.cy * 12 / 8);
}

TEST_F(PeriodTest, OneRow_withEmptyCaptionsKeepsTwoBaseUnitsBetweenTheEdits)
{
    HWND period = DatePeriod();
    SendMessageW(period, RKCC2M_DATEPERIOD_SETHORIZONTAL, 0, 1);
    const RECT start = ChildRect(period, 100);
    const RECT end = ChildRect(period, 101);
    const SIZE units = rkcc::DialogBaseUnits(rkcc::FontOf(host.Hwnd()));
    EXPECT_EQ(start.left, 0);
    EXPECT_EQ(end.left - start.right, 2 * units.cx);
    EXPECT_EQ(end.right, 300);
    EXPECT_EQ(start.top, (60 - units.cy * 12 / 8) / 2);
}

TEST_F(PeriodTest, OneRow_captionsWiderThanTheControlLeaveNoNegativeWidths)
{
    const SIZE units{6, 13};
    for (int width : {300, 100, 40, 0}) {
        for (int caption : {0, 80, 500}) {
            const rkcc::PeriodLayout l = rkcc::ComputePeriodLayout(width, 30, units, caption, caption, true);
            for (const RECT& r : {l.start, l.end, l.captions[0], l.captions[1]}) {
                EXPECT_LE(r.left, r.right) << width << " " << caption;
                EXPECT_GE(r.left, 0);
                EXPECT_LE(r.right, width) << width << " " << caption;
            }
            EXPECT_LE(l.start.right, l.end.left);
        }
    }
}

TEST_F(PeriodTest, Tab_movesFromStartToEndThenToTheNextControl)
{
    CTestDialog dialog(nullptr, {{L"EDIT", 10, WS_TABSTOP, 0, 0, 50, 12},
                                 {RKCC2_CLASS_TIMEPERIOD, 11, WS_TABSTOP, 0, 20, 120, 40},
                                 {L"EDIT", 12, WS_TABSTOP, 0, 70, 50, 12}});
    HWND period = dialog.Item(11);
    ASSERT_TRUE(period);
    HWND start = InnerEdit(period, 100);
    HWND end = InnerEdit(period, 101);
    EXPECT_NE(SendMessageW(start, WM_GETDLGCODE, VK_TAB, 0) & DLGC_WANTTAB, 0);
    SetFocus(period);
    EXPECT_EQ(GetFocus(), start);
    SendMessageW(start, WM_CHAR, L'\t', 1);
    EXPECT_EQ(GetFocus(), end);
    SendMessageW(end, WM_CHAR, L'\t', 1);
    EXPECT_EQ(GetFocus(), dialog.Item(12));
}

TEST_F(PeriodTest, Escape_onAPageClosesTheHostDialog)
{
    CTestDialog hostDialog(nullptr, {});
    CTestDialog page(hostDialog.Hwnd(), {{RKCC2_CLASS_LONGEDIT, 20, WS_TABSTOP, 0, 0, 60, 12}},
                     WS_CHILD | DS_CONTROL | DS_SETFONT);
    HWND inner = InnerEdit(page.Item(20));
    ASSERT_TRUE(inner);
    Key(inner, VK_ESCAPE);
    EXPECT_EQ(hostDialog.Count(0, IDCANCEL), 1);
    EXPECT_EQ(page.Count(0, IDCANCEL), 0);
}

} // namespace
