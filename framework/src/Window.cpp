// The one window procedure: finds the object in the window's user data and forwards.
#include "fw/Window.h"

namespace fw {

HINSTANCE CodeModule()
{
    // The module this code was linked into: the program, or a plug-in that links the framework
    // too. Classes are registered per module, so a plug-in's classes never meet the program's.
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&CodeModule), &module);
    return module;
}

std::wstring WindowText(HWND window)
{
    const int length = window ? GetWindowTextLengthW(window) : 0;
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

wchar_t AccessKey(const std::wstring& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] != L'&') {
            wchar_t key[2] = {text[i + 1], 0};
            CharUpperW(key);
            return key[0];
        }
        ++i; // "&&" shows an ampersand
    }
    return 0;
}

CWindow::~CWindow()
{
    if (m_hwnd && ::IsWindow(m_hwnd)) {
        // Detach first: the messages of the destruction must not reach a half-destroyed object.
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        HWND hwnd = m_hwnd;
        m_hwnd = nullptr;
        DestroyWindow(hwnd);
    }
}

bool CWindow::RegisterWindowClass(const wchar_t* name, UINT style, HICON icon, HBRUSH background)
{
    const HINSTANCE instance = CodeModule();
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name, &existing))
        return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = &CWindow::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

bool CWindow::Create(const CreateArgs& args)
{
    if (m_hwnd)
        return false;
    m_sawCreation = false;
    HWND hwnd = CreateWindowExW(args.exStyle, args.className, args.title.c_str(), args.style, args.x, args.y,
                                args.cx, args.cy, args.parent, args.menu, CodeModule(), this);
    if (hwnd)
        return true;
    // A window that got as far as WM_NCCREATE was destroyed again and has been released at
    // WM_NCDESTROY; one that never got there is released here, so a self-owned object is gone
    // after every failure.
    if (!m_sawCreation)
        Release(this);
    return false;
}

void CWindow::Release(CWindow* window)
{
    window->OnFinalMessage();
    if (window->m_ownsItself)
        delete window; // the one place where a window object deletes itself
}

LRESULT CWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    return DefaultHandling(msg, wp, lp);
}

LRESULT CWindow::DefaultHandling(UINT msg, WPARAM wp, LPARAM lp)
{
    return DefWindowProcW(m_hwnd, msg, wp, lp);
}

LRESULT CALLBACK CWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CWindow* self = nullptr;
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lp);
        self = static_cast<CWindow*>(cs->lpCreateParams);
        if (self) {
            self->m_hwnd = hwnd;
            self->m_sawCreation = true;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<CWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return DefWindowProcW(hwnd, msg, wp, lp);

    LRESULT result = 0;
    try {
        result = self->HandleMessage(msg, wp, lp);
    } catch (...) {
        // No exception may unwind through the system's dispatcher.
        result = DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
        Release(self);
    }
    return result;
}

} // namespace fw
