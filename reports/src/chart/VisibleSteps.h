#pragma once
// Visible time of the schedule chart: the project's daily window and visible weekdays, the
// scale steps that make the chart's columns, and the arithmetic every chart part shares (step
// lengths, window rounding, unit alignment, visible minutes and steps between two moments, and
// a walker from column to column). Pure arithmetic: no settings, no drawing.
//
// Daily window: minutes `from` and `to` (0-1439), `to` 0 meaning 24:00; from >= to (to not 0)
// runs past midnight: [from, 1440) of one day and [0, to) of the next.
// Weekday mask: seven flags, Monday first; null means every weekday is visible.

#include "TDateTime.h"

#include <array>

// A chart scale or a time-bar row: Unit 1 minutes, 2 hours, 3 days, 4 weeks, 5 months,
// 6 years, 0 none; Count units per step.
struct ScaleStep {
    int Unit = 0;
    int Count = 0;
    bool operator==(const ScaleStep&) const = default;
};

enum ScaleUnit : int {
    kUnitNone = 0,
    kUnitMinutes = 1,
    kUnitHours = 2,
    kUnitDays = 3,
    kUnitWeeks = 4,
    kUnitMonths = 5,
    kUnitYears = 6,
};

// The project's scale made safe for the chart: a unit outside 1-6 becomes one day, a count
// below 1 becomes 1, counts are capped, and minute and hour steps divide the day evenly (so
// every day has the same columns and no step is longer than a day).
ScaleStep SanitizeScale(ScaleStep scale);
// The unit of the chart's columns: the scale up to days, one day for weeks to years.
ScaleStep ColumnUnitOf(ScaleStep scale);

// Minutes of one step (units 1 to 4); 0 for any other unit.
int GetStepMinutes(ScaleStep step);
// Rounds the window outward to whole steps of a minute or hour step; a window that would grow
// into itself, an empty one and any coarser step give the whole day (both 0). Returns the
// visible minutes of one day (1 to 1440).
int NormalizeDailyRange(ScaleStep step, int& from, int& to);
// The window's ranges of one day in clock order, [start, end) with end up to 1440: one, or two
// for a window past midnight; returns how many.
int DailyWindowRanges(int from, int to, int ranges[2][2]);
// The moment lies on a visible weekday and inside the window.
bool IsVisibleTime(int to, const bool* mask, const TDateTime& t, int from);
// 0 when the day is visible (or no weekday is); otherwise moves the day to the nearest visible
// weekday in the direction and returns the distance (forward) or -1 (backward).
int MoveToVisibleDay(const bool* mask, TDate& day, bool forward);
// Visible days in the closed range of days (either order).
int CountVisibleDays(TDate first, TDate last, const bool* mask);
// Visible minutes from b to a; negative when a is earlier than b (day, then minute).
int VisibleMinutesBetween(const TDateTime& a, const TDateTime& b, int from, int to, const bool* mask);
// Whole visible steps from `start` to `end` (the window rounded for the step first); 0 for a
// step without minutes.
int CountSteps(ScaleStep step, const TDateTime& start, const TDateTime& end, int from, int to, const bool* mask);
// The start of the unit holding t, or with `next` of the following unit; weeks begin on
// `firstDay` (0 Monday .. 6 Sunday, other values taken modulo 7).
TDateTime AlignToUnit(const TDateTime& t, ScaleStep unit, bool next, int firstDay);

// The first visible moment at or after t, the window rounded for the column unit `unit` (a
// start in hidden time moves on as a column walk from it would start).
TDateTime NextVisibleMoment(const TDateTime& t, ScaleStep unit, int from, int to, const bool* mask);

// The x of the moment `minutes` visible minutes after the start of the period's first column, in
// a strip whose column `firstColumn` begins at `left`, `columnWidth` a step of `stepMinutes`
// (truncated toward zero): the place of the chart's bars and of the time bar's ticks alike.
int StripX(long long minutes, int firstColumn, int columnWidth, int stepMinutes, int left);

// Columns of a period: visible steps of the scale's column unit from start to end; 0 for an
// empty or inverted period or a scale without minutes.
int ColumnCountOfPeriod(ScaleStep scale, const TDateTime& start, const TDateTime& end, int from, int to,
                        const bool* mask);
// The end of the first `columns` columns of a period starting at `start` (for a chart cut to
// fewer columns): the start of the last kept column plus one step.
TDateTime ColumnsEnd(ScaleStep scale, const TDateTime& start, int columns, int from, int to, const bool* mask);

// A cursor over the visible steps of a column unit (minutes, hours or days). Position is the
// column index of Current, 0 at Start. It copies the mask, so it may outlive the caller's.
class VisibleStepWalker {
public:
    // A start minute of 0 or less means the window's start; a start in hidden time moves to the
    // next visible step start; a hidden start day moves to the next visible weekday.
    VisibleStepWalker(TDate startDay, ScaleStep unit, int from, int to, const bool* mask, int startMinute);

    // Moves by n visible steps (a negative n flips the direction).
    void Advance(int n, bool forward = true);
    // Moves a day by n visible days in the direction.
    void AddVisibleDays(int n, TDate& day, bool forward) const;

    TDateTime Current;
    TDateTime Start;
    ScaleStep Step;
    int DailyFrom = 0;
    int DailyTo = 0;
    std::array<bool, 7> Mask{};
    int VisibleDays = 7;
    int Position = 0;
    int StepsPerDay = 1;
};
