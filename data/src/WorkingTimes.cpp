// Working-time range lists.
#include "WorkingTimes.h"

#include "TextSlots.h"

#include "wqv2_data.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kDayMinutes = 1440;

int EndOf(int end) { return end == 0 ? kDayMinutes : end; }

bool InDay(int minute) { return minute >= 0 && minute <= kLastMinuteOfDay; }

} // namespace

bool RangesWellFormed(const int* pairs, int count)
{
    if (count < 0 || count > wqv2_data::kMaxWorkingTimeRanges)
        return false;
    if (count > 0 && !pairs)
        return false;
    for (int i = 0; i < count; ++i) {
        const int start = pairs[2 * i];
        const int end = pairs[2 * i + 1];
        if (!InDay(start) || !InDay(end))
            return false;
        if (end != 0 && start >= end)
            return false;
        if (i > 0) {
            const int previousEnd = pairs[2 * i - 1];
            if (previousEnd == 0 || start < previousEnd)
                return false;
        }
    }
    return true;
}

bool SetRanges(int*& slot, int& countSlot, const int* pairs, int count)
{
    if (count > INT_MAX / 2)
        return false;
    const int stored = (count > 0 && pairs) ? count : 0;
    SetIntArray(2 * stored, slot, pairs);
    countSlot = stored;
    return true;
}

long long RangeListLength(RangeList list)
{
    if (!list.pairs || list.count <= 0)
        return 0;
    long long total = 0;
    for (int i = 0; i < list.count; ++i)
        total += EndOf(list.pairs[2 * i + 1]) - list.pairs[2 * i];
    return total;
}

long long OverlapMinutes(RangeList list, int from, int to)
{
    if (!list.pairs || list.count <= 0)
        return 0;
    long long total = 0;
    for (int i = 0; i < list.count; ++i) {
        const int start = std::max(list.pairs[2 * i], from);
        const int end = std::min(EndOf(list.pairs[2 * i + 1]), to);
        if (end > start)
            total += end - start;
    }
    return total;
}

int PlaceMinutes(RangeList list, int from, long long n)
{
    if (!list.pairs || list.count <= 0)
        return from;
    int reached = from;
    for (int i = 0; i < list.count; ++i) {
        const int end = EndOf(list.pairs[2 * i + 1]);
        if (end <= from)
            continue;
        const long long available = end - std::max(list.pairs[2 * i], from);
        if (available >= n)
            return static_cast<int>(end - (available - n));
        n -= available;
        reached = end;
    }
    // Only for a caller that asked for more than the list holds: the end of the last range.
    return reached;
}

int LastRangeEnd(RangeList list)
{
    if (!list.pairs || list.count <= 0)
        return -1;
    return EndOf(list.pairs[2 * list.count - 1]);
}
