#pragma once
// Fills the placeholders of a resource-string or settings format (%s, %d, %i, %u, %x, %X, %f,
// %e, %g and %% with the flags "-", "0", "+" and blank, a width and a precision) with typed
// arguments. Formats come from files that users may edit: a malformed or hostile format never
// reads a missing argument, never writes past a buffer and never crashes. Numbers are written
// with "." as the decimal point whatever the locale.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace msgfmt {

class Arg {
public:
    Arg(const wchar_t* text) : m_isText(true), m_text(text ? text : L"") {}
    Arg(std::wstring_view text) : m_isText(true), m_text(text) {}
    Arg(const std::wstring& text) : m_isText(true), m_text(text) {}
    Arg(int v) : m_number(v) {}
    Arg(long v) : m_number(v) {}
    Arg(long long v) : m_number(v) {}
    Arg(unsigned v) : m_number(v) {}
    Arg(unsigned long v) : m_number(static_cast<long long>(v)) {}
    Arg(double v) : m_isReal(true), m_number(TruncateReal(v)), m_real(v) {}

    bool IsText() const { return m_isText; }
    bool IsReal() const { return m_isReal; }
    std::wstring_view Text() const { return m_text; }
    // A real number gives its integer part here (toward zero, within the range of long long).
    long long Number() const { return m_number; }
    double Real() const { return m_isReal ? m_real : static_cast<double>(m_number); }

private:
    static long long TruncateReal(double v); // NaN gives 0; beyond the range the nearest end

    bool m_isText = false;
    bool m_isReal = false;
    std::wstring_view m_text; // not owned; lives for the call
    long long m_number = 0;
    double m_real = 0.0;
};

std::wstring Format(std::wstring_view format, std::initializer_list<Arg> args);
// The same text appended to `out`: a caller that formats many texts into one string it keeps
// needs no new string for each.
void FormatAppend(std::wstring& out, std::wstring_view format, std::initializer_list<Arg> args);
// The same, cut to the buffer (always terminated); returns the characters written.
size_t FormatTo(wchar_t* buffer, size_t capacity, std::wstring_view format, std::initializer_list<Arg> args);

// A format read once for the many texts made of it: Append gives what FormatAppend gives for the
// same format and arguments, without reading the format again.
class Pattern {
public:
    Pattern() = default; // the empty format
    explicit Pattern(std::wstring_view format);

    void Append(std::wstring& out, std::initializer_list<Arg> args) const { Append(out, args.begin(), args.size()); }
    void Append(std::wstring& out, const Arg* args, size_t count) const;

    // A stretch of text (conversion 0) or a placeholder to fill with the next argument.
    struct Piece {
        uint32_t literalStart = 0; // in the pattern's text
        uint32_t literalSize = 0;
        wchar_t conversion = 0;
        wchar_t signFlag = 0; // '+' or ' ' before non-negative numbers
        uint16_t width = 0;
        uint16_t precision = 0;
        bool hasPrecision = false;
        bool left = false;
        bool zero = false;
        bool plain = false; // no flag, width or precision that changes the text
    };

private:
    std::wstring m_literals;
    std::vector<Piece> m_pieces;
};

} // namespace msgfmt
