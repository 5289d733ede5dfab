#pragma once
// TDate: a day as a Julian day number; the one date value type of every deliverable.

#include <cstdint>

class TDate {
public:
    static constexpr uint32_t kInvalid = 0;
    static constexpr uint32_t kEmpty = 1;
    // 1 January 1 and 31 December 9999: the days that have year, month and day parts.
    static constexpr uint32_t kFirstDay = 1721426;
    static constexpr uint32_t kLastDay = 5373484;

    TDate();  // today's local date
    TDate(uint32_t julian) : m_julian(julian) {}
    operator uint32_t() const { return m_julian; }

    TDate& operator+=(int n) { Step(n); return *this; }
    TDate& operator-=(int n) { Step(-static_cast<long long>(n)); return *this; }
    TDate& operator++() { return *this += 1; }
    TDate& operator--() { return *this -= 1; }

    // Day number of a calendar date; 0 for an impossible one. A year below 100 gets 1900 added.
    static uint32_t FromYMD(unsigned month, unsigned year, unsigned day);
    // Parts of this date; all 0 for the invalid and the empty date.
    void ToYMD(unsigned& year, unsigned& month, unsigned& day) const;
    static int DaysInMonth(unsigned year, unsigned month);
    static TDate LastDayOfMonth(unsigned year, unsigned month);

    int GetDaysInMonth() const;
    unsigned GetDay() const;
    unsigned GetMonth() const;
    unsigned GetYear() const;
    bool IsEmpty() const { return m_julian == kEmpty; }
    bool IsReal() const { return m_julian > kEmpty; }
    int GetWeekday() const { return static_cast<int>(m_julian % 7); } // 0 Monday .. 6 Sunday

    void Today();
    void SetLastDayOfMonth();
    // Month and year steps clamp the day to the new month's length; each returns the new day number.
    uint32_t AddMonths(int n);
    uint32_t SubMonths(int n);
    uint32_t AddYears(int n);
    uint32_t SubYears(int n);
    int GetWeekOfYear() const; // ISO 8601

    // Locale text (flags as GetDateFormatW: 1 short, 2 long date; or a picture with flags 0).
    // The file picture "yyyyMMdd" always gives eight plain digits. A picture longer than a
    // locale's own (80 characters) is not used: the locale's short date stands in.
    wchar_t* Format(wchar_t* buffer, int size, unsigned long flags, const wchar_t* picture) const;
    // Whether Format and the picture reader use the picture (null: none to use); one that they
    // pass over should stand for no picture wherever a caller has a default of its own.
    static bool IsUsablePicture(const wchar_t* picture);
    // Typed input in the locale's order; empty text gives the empty date, nonsense the invalid one.
    static TDate Parse(const wchar_t* text);
    // Parts as typed: a year below 100 is 1941..2040, one from 100 to 1000 gets 1000 added; an
    // impossible date gives the invalid one.
    static TDate FromTypedParts(uint64_t year, uint32_t month, uint32_t day);

private:
    void Step(long long n);
    uint32_t SetYMD(uint64_t year, unsigned month, unsigned day); // day clamped to the month

    uint32_t m_julian;
};
