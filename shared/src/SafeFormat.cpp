// Placeholder filling for resource-string and settings formats; anything it does not know is
// copied as it stands.
#include "SafeFormat.h"

#include "ClassicText.h"
#include "WideCopy.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace msgfmt {
namespace {

constexpr size_t kMaxWidth = 1024;    // a width beyond this is a hostile format, not a layout
constexpr size_t kMaxPrecision = 100; // enough digits for any double; more only pads

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

size_t ReadCount(std::wstring_view f, size_t& i, size_t limit)
{
    size_t v = 0;
    while (i < f.size() && IsDigit(f[i])) {
        v = v * 10 + static_cast<size_t>(f[i] - L'0');
        if (v > limit)
            v = limit;
        ++i;
    }
    return v;
}

// Switches, not a search of a literal: these run for every placeholder of every report cell.
bool IsConversion(wchar_t c)
{
    switch (c) {
    case L's': case L'S': case L'd': case L'i': case L'u': case L'x': case L'X':
    case L'f': case L'F': case L'e': case L'E': case L'g': case L'G':
        return true;
    default:
        return false;
    }
}

bool IsRealConversion(wchar_t c)
{
    switch (c) {
    case L'f': case L'F': case L'e': case L'E': case L'g': case L'G':
        return true;
    default:
        return false;
    }
}

// The text of one number, made without the heap: report runs format millions of them. Digits
// come from buffers of at most 512 characters; an integer's precision adds at most
// kMaxPrecision zeros and a flag one sign.
class NumberText {
public:
    void Assign(const char* first, const char* last)
    {
        m_size = 0;
        for (; first != last && m_size < 512; ++first)
            m_chars[m_size++] = static_cast<wchar_t>(*first);
    }
    void Assign(std::wstring_view text)
    {
        m_size = std::min<size_t>(text.size(), 512);
        std::copy_n(text.begin(), m_size, m_chars);
    }
    void Insert(size_t at, size_t count, wchar_t c)
    {
        count = std::min(count, sizeof m_chars / sizeof m_chars[0] - m_size);
        std::copy_backward(m_chars + at, m_chars + m_size, m_chars + m_size + count);
        std::fill_n(m_chars + at, count, c);
        m_size += count;
    }
    void Resize(size_t size) { m_size = std::min(size, m_size); }
    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    wchar_t operator[](size_t i) const { return m_chars[i]; }
    wchar_t* begin() { return m_chars; }
    wchar_t* end() { return m_chars + m_size; }
    std::wstring_view View() const { return {m_chars, m_size}; }

private:
    wchar_t m_chars[640];
    size_t m_size = 0;
};

// Digits of an integer in base 10 or 16; printf's %x shows a negative int as its 32-bit pattern.
void IntegerDigits(long long value, wchar_t conv, NumberText& out)
{
    char buf[24];
    if (conv != L'x' && conv != L'X') {
        const auto r = std::to_chars(buf, buf + sizeof buf, value);
        out.Assign(buf, r.ptr);
        return;
    }
    unsigned long long bits = static_cast<unsigned long long>(value);
    if (value >= INT_MIN && value <= static_cast<long long>(UINT_MAX))
        bits &= 0xFFFFFFFFull;
    const auto r = std::to_chars(buf, buf + sizeof buf, bits, 16);
    out.Assign(buf, r.ptr);
    if (conv == L'X') {
        for (wchar_t& c : out)
            if (c >= L'a' && c <= L'f')
                c = static_cast<wchar_t>(c - L'a' + L'A');
    }
}

void RealDigits(double value, wchar_t conv, size_t precision, NumberText& out)
{
    if (!std::isfinite(value)) {
        out.Assign(std::isnan(value) ? L"nan" : (value < 0 ? L"-inf" : L"inf"));
        if (conv == L'F' || conv == L'E' || conv == L'G')
            for (wchar_t& c : out)
                c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c);
        return;
    }
    std::chars_format form = std::chars_format::fixed;
    if (conv == L'e' || conv == L'E')
        form = std::chars_format::scientific;
    else if (conv == L'g' || conv == L'G')
        form = std::chars_format::general;
    if ((conv == L'g' || conv == L'G') && precision == 0)
        precision = 1; // as printf: %.0g shows one significant digit
    char buf[512]; // 1e308 in fixed form needs 309 digits plus the decimals
    const auto r = std::to_chars(buf, buf + sizeof buf, value, form, static_cast<int>(precision));
    if (r.ec != std::errc()) {
        out.Assign(ctext::DoubleRoundTrip(value));
        return;
    }
    out.Assign(buf, r.ptr);
    if (conv == L'E' || conv == L'G')
        for (wchar_t& c : out)
            if (c == L'e')
                c = L'E';
}

// `piece` padded to `width`: spaces after it (left), zeros after its sign (zero, numbers only) or
// spaces before it.
void AppendPadded(std::wstring& out, std::wstring_view piece, size_t width, bool left, bool zeroFill)
{
    const size_t pad = piece.size() < width ? width - piece.size() : 0;
    if (pad == 0 || left) {
        out.append(piece);
        out.append(pad, L' ');
    } else if (zeroFill) {
        const size_t at = (!piece.empty() && (piece[0] == L'-' || piece[0] == L'+' || piece[0] == L' ')) ? 1 : 0;
        out.append(piece.substr(0, at));
        out.append(pad, L'0');
        out.append(piece.substr(at));
    } else {
        out.append(pad, L' ');
        out.append(piece);
    }
}

} // namespace

long long Arg::TruncateReal(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 9.2233720368547758e18)
        return LLONG_MAX;
    if (v <= -9.2233720368547758e18)
        return LLONG_MIN;
    return static_cast<long long>(v);
}

std::wstring Format(std::wstring_view f, std::initializer_list<Arg> args)
{
    std::wstring out;
    out.reserve(f.size() + 32);
    FormatAppend(out, f, args);
    return out;
}

void FormatAppend(std::wstring& out, std::wstring_view f, std::initializer_list<Arg> args)
{
    const Arg* next = args.begin();
    NumberText piece; // numbers only: texts go straight into `out`
    size_t i = 0;
    while (i < f.size()) {
        const size_t percent = f.find(L'%', i);
        if (percent == std::wstring_view::npos) {
            out.append(f.substr(i));
            break;
        }
        out.append(f.substr(i, percent - i));
        i = percent;
        const size_t start = i++;
        if (i < f.size() && f[i] == L'%') {
            out.push_back(L'%');
            ++i;
            continue;
        }
        bool left = false;
        bool zero = false;
        wchar_t signFlag = 0; // '+' or ' ' before non-negative numbers
        for (; i < f.size() && (f[i] == L'-' || f[i] == L'0' || f[i] == L'+' || f[i] == L' '); ++i) {
            if (f[i] == L'-')
                left = true;
            else if (f[i] == L'0')
                zero = true;
            else if (f[i] == L'+' || signFlag == 0)
                signFlag = f[i];
        }
        const size_t width = ReadCount(f, i, kMaxWidth);
        bool hasPrecision = false;
        size_t precision = 0;
        if (i < f.size() && f[i] == L'.') {
            ++i;
            hasPrecision = true;
            precision = ReadCount(f, i, kMaxPrecision);
        }
        while (i < f.size() && (f[i] == L'l' || f[i] == L'h'))
            ++i;
        if (i >= f.size() || !IsConversion(f[i])) {
            // Not a placeholder we fill: keep its characters, consume no argument.
            out.append(f.substr(start, i - start));
            continue;
        }
        const wchar_t conv = f[i++];
        const bool text = conv == L's' || conv == L'S';
        const bool real = IsRealConversion(conv);
        if (next == args.end()) {
            AppendPadded(out, {}, width, left, false);
            continue;
        }
        const Arg& a = *next++;
        if (a.IsText()) {
            std::wstring_view t = a.Text();
            if (text && hasPrecision && t.size() > precision)
                t = t.substr(0, precision);
            AppendPadded(out, t, width, left, false);
            continue;
        }
        bool numeric = false;
        if (text) {
            piece.Assign(a.IsReal() ? ctext::DoubleText(a.Real()) : ctext::IntText(a.Number()));
        } else if (real) {
            RealDigits(a.Real(), conv, hasPrecision ? precision : 6, piece);
            numeric = true;
        } else {
            IntegerDigits(a.Number(), conv, piece);
            numeric = true;
            // The precision of an integer is its least number of digits.
            const size_t sign = (!piece.empty() && piece[0] == L'-') ? 1 : 0;
            if (hasPrecision && piece.size() - sign < precision)
                piece.Insert(sign, precision - (piece.size() - sign), L'0');
        }
        if (text && hasPrecision && piece.size() > precision)
            piece.Resize(precision);
        if (numeric && signFlag && conv != L'x' && conv != L'X' && conv != L'u' && !piece.empty() && piece[0] != L'-')
            piece.Insert(0, 1, signFlag);
        AppendPadded(out, piece.View(), width, left, zero && numeric);
    }
}

size_t FormatTo(wchar_t* buffer, size_t capacity, std::wstring_view format, std::initializer_list<Arg> args)
{
    return wstr::CopyBounded(buffer, capacity, Format(format, args));
}

} // namespace msgfmt
