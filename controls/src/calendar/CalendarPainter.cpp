// Painting of the month calendar.
#include "calendar/CalendarPainter.h"

#include "SafeFormat.h"
#include "WideCopy.h"

#include <string>

namespace rkcc {

namespace {

bool IsBackground(int index)
{
    switch (index) {
    case kCalColorWindow:
    case kCalColorButtonFill:
    case kCalColorYearBack:
    case kCalColorCaptionBack:
    case kCalColorStripBack:
    case kCalColorStripOwnFill:
    case kCalColorHeaderBack:
    case kCalColorWeekHeaderBack:
    case kCalColorWeekBack:
    case kCalColorDayBack:
    case kCalColorTodayBack:
    case kCalColorSelectedBack:
    case kCalColorOtherBack:
        return true;
    default:
        return false;
    }
}

std::wstring YearText(unsigned year, int length)
{
    std::wstring text = std::to_wstring(year);
    if (length > 0 && static_cast<size_t>(length) < text.size())
        text = text.substr(text.size() - static_cast<size_t>(length));
    return text;
}

std::wstring FirstChars(const std::wstring& text, int n)
{
    return n > 0 && static_cast<size_t>(n) < text.size() ? text.substr(0, static_cast<size_t>(n)) : text;
}

bool Meets(const RECT& a, const RECT& b)
{
    RECT r;
    return IntersectRect(&r, &a, &b) != FALSE;
}

} // namespace

void CalendarFonts::Make(const LOGFONTW& base, int yearPercent)
{
    auto make = [&](Index i, LONG weight, bool strike, bool underline, LONG height) {
        LOGFONTW lf = base;
        if (weight)
            lf.lfWeight = weight;
        lf.lfStrikeOut = strike ? TRUE : FALSE;
        lf.lfUnderline = underline ? TRUE : FALSE;
        lf.lfHeight = height;
        fonts[i].Reset(CreateFontIndirectW(&lf));
    };
    make(kBase, 0, false, false, base.lfHeight);
    make(kBold, FW_BOLD, false, false, base.lfHeight);
    make(kStrike, FW_NORMAL, true, false, base.lfHeight);
    make(kBoldStrike, FW_BOLD, true, false, base.lfHeight);
    make(kUnderline, FW_NORMAL, false, true, base.lfHeight);
    make(kBoldUnderline, FW_BOLD, false, true, base.lfHeight);
    const LONG yearHeight = static_cast<LONG>(static_cast<long long>(base.lfHeight) * yearPercent / 100);
    make(kYear, FW_NORMAL, false, false, yearHeight);
    make(kBoldYear, FW_BOLD, false, false, yearHeight);
}

HFONT CalendarFonts::ForStyle(int style, bool bold) const
{
    switch (style) {
    case 0:
        return bold ? fonts[kBold] : fonts[kBase];
    case 1:
        return bold ? fonts[kBoldStrike] : fonts[kStrike];
    case 2:
        return bold ? fonts[kBoldUnderline] : fonts[kUnderline];
    default:
        return fonts[kBase];
    }
}

void DrawCalendarText(HDC dc, std::wstring_view text, const RECT& rect)
{
    if (text.empty())
        return;
    const SIZE size = TextExtent(dc, text);
    const UINT align = size.cx <= rect.right - rect.left ? DT_CENTER : DT_LEFT;
    DrawTextIn(dc, text, rect, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

COLORREF CCalendarPainter::Color(int index) const
{
    if (!m_enabled)
        return IsBackground(index) ? GetSysColor(COLOR_BTNFACE) : GetSysColor(COLOR_GRAYTEXT);
    return m_model.options.colors[static_cast<size_t>(index)];
}

void CCalendarPainter::HLine(HDC dc, int x0, int x1, int y, COLORREF color)
{
    if (x1 > x0)
        FillSolid(dc, {x0, y, x1, y + 1}, color);
}

void CCalendarPainter::VLine(HDC dc, int x, int y0, int y1, COLORREF color)
{
    if (y1 > y0)
        FillSolid(dc, {x, y0, x + 1, y1}, color);
}

void CCalendarPainter::Paint(HDC dc, const RECT& client, const RECT& clip)
{
    FillSolid(dc, client, Color(kCalColorWindow));
    if (IsRectEmpty(&m_g.calendar))
        return;
    SetBkMode(dc, TRANSPARENT);
    const CalendarOptions& o = m_model.options;
    for (const CalendarBlock& b : m_g.blocks) {
        if (!Meets(b.rect, clip))
            continue;
        if (o.yearView) {
            PaintYearBand(dc, b);
            PaintStrip(dc, b);
        } else {
            PaintCaption(dc, b);
        }
        PaintHeader(dc, b);
        PaintGrid(dc, b);
        if (o.AnyButton())
            PaintButtons(dc, b);
    }
    if (!o.selectable && o.focusRect && m_focused) {
        m_focusRect = client;
        m_hasFocusRect = true;
    }
}

void CCalendarPainter::PaintYearBand(HDC dc, const CalendarBlock& b)
{
    const CalendarOptions& o = m_model.options;
    FillSolid(dc, b.yearBand, Color(kCalColorYearBack));
    CSelect font(dc, o.bold[kCalBoldYear] ? m_fonts.fonts[CalendarFonts::kBoldYear] : m_fonts.fonts[CalendarFonts::kYear]);
    SetTextColor(dc, Color(kCalColorYearText));
    DrawCalendarText(dc, YearText(TDate(m_model.BlockFirstDay(b.index)).GetYear(), o.yearTextLength), b.yearTitle);
}

void CCalendarPainter::PaintCaption(HDC dc, const CalendarBlock& b)
{
    const CalendarOptions& o = m_model.options;
    FillSolid(dc, b.caption, Color(kCalColorCaptionBack));
    CSelect font(dc, m_fonts.ForStyle(0, o.bold[kCalBoldCaption]));
    SetTextColor(dc, Color(kCalColorCaptionText));
    const TDate first(m_model.BlockFirstDay(b.index));
    const std::wstring month = FirstChars(m_model.Texts().monthNames[first.GetMonth() - 1], o.captionMonthLength);
    const std::wstring text =
        msgfmt::Format(m_model.Texts().captionFormat, {month, YearText(first.GetYear(), o.yearTextLength)});
    RECT rect = b.caption;
    if (o.arrows) {
        // Keep the text clear of the arrows of the first row.
        const int width = TextExtent(dc, text).cx;
        const int start = rect.left + (rect.right - rect.left - width) / 2;
        const RECT& la = m_g.leftArrow;
        const RECT& ra = m_g.rightArrow;
        if (!IsRectEmpty(&la) && la.top >= rect.top && la.bottom <= rect.bottom && la.left >= rect.left &&
            la.right <= rect.right && start < la.right)
            rect.left = la.right;
        if (!IsRectEmpty(&ra) && ra.top >= rect.top && ra.bottom <= rect.bottom && ra.left >= rect.left &&
            ra.right <= rect.right && start + width > ra.left)
            rect.right = ra.left;
    }
    DrawCalendarText(dc, text, rect);
}

void CCalendarPainter::PaintStrip(HDC dc, const CalendarBlock& b)
{
    const CalendarOptions& o = m_model.options;
    const RECT& s = b.strip;
    FillSolid(dc, s, Color(kCalColorStripBack));
    CSelect font(dc, m_fonts.ForStyle(0, o.bold[kCalBoldStrip]));
    const double w = (s.right - s.left) / 6.0;
    const double half = (s.bottom - s.top) / 2.0;
    const int row0Bottom = static_cast<int>(s.top + half - 1);
    const unsigned ownMonth = TDate(m_model.BlockFirstDay(b.index)).GetMonth();
    for (int row = 0; row < 2; ++row) {
        const int top = row == 0 ? s.top : row0Bottom + 1;
        const int bottom = row == 0 ? row0Bottom : row0Bottom + 1 + (row0Bottom - s.top);
        for (int c = 0; c < 6; ++c) {
            const RECT cell{static_cast<int>(s.left + c * w), top, static_cast<int>(s.left + (c + 1) * w), bottom};
            const unsigned month = static_cast<unsigned>(row * 6 + c + 1);
            if (month == ownMonth) {
                FillSolid(dc, cell, Color(kCalColorStripOwnFill));
                SetTextColor(dc, Color(kCalColorStripOwnText));
            } else {
                SetTextColor(dc, Color(kCalColorStripText));
            }
            DrawCalendarText(dc, FirstChars(m_model.Texts().monthAbbrevs[month - 1], o.stripMonthLength), cell);
        }
    }
    if (o.stripLineStyle == 1) {
        const COLORREF line = Color(kCalColorStripLines);
        HLine(dc, s.left, s.right, s.top, line);
        HLine(dc, s.left, s.right, static_cast<int>(s.top + half), line);
        HLine(dc, s.left, s.right, s.bottom - 1, line);
        for (int c = 0; c <= 6; ++c)
            VLine(dc, static_cast<int>(s.left + c * w) - 1, s.top, s.bottom, line);
    }
}

void CCalendarPainter::PaintCell(HDC dc, const RECT& cell, int style, bool bold, COLORREF text, COLORREF back,
                                 int hatch, COLORREF hatchColor, const wchar_t* label)
{
    FillSolid(dc, cell, back);
    if (hatch != -1) {
        CBrushHandle brush(CreateHatchBrush(hatch, hatchColor));
        if (brush)
            FillRect(dc, &cell, brush);
    }
    CSelect font(dc, m_fonts.ForStyle(style, bold));
    SetTextColor(dc, text);
    DrawCalendarText(dc, label, cell);
}

void CCalendarPainter::PaintHeader(HDC dc, const CalendarBlock& b)
{
    const CalendarOptions& o = m_model.options;
    const RECT& h = b.header;
    FillSolid(dc, h, Color(kCalColorHeaderBack));
    const int wk = m_model.HasWeekColumn() ? 1 : 0;
    const int cw = m_g.cellWidth;
    for (int k = 0; k < 7 + wk; ++k) {
        const int column = k - wk;
        CalendarHeaderInfo info;
        FillHeaderCell(m_model, column, info);
        if (o.headerCallback.fn)
            o.headerCallback.fn(&info, o.headerCallback.context);
        wstr::ForceTerminated(info.text);
        if (!m_enabled) {
            info.backColor = info.hatchColor = GetSysColor(COLOR_BTNFACE);
            info.textColor = GetSysColor(COLOR_GRAYTEXT);
        }
        const RECT cell{h.left + k * cw, h.top, h.left + (k + 1) * cw, h.bottom};
        PaintCell(dc, cell, info.fontStyle, info.bold != 0, info.textColor, info.backColor, info.hatchStyle,
                  info.hatchColor, info.text);
    }
    const int style = o.gridLineStyle;
    if (style == 1) {
        const COLORREF line = Color(kCalColorHeaderLines);
        HLine(dc, h.left, h.right, h.top, line);
        HLine(dc, h.left, h.right, h.bottom - 1, line);
        for (int k = 0; k <= 7 + wk; ++k)
            VLine(dc, h.left - 1 + k * cw, h.top, h.bottom, line);
    } else if (style >= 2 && style <= 5) {
        const int start = h.left - 1 + ((style == 2 || style == 4) && wk ? cw : 0);
        HLine(dc, start, h.right, h.bottom - 1, Color(kCalColorHeaderUnderline));
        if (style == 5 && wk)
            VLine(dc, h.left + cw - 1, h.top, h.bottom, Color(kCalColorWeekSeparator));
    }
}

void CCalendarPainter::PaintGrid(HDC dc, const CalendarBlock& b)
{
    const CalendarOptions& o = m_model.options;
    const RECT& g = b.grid;
    FillSolid(dc, g, Color(kCalColorDayBack));
    const int wk = m_model.HasWeekColumn() ? 1 : 0;
    const int cw = m_g.cellWidth;
    const int ch = m_g.cellHeight;
    const bool thin = o.gridLineStyle == 1; // cells leave room for the grid lines
    int lastWeekBottom = g.top;
    for (int row = 0; row < 6; ++row) {
        for (int k = 0; k < 7 + wk; ++k) {
            const int column = k - wk;
            CalendarDayInfo info;
            if (!FillDayCell(m_model, b.index, row, column, info))
                continue;
            if (o.dayCallback.fn)
                o.dayCallback.fn(&info, o.dayCallback.context);
            wstr::ForceTerminated(info.text);
            if (!m_enabled) {
                info.backColor = info.hatchColor = GetSysColor(COLOR_BTNFACE);
                info.textColor = info.frameColor = GetSysColor(COLOR_GRAYTEXT);
            }
            const RECT cell{g.left + k * cw, g.top + row * ch, g.left + (k + 1) * cw, g.top + (row + 1) * ch};
            PaintCell(dc, cell, info.fontStyle, info.bold != 0, info.textColor, info.backColor, info.hatchStyle,
                      info.hatchColor, info.text);
            RECT inner = cell;
            if (thin) {
                inner.right -= 1;
                inner.bottom -= 1;
            }
            if (info.frame)
                FrameSolid(dc, inner, info.frameColor);
            if (column < 0)
                lastWeekBottom = cell.bottom;
            if (column >= 0 && !info.otherMonth && o.focusRect && o.selectable && m_focused &&
                info.day == m_model.Selected()) {
                m_focusRect = inner;
                m_hasFocusRect = true;
            }
        }
    }
    if (o.gridLineStyle == 1) {
        const COLORREF line = Color(kCalColorDayLines);
        for (int k = 1; k <= 6; ++k)
            HLine(dc, g.left, g.right, g.top + k * ch - 1, line);
        for (int k = 0; k <= 7 + wk; ++k)
            VLine(dc, g.left - 1 + k * cw, g.top, g.bottom, line);
    } else if ((o.gridLineStyle == 4 || o.gridLineStyle == 5) && wk) {
        VLine(dc, g.left + cw - 1, g.top, lastWeekBottom, Color(kCalColorWeekSeparator));
    }
}

void CCalendarPainter::PaintButtons(HDC dc, const CalendarBlock& b)
{
    const CalendarOptions& o = m_model.options;
    CSelect font(dc, m_fonts.fonts[CalendarFonts::kBase]);
    auto button = [&](bool shown, const RECT& r, const std::wstring& text) {
        if (!shown || IsRectEmpty(&r))
            return;
        FillSolid(dc, r, Color(kCalColorButtonFill));
        FrameSolid(dc, r, Color(kCalColorButtonFrame));
        SetTextColor(dc, Color(kCalColorButtonText));
        DrawCalendarText(dc, text, r);
    };
    button(o.buttonYear, b.buttonYear, m_model.Texts().year);
    button(o.buttonMonth, b.buttonMonth, m_model.Texts().month);
    button(o.buttonToday, b.buttonToday, m_model.Texts().today);
}

} // namespace rkcc
