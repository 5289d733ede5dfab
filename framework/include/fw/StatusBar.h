#pragma once
// CStatusBar: a one-pane status-bar common control at the bottom of a frame, showing the
// prompt of the command under the mouse or the idle text. The frame object owns it.

#include <windows.h>

#include <string>

namespace fw {

class CStatusBar {
public:
    static constexpr UINT kDefaultId = 0xE801;

    CStatusBar() = default;
    CStatusBar(const CStatusBar&) = delete;
    CStatusBar& operator=(const CStatusBar&) = delete;
    ~CStatusBar();

    bool Create(HWND parent, UINT id = kDefaultId);
    HWND Hwnd() const { return m_hwnd; }
    void SetText(const std::wstring& text);
    std::wstring Text() const;
    // Height for the frame's layout; 0 when hidden. Reposition after the parent is sized.
    int Height() const;
    void Reposition();

private:
    HWND m_hwnd = nullptr;
};

} // namespace fw
