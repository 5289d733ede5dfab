#pragma once
// The calendars report as the host sees it: its registration and callbacks.

#include "plugin/ReportRegistry.h"

const ReportDefinition& CalendarsReport();
