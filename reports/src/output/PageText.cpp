// Page text waiting for its file.
#include "output/PageText.h"

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// A character gives at most this many: "&#160;".
constexpr size_t kMostPerCharacter = 6;
// Characters escaped between two checks of the room.
constexpr size_t kStretch = 256;

// Writes the escape of a character the text escapes; returns the end of what it wrote.
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


// The characters below 64 a text escapes, as bits: "&", "<", ">", with `blanks` the blank, with
// `lineBreaks` CR and LF, and `zero` for a text that ends at its terminating zero. One test of a
// bit keeps the common characters on the predicted path.
inline uint64_t Specials(bool blanks, bool lineBreaks, bool zero)
{
    uint64_t bits = (1ull << L'&') | (1ull << L'<') | (1ull << L'>');
    if (blanks)
        bits |= 1ull << L' ';
    if (lineBreaks)
        bits |= (1ull << L'\r') | (1ull << L'\n');
    if (zero)
        bits |= 1ull;
    return bits;
}

// Without a branch on the character: letters and digits alternate in names, and a mispredicted
// branch costs more than the test. Bit 63, "?", is never set.
inline bool IsSpecial(wchar_t c, uint64_t specials)
{
    const unsigned bit = c < 63 ? c : 63;
    return ((specials >> bit) & 1) != 0;
}

#if defined(__SSE2__)
// Eight characters at once: which of them the text escapes, as a bit mask (two bits each).
class CSpecialLanes {
public:
    CSpecialLanes(bool blanks, bool lineBreaks, bool zero)
        : m_amp(_mm_set1_epi16(L'&')), m_lt(_mm_set1_epi16(L'<')), m_gt(_mm_set1_epi16(L'>')),
          m_blank(_mm_set1_epi16(static_cast<short>(blanks ? L' ' : L'&'))),
          m_cr(_mm_set1_epi16(static_cast<short>(lineBreaks ? L'\r' : L'&'))),
          m_lf(_mm_set1_epi16(static_cast<short>(lineBreaks ? L'\n' : L'&'))),
          m_zero(_mm_set1_epi16(static_cast<short>(zero ? 0 : L'&')))
    {
    }
    int Mask(__m128i v) const
    {
        const __m128i a = _mm_or_si128(_mm_cmpeq_epi16(v, m_amp), _mm_cmpeq_epi16(v, m_lt));
        const __m128i b = _mm_or_si128(_mm_cmpeq_epi16(v, m_gt), _mm_cmpeq_epi16(v, m_blank));
        const __m128i c = _mm_or_si128(_mm_cmpeq_epi16(v, m_cr), _mm_cmpeq_epi16(v, m_lf));
        return _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, _mm_cmpeq_epi16(v, m_zero))));
    }

private:
    __m128i m_amp, m_lt, m_gt, m_blank, m_cr, m_lf, m_zero;
};

// Made once: a cell's text is short, and making the lanes costs as much as testing them.
const CSpecialLanes kLanes[8] = {{false, false, false}, {false, false, true}, {false, true, false},
                                 {false, true, true},   {true, false, false}, {true, false, true},
                                 {true, true, false},   {true, true, true}};

const CSpecialLanes& Lanes(bool blanks, bool lineBreaks, bool zero)
{
    return kLanes[(blanks ? 4 : 0) + (lineBreaks ? 2 : 0) + (zero ? 1 : 0)];
}
#endif

} // namespace

size_t CPageText::AppendEscaped(std::wstring_view text, bool blanks, bool lineBreaks)
{
    const size_t before = m_size;
    const uint64_t specials = Specials(blanks, lineBreaks, false);
#if defined(__SSE2__)
    const CSpecialLanes& lanes = Lanes(blanks, lineBreaks, false);
#endif
    const wchar_t* from = text.data();
    size_t left = text.size();
    while (left > 0) {
        const size_t n = std::min(left, kStretch);
        wchar_t* const start = Room(n * kMostPerCharacter);
        wchar_t* to = start;
        const wchar_t* const end = from + n;
#if defined(__SSE2__)
        // Eight at a time while none is escaped; a group with one goes character by character.
        while (end - from >= 8) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
            if (lanes.Mask(v) == 0) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(to), v);
                to += 8;
                from += 8;
                continue;
            }
            for (const wchar_t* group = from + 8; from != group; ++from) {
                if (IsSpecial(*from, specials))
                    to = EscapeLow(to, *from, blanks, lineBreaks);
                else
                    *to++ = *from;
            }
        }
#endif
        for (; from != end; ++from) {
            const wchar_t c = *from;
            if (IsSpecial(c, specials))
                to = EscapeLow(to, c, blanks, lineBreaks);
            else
                *to++ = c;
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
    const uint64_t specials = Specials(blanks, lineBreaks, true);
#if defined(__SSE2__)
    const CSpecialLanes& lanes = Lanes(blanks, lineBreaks, true);
#endif
    for (;;) {
        wchar_t* const start = Room(kStretch * kMostPerCharacter);
        wchar_t* to = start;
        for (size_t k = 0; k < kStretch;) {
#if defined(__SSE2__)
            // A group of eight read from a 16-byte boundary never reaches into the next page, so
            // it may read past the terminating zero; the zero is one of the characters it finds.
            if ((reinterpret_cast<uintptr_t>(text) & 15) == 0 && k + 8 <= kStretch) {
                const __m128i v = _mm_load_si128(reinterpret_cast<const __m128i*>(text));
                if (lanes.Mask(v) == 0) {
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), v);
                    to += 8;
                    text += 8;
                    k += 8;
                    continue;
                }
            }
#endif
            const wchar_t c = *text++;
            ++k;
            if (!IsSpecial(c, specials)) {
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

void CPageText::Grow(size_t more)
{
    Reallocate(std::max({m_capacity * 2, m_size + more, size_t{16384}}));
}

void CPageText::Reallocate(size_t capacity)
{
    std::unique_ptr<wchar_t[]> data(new wchar_t[capacity]);
    if (m_size > 0)
        std::memcpy(data.get(), m_data.get(), m_size * sizeof(wchar_t));
    m_data = std::move(data);
    m_capacity = capacity;
}
