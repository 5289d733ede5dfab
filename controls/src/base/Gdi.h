#pragma once
// Small owners of GDI handles and device-context state, and the off-screen drawing context that
// every control paints through.

#include <windows.h>

#include <string_view>
#include <utility>

namespace rkcc {

// Owns one GDI object (font, brush, pen, bitmap) and deletes it.
template <class H>
class CGdiHandle {
public:
    CGdiHandle() = default;
    explicit CGdiHandle(H handle) : m_handle(handle) {}
    CGdiHandle(const CGdiHandle&) = delete;
    CGdiHandle& operator=(const CGdiHandle&) = delete;
    CGdiHandle(CGdiHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CGdiHandle& operator=(CGdiHandle&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    ~CGdiHandle() { Reset(); }

    void Reset(H handle = nullptr)
    {
        if (m_handle)
            DeleteObject(m_handle);
        m_handle = handle;
    }
    H Get() const { return m_handle; }
    operator H() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    H m_handle = nullptr;
};

using CFontHandle = CGdiHandle<HFONT>;
using CBrushHandle = CGdiHandle<HBRUSH>;
using CPenHandle = CGdiHandle<HPEN>;
using CBitmapHandle = CGdiHandle<HBITMAP>;

// Selects an object into a DC for the guard's life.
class CSelect {
public:
    CSelect(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(object ? SelectObject(dc, object) : nullptr) {}
    CSelect(const CSelect&) = delete;
    CSelect& operator=(const CSelect&) = delete;
    ~CSelect()
    {
        if (m_old)
            SelectObject(m_dc, m_old);
    }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Saves the DC's state (SaveDC) and restores it on exit.
class CSavedDC {
public:
    explicit CSavedDC(HDC dc) : m_dc(dc), m_saved(SaveDC(dc)) {}
    CSavedDC(const CSavedDC&) = delete;
    CSavedDC& operator=(const CSavedDC&) = delete;
    ~CSavedDC()
    {
        if (m_saved)
            RestoreDC(m_dc, m_saved);
    }

private:
    HDC m_dc;
    int m_saved;
};

// BeginPaint/EndPaint for one WM_PAINT.
class CPaintDC {
public:
    explicit CPaintDC(HWND hwnd) : m_hwnd(hwnd) { m_dc = BeginPaint(hwnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    ~CPaintDC() { EndPaint(m_hwnd, &m_ps); }
    operator HDC() const { return m_dc; }
    const RECT& PaintRect() const { return m_ps.rcPaint; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    HDC m_dc = nullptr;
};

// A window DC (GetDC/ReleaseDC).
class CWindowDC {
public:
    explicit CWindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;
    ~CWindowDC()
    {
        if (m_dc)
            ReleaseDC(m_hwnd, m_dc);
    }
    operator HDC() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

void FillSolid(HDC dc, const RECT& rect, COLORREF color);
// A rectangle outline of one-pixel lines (right and bottom edges inside the rectangle).
void FrameSolid(HDC dc, const RECT& rect, COLORREF color);
void Line(HDC dc, int x0, int y0, int x1, int y1);
SIZE TextExtent(HDC dc, std::wstring_view text);
void DrawTextIn(HDC dc, std::wstring_view text, RECT rect, UINT format);

} // namespace rkcc

namespace cdc_extensions {

// Off-screen drawing for flicker-free painting: drawing goes into a bitmap of the target's clip
// box, copied to the target once at destruction. Over a printer DC it draws straight through.
class CMemoryDC {
public:
    explicit CMemoryDC(HDC target);
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    ~CMemoryDC();

    operator HDC() const { return m_dc; }
    const RECT& Rect() const { return m_rect; }
    bool IsOffScreen() const { return m_offScreen; }

private:
    HDC m_target;
    HDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    RECT m_rect{};
    bool m_offScreen = false;
};

} // namespace cdc_extensions
