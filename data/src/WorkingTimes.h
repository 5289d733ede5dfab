#pragma once
// Lists of working-time ranges: (start, end) minute pairs of one day, end 0 meaning 24:00.

// A list is well-formed when each range has start < end (or end 0), ranges ascend and may touch
// but not overlap, and a range ending at 24:00 is the last; at most kMaxWorkingTimeRanges.
bool RangesWellFormed(const int* pairs, int count);

// Replaces a range list (array slot and count) with a copy of `count` pairs. A list without
// pairs stores count 0, so no reader ever walks a count over a missing array. False (nothing
// changed) for a count no array can hold.
bool SetRanges(int*& slot, int& countSlot, const int* pairs, int count);
