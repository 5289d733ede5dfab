// The label column of the schedule chart.
#include "chart/LabelColumn.h"

#include "common/ReportSettings.h"

#include <algorithm>

void CLabelBase::LoadLabelSettings()
{
    RowFactor = 150;
    Background = kNoColor;
    HorizontalLines = true;
    RowFactor = GetIntSetting(L"ViewLabelRowFactor", 150);
    Background = GetColourSetting(L"ViewLabelBkColorResource", Background);
    HorizontalLines = GetBoolSetting(L"ViewLabelGridLinesHorizontal", HorizontalLines);
}

void CLabelBase::ComputeLabelRowHeight(CDrawBase& dc)
{
    LabelRowHeight = static_cast<int>(static_cast<long long>(RowFactor) * dc.GetLabelFontHeight() / 100);
}

bool CLabelBase::DrawLabelRow(CDrawBase& dc, int row, const CVisibleTasks& rows, std::vector<ChartLine>& lines,
                              const RECT& rect, const RECT& clip) const
{
    int lane = 0;
    const CResourceItem* item = rows.FindRow(row, lane);
    if (!item || !item->resource)
        return false;
    const bool lastLane = lane == item->laneCount - 1;
    RECT fill = rect;
    // Lanes of one resource join; only the last lane keeps room for its grid line.
    if (!(lastLane && HorizontalLines))
        fill.bottom += 1;
    const wqv2_data::CResource& resource = *item->resource;
    const ChartColor colour = (resource.ColorLabelBk & 0xFFFFFFu) == kNoColor ? Background : resource.ColorLabelBk;
    dc.FillRect(fill, clip, colour);
    dc.SelectLabelFont(resource.ColorFg, resource.FontBold);
    const std::wstring text = dc.GetLabelText(resource.Name, rect, row, lane);
    if (!text.empty())
        dc.DrawText(text, RECT{rect.left + TextIndent, rect.top, rect.right, rect.bottom}, rect, 0, false);
    if (lastLane && HorizontalLines)
        lines.push_back({rect.left, rect.bottom, rect.right, rect.bottom});
    return true;
}
