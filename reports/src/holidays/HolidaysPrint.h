#pragma once
// CRHolidaysPrint: the holidays of the period on printed pages: the period as a caption line on
// every page, then a table of weekday, date and name that flows over as many pages as needed.

#include "holidays/HolidaysBase.h"
#include "output/RPrintBase.h"

class CRHolidaysPrint : public CRHolidaysBase, public CRPrintBase {
public:
    CRHolidaysPrint();
    int PrintBody(CRKPrintEngine2* engine) override;
};
