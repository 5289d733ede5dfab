#pragma once
// CSubclassedWindow: a C++ object that takes the messages of a window someone else created (a
// control inside a common control, for instance) before its own procedure does. The window
// belongs to its parent: the object only attaches and detaches; the subclass is removed when
// the object goes or when the window is destroyed, whichever comes first.

#include <windows.h>

namespace fw {

class CSubclassedWindow {
public:
    CSubclassedWindow() = default;
    CSubclassedWindow(const CSubclassedWindow&) = delete;
    CSubclassedWindow& operator=(const CSubclassedWindow&) = delete;
    virtual ~CSubclassedWindow();

    bool Attach(HWND hwnd);
    void Detach();
    HWND Hwnd() const { return m_hwnd; }

protected:
    // Every message of the window; unhandled ones go to DefaultHandling (the window's own
    // procedure).
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultHandling(UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);

    HWND m_hwnd = nullptr;
};

} // namespace fw
