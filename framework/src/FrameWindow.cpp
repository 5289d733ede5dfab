// Top-level frame window.
#include "fw/FrameWindow.h"

#include "fw/App.h"
#include "fw/Resources.h"

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
    RegisterWindowClass(kFrameClass, CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
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

bool CFrameWindow::PreTranslateMessage(MSG& msg)
{
    if (m_accelerators && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && Hwnd())
        return TranslateAcceleratorW(Hwnd(), m_accelerators, &msg) != 0;
    return false;
}

bool CFrameWindow::OnCommand(UINT, UINT, HWND)
{
    return false;
}

void CFrameWindow::UpdateCommand(CCommandState&)
{
}

void CFrameWindow::RecalcLayout()
{
    if (!Hwnd() || !m_activeView || !m_activeView->Hwnd())
        return;
    RECT rc{};
    GetClientRect(Hwnd(), &rc);
    MoveWindow(m_activeView->Hwnd(), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

void CFrameWindow::OnInitMenuPopup(HMENU menu)
{
    CApp* app = CApp::Current();
    if (app && app->RecentFiles())
        app->RecentFiles()->UpdateMenu(menu);
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1)) // separators and submenus
            continue;
        CCommandState state;
        state.id = id;
        UpdateCommand(state);
        if (!state.handled && app)
            app->UpdateCommand(state);
        if (!state.handled)
            continue;
        EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
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
        if (OnCommand(id, HIWORD(wp), reinterpret_cast<HWND>(lp)))
            return 0;
        CApp* app = CApp::Current();
        if (lp == 0 && app && app->OnCommand(id))
            return 0;
        break;
    }
    case WM_INITMENUPOPUP:
        if (!HIWORD(lp)) // not the system menu
            OnInitMenuPopup(reinterpret_cast<HMENU>(wp));
        return 0;
    case WM_CLOSE:
        if (OnClose())
            DestroyWindow(Hwnd());
        return 0;
    case WM_DESTROY:
        m_activeView = nullptr;
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
