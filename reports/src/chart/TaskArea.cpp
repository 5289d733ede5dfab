// Task bars of the schedule chart.
#include "chart/TaskArea.h"

#include "base/ListedTasks.h"
#include "plugin/PluginState.h"

#include <algorithm>

void CTaskBase::ComputeTaskRowHeight(CDrawBase& dc)
{
    const int h = dc.GetTaskFontHeight();
    BarHeight = static_cast<int>(static_cast<long long>(BarHeightFactor) * h / 100);
    const int share = BarShare <= 0 ? 1 : BarShare;
    TaskRowHeight = static_cast<int>(static_cast<long long>(BarHeight) * LinesPerBar * 100 / share);
}

void CTaskBase::DrawTaskBars(CDrawBase& dc, int firstColumn, int firstRow, int rowCount, const CVisibleTasks& rows,
                             std::vector<ChartLine>& lines, const RECT& clip, const RECT& chartRect) const
{
    const int rowHeight = std::max(1, RowHeight);
    const int xOffset = static_cast<int>(std::clamp<long long>(static_cast<long long>(firstColumn) * ColumnWidth,
                                                               INT_MIN / 2, INT_MAX / 2));
    const bool clipped = !IsEmptyRect(clip);
    for (int k = 0; k < rowCount; ++k) {
        const int top = chartRect.top + k * rowHeight;
        if (clipped && top > clip.bottom)
            break;
        RECT row{chartRect.left, top, chartRect.right, top + rowHeight - 1};
        if (clipped && row.bottom < clip.top)
            continue;
        int lane = 0;
        const CResourceItem* item = rows.FindRow(firstRow + k, lane);
        if (!item)
            break;
        const bool lastLane = lane == item->laneCount - 1;
        const int lineY = row.bottom;
        if (!(lastLane && HorizontalLines))
            row.bottom = std::min<int>(row.bottom + 1, chartRect.bottom);
        DrawTaskLane(dc, *item, lane, xOffset, clip, row, chartRect.left, chartRect.right);
        if (lastLane && HorizontalLines)
            lines.push_back({row.left, lineY, row.right, lineY});
    }
}

void CTaskBase::DrawTaskLane(CDrawBase& dc, const CResourceItem& item, int lane, int xOffset, const RECT& clip,
                             const RECT& rowRect, int chartLeft, int chartRight) const
{
    const int left = chartLeft;
    const int right = chartRight;
    std::vector<const ChartBar*> bars;
    CVisibleTasks::GetBarsInLane(item, bars, lane, xOffset, xOffset + right - left);
    const int block = LinesPerBar * BarHeight;
    const int top = rowRect.top + (rowRect.bottom - rowRect.top - block) / 2;
    const int bottom = top + block;
    wqv2_data::CData* root = GetDataRoot();
    const int orientation = root && root->ProjectSettings ? root->ProjectSettings->TaskTextOrientation : 0;
    const bool clipped = !IsEmptyRect(clip);
    for (const ChartBar* bar : bars) {
        const wqv2_data::CTask& task = *bar->task;
        const int x1 = bar->startX + left - xOffset;
        const int x2 = bar->endX + left - xOffset;
        const RECT hit{x1 - HitMargin, top - HitMargin, x2 + HitMargin, bottom + HitMargin};
        if (clipped && (hit.right < clip.left || hit.left > clip.right))
            continue;
        const RECT barRect{x1, top, std::min(x2, right), bottom};
        dc.FillRect(barRect, rowRect, task.ColorBk);
        const bool series = IsSeriesTemplate(&task);
        const bool detached = task.Owner && task.Recurrence;
        if (series || detached)
            DrawRecurrenceMarker(rowRect, barRect, dc, detached, task.ColorFg);
        if (task.Name && *task.Name) {
            dc.SelectTaskFont(task.FontBold);
            dc.SetTextColor(task.ColorFg);
            RECT text{x1, top, x2, top + BarHeight};
            const RECT textClip{std::max(left, x1), top, std::min(x2, right), bottom};
            int align = 0;
            switch (orientation) {
            case 1:
                text.left = x1 < left ? left : x1 + TextIndent;
                break;
            case 2:
                align = 1;
                break;
            case 3:
                text.right = std::min<int>(text.right, right);
                text.left = std::max<int>(text.left, left);
                align = 1;
                break;
            case 4:
                if (!series)
                    text.right -= TextIndent;
                align = 2;
                break;
            case 5:
                if (x2 > right)
                    text.right = right;
                else if (!series)
                    text.right -= TextIndent;
                align = 2;
                break;
            default:
                text.left += TextIndent;
                break;
            }
            dc.DrawText(task.Name, text, textClip, align, true);
        }
        dc.SelectGridPen(kPenTaskFrame);
        dc.DrawFrame(RECT{x1, top, x2, bottom}, rowRect);
    }
}

void CTaskBase::DrawRecurrenceMarker(const RECT& rowRect, const RECT& barRect, CDrawBase& dc, bool detached,
                                     ChartColor colour) const
{
    const RECT visible = IntersectRects(barRect, rowRect);
    if (IsEmptyRect(visible))
        return;
    const int d = static_cast<int>((barRect.bottom - barRect.top) * 0.1);
    if (d <= 0)
        return;
    const int g = TextIndent / 2;
    const int y = barRect.top + std::max(g, 2);
    int squareRight = barRect.right - g;
    const int squares = detached ? 1 : 3;
    for (int i = 0; i < squares; ++i) {
        const RECT square{std::max<int>(squareRight - d, barRect.left), y, squareRight, y + d};
        if (!IsEmptyRect(square))
            dc.FillRect(square, visible, colour);
        squareRight = square.left - 2 * d / 3;
    }
}
