#pragma once
// CSettingsGridDlg: the view-settings page of the grid view's columns: which columns are shown
// (checked rows) and in which order (the row order, changed in the sort dialog).
// "ViewGridColumnsType" holds the shown column ids in row order, "ViewGridColumnsSortOrder" all
// ids in display order.

#include "RK2Controls.h"
#include "SettingsPage.h"

#include <vector>

class CSettingsGridDlg : public CSettingsPage {
public:
    CSettingsGridDlg();

    std::vector<int> visible; // ids of the shown columns, in row order
    std::vector<int> order;   // ids in the order the grid shows them

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void Load() override;
    void Apply() override;
    bool Validate() override;

private:
    // The default ids with the order list merged in: stored order first, then the missing ids.
    std::vector<int> RowOrder() const;
    void FillColumnList();
    void CollectVisibleColumns();
    void OnSortColumns();

    CRK2CheckListBoxCtrl m_list;
};
