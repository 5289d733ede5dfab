#pragma once
// Stand-ins for the two controls-library classes on the report pages, registered as global
// classes of the test program under their real names so the pages' templates create them: an
// options tree with a real inner tree control (id 100) that keeps item kinds as images the way
// the library's does, and a date period that keeps its two dates. Also a small host window that
// answers the output-kind question of the pages as the reports dialog does.

#include <windows.h>

namespace controls {

// Registers the classes (once).
void Register();

} // namespace controls

// The reports dialog's side of the page protocol: answers WM_PAGE_GET_FILENAME (wParam 0) with
// the output kind, or not at all with `answers` false.
class CTestHost {
public:
    CTestHost();
    ~CTestHost();
    CTestHost(const CTestHost&) = delete;
    CTestHost& operator=(const CTestHost&) = delete;
    HWND Hwnd() const { return m_hwnd; }

    int kind = 0;
    bool answers = true;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND m_hwnd = nullptr;
};
