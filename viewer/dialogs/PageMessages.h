#pragma once
// The host's side of the page messages (QV2PluginInterface.h): each sends one message to a page
// window and reads its answer. A page that is not a window answers nothing and refuses nothing.

#include <windows.h>

#include <string>

namespace pagemsg {

// WM_PAGE_LOAD: the page reads its settings into its controls.
void Load(HWND page);
// WM_PAGE_VALIDATE with the flag preset to true; false when the page refused.
bool Validate(HWND page);
// WM_PAGE_APPLY with the flag preset to true; the flag as the page left it.
bool Apply(HWND page);
// WM_PAGE_SHOWN: true after the page was shown, false just before it is hidden.
void Shown(HWND page, bool shown);
// WM_PAGE_OUTPUT_CHANGED.
void OutputChanged(HWND page);
// WM_PAGE_GET_FILENAME with a buffer of 261 characters: the page's proposal up to its zero.
std::wstring ProposeFileName(HWND page);
// WM_PAGE_GET_ORIENTATION: the printer orientation the page shows (1 portrait, 2 landscape);
// 0 when the page does not answer.
int Orientation(HWND page);

} // namespace pagemsg
