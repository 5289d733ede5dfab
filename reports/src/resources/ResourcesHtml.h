#pragma once
// CRResourcesHtml: the resources as an HTML table with the name, calendar, costs and note
// columns the switches ask for (colours and user fields are for the export only).

#include "output/RHtmlBase.h"
#include "resources/ResourcesBase.h"

class CRResourcesHtml : public CRResourcesBase, public CRHtmlBaseEx {
public:
    CRResourcesHtml();
    int Html(const wchar_t* path) override;
};
