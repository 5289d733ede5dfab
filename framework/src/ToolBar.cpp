// Tool bar from a tool-bar resource.
#include "fw/ToolBar.h"

#include "fw/Resources.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <vector>

namespace fw {

namespace {

constexpr COLORREF kTransparent = RGB(192, 192, 192); // the strip's background colour

void InitBars()
{
    static bool done = false;
    if (done)
        return;
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    done = InitCommonControlsEx(&init) != FALSE;
}

} // namespace

int CommonControlsVersion()
{
    HMODULE module = GetModuleHandleW(L"comctl32.dll");
    auto getVersion = module ? reinterpret_cast<DLLGETVERSIONPROC>(
                                   reinterpret_cast<void*>(GetProcAddress(module, "DllGetVersion")))
                             : nullptr;
    if (!getVersion)
        return 4;
    DLLVERSIONINFO info{};
    info.cbSize = sizeof(info);
    return SUCCEEDED(getVersion(&info)) ? static_cast<int>(info.dwMajorVersion) : 4;
}

CToolBar::~CToolBar()
{
    if (m_hwnd && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
    if (m_images)
        ImageList_Destroy(m_images);
}

bool CToolBar::Create(HWND parent, DWORD style, DWORD exStyle, UINT id)
{
    if (m_hwnd)
        return false;
    InitBars();
    m_hwnd = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_TOP | style, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!m_hwnd)
        return false;
    SendMessageW(m_hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (exStyle)
        SendMessageW(m_hwnd, TB_SETEXTENDEDSTYLE, 0, static_cast<LPARAM>(exStyle));
    return true;
}

bool CToolBar::LoadToolBar(UINT resourceId, HINSTANCE module)
{
    if (!m_hwnd)
        return false;
    if (!module)
        module = ResourceModule();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(kResourceType));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* words = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    const DWORD bytes = found ? SizeofResource(module, found) : 0;
    // Read the header only when it is there, and the commands only as far as the resource goes.
    if (!words || bytes < 4 * sizeof(WORD) || words[0] != 1)
        return false;
    const int width = words[1];
    const int height = words[2];
    const size_t count = words[3];
    if (bytes < (4 + count) * sizeof(WORD))
        return false;

    HIMAGELIST images = ImageList_LoadImageW(module, MAKEINTRESOURCEW(resourceId), width, 0, kTransparent,
                                             IMAGE_BITMAP, LR_CREATEDIBSECTION);
    while (SendMessageW(m_hwnd, TB_BUTTONCOUNT, 0, 0) > 0)
        SendMessageW(m_hwnd, TB_DELETEBUTTON, 0, 0);
    SendMessageW(m_hwnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
    SendMessageW(m_hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    if (m_images)
        ImageList_Destroy(m_images);
    m_images = images;

    std::vector<TBBUTTON> buttons(count);
    int image = 0;
    for (size_t i = 0; i < count; ++i) {
        TBBUTTON& button = buttons[i];
        button.idCommand = words[4 + i];
        if (button.idCommand == 0) {
            button.fsStyle = BTNS_SEP;
            button.iBitmap = 6;
        } else {
            button.fsStyle = BTNS_BUTTON;
            button.fsState = TBSTATE_ENABLED;
            button.iBitmap = image++;
        }
    }
    if (!buttons.empty())
        SendMessageW(m_hwnd, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    AutoSize();
    return true;
}

int CToolBar::ButtonCount() const
{
    return m_hwnd ? static_cast<int>(SendMessageW(m_hwnd, TB_BUTTONCOUNT, 0, 0)) : 0;
}

int CToolBar::CommandToIndex(UINT id) const
{
    return m_hwnd ? static_cast<int>(SendMessageW(m_hwnd, TB_COMMANDTOINDEX, id, 0)) : -1;
}

UINT CToolBar::ItemId(int index) const
{
    TBBUTTON button{};
    if (!m_hwnd || !SendMessageW(m_hwnd, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)))
        return 0;
    return static_cast<UINT>(button.idCommand);
}

bool CToolBar::IsSeparator(int index) const
{
    return (ButtonStyle(index) & BTNS_SEP) != 0;
}

BYTE CToolBar::ButtonStyle(int index) const
{
    TBBUTTON button{};
    if (!m_hwnd || !SendMessageW(m_hwnd, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)))
        return 0;
    return button.fsStyle;
}

void CToolBar::SetButtonStyle(int index, BYTE style)
{
    const UINT id = ItemId(index);
    if (!m_hwnd || index < 0 || index >= ButtonCount())
        return;
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STYLE;
    info.fsStyle = style;
    SendMessageW(m_hwnd, TB_SETBUTTONINFOW, id, reinterpret_cast<LPARAM>(&info));
}

void CToolBar::MakeSeparator(int index, int width)
{
    if (!m_hwnd || index < 0 || index >= ButtonCount())
        return;
    // A separator's width is its image index; the control changes neither through
    // TB_SETBUTTONINFO, so the button is replaced.
    TBBUTTON separator{};
    separator.idCommand = static_cast<int>(ItemId(index));
    separator.fsStyle = BTNS_SEP;
    separator.iBitmap = width;
    SendMessageW(m_hwnd, TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
    SendMessageW(m_hwnd, TB_INSERTBUTTONW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&separator));
    AutoSize();
}

RECT CToolBar::ItemRect(int index) const
{
    RECT rc{};
    if (m_hwnd)
        SendMessageW(m_hwnd, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rc));
    return rc;
}

void CToolBar::SetButtonState(UINT id, bool enabled, bool checked)
{
    if (!m_hwnd)
        return;
    const LRESULT state = SendMessageW(m_hwnd, TB_GETSTATE, id, 0);
    if (state == -1)
        return;
    BYTE next = static_cast<BYTE>(state);
    next = enabled ? (next | TBSTATE_ENABLED) : (next & ~TBSTATE_ENABLED);
    next = checked ? (next | TBSTATE_CHECKED) : (next & ~TBSTATE_CHECKED);
    // Only real changes: a state message repaints the button.
    if (next != static_cast<BYTE>(state))
        SendMessageW(m_hwnd, TB_SETSTATE, id, MAKELPARAM(next, 0));
}

int CToolBar::Height() const
{
    // The window's own style: a frame that is not shown yet still lays out its bars.
    if (!m_hwnd || !(GetWindowLongW(m_hwnd, GWL_STYLE) & WS_VISIBLE))
        return 0;
    RECT rc{};
    GetWindowRect(m_hwnd, &rc);
    return rc.bottom - rc.top;
}

void CToolBar::Show(bool show)
{
    if (m_hwnd)
        ShowWindow(m_hwnd, show ? SW_SHOWNA : SW_HIDE);
}

void CToolBar::AutoSize()
{
    if (m_hwnd)
        SendMessageW(m_hwnd, TB_AUTOSIZE, 0, 0);
}

void CToolBar::OnSettingChange(WPARAM wp, LPARAM lp)
{
    if (m_hwnd)
        SendMessageW(m_hwnd, WM_SETTINGCHANGE, wp, lp);
}

} // namespace fw
