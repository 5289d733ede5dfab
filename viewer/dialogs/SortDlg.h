#pragma once
// CSortDlg: a small modal dialog in which the user puts named items into an order, by dragging
// in the sortable list or at once by name. The opener sets the caption and the items; after OK
// `result` holds the items' data in the order the user left them.

#include "RK2Controls.h"
#include "fw/Dialog.h"

#include <string>
#include <vector>

class CSortDlg : public fw::CDialog {
public:
    struct Entry {
        std::wstring text;
        int data = 0;
    };

    CSortDlg();
    ~CSortDlg() override;

    std::wstring caption;    // shown over the list
    std::vector<Entry> items; // in the order first shown
    std::vector<int> result; // filled on OK

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnOk() override;
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void FillSortList();
    void SortByName();
    void FreeIcon();

    CRK2SortListBoxCtrl m_list;
    HICON m_icon = nullptr; // owned
};
