// Placeholder filling for resource-string and settings formats; anything it does not know is
// copied as it stands.
#include "SafeFormat.h"

#include "ClassicText.h"
#include "WideCopy.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
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

namespace {

using Piece = Pattern::Piece;

enum class Read { kPercent, kKept, kFilled };

// Reads the placeholder at f[i] (a "%") into `p` and moves past it: "%%", one kept as it
// stands (its length in p.literalSize; it consumes no argument), or one that is filled.
Read ReadPlaceholder(std::wstring_view f, size_t& i, Piece& p)
{
    const size_t start = i++;
    p = {};
    if (i < f.size() && f[i] == L'%') {
        ++i;
        return Read::kPercent;
    }
    for (; i < f.size() && (f[i] == L'-' || f[i] == L'0' || f[i] == L'+' || f[i] == L' '); ++i) {
        if (f[i] == L'-')
            p.left = true;
        else if (f[i] == L'0')
            p.zero = true;
        else if (f[i] == L'+' || p.signFlag == 0)
            p.signFlag = f[i];
    }
    p.width = static_cast<uint16_t>(ReadCount(f, i, kMaxWidth));
    if (i < f.size() && f[i] == L'.') {
        ++i;
        p.hasPrecision = true;
        p.precision = static_cast<uint16_t>(ReadCount(f, i, kMaxPrecision));
    }
    while (i < f.size() && (f[i] == L'l' || f[i] == L'h'))
        ++i;
    if (i >= f.size() || !IsConversion(f[i])) {
        p.literalSize = static_cast<uint32_t>(i - start);
        return Read::kKept;
    }
    p.conversion = f[i++];
    // What no flag, width or precision changes takes the short way in Pattern::Append.
    p.plain = p.width == 0 && !p.hasPrecision && p.signFlag == 0;
    return Read::kFilled;
}

// The placeholder filled with the argument `a` (null: none left).
void Fill(std::wstring& out, const Piece& p, const Arg* a)
{
    const wchar_t conv = p.conversion;
    const bool text = conv == L's' || conv == L'S';
    if (!a) {
        AppendPadded(out, {}, p.width, p.left, false);
        return;
    }
    if (a->IsText()) {
        std::wstring_view t = a->Text();
        if (text && p.hasPrecision && t.size() > p.precision)
            t = t.substr(0, p.precision);
        AppendPadded(out, t, p.width, p.left, false);
        return;
    }
    const bool real = IsRealConversion(conv);
    NumberText piece;
    bool numeric = false;
    if (text) {
        piece.Assign(a->IsReal() ? ctext::DoubleText(a->Real()) : ctext::IntText(a->Number()));
    } else if (real) {
        RealDigits(a->Real(), conv, p.hasPrecision ? p.precision : 6, piece);
        numeric = true;
    } else {
        IntegerDigits(a->Number(), conv, piece);
        numeric = true;
        // The precision of an integer is its least number of digits.
        const size_t sign = (!piece.empty() && piece[0] == L'-') ? 1 : 0;
        if (p.hasPrecision && piece.size() - sign < p.precision)
            piece.Insert(sign, p.precision - (piece.size() - sign), L'0');
    }
    if (text && p.hasPrecision && piece.size() > p.precision)
        piece.Resize(p.precision);
    if (numeric && p.signFlag && conv != L'x' && conv != L'X' && conv != L'u' && !piece.empty() && piece[0] != L'-')
        piece.Insert(0, 1, p.signFlag);
    AppendPadded(out, piece.View(), p.width, p.left, p.zero && numeric);
}

} // namespace

void FormatAppend(std::wstring& out, std::wstring_view f, std::initializer_list<Arg> args)
{
    const Arg* next = args.begin();
    Piece p;
    size_t i = 0;
    while (i < f.size()) {
        const size_t percent = f.find(L'%', i);
        if (percent == std::wstring_view::npos) {
            out.append(f.substr(i));
            break;
        }
        out.append(f.substr(i, percent - i));
        i = percent;
        switch (ReadPlaceholder(f, i, p)) {
        case Read::kPercent:
            out.push_back(L'%');
            break;
        case Read::kKept:
            out.append(f.substr(percent, p.literalSize));
            break;
        case Read::kFilled:
            Fill(out, p, next != args.end() ? next++ : nullptr);
            break;
        }
    }
}

Pattern::Pattern(std::wstring_view f)
{
    // Literal stretches, "%%" and the placeholders kept as they stand make one piece of text
    // between two filled placeholders.
    auto literal = [this](std::wstring_view text) {
        if (text.empty())
            return;
        if (m_pieces.empty() || m_pieces.back().conversion != 0) {
            m_pieces.emplace_back();
            m_pieces.back().literalStart = static_cast<uint32_t>(m_literals.size());
        }
        m_literals.append(text);
        m_pieces.back().literalSize += static_cast<uint32_t>(text.size());
    };
    Piece p;
    size_t i = 0;
    while (i < f.size()) {
        const size_t percent = f.find(L'%', i);
        if (percent == std::wstring_view::npos) {
            literal(f.substr(i));
            break;
        }
        literal(f.substr(i, percent - i));
        i = percent;
        switch (ReadPlaceholder(f, i, p)) {
        case Read::kPercent:
            literal(L"%");
            break;
        case Read::kKept:
            literal(f.substr(percent, p.literalSize));
            break;
        case Read::kFilled:
            p.literalSize = 0;
            m_pieces.push_back(p);
            break;
        }
    }
}

void Pattern::Append(std::wstring& out, const Arg* args, size_t count) const
{
    size_t next = 0;
    for (const Piece& piece : m_pieces) {
        if (piece.conversion == 0) {
            out.append(m_literals, piece.literalStart, piece.literalSize);
            continue;
        }
        const Arg* a = next < count ? args + next : nullptr;
        ++next;
        if (a && piece.plain && a->IsText()) {
            if (piece.conversion == L's' || piece.conversion == L'S') {
                out.append(a->Text());
                continue;
            }
        } else if (a && piece.plain && (piece.conversion == L'd' || piece.conversion == L'i')) {
            char digits[24];
            const auto end = std::to_chars(digits, digits + sizeof digits, a->Number()).ptr;
            wchar_t wide[24];
            size_t n = 0;
            for (const char* c = digits; c != end; ++c)
                wide[n++] = static_cast<wchar_t>(*c);
            out.append(wide, n);
            continue;
        }
        Fill(out, piece, a);
    }
}

size_t FormatTo(wchar_t* buffer, size_t capacity, std::wstring_view format, std::initializer_list<Arg> args)
{
    return wstr::CopyBounded(buffer, capacity, Format(format, args));
}

} // namespace msgfmt
