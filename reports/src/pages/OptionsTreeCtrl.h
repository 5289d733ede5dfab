#pragma once
// Thin wrappers of two controls-library windows on the report pages: CRK2OptionsTreeCtrl (check
// items and radio groups in a tree) and CRK2DatePeriodCtrl (a start and an end date). Each
// attaches to a control of the page's template; the options-tree wrapper destroys its window
// when the wrapper goes while the window still exists.

#include "pages/ControlMessages.h"

#include "TDate.h"

class CRK2OptionsTreeCtrl {
public:
    CRK2OptionsTreeCtrl() = default;
    ~CRK2OptionsTreeCtrl();
    CRK2OptionsTreeCtrl(const CRK2OptionsTreeCtrl&) = delete;
    CRK2OptionsTreeCtrl& operator=(const CRK2OptionsTreeCtrl&) = delete;

    void Attach(HWND window) { m_hwnd = window; }
    // Forgets the window without destroying it (its dialog destroys it).
    void Detach() { m_hwnd = nullptr; }
    HWND Hwnd() const { return m_hwnd; }
    // The tree control inside the options tree; null without one.
    HWND InnerTree() const;

    HTREEITEM AddRoot(int image, const wchar_t* text) const;
    HTREEITEM AddCheck(HTREEITEM parent, bool checked, const wchar_t* text) const;
    HTREEITEM AddRadio(HTREEITEM parent, bool selected, const wchar_t* text) const;
    // Index of the selected radio item among the group's children; -1 when none is.
    int GetRadio(HTREEITEM group) const;
    void SetRadio(HTREEITEM group, int index) const;
    bool GetCheck(HTREEITEM item) const;
    void SetCheck(HTREEITEM item, bool checked) const;

    // Removes every item of the inner tree.
    void DeleteAllItems() const;
    void Expand(HTREEITEM item) const;
    // Selects the first root item of the inner tree and scrolls it into view.
    void ShowFirstRoot() const;

private:
    HWND m_hwnd = nullptr; // the control; its dialog owns it
};

class CRK2DatePeriodCtrl {
public:
    void Attach(HWND window) { m_hwnd = window; }
    void Detach() { m_hwnd = nullptr; }
    HWND Hwnd() const { return m_hwnd; }

    // Side 0 the start, 1 the end.
    void SetDate(int side, TDate date) const;
    // The date of the side (committing what is typed); `fallback` without a control.
    TDate GetDate(int side, TDate fallback) const;

private:
    HWND m_hwnd = nullptr; // the control; its dialog owns it
};
