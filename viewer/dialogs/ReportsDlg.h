#pragma once
// CReportsDlg: the reports dialog (modal, on the caller's stack). It lists every registered
// report that makes an option page, grouped by the page's category, shows the selected report's
// page, and lets the user choose the output (printer, export, HTML) and its file. A run leaves
// the choice in settings ("ReportsSelectedReport", "ReportsOutput", "ReportsOutputPrinter",
// "ReportsExportFilename", "ReportsHtmlFilename") and ends with IDOK; the viewer then runs the
// report. Cancel (Close) writes nothing. Only the selected page is asked to validate and apply.

#include "ParentDialog.h"
#include "QV2PluginInterface.h"
#include "RowClickTreeCtrl.h"

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

class CReportsDlg : public CParentDialog {
public:
    CReportsDlg();

    // One report page: the report's index in the registration list and its page record.
    struct ReportPageEntry {
        int report = -1;
        ReportPageRecord record{};
    };
    const std::vector<ReportPageEntry>& Entries() const { return m_entries; }
    // The output kind as last read from the radio buttons: 0 printer, 1 export, 2 HTML, -1 none.
    int OutputKind() const { return m_output; }

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnOk() override;
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnSelectionChanged() override;
    // Pages of the reports dialog are never brought forward by their own wish.
    void SelectPage(HWND) override {}

private:
    HWND Tree() const;
    void FillReportTree(const std::wstring& remembered);
    void UpdateButtons();
    void OnOutputChanged();
    bool PrepareRun();
    std::wstring ChooseOutputFile(UINT defaultNameId, UINT extensionId, UINT filterId, UINT titleId,
                                  const wchar_t* folderKey, bool clean);
    void SaveSelection();
    void OnPrint();
    void OnRun();
    void OnPrintSetup();
    void OnReportOptions();
    // Reads the checked output radio button into m_output; writes m_output into the buttons.
    void OutputFromControls();
    void OutputToControls();
    // The entry of the selected tree item; null for none or a group.
    const ReportPageEntry* SelectedEntry() const;
    const ReportRegistration* RegistrationOf(const ReportPageEntry& entry) const;
    void DestroyPages();

    int m_output = 0;
    CRowClickTreeCtrl m_tree;
    std::vector<ReportPageEntry> m_entries;
    std::map<HTREEITEM, ReportPageEntry> m_itemEntries; // report items only
};
