// Status bar.
#include "fw/StatusBar.h"

#include <commctrl.h>

namespace fw {

CStatusBar::~CStatusBar()
{
    if (m_hwnd && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
}

bool CStatusBar::Create(HWND parent, UINT id)
{
    if (m_hwnd)
        return false;
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
    m_hwnd = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (m_hwnd)
        SendMessageW(m_hwnd, SB_SIMPLE, TRUE, 0);
    return m_hwnd != nullptr;
}

void CStatusBar::SetText(const std::wstring& text)
{
    if (m_hwnd)
        SendMessageW(m_hwnd, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring CStatusBar::Text() const
{
    if (!m_hwnd)
        return {};
    // In simple mode part 0 reads the simple text (the simple id itself is out of range there).
    const LRESULT info = SendMessageW(m_hwnd, SB_GETTEXTLENGTHW, 0, 0);
    std::wstring text(LOWORD(info) + 1u, L'\0');
    SendMessageW(m_hwnd, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

int CStatusBar::Height() const
{
    // The window's own style: a frame that is not shown yet still lays out its bars.
    if (!m_hwnd || !(GetWindowLongW(m_hwnd, GWL_STYLE) & WS_VISIBLE))
        return 0;
    RECT rc{};
    GetWindowRect(m_hwnd, &rc);
    return rc.bottom - rc.top;
}

void CStatusBar::Reposition()
{
    // The control places itself at the bottom of its parent on any WM_SIZE.
    if (m_hwnd)
        SendMessageW(m_hwnd, WM_SIZE, 0, 0);
}

} // namespace fw
