#pragma once
// Listed task occurrences of a report period: (day, task) pairs gathered resource by resource
// and sorted by a grid column. Occurrences of a series are never made into tasks: the pair
// (occurrence day, template task) stands for each, and its values are computed when asked for.
// The pairs refer to tasks of the data library; use a list only while the data is unchanged.

#include "wqv2_data.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using wqv2_data::TaskOccurrence;

// Start and end of one occurrence: the task's own bounds, or for a series template the day at
// the series' start minute up to the end the series gives for that day. A default-made span
// holds day 0: TDate's own default asks the clock, which listings made row by row cannot afford.
struct OccurrenceSpan {
    TDate startDay = TDate(0u);
    int startMinute = 0;
    TDate endDay = TDate(0u);
    int endMinute = 0;
};

// Rows ahead of the one being written: a long listing visits its tasks out of memory order, so
// the task, and once it is in, its texts are asked for before the row needs them.
inline void PrefetchTask(const TaskOccurrence& occurrence)
{
    __builtin_prefetch(occurrence.task);
    __builtin_prefetch(reinterpret_cast<const char*>(occurrence.task) + 64);
}
inline void PrefetchTexts(const TaskOccurrence& occurrence)
{
    __builtin_prefetch(occurrence.task->Name);
    __builtin_prefetch(occurrence.task->Note);
}
constexpr size_t kPrefetchRows = 8;
inline void PrefetchRows(const TaskOccurrence* rows, size_t r, size_t count)
{
    if (r + 2 * kPrefetchRows < count)
        PrefetchTask(rows[r + 2 * kPrefetchRows]);
    if (r + kPrefetchRows < count)
        PrefetchTexts(rows[r + kPrefetchRows]);
}

// A task that belongs to no task list and has a series: it stands for the series' occurrences.
bool IsSeriesTemplate(const wqv2_data::CTask* task);
OccurrenceSpan GetOccurrenceSpan(const TaskOccurrence& occurrence);
// Working minutes of the occurrence (by the resource's calendar; elapsed minutes without one).
int GetOccurrenceWorkingTime(const TaskOccurrence& occurrence);
// Costs of the occurrence over its own bounds.
double GetOccurrenceCosts(const TaskOccurrence& occurrence);

// Appends the resource's occurrences in the window: own tasks first, then each series'
// occurrences; with `sorted` in occurrence order (day, start minute, later end first, name
// with ASCII letters folded), stably.
void CollectOccurrences(wqv2_data::CFilter* filter, wqv2_data::CResource* resource, TDate d1, int m1, TDate d2, int m2,
                        bool sorted, std::vector<TaskOccurrence>& out);

// Puts the items in the order of their ranks (ranks[i] of items[i], each below `rankBound`),
// equal ranks in their order, in place; `ranks` is used up.
void SortByRank(std::vector<TaskOccurrence>& items, std::vector<uint32_t>& ranks, uint32_t rankBound);

class CListedTasks {
public:
    virtual ~CListedTasks() = default;

    // The occurrences of every resource the report filter shows (resources by position) in the
    // window, sorted by the column when it is 0 or more (see ListedTasks.cpp); returns how many.
    int Rebuild(TDate d1, int m1, TDate d2, int m2, int sortColumn, int sortOrder);

    const std::vector<TaskOccurrence>& Items() const { return m_items; }

    // Moves the list out, leaving it empty.
    std::vector<TaskOccurrence> TakeItems() { return std::move(m_items); }

private:
    void Sort(int sortColumn, int sortOrder);

    std::vector<TaskOccurrence> m_items; // owns the pairs only
};
