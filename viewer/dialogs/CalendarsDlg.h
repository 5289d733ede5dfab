#pragma once
// CCalendarsDlg: the project's calendars in position order (modal); one of them opens in the
// calendar dialog through the viewer core's runner.

#include "fw/Dialog.h"

class CCalendarsDlg : public fw::CDialog {
public:
    CCalendarsDlg();

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // Enter: the template has no default button, so Enter is IDOK; it opens the selected
    // calendar as a double click does, and the dialog stays.
    void OnOk() override { OpenSelected(); }

private:
    void UpdateButtons();
    void OpenSelected();
};
