#pragma once
// The filters report as the host sees it: its registration and callbacks.

#include "plugin/ReportRegistry.h"

const ReportDefinition& FiltersReport();
