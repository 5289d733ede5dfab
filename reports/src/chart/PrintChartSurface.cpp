// The chart surface on print-engine pages.
#include "chart/PrintChartSurface.h"

#include "fw/Resources.h"
#include "QV2ResVReportIds.h"

CPrintChartSurface::CPrintChartSurface(CRKPrintEngine2* engine, int penStandard, int penThick)
    : m_engine(engine), m_penStandard(penStandard), m_penThick(penThick), m_penWidth(penStandard)
{
}

void CPrintChartSurface::FillRect(const RECT& rect, const RECT& clip, ChartColor colour)
{
    const RECT r = IntersectRects(rect, clip);
    if (IsEmptyRect(r) || !m_engine)
        return;
    m_engine->SetBrush(colour & 0xFFFFFFu, 0); // filled without outline
    m_engine->BrushHatch = 0;
    m_engine->DrawRectangle(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

int CPrintChartSurface::GetTextWidth(const std::wstring& text)
{
    int width = 0, height = 0;
    if (m_engine)
        m_engine->MeasureText(&width, &height, text.c_str());
    return width;
}

void CPrintChartSurface::DrawText(const std::wstring& text, const RECT& rect, const RECT& clip, int align,
                                  bool keepStart)
{
    if (text.empty() || IsEmptyRect(rect) || IsEmptyRect(clip) || !m_engine)
        return;
    ClippedTextRecord record{text.c_str(), rect.left, rect.top, rect.right, rect.bottom,
                             clip.left, clip.top, clip.right, clip.bottom, keepStart ? 1 : 0};
    // Vertically centred: 3 left, 4 centred, 5 right.
    m_engine->TextAlignment = 3 + (align == 1 ? 1 : (align == 2 ? 2 : 0));
    m_engine->DrawText(reinterpret_cast<const wchar_t*>(&record), RKPE_CLIPPED_TEXT_X, RKPE_CLIPPED_TEXT_Y);
}

void CPrintChartSurface::DrawLine(int x1, int y1, int x2, int y2)
{
    if (!m_engine)
        return;
    m_engine->SetPen(m_penWidth, m_penColour);
    m_engine->DrawLine(x1, y1, x2, y2);
}

void CPrintChartSurface::SetTextColor(ChartColor colour)
{
    if (m_engine)
        m_engine->TextColor = colour & 0xFFFFFFu;
}

void CPrintChartSurface::UseFont(int size, bool bold, ChartColor colour)
{
    if (!m_engine)
        return;
    m_engine->FontSize = static_cast<short>(std::max(1, std::min(size, 32767)));
    m_engine->FontBold = bold ? 1 : 0;
    m_engine->FontItalic = 0;
    m_engine->FontUnderline = 0;
    m_engine->FontStrikeOut = 0;
    m_engine->TextColor = colour & 0xFFFFFFu;
}

int CPrintChartSurface::TextHeight(int size, bool bold)
{
    UseFont(size, bold, 0);
    int width = 0, height = 0;
    if (m_engine)
        m_engine->MeasureText(&width, &height, L"");
    return height;
}

void CPrintChartSurface::SelectTimeBarFont(int kind)
{
    UseFont(kind == kTimeBarFontSmall ? m_sizes.timeBarSmall : m_sizes.timeBar, kind == kTimeBarFontBold, 0);
}

void CPrintChartSurface::SelectLabelFont(ChartColor colour, bool bold)
{
    UseFont(m_sizes.label, bold, colour);
}

void CPrintChartSurface::SelectTaskFont(bool bold)
{
    UseFont(m_sizes.task, bold, 0);
}

void CPrintChartSurface::GetTimeBarFontHeights(int& normal, int& small)
{
    normal = TextHeight(m_sizes.timeBar, true);
    small = TextHeight(m_sizes.timeBarSmall, false);
}

int CPrintChartSurface::GetLabelFontHeight()
{
    return TextHeight(m_sizes.label, true);
}

int CPrintChartSurface::GetTaskFontHeight()
{
    return TextHeight(m_sizes.task, true);
}

void CPrintChartSurface::SelectGridPen(int kind)
{
    m_penWidth = m_penStandard;
    switch (kind) {
    case kPenVerticalGrid:
        m_penColour = PenColors.vertical;
        break;
    case kPenMainVerticalGrid:
        m_penColour = PenColors.verticalMain;
        break;
    case kPenHorizontalGrid:
        m_penColour = PenColors.horizontal;
        break;
    default:
        m_penColour = PenColors.taskFrame;
        break;
    }
}

void CPrintChartSurface::SelectLinePen(bool thick)
{
    m_penWidth = thick ? m_penThick : m_penStandard;
    m_penColour = 0;
}

std::wstring CPrintChartSurface::GetLabelText(const wchar_t* name, const RECT& row, int rowIndex, int lane)
{
    if (lane > 0 && name && row.top == FirstRowTop)
        return std::wstring(name) + fw::LoadResString(IDS_REPORT_CONTINUED);
    return CDrawBase::GetLabelText(name, row, rowIndex, lane);
}
