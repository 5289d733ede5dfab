#pragma once
// CPeriodBaseDlg: a report option page with a report period (date period 1015) and, where its
// template has one, a button (1143) that opens a menu of ready-made periods, among them the
// period the board view shows. Template 146 unless the page names its own.

#include "pages/BaseDlg.h"

#include "QV2ResVReportIds.h"

class CPeriodBaseDlg : public CBaseDlg {
public:
    explicit CPeriodBaseDlg(const wchar_t* settingsPrefix, UINT templateId = IDD_REPORT_PAGE_PERIOD);

    // Sets the period by a command of menu 135 (keeping the other edits of the page); false
    // for a command that names no period.
    bool ApplyPeriodCommand(UINT command);

    TDate PeriodStart; // today at construction
    TDate PeriodEnd;
    CRK2DatePeriodCtrl PeriodCtrl;

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void StoreControls() override;
    void LoadControls() override;

    // Shows the first submenu of menu 135 at the button's top right edge and applies the
    // chosen command; a dismissed menu changes nothing.
    virtual void OnPeriodButton();

private:
    HICON m_periodIcon = nullptr; // owned; destroyed with the page window
};
