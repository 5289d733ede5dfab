// Report option page with a period.
#include "pages/PeriodBaseDlg.h"

#include "common/ReportSettings.h"
#include "plugin/PluginState.h"
#include "plugin/QV2Api.h"

#include "QV2ResVReportIds.h"
#include "TDateTime.h"
#include "wqv2_data.h"
#include "fw/Resources.h"

CPeriodBaseDlg::CPeriodBaseDlg(const wchar_t* settingsPrefix, const wchar_t* startWord, const wchar_t* endWord,
                               UINT templateId)
    : CBaseDlg(templateId, settingsPrefix), PeriodStart(), PeriodEnd(),
      m_startKey(SettingsPrefix() + startWord), m_endKey(SettingsPrefix() + endWord)
{
}

bool CPeriodBaseDlg::OnInit()
{
    CBaseDlg::OnInit();
    PeriodCtrl.Attach(Item(IDC_REPORT_PERIOD));
    HWND button = Item(IDC_REPORT_PERIOD_BUTTON);
    if (!button)
        return true;
    m_periodIcon = static_cast<HICON>(
        LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(IDI_REPORT_PERIOD), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (m_periodIcon)
        SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_periodIcon));
    return true;
}

bool CPeriodBaseDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_REPORT_PERIOD_BUTTON && code == BN_CLICKED) {
        OnPeriodButton();
        return true;
    }
    return CBaseDlg::OnCommand(id, code, control);
}

INT_PTR CPeriodBaseDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        PeriodCtrl.Detach();
        if (m_periodIcon)
            DestroyIcon(m_periodIcon);
        m_periodIcon = nullptr;
    }
    return CBaseDlg::HandleMessage(msg, wp, lp);
}

void CPeriodBaseDlg::StoreControls()
{
    CBaseDlg::StoreControls();
    PeriodStart = PeriodCtrl.GetDate(0, PeriodStart);
    PeriodEnd = PeriodCtrl.GetDate(1, PeriodEnd);
}

void CPeriodBaseDlg::LoadControls()
{
    CBaseDlg::LoadControls();
    PeriodCtrl.SetDate(0, PeriodStart);
    PeriodCtrl.SetDate(1, PeriodEnd);
}

void CPeriodBaseDlg::LoadOwnSettings()
{
    LoadPeriod();
    LoadSwitches();
}

void CPeriodBaseDlg::ApplyOwnSettings()
{
    ApplyPeriod();
    ApplySwitches();
}

void CPeriodBaseDlg::LoadPeriod()
{
    PeriodStart = GetDateSetting(m_startKey.c_str(), PeriodStart);
    PeriodEnd = GetDateSetting(m_endKey.c_str(), PeriodEnd);
}

void CPeriodBaseDlg::ApplyPeriod()
{
    SetDateSetting(m_startKey.c_str(), PeriodStart);
    SetDateSetting(m_endKey.c_str(), PeriodEnd);
}

void CPeriodBaseDlg::SetYearPeriod()
{
    const TDate today;
    PeriodStart = TDate::FromYMD(1, today.GetYear(), 1);
    PeriodEnd = TDate::FromYMD(12, today.GetYear(), 31);
}

void CPeriodBaseDlg::OnPeriodButton()
{
    HMENU menu = LoadMenuW(fw::ResourceModule(), MAKEINTRESOURCEW(IDR_MENU_REPORT_PERIOD));
    if (!menu)
        return;
    RECT button{};
    GetWindowRect(Item(IDC_REPORT_PERIOD_BUTTON), &button);
    const UINT command = static_cast<UINT>(TrackPopupMenu(GetSubMenu(menu, 0), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                                          button.right, button.top, 0, Hwnd(), nullptr));
    DestroyMenu(menu);
    if (command != 0)
        ApplyPeriodCommand(command);
}

bool CPeriodBaseDlg::ApplyPeriodCommand(UINT command)
{
    const TDate today;
    TDate start = today;
    TDate end = today;
    switch (command) {
    case IDM_PERIOD_PROJECT: {
        wqv2_data::CData* root = GetDataRoot();
        if (!root || !root->ProjectSettings)
            return false;
        start = root->ProjectSettings->DateStart;
        end = root->ProjectSettings->DateEnd;
        break;
    }
    case IDM_PERIOD_VIEW: {
        TDateTime from;
        TDateTime to;
        if (gQV2API.Command) {
            SendMessageArgs args{WM_MAINWND_VIEWPERIOD, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to)};
            if (gQV2API.Command(L"SendMessageToMainWnd", &args) == 0)
                from = to = TDateTime();
        }
        start = from.date;
        end = to.date;
        // A period that ends at midnight ends with the day before.
        if (to.time.minutes == 0 && !to.time.empty)
            --end;
        break;
    }
    case IDM_PERIOD_MONTH:
        start = TDate::FromYMD(today.GetMonth(), today.GetYear(), 1);
        end = TDate::LastDayOfMonth(today.GetYear(), today.GetMonth());
        break;
    case IDM_PERIOD_YEAR:
        start = TDate::FromYMD(1, today.GetYear(), 1);
        end = TDate::FromYMD(12, today.GetYear(), 31);
        break;
    case IDM_PERIOD_TODAY:
        break;
    default:
        return false;
    }
    StoreControls();
    PeriodStart = start;
    PeriodEnd = end;
    LoadControls();
    return true;
}
