// Locale-independent number texts through std::to_chars/from_chars (never the C runtime locale).
#include "ClassicText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <iterator>
#include <string>

namespace ctext {
namespace {

std::wstring Widen(const char* first, const char* last) { return std::wstring(first, last); }

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

size_t SkipBlanks(std::wstring_view s)
{
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return i;
}

std::wstring NonFinite(double value)
{
    if (std::isnan(value))
        return L"nan";
    return value < 0 ? L"-inf" : L"inf";
}

} // namespace

std::wstring IntText(long long value)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return Widen(buf, r.ptr);
}

std::wstring_view IntDigits(int value, wchar_t (&buffer)[12])
{
    // From the end; the widening keeps INT_MIN's magnitude.
    size_t at = std::size(buffer);
    long long rest = value < 0 ? -static_cast<long long>(value) : value;
    do {
        buffer[--at] = static_cast<wchar_t>(L'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0)
        buffer[--at] = L'-';
    return {buffer + at, std::size(buffer) - at};
}

std::wstring DoubleText(double value)
{
    if (!std::isfinite(value))
        return NonFinite(value);
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
    return Widen(buf, r.ptr);
}

std::wstring DoubleRoundTrip(double value)
{
    if (!std::isfinite(value))
        return NonFinite(value);
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return Widen(buf, r.ptr);
}

std::wstring FixedText(double value, int decimals)
{
    if (!std::isfinite(value))
        return NonFinite(value);
    if (decimals < 0)
        decimals = 0;
    if (decimals > 30)
        decimals = 30;
    char buf[400]; // 1e308 in fixed form needs 309 digits plus the decimals
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc())
        return DoubleRoundTrip(value);
    return Widen(buf, r.ptr);
}

int ParseInt(std::wstring_view text)
{
    size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // keep reading, stay clamped
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

bool ParseIntExact(std::wstring_view text, int& out)
{
    size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    if (i == text.size())
        return false;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9')
            return false;
        value = value * 10 + (text[i] - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return false;
    out = static_cast<int>(value);
    return true;
}

double ParseDouble(std::wstring_view text)
{
    size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    // Narrow the plain ASCII part; from_chars stops at the first character it cannot use.
    std::string narrow;
    for (; i < text.size() && text[i] < 0x80 && text[i] > L' '; ++i)
        narrow.push_back(static_cast<char>(text[i]));
    if (narrow.empty() || narrow[0] == '+' || narrow[0] == '-')
        return 0.0;
    double value = 0.0;
    const auto r = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: a negative exponent underflowed, any other overflowed.
        const auto e = narrow.find_first_of("eE");
        const bool tiny = e != std::string::npos && e + 1 < narrow.size() && narrow[e + 1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
    } else if (r.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

} // namespace ctext
