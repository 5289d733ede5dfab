#pragma once
// CReportOptionsPrinterDlg: the printer page of the report options dialog, the font, page header
// and footer and page margins of printed reports ("ReportsPrinter*" settings). Margins are shown
// in the unit of the user's locale (centimetres or inches) and stored in hundredths of a
// centimetre.

#include "RK2Controls.h"
#include "SettingsPage.h"

#include <string>

class CReportOptionsPrinterDlg : public CSettingsPage {
public:
    CReportOptionsPrinterDlg();

    // The values as last loaded or applied; margins left, top, right, bottom in the unit shown.
    std::wstring fontName;
    int header = 1;
    int footer = 1;
    int minimalMargins = 0;
    double margins[4] = {1.5, 1.5, 1.5, 1.5};
    // Centimetres (the locale measures metric) or inches; fixed when the window is made.
    bool metric = true;

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void Load() override;
    void Apply() override;

private:
    void Exchange(bool save);
    void EnableMargins();

    CRK2FontComboBoxCtrl m_font;
    CRK2DoubleEditCtrl m_marginEdits[4];
};
