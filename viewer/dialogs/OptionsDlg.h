#pragma once
// COptionsDlg: the paged options dialog (modal, on the caller's stack) of one kind: 0 file
// options, 1 administration, 2 report options. Every opening asks each option-page
// registration of its kind to create its page; the pages store their own values on OK, after
// every page has accepted them. The selected page's title is remembered in a setting per kind.

#include "ParentDialog.h"
#include "QV2PluginInterface.h"

#include <string>
#include <vector>

class COptionsDlg : public CParentDialog {
public:
    explicit COptionsDlg(int optionKind);

    int kind; // 0, 1 or 2; another kind lists no pages

    // The hosted pages in list order, and the selected list index (-1: none).
    const std::vector<PageRecord>& Pages() const { return m_pages; }
    int SelectedIndex() const { return m_selected; }

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnOk() override;
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnSelectionChanged() override;
    void SelectPage(HWND page) override;

private:
    void FillPageList(const std::wstring& remembered);
    void DestroyPages();
    HWND List() const;

    std::vector<PageRecord> m_pages;
    int m_selected = -1;
    std::wstring m_lastKey;     // "Dlg...CategoryLast" of the kind
    std::wstring m_rememberKey; // "Dlg...CategoryRemember" of the kind
};
