#pragma once
// Where resources come from: the process-wide resource module (the program itself until the
// application switches to its resource library) and typed loaders over it.

#include <windows.h>

#include <string>

namespace fw {

// The module that menus, dialog templates, strings and bitmaps are loaded from; null means the
// program module.
void SetResourceModule(HINSTANCE module);
HINSTANCE ResourceModule();

// A string of the string table; a missing string reads as empty text.
std::wstring LoadResString(UINT id, HINSTANCE module);
std::wstring LoadResString(UINT id);

} // namespace fw
