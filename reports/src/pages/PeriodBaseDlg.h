#pragma once
// CPeriodBaseDlg: a report option page with a report period (date period 1015) and, where its
// template has one, a button (1143) that opens a menu of ready-made periods, among them the
// period the board view shows. Template 146 unless the page names its own. The period is stored
// as two dates under the words the page names, loaded and applied before the page's switches.

#include "pages/BaseDlg.h"

#include "QV2ResVReportIds.h"

class CPeriodBaseDlg : public CBaseDlg {
public:
    // `startWord`, `endWord`: the keys of the period's first and last day after the prefix.
    CPeriodBaseDlg(const wchar_t* settingsPrefix, const wchar_t* startWord, const wchar_t* endWord,
                   UINT templateId = IDD_REPORT_PAGE_PERIOD);

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
    // The period, then the switches.
    void LoadOwnSettings() override;
    void ApplyOwnSettings() override;
    void LoadPeriod();
    void ApplyPeriod();
    const std::wstring& StartKey() const { return m_startKey; }
    const std::wstring& EndKey() const { return m_endKey; }
    // 1 January to 31 December of the current year.
    void SetYearPeriod();

    // Shows the first submenu of menu 135 at the button's top right edge and applies the
    // chosen command; a dismissed menu changes nothing.
    virtual void OnPeriodButton();

private:
    HICON m_periodIcon = nullptr; // owned; destroyed with the page window
    std::wstring m_startKey;
    std::wstring m_endKey;
};
