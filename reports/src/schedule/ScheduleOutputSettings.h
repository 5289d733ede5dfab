#pragma once
// The sizes of the schedule chart that each output keeps under its own keys
// ("ReportsScheduleStandardPrinter..." in tenths of a millimetre and engine font sizes,
// "ReportsScheduleStandardHtml..." in pixels), over each output's defaults.

#include "chart/ScheduleChart.h"

struct ScheduleOutputSettings {
    ChartSizes sizes;
    bool filterHide = false; // ...FilterHide: never show the filter caption
};

ScheduleOutputSettings ReadPrinterOutputSettings();
ScheduleOutputSettings ReadHtmlOutputSettings();
