#pragma once
// CRHolidaysDlg: the option page of the holidays report: title, printer orientation and the
// report period.

#include "pages/PeriodBaseDlg.h"

class CRHolidaysDlg : public CPeriodBaseDlg {
protected:
    void SetDefaults() override;
    int OnPageLoad(WPARAM wp, LPARAM lp) override;
    int OnPageApply(WPARAM wp, LPARAM lp) override;
    void LoadOwnSettings() override;
    void ApplyOwnSettings() override;
};
