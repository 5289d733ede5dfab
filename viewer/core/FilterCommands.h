#pragma once
// The filter commands of the main frame (filter button, on/off, a filter chosen from the menu)
// and the runners of the filter dialog that the filters dialog uses too. Every filter change
// made here empties the selection and tells the plug-ins only that the filter changed.

#include "wqv2_data.h"

#include <windows.h>

// Command 32781: edits the current filter (or a new one) and switches it on after OK.
void OnFilterButton();
// Command 32783: switches the filter on or off; switching on without a filter asks for one.
void OnFilterOnOff();
// Commands 800-850: the filter at that place of the sorted list becomes current and active.
void OnFilterChosen(UINT id);

// The current filter; one that is gone is replaced first, and without any the new-filter
// dialog runs (`created` then tells whether it made one).
wqv2_data::CFilter* EnsureCurrentFilter(bool& created);

// The filter dialog for a new filter (filled from `source` when given, its name with string
// 12010 added); after OK the filter is made in an unnamed transaction. Null when cancelled or
// when the data library refused it.
wqv2_data::CFilter* NewFilterWithDialog(wqv2_data::CFilter* source);
// The filter dialog for an existing filter; true when the changes were committed.
bool EditFilterWithDialog(wqv2_data::CFilter* filter);
// Asks (message 13285) and deletes the filter; true when deleted or not in the project.
bool DeleteFilterWithConfirm(wqv2_data::CFilter* filter);

// Command 32792: every listed task of the project period becomes the selection.
void SelectListedTasks();
