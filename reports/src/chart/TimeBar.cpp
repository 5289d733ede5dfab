// The time bar of the schedule chart.
#include "chart/TimeBar.h"

#include "common/LocaleText.h"
#include "common/ReportSettings.h"
#include "plugin/PluginState.h"

#include "QV2ResVReportScheduleIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"
#include "wqv2_data.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <sstream>

namespace {

constexpr int kMaxCustomRows = 8;

std::wstring DateText(TDate day, unsigned long flags, const wchar_t* picture)
{
    wchar_t buffer[200] = {};
    day.Format(buffer, 200, flags, picture);
    return buffer;
}

std::wstring ShortDate(TDate day)
{
    return DateText(day, DATE_SHORTDATE, nullptr);
}

std::wstring WeekdayAbbreviation(TDate day)
{
    return DateText(day, 0, L"ddd").substr(0, 2);
}

std::wstring TimeText(int minutes, unsigned long flags)
{
    wchar_t buffer[100] = {};
    TTime(minutes).Format(flags, buffer, nullptr, 100);
    return buffer;
}

// The shorter forms of a cell's caption, level 1 the longest; false past the last. Months name
// their month short with the year, then without it; other steps have none.
bool ShortCellCaption(TDate day, ScaleStep step, int level, std::wstring& text)
{
    static const UINT kMonthPictures[] = {IDS_TIMEBAR_MONTH_PICTURE_SHORT, IDS_TIMEBAR_MONTH_PICTURE_SHORTEST};
    if (step.Unit != kUnitMonths || level < 1 || level > static_cast<int>(std::size(kMonthPictures)))
        return false;
    text = DateText(day, 0, fw::LoadResString(kMonthPictures[level - 1]).c_str());
    return true;
}

bool AtMostDays(ScaleStep step)
{
    return step.Unit >= kUnitMinutes && step.Unit <= kUnitDays;
}

int Percent(int factor, int value)
{
    return static_cast<int>(static_cast<long long>(factor) * value / 100);
}

} // namespace

// What every row of one DrawTimeBar call shares.
struct CTimeBarBase::RowDrawing {
    RECT rect;           // the row: left to the right end of the columns
    RECT barRect;        // the whole time bar
    ScaleStep columnUnit;
    TDateTime periodStart;
    int from, to;
    const bool* mask;
    int firstColumn, columnCount;
    int rowCount;
    int dayBreak;        // minute of the day break, or -1
};

void DrawLines(CDrawBase& dc, const std::vector<ChartLine>& lines, const RECT& clip)
{
    for (ChartLine l : lines) {
        if (l.x1 > l.x2)
            std::swap(l.x1, l.x2);
        if (l.y1 > l.y2)
            std::swap(l.y1, l.y2);
        l.x1 = std::max<int>(l.x1, clip.left);
        l.y1 = std::max<int>(l.y1, clip.top);
        l.x2 = std::min<int>(l.x2, clip.right);
        l.y2 = std::min<int>(l.y2, clip.bottom);
        if (l.x2 >= clip.left && clip.right >= l.x1 && clip.bottom >= l.y1 && l.y2 >= clip.top)
            dc.DrawLine(l.x1, l.y1, l.x2, l.y2);
    }
}

CTimeBarBase::CTimeBarBase()
{
    TodayMarking = false;
}

void CTimeBarBase::LoadTimeBarSettings()
{
    Load();
    WeekdayColorsInBar = GetBoolSetting(L"ViewTimebarBkColorShowWeekdays", true);
    MonthColorsInBar = GetBoolSetting(L"ViewTimebarBkColorShowMonths", false);
    WeekWidthFactor = GetIntSetting(L"ViewScheduleColumnWidthWeekFactor", 50);
    MonthWidthFactor = GetIntSetting(L"ViewScheduleColumnWidthMonthFactor", 20);
    RowBackground = GetColourSetting(L"ViewTimebarBkColorDefault", kNoColor);
    RowFactor = GetIntSetting(L"ViewTimebarRowFactor", 150);
    MajorRowFactor = GetIntSetting(L"ViewTimebarRowFactorMajor", 125);
    SmallFontFactor = GetIntSetting(L"ViewTimebarFontHeightFactor2", 85);
    WeekNumberSetting = GetBoolSetting(L"ViewTimebarShowWeekNumber", true);
    FirstDayOfWeek = ((GetIntSetting(L"ViewFirstDayOfWeek", 0) % 7) + 7) % 7;
}

void CTimeBarBase::ComputeColumnWidth(int scaleUnit)
{
    // The factor goes to a copy: a second layout must not shrink the width again.
    int base = ColumnWidthBase;
    if (scaleUnit == kUnitWeeks)
        base = Percent(WeekWidthFactor, base);
    else if (scaleUnit > kUnitWeeks)
        base = Percent(MonthWidthFactor, base);
    const long long scaled = static_cast<long long>(ScaleAll) * ScaleWidth * base;
    const int c = static_cast<int>(std::clamp<long long>((scaled + 5000) / 10000, INT_MIN, INT_MAX));
    ColumnWidth = std::max({c, MinimumColumnWidth, 1});
}

void CTimeBarBase::ComputeRowHeights(CDrawBase& dc)
{
    int n = 0, s = 0;
    dc.GetTimeBarFontHeights(n, s);
    const int minor = Percent(RowFactor, n);
    MinorRowHeight = std::max(1, minor);
    MajorRowHeight = std::max(1, static_cast<int>((static_cast<long long>(MajorRowFactor) * minor + 50) / 100));
    DayRowHeight = std::max(1, static_cast<int>((RowFactor * 0.8 + 120) * s / 100));
}

int CTimeBarBase::GetRowHeight(ScaleStep rowStep, int index) const
{
    if (index > 0)
        return MinorRowHeight;
    if (rowStep.Unit == kUnitDays)
        return DayRowHeight;
    return GetMajorTickUnit(rowStep).Unit != kUnitNone ? MajorRowHeight : MinorRowHeight;
}

int CTimeBarBase::GetTimeBarHeight(ScaleStep scale) const
{
    ScaleStep unit;
    std::vector<ScaleStep> rows;
    GetTimeBarRows(scale, unit, rows);
    int height = 0;
    for (size_t i = 0; i < rows.size(); ++i)
        height += GetRowHeight(rows[i], static_cast<int>(i));
    return height;
}

int CTimeBarBase::GetTimeBarRows(ScaleStep scale, ScaleStep& columnUnit, std::vector<ScaleStep>& rows) const
{
    scale = SanitizeScale(scale);
    columnUnit = ColumnUnitOf(scale);
    rows.clear();
    rows.push_back(scale);
    const std::wstring key = msgfmt::Format(L"ViewTimebarRowInfo%i-%i", {scale.Unit, scale.Count});
    const std::wstring custom = GetSettingText(key.c_str());
    if (!custom.empty()) {
        std::wistringstream in(custom);
        ScaleStep row;
        const int columnMinutes = GetStepMinutes(columnUnit);
        while (static_cast<int>(rows.size()) < kMaxCustomRows && in >> row.Unit >> row.Count) {
            if (row.Unit < kUnitMinutes || row.Unit > kUnitYears || row.Count <= 0)
                break;
            row = SanitizeScale(row);
            // A row finer than a column would have cells narrower than one column.
            const int minutes = GetStepMinutes(row);
            if (row.Unit <= kUnitWeeks && minutes < columnMinutes)
                continue;
            rows.push_back(row);
        }
        return static_cast<int>(rows.size());
    }
    switch (scale.Unit) {
    case kUnitMinutes:
        if (scale.Count <= 4)
            rows.push_back({kUnitMinutes, 15});
        else if (scale.Count < 15)
            rows.push_back({kUnitHours, 1});
        rows.push_back({kUnitDays, 1});
        break;
    case kUnitHours:
        rows.push_back({kUnitDays, 1});
        if (scale.Count > 5)
            rows.push_back({kUnitMonths, 1});
        break;
    case kUnitDays:
        if (IsWeekNumberShown())
            rows.push_back({kUnitWeeks, 1});
        rows.push_back({kUnitMonths, 1});
        break;
    case kUnitWeeks:
        rows.push_back({kUnitMonths, 1});
        break;
    default:
        break;
    }
    return static_cast<int>(rows.size());
}

ScaleStep CTimeBarBase::GetMajorTickUnit(ScaleStep step)
{
    if (step.Unit != kUnitMinutes)
        return {kUnitNone, 1};
    if (step.Count <= 4)
        return {kUnitMinutes, 5};
    if (step.Count <= 9)
        return {kUnitMinutes, 15};
    if (step.Count <= 14)
        return {kUnitMinutes, 30};
    if (step.Count <= 30)
        return {kUnitHours, 1};
    return {kUnitNone, 1};
}

int CTimeBarBase::ComputeCells(const TDateTime& periodStart, const bool* mask, int from, int to, int firstColumn,
                               int columnCount, ScaleStep columnUnit, ScaleStep rowStep,
                               std::vector<TimeBarCell>& cells) const
{
    VisibleStepWalker walker(periodStart.date, columnUnit, from, to, mask, periodStart.time.minutes);
    const int m = GetStepMinutes(columnUnit);
    if (walker.Step.Unit == kUnitNone || m <= 0 || columnCount < 0)
        return static_cast<int>(cells.size());
    const TDateTime origin = walker.Start;
    walker.Advance(firstColumn);
    const long long end = (static_cast<long long>(firstColumn) + columnCount) * m;
    if (rowStep == columnUnit) {
        // A cell per column, whatever minute the period starts at: the row's ticks stand on the
        // chart's grid lines and its captions name the columns.
        for (int k = 0; k <= columnCount; ++k) {
            cells.push_back({walker.Current, (static_cast<long long>(firstColumn) + k) * m, m});
            walker.Advance(1);
        }
        return static_cast<int>(cells.size());
    }
    // A cell per unit of the row from the unit that holds the strip's first column. A unit
    // without visible time (a hidden weekday, the night outside the window) gets none: the walk
    // goes on at the unit that holds the next visible minute.
    const int f = walker.DailyFrom;
    const int t = walker.DailyTo;
    TDateTime unit = AlignToUnit(walker.Current, rowStep, false, FirstDayOfWeek);
    // Every round adds a cell or passes hidden units, and the cells of a strip are at most one a
    // column plus the pieces that window edges and the strip's ends cut off: the bound is only a
    // guard.
    const long long rounds = 8LL * columnCount + 16;
    for (long long round = 0; round < rounds; ++round) {
        const long long at = VisibleMinutesBetween(unit, origin, f, t, mask);
        if (at > end)
            break;
        const TDateTime next = AlignToUnit(unit, rowStep, true, FirstDayOfWeek);
        const long long atNext = VisibleMinutesBetween(next, origin, f, t, mask);
        if (atNext > at) {
            cells.push_back({NextVisibleMoment(unit, columnUnit, f, t, mask), at, atNext - at});
            unit = next;
        } else {
            unit = AlignToUnit(NextVisibleMoment(next, columnUnit, f, t, mask), rowStep, false, FirstDayOfWeek);
        }
    }
    return static_cast<int>(cells.size());
}

bool CTimeBarBase::FormatCellCaption(const TDateTime& start, int rowIndex, ScaleStep step, bool majorPass,
                                     std::wstring& text1, std::wstring& text2) const
{
    text1.clear();
    text2.clear();
    const TDate day = start.date;
    switch (step.Unit) {
    case kUnitDays:
        if (rowIndex == 0) {
            text1 = std::to_wstring(day.GetDay());
            text2 = WeekdayAbbreviation(day);
        } else {
            text1 = WeekdayAbbreviation(day) + L" " + ShortDate(day);
        }
        break;
    case kUnitWeeks: {
        const int week = day.GetWeekOfYear();
        if (rowIndex > 0 && IsWeekNumberShown()) {
            text1 = msgfmt::Format(fw::LoadResString(IDS_TIMEBAR_WEEK_NUMBER), {week});
        } else {
            TDate last = day;
            last += 6;
            if (IsWeekNumberShown())
                text1 = msgfmt::Format(fw::LoadResString(IDS_TIMEBAR_WEEK_NUMBER_DAYS),
                                       {week, ShortDate(day), ShortDate(last)});
            else
                text1 = msgfmt::Format(fw::LoadResString(IDS_TIMEBAR_WEEK_DAYS), {ShortDate(day), ShortDate(last)});
        }
        break;
    }
    case kUnitMonths:
        text1 = DateText(day, 0, fw::LoadResString(IDS_TIMEBAR_MONTH_PICTURE).c_str());
        break;
    case kUnitYears:
        text1 = DateText(day, 0, L"yyyy");
        break;
    case kUnitMinutes:
    case kUnitHours: {
        const int minute = ((start.time.minutes % 1440) + 1440) % 1440;
        if (rowIndex > 0 || (majorPass && step.Unit == kUnitHours))
            text1 = TimeText(minute, TIME_NOSECONDS);
        else if (step.Unit == kUnitMinutes)
            text1 = std::to_wstring(minute % 60);
        else
            text1 = TimeText(minute, TIME_NOMINUTESORSECONDS);
        break;
    }
    default:
        break;
    }
    return !text1.empty() || !text2.empty();
}

void CTimeBarBase::DrawTimeBar(CDrawBase& dc, ScaleStep scale, const TDateTime& periodStart, int from, int to,
                               const bool* mask, int firstColumn, int columnCount, const RECT& rect)
{
    dc.FillRect(rect, rect, EmptyArea);
    if (columnCount <= 0)
        return;
    RowDrawing row{};
    std::vector<ScaleStep> rows;
    GetTimeBarRows(scale, row.columnUnit, rows);
    row.barRect = rect;
    row.periodStart = periodStart;
    row.from = from;
    row.to = to;
    row.mask = mask;
    row.firstColumn = firstColumn;
    row.columnCount = columnCount;
    row.rowCount = static_cast<int>(rows.size());
    row.dayBreak = -1;
    int f = from, t = to;
    NormalizeDailyRange(row.columnUnit, f, t);
    if (DayBreakShown && t != 0 && f >= t)
        row.dayBreak = f;
    const int right = static_cast<int>(
        std::min<long long>(rect.right, rect.left + static_cast<long long>(ColumnWidth) * columnCount));
    std::vector<ChartLine> lines;
    int y = rect.top;
    for (int i = row.rowCount - 1; i >= 0; --i) {
        const int h = GetRowHeight(rows[static_cast<size_t>(i)], i);
        row.rect = RECT{rect.left, y, right, y + h};
        dc.FillRect(row.rect, row.rect, RowBackground);
        DrawRow(dc, row, rows[static_cast<size_t>(i)], i);
        lines.push_back({rect.left, y + h, right, y + h});
        y += h;
    }
    dc.SelectLinePen(false);
    DrawLines(dc, lines, rect);
    dc.SelectLinePen(true);
    const int yLine = static_cast<int>(rect.bottom - dc.GetLineWidth(true) * 0.5);
    dc.DrawLine(rect.left, yLine, right, yLine);
}

void CTimeBarBase::DrawRow(CDrawBase& dc, const RowDrawing& row, ScaleStep step, int index)
{
    if (step.Unit == kUnitNone)
        return;
    const ScaleStep major = index == 0 ? GetMajorTickUnit(step) : ScaleStep{kUnitNone, 1};
    DrawCells(dc, row, step, index, major.Unit == kUnitNone, false);
    if (major.Unit != kUnitNone)
        DrawCells(dc, row, major, index, true, true);
}

void CTimeBarBase::DrawCells(CDrawBase& dc, const RowDrawing& row, ScaleStep step, int index, bool withTexts,
                             bool majorPass)
{
    const RECT& r = row.rect;
    const int h = r.bottom - r.top;
    int tick = majorPass ? static_cast<int>(h * 0.35) : static_cast<int>(h * 0.25);
    if (step.Unit >= kUnitDays)
        tick = h;
    if (index == row.rowCount - 1)
        dc.SelectTimeBarFont(kTimeBarFontBold);
    else if (step.Unit == kUnitDays && index == 0)
        dc.SelectTimeBarFont(kTimeBarFontSmall);
    else
        dc.SelectTimeBarFont(kTimeBarFontNormal);

    std::vector<TimeBarCell> cells;
    ComputeCells(row.periodStart, row.mask, row.from, row.to, row.firstColumn, row.columnCount, row.columnUnit, step,
                 cells);
    wqv2_data::CData* root = GetDataRoot();
    std::vector<ChartLine> lines;
    bool drewText = false;
    int lastRight = 0;
    const int m = GetStepMinutes(row.columnUnit);
    for (const TimeBarCell& cell : cells) {
        const int x = StripX(cell.at, row.firstColumn, ColumnWidth, m, r.left);
        const int xEnd = StripX(cell.at + cell.length, row.firstColumn, ColumnWidth, m, r.left);
        const RECT visible{std::max<int>(x, r.left), r.top, std::min<int>(xEnd, r.right), r.bottom};
        // The major pass draws over the minor cells: their backgrounds are painted already.
        if (!majorPass && AtMostDays(step) && WeekdayColorsInBar) {
            ChartColor c = GetDayColor(cell.start.date);
            if (row.dayBreak >= 0 && step.Unit != kUnitDays)
                c = MinColor(c, cell.start.time.minutes < row.dayBreak ? DayBreak1 : DayBreak2);
            if (c != kNoColor)
                dc.FillRect(visible, visible, c);
        }
        if (!majorPass && step.Unit == kUnitMonths && MonthColorsInBar && root && root->ProjectSettings) {
            const bool odd = cell.start.date.GetMonth() % 2 == 1;
            dc.FillRect(visible, visible, odd ? root->ProjectSettings->MonthsOdd : root->ProjectSettings->MonthsEven);
        }
        std::wstring text1, text2;
        if (withTexts && FormatCellCaption(cell.start, index, step, majorPass, text1, text2)) {
            int w = dc.GetTextWidth(text1);
            RECT area{};
            RECT clip{};
            bool draw = true;
            if (step.Unit >= kUnitDays) {
                // A caption wider than what shows of its cell (a month that a page or the picture
                // cuts) gives way to the first shorter form of it that fits there, or else to the
                // shortest; the clip keeps it inside its cell either way.
                const int shown = std::min<int>(xEnd, r.right) - std::max<int>(x, r.left);
                std::wstring shorter;
                for (int level = 1; w > shown && ShortCellCaption(cell.start.date, step, level, shorter); ++level) {
                    text1 = shorter;
                    w = dc.GetTextWidth(text1);
                }
                int left = x + (w > xEnd - x ? TextIndent : 0);
                left = std::max<int>(left, r.left);
                area = RECT{left, r.top, std::min<int>(xEnd, r.right), r.bottom};
                clip = area;
            } else {
                const int left = x - w / 2;
                draw = !(drewText && lastRight >= left);
                area = RECT{left, r.top, left + w, r.bottom - tick};
                clip = r;
            }
            if (draw) {
                if (!text2.empty()) {
                    const int middle = area.top + (area.bottom - area.top) / 2;
                    dc.DrawText(text1, RECT{area.left, area.top, area.right, middle}, clip, 1, true);
                    dc.DrawText(text2, RECT{area.left, middle, area.right, area.bottom}, clip, 1, true);
                } else {
                    dc.DrawText(text1, area, clip, 1, true);
                }
                drewText = true;
                lastRight = area.right;
            }
        }
        lines.push_back({x, r.bottom - tick, x, r.bottom});
    }
    dc.SelectGridPen(index == 0 && AtMostDays(step) ? kPenVerticalGrid : kPenMainVerticalGrid);
    DrawLines(dc, lines, r);
}

std::wstring CTimeBarBase::GetWeekdayName(int index)
{
    const int day = ((index % 7) + 7) % 7;
    std::wstring name = GetLocaleText(LOCALE_SDAYNAME1 + static_cast<unsigned long>(day));
    if (name.size() > 200)
        name.resize(200);
    return name;
}
