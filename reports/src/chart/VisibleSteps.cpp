// Visible time arithmetic of the schedule chart.
#include "chart/VisibleSteps.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

constexpr int kDay = 1440;

int DayMinute(int minute)
{
    const int r = minute % kDay;
    return r < 0 ? r + kDay : r;
}

bool DayVisible(const bool* mask, TDate day)
{
    return !mask || mask[day.GetWeekday()];
}

int CountMask(const bool* mask)
{
    if (!mask)
        return 7;
    int n = 0;
    for (int i = 0; i < 7; ++i)
        n += mask[i] ? 1 : 0;
    return n;
}

// A moment with its minute brought into 0..1440 (1440 kept: the end of the day).
TDateTime Normalized(const TDateTime& t)
{
    TDateTime r = t;
    const int m = r.time.minutes;
    if (m < 0 || m > kDay) {
        r.time.minutes = 0;
        r.AddMinutes(m);
    }
    return r;
}

long long MomentKey(const TDateTime& t)
{
    return static_cast<long long>(static_cast<uint32_t>(t.date)) * kDay + t.time.minutes;
}

// Visible minutes of [a, b] within one day under the window's ranges.
int WindowOverlap(int a, int b, int from, int to)
{
    int ranges[2][2];
    const int count = DailyWindowRanges(from, to, ranges);
    int minutes = 0;
    for (int r = 0; r < count; ++r)
        minutes += std::max(0, std::min(b, ranges[r][1]) - std::max(a, ranges[r][0]));
    return minutes;
}

int ClampToInt(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// The largest divisor of `whole` not above `count` (count at least 1).
int DivisorAtMost(int whole, int count)
{
    for (int c = std::min(count, whole); c > 1; --c)
        if (whole % c == 0)
            return c;
    return 1;
}

} // namespace

int DailyWindowRanges(int from, int to, int ranges[2][2])
{
    if (to != 0 && from >= to) {
        ranges[0][0] = 0;
        ranges[0][1] = to;
        ranges[1][0] = from;
        ranges[1][1] = kDay;
        return 2;
    }
    ranges[0][0] = from;
    ranges[0][1] = to == 0 ? kDay : to;
    return 1;
}

ScaleStep SanitizeScale(ScaleStep scale)
{
    if (scale.Unit < kUnitMinutes || scale.Unit > kUnitYears)
        return {kUnitDays, 1};
    int count = std::max(1, scale.Count);
    switch (scale.Unit) {
    case kUnitMinutes:
        count = DivisorAtMost(kDay, count);
        break;
    case kUnitHours:
        count = DivisorAtMost(24, count);
        break;
    case kUnitDays:
        count = std::min(count, 3660); // keeps step minutes far inside an int
        break;
    default:
        count = std::min(count, 1000);
        break;
    }
    return {scale.Unit, count};
}

ScaleStep ColumnUnitOf(ScaleStep scale)
{
    if (scale.Unit > kUnitDays && scale.Unit <= kUnitYears)
        return {kUnitDays, 1};
    return scale; // an unknown unit stays unknown: it has no step minutes, so no columns
}

int GetStepMinutes(ScaleStep step)
{
    const long long count = step.Count;
    long long m = 0;
    switch (step.Unit) {
    case kUnitMinutes:
        m = count;
        break;
    case kUnitHours:
        m = count * 60;
        break;
    case kUnitDays:
        m = count * kDay;
        break;
    case kUnitWeeks:
        m = count * 7 * kDay;
        break;
    default:
        return 0;
    }
    return m > 0 && m <= INT_MAX ? static_cast<int>(m) : 0;
}

int NormalizeDailyRange(ScaleStep step, int& from, int& to)
{
    from = DayMinute(from);
    to = DayMinute(to);
    if (from != to && (step.Unit == kUnitMinutes || step.Unit == kUnitHours)) {
        const int m = GetStepMinutes(step);
        if (m > 0) {
            const int oldSpan = (to - from + kDay) % kDay;
            int f = from - from % m;
            int t = to;
            if (t % m != 0)
                t += m - t % m;
            f = DayMinute(f);
            t = DayMinute(t);
            const int span = (t - f + kDay) % kDay;
            if (span < oldSpan)
                f = t = 0;
            from = f;
            to = t;
            if (from != to)
                return span;
        } else {
            return (to - from + kDay) % kDay;
        }
    }
    from = to = 0;
    return kDay;
}

bool IsVisibleTime(int to, const bool* mask, const TDateTime& t, int from)
{
    const TDateTime n = Normalized(t);
    if (!DayVisible(mask, n.date))
        return false;
    const int m = DayMinute(n.time.minutes);
    from = DayMinute(from);
    to = DayMinute(to);
    const int end = to == 0 ? kDay : to;
    if (from <= m && m < (from < end ? end : kDay))
        return true;
    return (from < end ? from : 0) <= m && m < end;
}

int MoveToVisibleDay(const bool* mask, TDate& day, bool forward)
{
    if (DayVisible(mask, day))
        return 0;
    const int weekday = day.GetWeekday();
    for (int k = 1; k < 7; ++k) {
        const int w = forward ? (weekday + k) % 7 : (weekday - k + 7) % 7;
        if (mask[w]) {
            day += forward ? k : -k;
            return forward ? k : -1;
        }
    }
    return 0;
}

int CountVisibleDays(TDate first, TDate last, const bool* mask)
{
    const int v = CountMask(mask);
    if (v == 0)
        return 0;
    if (static_cast<uint32_t>(last) < static_cast<uint32_t>(first))
        std::swap(first, last);
    const long long c = static_cast<long long>(static_cast<uint32_t>(last)) - static_cast<uint32_t>(first) + 1;
    long long n = v * (c / 7);
    const int weekday = first.GetWeekday();
    for (int j = 0; j < c % 7; ++j)
        n += (!mask || mask[(weekday + j) % 7]) ? 1 : 0;
    return ClampToInt(n);
}

int VisibleMinutesBetween(const TDateTime& a, const TDateTime& b, int from, int to, const bool* mask)
{
    if (CountMask(mask) == 0)
        return 0;
    from = DayMinute(from);
    to = DayMinute(to);
    TDateTime upper = Normalized(a);
    TDateTime lower = Normalized(b);
    int sign = 1;
    // Whole moments are compared, so an earlier minute of the same day counts negative too.
    if (MomentKey(upper) < MomentKey(lower)) {
        std::swap(upper, lower);
        sign = -1;
    }
    if (MoveToVisibleDay(mask, lower.date, true) != 0)
        lower.time.minutes = 0;
    if (upper.time.minutes == 0) {
        upper.date -= 1;
        upper.time.minutes = kDay;
    }
    if (MoveToVisibleDay(mask, upper.date, false) != 0)
        upper.time.minutes = kDay;
    const uint32_t lowDay = lower.date;
    const uint32_t upDay = upper.date;
    if (upDay < lowDay || (upDay == lowDay && lower.time.minutes >= upper.time.minutes))
        return 0;
    long long minutes = 0;
    if (upDay == lowDay) {
        minutes = WindowOverlap(lower.time.minutes, upper.time.minutes, from, to);
    } else {
        minutes = WindowOverlap(lower.time.minutes, kDay, from, to) + WindowOverlap(0, upper.time.minutes, from, to);
        if (upDay - lowDay >= 2)
            minutes += static_cast<long long>(WindowOverlap(0, kDay, from, to)) *
                       CountVisibleDays(TDate(lowDay + 1), TDate(upDay - 1), mask);
    }
    return ClampToInt(sign * minutes);
}

int CountSteps(ScaleStep step, const TDateTime& start, const TDateTime& end, int from, int to, const bool* mask)
{
    const int m = GetStepMinutes(step);
    if (m <= 0)
        return 0;
    NormalizeDailyRange(step, from, to);
    return VisibleMinutesBetween(end, start, from, to, mask) / m;
}

TDateTime AlignToUnit(const TDateTime& t, ScaleStep unit, bool next, int firstDay)
{
    TDateTime r = Normalized(t);
    if (r.time.minutes == kDay) {
        r.date += 1;
        r.time.minutes = 0;
    }
    r.time.empty = false;
    switch (unit.Unit) {
    case kUnitMinutes:
    case kUnitHours: {
        const int m = GetStepMinutes(unit);
        if (m <= 0)
            return r;
        r.SubtractMinutes(r.time.minutes % m);
        if (next)
            r.AddMinutes(m);
        return r;
    }
    case kUnitDays:
        r.time.minutes = 0;
        if (next)
            r.date += 1;
        return r;
    case kUnitWeeks: {
        r.time.minutes = 0;
        const int first = ((firstDay % 7) + 7) % 7;
        r.date -= (r.date.GetWeekday() - first + 7) % 7;
        if (next)
            r.date += 7;
        return r;
    }
    case kUnitMonths:
        r.time.minutes = 0;
        r.date = TDate::FromYMD(r.date.GetMonth(), r.date.GetYear(), 1);
        if (next)
            r.date.AddMonths(1);
        return r;
    case kUnitYears:
        r.time.minutes = 0;
        r.date = TDate::FromYMD(1, r.date.GetYear(), 1);
        if (next)
            r.date.AddYears(1);
        return r;
    default:
        return r;
    }
}

TDateTime NextVisibleMoment(const TDateTime& t, ScaleStep unit, int from, int to, const bool* mask)
{
    TDateTime n = Normalized(t);
    if (n.time.minutes == kDay) {
        n.date += 1;
        n.time.minutes = 0;
    }
    return VisibleStepWalker(n.date, unit, from, to, mask, n.time.minutes).Start;
}

int StripX(long long minutes, int firstColumn, int columnWidth, int stepMinutes, int left)
{
    const long long x = static_cast<long long>(columnWidth) * minutes / std::max(1, stepMinutes) -
                        static_cast<long long>(firstColumn) * columnWidth + left;
    return static_cast<int>(std::clamp<long long>(x, INT_MIN / 2, INT_MAX / 2));
}

int ColumnCountOfPeriod(ScaleStep scale, const TDateTime& start, const TDateTime& end, int from, int to,
                        const bool* mask)
{
    if (MomentKey(Normalized(end)) <= MomentKey(Normalized(start)))
        return 0;
    return std::max(0, CountSteps(ColumnUnitOf(scale), start, end, from, to, mask));
}

TDateTime ColumnsEnd(ScaleStep scale, const TDateTime& start, int columns, int from, int to, const bool* mask)
{
    const ScaleStep unit = ColumnUnitOf(scale);
    VisibleStepWalker walker(start.date, unit, from, to, mask, start.time.minutes);
    if (columns <= 0 || walker.Step.Unit == kUnitNone)
        return walker.Start;
    walker.Advance(columns - 1);
    TDateTime end = walker.Current;
    end.AddMinutes(GetStepMinutes(unit));
    return end;
}

VisibleStepWalker::VisibleStepWalker(TDate startDay, ScaleStep unit, int from, int to, const bool* mask,
                                     int startMinute)
    : Current(startDay, 0, false), Start(startDay, 0, false), Step(unit)
{
    for (int i = 0; i < 7; ++i)
        Mask[static_cast<size_t>(i)] = !mask || mask[i];
    VisibleDays = CountMask(Mask.data());
    DailyFrom = from;
    DailyTo = to;
    const int span = NormalizeDailyRange(unit, DailyFrom, DailyTo);
    const int m = GetStepMinutes(unit);
    if (VisibleDays == 0 || m <= 0) {
        Step.Unit = kUnitNone;
        Start.time.minutes = Current.time.minutes = DayMinute(startMinute);
        return;
    }
    StepsPerDay = std::max(1, span / m);
    const bool pastMidnight = DailyTo != 0 && DailyFrom >= DailyTo;
    const int firstVisible = pastMidnight ? 0 : DailyFrom;
    int s = DayMinute(startMinute > 0 ? startMinute : firstVisible);
    TDate day = startDay;
    // A start in hidden time stands for the next visible minute, as the bars count from there.
    if (pastMidnight) {
        if (s >= DailyTo && s < DailyFrom)
            s = DailyFrom;
    } else if (s < DailyFrom) {
        s = DailyFrom;
    } else if (DailyTo != 0 && s >= DailyTo) {
        s = DailyFrom;
        day += 1;
    }
    if (MoveToVisibleDay(Mask.data(), day, true) != 0)
        s = firstVisible;
    Start = TDateTime(day, s, false);
    Current = Start;
    Position = 0;
}

void VisibleStepWalker::Advance(int n, bool forward)
{
    if (Step.Unit == kUnitNone || n == 0)
        return;
    long long steps = n;
    if (steps < 0) {
        steps = -steps;
        forward = !forward;
    }
    Position = ClampToInt(Position + (forward ? steps : -steps));
    if (Step.Unit == kUnitDays) {
        AddVisibleDays(ClampToInt(steps * Step.Count), Current.date, forward);
        return;
    }
    if (Step.Unit != kUnitMinutes && Step.Unit != kUnitHours)
        return;
    const int m = GetStepMinutes(Step);
    long long days = steps / StepsPerDay;
    const int r = static_cast<int>(steps % StepsPerDay);
    if (r > 0) {
        const int f = Current.time.minutes;
        const bool pastMidnight = DailyTo != 0 && DailyFrom >= DailyTo;
        if (pastMidnight) {
            if (forward) {
                int l = f + r * m;
                if (f < DailyFrom) {
                    if (l >= DailyTo)
                        l += DailyFrom - DailyTo;
                } else if (l >= kDay && l % kDay >= DailyTo) {
                    l = l % kDay + DailyFrom - DailyTo + kDay;
                }
                if (l >= kDay) {
                    l %= kDay;
                    ++days;
                }
                Current.time.minutes = l;
            } else {
                int o = f - r * m;
                if (!(f < DailyFrom && o >= 0) &&
                    ((f < DailyFrom && o + kDay < DailyFrom) || (f >= DailyFrom && o < DailyFrom)))
                    o += DailyTo - DailyFrom;
                if (o < 0) {
                    o += kDay;
                    ++days;
                }
                Current.time.minutes = o;
            }
        } else {
            const int end = DailyTo == 0 ? kDay : DailyTo;
            if (forward) {
                int l = f + r * m;
                if (l >= end) {
                    l += DailyFrom - end;
                    ++days;
                }
                Current.time.minutes = l;
            } else {
                int o = f - r * m;
                if (o < DailyFrom) {
                    o += end - DailyFrom;
                    ++days;
                }
                Current.time.minutes = o;
            }
        }
        Current.time.minutes = DayMinute(Current.time.minutes);
    }
    AddVisibleDays(ClampToInt(days), Current.date, forward);
}

void VisibleStepWalker::AddVisibleDays(int n, TDate& day, bool forward) const
{
    if (n <= 0 || VisibleDays <= 0)
        return;
    if (VisibleDays == 7) {
        day += forward ? n : -n;
        return;
    }
    const int weeks = n / VisibleDays;
    day += (forward ? 7 : -7) * weeks;
    int k = n % VisibleDays;
    while (k > 0) {
        day += forward ? 1 : -1;
        if (Mask[static_cast<size_t>(day.GetWeekday())])
            --k;
    }
}
