#pragma once
// CScheduleChart: the schedule chart as the report's outputs draw it: the period in visible
// time, the time bar, label column and task area with their settings, the metrics of one
// output and its rows, and the drawing of one piece (a picture tile or a printed strip)
// through a CDrawBase surface. The report's output object owns one for a run.
//
// Calling order: LoadViewSettings; SetPeriod (and CutColumns); Layout; BuildRows; then
// DrawPiece for every tile or page record (ChartPages.h).

#include "chart/LabelColumn.h"
#include "chart/TaskArea.h"

// An output's sizes before scaling, in its drawing units (pixels, or tenths of a millimetre
// with engine font sizes); the percentages scale widths and heights.
struct ChartSizes {
    int timeBarFontHeight = 14;
    int timeBarIndent = 2;
    int columnWidthMin = 3;
    int columnWidth = 30;
    int nameColumnWidth = 150;
    int labelFontHeight = 15;
    int labelIndent = 5;
    int taskFontHeight = 14;
    int taskIndent = 3;
    int taskWidthMin = 1;
    int scaleWidth = 100;
    int scaleHeight = 100;

    static ChartSizes Html() { return {}; }
    static ChartSizes Print() { return {100, 5, 3, 60, 400, 110, 10, 95, 5, 5, 100, 100}; }
};

// One piece of the chart: columns and rows drawn with the label column at x 0 and the piece's
// top at `top` (the time bar's top when it has one, else the first row's).
struct ChartPiece {
    enum Frame { kPictureFrame, kPageFrame };
    int firstColumn = 0;
    int columnCount = 0;
    int firstRow = 0;
    int rowCount = 0;
    int top = 0;
    bool withTimeBar = true;
    Frame frame = kPictureFrame;
};

class CScheduleChart {
public:
    CScheduleChart();

    // The view colours, time-bar and label settings, and the project's scale, daily window and
    // visible weekdays (sanitised).
    void LoadViewSettings();
    // The period [start, end) and its column count (0 for an empty or inverted period).
    void SetPeriod(const TDateTime& start, const TDateTime& end);
    // Keeps the first `columns` columns; the period then ends with the last of them.
    void CutColumns(int columns);
    // Fonts of the surface, column width, time-bar rows and row height for one output.
    void Layout(CDrawBase& dc, const ChartSizes& sizes);
    // The rows of the report filter's resources; without the empty ones when asked.
    void BuildRows(bool skipEmpty);

    void DrawPiece(CDrawBase& dc, const ChartPiece& piece);

    int GetColumnCount() const { return m_columns; }
    int GetColumnWidth() const { return TimeBar.ColumnWidth; }
    int GetTimeBarHeight() const { return TimeBar.GetTimeBarHeight(Scale); }
    int GetRowHeight() const { return m_rowHeight; }
    int GetRowCount() const { return Rows.GetRowCount(); }
    int GetNameColumnWidth() const { return m_nameColumnWidth; }
    // Width of a piece of `columns` columns with the label column.
    int GetPieceWidth(int columns) const;

    ScaleStep Scale{kUnitDays, 1};
    ChartPeriod Period;
    CTimeBarBase TimeBar;
    CLabelBase Labels;
    CTaskBase Tasks;
    CVisibleTasks Rows;

private:
    void DrawFrame(CDrawBase& dc, const ChartPiece& piece, int rowsTop, int rowsBottom, int right);

    int m_columns = 0;
    int m_rowHeight = 1;
    int m_nameColumnWidth = 0;
};
