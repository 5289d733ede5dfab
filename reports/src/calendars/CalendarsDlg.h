#pragma once
// CRCalendarsDlg: the option page of the calendars report: title, printer orientation, the
// period of the exceptions and whether the exceptions are listed (a check item in its own group
// of the options tree).

#include "pages/PeriodBaseDlg.h"

class CRCalendarsDlg : public CPeriodBaseDlg {
public:
    bool ListExceptions = true;
    int ExceptionsImage = -1;                  // bitmap 130 in the options tree's image list
    HTREEITEM ExceptionsGroupItem = nullptr;   // null until the tree is built
    HTREEITEM ExceptionsCheckItem = nullptr;

protected:
    bool OnInit() override;
    void SetDefaults() override;
    void InitOptionsImage() override;
    void FillOptions() override;
    void StoreControls() override;
    void LoadControls() override;
    int OnPageLoad(WPARAM wp, LPARAM lp) override;
    int OnPageApply(WPARAM wp, LPARAM lp) override;
    // Never refuses, and leaves the members as they are until the page is applied.
    int OnPageValidate(WPARAM wp, LPARAM lp) override;
    void LoadOwnSettings() override;
    void ApplyOwnSettings() override;
};
