#pragma once
// The project of the report benchmark: the data library's generated project (tasks, resources,
// series, user fields) plus what the other list reports list, in proportion to the tasks:
// a holiday per 100 tasks, a calendar with ten exceptions and a filter per 1,000 tasks.

#include "wqv2_data.h"

namespace bench {

bool BuildReportProject(wqv2_data::CData* root, int tasks);

} // namespace bench
