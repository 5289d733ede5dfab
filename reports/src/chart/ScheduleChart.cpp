// The schedule chart: settings, metrics and drawing of its pieces.
#include "chart/ScheduleChart.h"

#include "plugin/PluginState.h"

#include "wqv2_data.h"

#include <algorithm>

namespace {

int RoundPercent(long long value, int percent)
{
    const long long v = value * percent;
    return static_cast<int>(std::clamp<long long>((v + 50) / 100, 0, INT_MAX));
}

} // namespace

CScheduleChart::CScheduleChart()
{
    Labels.RowFactor = 150;
    Labels.Background = kNoColor;
    Labels.HorizontalLines = true;
    Tasks.BarHeightFactor = 150;
    Tasks.BarShare = 80;
    Tasks.LinesPerBar = 1;
    Tasks.MinorVerticalLines = Tasks.MainVerticalLines = Tasks.HorizontalLines = true;
    Tasks.HitMargin = 0;
}

void CScheduleChart::LoadViewSettings()
{
    TimeBar.LoadTimeBarSettings();
    Labels.LoadLabelSettings();
    wqv2_data::CData* root = GetDataRoot();
    if (root && root->ProjectSettings) {
        const wqv2_data::CProjectSettings& project = *root->ProjectSettings;
        Scale = SanitizeScale({project.Scale[wqv2_data::kScaleUnit], project.Scale[wqv2_data::kScaleCount]});
        Period.dailyFrom = ((project.TimeStart % 1440) + 1440) % 1440;
        Period.dailyTo = ((project.TimeEnd % 1440) + 1440) % 1440;
        for (size_t i = 0; i < 7; ++i)
            Period.weekdays[i] = project.VisibleWeekdays[i];
    } else {
        Scale = SanitizeScale(Scale);
    }
}

void CScheduleChart::SetPeriod(const TDateTime& start, const TDateTime& end)
{
    Period.start = start;
    Period.end = end;
    m_columns = ColumnCountOfPeriod(Scale, start, end, Period.dailyFrom, Period.dailyTo, Period.weekdays.data());
}

void CScheduleChart::CutColumns(int columns)
{
    columns = std::max(0, columns);
    if (columns >= m_columns)
        return;
    Period.end = ColumnsEnd(Scale, Period.start, columns, Period.dailyFrom, Period.dailyTo, Period.weekdays.data());
    m_columns = columns;
}

void CScheduleChart::Layout(CDrawBase& dc, const ChartSizes& sizes)
{
    ChartFontHeights fonts;
    fonts.timeBar = RoundPercent(sizes.timeBarFontHeight, sizes.scaleHeight);
    fonts.timeBarSmall = RoundPercent(fonts.timeBar, TimeBar.SmallFontFactor);
    fonts.label = RoundPercent(sizes.labelFontHeight, sizes.scaleHeight);
    fonts.task = RoundPercent(sizes.taskFontHeight, sizes.scaleHeight);
    dc.CreateFonts(fonts);
    dc.PenColors = {TimeBar.GridVertical, TimeBar.GridVerticalMain, TimeBar.GridHorizontal, TimeBar.TaskFrame};

    TimeBar.TextIndent = sizes.timeBarIndent;
    TimeBar.ComputeRowHeights(dc);
    TimeBar.ColumnWidthBase = sizes.columnWidth;
    TimeBar.MinimumColumnWidth = sizes.columnWidthMin;
    TimeBar.ScaleAll = 100;
    TimeBar.ScaleWidth = sizes.scaleWidth;
    TimeBar.ScaleHeight = sizes.scaleHeight;
    TimeBar.ComputeColumnWidth(Scale.Unit);
    Tasks.ColumnWidth = TimeBar.ColumnWidth;

    Labels.TextIndent = sizes.labelIndent;
    Labels.ComputeLabelRowHeight(dc);
    Tasks.TextIndent = sizes.taskIndent;
    Tasks.MinimumTaskWidth = sizes.taskWidthMin;
    Tasks.ComputeTaskRowHeight(dc);
    m_rowHeight = std::max({Tasks.TaskRowHeight, Labels.LabelRowHeight, 1});
    Labels.RowHeight = Tasks.RowHeight = m_rowHeight;
    m_nameColumnWidth = std::max(0, sizes.nameColumnWidth);
}

void CScheduleChart::BuildRows(bool skipEmpty)
{
    Rows.MinimumBarWidth = Tasks.MinimumTaskWidth;
    Rows.Build(Period, ColumnUnitOf(Scale), TimeBar.ColumnWidth);
    if (skipEmpty)
        Rows.RemoveEmptyItems();
}

int CScheduleChart::GetPieceWidth(int columns) const
{
    const long long w = m_nameColumnWidth + static_cast<long long>(std::max(0, columns)) * TimeBar.ColumnWidth;
    return static_cast<int>(std::min<long long>(w, INT_MAX));
}

void CScheduleChart::DrawPiece(CDrawBase& dc, const ChartPiece& piece)
{
    const int name = m_nameColumnWidth;
    const int right = GetPieceWidth(piece.columnCount);
    const int barHeight = piece.withTimeBar ? GetTimeBarHeight() : 0;
    const int rowsTop = piece.top + barHeight;
    const int rowsBottom = rowsTop + std::max(0, piece.rowCount) * m_rowHeight;
    const bool* mask = Period.weekdays.data();
    if (piece.withTimeBar)
        TimeBar.DrawTimeBar(dc, Scale, Period.start, Period.dailyFrom, Period.dailyTo, mask, piece.firstColumn,
                            piece.columnCount, RECT{name, piece.top, right, rowsTop});
    const RECT clip = dc.GetClipRect();

    // Label column.
    std::vector<ChartLine> lines;
    const RECT labelArea{0, rowsTop, name, rowsBottom};
    std::vector<const CResourceItem*> itemsPerRow;
    for (int k = 0; k < piece.rowCount; ++k) {
        const int top = rowsTop + k * m_rowHeight;
        const int row = piece.firstRow + k;
        Labels.DrawLabelRow(dc, row, Rows, lines, RECT{0, top, name, top + m_rowHeight - 1}, labelArea);
        std::vector<const CResourceItem*> found;
        Rows.GetItemsInRows(row, row, found);
        itemsPerRow.push_back(found.empty() ? nullptr : found.front());
    }
    dc.SelectGridPen(kPenHorizontalGrid);
    DrawLines(dc, lines, labelArea);

    // Task area.
    if (piece.columnCount > 0) {
        const RECT chart{name, rowsTop, right, rowsBottom};
        const ChartStrip strip{Scale, &Period, piece.firstColumn, piece.columnCount};
        Tasks.DrawScheduleBackground(dc, TimeBar.ScheduleBackground, strip, itemsPerRow, TimeBar, clip, chart);
        std::vector<ChartLine> minor, major;
        Tasks.CollectVerticalGridLines(TimeBar, strip, minor, major, name, rowsTop, rowsBottom);
        dc.SelectGridPen(kPenVerticalGrid);
        DrawLines(dc, minor, chart);
        dc.SelectGridPen(kPenMainVerticalGrid);
        DrawLines(dc, major, chart);
        std::vector<ChartLine> horizontal;
        Tasks.DrawTaskBars(dc, piece.firstColumn, piece.firstRow, piece.rowCount, Rows, horizontal, clip, chart);
        dc.SelectGridPen(kPenHorizontalGrid);
        DrawLines(dc, horizontal, chart);
    }
    DrawFrame(dc, piece, rowsTop, rowsBottom, right);
    dc.Flush();
}

void CScheduleChart::DrawFrame(CDrawBase& dc, const ChartPiece& piece, int rowsTop, int rowsBottom, int right)
{
    const int name = m_nameColumnWidth;
    const int thick = dc.GetLineWidth(true);
    if (piece.frame == ChartPiece::kPictureFrame) {
        dc.SelectLinePen(true);
        dc.DrawLine(name, piece.top, name, rowsBottom);
        if (piece.withTimeBar)
            dc.DrawLine(0, rowsTop - thick / 2, name - 1, rowsTop - thick / 2);
        dc.SelectLinePen(false);
        if (piece.withTimeBar)
            dc.DrawLine(0, piece.top, right - 1, piece.top);
        dc.DrawLine(0, piece.top, 0, rowsBottom);
        dc.DrawLine(right - 1, piece.top, right - 1, rowsBottom);
        return;
    }
    dc.SelectLinePen(false);
    dc.DrawLine(0, piece.top, right, piece.top);
    dc.DrawLine(right, piece.top, right, rowsBottom);
    dc.DrawLine(right, rowsBottom, 0, rowsBottom);
    dc.DrawLine(0, rowsBottom, 0, piece.top);
    dc.SelectLinePen(true);
    dc.DrawLine(0, rowsTop - thick / 2, name, rowsTop - thick / 2);
    dc.DrawLine(name, piece.top, name, rowsBottom);
}
