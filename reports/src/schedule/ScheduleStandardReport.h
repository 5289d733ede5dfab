#pragma once
// The schedule chart report as the host sees it: its registration and callbacks.

#include "plugin/ReportRegistry.h"

const ReportDefinition& ScheduleReport();
