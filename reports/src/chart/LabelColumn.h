#pragma once
// CLabelBase: the label column of the schedule chart: one row per lane of each resource, filled
// with the resource's label colour and showing its name (GetLabelText of the surface), with a
// grid line under each resource's last lane. The chart (ScheduleChart.h) owns one.

#include "chart/TimeBar.h"
#include "chart/VisibleTasks.h"

class CLabelBase {
public:
    // Row factor, background and grid lines to their defaults, then ViewLabel* settings.
    void LoadLabelSettings();
    // LabelRowHeight from the surface's label font.
    void ComputeLabelRowHeight(CDrawBase& dc);
    // Label row `row` in `rect` (bottom = top + row height - 1); a fill reaching one unit lower
    // is cut to `clip`. The grid line under a resource's last lane joins `lines`. False when the
    // row does not exist.
    bool DrawLabelRow(CDrawBase& dc, int row, const CVisibleTasks& rows, std::vector<ChartLine>& lines, const RECT& rect,
                      const RECT& clip) const;

    int RowHeight = 1;               // shared with the task area
    int LabelRowHeight = 1;
    int RowFactor = 150;             // ViewLabelRowFactor, percent
    ChartColor Background = kNoColor; // ViewLabelBkColorResource
    bool HorizontalLines = true;     // ViewLabelGridLinesHorizontal
    int TextIndent = 0;              // the owner's, drawing units
};
