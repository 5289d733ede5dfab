#pragma once
// Fills the placeholders of a resource-string format (%s, %d, %i, %u, %%) with typed arguments.
// Formats come from resource files that users may edit: a malformed or hostile format never
// reads a missing argument, never writes past a buffer and never crashes.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

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

    bool IsText() const { return m_isText; }
    std::wstring_view Text() const { return m_text; }
    long long Number() const { return m_number; }

private:
    bool m_isText = false;
    std::wstring_view m_text; // not owned; lives for the call
    long long m_number = 0;
};

std::wstring Format(std::wstring_view format, std::initializer_list<Arg> args);
// The same, cut to the buffer (always terminated); returns the characters written.
size_t FormatTo(wchar_t* buffer, size_t capacity, std::wstring_view format, std::initializer_list<Arg> args);

} // namespace msgfmt
