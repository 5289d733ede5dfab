// The working-time arithmetic against a minute-by-minute count: random calendars with holidays
// and exceptions, random periods and counts (fixed seed), through QV2D.dll.
#include "DataTestEnv.h"

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

constexpr int kDay = 1440;

// A calendar as the oracle sees it: its lists, rule, the first exception of each date and the
// holiday dates. Nothing here comes from the library.
struct Model {
    std::vector<int> lists[8];
    int rule = 2;
    std::map<uint32_t, std::vector<int>> exceptions;
    std::set<uint32_t> holidays;

    const std::vector<int>& DayRanges(uint32_t day) const
    {
        static const std::vector<int> none;
        const auto e = exceptions.find(day);
        if (e != exceptions.end())
            return e->second;
        if (rule != 1 && holidays.count(day))
            return rule == 0 ? none : lists[7];
        return lists[day % 7];
    }
    bool Sparse() const
    {
        for (int w = 0; w < 7; ++w) {
            if (!lists[w].empty())
                return false;
        }
        return true;
    }
};

// Well-formed random ranges: days off, whole days, ranges that touch, start at 0 or end at 24:00.
std::vector<int> RandomRanges(std::mt19937& rng)
{
    const unsigned kind = rng() % 10;
    if (kind == 0)
        return {};
    if (kind == 1)
        return {0, 0};
    std::vector<int> pairs;
    const int count = 1 + static_cast<int>(rng() % 4);
    int cursor = rng() % 3 == 0 ? 0 : static_cast<int>(rng() % 600);
    for (int i = 0; i < count && cursor < kDay; ++i) {
        const int start = cursor;
        int end = std::min(kDay, start + 1 + static_cast<int>(rng() % 300));
        if (rng() % 8 == 0)
            end = kDay;
        pairs.push_back(start);
        pairs.push_back(end == kDay ? 0 : end);
        if (end == kDay)
            break;
        cursor = end + (rng() % 3 == 0 ? 0 : static_cast<int>(rng() % 240));
    }
    return pairs;
}

class WorkingTimeOracleTest : public DataTest {
protected:
    // A fresh project with one calendar made from a random model over the days
    // [first, first + days).
    CCalendar* Build(std::mt19937& rng, uint32_t first, int days, int exceptionCount, int holidayCount, Model& model)
    {
        root->Close(0);
        model = Model();
        const bool sparse = rng() % 5 == 0;
        for (int list = 0; list < 8; ++list)
            model.lists[list] = sparse && list < 7 ? std::vector<int>() : RandomRanges(rng);
        model.rule = static_cast<int>(rng() % 3);

        if (Begin() != 0)
            return nullptr;
        CCalendar* c = root->Calendars->CreateNew();
        c->SetName(L"Random");
        for (unsigned list = 0; list < 8; ++list)
            c->SetWorkingTimes(list, model.lists[list].data(), static_cast<int>(model.lists[list].size() / 2));
        c->HolidayRule = model.rule;
        if (root->Calendars->Add(c) != 0)
            return nullptr;
        std::vector<uint32_t> exceptionDays;
        for (int i = 0; i < exceptionCount; ++i) {
            // Now and then a second exception on a day that has one.
            const bool again = !exceptionDays.empty() && rng() % 10 == 0;
            const uint32_t day = again ? exceptionDays[rng() % exceptionDays.size()] : first + rng() % days;
            const std::vector<int> ranges = RandomRanges(rng);
            CCalendarException* e = c->Exceptions->CreateNew();
            e->Date = day;
            e->SetWorkingTimes(ranges.data(), static_cast<int>(ranges.size() / 2));
            if (c->Exceptions->Add(e) != 0)
                return nullptr;
            model.exceptions.emplace(day, ranges); // the first of a date stays
            exceptionDays.push_back(day);
        }
        for (int i = 0; i < holidayCount; ++i) {
            const uint32_t day = first + rng() % days;
            if (model.holidays.count(day))
                continue;
            CHoliday* h = root->Holidays->CreateNew();
            h->SetName((L"H" + std::to_wstring(i)).c_str());
            h->Date = day;
            if (root->Holidays->Add(h) != 0)
                return nullptr;
            model.holidays.insert(day);
        }
        return Commit() == 0 ? c : nullptr;
    }

    // Working minutes from the first day's 0:00 up to every minute of the days.
    static std::vector<long long> Cumulative(const Model& model, uint32_t first, int days)
    {
        std::vector<long long> sum(static_cast<size_t>(days) * kDay + 1, 0);
        size_t i = 0;
        for (int d = 0; d < days; ++d) {
            const std::vector<int>& ranges = model.DayRanges(first + d);
            for (int m = 0; m < kDay; ++m, ++i) {
                bool working = false;
                for (size_t r = 0; r + 1 < ranges.size(); r += 2) {
                    const int end = ranges[r + 1] == 0 ? kDay : ranges[r + 1];
                    working = working || (m >= ranges[r] && m < end);
                }
                sum[i + 1] = sum[i] + (working ? 1 : 0);
            }
        }
        return sum;
    }

    // A minute of the days: often a range boundary of its day, else any minute.
    static long long RandomMoment(std::mt19937& rng, const Model& model, uint32_t first, int fromDay, int dayCount)
    {
        const int d = fromDay + static_cast<int>(rng() % dayCount);
        const std::vector<int>& ranges = model.DayRanges(first + d);
        int m = static_cast<int>(rng() % kDay);
        if (!ranges.empty() && rng() % 3 == 0)
            m = ranges[rng() % ranges.size()]; // 0 for an end at 24:00: the day's start
        return static_cast<long long>(d) * kDay + m;
    }
};

TEST_F(WorkingTimeOracleTest, WorkingMinutesAndAddWorkingMinutes_agreeWithAMinuteCount)
{
    std::mt19937 rng(20240902u);
    constexpr int kScenarios = 60;
    constexpr int kDays = 84;
    int periods = 0;
    int placed = 0;
    int unreachable = 0;
    int ending2400 = 0;
    for (int scenario = 0; scenario < kScenarios; ++scenario) {
        const uint32_t first = TDate::FromYMD(1, 2024, 1) + rng() % 1000;
        Model model;
        CCalendar* c = Build(rng, first, kDays, static_cast<int>(rng() % 14), static_cast<int>(rng() % 9), model);
        ASSERT_NE(c, nullptr) << "scenario " << scenario;
        const std::vector<long long> sum = Cumulative(model, first, kDays);

        for (int d = 0; d < kDays; ++d) {
            int pairs[16] = {};
            const std::vector<int>& expected = model.DayRanges(first + d);
            ASSERT_EQ(c->GetWorkingTimes(pairs, first + d), static_cast<int>(expected.size() / 2));
            ASSERT_TRUE(std::equal(expected.begin(), expected.end(), pairs)) << "scenario " << scenario << " day " << d;
        }

        for (int i = 0; i < 150; ++i, ++periods) {
            // Short periods, sometimes inverted or empty; ends at 0:00 are 24:00 of the day before.
            const long long a = RandomMoment(rng, model, first, 0, kDays - 21);
            long long b = a + static_cast<long long>(rng() % (20 * kDay)) - (rng() % 10 == 0 ? 600 : 0);
            if (rng() % 4 == 0)
                b = (b / kDay + 1) * kDay;
            b = std::max(0LL, b);
            if (b % kDay == 0 && b > a)
                ++ending2400;
            const long long want = b > a ? sum[static_cast<size_t>(b)] - sum[static_cast<size_t>(a)] : 0;
            const int got = c->WorkingMinutes(first + static_cast<uint32_t>(a / kDay), static_cast<int>(a % kDay),
                                              first + static_cast<uint32_t>(b / kDay), static_cast<int>(b % kDay));
            ASSERT_EQ(got, want) << "scenario " << scenario << " from " << a << " to " << b;
        }

        const long long total = sum.back();
        for (int i = 0; i < 100; ++i) {
            const long long a = RandomMoment(rng, model, first, 0, kDays - 28);
            const long long available = total - sum[static_cast<size_t>(a)];
            long long n = 0;
            switch (rng() % 4) {
            case 0: n = rng() % 600; break;
            case 1: n = rng() % 6000; break;
            case 2: n = available > 0 ? static_cast<long long>(rng() % static_cast<unsigned>(available + 1)) : 0; break;
            default: n = available + (model.Sparse() ? 1 + rng() % 100 : 0); break; // all, or more
            }
            bool wantOk = true;
            long long wantAt = a;
            if (n > available) {
                // Only a calendar without weekday work runs out within the days; then the
                // answer is the end of the last working minute, or the start.
                if (!model.Sparse())
                    continue;
                wantOk = false;
                for (long long t = static_cast<long long>(sum.size()) - 1; t > a; --t) {
                    if (sum[static_cast<size_t>(t)] != sum[static_cast<size_t>(t - 1)]) {
                        wantAt = t;
                        break;
                    }
                }
                ++unreachable;
            } else {
                const auto it = std::lower_bound(sum.begin() + a, sum.end(), sum[static_cast<size_t>(a)] + n);
                wantAt = it - sum.begin();
                ++placed;
            }
            TDate day = 0u;
            int minute = -1;
            const bool ok = c->AddWorkingMinutes(first + static_cast<uint32_t>(a / kDay), static_cast<int>(a % kDay),
                                                 static_cast<unsigned>(n), &day, &minute);
            const long long at = (static_cast<long long>(static_cast<uint32_t>(day)) - first) * kDay + minute;
            ASSERT_EQ(ok, wantOk) << "scenario " << scenario << " from " << a << " adding " << n;
            ASSERT_EQ(at, wantAt) << "scenario " << scenario << " from " << a << " adding " << n;
        }
    }
    // The run really covered what it is for.
    EXPECT_GT(periods, 5000);
    EXPECT_GT(placed, 4000);
    EXPECT_GT(unreachable, 50);
    EXPECT_GT(ending2400, 1000);
}

TEST_F(WorkingTimeOracleTest, LongPeriods_addUpAndInvert)
{
    // Over years no minute count is feasible; the stretches of a period must add up to the whole
    // (each stretch is a new question for the memo), and placing a period's minutes from its
    // start must end inside it, on the minute where the count is complete.
    std::mt19937 rng(7u);
    for (int scenario = 0; scenario < 40; ++scenario) {
        const uint32_t first = TDate::FromYMD(1, 2020, 1);
        constexpr int kDays = 3660;
        Model model;
        CCalendar* c = Build(rng, first, kDays, 200, 100, model);
        ASSERT_NE(c, nullptr);
        for (int i = 0; i < 20; ++i) {
            const uint32_t d1 = first + rng() % kDays;
            const uint32_t d2 = d1 + rng() % (first + kDays - d1);
            const int m1 = static_cast<int>(rng() % kDay);
            const int m2 = static_cast<int>(rng() % kDay);
            const int whole = c->WorkingMinutes(d1, m1, d2, m2);
            int stretches = 0;
            uint32_t day = d1;
            int minute = m1;
            while (day < d2) {
                const uint32_t next = std::min(d2, day + 1 + static_cast<uint32_t>(rng() % 400));
                const int nextMinute = next == d2 ? m2 : static_cast<int>(rng() % kDay);
                stretches += c->WorkingMinutes(day, minute, next, nextMinute);
                day = next;
                minute = nextMinute;
            }
            stretches += c->WorkingMinutes(day, minute, d2, m2);
            ASSERT_EQ(whole, stretches) << "scenario " << scenario;

            TDate endDay = 0u;
            int endMinute = 0;
            ASSERT_TRUE(c->AddWorkingMinutes(d1, m1, static_cast<unsigned>(whole), &endDay, &endMinute));
            ASSERT_EQ(c->WorkingMinutes(d1, m1, endDay, endMinute), whole);
            if (whole > 0) {
                ASSERT_LE(static_cast<uint32_t>(endDay) * 1440LL + endMinute, d2 * 1440LL + m2);
                // One minute less was not enough: the end is where the count is complete.
                const uint32_t before = endMinute == 0 ? endDay - 1 : static_cast<uint32_t>(endDay);
                const int beforeMinute = endMinute == 0 ? kDay - 1 : endMinute - 1;
                ASSERT_EQ(c->WorkingMinutes(d1, m1, before, beforeMinute), whole - 1) << "scenario " << scenario;
            }
        }
    }
}

} // namespace
