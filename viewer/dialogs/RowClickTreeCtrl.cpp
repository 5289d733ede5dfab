// A tree view whose whole item rows take clicks.
#include "RowClickTreeCtrl.h"

#include <commctrl.h>
#include <windowsx.h>

LRESULT CRowClickTreeCtrl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_LBUTTONDOWN) {
        // Beside the label or in the indent the tree view would only take the focus; its own
        // handling follows (focus, notification), and on the label selects as before. The
        // button still opens and closes its group.
        TVHITTESTINFO hit{};
        hit.pt = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (TreeView_HitTest(Hwnd(), &hit) && (hit.flags & (TVHT_ONITEMRIGHT | TVHT_ONITEMINDENT)))
            TreeView_SelectItem(Hwnd(), hit.hItem);
    }
    return DefaultHandling(msg, wp, lp);
}
