#pragma once
// CFiltersDlg: the project's filters, sorted by name (modal). New, edit, copy and delete go
// through the viewer core's filter runners, which own the transactions; activate makes the
// selected filter the current one and closes the dialog with OK.

#include "fw/Dialog.h"
#include "wqv2_data.h"

class CFiltersDlg : public fw::CDialog {
public:
    CFiltersDlg();

    int selected = -1; // the list's selection, read whenever a command needs it

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // Enter: the template has no default button, so Enter is IDOK; it edits the selected
    // filter as a double click does, and the dialog stays.
    void OnOk() override { OnEdit(true); }

private:
    // Refills the list and selects `select` (the first item when it is not listed).
    void Refill(wqv2_data::CFilter* select);
    void UpdateButtons();
    wqv2_data::CFilter* Selected();
    void OnNew();
    void OnEdit(bool copyWithCtrl);
    void OnDelete();
    void OnActivate();

    HWND List() const;
};
