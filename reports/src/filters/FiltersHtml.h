#pragma once
// CRFiltersHtml: the filters report as an HTML page with one table row per filter.

#include "filters/FiltersBase.h"
#include "output/RHtmlBase.h"

class CRFiltersHtml : public CRFiltersBase, public CRHtmlBase {
public:
    CRFiltersHtml();
    int Html(const wchar_t* path) override;
};
