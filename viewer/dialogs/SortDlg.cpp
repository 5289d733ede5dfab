// The sort dialog.
#include "SortDlg.h"

#include "QV2ResVIds.h"
#include "fw/Resources.h"

#include <algorithm>

CSortDlg::CSortDlg() : fw::CDialog(IDD_SORT)
{
}

CSortDlg::~CSortDlg()
{
    FreeIcon();
}

void CSortDlg::FreeIcon()
{
    if (m_icon)
        DestroyIcon(m_icon);
    m_icon = nullptr;
}

bool CSortDlg::OnInit()
{
    m_list.Attach(Hwnd(), IDC_SORT_LIST);
    m_list.SetCaption(caption);
    FreeIcon();
    m_icon = static_cast<HICON>(
        LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(IDI_SORT_BY_NAME), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    if (m_icon)
        SendMessageW(Item(IDC_SORT_BY_NAME), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_icon));
    FillSortList();
    return true;
}

void CSortDlg::FillSortList()
{
    HWND inner = m_list.GetInnerCtrl();
    if (!inner)
        return;
    SendMessageW(inner, LB_RESETCONTENT, 0, 0);
    for (const Entry& item : items) {
        const int row = m_list.AddString(item.text);
        if (row >= 0)
            SendMessageW(inner, LB_SETITEMDATA, static_cast<WPARAM>(row), item.data);
    }
    SendMessageW(inner, LB_SETCURSEL, 0, 0);
}

void CSortDlg::SortByName()
{
    // Stable: items of equal names keep their order, so sorting twice changes nothing.
    std::stable_sort(items.begin(), items.end(), [](const Entry& a, const Entry& b) {
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.text.c_str(), static_cast<int>(a.text.size()),
                              b.text.c_str(), static_cast<int>(b.text.size())) == CSTR_LESS_THAN;
    });
    FillSortList();
}

bool CSortDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_SORT_BY_NAME && code == BN_CLICKED) {
        SortByName();
        return true;
    }
    return fw::CDialog::OnCommand(id, code, control);
}

void CSortDlg::OnOk()
{
    result.clear();
    if (HWND inner = m_list.GetInnerCtrl()) {
        const LRESULT count = SendMessageW(inner, LB_GETCOUNT, 0, 0);
        for (LRESULT row = 0; row < count; ++row)
            result.push_back(static_cast<int>(SendMessageW(inner, LB_GETITEMDATA, static_cast<WPARAM>(row), 0)));
    }
    End(IDOK);
}

INT_PTR CSortDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    // The button shows the icon until its window goes; then the icon goes too.
    if (msg == WM_DESTROY)
        FreeIcon();
    return fw::CDialog::HandleMessage(msg, wp, lp);
}
