// The viewer's print preview.
#include "NewPreviewView.h"

#include "MainFrame.h"
#include "QV2ResVIds.h"
#include "fw/FrameWindow.h"
#include "fw/Resources.h"

#include <cstdio>

namespace {

struct ButtonIcon {
    UINT button;
    UINT icon;
};

constexpr ButtonIcon kButtonIcons[7] = {
    {IDM_PREVIEW_FIRST, IDI_PREVIEW_FIRST},     {IDM_PREVIEW_PREV, IDI_PREVIEW_PREV},
    {IDM_PREVIEW_NEXT, IDI_PREVIEW_NEXT},       {IDM_PREVIEW_LAST, IDI_PREVIEW_LAST},
    {IDM_PREVIEW_ZOOM_IN, IDI_PREVIEW_ZOOM_IN}, {IDM_PREVIEW_ZOOM_OUT, IDI_PREVIEW_ZOOM_OUT},
    {IDM_PREVIEW_PRINT, IDI_PREVIEW_PRINT},
};

} // namespace

CNewPreviewView::~CNewPreviewView()
{
    // The bar and its buttons are gone by now (the base destroys its bar before its window).
    for (HICON& icon : m_icons) {
        if (icon)
            DestroyIcon(icon);
        icon = nullptr;
    }
}

void CNewPreviewView::OnCreated()
{
    HWND bar = Bar();
    if (!bar)
        return;
    for (size_t i = 0; i < std::size(kButtonIcons); ++i) {
        m_icons[i] = static_cast<HICON>(
            LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(kButtonIcons[i].icon), IMAGE_ICON, 32, 32, 0));
        if (HWND button = GetDlgItem(bar, static_cast<int>(kButtonIcons[i].button)); button && m_icons[i])
            SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_icons[i]));
    }
}

bool CNewPreviewView::OnPreviewCommand(UINT id)
{
    switch (id) {
    case IDM_PREVIEW_FIRST:
        GoToPage(Info().minPage);
        return true;
    case IDM_PREVIEW_LAST:
        GoToPage(Info().maxPage);
        return true;
    case IDM_PREVIEW_PRINT:
        // Printing ends the preview on purpose: the reports dialog does not come back.
        m_printingRequested = true;
        break;
    }
    return fw::CPreviewView::OnPreviewCommand(id);
}

void CNewPreviewView::UpdatePreviewCommand(fw::CCommandState& state)
{
    if (state.id == IDM_PREVIEW_FIRST) {
        state.Enable(HasPages() && CurrentPage() > Info().minPage);
        return;
    }
    if (state.id == IDM_PREVIEW_LAST) {
        state.Enable(HasPages() && Info().maxPage != fw::CPrintInfo::kNoPage && CurrentPage() < Info().maxPage);
        return;
    }
    fw::CPreviewView::UpdatePreviewCommand(state);
}

void CNewPreviewView::OnDisplayPageNumber(UINT page, UINT pages)
{
    wchar_t text[32] = {};
    std::swprintf(text, 32, L"%d/%d", static_cast<int>(page), static_cast<int>(pages));
    if (HWND bar = Bar())
        SetDlgItemTextW(bar, IDC_PREVIEW_PAGES, text);
    fw::CPreviewView::OnDisplayPageNumber(page, pages);
}

LRESULT CNewPreviewView::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case CMainFrame::kPreviewScrollMessage:
        if (IsZoomed())
            SendMessageW(Hwnd(), WM_VSCROLL, wp, 0);
        return 1;
    case WM_DESTROY:
        if (!m_printingRequested && Frame() && Frame()->Hwnd())
            SendMessageW(Frame()->Hwnd(), CMainFrame::kPreviewClosedMessage, 0, 0);
        break;
    }
    return fw::CPreviewView::HandleMessage(msg, wp, lp);
}
