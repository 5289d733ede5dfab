#pragma once
// CRFiltersPrint: the filters report on printed pages: a table with one group of rows per
// filter, one row per resource it shows.

#include "filters/FiltersBase.h"
#include "output/RPrintBase.h"

class CRFiltersPrint : public CRFiltersBase, public CRPrintBase {
public:
    CRFiltersPrint();
    int PrintBody(CRKPrintEngine2* engine) override;
};
