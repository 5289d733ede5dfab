// Visible time arithmetic of the schedule chart against a minute-by-minute count over random
// windows (past midnight included), weekday masks, scales and moments.
#include "chart/VisibleSteps.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int kDay = 1440;

struct Visible {
    int from;
    int to;
    std::array<bool, 7> mask;

    bool InWindow(int m) const
    {
        if (to == 0)
            return m >= from;
        if (from < to)
            return m >= from && m < to;
        return m >= from || m < to; // past midnight; from == to is the whole day
    }
    bool At(uint32_t day, int m) const { return mask[day % 7] && InWindow(m); }
    // Minutes counted one by one from b up to a, negative when a is earlier.
    long long Between(const TDateTime& a, const TDateTime& b) const
    {
        long long ka = Key(a), kb = Key(b);
        const int sign = ka < kb ? -1 : 1;
        if (ka < kb)
            std::swap(ka, kb);
        long long n = 0;
        for (long long k = kb; k < ka; ++k)
            n += At(static_cast<uint32_t>(k / kDay), static_cast<int>(k % kDay)) ? 1 : 0;
        return sign * n;
    }
    static long long Key(const TDateTime& t) { return static_cast<long long>(static_cast<uint32_t>(t.date)) * kDay + t.time.minutes; }
};

class Random {
public:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_engine); }
    Visible Window()
    {
        Visible v{};
        // Whole hours now and then, so equal and touching ends occur.
        v.from = Int(0, 3) == 0 ? 60 * Int(0, 23) : Int(0, kDay - 1);
        v.to = Int(0, 4) == 0 ? 0 : (Int(0, 3) == 0 ? 60 * Int(0, 23) : Int(0, kDay - 1));
        const int kind = Int(0, 5);
        for (int i = 0; i < 7; ++i)
            v.mask[static_cast<size_t>(i)] = kind == 0 ? true : (kind == 1 ? false : Int(0, 2) != 0);
        return v;
    }
    TDateTime Moment(uint32_t base, int days)
    {
        return TDateTime(TDate(base + static_cast<uint32_t>(Int(0, days))), Int(0, 3) == 0 ? 0 : Int(0, kDay - 1), false);
    }
    ScaleStep Step()
    {
        static const int minutes[] = {1, 5, 10, 15, 20, 30, 45, 60, 90, 120, 180, 240, 360, 720};
        switch (Int(0, 2)) {
        case 0: return {kUnitMinutes, minutes[Int(0, 13)]};
        case 1: return {kUnitHours, std::array{1, 2, 3, 4, 6, 8, 12}[static_cast<size_t>(Int(0, 6))]};
        default: return {kUnitDays, Int(1, 3)};
        }
    }

private:
    std::mt19937 m_engine{20260517};
};

const uint32_t kBase = TDate::FromYMD(3, 2026, 1); // a Sunday

TEST(VisibleSteps, VisibleMinutesBetween_countsEveryVisibleMinute)
{
    Random rnd;
    for (int i = 0; i < 400; ++i) {
        const Visible v = rnd.Window();
        const TDateTime a = rnd.Moment(kBase, 20);
        const TDateTime b = rnd.Moment(kBase, 20);
        const long long expected = v.Between(a, b);
        ASSERT_EQ(VisibleMinutesBetween(a, b, v.from, v.to, v.mask.data()), expected)
            << "window " << v.from << "-" << v.to << " a " << uint32_t(a.date) << "/" << a.time.minutes << " b "
            << uint32_t(b.date) << "/" << b.time.minutes;
        ASSERT_EQ(VisibleMinutesBetween(b, a, v.from, v.to, v.mask.data()), -expected);
        const int probe = rnd.Int(0, kDay - 1);
        ASSERT_EQ(IsVisibleTime(v.to, v.mask.data(), TDateTime(a.date, probe, false), v.from),
                  v.At(static_cast<uint32_t>(a.date), probe));
    }
    // The same moment, and a later moment at 0:00 counting up to 24:00 of the day before.
    const bool all[7] = {true, true, true, true, true, true, true};
    const TDateTime monday(TDate(kBase + 1), 600, false);
    EXPECT_EQ(VisibleMinutesBetween(monday, monday, 480, 1020, all), 0);
    EXPECT_EQ(VisibleMinutesBetween(TDateTime(TDate(kBase + 2), 0, false), monday, 0, 0, all), 840);
}

TEST(VisibleSteps, NormalizeAndCountSteps_followTheRoundedWindow)
{
    Random rnd;
    for (int i = 0; i < 300; ++i) {
        Visible v = rnd.Window();
        const ScaleStep step = rnd.Step();
        const int m = GetStepMinutes(step);
        Visible rounded = v;
        const int span = NormalizeDailyRange(step, rounded.from, rounded.to);
        int daily = 0;
        for (int k = 0; k < kDay; ++k)
            daily += rounded.InWindow(k) ? 1 : 0;
        ASSERT_EQ(span, daily);
        ASSERT_EQ(span % m == 0 || m > kDay, true) << "whole steps per day";
        for (int k = 0; k < kDay; ++k)
            ASSERT_TRUE(!v.InWindow(k) || rounded.InWindow(k)) << "rounding only widens";
        const TDateTime a = rnd.Moment(kBase, 14);
        const TDateTime b = rnd.Moment(kBase, 14);
        ASSERT_EQ(CountSteps(step, b, a, v.from, v.to, v.mask.data()), rounded.Between(a, b) / m);
    }
    int from = 450, to = 1030; // 7:30 to 17:10 on an hour scale: 7:00 to 18:00
    EXPECT_EQ(NormalizeDailyRange({kUnitHours, 1}, from, to), 660);
    EXPECT_EQ(from, 420);
    EXPECT_EQ(to, 1080);
    from = 30, to = 10; // rounded outward it meets itself: the whole day
    EXPECT_EQ(NormalizeDailyRange({kUnitHours, 1}, from, to), kDay);
    from = 1430, to = 1435;
    EXPECT_EQ(NormalizeDailyRange({kUnitHours, 1}, from, to), 60);
    EXPECT_EQ(to, 0);
}

// Each walk position must stand on a visible minute exactly Position steps of visible time
// after the start, forward and backward alike.
TEST(VisibleSteps, Walker_standsWherePositionStepsOfVisibleTimeEnd)
{
    Random rnd;
    for (int i = 0; i < 200; ++i) {
        const Visible v = rnd.Window();
        const ScaleStep step = rnd.Step();
        const int m = GetStepMinutes(step);
        Visible rounded = v;
        NormalizeDailyRange(step, rounded.from, rounded.to);
        const TDateTime periodStart = rnd.Moment(kBase, 6);
        VisibleStepWalker walker(periodStart.date, step, v.from, v.to, v.mask.data(), periodStart.time.minutes);
        const bool none = std::count(v.mask.begin(), v.mask.end(), true) == 0;
        if (none) {
            walker.Advance(5);
            EXPECT_EQ(Visible::Key(walker.Current), Visible::Key(walker.Start));
            continue;
        }
        // The walk starts at the first visible minute of the period, where the bars count from.
        ASSERT_EQ(rounded.Between(walker.Start, periodStart), 0);
        if (step.Unit != kUnitDays) {
            ASSERT_TRUE(rounded.At(static_cast<uint32_t>(walker.Start.date), walker.Start.time.minutes));
        }
        for (int move = 0; move < 12; ++move) {
            walker.Advance(rnd.Int(-40, 60));
            const long long expected = static_cast<long long>(walker.Position) * m;
            ASSERT_EQ(rounded.Between(walker.Current, walker.Start), expected)
                << "step " << step.Unit << "x" << step.Count << " window " << v.from << "-" << v.to << " start "
                << walker.Start.time.minutes << " now " << uint32_t(walker.Current.date) << "/"
                << walker.Current.time.minutes;
            if (step.Unit != kUnitDays) {
                ASSERT_TRUE(rounded.At(static_cast<uint32_t>(walker.Current.date), walker.Current.time.minutes));
            }
        }
    }
    // 22:00 to 6:00 by hours: 5:00 + 1 is 22:00 of the same day, 23:00 + 1 is 0:00 of the next.
    const bool all[7] = {true, true, true, true, true, true, true};
    VisibleStepWalker night(TDate(kBase), {kUnitHours, 1}, 1320, 360, all, 300);
    EXPECT_EQ(night.StepsPerDay, 8);
    night.Advance(1);
    EXPECT_EQ(night.Current.time.minutes, 1320);
    EXPECT_EQ(uint32_t(night.Current.date), kBase);
    night.Advance(1);
    night.Advance(1);
    EXPECT_EQ(night.Current.time.minutes, 0);
    EXPECT_EQ(uint32_t(night.Current.date), kBase + 1);
    // Monday to Friday: one day on from a Friday is the Monday after.
    const bool workdays[7] = {true, true, true, true, true, false, false};
    VisibleStepWalker week(TDate(kBase + 5), {kUnitDays, 1}, 0, 0, workdays, 0);
    week.Advance(1);
    EXPECT_EQ(uint32_t(week.Current.date), kBase + 8);
    EXPECT_EQ(CountVisibleDays(TDate(kBase + 1), TDate(kBase + 14), workdays), 10);
}

TEST(VisibleSteps, AlignToUnit_startsOfMinutesWeeksMonthsYears)
{
    Random rnd;
    for (int i = 0; i < 300; ++i) {
        const TDateTime t = rnd.Moment(kBase, 400);
        const int firstDay = rnd.Int(-8, 14); // out-of-range first days are taken modulo 7
        const TDateTime week = AlignToUnit(t, {kUnitWeeks, 1}, false, firstDay);
        const TDateTime nextWeek = AlignToUnit(t, {kUnitWeeks, 1}, true, firstDay);
        ASSERT_EQ(week.date.GetWeekday(), ((firstDay % 7) + 7) % 7);
        ASSERT_EQ(week.time.minutes, 0);
        ASSERT_LE(Visible::Key(week), Visible::Key(t));
        ASSERT_GT(Visible::Key(week) + 7 * kDay, Visible::Key(t));
        ASSERT_EQ(uint32_t(nextWeek.date), uint32_t(week.date) + 7);
        const TDateTime month = AlignToUnit(t, {kUnitMonths, 1}, false, 0);
        const TDateTime nextMonth = AlignToUnit(t, {kUnitMonths, 1}, true, 0);
        ASSERT_EQ(month.date.GetDay(), 1u);
        ASSERT_EQ(month.date.GetMonth(), t.date.GetMonth());
        ASSERT_EQ(uint32_t(nextMonth.date), uint32_t(month.date) + uint32_t(month.date.GetDaysInMonth()));
        const TDateTime year = AlignToUnit(t, {kUnitYears, 1}, false, 0);
        ASSERT_EQ(uint32_t(year.date), TDate::FromYMD(1, t.date.GetYear(), 1));
        const ScaleStep step = rnd.Step();
        if (step.Unit == kUnitDays)
            continue;
        const int m = GetStepMinutes(step);
        const TDateTime a = AlignToUnit(t, step, false, 0);
        const TDateTime b = AlignToUnit(t, step, true, 0);
        ASSERT_EQ(a.time.minutes % m, 0);
        ASSERT_LE(Visible::Key(a), Visible::Key(t));
        ASSERT_GT(Visible::Key(a) + m, Visible::Key(t));
        ASSERT_EQ(Visible::Key(b), Visible::Key(a) + m);
    }
    // A Sunday aligned to weeks starting on Monday goes back six days.
    EXPECT_EQ(uint32_t(AlignToUnit(TDateTime(TDate(kBase), 600, false), {kUnitWeeks, 1}, false, 0).date), kBase - 6);
}

TEST(VisibleSteps, ColumnsAndScales_emptyPeriodsAndBadScalesGiveSafeCounts)
{
    const bool all[7] = {true, true, true, true, true, true, true};
    const bool none[7] = {};
    const TDateTime start(TDate(kBase), 0, false);
    const TDateTime end(TDate(kBase + 7), 0, false);
    EXPECT_EQ(ColumnCountOfPeriod({kUnitDays, 1}, start, end, 0, 0, all), 7);
    EXPECT_EQ(ColumnCountOfPeriod({kUnitWeeks, 1}, start, end, 0, 0, all), 7); // weeks count days
    EXPECT_EQ(ColumnCountOfPeriod({kUnitHours, 2}, start, end, 480, 1020, all), 35);
    EXPECT_EQ(ColumnCountOfPeriod({kUnitDays, 1}, end, start, 0, 0, all), 0);
    EXPECT_EQ(ColumnCountOfPeriod({kUnitDays, 1}, start, start, 0, 0, all), 0);
    EXPECT_EQ(ColumnCountOfPeriod({kUnitDays, 1}, start, end, 0, 0, none), 0);
    EXPECT_EQ(ColumnCountOfPeriod({0, 0}, start, end, 0, 0, all), 0);
    // Twenty 2-hour columns from 8:00 end at 18:00 of the third day.
    const TDateTime cut = ColumnsEnd({kUnitHours, 2}, start, 12, 480, 1020, all);
    EXPECT_EQ(uint32_t(cut.date), kBase + 2);
    EXPECT_EQ(cut.time.minutes, 12 * 60);

    EXPECT_EQ(SanitizeScale({9, 3}), (ScaleStep{kUnitDays, 1}));
    EXPECT_EQ(SanitizeScale({kUnitMinutes, 0}), (ScaleStep{kUnitMinutes, 1}));
    EXPECT_EQ(SanitizeScale({kUnitMinutes, 7}), (ScaleStep{kUnitMinutes, 6}));
    EXPECT_EQ(SanitizeScale({kUnitHours, 30}), (ScaleStep{kUnitHours, 24}));
    EXPECT_EQ(SanitizeScale({kUnitWeeks, -4}), (ScaleStep{kUnitWeeks, 1}));
}

} // namespace
