// The grid columns page of the view settings.
#include "SettingsGridDlg.h"

#include "ColumnIds.h"
#include "QV2PluginInterface.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "SortDlg.h"
#include "fw/MessageBox.h"
#include "fw/Resources.h"

#include <algorithm>

CSettingsGridDlg::CSettingsGridDlg() : CSettingsPage(IDD_PAGE_GRID)
{
}

bool CSettingsGridDlg::OnInit()
{
    m_list.Attach(Hwnd(), IDC_GRID_COLUMNS);
    return true;
}

std::vector<int> CSettingsGridDlg::RowOrder() const
{
    std::vector<int> rows;
    GetDefaultColumnIds(rows);
    MergeColumnIdList(rows, order);
    return rows;
}

void CSettingsGridDlg::Load()
{
    visible.clear();
    GetDefaultColumnIds(visible, true);
    order.clear();
    GetDefaultColumnIds(order);
    if (const std::wstring shown = GetSetting(L"ViewGridColumnsType"); !shown.empty()) {
        visible.clear();
        ParseColumnOrder(visible, shown);
    }
    if (const std::wstring sorted = GetSetting(L"ViewGridColumnsSortOrder"); !sorted.empty()) {
        order.clear();
        ParseColumnOrder(order, sorted);
    }
    FillColumnList();
}

void CSettingsGridDlg::FillColumnList()
{
    HWND inner = m_list.GetInnerCtrl();
    if (!inner)
        return;
    SendMessageW(inner, LB_RESETCONTENT, 0, 0);
    for (int id : RowOrder()) {
        bool numeric = false;
        const int row = m_list.AddString(GetColumnName(id, numeric), true);
        if (row < 0)
            continue;
        m_list.SetItemData(row, id);
        m_list.SetCheck(row, std::find(visible.begin(), visible.end(), id) != visible.end());
    }
}

void CSettingsGridDlg::CollectVisibleColumns()
{
    if (!m_list.GetInnerCtrl())
        return;
    visible.clear();
    const int count = m_list.GetCount();
    for (int row = 0; row < count; ++row) {
        if (m_list.GetCheck(row))
            visible.push_back(static_cast<int>(m_list.GetItemData(row)));
    }
}

bool CSettingsGridDlg::Validate()
{
    if (m_list.GetCheckedCount() > 0)
        return true;
    SendMessageW(GetParent(Hwnd()), WM_PAGE_ACTIVATE, 0, reinterpret_cast<LPARAM>(Hwnd()));
    fw::ShowMessageId(Hwnd(), IDS_MSG_GRID_NO_COLUMN, MB_OK | MB_ICONSTOP);
    SetFocus(m_list.Hwnd());
    return false;
}

void CSettingsGridDlg::Apply()
{
    CollectVisibleColumns();
    SetSetting(L"ViewGridColumnsType", FormatColumnIds(visible));
    SetSetting(L"ViewGridColumnsSortOrder", FormatColumnIds(order));
}

void CSettingsGridDlg::OnSortColumns()
{
    CSortDlg sort;
    sort.caption = fw::LoadResString(IDS_GRID_SORT_CAPTION);
    for (int id : RowOrder()) {
        bool numeric = false;
        sort.items.push_back({GetColumnName(id, numeric), id});
    }
    // The checks the user made so far survive the refill.
    CollectVisibleColumns();
    if (sort.RunModal(Hwnd()) != IDOK)
        return;
    order = sort.result;
    FillColumnList();
}

bool CSettingsGridDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_GRID_SORT && code == BN_CLICKED) {
        OnSortColumns();
        return true;
    }
    return CSettingsPage::OnCommand(id, code, control);
}
