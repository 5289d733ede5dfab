// Day-number arithmetic (Gregorian throughout) and the locale texts of TDate.
#include "TDate.h"

#include "DateTimeEnv.h"
#include "LocaleText.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr unsigned kMaxYear = 9999;

bool IsLeap(uint64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Reads leading decimal digits (after blanks and a '+'); non-digits give 0. Sets overflow
// when the digits do not fit in 32 bits.
uint32_t ReadNumber(std::wstring_view s, bool& overflow)
{
    size_t i = 0;
    while (i < s.size() && (s[i] == L' ' || s[i] == L'\t'))
        ++i;
    if (i < s.size() && s[i] == L'+')
        ++i;
    uint64_t value = 0;
    for (; i < s.size() && s[i] >= L'0' && s[i] <= L'9'; ++i) {
        value = value * 10 + static_cast<unsigned>(s[i] - L'0');
        if (value > 0xFFFFFFFFull) {
            overflow = true;
            return 0;
        }
    }
    return static_cast<uint32_t>(value);
}

bool IsFixedDatePicture(unsigned long flags, const wchar_t* picture)
{
    return flags == 0 && picture && std::wcscmp(picture, L"yyyyMMdd") == 0;
}

void CopyText(wchar_t* buffer, int size, const wchar_t* text)
{
    const size_t n = std::min(std::wcslen(text), static_cast<size_t>(size - 1));
    std::wmemcpy(buffer, text, n);
    buffer[n] = L'\0';
}

} // namespace

TDate::TDate() { Today(); }

// The sentinels stay what they are; a step past the number range gives the invalid date.
void TDate::Step(long long n)
{
    if (IsReal()) {
        const long long v = static_cast<long long>(m_julian) + n;
        m_julian = (v <= kEmpty || v > 0xFFFFFFFFll) ? kInvalid : static_cast<uint32_t>(v);
    }
}

uint32_t TDate::FromYMD(unsigned month, unsigned year, unsigned day)
{
    if (year < 100)
        year += 1900;
    if (day == 0 || month < 1 || month > 12 || year > kMaxYear)
        return kInvalid;
    if (day > static_cast<unsigned>(DaysInMonth(year, month)))
        return kInvalid;
    const unsigned y = month < 3 ? year - 1 : year;
    return y / 100 * 146097 / 4 + day + ((month < 3 ? 1836 : 0) + 153 * month - 457) / 5
        + (y % 100) * 1461 / 4 + 1721119;
}

void TDate::ToYMD(unsigned& year, unsigned& month, unsigned& day) const
{
    if (m_julian < kFirstDay) {
        year = month = day = 0;
        return;
    }
    // March-based year: the leap day is the last day of the year.
    uint64_t j = m_julian - 1721119ull;
    uint64_t y = (4 * j - 1) / 146097;
    j = 4 * j - 1 - 146097 * y;
    uint64_t d = j / 4;
    j = (4 * d + 3) / 1461;
    d = 4 * d + 3 - 1461 * j;
    d = (d + 4) / 4;
    uint64_t m = (5 * d - 3) / 153;
    d = 5 * d - 3 - 153 * m;
    d = (d + 5) / 5;
    y = 100 * y + j;
    if (m < 10) {
        m += 3;
    } else {
        m -= 9;
        ++y;
    }
    year = static_cast<unsigned>(y);
    month = static_cast<unsigned>(m);
    day = static_cast<unsigned>(d);
}

int TDate::DaysInMonth(unsigned year, unsigned month)
{
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeap(year) ? 29 : kLengths[month - 1];
}

TDate TDate::LastDayOfMonth(unsigned year, unsigned month)
{
    const int days = DaysInMonth(year, month);
    return TDate(days ? FromYMD(month, year, static_cast<unsigned>(days)) : kInvalid);
}

int TDate::GetDaysInMonth() const
{
    unsigned y, m, d;
    ToYMD(y, m, d);
    return DaysInMonth(y, m);
}

unsigned TDate::GetDay() const
{
    unsigned y, m, d;
    ToYMD(y, m, d);
    return d;
}

unsigned TDate::GetMonth() const
{
    unsigned y, m, d;
    ToYMD(y, m, d);
    return m;
}

unsigned TDate::GetYear() const
{
    unsigned y, m, d;
    ToYMD(y, m, d);
    return y;
}

void TDate::Today()
{
    const datetime::LocalClock now = datetime::Now();
    m_julian = FromYMD(static_cast<unsigned>(now.month), static_cast<unsigned>(now.year),
                       static_cast<unsigned>(now.day));
}

void TDate::SetLastDayOfMonth()
{
    unsigned y, m, d;
    ToYMD(y, m, d);
    if (d != 0)
        m_julian = LastDayOfMonth(y, m);
}

uint32_t TDate::SetYMD(uint64_t year, unsigned month, unsigned day)
{
    if (year < 1 || year > kMaxYear) {
        m_julian = kInvalid;
        return m_julian;
    }
    const unsigned y = static_cast<unsigned>(year);
    day = std::min(day, static_cast<unsigned>(DaysInMonth(y, month)));
    // FromYMD would read years below 100 as 19xx; those days lie before kFirstDay's century.
    m_julian = y < 100 ? kInvalid : FromYMD(month, y, day);
    return m_julian;
}

uint32_t TDate::AddMonths(int n)
{
    if (n == 0 || m_julian < kFirstDay)
        return m_julian;
    if (n < 0)
        return n == INT32_MIN ? (m_julian = kInvalid) : SubMonths(-n);
    unsigned y, m, d;
    ToYMD(y, m, d);
    long long month = static_cast<long long>(m) + n;
    long long year = y;
    if (month > 12) {
        year += (month - 13) / 12 + 1;
        month = (month - 13) % 12 + 1;
    }
    return SetYMD(static_cast<uint64_t>(year), static_cast<unsigned>(month), d);
}

uint32_t TDate::SubMonths(int n)
{
    if (n == 0 || m_julian < kFirstDay)
        return m_julian;
    if (n < 0)
        return n == INT32_MIN ? (m_julian = kInvalid) : AddMonths(-n);
    unsigned y, m, d;
    ToYMD(y, m, d);
    long long month = static_cast<long long>(m) - n;
    long long year = y;
    if (month <= 0) {
        year += month / 12 - 1;
        month = month % 12 + 12;
    }
    if (year < 1)
        return m_julian = kInvalid;
    return SetYMD(static_cast<uint64_t>(year), static_cast<unsigned>(month), d);
}

uint32_t TDate::AddYears(int n)
{
    if (m_julian < kFirstDay)
        return m_julian;
    unsigned y, m, d;
    ToYMD(y, m, d);
    const long long year = static_cast<long long>(y) + n;
    if (year < 1)
        return m_julian = kInvalid;
    return SetYMD(static_cast<uint64_t>(year), m, d);
}

uint32_t TDate::SubYears(int n)
{
    return AddYears(n == INT32_MIN ? INT32_MAX : -n);
}

int TDate::GetWeekOfYear() const
{
    if (m_julian < kFirstDay)
        return 0;
    const uint32_t j = m_julian;
    const uint32_t d4 = ((j - j % 7 + 31741) % 146097 % 36524) % 1461;
    const uint32_t l = d4 / 1460;
    const uint32_t d1 = (d4 - l) % 365 + l;
    return static_cast<int>(d1 / 7 + 1);
}

bool TDate::IsUsablePicture(const wchar_t* picture)
{
    return picture && !datetime::IsOverlongPicture(picture);
}

wchar_t* TDate::Format(wchar_t* buffer, int size, unsigned long flags, const wchar_t* picture) const
{
    if (!buffer || size <= 0)
        return buffer;
    buffer[0] = L'\0';
    if (m_julian == kEmpty)
        return buffer;
    unsigned y, m, d;
    ToYMD(y, m, d);
    if (d == 0) {
        CopyText(buffer, size, L"invalid");
        return buffer;
    }
    if (datetime::IsOverlongPicture(picture)) {
        picture = nullptr;
        flags |= DATE_SHORTDATE;
    }
    if (IsFixedDatePicture(flags, picture)) {
        // Files carry plain digits whatever the user's calendar or digit settings are.
        wchar_t digits[9];
        std::swprintf(digits, 9, L"%04u%02u%02u", y, m, d);
        CopyText(buffer, size, digits);
        return buffer;
    }
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(y);
    st.wMonth = static_cast<WORD>(m);
    st.wDay = static_cast<WORD>(d);
    st.wDayOfWeek = static_cast<WORD>((GetWeekday() + 1) % 7); // Sunday 0
    if (GetDateFormatW(datetime::CurrentLocale(), flags, &st, picture, buffer, size) == 0)
        buffer[0] = L'\0';
    return buffer;
}

// The year rules of typed input: two digits are 19xx or 20xx, three digits lie after 1000.
TDate TDate::FromTypedParts(uint64_t year, uint32_t month, uint32_t day)
{
    if (year < 100)
        year += year <= 40 ? 2000 : 1900;
    else if (year <= 1000)
        year += 1000;
    if (year > kMaxYear)
        return TDate(TDate::kInvalid);
    return TDate(TDate::FromYMD(month, static_cast<unsigned>(year), day));
}

TDate TDate::Parse(const wchar_t* text)
{
    if (!text || !*text)
        return TDate(kEmpty);
    const std::wstring_view input(text);
    // Eight plain digits (the project files' form) read the same in every locale; project files
    // hold hundreds of thousands of them, so the locale is not asked for these.
    if (input.size() == 8 && std::all_of(input.begin(), input.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
        const auto digits = [&input](size_t at, size_t count) {
            uint32_t value = 0;
            for (size_t i = at; i < at + count; ++i)
                value = value * 10 + static_cast<uint32_t>(input[i] - L'0');
            return value;
        };
        return FromTypedParts(digits(0, 4), digits(4, 2), digits(6, 2));
    }

    std::wstring separators = L"/.-\n";
    const std::wstring localeSep = datetime::LocaleInfo(LOCALE_SDATE);
    if (!localeSep.empty() && localeSep.find_first_of(separators) == std::wstring::npos)
        separators += localeSep[0];

    std::vector<std::wstring_view> pieces;
    size_t start = 0;
    while (start <= input.size() && pieces.size() < 3) {
        size_t end = input.find_first_of(separators, start);
        if (end == std::wstring_view::npos)
            end = input.size();
        if (end > start)
            pieces.push_back(input.substr(start, end - start));
        start = end + 1;
    }

    const datetime::LocalClock now = datetime::Now();
    uint64_t year = static_cast<unsigned>(now.year);
    uint32_t month = static_cast<unsigned>(now.month);
    uint32_t day = static_cast<unsigned>(now.day);
    bool overflow = false;
    const std::wstring order = datetime::LocaleInfo(LOCALE_IDATE);

    if (pieces.size() == 1) {
        if (input.size() == 8) {
            year = ReadNumber(input.substr(0, 4), overflow);
            month = ReadNumber(input.substr(4, 2), overflow);
            day = ReadNumber(input.substr(6, 2), overflow);
        } else {
            day = ReadNumber(pieces[0], overflow);
        }
    } else if (pieces.size() == 2) {
        const uint32_t a = ReadNumber(pieces[0], overflow);
        const uint32_t b = ReadNumber(pieces[1], overflow);
        if (order == L"1") {
            day = a;
            month = b;
        } else {
            month = a;
            day = b;
        }
    } else if (pieces.size() == 3) {
        const uint32_t a = ReadNumber(pieces[0], overflow);
        const uint32_t b = ReadNumber(pieces[1], overflow);
        const uint32_t c = ReadNumber(pieces[2], overflow);
        if (order == L"1") {
            day = a, month = b, year = c;
        } else if (order == L"2") {
            year = a, month = b, day = c;
        } else {
            month = a, day = b, year = c;
        }
    }
    if (overflow)
        return TDate(kInvalid);
    return FromTypedParts(year, month, day);
}
