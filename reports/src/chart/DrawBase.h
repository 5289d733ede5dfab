#pragma once
// CDrawBase: the drawing surface of the schedule chart. The time bar, the label column and the
// task area draw only through these operations, so one chart drawing serves two targets: a
// memory bitmap in pixels for the HTML pictures (BitmapChartSurface.h) and print-engine pages
// in tenths of a millimetre (PrintChartSurface.h). Rectangles are left, top, right, bottom with
// y growing downward; a clip rectangle bounds what an operation may touch.

#include "chart/ColorHelper.h"

#include <windows.h>

#include <string>

bool IsEmptyRect(const RECT& r);
RECT IntersectRects(const RECT& a, const RECT& b);

// Kinds of SelectGridPen.
enum GridPen : int {
    kPenHorizontalGrid = 0,
    kPenVerticalGrid = 1,
    kPenMainVerticalGrid = 2,
    kPenTaskFrame = 3,
};

// Kinds of SelectTimeBarFont.
enum TimeBarFont : int {
    kTimeBarFontNormal = 0,
    kTimeBarFontBold = 1,
    kTimeBarFontSmall = 2,
};

// The four chart line colours the pens take; the owner copies them from CQV2ColorHelper.
struct ChartPenColors {
    ChartColor vertical = 0xC0C0C0;
    ChartColor verticalMain = 0;
    ChartColor horizontal = 0;
    ChartColor taskFrame = 0;
};

// Heights of the chart's fonts in drawing units of the target.
struct ChartFontHeights {
    int timeBar = 0;
    int timeBarSmall = 0;
    int label = 0;
    int task = 0;
};

class CDrawBase {
public:
    virtual ~CDrawBase() = default;

    // The part of the target that needs drawing; empty means everything.
    virtual RECT GetClipRect() { return RECT{0, 0, 0, 0}; }
    // Fills the intersection of rect and clip; nothing when it is empty.
    virtual void FillRect(const RECT& rect, const RECT& clip, ChartColor colour) = 0;
    virtual int GetTextWidth(const std::wstring& text) = 0;
    // One line vertically centred in rect; align 0 left, 1 centred, 2 right; with keepStart the
    // text never begins left of rect. Clipped to clip.
    virtual void DrawText(const std::wstring& text, const RECT& rect, const RECT& clip, int align, bool keepStart) = 0;
    // A line with the current pen.
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    // The sides of rect that clip leaves whole; the bottom one unit inside.
    virtual void DrawFrame(const RECT& rect, const RECT& clip);
    virtual void SetTextColor(ChartColor colour) = 0;

    // Fonts (made by CreateFonts) and pens of the chart.
    virtual void CreateFonts(const ChartFontHeights& heights) = 0;
    virtual void SelectTimeBarFont(int kind) = 0;
    virtual void SelectLabelFont(ChartColor colour, bool bold) = 0;
    virtual void SelectTaskFont(bool bold) = 0;
    // Text heights of the (bold) time-bar font and the small one, the label and the task font.
    virtual void GetTimeBarFontHeights(int& normal, int& small) = 0;
    virtual int GetLabelFontHeight() = 0;
    virtual int GetTaskFontHeight() = 0;
    // A standard-width pen in the colour of the kind (GridPen).
    virtual void SelectGridPen(int kind) = 0;
    virtual int GetLineWidth(bool thick) = 0;
    // A black pen of standard or thick width.
    virtual void SelectLinePen(bool thick) = 0;
    // Draws what the target still holds back; its pixels are complete after this.
    virtual void Flush() {}

    // The text of a label row: the resource's name on its first lane, nothing on later ones.
    virtual std::wstring GetLabelText(const wchar_t* name, const RECT& row, int rowIndex, int lane);

    ChartPenColors PenColors;
};
