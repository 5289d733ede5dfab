#pragma once
// CRCalendarsDlg: the option page of the calendars report: title, printer orientation, the
// period of the exceptions and whether the exceptions are listed (a check item in its own group
// of the options tree).

#include "pages/PeriodBaseDlg.h"

class CRCalendarsDlg : public CPeriodBaseDlg {
public:
    CRCalendarsDlg();

    bool ListExceptions = true;

protected:
    bool OnInit() override;
    void SetDefaults() override;
    void AddOptions(int kind) override;
    // Never refuses, and leaves the members as they are until the page is applied.
    int OnPageValidate(WPARAM wp, LPARAM lp) override;
};
