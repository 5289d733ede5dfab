#pragma once
// CRScheduleStandardBase: what the schedule chart's printed and HTML outputs share for one
// run: the chart (view settings, the project's scale, daily window and weekdays) over the
// report's period, the output's sizes and the report's switches. The output owns it.

#include "chart/ScheduleChart.h"
#include "schedule/ScheduleOutputSettings.h"
#include "schedule/SchedulePeriod.h"

class CRScheduleStandardBase {
public:
    // The chart's view settings, the period and its columns, the switches.
    explicit CRScheduleStandardBase(const ScheduleOutputSettings& output);

    // The filter caption shows unless the output hides it, when the report has a filter or
    // ReportsFilterShowAlways is set.
    bool ShowsFilterCaption() const;

    ScheduleOutputSettings Output;
    SchedulePeriod Period;
    bool SkipEmpty = false;         // ReportsScheduleStandardResourcesSkipEmpty
    bool FilterShowAlways = false;  // ReportsFilterShowAlways
    CScheduleChart Chart;
};
