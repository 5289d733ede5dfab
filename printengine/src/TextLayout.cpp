// Splitting, breaking and placing lines of text.
#include "TextLayout.h"

#include <algorithm>

namespace rkpe {

GdiTextMeasurer::GdiTextMeasurer(HDC attrib, HFONT font, MetricsCache* metrics)
    : m_dc(attrib), m_font(font), m_cache(font ? metrics : nullptr)
{
}

int GdiTextMeasurer::Extent(std::wstring_view text)
{
    if (text.empty())
        return 0;
    SIZE size{};
    GetTextExtentPoint32W(m_dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void GdiTextMeasurer::PrefixExtents(std::wstring_view text, std::vector<int>& prefix)
{
    prefix.assign(text.size(), 0);
    if (text.empty())
        return;
    SIZE size{};
    if (!GetTextExtentExPointW(m_dc, text.data(), static_cast<int>(text.size()), 0, nullptr,
            prefix.data(), &size)) {
        prefix.assign(text.size(), 0);
    }
}

void GdiTextMeasurer::LoadMetrics()
{
    if (m_haveMetrics)
        return;
    m_haveMetrics = true;
    if (m_cache) {
        auto known = m_cache->find(m_font);
        if (known != m_cache->end()) {
            m_metrics = known->second;
            return;
        }
    }
    if (!GetTextMetricsW(m_dc, &m_metrics))
        m_metrics = TEXTMETRICW{};
    else if (m_cache)
        m_cache->emplace(m_font, m_metrics);
}

int GdiTextMeasurer::TextHeight()
{
    LoadMetrics();
    return m_metrics.tmHeight;
}

int GdiTextMeasurer::LineHeight()
{
    LoadMetrics();
    return m_metrics.tmHeight + m_metrics.tmExternalLeading;
}

std::vector<std::wstring> SplitPieces(std::wstring_view text, wchar_t separator)
{
    std::vector<std::wstring> pieces;
    size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == separator) {
            pieces.emplace_back();
        } else {
            const size_t end = std::min(text.find(separator, pos), text.size());
            pieces.emplace_back(text.substr(pos, end - pos));
            pos = end;
        }
        ++pos; // over one separator
    }
    if (pieces.empty())
        pieces.emplace_back();
    return pieces;
}

namespace {

// Breaks one line; every pass takes at least one character off, so it always ends.
void BreakLine(std::wstring line, int width, TextMeasurer& m, std::vector<MeasuredLine>& out)
{
    std::vector<int> prefix;
    for (;;) {
        // Most lines fit: their width alone decides; only an overlong one is measured character
        // by character.
        const int total = m.Extent(line);
        if (total <= width) {
            out.push_back({std::move(line), total});
            return;
        }
        m.PrefixExtents(line, prefix);
        // Words joined by single blanks are the line's own prefixes, so the candidate widths
        // are the prefix extents at the word ends.
        size_t acceptedEnd = std::wstring::npos;
        size_t wordStart = 0;
        for (;;) {
            const size_t wordEnd = std::min(line.find(L' ', wordStart), line.size());
            const int candidate = wordEnd == 0 ? 0 : prefix[wordEnd - 1];
            if (candidate > width)
                break;
            acceptedEnd = wordEnd;
            if (wordEnd >= line.size())
                break;
            wordStart = wordEnd + 1;
        }
        if (acceptedEnd == line.size()) { // measuring disagreed with itself: keep the line
            out.push_back({std::move(line), total});
            return;
        }
        size_t headEnd;
        size_t restStart;
        if (acceptedEnd != std::wstring::npos) {
            headEnd = acceptedEnd;
            restStart = acceptedEnd + 1;
        } else {
            // The first word alone is too wide: as many characters as fit, but at least one.
            size_t fit = 0;
            while (fit < line.size() && prefix[fit] <= width)
                ++fit;
            headEnd = std::max<size_t>(fit, 1);
            restStart = headEnd;
        }
        out.push_back({line.substr(0, headEnd), headEnd == 0 ? 0 : prefix[headEnd - 1]});
        // A last character wider than the whole box leaves nothing behind: that is no new line.
        // (A blank at the end after the last fitting word does leave an empty line.)
        if (acceptedEnd == std::wstring::npos && restStart >= line.size())
            return;
        line.erase(0, restStart);
    }
}

} // namespace

std::vector<MeasuredLine> BreakLines(std::wstring_view text, int width, bool wordWrap, TextMeasurer& m)
{
    std::wstring clean(text);
    std::erase(clean, L'\r');
    std::vector<MeasuredLine> out;
    for (std::wstring& line : SplitPieces(clean, L'\n')) {
        if (wordWrap && width > 0) {
            BreakLine(std::move(line), width, m, out);
        } else {
            const int w = m.Extent(line);
            out.push_back({std::move(line), w});
        }
    }
    return out;
}

std::wstring ShortenWithEllipsis(std::wstring_view line, int width, TextMeasurer& m)
{
    static constexpr std::wstring_view kDots = L"...";
    const int dots = m.Extent(kDots);
    std::vector<int> prefix;
    m.PrefixExtents(line, prefix);
    // Drop characters from the end, starting with all but the last, until the rest fits.
    size_t keep = line.empty() ? 0 : line.size() - 1;
    while (keep > 0 && prefix[keep - 1] + dots > width)
        --keep;
    std::wstring shortened(line.substr(0, keep));
    shortened += kDots;
    return shortened;
}

std::vector<PlacedLine> PlaceTextBox(const std::vector<MeasuredLine>& lines, const TextBoxSpec& spec,
    TextMeasurer& m)
{
    const int lineHeight = m.LineHeight();
    const int textHeight = m.TextHeight();
    const int T = spec.inner.top;
    const int B = spec.inner.bottom;
    const int innerWidth = spec.inner.right - spec.inner.left;
    const int H = static_cast<int>(lines.size()) * lineHeight;
    const int a = spec.alignment;

    int top = T;
    if (a >= 3 && a <= 5)
        top = T - (T - B) / 2 + H / 2;
    else if (a >= 6 && a <= 8)
        top = B + H;
    if (spec.anchorTop && top > T)
        top = T;

    enum class HAlign { Left, Centre, Right };
    enum class VAlign { Top, Centre, Bottom };
    const HAlign boxH = (a == 1 || a == 4 || a == 7) ? HAlign::Centre
        : (a == 2 || a == 5 || a == 8)                ? HAlign::Right
                                                      : HAlign::Left;
    std::vector<PlacedLine> placed;
    for (const MeasuredLine& line : lines) {
        RECT r{spec.inner.left, top, spec.inner.right, top - lineHeight};
        VAlign v = VAlign::Centre;
        if (r.top > T) {
            r.top = T;
            v = VAlign::Bottom;
        }
        if (r.bottom < B) {
            r.bottom = B;
            v = VAlign::Top;
        }
        HAlign h = boxH;
        std::wstring text = line.text;
        int cx = line.width;
        if (line.width > innerWidth) {
            if (spec.anchorTop)
                h = HAlign::Left;
            if (spec.ellipsis) {
                text = ShortenWithEllipsis(line.text, innerWidth, m);
                cx = m.Extent(text);
            }
        }
        top -= lineHeight;
        if (!(r.left < r.right && r.bottom < r.top))
            continue;
        PlacedLine p;
        p.clip = r;
        p.x = h == HAlign::Left ? r.left : h == HAlign::Centre ? r.left + (r.right - r.left - cx) / 2 : r.right - cx;
        // y is the top of the text; in MM_LOMETRIC the text extends to y - textHeight.
        p.y = v == VAlign::Top ? r.top : v == VAlign::Bottom ? r.bottom + textHeight : r.top - ((r.top - r.bottom) - textHeight) / 2;
        p.text = std::move(text);
        placed.push_back(std::move(p));
    }
    return placed;
}

POINT PlaceClippedLine(const RECT& textRect, int alignment, bool clampLeft, int cx, int cy)
{
    int x = textRect.left;
    if (alignment >= 0 && alignment <= 8) {
        if (alignment % 3 == 1)
            x = textRect.left + (textRect.right - textRect.left) / 2 - cx / 2;
        else if (alignment % 3 == 2)
            x = textRect.right - cx;
    }
    if (clampLeft && x < textRect.left)
        x = textRect.left;
    const int y = textRect.bottom + (textRect.top - textRect.bottom) / 2 + cy / 2;
    return POINT{x, y};
}

} // namespace rkpe
