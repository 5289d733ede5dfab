#pragma once
// Small guards for GDI: a DC's saved state, an owned GDI object, an object selected into a DC,
// and a paint cycle. Each undoes its one thing when it goes.

#include <windows.h>

namespace fw {

// Saves the DC's state now and restores it on exit.
class CSavedDC {
public:
    explicit CSavedDC(HDC dc) : m_dc(dc), m_state(dc ? SaveDC(dc) : 0) {}
    ~CSavedDC()
    {
        if (m_state)
            RestoreDC(m_dc, m_state);
    }
    CSavedDC(const CSavedDC&) = delete;
    CSavedDC& operator=(const CSavedDC&) = delete;

private:
    HDC m_dc;
    int m_state;
};

// Owns one GDI object (pen, brush, font, bitmap) and deletes it on exit or replacement.
template <class T>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(T object) : m_object(object) {}
    ~CGdiObject() { Reset(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    T Get() const { return m_object; }
    void Reset(T object = nullptr)
    {
        if (m_object)
            DeleteObject(m_object);
        m_object = object;
    }

private:
    T m_object = nullptr;
};

// Selects an object into a DC and selects the one it replaced back on exit; a null object
// selects nothing.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? SelectObject(dc, object) : nullptr) {}
    ~CSelectObject()
    {
        if (m_previous)
            SelectObject(m_dc, m_previous);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// One BeginPaint/EndPaint cycle of a window.
class CPaintScope {
public:
    explicit CPaintScope(HWND window) : m_window(window), m_dc(BeginPaint(window, &m_paint)) {}
    ~CPaintScope() { EndPaint(m_window, &m_paint); }
    CPaintScope(const CPaintScope&) = delete;
    CPaintScope& operator=(const CPaintScope&) = delete;

    HDC Dc() const { return m_dc; }
    const PAINTSTRUCT& Paint() const { return m_paint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

} // namespace fw
