// The single-setting dialog.
#include "SettingDlg.h"

#include "QV2ResVIds.h"
#include "Settings.h"
#include "fw/MessageBox.h"
#include "fw/Window.h"

#include <cstring>

bool CopyTextToClipboard(HWND owner, const std::wstring& text)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool placed = false;
    if (memory) {
        if (void* target = GlobalLock(memory)) {
            std::memcpy(target, text.c_str(), bytes);
            GlobalUnlock(memory);
            // The clipboard owns the memory once it took it.
            placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!placed)
            GlobalFree(memory);
    }
    CloseClipboard();
    return placed;
}

CSettingDlg::CSettingDlg() : fw::CDialog(IDD_SETTING)
{
}

bool CSettingDlg::OnInit()
{
    SetDlgItemTextW(Hwnd(), IDC_SETTING_NAME, key.c_str());
    SetDlgItemTextW(Hwnd(), IDC_SETTING_VALUE, value.c_str());
    return true;
}

void CSettingDlg::ReadControls()
{
    key = fw::WindowText(Item(IDC_SETTING_NAME));
    value = fw::WindowText(Item(IDC_SETTING_VALUE));
}

bool CSettingDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_SETTING_SHOW) {
        ShowCurrentValue();
        return true;
    }
    return fw::CDialog::OnCommand(id, code, control);
}

void CSettingDlg::ShowCurrentValue()
{
    ReadControls();
    if (key.empty())
        return;
    const std::wstring current = GetSetting(key);
    // The value is shown even when the clipboard is busy.
    CopyTextToClipboard(Hwnd(), current);
    fw::ShowMessage(Hwnd(), current, MB_OK | MB_ICONINFORMATION);
}

void CSettingDlg::OnOk()
{
    ReadControls();
    End(IDOK);
}
