#pragma once
// CRHolidaysExport: the holidays of the period as delimited text: a header row, then the date and
// the name of each holiday.

#include "holidays/HolidaysBase.h"
#include "output/RExportBase.h"

class CRHolidaysExport : public CRHolidaysBase, public CRExportBase {
public:
    int Export(const wchar_t* path) override;
};
