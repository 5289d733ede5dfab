#pragma once
// The period of the schedule chart as its settings choose it. The chart outputs and the export
// (which lists the chart's tasks by resource) read it the same way.

#include "TDateTime.h"

struct SchedulePeriod {
    int kind = 1;      // 0 the project's view period, 1 the period the board showed, 2 fixed dates
    TDateTime start;   // the first moment of the chart
    TDateTime end;     // the moment after the last one
};

// The default (this month from its first day at 00:00 to the first day of the next month at
// 00:00, so the month's last day is in it), then `ReportsScheduleStandardPeriod` with the
// settings of the chosen kind; an unknown kind keeps the default.
SchedulePeriod ReadSchedulePeriod();
