#pragma once
// CAboutDlg: the About box (modal): the product name and version, a second line, the product's
// web link (when the resource library names one) and the information dialog.

#include "fw/Dialog.h"

#include <string>

class CAboutDlg : public fw::CDialog {
public:
    CAboutDlg();

    std::wstring productName; // in
    std::wstring version;     // in, as the version resource has it ("1, 2, 0, 15")

    // The version as shown: blanks removed, commas made full stops.
    static std::wstring VersionText(const std::wstring& version);

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
};
