// Minute arithmetic on a day and a time of day.
#include "TDateTime.h"

namespace {
constexpr long long kDay = 1440;
}

TDateTime::TDateTime() = default;

// The time starts at 0: its default would ask the clock, for a value set at once.
TDateTime::TDateTime(TDate d, int minutes, bool isEmpty) : date(d), time(0)
{
    // Stored as given, not normalised: 1440 is the end of the day.
    time.minutes = minutes;
    time.empty = isEmpty;
}

TDateTime TDateTime::AddMinutes(int n)
{
    Shift(n);
    return *this;
}

TDateTime TDateTime::SubtractMinutes(int n)
{
    Shift(-static_cast<long long>(n));
    return *this;
}

void TDateTime::Shift(long long n)
{
    const long long days = n / kDay;
    const long long r = n % kDay;
    long long dayShift = days;
    if (r > 0) {
        const long long sum = time.minutes + r;
        if (sum >= kDay)
            ++dayShift;
        time.minutes = static_cast<int>(sum % kDay);
        time.empty = false;
    } else if (r < 0) {
        const long long rest = time.minutes + r;
        if (rest < 0)
            --dayShift;
        time.minutes = static_cast<int>(((rest % kDay) + kDay) % kDay);
        time.empty = false;
    }
    date += static_cast<int>(dayShift); // |n| / 1440 + 1 always fits in an int
}
