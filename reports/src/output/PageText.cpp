// Page text waiting for its file.
#include "output/PageText.h"

#include <algorithm>

namespace {

// A character gives at most this many: "&#160;".
constexpr size_t kMostPerCharacter = 6;
// Characters escaped between two checks of the room.
constexpr size_t kStretch = 256;

// Writes the escape of a character at or below '>' (every character escaped is); returns the
// end of what it wrote.
inline wchar_t* EscapeLow(wchar_t* to, wchar_t c, bool blanks, bool lineBreaks)
{
    auto put = [&to](const wchar_t* entity, size_t n) {
        std::memcpy(to, entity, n * sizeof(wchar_t));
        to += n;
    };
    switch (c) {
    case L'&':
        put(L"&amp;", 5);
        break;
    case L'<':
        put(L"&lt;", 4);
        break;
    case L'>':
        put(L"&gt;", 4);
        break;
    case L' ':
        if (blanks)
            put(L"&#160;", 6);
        else
            *to++ = c;
        break;
    case L'\r':
        if (!lineBreaks)
            *to++ = c;
        break;
    case L'\n':
        if (lineBreaks)
            put(L"<br>", 4);
        else
            *to++ = c;
        break;
    default:
        *to++ = c;
        break;
    }
    return to;
}

} // namespace

void CPageText::Grow(size_t more)
{
    const size_t capacity = std::max({m_capacity * 2, m_size + more, size_t{16384}});
    std::unique_ptr<wchar_t[]> data(new wchar_t[capacity]);
    if (m_size > 0)
        std::memcpy(data.get(), m_data.get(), m_size * sizeof(wchar_t));
    m_data = std::move(data);
    m_capacity = capacity;
}

size_t CPageText::AppendEscaped(std::wstring_view text, bool blanks, bool lineBreaks)
{
    const size_t before = m_size;
    const wchar_t* from = text.data();
    size_t left = text.size();
    while (left > 0) {
        const size_t n = std::min(left, kStretch);
        wchar_t* const start = Room(n * kMostPerCharacter);
        wchar_t* to = start;
        for (const wchar_t* end = from + n; from != end; ++from) {
            const wchar_t c = *from;
            if (c > L'>')
                *to++ = c;
            else
                to = EscapeLow(to, c, blanks, lineBreaks);
        }
        m_size += static_cast<size_t>(to - start);
        left -= n;
    }
    return m_size - before;
}

size_t CPageText::AppendEscaped(const wchar_t* text, bool blanks, bool lineBreaks)
{
    const size_t before = m_size;
    if (!text)
        return 0;
    for (;;) {
        wchar_t* const start = Room(kStretch * kMostPerCharacter);
        wchar_t* to = start;
        for (size_t k = 0; k < kStretch; ++k) {
            const wchar_t c = *text++;
            if (c > L'>') {
                *to++ = c;
            } else if (c == 0) {
                m_size += static_cast<size_t>(to - start);
                return m_size - before;
            } else {
                to = EscapeLow(to, c, blanks, lineBreaks);
            }
        }
        m_size += static_cast<size_t>(to - start);
    }
}
