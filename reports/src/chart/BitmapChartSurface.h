#pragma once
// CBitmapChartSurface: the chart surface on a memory device context, in pixels, for the PNG
// pictures of the HTML output. The caller owns the device context (and the bitmap selected
// into it); the surface owns the fonts and pens it makes and puts the context's own font and
// pen back when it is destroyed; while it lives, it alone selects fonts and pens into the context
// (it remembers which are selected). Lines are drawn in batches: a picture holds millions of them,
// and every GDI call has its cost. Any other operation, and Flush, draws the waiting lines first.

#include "chart/DrawBase.h"

#include <vector>

class CBitmapChartSurface : public CDrawBase {
public:
    // `faceName` is cut to the 31 characters a LOGFONT holds.
    CBitmapChartSurface(HDC dc, const std::wstring& faceName);
    ~CBitmapChartSurface() override;
    CBitmapChartSurface(const CBitmapChartSurface&) = delete;
    CBitmapChartSurface& operator=(const CBitmapChartSurface&) = delete;

    RECT GetClipRect() override;
    void FillRect(const RECT& rect, const RECT& clip, ChartColor colour) override;
    int GetTextWidth(const std::wstring& text) override;
    void DrawText(const std::wstring& text, const RECT& rect, const RECT& clip, int align, bool keepStart) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void SetTextColor(ChartColor colour) override;
    void CreateFonts(const ChartFontHeights& heights) override;
    void SelectTimeBarFont(int kind) override;
    void SelectLabelFont(ChartColor colour, bool bold) override;
    void SelectTaskFont(bool bold) override;
    void GetTimeBarFontHeights(int& normal, int& small) override;
    int GetLabelFontHeight() override;
    int GetTaskFontHeight() override;
    void SelectGridPen(int kind) override;
    int GetLineWidth(bool thick) override { return thick ? 2 : 1; }
    void SelectLinePen(bool thick) override;
    // Draws the waiting lines, in their order.
    void Flush() override;

    HDC GetDC() const { return m_dc; }

private:
    enum Font { kTimeBar, kTimeBarBold, kTimeBarSmall, kLabel, kLabelBold, kTask, kTaskBold, kFontCount };
    HFONT MakeFont(int height, bool bold) const;
    void UseFont(Font font);
    void UsePen(int width, ChartColor colour);
    int TextHeight(Font font);
    void FreeFonts();

    // A pen made once for each width and colour the chart uses.
    struct Pen {
        int width;
        ChartColor colour;
        HPEN pen;
    };

    HDC m_dc;                         // not owned
    std::wstring m_face;
    HFONT m_fonts[kFontCount] = {};
    HGDIOBJ m_originalFont = nullptr;
    HGDIOBJ m_originalPen = nullptr;
    std::vector<Pen> m_pens;          // owned
    HGDIOBJ m_selectedPen = nullptr;  // of m_pens, or null before the first
    HGDIOBJ m_selectedFont = nullptr; // of m_fonts or the stock font, or null before the first
    std::vector<POINT> m_linePoints;  // two a line
    std::vector<DWORD> m_lineCounts;  // all 2
};
