// Options-tree and date-period wrappers.
#include "pages/OptionsTreeCtrl.h"

CRK2OptionsTreeCtrl::~CRK2OptionsTreeCtrl()
{
    if (m_hwnd && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
}

HWND CRK2OptionsTreeCtrl::InnerTree() const
{
    return m_hwnd ? GetDlgItem(m_hwnd, kOptionsTreeInnerId) : nullptr;
}

HTREEITEM CRK2OptionsTreeCtrl::AddRoot(int image, const wchar_t* text) const
{
    if (!m_hwnd)
        return nullptr;
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(m_hwnd, RKCC2M_OPTIONSTREE_ADDROOT, static_cast<WPARAM>(image), reinterpret_cast<LPARAM>(text)));
}

HTREEITEM CRK2OptionsTreeCtrl::AddCheck(HTREEITEM parent, bool checked, const wchar_t* text) const
{
    if (!m_hwnd)
        return nullptr;
    OptionsTreeItem record{text, parent, checked ? TRUE : FALSE};
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(m_hwnd, RKCC2M_OPTIONSTREE_ADDCHECK, 0, reinterpret_cast<LPARAM>(&record)));
}

HTREEITEM CRK2OptionsTreeCtrl::AddRadio(HTREEITEM parent, bool selected, const wchar_t* text) const
{
    if (!m_hwnd)
        return nullptr;
    OptionsTreeItem record{text, parent, selected ? TRUE : FALSE};
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(m_hwnd, RKCC2M_OPTIONSTREE_ADDRADIO, 0, reinterpret_cast<LPARAM>(&record)));
}

int CRK2OptionsTreeCtrl::GetRadio(HTREEITEM group) const
{
    if (!m_hwnd)
        return -1;
    return static_cast<int>(SendMessageW(m_hwnd, RKCC2M_OPTIONSTREE_GETRADIO, 0, reinterpret_cast<LPARAM>(group)));
}

void CRK2OptionsTreeCtrl::SetRadio(HTREEITEM group, int index) const
{
    if (m_hwnd)
        SendMessageW(m_hwnd, RKCC2M_OPTIONSTREE_SETRADIO, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(group));
}

bool CRK2OptionsTreeCtrl::GetCheck(HTREEITEM item) const
{
    return m_hwnd && SendMessageW(m_hwnd, RKCC2M_OPTIONSTREE_GETCHECK, 0, reinterpret_cast<LPARAM>(item)) == 1;
}

void CRK2OptionsTreeCtrl::SetCheck(HTREEITEM item, bool checked) const
{
    if (m_hwnd)
        SendMessageW(m_hwnd, RKCC2M_OPTIONSTREE_SETCHECK, checked ? TRUE : FALSE, reinterpret_cast<LPARAM>(item));
}

void CRK2OptionsTreeCtrl::DeleteAllItems() const
{
    if (HWND tree = InnerTree())
        SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

void CRK2OptionsTreeCtrl::Expand(HTREEITEM item) const
{
    if (HWND tree = InnerTree(); tree && item)
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

void CRK2OptionsTreeCtrl::ShowFirstRoot() const
{
    HWND tree = InnerTree();
    if (!tree)
        return;
    auto* root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    if (!root)
        return;
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
    SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(root));
}

void CRK2DatePeriodCtrl::SetDate(int side, TDate date) const
{
    const int day = static_cast<int>(static_cast<uint32_t>(date));
    if (m_hwnd)
        SendMessageW(m_hwnd, RKCC2M_DATEPERIOD_SETDATE, static_cast<WPARAM>(side), reinterpret_cast<LPARAM>(&day));
}

TDate CRK2DatePeriodCtrl::GetDate(int side, TDate fallback) const
{
    if (!m_hwnd)
        return fallback;
    int day = static_cast<int>(static_cast<uint32_t>(fallback));
    SendMessageW(m_hwnd, RKCC2M_DATEPERIOD_GETDATE, static_cast<WPARAM>(side), reinterpret_cast<LPARAM>(&day));
    return TDate(static_cast<uint32_t>(day));
}
