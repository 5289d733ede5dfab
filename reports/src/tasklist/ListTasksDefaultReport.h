#pragma once
// The task list report as the host sees it: its registration and callbacks.

#include "plugin/ReportRegistry.h"

const ReportDefinition& TaskListReport();
