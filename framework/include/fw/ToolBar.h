#pragma once
// CToolBar: a tool-bar common control whose buttons come from a tool-bar resource (type 241:
// version 1, button width and height, button count, then one command per button, 0 for a
// separator) and the bitmap strip of the same id. The control is a child of its frame; the
// C++ object belongs to the frame object and destroys the control when it still exists.

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace fw {

class CToolBar {
public:
    // The control id of a frame's tool bar.
    static constexpr UINT kDefaultId = 0xE800;
    static constexpr int kResourceType = 241;

    CToolBar() = default;
    CToolBar(const CToolBar&) = delete;
    CToolBar& operator=(const CToolBar&) = delete;
    virtual ~CToolBar();

    // `style` adds to the child, tool-bar and top-alignment styles; `exStyle` are tool-bar
    // extended styles (TBSTYLE_EX_...).
    bool Create(HWND parent, DWORD style, DWORD exStyle, UINT id = kDefaultId);
    // Replaces the buttons by those of the resource; false when it is missing or malformed.
    bool LoadToolBar(UINT resourceId, HINSTANCE module = nullptr);

    HWND Hwnd() const { return m_hwnd; }
    bool Exists() const { return m_hwnd && IsWindow(m_hwnd); }
    HWND Parent() const { return m_hwnd ? GetParent(m_hwnd) : nullptr; }

    int ButtonCount() const;
    // Position of the button with the command; -1 when none has it.
    int CommandToIndex(UINT id) const;
    UINT ItemId(int index) const;
    bool IsSeparator(int index) const;
    RECT ItemRect(int index) const;
    BYTE ButtonStyle(int index) const;
    void SetButtonStyle(int index, BYTE style);
    // Replaces the button by a separator `width` pixels wide that keeps its command id: the
    // place of a control laid over the bar.
    void MakeSeparator(int index, int width);
    void SetButtonState(UINT id, bool enabled, bool checked);

    // The bar's height for the frame's layout; 0 when it is hidden.
    int Height() const;
    void Show(bool show);
    // Sizes the bar to its parent's width.
    void AutoSize();

    // A system setting changed; the default lets the control recompute its metrics.
    virtual void OnSettingChange(WPARAM wp, LPARAM lp);

private:
    HWND m_hwnd = nullptr;
    HIMAGELIST m_images = nullptr; // owned
};

// The major version of the common-controls library the process uses (5 or 6 in practice).
int CommonControlsVersion();

} // namespace fw
