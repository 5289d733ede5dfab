#pragma once
// The device-context pair objects draw through: drawing goes to the output DC, measuring to the
// attribute DC (a preview draws on the screen but measures on the printer). Borrowed handles.

#include <windows.h>

#include <map>

namespace rkpe {

// Text metrics by font, valid while one DC pair keeps its mapping (one DrawPage, one layout).
using MetricsCache = std::map<HFONT, TEXTMETRICW>;

struct CDC {
    HDC output = nullptr; // not owned
    HDC attrib = nullptr; // not owned
    MetricsCache* metrics = nullptr; // not owned; set only for the length of one drawing call
};

// Selects a GDI object into both DCs of a pair and selects the previous ones back on exit.
// Fonts go into both (the attribute DC measures them); pens and brushes only draw, so they go
// into the output DC alone.
class ScopedSelect {
public:
    ScopedSelect(const CDC& dc, HGDIOBJ object);
    ScopedSelect(HDC output, HGDIOBJ object);
    ~ScopedSelect();
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC m_output = nullptr;
    HDC m_attrib = nullptr;
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
