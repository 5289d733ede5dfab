#pragma once
// The plug-in's process-wide report state: the data root handed over at start and the report
// filter handed over before each report run. Both belong to the data library.

#include "QV2PluginInterface.h"

// The data root kept from QV2Plugin_OnStart; null before. Not owned.
wqv2_data::CData* GetDataRoot();
// Keeps `root` unless a root is kept already: a later root never replaces the first.
void KeepDataRoot(wqv2_data::CData* root);
// Forgets the kept root; the plug-in's tests use it to start over with a fresh project.
void ForgetDataRoot();

// The filter of the coming report run, or null for none; null too once the project's filter
// list no longer holds the filter passed. Not owned.
wqv2_data::CFilter* GetReportFilter();
// The SetFilter callback that every report but the holidays report registers; answers 0.
int QV2_CALL SetReportFilter(wqv2_data::CFilter* filter);
