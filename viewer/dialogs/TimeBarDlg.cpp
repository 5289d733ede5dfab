// The time bar dialog.
#include "TimeBarDlg.h"

#include "WorkingTimeText.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "fw/MessageBox.h"
#include "fw/Resources.h"

CTimeBarDlg::CTimeBarDlg() : fw::CDialog(IDD_TIMEBAR)
{
    const TTime now;
    timeStart = now.minutes;
    timeEnd = now.minutes;
}

int CTimeBarDlg::WeekdayAt(int position)
{
    return (((position % 7) + 7 + GetFirstDayOfWeek()) % 7);
}

bool CTimeBarDlg::OnInit()
{
    m_dates.Attach(Hwnd(), IDC_TIMEBAR_DATES);
    m_times.Attach(Hwnd(), IDC_TIMEBAR_TIMES);
    m_weekdays.Attach(Hwnd(), IDC_TIMEBAR_WEEKDAYS);
    m_dates.SetLabel(0, fw::LoadResString(IDS_TIMEBAR_DATE_FROM), 0, 12);
    m_dates.SetLabel(1, fw::LoadResString(IDS_TIMEBAR_DATE_TO), 0, 12);
    m_times.SetLabel(0, fw::LoadResString(IDS_TIMEBAR_TIME_FROM), 0, 12);
    m_times.SetLabel(1, fw::LoadResString(IDS_TIMEBAR_TIME_TO), 0, 12);

    for (int position = 0; position < 7; ++position) {
        const int weekday = WeekdayAt(position);
        const int index = m_weekdays.AddItem(GetLocaleDayName(weekday, true).substr(0, 2));
        m_weekdays.SetCheck(index, visibleWeekdays[weekday] ? 1 : 0);
    }

    HWND combo = Item(IDC_TIMEBAR_SCALE);
    m_presets = GetTimeScalePresets();
    // Days when the project's scale is none of the presets.
    presetIndex = static_cast<int>(m_presets.size()) - 3;
    for (size_t i = 0; i < m_presets.size(); ++i) {
        const LRESULT item = SendMessageW(combo, CB_ADDSTRING, 0,
                                          reinterpret_cast<LPARAM>(fw::LoadResString(m_presets[i].textId).c_str()));
        SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(i));
    }
    for (size_t i = 0; i < m_presets.size(); ++i) {
        if (m_presets[i].unit == scaleUnit && m_presets[i].count == scaleCount) {
            presetIndex = static_cast<int>(i);
            break;
        }
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(presetIndex), 0);

    DdxDatePeriod(Hwnd(), IDC_TIMEBAR_DATES, 0, dateStart, false);
    DdxDatePeriod(Hwnd(), IDC_TIMEBAR_DATES, 1, dateEnd, false);
    TTime start(timeStart);
    TTime end(timeEnd);
    DdxTimePeriod(Hwnd(), IDC_TIMEBAR_TIMES, 0, start, false);
    DdxTimePeriod(Hwnd(), IDC_TIMEBAR_TIMES, 1, end, false);
    return true;
}

void CTimeBarDlg::OnOk()
{
    DdxDatePeriod(Hwnd(), IDC_TIMEBAR_DATES, 0, dateStart, true);
    DdxDatePeriod(Hwnd(), IDC_TIMEBAR_DATES, 1, dateEnd, true);
    TTime start(timeStart);
    TTime end(timeEnd);
    DdxTimePeriod(Hwnd(), IDC_TIMEBAR_TIMES, 0, start, true);
    DdxTimePeriod(Hwnd(), IDC_TIMEBAR_TIMES, 1, end, true);
    timeStart = start.minutes;
    timeEnd = end.minutes;

    presetIndex = static_cast<int>(SendMessageW(Item(IDC_TIMEBAR_SCALE), CB_GETCURSEL, 0, 0));
    if (presetIndex < 0 || presetIndex >= static_cast<int>(m_presets.size()))
        presetIndex = 0;
    if (!m_presets.empty()) {
        scaleUnit = m_presets[static_cast<size_t>(presetIndex)].unit;
        scaleCount = m_presets[static_cast<size_t>(presetIndex)].count;
    }

    bool any = false;
    for (int position = 0; position < 7; ++position) {
        const bool on = m_weekdays.GetCheck(position) > 0;
        visibleWeekdays[WeekdayAt(position)] = on;
        any = any || on;
    }
    if (!any) {
        fw::ShowMessageId(Hwnd(), IDS_MSG_NO_WEEKDAY, MB_OK | MB_ICONERROR);
        SetFocus(m_weekdays.Hwnd());
        return;
    }
    End(IDOK);
}
