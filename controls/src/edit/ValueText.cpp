// Type rules of the typed edits.
#include "edit/ValueText.h"

#include "ClassicText.h"
#include "DateTimeEnv.h"
#include "PictureParse.h"

#include <windows.h>

#include <charconv>
#include <cmath>
#include <climits>

namespace rkcc::valuetext {

namespace {

wchar_t FirstLocaleChar(LCTYPE type, wchar_t fallback)
{
    wchar_t buffer[8] = {};
    if (GetLocaleInfoW(datetime::CurrentLocale(), type, buffer, 8) > 1 && buffer[0])
        return buffer[0];
    return fallback;
}

} // namespace

bool IsControlChar(wchar_t c)
{
    return c < 0x20 || c == 0x7F;
}

wchar_t DateSeparator()
{
    return FirstLocaleChar(LOCALE_SDATE, L'0');
}

bool IsDateChar(wchar_t c, wchar_t separator)
{
    return (c >= L'0' && c <= L'9') || c == L'-' || c == L'.' || c == L'/' || c == separator || IsControlChar(c);
}

TDate ReadDate(const std::wstring& text, const std::wstring& picture, const TDate* held)
{
    return datetime::ParseDate(text, picture, held);
}

std::wstring WriteDate(TDate date, const std::wstring& picture)
{
    if (date.IsEmpty())
        return {};
    wchar_t buffer[256] = {};
    if (picture.empty())
        date.Format(buffer, 256, DATE_SHORTDATE, nullptr);
    else
        date.Format(buffer, 256, 0, picture.c_str());
    return buffer;
}

TDate StepDate(TDate date, bool up)
{
    if (!date.IsReal())
        date = TDate();
    if (up)
        ++date;
    else
        --date;
    return date;
}

TTime ReadTime(const std::wstring& text, const std::wstring& picture, const TTime* held)
{
    return datetime::ParseTime(text, picture, held);
}

std::wstring WriteTime(const TTime& time, const std::wstring& picture)
{
    wchar_t buffer[200] = {};
    if (picture.empty())
        time.Format(TIME_NOSECONDS, buffer, nullptr, 200);
    else
        time.Format(0, buffer, picture.c_str(), 200);
    return buffer;
}

int NormaliseMinutes(long long minutes)
{
    const long long r = minutes % 1440;
    return static_cast<int>(r < 0 ? r + 1440 : r);
}

TTime StepTime(const TTime& time, int stepMinutes, bool up)
{
    TTime result(time);
    result.SetMinutes(NormaliseMinutes(static_cast<long long>(time.minutes) + (up ? stepMinutes : -stepMinutes)));
    return result;
}

bool IsLongChar(wchar_t c)
{
    return (c >= L'0' && c <= L'9') || IsControlChar(c);
}

long ReadLong(const std::wstring& text)
{
    return ctext::ParseInt(text);
}

std::wstring WriteLong(long value)
{
    return std::to_wstring(value);
}

long StepLong(long value, long step, bool up)
{
    const long long v = static_cast<long long>(value) + (up ? step : -static_cast<long long>(step));
    if (v > LONG_MAX)
        return LONG_MAX;
    if (v < LONG_MIN)
        return LONG_MIN;
    return static_cast<long>(v);
}

wchar_t DecimalSeparator()
{
    return FirstLocaleChar(LOCALE_SDECIMAL, L'.');
}

bool IsDoubleChar(wchar_t c, wchar_t separator)
{
    return (c >= L'0' && c <= L'9') || c == L',' || c == L'-' || c == L'.' || c == separator || IsControlChar(c);
}

double ReadDouble(const std::wstring& text, wchar_t separator)
{
    std::wstring s = text;
    if (separator == L'.' || separator == L',') {
        const wchar_t other = separator == L'.' ? L',' : L'.';
        const size_t at = s.find(other);
        if (at != std::wstring::npos)
            s[at] = separator;
    }
    // Read as the locale reads: the separator is the decimal point, and any other character
    // (a second '.' or ',' included) ends the number.
    for (wchar_t& c : s) {
        if (c == separator)
            c = L'.';
        else if (c == L'.' || c == L',')
            c = L'#';
    }
    // "inf", "nan" and overflowing exponents are no number this edit can hold.
    const double value = ctext::ParseDouble(s);
    return std::isfinite(value) ? value : 0.0;
}

std::wstring WriteDouble(double value, wchar_t separator)
{
    char buffer[64] = {};
    const auto r = std::to_chars(buffer, buffer + sizeof(buffer) - 1, value, std::chars_format::general, 10);
    std::wstring text(buffer, r.ptr);
    for (wchar_t& c : text) {
        if (c == L'.')
            c = separator;
    }
    return text;
}

} // namespace rkcc::valuetext
