#pragma once
// The tasks-by-resource report as the host sees it: its registration and callbacks.

#include "plugin/ReportRegistry.h"

const ReportDefinition& TasksByResourceReport();
