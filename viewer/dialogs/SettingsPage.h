#pragma once
// CSettingsPage: the base of the viewer's own pages inside the options and view-settings
// dialogs. A page is a child dialog made anew each time its host opens; it answers the page
// messages by loading its settings into its controls, validating and applying them. The
// changed flag of WM_PAGE_APPLY is left as the host set it (true).

#include "fw/Dialog.h"

#include <string>

class CSettingsPage : public fw::CDialog {
public:
    using fw::CDialog::CDialog;

protected:
    // WM_PAGE_LOAD: every load starts from the defaults, so nothing of an earlier opening stays.
    virtual void Load() = 0;
    // WM_PAGE_APPLY.
    virtual void Apply() = 0;
    // WM_PAGE_VALIDATE: false refuses the host's OK.
    virtual bool Validate() { return true; }

    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    // The host's OK and Cancel buttons end the host, never the page.
    void OnOk() override {}
    void OnCancel() override {}

    bool IsChecked(int id) const { return IsDlgButtonChecked(Hwnd(), id) == BST_CHECKED; }
    void SetChecked(int id, bool on) const { CheckDlgButton(Hwnd(), id, on ? BST_CHECKED : BST_UNCHECKED); }
    std::wstring ItemText(int id) const;
    void Enable(int id, bool on) const { EnableWindow(Item(id), on ? TRUE : FALSE); }
};
