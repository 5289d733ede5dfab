#pragma once
// The projects of the report benchmark: the data library's generated project (tasks, resources,
// series, user fields) plus what the other list reports list, in proportion to the tasks:
// a holiday per 100 tasks, a calendar with ten exceptions and a filter per 1,000 tasks; and a
// project of resources with calendars for the chart's non-working time.

#include "wqv2_data.h"

namespace bench {

bool BuildReportProject(wqv2_data::CData* root, int tasks);

// The project of the schedule chart's non-working case: `resources` resources, each with two
// tasks of the year and one of ten calendars that work 8:00-12:00 and 13:00-17:00 on weekdays,
// and the project's non-working colour set, so every chart row paints the calendar's gaps.
bool BuildNonWorkingProject(wqv2_data::CData* root, int resources);

} // namespace bench
