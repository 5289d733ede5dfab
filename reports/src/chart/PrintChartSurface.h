#pragma once
// CPrintChartSurface: the chart surface on pages of the print engine, in tenths of a
// millimetre; drawing calls go to the engine's current page. Fonts are engine font sizes
// (tenths of a point) and the face is the engine's. The engine belongs to the caller.

#include "chart/DrawBase.h"

#include "RKPrintEngine2.h"

#include <climits>

class CPrintChartSurface : public CDrawBase {
public:
    CPrintChartSurface(CRKPrintEngine2* engine, int penStandard, int penThick);

    void FillRect(const RECT& rect, const RECT& clip, ChartColor colour) override;
    int GetTextWidth(const std::wstring& text) override;
    void DrawText(const std::wstring& text, const RECT& rect, const RECT& clip, int align, bool keepStart) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void SetTextColor(ChartColor colour) override;
    void CreateFonts(const ChartFontHeights& heights) override { m_sizes = heights; }
    void SelectTimeBarFont(int kind) override;
    void SelectLabelFont(ChartColor colour, bool bold) override;
    void SelectTaskFont(bool bold) override;
    void GetTimeBarFontHeights(int& normal, int& small) override;
    int GetLabelFontHeight() override;
    int GetTaskFontHeight() override;
    void SelectGridPen(int kind) override;
    int GetLineWidth(bool thick) override { return thick ? m_penThick : m_penStandard; }
    void SelectLinePen(bool thick) override;
    // On the first row of a page a later lane repeats the name with string 9501.
    std::wstring GetLabelText(const wchar_t* name, const RECT& row, int rowIndex, int lane) override;

    int FirstRowTop = INT_MIN; // top of the first row on the page being drawn; set by the owner

private:
    void UseFont(int size, bool bold, ChartColor colour);
    int TextHeight(int size, bool bold);

    CRKPrintEngine2* m_engine; // not owned
    int m_penStandard;
    int m_penThick;
    int m_penWidth = 0;        // the pen lines take; fills use none
    ChartColor m_penColour = 0;
    ChartFontHeights m_sizes;
};
