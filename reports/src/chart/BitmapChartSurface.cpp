// The chart surface on a memory device context.
#include "chart/BitmapChartSurface.h"

#include "WideCopy.h"

#include <algorithm>

CBitmapChartSurface::CBitmapChartSurface(HDC dc, const std::wstring& faceName)
    : m_dc(dc), m_face(faceName.substr(0, LF_FACESIZE - 1))
{
    m_originalFont = GetCurrentObject(m_dc, OBJ_FONT);
    m_originalPen = GetCurrentObject(m_dc, OBJ_PEN);
    SetBkMode(m_dc, TRANSPARENT);
}

CBitmapChartSurface::~CBitmapChartSurface()
{
    // Our objects leave the context before they are deleted.
    Flush();
    SelectObject(m_dc, m_originalFont);
    SelectObject(m_dc, m_originalPen);
    for (const Pen& pen : m_pens)
        DeleteObject(pen.pen);
    FreeFonts();
}

void CBitmapChartSurface::Flush()
{
    if (m_lineCounts.empty())
        return;
    PolyPolyline(m_dc, m_linePoints.data(), m_lineCounts.data(), static_cast<DWORD>(m_lineCounts.size()));
    m_linePoints.clear();
    m_lineCounts.clear();
}

void CBitmapChartSurface::FreeFonts()
{
    for (HFONT& font : m_fonts) {
        if (font)
            DeleteObject(font);
        font = nullptr;
    }
}

HFONT CBitmapChartSurface::MakeFont(int height, bool bold) const
{
    LOGFONTW lf{};
    lf.lfHeight = -std::max(1, height);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    wstr::CopyTo(lf.lfFaceName, m_face); // cut to 31 characters and the terminator
    HFONT font = CreateFontIndirectW(&lf);
    if (!font) {
        LOGFONTW stock{};
        GetObjectW(GetStockObject(ANSI_VAR_FONT), sizeof(stock), &stock);
        font = CreateFontIndirectW(&stock);
    }
    return font;
}

void CBitmapChartSurface::CreateFonts(const ChartFontHeights& heights)
{
    Flush();
    SelectObject(m_dc, m_originalFont);
    m_selectedFont = nullptr;
    FreeFonts();
    m_fonts[kTimeBar] = MakeFont(heights.timeBar, false);
    m_fonts[kTimeBarBold] = MakeFont(heights.timeBar, true);
    m_fonts[kTimeBarSmall] = MakeFont(heights.timeBarSmall, false);
    m_fonts[kLabel] = MakeFont(heights.label, false);
    m_fonts[kLabelBold] = MakeFont(heights.label, true);
    m_fonts[kTask] = MakeFont(heights.task, false);
    m_fonts[kTaskBold] = MakeFont(heights.task, true);
}

void CBitmapChartSurface::UseFont(Font font)
{
    const HGDIOBJ wanted = m_fonts[font] ? static_cast<HGDIOBJ>(m_fonts[font]) : GetStockObject(ANSI_VAR_FONT);
    if (wanted == m_selectedFont)
        return;
    SelectObject(m_dc, wanted);
    m_selectedFont = wanted;
}

void CBitmapChartSurface::UsePen(int width, ChartColor colour)
{
    colour &= 0xFFFFFFu;
    HPEN pen = nullptr;
    for (const Pen& made : m_pens) {
        if (made.width == width && made.colour == colour)
            pen = made.pen;
    }
    if (!pen) {
        pen = CreatePen(PS_SOLID, width, colour);
        if (!pen)
            return;
        m_pens.push_back({width, colour, pen});
    }
    if (pen == m_selectedPen)
        return;
    Flush();
    SelectObject(m_dc, pen);
    m_selectedPen = pen;
}

int CBitmapChartSurface::TextHeight(Font font)
{
    UseFont(font);
    TEXTMETRICW tm{};
    GetTextMetricsW(m_dc, &tm);
    return tm.tmHeight;
}

RECT CBitmapChartSurface::GetClipRect()
{
    RECT box{};
    if (GetClipBox(m_dc, &box) == ERROR)
        return RECT{0, 0, 0, 0};
    return box;
}

void CBitmapChartSurface::FillRect(const RECT& rect, const RECT& clip, ChartColor colour)
{
    const RECT r = IntersectRects(rect, clip);
    if (IsEmptyRect(r))
        return;
    Flush();
    SetDCBrushColor(m_dc, colour & 0xFFFFFFu);
    ::FillRect(m_dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

int CBitmapChartSurface::GetTextWidth(const std::wstring& text)
{
    SIZE size{};
    GetTextExtentPoint32W(m_dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void CBitmapChartSurface::DrawText(const std::wstring& text, const RECT& rect, const RECT& clip, int align,
                                   bool keepStart)
{
    if (text.empty() || IsEmptyRect(rect) || IsEmptyRect(clip))
        return;
    SIZE size{};
    GetTextExtentPoint32W(m_dc, text.c_str(), static_cast<int>(text.size()), &size);
    int x = rect.left;
    if (align == 1)
        x = rect.left + (rect.right - rect.left) / 2 - size.cx / 2;
    else if (align == 2)
        x = rect.right - size.cx;
    if (keepStart)
        x = std::max<int>(x, rect.left);
    const int y = rect.top + (rect.bottom - rect.top) / 2 - size.cy / 2;
    Flush();
    ExtTextOutW(m_dc, x, y, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void CBitmapChartSurface::DrawLine(int x1, int y1, int x2, int y2)
{
    // Each line a polyline of its own: the same pixels as MoveToEx and LineTo.
    m_linePoints.push_back({x1, y1});
    m_linePoints.push_back({x2, y2});
    m_lineCounts.push_back(2);
    if (m_lineCounts.size() >= 4096)
        Flush();
}

void CBitmapChartSurface::SetTextColor(ChartColor colour)
{
    ::SetTextColor(m_dc, colour & 0xFFFFFFu);
}

void CBitmapChartSurface::SelectTimeBarFont(int kind)
{
    UseFont(kind == kTimeBarFontBold ? kTimeBarBold : (kind == kTimeBarFontSmall ? kTimeBarSmall : kTimeBar));
    ::SetTextColor(m_dc, 0);
}

void CBitmapChartSurface::SelectLabelFont(ChartColor colour, bool bold)
{
    UseFont(bold ? kLabelBold : kLabel);
    ::SetTextColor(m_dc, colour & 0xFFFFFFu);
}

void CBitmapChartSurface::SelectTaskFont(bool bold)
{
    UseFont(bold ? kTaskBold : kTask);
}

void CBitmapChartSurface::GetTimeBarFontHeights(int& normal, int& small)
{
    normal = TextHeight(kTimeBarBold);
    small = TextHeight(kTimeBarSmall);
}

int CBitmapChartSurface::GetLabelFontHeight()
{
    return TextHeight(kLabelBold);
}

int CBitmapChartSurface::GetTaskFontHeight()
{
    return TextHeight(kTaskBold);
}

void CBitmapChartSurface::SelectGridPen(int kind)
{
    switch (kind) {
    case kPenVerticalGrid:
        UsePen(1, PenColors.vertical);
        break;
    case kPenMainVerticalGrid:
        UsePen(1, PenColors.verticalMain);
        break;
    case kPenHorizontalGrid:
        UsePen(1, PenColors.horizontal);
        break;
    default:
        UsePen(1, PenColors.taskFrame);
        break;
    }
}

void CBitmapChartSurface::SelectLinePen(bool thick)
{
    UsePen(thick ? 2 : 1, 0);
}
