// Working-time range lists.
#include "WorkingTimes.h"

#include "TextSlots.h"

#include "wqv2_data.h"

#include <climits>

bool RangesWellFormed(const int* pairs, int count)
{
    if (count < 0 || count > wqv2_data::kMaxWorkingTimeRanges)
        return false;
    if (count > 0 && !pairs)
        return false;
    for (int i = 0; i < count; ++i) {
        const int start = pairs[2 * i];
        const int end = pairs[2 * i + 1];
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
