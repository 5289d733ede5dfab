#pragma once
// CCtlWnd: the library's window base: one C++ object for one HWND, one window procedure per kind
// of window, messages handled by a virtual HandleMessage switch.
//
// Lifetime, one rule per kind:
// - A registered control (the classes hosts create by name) owns itself: its object is made on
//   the window's first message by OuterWindowProc<T> and deleted after WM_NCDESTROY.
// - An inner window (a frame, a button, a subclassed standard control) is a member of its outer
//   object. Its destructor destroys the window when it still exists; at WM_NCDESTROY it only lets
//   go of the handle, since Windows destroys children before their parent's final message.

#include <windows.h>

#include <new>

namespace rkcc {

// The module that holds this code and its resources (the DLL, or a test program that links the
// controls statically).
HINSTANCE ControlsModule();

// The standard message ranges of the inner controls that wrappers pass on.
inline bool IsListBoxMessage(UINT msg) { return msg >= 0x0180 && msg <= 0x01B3; } // LB_ADDSTRING..LB_MSGMAX
inline bool IsComboBoxMessage(UINT msg) { return msg >= 0x0140 && msg <= 0x0165; } // CB_GETEDITSEL..CB_MSGMAX
inline bool IsTreeViewMessage(UINT msg) { return msg >= 0x1100 && msg < 0x1200; }  // TVM_FIRST..

class CCtlWnd {
public:
    CCtlWnd() = default;
    CCtlWnd(const CCtlWnd&) = delete;
    CCtlWnd& operator=(const CCtlWnd&) = delete;
    virtual ~CCtlWnd();

    HWND Hwnd() const { return m_hwnd; }
    bool Exists() const { return m_hwnd && ::IsWindow(m_hwnd); }

    // Creates a window of a class registered with RegisterInnerClass; this object gets its messages.
    bool Create(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& rect, HWND parent, UINT id,
                const wchar_t* text = L"");
    // Creates a standard control (EDIT, LISTBOX, ...) and subclasses it, so its messages reach
    // HandleMessage first; Default hands them on to the control.
    bool CreateSubclassed(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& rect, HWND parent,
                          UINT id, const wchar_t* text = L"");
    // Destroys the window now (inner windows; a registered control destroys itself with its window).
    void Destroy();

    // A class whose windows are created with Create; a second call with the same name is a no-op.
    static bool RegisterInnerClass(const wchar_t* name, UINT style, HCURSOR cursor, HBRUSH background);

    // Window procedure of a registered control class: the object is made on the first message.
    template <class T>
    static LRESULT CALLBACK OuterWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

protected:
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);

    // An inner window that must outlive its creator's call (an in-place editor) owns itself: it is
    // deleted after its WM_NCDESTROY. Call right after creating it with `new`.
    void SetOwnsItself() { m_ownsItself = true; }

    HWND Parent() const { return ::GetParent(m_hwnd); }
    int Id() const { return ::GetDlgCtrlID(m_hwnd); }
    RECT ClientRect() const;
    void Invalidate() const { ::InvalidateRect(m_hwnd, nullptr, FALSE); }
    bool HasFocus() const { return ::GetFocus() == m_hwnd; }
    bool IsEnabled() const { return ::IsWindowEnabled(m_hwnd) != FALSE; }
    // WM_COMMAND to the parent: code in the high word, own id and handle.
    void NotifyParent(WORD code) const;
    // The same with another window's handle in lParam (an inner control the host may drive).
    void NotifyParentWith(WORD code, HWND from) const;

private:
    static LRESULT CALLBACK InnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref);
    static LRESULT Dispatch(CCtlWnd* self, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static void AttachOwned(CCtlWnd* self, HWND hwnd);

    HWND m_hwnd = nullptr;
    bool m_subclassed = false;
    bool m_ownsItself = false;
};

template <class T>
LRESULT CALLBACK CCtlWnd::OuterWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = reinterpret_cast<CCtlWnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) {
        if (msg == WM_NCDESTROY)
            return DefWindowProcW(hwnd, msg, wp, lp);
        T* made = nullptr;
        try {
            made = new T;
        } catch (...) {
            made = nullptr;
        }
        if (!made) // out of memory: refuse creation rather than run a window without its object
            return msg == WM_NCCREATE ? FALSE : DefWindowProcW(hwnd, msg, wp, lp);
        AttachOwned(made, hwnd);
        self = made;
    }
    return Dispatch(self, hwnd, msg, wp, lp);
}

} // namespace rkcc
