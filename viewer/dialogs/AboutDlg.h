#pragma once
// CAboutDlg: the About box (modal) with the product name and version.

#include "fw/Dialog.h"

#include <string>

class CAboutDlg : public fw::CDialog {
public:
    CAboutDlg();

    std::wstring productName; // in
    std::wstring version;     // in

protected:
    bool OnInit() override;
};
