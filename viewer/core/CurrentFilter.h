#pragma once
// The current filter (see ProcessObjects.h): a pointer the viewer keeps but does not own, checked
// against the project's filter list before every use, and the setting "FilterActive" that
// applies it.

#include "wqv2_data.h"

// The current filter when the project's filter list still holds it, else null.
wqv2_data::CFilter* GetValidCurrentFilter();
// The filter that applies now: the valid current filter when "FilterActive" is true, else null.
wqv2_data::CFilter* GetActiveCurrentFilter();

// Makes the first filter by name other than the old current one current (null when none) and
// switches "FilterActive" off; nothing is broadcast. Returns the new current filter.
wqv2_data::CFilter* ResetCurrentFilter();
// Hands the filter that applies now (or none) to every registered report, so that no report
// keeps a filter that the viewer dropped, or that a delete, close or reload freed.
void PassFilterToReports();
// current := filter, "FilterActive" := active, the selection is emptied, plug-ins and reports
// are told.
int SetCurrentFilterAndNotify(wqv2_data::CFilter* filter, bool active);

// The filter named by "OnStartupFilter" becomes current and active once, at the first
// successful open after start-up.
void SetStartupFilterPending(bool pending);
bool IsStartupFilterPending();
void ApplyStartupFilter();
