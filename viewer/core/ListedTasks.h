#pragma once
// The tasks the viewer lists for the project period (CListedTasks), the sorted views of the
// project's resources, filters and calendars, and the pruning of the selection against them.

#include "wqv2_data.h"

#include <vector>

class CListedTasks {
public:
    // Every occurrence of the resources that the filter shows, resource by resource in
    // position order, over [first day 0:00, end day 0:00). Returns the count.
    int Build(wqv2_data::CData* data, TDate firstDay, TDate endDay, wqv2_data::CFilter* filter);
    const std::vector<wqv2_data::TaskOccurrence>& Items() const { return m_items; }
    bool Contains(const wqv2_data::TaskOccurrence& entry) const;

private:
    std::vector<wqv2_data::TaskOccurrence> m_items; // owns only the array
};

// The resources the filter does not hide (all for null), by Position ascending; appended.
int GetSortedResources(wqv2_data::CFilter* filter, std::vector<wqv2_data::CResource*>& out, wqv2_data::CData* data);
// All filters by name (user locale, ignoring case); appended.
int GetSortedFilters(std::vector<wqv2_data::CFilter*>& out);
// All calendars by Position ascending; appended.
int GetSortedCalendars(std::vector<wqv2_data::CCalendar*>& out);

// With `clear` empties the selection; else keeps only the selected occurrences that are still
// listed for the project period (with the current filter when "FilterActive"). Returns the size
// of the selection. Nothing is broadcast.
int RefreshListedTasks(bool clear);
