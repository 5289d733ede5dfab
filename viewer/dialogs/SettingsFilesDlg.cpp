// The start-up page of the view settings.
#include "SettingsFilesDlg.h"

#include "QV2ResVIds.h"
#include "Settings.h"

CSettingsFilesDlg::CSettingsFilesDlg() : CSettingsPage(IDD_PAGE_FILES)
{
}

void CSettingsFilesDlg::Load()
{
    openLast = GetBoolSetting(L"FileOpenLast", true);
    scrollToday = GetBoolSetting(L"StartupScrollToday", true);
    SetChecked(IDC_FILES_OPEN_LAST, openLast);
    SetChecked(IDC_FILES_SCROLL_TODAY, scrollToday);
}

void CSettingsFilesDlg::Apply()
{
    openLast = IsChecked(IDC_FILES_OPEN_LAST);
    scrollToday = IsChecked(IDC_FILES_SCROLL_TODAY);
    SetBoolSetting(L"FileOpenLast", openLast);
    SetBoolSetting(L"StartupScrollToday", scrollToday);
}
