#pragma once
// CSettingDlg: one setting by name (modal). After OK the viewer core's runner stores the value
// under the name; the Show button puts the current value of the named setting on the clipboard
// and shows it.

#include "fw/Dialog.h"

#include <string>

class CSettingDlg : public fw::CDialog {
public:
    CSettingDlg();

    std::wstring key;   // the setting's name
    std::wstring value; // its new value

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnOk() override;

private:
    void ReadControls();
    void ShowCurrentValue();
};

// Puts `text` on the clipboard as Unicode text; false when the clipboard could not be had.
bool CopyTextToClipboard(HWND owner, const std::wstring& text);
