// The filters dialog.
#include "FiltersDlg.h"

#include "CurrentFilter.h"
#include "FilterCommands.h"
#include "ListedTasks.h"
#include "QV2ResVIds.h"

#include <vector>

CFiltersDlg::CFiltersDlg() : fw::CDialog(IDD_FILTERS)
{
}

HWND CFiltersDlg::List() const
{
    return Item(IDC_FILTERS_LIST);
}

bool CFiltersDlg::OnInit()
{
    Refill(GetValidCurrentFilter());
    return true;
}

void CFiltersDlg::Refill(wqv2_data::CFilter* select)
{
    HWND list = List();
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    std::vector<wqv2_data::CFilter*> filters;
    GetSortedFilters(filters);
    int selectIndex = 0;
    for (wqv2_data::CFilter* filter : filters) {
        const LRESULT index =
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(filter->Name ? filter->Name : L""));
        if (index < 0)
            continue;
        SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(filter));
        if (filter == select)
            selectIndex = static_cast<int>(index);
    }
    SendMessageW(list, LB_SETCURSEL, filters.empty() ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(selectIndex), 0);
    UpdateButtons();
    if (!GetFocus())
        SetFocus(list);
}

void CFiltersDlg::UpdateButtons()
{
    const bool any = SendMessageW(List(), LB_GETCURSEL, 0, 0) >= 0;
    for (int id : {IDC_FILTERS_EDIT, IDC_FILTERS_ACTIVATE, IDC_FILTERS_DELETE})
        EnableWindow(Item(id), any);
}

wqv2_data::CFilter* CFiltersDlg::Selected()
{
    selected = static_cast<int>(SendMessageW(List(), LB_GETCURSEL, 0, 0));
    if (selected < 0)
        return nullptr;
    const LRESULT data = SendMessageW(List(), LB_GETITEMDATA, static_cast<WPARAM>(selected), 0);
    return data == LB_ERR ? nullptr : reinterpret_cast<wqv2_data::CFilter*>(data);
}

bool CFiltersDlg::OnCommand(UINT id, UINT code, HWND control)
{
    switch (id) {
    case IDC_FILTERS_NEW:
        OnNew();
        return true;
    case IDC_FILTERS_EDIT:
        OnEdit(false);
        return true;
    case IDC_FILTERS_DELETE:
        OnDelete();
        return true;
    case IDC_FILTERS_ACTIVATE:
        OnActivate();
        return true;
    case IDC_FILTERS_LIST:
        if (code == LBN_DBLCLK)
            OnEdit(true);
        else if (code == LBN_SELCHANGE)
            UpdateButtons();
        return true;
    default:
        return fw::CDialog::OnCommand(id, code, control);
    }
}

void CFiltersDlg::OnNew()
{
    if (wqv2_data::CFilter* created = NewFilterWithDialog(nullptr))
        Refill(created);
}

void CFiltersDlg::OnEdit(bool copyWithCtrl)
{
    wqv2_data::CFilter* filter = Selected();
    if (!filter)
        return;
    if (copyWithCtrl && GetKeyState(VK_CONTROL) < 0) {
        if (wqv2_data::CFilter* copy = NewFilterWithDialog(filter))
            Refill(copy);
        return;
    }
    if (EditFilterWithDialog(filter))
        Refill(filter);
}

void CFiltersDlg::OnDelete()
{
    wqv2_data::CFilter* filter = Selected();
    if (!filter)
        return;
    const int index = selected;
    // The filter that stood before the deleted one; the new first one when it was the first.
    wqv2_data::CFilter* before = nullptr;
    if (index > 0) {
        const LRESULT data = SendMessageW(List(), LB_GETITEMDATA, static_cast<WPARAM>(index - 1), 0);
        before = data == LB_ERR ? nullptr : reinterpret_cast<wqv2_data::CFilter*>(data);
    }
    if (DeleteFilterWithConfirm(filter))
        Refill(before);
}

void CFiltersDlg::OnActivate()
{
    wqv2_data::CFilter* filter = Selected();
    if (!filter)
        return;
    SetCurrentFilterAndNotify(filter, true);
    End(IDOK);
}
