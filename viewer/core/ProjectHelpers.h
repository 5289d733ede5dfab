#pragma once
// Helpers over the open project that the main frame and the dialogs share.

#include <windows.h>

#include <string>

// The absolute path of the open project; empty without a data root or an open project.
std::wstring GetProjectPath();
// Asked without allocating: also before an open, when memory may be short.
bool IsProjectOpen();

// Fills a check list box of the controls library with the project's resources in position order:
// each name checked, the resource as the item's data; the first item selected.
void FillResourceListBox(HWND checkList);
