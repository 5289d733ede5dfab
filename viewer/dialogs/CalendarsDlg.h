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

private:
    void UpdateButtons();
    void OpenSelected();
};
