// Times of day: normalising, locale texts, typed and file input.
#include "TTime.h"

#include "DateTimeEnv.h"
#include "LocaleText.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>

namespace {

constexpr int kDay = 1440;
constexpr size_t kMaxTypedLength = 50;

int Normalise(long long minutes)
{
    const long long r = minutes % kDay;
    return static_cast<int>(r < 0 ? r + kDay : r);
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Value of up to `count` leading digits of s (stops at the first non-digit).
int Digits(std::wstring_view s, size_t count)
{
    int v = 0;
    for (size_t i = 0; i < s.size() && i < count && IsDigit(s[i]); ++i)
        v = v * 10 + (s[i] - L'0');
    return v;
}

bool IsFixedTimePicture(unsigned long flags, const wchar_t* picture)
{
    return flags == 0 && picture && std::wcscmp(picture, L"HH':'mm") == 0;
}

void CopyText(wchar_t* buffer, int size, const wchar_t* text)
{
    const size_t n = std::min(std::wcslen(text), static_cast<size_t>(size - 1));
    std::wmemcpy(buffer, text, n);
    buffer[n] = L'\0';
}

} // namespace

TTime::TTime()
{
    const datetime::LocalClock now = datetime::Now();
    minutes = now.hour * 60 + now.minute;
}

TTime::TTime(int m) { SetMinutes(m); }

void TTime::SetMinutes(int m)
{
    minutes = Normalise(m);
    empty = false;
}

wchar_t* TTime::Format(unsigned long flags, wchar_t* buffer, const wchar_t* picture, int size) const
{
    if (!buffer || size <= 0)
        return buffer;
    buffer[0] = L'\0';
    if (empty)
        return buffer;
    if (datetime::IsOverlongPicture(picture)) {
        picture = nullptr;
        flags |= TIME_NOSECONDS;
    }
    int m = (minutes >= 0 && minutes <= kDay) ? minutes : Normalise(minutes);
    if (m == kDay && (!picture || (flags & TIME_FORCE24HOURFORMAT))) {
        if ((flags & TIME_FORCE24HOURFORMAT) || !datetime::UsesTwelveHourClock()) {
            CopyText(buffer, size, L"24:00");
            return buffer;
        }
        m = 0;
    }
    if (IsFixedTimePicture(flags, picture)) {
        wchar_t digits[8];
        std::swprintf(digits, 8, L"%02d:%02d", m / 60, m % 60);
        CopyText(buffer, size, digits);
        return buffer;
    }
    if (m == kDay)
        m = 0; // the locale call refuses hour 24; any other picture shows midnight
    SYSTEMTIME st{};
    st.wYear = 2000;
    st.wMonth = 1;
    st.wDay = 1;
    st.wHour = static_cast<WORD>(m / 60);
    st.wMinute = static_cast<WORD>(m % 60);
    if (GetTimeFormatW(datetime::CurrentLocale(), flags, &st, picture, buffer, size) == 0)
        buffer[0] = L'\0';
    return buffer;
}

TTime TTime::Parse(const wchar_t* text)
{
    return Parse(text, datetime::UsesTwelveHourClock());
}

TTime TTime::Parse(const wchar_t* text, bool designators)
{
    TTime t(0);
    if (!text || !*text) {
        t.empty = true;
        return t;
    }
    std::wstring_view s(text);
    s = s.substr(0, kMaxTypedLength);

    const size_t first = std::find_if(s.begin(), s.end(), IsDigit) - s.begin();
    if (first == s.size())
        return t;
    size_t runEnd = first;
    while (runEnd < s.size() && IsDigit(s[runEnd]))
        ++runEnd;
    const size_t run = runEnd - first;
    int hours = 0;
    int mins = 0;
    if (run == 3) {
        hours = Digits(s.substr(first), 1);
        mins = Digits(s.substr(first + 1), 2);
    } else if (run >= 4) {
        hours = Digits(s.substr(first), 2);
        mins = Digits(s.substr(first + 2), 2);
    } else {
        hours = Digits(s.substr(first), 2);
        const size_t next = std::find_if(s.begin() + runEnd, s.end(), IsDigit) - s.begin();
        if (next < s.size())
            mins = Digits(s.substr(next), 2);
    }

    if (designators) {
        const std::wstring am = datetime::UpperText(datetime::LocaleInfo(LOCALE_S1159));
        const std::wstring pm = datetime::UpperText(datetime::LocaleInfo(LOCALE_S2359));
        const std::wstring upper = datetime::UpperText(std::wstring(s));
        // An empty designator would match every text; it is left out.
        bool isPm = !pm.empty() && upper.find(pm) != std::wstring::npos;
        bool isAm = !am.empty() && upper.find(am) != std::wstring::npos;
        if (!isPm && !isAm && !am.empty() && !pm.empty() && am[0] == L'A' && pm[0] == L'P') {
            isPm = upper.find(L'P') != std::wstring::npos;
            isAm = !isPm && upper.find(L'A') != std::wstring::npos;
        }
        if (isPm && hours <= 11)
            hours += 12;
        else if (isAm && !isPm && hours == 12)
            hours = 0;
    }
    t.SetMinutes(hours * 60 + mins);
    return t;
}

TTime TTime::ParseFixed(const wchar_t* text)
{
    TTime t(0);
    if (!text)
        return t;
    const std::wstring_view s(text);
    const size_t b = std::find_if(s.begin(), s.end(), [](wchar_t c) { return !IsDigit(c); }) - s.begin();
    int hours = 0;
    int mins = 0;
    if (b < s.size()) {
        hours = Digits(s, std::min<size_t>(b, 2));
        mins = Digits(s.substr(b + 1), 2);
    } else if (s.size() == 3) {
        hours = Digits(s, 1);
        mins = Digits(s.substr(1), 2);
    } else if (s.size() >= 4) {
        hours = Digits(s, 2);
        mins = Digits(s.substr(2), 2);
    } else {
        hours = Digits(s, 2);
    }
    t.SetMinutes(hours * 60 + mins);
    return t;
}
