// Subclassing of windows created elsewhere.
#include "fw/Subclass.h"

#include <commctrl.h>

namespace fw {

namespace {
constexpr UINT_PTR kSubclassId = 0x51564657; // one subclass of ours per window
}

CSubclassedWindow::~CSubclassedWindow()
{
    Detach();
}

bool CSubclassedWindow::Attach(HWND hwnd)
{
    if (m_hwnd || !hwnd)
        return false;
    if (!SetWindowSubclass(hwnd, &CSubclassedWindow::Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hwnd = hwnd;
    return true;
}

void CSubclassedWindow::Detach()
{
    if (m_hwnd && IsWindow(m_hwnd))
        RemoveWindowSubclass(m_hwnd, &CSubclassedWindow::Procedure, kSubclassId);
    m_hwnd = nullptr;
}

LRESULT CSubclassedWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    return DefaultHandling(msg, wp, lp);
}

LRESULT CSubclassedWindow::DefaultHandling(UINT msg, WPARAM wp, LPARAM lp)
{
    return DefSubclassProc(m_hwnd, msg, wp, lp);
}

LRESULT CALLBACK CSubclassedWindow::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data)
{
    auto* self = reinterpret_cast<CSubclassedWindow*>(data);
    if (msg == WM_NCDESTROY) {
        // The window goes first: the object lets go and the window's own procedure ends it.
        RemoveWindowSubclass(hwnd, &CSubclassedWindow::Procedure, kSubclassId);
        if (self)
            self->m_hwnd = nullptr;
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    if (!self)
        return DefSubclassProc(hwnd, msg, wp, lp);
    try {
        return self->HandleMessage(msg, wp, lp);
    } catch (...) {
        // No exception may unwind through the system's dispatcher.
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
}

} // namespace fw
