// Probe of a task-list option page.
#include "ListPageProbe.h"

#include "pages/ControlMessages.h"

#include "QV2ResVReportIds.h"

namespace {

std::wstring ItemText(HWND tree, HTREEITEM item)
{
    wchar_t text[128] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT | TVIF_HANDLE;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = 128;
    TreeView_GetItem(tree, &data);
    return text;
}

} // namespace

HWND CListPageProbe::Options() const
{
    return GetDlgItem(m_page, IDC_REPORT_OPTIONS);
}

HWND CListPageProbe::Tree() const
{
    return GetDlgItem(Options(), kOptionsTreeInnerId);
}

std::wstring CListPageProbe::Outline() const
{
    std::wstring text;
    HWND tree = Tree();
    for (HTREEITEM root = TreeView_GetRoot(tree); root; root = TreeView_GetNextSibling(tree, root)) {
        const std::wstring name = ItemText(tree, root);
        if (name == L"Orientation")
            continue;
        text += (text.empty() ? L"" : L"; ") + name + L":";
        const wchar_t* separator = L" ";
        for (HTREEITEM child = TreeView_GetChild(tree, root); child; child = TreeView_GetNextSibling(tree, child)) {
            const bool checked =
                SendMessageW(Options(), RKCC2M_OPTIONSTREE_GETCHECK, 0, reinterpret_cast<LPARAM>(child)) == 1;
            text += separator + ItemText(tree, child) + (checked ? L"+" : L"-");
            separator = L", ";
        }
    }
    return text;
}

void CListPageProbe::Check(const std::wstring& text, bool on) const
{
    HWND tree = Tree();
    for (HTREEITEM root = TreeView_GetRoot(tree); root; root = TreeView_GetNextSibling(tree, root)) {
        for (HTREEITEM child = TreeView_GetChild(tree, root); child; child = TreeView_GetNextSibling(tree, child)) {
            if (ItemText(tree, child) == text)
                SendMessageW(Options(), RKCC2M_OPTIONSTREE_SETCHECK, on, reinterpret_cast<LPARAM>(child));
        }
    }
}

TDate CListPageProbe::Shown(int side) const
{
    int day = 0;
    SendMessageW(GetDlgItem(m_page, IDC_REPORT_PERIOD), RKCC2M_DATEPERIOD_GETDATE, static_cast<WPARAM>(side),
                 reinterpret_cast<LPARAM>(&day));
    return TDate(static_cast<uint32_t>(day));
}

std::wstring CListPageProbe::Title() const
{
    wchar_t text[256] = {};
    GetDlgItemTextW(m_page, IDC_REPORT_TITLE, text, 256);
    return text;
}
