#pragma once
// TTime: a time of day in minutes (0..1439; 1440 only when stored directly, the end of a day).

class TTime {
public:
    TTime();  // the current local time, not empty
    TTime(int minutes);
    TTime(const TTime&) = default;
    TTime& operator=(const TTime&) = default;
    virtual ~TTime() = default;

    void SetMinutes(int minutes); // modulo 1440; clears empty
    int GetHour() const { return minutes / 60; }
    int GetMinute() const { return minutes % 60; }

    // Locale text; flags as GetTimeFormatW (8 forces 24 hours). The file picture "HH':'mm"
    // always gives two-digit hours and minutes. 1440 shows as "24:00" with flag 8, and without
    // a picture unless the locale's clock has 12 hours (midnight then). A picture longer than a
    // locale's own (80 characters) is not used: the locale's time without seconds stands in.
    wchar_t* Format(unsigned long flags, wchar_t* buffer, const wchar_t* picture, int size) const;
    // Typed input: digit groups as hours and minutes, AM/PM in 12-hour locales.
    static TTime Parse(const wchar_t* text);
    // The same, with the AM/PM designators read or not whatever the locale's clock (a picture
    // with "t" shows them under a 24-hour locale too).
    static TTime Parse(const wchar_t* text, bool designators);
    // File input ("HH:mm", "HHmm", "Hmm"); no locale.
    static TTime ParseFixed(const wchar_t* text);

    int minutes = 0;
    bool empty = false;
};
