#pragma once
// CScheduleFormatDlg: the schedule's weekday, holiday and non-working-time colours, the place of
// task texts and the vertical grid lines (modal). The viewer core's runner fills the public
// fields from the project settings and writes them back after OK. The weekday last confirmed
// with OK is remembered for the process and chosen again at the next opening.

#include "RK2Controls.h"
#include "fw/Dialog.h"
#include "wqv2_data.h"

class CScheduleFormatDlg : public fw::CDialog {
public:
    CScheduleFormatDlg();

    wqv2_data::Color weekdayColors[7] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    wqv2_data::Color holidayColor = 0xFFFFFF;
    wqv2_data::Color nonWorkingTimeColor = 0xFFFFFF;
    int taskTextOrientation = 0; // 0 to 5
    bool gridlinesVertical = true;
    int weekdayPosition = 0;     // display position of the weekday in the colour editor

    // Forgets the remembered weekday (tests start from a fresh process state).
    static void ForgetWeekday();

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnOk() override;

private:
    void Exchange(bool save);
    int Weekday() const;

    CRK2ColorPickerCtrl m_weekdayColor;
};
