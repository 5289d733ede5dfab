#pragma once
// Lists of working-time ranges: (start, end) minute pairs of one day, end 0 meaning 24:00.

constexpr int kLastMinuteOfDay = 1439;

// A list is well-formed when every minute lies in 0-1439, each range has start < end (or end 0),
// ranges ascend and may touch but not overlap, and a range ending at 24:00 is the last; at most
// kMaxWorkingTimeRanges ranges and never a negative count.
bool RangesWellFormed(const int* pairs, int count);

// Replaces a range list (array slot and count) with a copy of `count` pairs. A list without
// pairs (null, or a count of 0 or less) stores count 0, so no reader ever walks a count over a
// missing array. False (nothing changed) for a count no array can hold.
bool SetRanges(int*& slot, int& countSlot, const int* pairs, int count);

// A day's ranges as the arithmetic reads them: borrowed from a calendar list or an exception.
struct RangeList {
    const int* pairs = nullptr; // not owned
    int count = 0;
};

// Minutes of the list (each range's end, 1440 for 0, minus its start).
long long RangeListLength(RangeList list);
// Minutes of the list inside the window [from, to] of the day (0 <= from <= to <= 1440).
long long OverlapMinutes(RangeList list, int from, int to);
// The minute of the day at which `n` working minutes after `from` are reached, walking the
// ranges in order; a count that ends at a range's end gives that end (1440 for 24:00). The
// caller makes sure the list holds at least `n` minutes after `from`.
int PlaceMinutes(RangeList list, int from, long long n);
// The end (1440 for 24:00) of the list's last range, or -1 for an empty list.
int LastRangeEnd(RangeList list);
