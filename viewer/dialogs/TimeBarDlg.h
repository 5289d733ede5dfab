#pragma once
// CTimeBarDlg: the period and daily hours the board shows, its time scale and its visible
// weekdays (modal). The viewer core's runner fills the public fields from the project settings
// and writes them back after OK.

#include "RK2Controls.h"
#include "ScalePresets.h"
#include "fw/Dialog.h"

#include <vector>

class CTimeBarDlg : public fw::CDialog {
public:
    CTimeBarDlg();

    TDate dateStart;          // first shown day; today at construction
    TDate dateEnd;            // last shown day
    int timeStart = 0;        // daily hours in minutes 0-1439; the time of day at construction
    int timeEnd = 0;
    int scaleUnit = 3;        // the project's scale pair
    int scaleCount = 1;
    bool visibleWeekdays[7] = {true, true, true, true, true, true, true}; // Monday first
    int presetIndex = 0;      // the chosen entry of the scale combo

    // The weekday shown at display position `position` (setting `ViewFirstDayOfWeek`).
    static int WeekdayAt(int position);

protected:
    bool OnInit() override;
    void OnOk() override;

private:
    CRK2DatePeriodCtrl m_dates;
    CRK2TimePeriodCtrl m_times;
    CRK2CheckGroupCtrl m_weekdays;
    std::vector<TimeScalePreset> m_presets; // the combo's entries, in combo order
};
