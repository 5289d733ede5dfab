#pragma once
// CTimeBarBase: the time bar of the schedule chart: its View* settings, the column width and row
// heights, the rows (scale step at the bottom, coarser units above), the cells and captions of
// each row and their drawing over a strip of columns. It carries the chart's view colours as
// its base. The chart (ScheduleChart.h) owns one and draws it through a CDrawBase surface.

#include "chart/DrawBase.h"
#include "chart/VisibleSteps.h"

#include <string>
#include <vector>

// A line from (x1, y1) to (x2, y2).
struct ChartLine {
    int x1, y1, x2, y2;
};

// A cell of a time-bar row: its first visible moment, and where it starts and how long it lasts
// in visible minutes, counted from the start of the period's first column. A cell may begin and
// end inside a column: a period need not start on a boundary of the row's unit.
struct TimeBarCell {
    TDateTime start;
    long long at = 0;
    long long length = 0;
};

// Draws each line cut to clip (lines wholly outside are left out).
void DrawLines(CDrawBase& dc, const std::vector<ChartLine>& lines, const RECT& clip);

class CTimeBarBase : public CQV2ColorHelper {
public:
    CTimeBarBase();

    // View colours, then the time-bar settings (and the week settings the rows need).
    void LoadTimeBarSettings();
    // Column width from the base width: the week or month factor for those scales, then the
    // owner's scales; at least the minimum width and 1. The base itself is kept.
    void ComputeColumnWidth(int scaleUnit);
    // Row heights from the surface's time-bar font heights.
    void ComputeRowHeights(CDrawBase& dc);
    int GetTimeBarHeight(ScaleStep scale) const;
    int GetRowHeight(ScaleStep rowStep, int index) const;

    // The column unit and the rows (row 0, the scale, at the bottom); returns the row count.
    int GetTimeBarRows(ScaleStep scale, ScaleStep& columnUnit, std::vector<ScaleStep>& rows) const;
    static ScaleStep GetMajorTickUnit(ScaleStep step);
    bool IsWeekNumberShown() const { return WeekNumberSetting && FirstDayOfWeek == 0; }
    // Appends the cells of a row over columns [firstColumn, firstColumn + columnCount): one per
    // column for the row of the column unit, else one per unit of the row that has visible time;
    // the first may begin left of the strip. Returns the size of `cells`.
    int ComputeCells(const TDateTime& periodStart, const bool* mask, int from, int to, int firstColumn,
                     int columnCount, ScaleStep columnUnit, ScaleStep rowStep, std::vector<TimeBarCell>& cells) const;
    // The caption of a cell (one or two lines); false when there is none.
    bool FormatCellCaption(const TDateTime& start, int rowIndex, ScaleStep step, bool majorPass, std::wstring& text1,
                           std::wstring& text2) const;
    // The time bar of columns [firstColumn, firstColumn + columnCount) in rect.
    void DrawTimeBar(CDrawBase& dc, ScaleStep scale, const TDateTime& periodStart, int from, int to, const bool* mask,
                     int firstColumn, int columnCount, const RECT& rect);
    // The locale's full name of weekday `index` (0 Monday; taken modulo 7).
    static std::wstring GetWeekdayName(int index);

    int MinorRowHeight = 1;
    int DayRowHeight = 1;
    int MajorRowHeight = 1;
    int ColumnWidth = 1;
    bool WeekdayColorsInBar = true;   // ViewTimebarBkColorShowWeekdays
    bool MonthColorsInBar = false;    // ViewTimebarBkColorShowMonths
    int WeekWidthFactor = 50;         // ViewScheduleColumnWidthWeekFactor, percent
    int MonthWidthFactor = 20;        // ViewScheduleColumnWidthMonthFactor, percent
    ChartColor RowBackground = kNoColor; // ViewTimebarBkColorDefault
    int RowFactor = 150;              // ViewTimebarRowFactor, percent
    int MajorRowFactor = 125;         // ViewTimebarRowFactorMajor, percent
    int SmallFontFactor = 85;         // ViewTimebarFontHeightFactor2, percent
    int TextIndent = 0;               // the owner's, drawing units
    int MinimumColumnWidth = 1;       // the owner's
    int ColumnWidthBase = 1;          // the owner's, never changed here
    int ScaleAll = 100, ScaleWidth = 100, ScaleHeight = 100; // the owner's percentages
    bool WeekNumberSetting = true;    // ViewTimebarShowWeekNumber
    int FirstDayOfWeek = 0;           // ViewFirstDayOfWeek, 0 Monday .. 6 Sunday

private:
    struct RowDrawing;
    void DrawRow(CDrawBase& dc, const RowDrawing& row, ScaleStep step, int index);
    void DrawCells(CDrawBase& dc, const RowDrawing& row, ScaleStep step, int index, bool withTexts, bool majorPass);
};
