#pragma once
// CPageText: page text waiting for its file. Rows of long tables are appended here straight: a
// short piece is copied inline, without the length count and call of a string append, and a
// data library's text is escaped as it is read up to its terminating zero, in one pass.

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

class CPageText {
public:
    CPageText() = default;
    CPageText(const CPageText&) = delete;
    CPageText& operator=(const CPageText&) = delete;

    size_t Size() const { return m_size; }
    std::wstring_view View() const { return {m_data.get(), m_size}; }
    void Clear() { m_size = 0; }
    // Room for `capacity` characters in all.
    void Reserve(size_t capacity)
    {
        if (capacity > m_capacity)
            Reallocate(capacity);
    }
    // Cuts the text back to `size` characters (no longer).
    void CutTo(size_t size)
    {
        if (size < m_size)
            m_size = size;
    }

    void Append(std::wstring_view text)
    {
        Copy(Room(text.size()), text.data(), text.size());
        m_size += text.size();
    }
    template <size_t N>
    void Append(const wchar_t (&literal)[N])
    {
        Append(std::wstring_view(literal, N - 1));
    }

    // The text as CRHtmlBase::AppendEscaped escapes it; returns the characters appended.
    size_t AppendEscaped(std::wstring_view text, bool blanks, bool lineBreaks);
    // The same of a text up to its terminating zero (null: none).
    size_t AppendEscaped(const wchar_t* text, bool blanks, bool lineBreaks);

private:
    wchar_t* Room(size_t more)
    {
        if (m_capacity - m_size < more)
            Grow(more);
        return m_data.get() + m_size;
    }
    void Grow(size_t more);
    void Reallocate(size_t capacity);

    // Markup pieces are short: fixed-size moves that may overlap cover them without a call.
    static void Copy(wchar_t* to, const wchar_t* from, size_t n)
    {
        if (n > 32) {
            std::memcpy(to, from, n * sizeof(wchar_t));
        } else if (n > 16) {
            std::memcpy(to, from, 16 * sizeof(wchar_t));
            std::memcpy(to + n - 16, from + n - 16, 16 * sizeof(wchar_t));
        } else if (n > 8) {
            std::memcpy(to, from, 8 * sizeof(wchar_t));
            std::memcpy(to + n - 8, from + n - 8, 8 * sizeof(wchar_t));
        } else if (n >= 4) {
            std::memcpy(to, from, 4 * sizeof(wchar_t));
            std::memcpy(to + n - 4, from + n - 4, 4 * sizeof(wchar_t));
        } else if (n >= 2) {
            std::memcpy(to, from, 2 * sizeof(wchar_t));
            std::memcpy(to + n - 2, from + n - 2, 2 * sizeof(wchar_t));
        } else if (n == 1) {
            *to = *from;
        }
    }

    std::unique_ptr<wchar_t[]> m_data;
    size_t m_size = 0;
    size_t m_capacity = 0;
};
