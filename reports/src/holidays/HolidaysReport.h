#pragma once
// The holidays report as the host sees it: its registration and callbacks.

#include "plugin/ReportRegistry.h"

const ReportDefinition& HolidaysReport();
