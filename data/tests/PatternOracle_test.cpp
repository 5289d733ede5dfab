// Occurrences of random series checked against a day-by-day expansion: every day from the
// series' start is tested against the pattern's rule as a calendar reads it, the end rule counts
// the matches, and the window keeps the occurrences that start before its end and after its
// start (or end after it, with running ones). Through QV2D.dll, on stand-alone series.
#include "DataTestEnv.h"

#include <cstdint>
#include <random>
#include <set>
#include <sstream>
#include <vector>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

struct Ymd {
    unsigned year = 0, month = 0, day = 0;
};

Ymd Parts(int64_t day)
{
    Ymd p;
    TDate(static_cast<uint32_t>(day)).ToYMD(p.year, p.month, p.day);
    return p;
}

int Weekday(int64_t day) { return static_cast<int>(day % 7); }

int64_t Date(unsigned year, unsigned month, unsigned day) { return TDate::FromYMD(month, year, day); }

// The rule of a month as a reader of a calendar applies it: the n-th (or last) such weekday,
// found by walking the month's days; weekday 7 is any day.
int64_t OracleOccurrence(unsigned year, unsigned month, int type, int dayOfMonth, int position, int weekday)
{
    const unsigned length = static_cast<unsigned>(TDate::DaysInMonth(year, month));
    if (type != 1)
        return Date(year, month, std::min<unsigned>(static_cast<unsigned>(dayOfMonth), length));
    std::vector<int64_t> matching;
    for (unsigned d = 1; d <= length; ++d) {
        const int64_t day = Date(year, month, d);
        if (weekday == 7 || Weekday(day) == weekday)
            matching.push_back(day);
    }
    return position == -1 ? matching.back() : matching[static_cast<size_t>(position - 1)];
}

struct Series {
    int frequency = 0;
    CRecurrencePatternDaily daily;
    CRecurrencePatternWeekly weekly;
    CRecurrencePatternMonthly monthly;
    CRecurrencePatternYearly yearly;
    int64_t start = 0;
    int endType = 0;
    int64_t endDate = 0;
    int endCount = 0;
    int timeStart = 0;
    int duration = 0;
    std::set<int64_t> skipped;

    std::string Describe() const
    {
        std::ostringstream s;
        s << "freq " << frequency << " start " << start << " end " << endType << "/" << endDate << "/" << endCount
          << " daily " << daily.DType << "," << daily.DInterval << " weekly " << weekly.WFirstDayOfWeek << ","
          << weekly.WInterval << " [";
        for (int i = 0; i < weekly.WWeekdayCount; ++i)
            s << weekly.WWeekdays[i] << " ";
        s << "] monthly " << monthly.MType << "," << monthly.MDayOfMonth << "," << monthly.MPosition << ","
          << monthly.MWeekday << "," << monthly.MInterval << " yearly " << yearly.YType << "," << yearly.YMonth << ","
          << yearly.YDayOfMonth << "," << yearly.YPosition << "," << yearly.YWeekday << " time " << timeStart << "+"
          << duration;
        return s.str();
    }

    bool Matches(int64_t day) const
    {
        if (day < start)
            return false;
        const Ymd p = Parts(day);
        const Ymd s = Parts(start);
        switch (frequency) {
        case kDaily:
            if (daily.DType == 1)
                return Weekday(day) < 5;
            return (day - start) % daily.DInterval == 0;
        case kWeekly: {
            bool listed = false;
            for (int i = 0; i < weekly.WWeekdayCount; ++i)
                listed = listed || weekly.WWeekdays[i] == Weekday(day);
            if (!listed)
                return false;
            const auto weekStart = [&](int64_t d) { return d - (Weekday(d) - weekly.WFirstDayOfWeek + 7) % 7; };
            return ((weekStart(day) - weekStart(start)) / 7) % weekly.WInterval == 0;
        }
        case kMonthly: {
            const int64_t months = (static_cast<int64_t>(p.year) * 12 + p.month) - (static_cast<int64_t>(s.year) * 12 + s.month);
            if (months % monthly.MInterval != 0)
                return false;
            return day == OracleOccurrence(p.year, p.month, monthly.MType, monthly.MDayOfMonth, monthly.MPosition, monthly.MWeekday);
        }
        default:
            return p.month == static_cast<unsigned>(yearly.YMonth) &&
                   day == OracleOccurrence(p.year, p.month, yearly.YType, yearly.YDayOfMonth, yearly.YPosition, yearly.YWeekday);
        }
    }

    // Every occurrence day up to `horizon` (skipped ones included: the end rule counts them).
    std::vector<int64_t> Expand(int64_t horizon) const
    {
        std::vector<int64_t> days;
        for (int64_t day = start; day <= horizon; ++day) {
            if (endType == kEndAtDate && day > endDate)
                break;
            if (endType == kEndAfterCount && static_cast<int>(days.size()) >= endCount)
                break;
            if (Matches(day))
                days.push_back(day);
        }
        return days;
    }
};

class PatternOracleTest : public DataTest {
protected:
    uint32_t Next(uint32_t n) { return static_cast<uint32_t>(m_rng() % n); }
    int Pick(std::initializer_list<int> values) { return *(values.begin() + Next(static_cast<uint32_t>(values.size()))); }

    Series RandomSeries()
    {
        Series s;
        s.frequency = static_cast<int>(Next(4));
        s.daily.DType = static_cast<int>(Next(2));
        s.daily.DInterval = 1 + static_cast<int>(Next(9));
        s.weekly.WFirstDayOfWeek = static_cast<int>(Next(7));
        s.weekly.WWeekdayCount = Next(12) == 0 ? 0 : 1 + static_cast<int>(Next(7));
        for (int i = 0; i < 7; ++i)
            s.weekly.WWeekdays[i] = static_cast<int>(Next(7)); // repeats on purpose
        s.weekly.WInterval = 1 + static_cast<int>(Next(4));
        s.monthly.MType = static_cast<int>(Next(2));
        s.monthly.MDayOfMonth = Pick({1, 15, 28, 29, 30, 31, 1 + static_cast<int>(Next(31))});
        s.monthly.MPosition = Pick({1, 2, 3, 4, -1});
        s.monthly.MWeekday = static_cast<int>(Next(8));
        s.monthly.MInterval = 1 + static_cast<int>(Next(6));
        s.yearly.YType = static_cast<int>(Next(2));
        s.yearly.YMonth = Next(3) == 0 ? 2 : 1 + static_cast<int>(Next(12));
        s.yearly.YDayOfMonth = Pick({28, 29, 30, 31, 1 + static_cast<int>(Next(31))});
        s.yearly.YPosition = Pick({1, 2, 3, 4, -1});
        s.yearly.YWeekday = static_cast<int>(Next(8));

        const int64_t base = Date(2019, 1, 1);
        switch (Next(4)) {
        case 0: // a month's last day
            s.start = TDate::LastDayOfMonth(2019 + Next(8), 1 + Next(12));
            break;
        case 1:
            s.start = Next(2) ? Date(2020, 2, 29) : Date(2024, 2, 29);
            break;
        default:
            s.start = base + Next(8 * 365);
        }
        s.endType = static_cast<int>(Next(3));
        s.endCount = 1 + static_cast<int>(Next(40));
        s.endDate = s.start + Next(1500);
        s.timeStart = Pick({0, 1439, 600, static_cast<int>(Next(1440))});
        s.duration = Pick({0, 30, 240, 1440, 2000, -30});
        return s;
    }

    CRecurrence* Build(const Series& s)
    {
        CRecurrence* series = nullptr;
        root->Command(kCmdNewRecurrence, &series);
        series->DateStart = static_cast<uint32_t>(s.start);
        series->TimeStart = s.timeStart;
        series->Duration = s.duration;
        series->EndType = s.endType;
        series->EndDate = static_cast<uint32_t>(s.endDate);
        series->EndCount = s.endCount;
        series->Frequency = kDaily;
        *static_cast<CRecurrencePatternDaily*>(series->GetPattern()) = s.daily;
        series->Frequency = kWeekly;
        *static_cast<CRecurrencePatternWeekly*>(series->GetPattern()) = s.weekly;
        series->Frequency = kMonthly;
        *static_cast<CRecurrencePatternMonthly*>(series->GetPattern()) = s.monthly;
        series->Frequency = kYearly;
        *static_cast<CRecurrencePatternYearly*>(series->GetPattern()) = s.yearly;
        series->Frequency = s.frequency;
        for (int64_t day : s.skipped)
            series->AddException(static_cast<uint32_t>(day));
        series->UpdateRange();
        return series;
    }

    std::mt19937 m_rng{20240917u};
};

TEST_F(PatternOracleTest, RandomSeries_agreeWithDayByDayExpansion)
{
    const int64_t horizon = Date(2075, 12, 31);
    int checkedDays = 0;
    for (int round = 0; round < 1500; ++round) {
        Series s = RandomSeries();
        const std::vector<int64_t> all = s.Expand(horizon);
        // A few occurrences skipped, and a day that is no occurrence at all.
        for (int i = 0; i < 3 && !all.empty(); ++i) {
            if (Next(2))
                s.skipped.insert(all[Next(static_cast<uint32_t>(all.size()))]);
        }
        s.skipped.insert(s.start + 1000);
        SCOPED_TRACE(s.Describe());
        CRecurrence* series = Build(s);

        // The range: first and last occurrence day (1 for no end, 0 for none).
        const TDate expectedFirst = all.empty() ? 0u : static_cast<uint32_t>(all.front());
        TDate expectedLast = 1u;
        if (all.empty())
            expectedLast = 0u;
        else if (s.endType == kEndAfterCount || s.endType == kEndAtDate)
            expectedLast = static_cast<uint32_t>(all.back());
        ASSERT_EQ(series->GetFirstDay(), expectedFirst);
        ASSERT_EQ(series->GetLastDay(), expectedLast);

        for (int w = 0; w < 3; ++w) {
            const int64_t d1 = s.start - 60 + Next(3 * 365);
            const int64_t d2 = d1 + Next(400);
            const int m1 = Pick({0, s.timeStart, static_cast<int>(Next(1440))});
            const int m2 = Pick({0, s.timeStart, static_cast<int>(Next(1440))});
            const bool running = Next(2) != 0;
            const int64_t duration = s.duration > 0 ? s.duration : 0;
            const int64_t windowStart = d1 * 1440 + m1;
            const int64_t windowEnd = d2 * 1440 + m2;
            const int64_t reference = windowStart - (running ? duration : 0);
            std::vector<TDate> expected;
            for (int64_t day : all) {
                const int64_t begins = day * 1440 + s.timeStart;
                if (s.skipped.count(day) || begins >= windowEnd)
                    continue;
                if (begins > reference || (begins == reference && duration == 0))
                    expected.push_back(static_cast<uint32_t>(day));
            }
            SCOPED_TRACE(testing::Message() << "window " << d1 << ":" << m1 << " - " << d2 << ":" << m2 << " running " << running);
            const int count = series->CountOccurrences(static_cast<uint32_t>(d1), m1, static_cast<uint32_t>(d2), m2, nullptr, running);
            ASSERT_EQ(count, static_cast<int>(expected.size()));
            std::vector<TDate> got(expected.size() + 1, 0u);
            ASSERT_EQ(series->GetOccurrences(got.data(), static_cast<uint32_t>(d1), m1, static_cast<uint32_t>(d2), m2, nullptr, running), count);
            got.resize(expected.size());
            ASSERT_EQ(got, expected);
            checkedDays += count;
        }
        series->MarkDeleted();
    }
    EXPECT_GT(checkedDays, 10000); // the windows did meet occurrences
}

} // namespace
