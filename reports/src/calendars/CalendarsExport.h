#pragma once
// CRCalendarsExport: the calendars as delimited text: one row per calendar with its working
// times by weekday and its holiday rule, then, when asked for, the exceptions of the period.

#include "calendars/CalendarsBase.h"
#include "output/RExportBase.h"

class CRCalendarsExport : public CRCalendarsBase, public CRExportBase {
public:
    int Export(const wchar_t* path) override;
};
