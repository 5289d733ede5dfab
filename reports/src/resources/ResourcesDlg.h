#pragma once
// CRResourcesDlg: the option page of the resources report: title, printer orientation and the
// optional columns as check items of a group in the options tree. The format and user-field
// columns exist in the export only, so their items are shown for the export only; hidden items
// keep the values loaded last.

#include "pages/BaseDlg.h"

class CRResourcesDlg : public CBaseDlg {
public:
    CRResourcesDlg();

    bool Calendar = false;
    bool Costs = false;
    bool Format = false;
    bool UDF = false;
    bool Notes = false;

protected:
    void SetDefaults() override;
    void AddOptions(int kind) override;
    // Never refuses, and leaves the members as they are until the page is applied.
    int OnPageValidate(WPARAM wp, LPARAM lp) override;
};
