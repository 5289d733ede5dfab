#pragma once
// The resources report as the host sees it: its registration and callbacks.

#include "plugin/ReportRegistry.h"

const ReportDefinition& ResourcesReport();
