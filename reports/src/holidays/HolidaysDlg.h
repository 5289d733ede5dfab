#pragma once
// CRHolidaysDlg: the option page of the holidays report: title, printer orientation and the
// report period.

#include "pages/PeriodBaseDlg.h"

class CRHolidaysDlg : public CPeriodBaseDlg {
public:
    CRHolidaysDlg();

protected:
    void SetDefaults() override;
};
