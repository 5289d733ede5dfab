#pragma once
// CRResourcesPrint: the resources on printed pages: a table with the name, calendar, costs and
// note columns the switches ask for, under the filter line when there is one.

#include "output/RPrintBase.h"
#include "resources/ResourcesBase.h"

class CRResourcesPrint : public CRResourcesBase, public CRPrintBase {
public:
    CRResourcesPrint();
    int PrintBody(CRKPrintEngine2* engine) override;
};
