// The window procedures of CCtlWnd: find the object, forward, and let go at WM_NCDESTROY.
#include "base/CtlWnd.h"

#include <commctrl.h>

namespace rkcc {

HINSTANCE ControlsModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ControlsModule), &module);
    return module;
}

CCtlWnd::~CCtlWnd()
{
    Destroy();
}

void CCtlWnd::Destroy()
{
    if (m_hwnd && ::IsWindow(m_hwnd)) {
        // Let go first: the messages of the destruction must not reach a half-destroyed object.
        HWND hwnd = m_hwnd;
        if (m_subclassed)
            RemoveWindowSubclass(hwnd, &CCtlWnd::SubclassProc, 0);
        else
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        m_hwnd = nullptr;
        m_subclassed = false;
        DestroyWindow(hwnd);
    }
    m_hwnd = nullptr;
}

bool CCtlWnd::RegisterInnerClass(const wchar_t* name, UINT style, HCURSOR cursor, HBRUSH background)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(ControlsModule(), name, &existing))
        return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = &CCtlWnd::InnerProc;
    wc.hInstance = ControlsModule();
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

bool CCtlWnd::Create(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& rect, HWND parent, UINT id,
                     const wchar_t* text)
{
    if (m_hwnd)
        return false;
    HWND hwnd = CreateWindowExW(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                ControlsModule(), this);
    return hwnd != nullptr && m_hwnd == hwnd;
}

bool CCtlWnd::CreateSubclassed(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& rect, HWND parent,
                               UINT id, const wchar_t* text)
{
    if (m_hwnd)
        return false;
    HWND hwnd = CreateWindowExW(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                ControlsModule(), nullptr);
    if (!hwnd)
        return false;
    if (!SetWindowSubclass(hwnd, &CCtlWnd::SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this))) {
        DestroyWindow(hwnd);
        return false;
    }
    m_hwnd = hwnd;
    m_subclassed = true;
    return true;
}

RECT CCtlWnd::ClientRect() const
{
    RECT rc{};
    if (m_hwnd)
        GetClientRect(m_hwnd, &rc);
    return rc;
}

void CCtlWnd::NotifyParent(WORD code) const
{
    if (HWND parent = Parent())
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(Id(), code), reinterpret_cast<LPARAM>(m_hwnd));
}

void CCtlWnd::NotifyParentWith(WORD code, HWND from) const
{
    if (HWND parent = Parent())
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(Id(), code), reinterpret_cast<LPARAM>(from));
}

LRESULT CCtlWnd::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    return Default(msg, wp, lp);
}

LRESULT CCtlWnd::Default(UINT msg, WPARAM wp, LPARAM lp)
{
    if (m_subclassed)
        return DefSubclassProc(m_hwnd, msg, wp, lp);
    return DefWindowProcW(m_hwnd, msg, wp, lp);
}

void CCtlWnd::AttachOwned(CCtlWnd* self, HWND hwnd)
{
    self->m_hwnd = hwnd;
    self->m_ownsItself = true;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
}

LRESULT CCtlWnd::Dispatch(CCtlWnd* self, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT result = 0;
    try {
        result = self->HandleMessage(msg, wp, lp);
    } catch (...) {
        // No exception may unwind through the system's dispatcher into the host. A creation that
        // failed halfway refuses the window rather than leave it without its parts.
        if (msg == WM_CREATE)
            result = -1;
        else if (msg == WM_NCCREATE)
            result = FALSE;
        else
            result = self->m_subclassed ? DefSubclassProc(hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) {
        if (self->m_subclassed)
            RemoveWindowSubclass(hwnd, &CCtlWnd::SubclassProc, 0);
        else
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
        self->m_subclassed = false;
        if (self->m_ownsItself)
            delete self; // the one place where a control object deletes itself
    }
    return result;
}

LRESULT CALLBACK CCtlWnd::InnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CCtlWnd* self = nullptr;
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lp);
        self = static_cast<CCtlWnd*>(cs->lpCreateParams);
        if (self) {
            self->m_hwnd = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<CCtlWnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return DefWindowProcW(hwnd, msg, wp, lp);
    return Dispatch(self, hwnd, msg, wp, lp);
}

LRESULT CALLBACK CCtlWnd::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref)
{
    auto* self = reinterpret_cast<CCtlWnd*>(ref);
    if (!self || self->m_hwnd != hwnd)
        return DefSubclassProc(hwnd, msg, wp, lp);
    return Dispatch(self, hwnd, msg, wp, lp);
}

} // namespace rkcc
