#pragma once
// Sorted lists of the project's resources, calendars and filters, and names with a bracketed
// sort key. The objects listed belong to the data library.

#include "wqv2_data.h"

#include <string>
#include <string_view>
#include <vector>

// Appends the root's resources that the filter shows (all for null), by `Position` ascending
// (equal positions keep the list order); returns how many were appended.
int GetSortedResources(wqv2_data::CFilter* filter, std::vector<wqv2_data::CResource*>& out,
                       wqv2_data::CData* root);
// Appends every calendar of the kept root by `Position` ascending; returns how many.
int GetSortedCalendars(std::vector<wqv2_data::CCalendar*>& out);
// Appends the kept root's filters by name (locale comparison ignoring case); returns how many.
int GetSortedFilters(std::vector<wqv2_data::CFilter*>& out);

// "[key]rest": mode 0 gives "keyrest", mode 1 "rest"; any other text (or mode) comes back whole.
std::wstring GetSortNamePart(std::wstring_view name, int mode);
// true when a's sort key sorts before b's (locale comparison ignoring case).
bool CompareSortNames(std::wstring_view a, std::wstring_view b);
