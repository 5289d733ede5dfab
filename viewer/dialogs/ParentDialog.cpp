// The paged-dialog base: page area, showing pages, page activation.
#include "ParentDialog.h"

#include "PageMessages.h"
#include "QV2PluginInterface.h"
#include "ViewerUtil.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

CParentDialog::CParentDialog(UINT templateId, int placeholderId, int noPageId)
    : fw::CDialog(templateId), m_placeholderId(placeholderId), m_noPageId(noPageId)
{
    // The hosts' templates use tree views.
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
}

bool CParentDialog::OnInit()
{
    // The keyboard moves into the child pages (tab order, mnemonics).
    SetWindowLongW(Hwnd(), GWL_EXSTYLE, GetWindowLongW(Hwnd(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    HWND placeholder = Item(m_placeholderId);
    if (!placeholder || !IsWindow(placeholder))
        return true;
    RECT area{};
    GetWindowRect(placeholder, &area);
    MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&area), 2);
    m_pageArea = area;
    RECT units{0, 0, 4, 8};
    MapDialogRect(Hwnd(), &units);
    if (units.right > 0 && units.bottom > 0) {
        m_pageWidthDu = (area.right - area.left) * 4 / units.right;
        m_pageHeightDu = (area.bottom - area.top) * 8 / units.bottom;
    }
    return true;
}

INT_PTR CParentDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAGE_ACTIVATE) {
        SelectPage(reinterpret_cast<HWND>(lp));
        return Answer(1);
    }
    return fw::CDialog::HandleMessage(msg, wp, lp);
}

void CParentDialog::ShowPage(HWND page)
{
    if (page == m_currentPage)
        return;
    if (m_currentPage) {
        pagemsg::Shown(m_currentPage, false);
        ShowWindow(m_currentPage, SW_HIDE);
    }
    HWND noPage = m_noPageId ? Item(m_noPageId) : nullptr;
    if (page && IsWindow(page)) {
        ShowWindow(page, SW_SHOW);
        RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pagemsg::Shown(page, true);
        if (noPage)
            ShowWindow(noPage, SW_HIDE);
    } else if (noPage) {
        ShowWindow(noPage, SW_SHOW);
    }
    m_currentPage = page;
}

void CParentDialog::PlacePage(HWND page)
{
    // Right behind the placeholder in the z-order, which is the tab order: Tab goes from the
    // page list into the page and on to the dialog's buttons, and a page made without
    // DS_CONTROL is entered as well.
    HWND placeholder = Item(m_placeholderId);
    SetWindowPos(page, placeholder, m_pageArea.left, m_pageArea.top, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | (placeholder ? 0 : SWP_NOZORDER));
    SetWindowLongW(page, GWL_EXSTYLE, GetWindowLongW(page, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    EnableWindow(page, TRUE);
    pagemsg::Load(page);
}

INT_PTR CParentDialog::Answer(LRESULT result)
{
    SetWindowLongPtrW(Hwnd(), DWLP_MSGRESULT, result);
    return TRUE;
}

void CParentDialog::SetListHorizontalExtent(HWND listBox)
{
    HDC dc = GetDC(listBox);
    if (!dc)
        return;
    // No font set: the list draws with the system font, which the DC holds already.
    auto* font = reinterpret_cast<HGDIOBJ>(SendMessageW(listBox, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    int widest = 0;
    const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
        if (length <= 0)
            continue;
        std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
        const LRESULT got = SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        SIZE size{};
        if (got > 0 && GetTextExtentPoint32W(dc, text.data(), static_cast<int>(got), &size))
            widest = std::max(widest, static_cast<int>(size.cx));
    }
    if (previous)
        SelectObject(dc, previous);
    ReleaseDC(listBox, dc);
    SendMessageW(listBox, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
}

std::wstring DisplayTitle(const std::wstring& title)
{
    return GetSortNamePart(title, 1);
}
