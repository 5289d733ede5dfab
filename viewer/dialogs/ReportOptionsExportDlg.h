#pragma once
// CReportOptionsExportDlg: the export page of the report options dialog, the text encoding and
// the line-break handling of exported report tables ("ReportsExport*" settings).

#include "SettingsPage.h"

#include <string>

class CReportOptionsExportDlg : public CSettingsPage {
public:
    CReportOptionsExportDlg();

    // The values as last loaded or applied.
    int encodingIndex = 0; // 0 Unicode, 1 code page
    bool unicode = true;
    int codePage = 1252;
    bool replaceLineBreaks = true;
    std::wstring replacement = L" ";

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void Load() override;
    void Apply() override;

private:
    void Exchange(bool save);
};
