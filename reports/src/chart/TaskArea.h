#pragma once
// CTaskBase: the task area of the schedule chart: its background (day colours, the resources'
// colours and their calendars' non-working time), the vertical grid lines, and the task bars
// with their texts, frames and recurrence marks. The chart (ScheduleChart.h) owns one and
// sets its geometry; it draws through a CDrawBase surface.

#include "chart/TimeBar.h"
#include "chart/VisibleTasks.h"

// Where a strip of the chart lies: its columns and the visible time they show.
struct ChartStrip {
    ScaleStep scale;           // the chart's scale (sanitised)
    const ChartPeriod* period = nullptr; // not owned
    int firstColumn = 0;
    int columnCount = 0;
};

class CTaskBase {
public:
    // Bar height and task row height from the surface's task font.
    void ComputeTaskRowHeight(CDrawBase& dc);
    // Background of the rows in `itemsPerRow` (one item per strip row, from chartRect's top); the
    // time bar gives the day colours and the day cells they fill.
    void DrawScheduleBackground(CDrawBase& dc, ChartColor background, const ChartStrip& strip,
                                const std::vector<const CResourceItem*>& itemsPerRow, const CTimeBarBase& timeBar,
                                const RECT& clip, const RECT& chartRect) const;
    // Grid lines at every column (minor, for scales of days or finer) and at the cells of the
    // main time-bar row; none when the project hides vertical grid lines.
    void CollectVerticalGridLines(const CTimeBarBase& timeBar, const ChartStrip& strip, std::vector<ChartLine>& minor,
                                  std::vector<ChartLine>& main, int left, int top, int bottom) const;
    // The bars of rows [firstRow, firstRow + rowCount) stacked from chartRect's top; the grid
    // lines under the resources' last lanes join `lines`.
    void DrawTaskBars(CDrawBase& dc, int firstColumn, int firstRow, int rowCount, const CVisibleTasks& rows,
                      std::vector<ChartLine>& lines, const RECT& clip, const RECT& chartRect) const;
    // The bars of one lane in rowRect; xOffset is the chart x of chartLeft.
    void DrawTaskLane(CDrawBase& dc, const CResourceItem& item, int lane, int xOffset, const RECT& clip,
                      const RECT& rowRect, int chartLeft, int chartRight) const;
    // Small squares at the right end of a bar: three for a series occurrence, one for a
    // detached one.
    void DrawRecurrenceMarker(const RECT& rowRect, const RECT& barRect, CDrawBase& dc, bool detached,
                              ChartColor colour) const;

    int RowHeight = 1;          // shared with the label column
    int TaskRowHeight = 1;
    int BarHeight = 1;
    int ColumnWidth = 1;        // the time bar's
    int BarHeightFactor = 150;  // percent of the task font height
    int BarShare = 80;          // percent of the row the bar lines fill
    int LinesPerBar = 1;
    bool MinorVerticalLines = true;
    bool MainVerticalLines = true;
    bool HorizontalLines = true;
    int TextIndent = 0;         // the owner's, drawing units
    int MinimumTaskWidth = 1;   // the owner's, for the rows
    int HitMargin = 0;
};
