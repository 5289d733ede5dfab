#pragma once
// CRecordingSurface: a chart surface that draws nothing and keeps what the chart asked of it, so
// a test reads the drawing as lists: each text with where it begins and what of it the clip lets
// show, each line with the pen it was drawn with, each fill with its colour. Texts are 7 units a
// character; the time-bar fonts are 10 units high (the small one 8), the label and task fonts 10.

#include "chart/DrawBase.h"
#include "chart/TimeBar.h"

#include <string>
#include <vector>

class CRecordingSurface : public CDrawBase {
public:
    static constexpr int kCharWidth = 7;
    // The pens of SelectLinePen; the grid pens keep their GridPen kinds.
    static constexpr int kLinePen = 10;
    static constexpr int kThickLinePen = 11;

    struct Text {
        std::wstring text;
        RECT rect;
        int x = 0;            // where the text begins
        int shownLeft = 0;    // the part of it that the clip shows
        int shownRight = 0;
        int font = -1;        // the time-bar font kind, -1 for other fonts
    };
    struct Line {
        ChartLine line;
        int pen = 0;
    };
    struct Fill {
        RECT rect; // already cut to the clip
        ChartColor colour = 0;
    };

    RECT GetClipRect() override { return Clip; }
    void FillRect(const RECT& rect, const RECT& clip, ChartColor colour) override;
    int GetTextWidth(const std::wstring& text) override;
    void DrawText(const std::wstring& text, const RECT& rect, const RECT& clip, int align, bool keepStart) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void SetTextColor(ChartColor) override {}
    void CreateFonts(const ChartFontHeights&) override {}
    void SelectTimeBarFont(int kind) override { m_font = kind; }
    void SelectLabelFont(ChartColor, bool) override { m_font = -1; }
    void SelectTaskFont(bool) override { m_font = -1; }
    void GetTimeBarFontHeights(int& normal, int& small) override;
    int GetLabelFontHeight() override { return 10; }
    int GetTaskFontHeight() override { return 10; }
    void SelectGridPen(int kind) override { m_pen = kind; }
    int GetLineWidth(bool thick) override { return thick ? 2 : 1; }
    void SelectLinePen(bool thick) override { m_pen = thick ? kThickLinePen : kLinePen; }

    // The texts of one band of y [top, bottom) that show at least in part.
    std::vector<Text> TextsIn(int top, int bottom) const;
    // The vertical grid-pen lines that end at `bottom` and begin at or below `top`: a time-bar
    // row's ticks, as {x, length}, from left to right.
    std::vector<std::pair<int, int>> TicksOf(int top, int bottom) const;

    RECT Clip{0, 0, 0, 0}; // what GetClipRect answers; empty means everything
    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Fill> fills;

private:
    int m_font = 0;
    int m_pen = 0;
};
