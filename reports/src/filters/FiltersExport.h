#pragma once
// CRFiltersExport: the filters report as delimited text: a header row, then per filter its name,
// its four criteria and the names of every resource it shows.

#include "filters/FiltersBase.h"
#include "output/RExportBase.h"

class CRFiltersExport : public CRFiltersBase, public CRExportBase {
public:
    CRFiltersExport();
    int Export(const wchar_t* path) override;

    std::wstring ResourceSeparator = L"|"; // ReportsFiltersResourcesSeparator
};
