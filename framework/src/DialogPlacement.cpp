// Centring of dialogs that did not place themselves.
#include "fw/DialogPlacement.h"

#include <algorithm>

namespace fw {

RECT CenteredDialogRect(SIZE size, const RECT* owner, const RECT& workArea)
{
    const RECT& around = owner ? *owner : workArea;
    LONG left = around.left + ((around.right - around.left) - size.cx) / 2;
    LONG top = around.top + ((around.bottom - around.top) - size.cy) / 2;
    // Right and bottom first, then left and top: a dialog larger than the work area keeps its
    // caption on the screen.
    left = std::max(std::min(left, workArea.right - size.cx), workArea.left);
    top = std::max(std::min(top, workArea.bottom - size.cy), workArea.top);
    return RECT{left, top, left + size.cx, top + size.cy};
}

void CenterDialog(HWND dialog)
{
    if (!dialog || (GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD))
        return;
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner)
        owner = GetAncestor(owner, GA_ROOT);
    const bool useOwner = owner && IsWindowVisible(owner) && !IsIconic(owner);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(useOwner ? owner : dialog, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return;
    RECT self{};
    RECT ownerRect{};
    if (!GetWindowRect(dialog, &self) || (useOwner && !GetWindowRect(owner, &ownerRect)))
        return;
    const SIZE size{self.right - self.left, self.bottom - self.top};
    const RECT placed = CenteredDialogRect(size, useOwner ? &ownerRect : nullptr, monitor.rcWork);
    SetWindowPos(dialog, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace fw
