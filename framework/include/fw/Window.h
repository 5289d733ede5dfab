#pragma once
// CWindow: one C++ object for one HWND, with one window procedure for every class we register.
//
// Lifetime: a child window belongs to its parent's C++ object; the destructor destroys the window
// when it still exists. A window created with SetOwnsItself(true) (top-level frames) is created
// with `new` and deletes itself at WM_NCDESTROY; nothing else deletes it.

#include <windows.h>

#include <string>

namespace fw {

// The module the framework was linked into (the program, or a plug-in); window classes are
// registered for it. A plug-in must unregister its classes before it is unloaded: the system
// keeps a library's classes after the library is gone.
HINSTANCE CodeModule();

// A window's text; empty for no window.
std::wstring WindowText(HWND window);

// The access key that a control's or menu item's text marks with "&", in upper case ("&&" shows
// an ampersand); 0 when the text marks none.
wchar_t AccessKey(const std::wstring& text);

class CWindow {
public:
    CWindow() = default;
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;
    virtual ~CWindow();

    struct CreateArgs {
        const wchar_t* className = nullptr; // registered with RegisterWindowClass
        std::wstring title;
        DWORD style = WS_OVERLAPPEDWINDOW;
        DWORD exStyle = 0;
        int x = CW_USEDEFAULT;
        int y = CW_USEDEFAULT;
        int cx = CW_USEDEFAULT;
        int cy = CW_USEDEFAULT;
        HWND parent = nullptr;
        HMENU menu = nullptr; // the menu, or the control id of a child window
    };
    // false when the window cannot be created; a self-owned object has then deleted itself.
    bool Create(const CreateArgs& args);

    HWND Hwnd() const { return m_hwnd; }
    bool Exists() const { return m_hwnd && ::IsWindow(m_hwnd); }

    // Registers a window class whose messages reach CWindow::HandleMessage; a second call with the
    // same name is a no-op.
    static bool RegisterWindowClass(const wchar_t* name, UINT style, HICON icon, HBRUSH background);

protected:
    // Every message of the window after WM_NCCREATE; unhandled ones go to DefaultHandling.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultHandling(UINT msg, WPARAM wp, LPARAM lp);
    // Called after the last message (WM_NCDESTROY), once the object no longer holds the HWND.
    virtual void OnFinalMessage() {}

    void SetOwnsItself(bool owns) { m_ownsItself = owns; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static void Release(CWindow* window);

    HWND m_hwnd = nullptr;
    bool m_ownsItself = false;
    bool m_sawCreation = false; // WM_NCCREATE reached the object during Create
};

} // namespace fw
