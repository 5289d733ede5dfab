#pragma once
// The device-context pair objects draw through: drawing goes to the output DC, measuring to the
// attribute DC (a preview draws on the screen but measures on the printer). Borrowed handles.

#include <windows.h>

namespace rkpe {

struct CDC {
    HDC output = nullptr; // not owned
    HDC attrib = nullptr; // not owned
};

// Selects a GDI object into both DCs of a pair and selects the previous ones back on exit.
class ScopedSelect {
public:
    ScopedSelect(const CDC& dc, HGDIOBJ object);
    ~ScopedSelect();
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    const CDC& m_dc;
    HGDIOBJ m_oldOutput = nullptr;
    HGDIOBJ m_oldAttrib = nullptr;
};

// Text drawing state of the output DC (colour, transparent background, top-left reference
// point), restored on exit.
class ScopedTextState {
public:
    ScopedTextState(HDC dc, COLORREF colour);
    ~ScopedTextState();
    ScopedTextState(const ScopedTextState&) = delete;
    ScopedTextState& operator=(const ScopedTextState&) = delete;

private:
    HDC m_dc;
    COLORREF m_oldColour;
    int m_oldMode;
    UINT m_oldAlign;
};

} // namespace rkpe
