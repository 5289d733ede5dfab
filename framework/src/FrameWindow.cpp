// Top-level frame window: layout, command routing, menu and tool-bar refresh, preview mode.
#include "fw/FrameWindow.h"

#include "fw/App.h"
#include "fw/DropFiles.h"
#include "fw/MessageBox.h"
#include "fw/PreviewView.h"
#include "fw/Resources.h"
#include "fw/StatusBar.h"
#include "fw/ToolBar.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <new>

namespace fw {

namespace {
const wchar_t kFrameClass[] = L"QvFrameWindow";
}

CFrameWindow::CFrameWindow()
{
    SetOwnsItself(true);
}

bool CFrameWindow::LoadFrame(UINT id, DWORD style, const std::wstring& title)
{
    const HINSTANCE module = ResourceModule();
    HICON icon = LoadIconW(module, MAKEINTRESOURCEW(id));
    // One class for every frame: the icon is set per window below. A failed registration
    // makes Create fail too, which releases the frame.
    // The button face shows through where a flat tool bar draws nothing.
    RegisterWindowClass(kFrameClass, CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(id));
    m_accelerators = LoadAcceleratorsW(module, MAKEINTRESOURCEW(id));
    CreateArgs args;
    args.className = kFrameClass;
    args.title = title;
    args.style = style;
    args.menu = menu;
    if (!Create(args)) {
        // `this` is gone now; only locals may be touched.
        if (menu && IsMenu(menu))
            DestroyMenu(menu);
        return false;
    }
    if (icon) {
        SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    return true;
}

HMENU CFrameWindow::Menu() const
{
    return Hwnd() ? GetMenu(Hwnd()) : nullptr;
}

void CFrameWindow::SetActiveView(CWindow* view)
{
    m_activeView = view;
    RecalcLayout();
}

void CFrameWindow::SetControlBars(CToolBar* toolBar, CStatusBar* statusBar)
{
    m_toolBar = toolBar;
    m_statusBar = statusBar;
    if (m_statusBar)
        m_statusBar->SetText(LoadResString(kIdleMessageId));
    RecalcLayout();
}

void CFrameWindow::SetStatusText(const std::wstring& text)
{
    if (m_statusBar)
        m_statusBar->SetText(text);
}

bool CFrameWindow::PreTranslateMessage(MSG& msg)
{
    if (m_preview && m_preview->PreTranslateKey(msg))
        return true;
    if (m_accelerators && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && Hwnd())
        return TranslateAcceleratorW(Hwnd(), m_accelerators, &msg) != 0;
    return false;
}

bool CFrameWindow::OnCommand(UINT id, UINT, HWND)
{
    return m_commands.Execute(id);
}

void CFrameWindow::UpdateCommand(CCommandState& state)
{
    m_commands.Update(state);
}

void CFrameWindow::QueryCommandState(CCommandState& state)
{
    UpdateCommand(state);
    CApp* app = CApp::Current();
    if (!state.handled && app)
        app->UpdateCommand(state);
}

void CFrameWindow::UpdateCommandStates()
{
    if (m_preview) {
        m_preview->UpdateBar();
        return;
    }
    if (!m_toolBar || !m_toolBar->Exists())
        return;
    const int count = m_toolBar->ButtonCount();
    for (int i = 0; i < count; ++i) {
        if (m_toolBar->IsSeparator(i))
            continue;
        CCommandState state;
        state.id = m_toolBar->ItemId(i);
        QueryCommandState(state);
        if (state.handled)
            m_toolBar->SetButtonState(state.id, state.enabled, state.checked);
    }
}

void CFrameWindow::RecalcLayout()
{
    if (!Hwnd())
        return;
    RECT rc{};
    GetClientRect(Hwnd(), &rc);
    if (m_toolBar && m_toolBar->Exists()) {
        m_toolBar->AutoSize();
        rc.top += m_toolBar->Height();
    }
    if (m_previewBar && IsWindow(m_previewBar)) {
        RECT bar{};
        GetWindowRect(m_previewBar, &bar);
        const int height = bar.bottom - bar.top;
        MoveWindow(m_previewBar, rc.left, rc.top, rc.right - rc.left, height, TRUE);
        rc.top += height;
    }
    if (m_statusBar && m_statusBar->Hwnd()) {
        m_statusBar->Reposition();
        rc.bottom -= m_statusBar->Height();
    }
    if (m_activeView && m_activeView->Hwnd())
        MoveWindow(m_activeView->Hwnd(), rc.left, rc.top, rc.right - rc.left, std::max<LONG>(rc.bottom - rc.top, 0),
                   TRUE);
}

void CFrameWindow::EnterPreview(CPreviewView* preview, HWND bar)
{
    m_viewBeforePreview = m_activeView;
    if (m_activeView && m_activeView->Hwnd())
        ShowWindow(m_activeView->Hwnd(), SW_HIDE);
    if (m_toolBar)
        m_toolBar->Show(false);
    m_preview = preview;
    m_previewBar = bar;
    if (bar)
        ShowWindow(bar, SW_SHOWNA);
    m_activeView = preview;
    RecalcLayout();
    OnPreviewModeChanged(true);
}

void CFrameWindow::LeavePreview()
{
    if (!m_preview)
        return;
    m_preview = nullptr;
    m_previewBar = nullptr;
    m_activeView = m_viewBeforePreview;
    m_viewBeforePreview = nullptr;
    if (m_toolBar)
        m_toolBar->Show(true);
    if (m_activeView && m_activeView->Hwnd()) {
        ShowWindow(m_activeView->Hwnd(), SW_SHOW);
        SetFocus(m_activeView->Hwnd());
    }
    RecalcLayout();
    OnPreviewModeChanged(false);
}

std::wstring CFrameWindow::CommandPrompt(UINT id) const
{
    const std::wstring text = LoadResString(id);
    const size_t newline = text.find(L'\n');
    return newline == std::wstring::npos ? text : text.substr(0, newline);
}

bool CFrameWindow::OnNotify(const NMHDR& header, LRESULT&)
{
    if (header.code == TTN_GETDISPINFOW) {
        // A tool-bar tip: the part after "\n" of the command's string.
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
        const std::wstring text = LoadResString(static_cast<UINT>(header.idFrom));
        const size_t newline = text.find(L'\n');
        m_tipText = newline == std::wstring::npos ? std::wstring() : text.substr(newline + 1);
        info.lpszText = const_cast<wchar_t*>(m_tipText.c_str());
        return true;
    }
    if (header.code == static_cast<UINT>(TBN_HOTITEMCHANGE) && m_toolBar && header.hwndFrom == m_toolBar->Hwnd()) {
        const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
        SetStatusText((hot.dwFlags & HICF_LEAVING) ? LoadResString(kIdleMessageId)
                                                   : CommandPrompt(static_cast<UINT>(hot.idNew)));
        return false;
    }
    return false;
}

void CFrameWindow::OnDropFiles(const std::vector<std::wstring>&)
{
}

void CFrameWindow::OnInitMenuPopup(HMENU menu)
{
    CApp* app = CApp::Current();
    if (app && app->RecentFiles())
        app->RecentFiles()->UpdateMenu(menu);
    // The count is read again every round: a handler may add or remove items.
    for (int i = 0; i < GetMenuItemCount(menu);) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1)) { // separators and submenus
            ++i;
            continue;
        }
        CCommandState state;
        state.id = id;
        state.menu = menu;
        state.index = i;
        QueryCommandState(state);
        const int next = state.nextIndex >= 0 ? state.nextIndex : i + 1;
        if (state.handled && state.nextIndex < 0) {
            EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
            CheckMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
        }
        // Never backwards: a handler that points behind itself would loop for ever.
        i = next > i ? next : i + 1;
    }
}

void CFrameWindow::OnMenuSelect(UINT id, UINT flags, HMENU menu)
{
    if (!m_statusBar)
        return;
    if ((flags == 0xFFFF && !menu) || (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)) || id == 0)
        SetStatusText(LoadResString(kIdleMessageId));
    else
        SetStatusText(CommandPrompt(id));
}

LRESULT CFrameWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_SETFOCUS:
        if (m_activeView && m_activeView->Exists())
            SetFocus(m_activeView->Hwnd());
        return 0;
    case WM_COMMAND: {
        const UINT id = LOWORD(wp);
        // A command that runs out of memory is not done; the user is told, the program goes on.
        try {
            if (OnCommand(id, HIWORD(wp), reinterpret_cast<HWND>(lp)))
                return 0;
            CApp* app = CApp::Current();
            if (lp == 0 && app && app->OnCommand(id))
                return 0;
        } catch (const std::bad_alloc&) {
            ShowNoMemory(Hwnd());
            return 0;
        }
        break;
    }
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (lp && OnNotify(*reinterpret_cast<const NMHDR*>(lp), result))
            return result;
        break;
    }
    case WM_INITMENUPOPUP:
        if (!HIWORD(lp)) // not the system menu
            OnInitMenuPopup(reinterpret_cast<HMENU>(wp));
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wp), HIWORD(wp), reinterpret_cast<HMENU>(lp));
        return 0;
    case WM_EXITMENULOOP:
        SetStatusText(LoadResString(kIdleMessageId));
        return 0;
    case WM_DROPFILES:
        OnDropFiles(TakeDroppedFiles(reinterpret_cast<HDROP>(wp)));
        return 0;
    case WM_SETTINGCHANGE:
        if (m_toolBar)
            m_toolBar->OnSettingChange(wp, lp);
        RecalcLayout();
        break;
    case WM_CLOSE:
        // Closing the frame during a preview closes the preview.
        if (m_preview) {
            m_preview->Close();
            return 0;
        }
        if (OnClose())
            DestroyWindow(Hwnd());
        return 0;
    case WM_DESTROY:
        m_activeView = nullptr;
        m_preview = nullptr;
        m_viewBeforePreview = nullptr;
        if (CApp* app = CApp::Current())
            app->OnFrameDestroyed(this);
        return 0;
    }
    return DefaultHandling(msg, wp, lp);
}

void CFrameWindow::OnFinalMessage()
{
    m_activeView = nullptr;
}

} // namespace fw
