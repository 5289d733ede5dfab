// Background and vertical grid lines of the schedule chart's task area.
#include "chart/TaskArea.h"

#include "plugin/PluginState.h"

#include <algorithm>
#include <map>

namespace {

// Clock minutes [from, to) of one date that the strip shows, beginning `at` visible minutes
// after the period's first column.
struct DayPiece {
    TDate date;
    int from;
    int to;
    long long at;
};

// The x of the strip's visible minutes: the time bar's function, kept inside the strip.
struct StripPlace {
    int firstColumn;
    int columnWidth;
    int stepMinutes;
    int left;
    int right;

    int X(long long minutes) const
    {
        return std::clamp(StripX(minutes, firstColumn, columnWidth, stepMinutes, left), left, right);
    }
};

// The visible time of the strip's columns date by date, from the walker's column up to `end`
// visible minutes: a column that runs past midnight or over hidden time (the night outside
// the daily window, hidden weekdays) shows the minutes of the dates it reaches. Pieces without
// width in x, or outside the clip, are left out.
void CollectDayPieces(const VisibleStepWalker& walker, long long at, long long end, const StripPlace& place,
                      const RECT& clip, std::vector<DayPiece>& out)
{
    if (walker.VisibleDays <= 0 || walker.Step.Unit == kUnitNone)
        return;
    int ranges[2][2];
    const int rangeCount = DailyWindowRanges(walker.DailyFrom, walker.DailyTo, ranges);
    const bool clipped = !IsEmptyRect(clip);
    TDate day = walker.Current.date;
    int minute = walker.Current.time.minutes;
    while (at < end) {
        const bool visible = walker.Mask[static_cast<size_t>(day.GetWeekday())];
        for (int r = 0; visible && r < rangeCount && at < end; ++r) {
            const int s = std::max(ranges[r][0], minute);
            if (s >= ranges[r][1])
                continue;
            const int length = static_cast<int>(std::min<long long>(ranges[r][1] - s, end - at));
            const int x1 = place.X(at);
            const int x2 = place.X(at + length);
            if (clipped && x1 > clip.right)
                return;
            if (x2 > x1 && !(clipped && x2 < clip.left))
                out.push_back({day, s, s + length, at});
            at += length;
        }
        const TDate previous = day;
        day += 1;
        if (static_cast<uint32_t>(day) == static_cast<uint32_t>(previous))
            return; // the last day there is
        minute = 0;
    }
}

// The non-working clock minutes of one date by the calendar's working times.
void NonWorkingGaps(wqv2_data::CCalendar& calendar, TDate date, std::vector<int>& pairs,
                    std::vector<std::pair<int, int>>& gaps)
{
    gaps.clear();
    const int n = std::max(0, calendar.GetWorkingTimeCount(date));
    pairs.assign(static_cast<size_t>(2 * n + 2), 0);
    const int got = n > 0 ? std::clamp(calendar.GetWorkingTimes(pairs.data(), date), 0, n) : 0;
    if (got == 1 && pairs[0] == pairs[1])
        return; // the whole day works
    if (got == 0) {
        gaps.emplace_back(0, 1440);
        return;
    }
    if (pairs[static_cast<size_t>(2 * got - 1)] == 0)
        pairs[static_cast<size_t>(2 * got - 1)] = 1440;
    int previous = 0;
    for (int i = 0; i < got; ++i) {
        gaps.emplace_back(previous, pairs[static_cast<size_t>(2 * i)]);
        previous = pairs[static_cast<size_t>(2 * i + 1)];
    }
    gaps.emplace_back(previous, 1440);
}

// Non-working parts of the strip's day pieces for one calendar, as bands in the chart's x;
// touching bands are joined, so a night over midnight is one band.
void AddNonWorkingIntervals(wqv2_data::CCalendar& calendar, const std::vector<DayPiece>& pieces,
                            const StripPlace& place, ChartColor colour, std::vector<ColorInterval>& out)
{
    std::vector<int> pairs;
    std::vector<std::pair<int, int>> gaps;
    for (size_t k = 0; k < pieces.size(); ++k) {
        const DayPiece& piece = pieces[k];
        if (k == 0 || static_cast<uint32_t>(piece.date) != static_cast<uint32_t>(pieces[k - 1].date))
            NonWorkingGaps(calendar, piece.date, pairs, gaps);
        for (const auto& [g1, g2] : gaps) {
            const int a = std::max(g1, piece.from);
            const int b = std::min(g2, piece.to);
            if (b <= a)
                continue;
            const int x1 = place.X(piece.at + (a - piece.from));
            const int x2 = place.X(piece.at + (b - piece.from));
            if (x2 <= x1)
                continue;
            if (!out.empty() && out.back().colour == colour && out.back().x2 >= x1)
                out.back().x2 = std::max(out.back().x2, x2);
            else
                out.push_back({x1, x2, colour});
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
    // Visible minutes into x, as the time bar places its ticks.
    const StripPlace place{strip.firstColumn, ColumnWidth, m, left, stripEnd};

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
            const int x1 = place.X(cell.at);
            const int x2 = place.X(cell.at + cell.length);
            if (c != kNoColor && x2 > x1)
                days.push_back({x1, x2, c});
        }
    }

    wqv2_data::CData* root = GetDataRoot();
    const ChartColor nonWorking = root && root->ProjectSettings ? root->ProjectSettings->NonWorkingTime : kNoColor;
    const bool showNonWorking = (nonWorking & 0xFFFFFFu) != kNoColor;
    // What the strip's columns show, date by date.
    std::vector<DayPiece> pieces;
    if (showNonWorking) {
        VisibleStepWalker walker(period.start.date, unit, period.dailyFrom, period.dailyTo, mask,
                                 period.start.time.minutes);
        const TDateTime origin = walker.Start;
        walker.Advance(strip.firstColumn);
        const long long at = VisibleMinutesBetween(walker.Current, origin, walker.DailyFrom, walker.DailyTo, mask);
        CollectDayPieces(walker, at, (static_cast<long long>(strip.firstColumn) + strip.columnCount) * m, place,
                         clip, pieces);
    }

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
        if (showNonWorking && calendar) {
            auto found = calendarBands.find(calendar);
            if (found == calendarBands.end()) {
                std::vector<ColorInterval> bands;
                AddNonWorkingIntervals(*calendar, pieces, place, nonWorking, bands);
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
