#pragma once
// CSettingsFilesDlg: the view-settings page of what happens at start-up ("FileOpenLast",
// "StartupScrollToday").

#include "SettingsPage.h"

class CSettingsFilesDlg : public CSettingsPage {
public:
    CSettingsFilesDlg();

    // The values as last loaded or applied.
    bool openLast = true;
    bool scrollToday = true;

protected:
    void Load() override;
    void Apply() override;
};
