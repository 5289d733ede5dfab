#pragma once
// Files dropped on a window (WM_DROPFILES).

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace fw {

// Every path of the drop, in order, read without a length limit; the drop handle is released
// (DragFinish) in every case.
std::vector<std::wstring> TakeDroppedFiles(HDROP drop);

} // namespace fw
