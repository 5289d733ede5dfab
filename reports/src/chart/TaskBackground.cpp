// Background and vertical grid lines of the schedule chart's task area.
#include "chart/TaskArea.h"

#include "plugin/PluginState.h"

#include <algorithm>
#include <map>

namespace {

// Columns of one date without hidden time between them: [column, column + count).
struct Run {
    TDate date;
    int minute;
    int column;
    int count;
};

// Non-working parts of the runs for one calendar, as bands in the chart's x.
void AddNonWorkingIntervals(wqv2_data::CCalendar& calendar, const std::vector<Run>& runs, int columnWidth,
                            int stepMinutes, int chartLeft, const RECT& clip, ChartColor colour,
                            std::vector<ColorInterval>& out)
{
    const double f = static_cast<double>(columnWidth) / stepMinutes;
    const bool clipped = !IsEmptyRect(clip);
    for (const Run& run : runs) {
        const long long y0 = static_cast<long long>(run.column) * columnWidth + chartLeft;
        const long long z0 = y0 + static_cast<long long>(run.count) * columnWidth;
        if (clipped && (z0 < clip.left || y0 > clip.right))
            continue;
        const int y = static_cast<int>(std::clamp<long long>(y0, INT_MIN / 2, INT_MAX / 2));
        const int z = static_cast<int>(std::clamp<long long>(z0, INT_MIN / 2, INT_MAX / 2));
        const long long runEnd = run.minute + static_cast<long long>(run.count) * stepMinutes;
        const int n = std::max(0, calendar.GetWorkingTimeCount(run.date));
        std::vector<int> pairs(static_cast<size_t>(2 * n + 2), 0);
        const int got = n > 0 ? std::clamp(calendar.GetWorkingTimes(pairs.data(), run.date), 0, n) : 0;
        if (got == 1 && pairs[0] == pairs[1])
            continue; // the whole day works
        std::vector<std::pair<int, int>> gaps;
        if (got == 0) {
            gaps.emplace_back(0, 1440);
        } else {
            if (pairs[static_cast<size_t>(2 * got - 1)] == 0)
                pairs[static_cast<size_t>(2 * got - 1)] = 1440;
            int previous = 0;
            for (int i = 0; i < got; ++i) {
                gaps.emplace_back(previous, pairs[static_cast<size_t>(2 * i)]);
                previous = pairs[static_cast<size_t>(2 * i + 1)];
            }
            gaps.emplace_back(previous, 1440);
        }
        for (const auto& [g1, g2] : gaps) {
            if (g2 <= g1 || g1 >= runEnd || g2 <= run.minute)
                continue;
            const int a = std::max(y, static_cast<int>(y + f * (g1 - run.minute)));
            const int b = std::min(z, static_cast<int>(y + f * (g2 - run.minute)));
            if (b > a)
                out.push_back({a, b, colour});
        }
    }
}

} // namespace

void CTaskBase::DrawScheduleBackground(CDrawBase& dc, ChartColor background, const ChartStrip& strip,
                                       const std::vector<const CResourceItem*>& itemsPerRow,
                                       const CTimeBarBase& timeBar, const RECT& clip, const RECT& chartRect) const
{
    const ScaleStep unit = ColumnUnitOf(strip.scale);
    const int m = GetStepMinutes(unit);
    if (m <= 0 || strip.columnCount <= 0 || !strip.period)
        return;
    dc.FillRect(chartRect, chartRect, background);
    const ChartPeriod& period = *strip.period;
    const bool* mask = period.weekdays.data();
    const int left = chartRect.left;
    const int right = static_cast<int>(
        std::min<long long>(chartRect.right, left + static_cast<long long>(ColumnWidth) * strip.columnCount));
    const int stripEnd = static_cast<int>(
        std::min<long long>(left + static_cast<long long>(ColumnWidth) * strip.columnCount, INT_MAX / 2));

    // Day bands where the time bar's day cells are: a date that begins inside a column (a period
    // off the column grid) changes colour at its first minute, under the day row's tick. Day
    // columns are their own day cells.
    std::vector<ColorInterval> days;
    if (timeBar.WeekdayColorsShown) {
        std::vector<TimeBarCell> cells;
        timeBar.ComputeCells(period.start, mask, period.dailyFrom, period.dailyTo, strip.firstColumn,
                             strip.columnCount, unit, unit.Unit == kUnitDays ? unit : ScaleStep{kUnitDays, 1}, cells);
        for (const TimeBarCell& cell : cells) {
            const ChartColor c = timeBar.GetDayColor(cell.start.date);
            const int x1 = std::max(left, StripX(cell.at, strip.firstColumn, ColumnWidth, m, left));
            const int x2 = std::min(stripEnd, StripX(cell.at + cell.length, strip.firstColumn, ColumnWidth, m, left));
            if (c != kNoColor && x2 > x1)
                days.push_back({x1, x2, c});
        }
    }

    // Runs of columns of one date without hidden time between them.
    std::vector<Run> runs;
    VisibleStepWalker walker(period.start.date, unit, period.dailyFrom, period.dailyTo, mask,
                             period.start.time.minutes);
    walker.Advance(strip.firstColumn);
    TDateTime previous = walker.Current;
    Run run{walker.Current.date, walker.Current.time.minutes, 0, 0};
    for (int i = 1; i <= strip.columnCount; ++i) {
        const bool last = i == strip.columnCount;
        if (!last)
            walker.Advance(1);
        const TDateTime& now = walker.Current;
        const bool newDate = last || static_cast<uint32_t>(now.date) != static_cast<uint32_t>(previous.date);
        if (newDate || now.time.minutes - previous.time.minutes > m) {
            run.count = i - run.column;
            runs.push_back(run);
            run = Run{now.date, now.time.minutes, i, 0};
        }
        previous = now;
    }

    wqv2_data::CData* root = GetDataRoot();
    const ChartColor nonWorking = root && root->ProjectSettings ? root->ProjectSettings->NonWorkingTime : kNoColor;
    std::map<wqv2_data::CCalendar*, std::vector<ColorInterval>> calendarBands;
    const bool clipped = !IsEmptyRect(clip);
    const int rowHeight = std::max(1, RowHeight);
    std::vector<ColorInterval> intervals, merged;
    for (size_t r = 0; r < itemsPerRow.size();) {
        const CResourceItem* item = itemsPerRow[r];
        size_t n = 1;
        while (r + n < itemsPerRow.size() && itemsPerRow[r + n] == item)
            ++n;
        const long long y0 = chartRect.top + static_cast<long long>(r) * rowHeight;
        const long long y1 = y0 + static_cast<long long>(n) * rowHeight;
        r += n;
        if (clipped && y0 > clip.bottom)
            break;
        if ((clipped && y1 < clip.top) || !item || !item->resource)
            continue;
        intervals = days;
        intervals.push_back({left, right, item->resource->ColorScheduleBk & 0xFFFFFFu});
        wqv2_data::CCalendar* calendar = item->resource->Calendar;
        if ((nonWorking & 0xFFFFFFu) != kNoColor && calendar) {
            auto found = calendarBands.find(calendar);
            if (found == calendarBands.end()) {
                std::vector<ColorInterval> bands;
                AddNonWorkingIntervals(*calendar, runs, ColumnWidth, m, left, clip, nonWorking, bands);
                found = calendarBands.emplace(calendar, std::move(bands)).first;
            }
            intervals.insert(intervals.end(), found->second.begin(), found->second.end());
        }
        MergeColorIntervals(intervals, merged);
        for (const ColorInterval& band : merged) {
            const RECT rect{band.x1, static_cast<LONG>(y0), band.x2, static_cast<LONG>(y1)};
            dc.FillRect(rect, chartRect, band.colour);
        }
    }
}

void CTaskBase::CollectVerticalGridLines(const CTimeBarBase& timeBar, const ChartStrip& strip,
                                         std::vector<ChartLine>& minor, std::vector<ChartLine>& main, int left,
                                         int top, int bottom) const
{
    if (strip.columnCount <= 0 || !strip.period)
        return;
    wqv2_data::CData* root = GetDataRoot();
    if (!root || !root->ProjectSettings || !root->ProjectSettings->GridlinesVertical)
        return;
    ScaleStep unit;
    std::vector<ScaleStep> rows;
    timeBar.GetTimeBarRows(strip.scale, unit, rows);
    if (MinorVerticalLines && rows[0] == unit) {
        for (int i = 0; i < strip.columnCount; ++i) {
            const int x = left + i * ColumnWidth;
            minor.push_back({x, top, x, bottom});
        }
    }
    if (!MainVerticalLines)
        return;
    ScaleStep mainRow{kUnitNone, 1};
    if (!(rows[0] == unit))
        mainRow = rows[0];
    else if (rows.size() > 1)
        mainRow = rows[1];
    if (mainRow.Unit == kUnitNone)
        return;
    const ChartPeriod& period = *strip.period;
    std::vector<TimeBarCell> cells;
    timeBar.ComputeCells(period.start, period.weekdays.data(), period.dailyFrom, period.dailyTo, strip.firstColumn,
                         strip.columnCount, unit, mainRow, cells);
    const int m = GetStepMinutes(unit);
    for (const TimeBarCell& cell : cells) {
        const int x = StripX(cell.at, strip.firstColumn, ColumnWidth, m, left);
        main.push_back({x, top, x, bottom});
    }
}
