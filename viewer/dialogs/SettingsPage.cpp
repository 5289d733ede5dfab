// The page messages of the viewer's own pages.
#include "SettingsPage.h"

#include "QV2PluginInterface.h"
#include "fw/Window.h"

INT_PTR CSettingsPage::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAGE_LOAD:
        Load();
        break;
    case WM_PAGE_APPLY:
        Apply();
        break;
    case WM_PAGE_VALIDATE:
        if (!Validate() && wp)
            *reinterpret_cast<bool*>(wp) = false;
        break;
    default:
        return fw::CDialog::HandleMessage(msg, wp, lp);
    }
    SetWindowLongPtrW(Hwnd(), DWLP_MSGRESULT, 1);
    return TRUE;
}

std::wstring CSettingsPage::ItemText(int id) const
{
    return fw::WindowText(Item(id));
}
