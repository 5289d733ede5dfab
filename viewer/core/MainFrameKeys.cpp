// Key routing of the main frame: the preview's keys, then the plug-ins and the key map.
#include "MainFrame.h"

#include "Plugins.h"
#include "ProcessObjects.h"
#include "fw/PreviewView.h"

namespace {

bool IsDown(int key)
{
    return GetKeyState(key) < 0;
}

} // namespace

bool CMainFrame::IsFocusInView() const
{
    const HWND view = ActiveView() ? ActiveView()->Hwnd() : nullptr;
    const HWND focus = GetFocus();
    // The board window inside the view, or any control in it, counts as the view.
    return view && focus && (focus == view || IsChild(view, focus));
}

bool CMainFrame::RoutePreviewKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !ActiveView() || !ActiveView()->Hwnd())
        return false;
    const HWND preview = ActiveView()->Hwnd();
    switch (msg.wParam) {
    case VK_END:
        SendMessageW(preview, WM_VSCROLL, SB_BOTTOM, 0);
        return true;
    case VK_HOME:
        SendMessageW(preview, WM_VSCROLL, SB_TOP, 0);
        return true;
    case VK_LEFT:
    case VK_PRIOR: // Page Up and Page Down turn pages too
        SendMessageW(preview, WM_HSCROLL, SB_LINELEFT, 0);
        return true;
    case VK_RIGHT:
    case VK_NEXT:
        SendMessageW(preview, WM_HSCROLL, SB_LINERIGHT, 0);
        return true;
    case VK_UP:
        SendMessageW(preview, kPreviewScrollMessage, SB_LINEUP, 0);
        return true;
    case VK_DOWN:
        SendMessageW(preview, kPreviewScrollMessage, SB_LINEDOWN, 0);
        return true;
    }
    return false;
}

bool CMainFrame::RouteKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    const int key = static_cast<int>(msg.wParam);
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU)
        return false;
    const CKeyRecord record{IsDown(VK_MENU), IsDown(VK_CONTROL), IsDown(VK_SHIFT), key};
    const UINT modifiers = (record.alt ? 0x10u : 0u) | (record.ctrl ? 0x20u : 0u) | (record.shift ? 0x40u : 0u);
    if (gPlugins && gPlugins->DispatchKey(static_cast<UINT>(key), modifiers))
        return true;
    const auto found = m_keyMap.find(record);
    if (found == m_keyMap.end())
        return false;
    SendMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(found->second, 0), 0);
    return true;
}

bool CMainFrame::PreTranslateMessage(MSG& msg)
{
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        if (m_preview) {
            if (RoutePreviewKey(msg))
                return true;
        } else if (IsFocusInView() && RouteKey(msg)) {
            return true;
        }
    }
    return fw::CFrameWindow::PreTranslateMessage(msg);
}
