// Prints how long a calendar with holidays and exceptions takes to count the working minutes of
// 1,000,000 random periods of up to ten years, and to place 1,000,000 random counts of up to
// ten years of working time.
#include "wqv2_data.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

double Ms(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

struct Period {
    uint32_t d1;
    int m1;
    uint32_t d2;
    int m2;
};

} // namespace

int main()
{
    constexpr int kCalls = 1000000;
    constexpr int kYears = 30;
    constexpr uint32_t kTenYears = 3653;
    const uint32_t first = TDate::FromYMD(1, 2000, 1);
    std::mt19937 rng(12345u);

    wqv2_data::CData* root = DllGetData(nullptr);
    root->BeginTransaction(L"");
    wqv2_data::CCalendar* calendar = root->Calendars->CreateNew();
    calendar->SetName(L"Office");
    const int day[] = {480, 720, 780, 1020};
    const int friday[] = {480, 720};
    for (unsigned list = 0; list < 4; ++list)
        calendar->SetWorkingTimes(list, day, 2);
    calendar->SetWorkingTimes(4, friday, 1);
    calendar->SetWorkingTimes(5, nullptr, 0);
    calendar->SetWorkingTimes(6, nullptr, 0);
    const int holiday[] = {600, 660};
    calendar->SetWorkingTimes(7, holiday, 1);
    root->Calendars->Add(calendar);
    // Twelve holidays and twenty-four exceptions a year.
    int holidays = 0;
    int exceptions = 0;
    for (int year = 0; year < kYears; ++year) {
        for (int i = 0; i < 12; ++i) {
            wqv2_data::CHoliday* h = root->Holidays->CreateNew();
            h->SetName((L"Holiday " + std::to_wstring(i)).c_str());
            h->Date = TDate::FromYMD(static_cast<unsigned>(i + 1), 2000u + year, 1u + rng() % 28);
            holidays += root->Holidays->Add(h) == 0 ? 1 : 0;
        }
        for (int i = 0; i < 24; ++i) {
            wqv2_data::CCalendarException* e = calendar->Exceptions->CreateNew();
            e->Date = first + static_cast<uint32_t>(year * 365) + rng() % 365;
            const int shortDay[] = {480, 600};
            e->SetWorkingTimes(shortDay, i % 3 == 0 ? 0 : 1);
            exceptions += calendar->Exceptions->Add(e) == 0 ? 1 : 0;
        }
    }
    const int committed = root->Commit();
    std::printf("calendar with %d holidays and %d exceptions over %d years (commit %d)\n", holidays, exceptions, kYears, committed);

    std::vector<Period> periods(kCalls);
    for (Period& p : periods) {
        p.d1 = first + rng() % (kYears * 365 - kTenYears);
        p.m1 = static_cast<int>(rng() % 1440);
        p.d2 = p.d1 + rng() % kTenYears;
        p.m2 = static_cast<int>(rng() % 1440);
    }
    auto start = std::chrono::steady_clock::now();
    long long sum = 0;
    for (const Period& p : periods)
        sum += calendar->WorkingMinutes(p.d1, p.m1, p.d2, p.m2);
    double ms = Ms(start);
    std::printf("%d WorkingMinutes, periods up to 10 years: %.1f ms (%.2f us a call; %lld minutes in all)\n", kCalls, ms,
                ms * 1000.0 / kCalls, sum);

    // Ten thousand periods asked twice: the second time every answer comes from the memo.
    constexpr int kRepeated = 10000;
    long long once = 0;
    for (int i = 0; i < kRepeated; ++i)
        once += calendar->WorkingMinutes(periods[static_cast<size_t>(i)].d1, periods[static_cast<size_t>(i)].m1,
                                         periods[static_cast<size_t>(i)].d2, periods[static_cast<size_t>(i)].m2);
    start = std::chrono::steady_clock::now();
    long long twice = 0;
    for (int i = 0; i < kRepeated; ++i)
        twice += calendar->WorkingMinutes(periods[static_cast<size_t>(i)].d1, periods[static_cast<size_t>(i)].m1,
                                          periods[static_cast<size_t>(i)].d2, periods[static_cast<size_t>(i)].m2);
    ms = Ms(start);
    std::printf("%d WorkingMinutes asked again (memo): %.1f ms (%.2f us a call; %s)\n", kRepeated, ms, ms * 1000.0 / kRepeated,
                once == twice ? "same answers" : "ANSWERS DIFFER");

    // Ten years hold about 10 * 52 * 2160 working minutes.
    const unsigned kMaxCount = 10u * 52u * 2160u;
    std::vector<unsigned> counts(kCalls);
    for (unsigned& n : counts)
        n = rng() % (kMaxCount + 1);
    start = std::chrono::steady_clock::now();
    long long endDays = 0;
    int reached = 0;
    for (int i = 0; i < kCalls; ++i) {
        TDate endDay = 0u;
        int endMinute = 0;
        reached += calendar->AddWorkingMinutes(periods[static_cast<size_t>(i)].d1, periods[static_cast<size_t>(i)].m1,
                                               counts[static_cast<size_t>(i)], &endDay, &endMinute)
                       ? 1
                       : 0;
        endDays += static_cast<uint32_t>(endDay) - periods[static_cast<size_t>(i)].d1;
    }
    ms = Ms(start);
    std::printf("%d AddWorkingMinutes, counts up to 10 years: %.1f ms (%.2f us a call; %d reached, %.0f days on average)\n",
                kCalls, ms, ms * 1000.0 / kCalls, reached, static_cast<double>(endDays) / kCalls);

    DllFreeData();
    return 0;
}
