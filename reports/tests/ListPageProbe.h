#pragma once
// Reads and sets the controls of a task-list option page made from the period template, through
// the messages of the controls (stand-ins of ControlDoubles.h in the tests).

#include "TDate.h"

#include <windows.h>

#include <string>

class CListPageProbe {
public:
    explicit CListPageProbe(HWND page) : m_page(page) {}

    // The check items as "Group: item+, item-; Group: ..." (+ checked); the orientation group
    // is left out.
    std::wstring Outline() const;
    // Sets the check of the item with that text.
    void Check(const std::wstring& text, bool on) const;
    // The date of side 0 (first day) or 1 (last day) of the period control.
    TDate Shown(int side) const;
    std::wstring Title() const;

private:
    HWND Options() const;
    HWND Tree() const;
    HWND m_page; // not owned
};
