#pragma once
// CRResourcesExport: the resources as delimited text, one row per resource with the columns the
// switches ask for, user fields formatted by their types.

#include "output/RExportBase.h"
#include "resources/ResourcesBase.h"

class CRResourcesExport : public CRResourcesBase, public CRUDFExportBase {
public:
    int Export(const wchar_t* path) override;
};
