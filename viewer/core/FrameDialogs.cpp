// Dialog runners of the main frame.
#include "FrameDialogs.h"

#include "CalendarDlg.h"
#include "CalendarsDlg.h"
#include "CurrentFilter.h"
#include "DateSelectorDlg.h"
#include "FiltersDlg.h"
#include "FreezeDlg.h"
#include "HolidaysDlg.h"
#include "HostApi.h"
#include "MainApp.h"
#include "MainFrame.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "ScheduleFormatDlg.h"
#include "SettingDlg.h"
#include "Settings.h"
#include "TDateTime.h"
#include "TimeBarDlg.h"
#include "fw/MessageBox.h"

#include <cstdlib>

namespace {

HWND MainWindow()
{
    return gApp && gApp->Frame() ? gApp->Frame()->Hwnd() : nullptr;
}

int DayMinutes(int minutes)
{
    return ((minutes % 1440) + 1440) % 1440;
}

wqv2_data::CProjectSettings* ProjectSettings()
{
    return gData ? gData->ProjectSettings : nullptr;
}

// The date the board shows, when it answers.
bool AskViewDate(TDateTime& date)
{
    return SendViewMessage(WM_MAINWND_VIEWDATE, 0, reinterpret_cast<LPARAM>(&date)) == 1;
}

void SettingsChanged(int kind)
{
    if (gApp && gApp->Frame())
        gApp->Frame()->RefreshZoomBox();
    if (gPlugins)
        gPlugins->BroadcastOnSettingsChanged(kind);
}

} // namespace

int SendViewMessage(UINT message, WPARAM wp, LPARAM lp)
{
    SendMessageArgs args{message, wp, lp};
    return QV2A_Command(L"SendMessageToMainWnd", &args);
}

bool ChangeProjectSettings(const std::function<void(wqv2_data::CProjectSettings& settings)>& change)
{
    wqv2_data::CProjectSettings* settings = ProjectSettings();
    if (!settings || gData->BeginTransaction(L"") != wqv2_data::kOk)
        return false;
    if (settings->MarkModified() != wqv2_data::kOk) {
        gData->Rollback();
        return false;
    }
    change(*settings);
    return gData->Commit() == wqv2_data::kOk;
}

bool ShowCalendarDlg(wqv2_data::CCalendar* calendar, HWND owner)
{
    if (!calendar)
        return false;
    CCalendarDlg dialog(calendar);
    dialog.name = calendar->Name ? calendar->Name : L"";
    for (int list = 0; list < 8; ++list)
        SetWorkingTimePeriods(dialog.workingTimes[list], calendar->WeekdayWorkingTimes[list],
                              calendar->WeekdayWorkingTimeCounts[list]);
    dialog.holidayRule = calendar->HolidayRule;
    // -1: the dialog could not be made, so nothing was shown.
    return dialog.RunModal(owner ? owner : MainWindow()) != -1;
}

void ShowCalendarsDlg()
{
    CCalendarsDlg dialog;
    dialog.RunModal(MainWindow());
}

void ShowHolidaysDlg()
{
    CHolidaysDlg dialog;
    dialog.RunModal(MainWindow());
}

void ShowFiltersDlg()
{
    CFiltersDlg dialog;
    dialog.RunModal(MainWindow());
    if (!GetValidCurrentFilter())
        ResetCurrentFilter();
}

int FreezeCount()
{
    wqv2_data::CProjectSettings* settings = ProjectSettings();
    return settings ? settings->FreezeResources : 0;
}

void ShowFreezeDlg(int count)
{
    CFreezeDlg dialog;
    dialog.count = count;
    if (dialog.RunModal(MainWindow()) != IDOK)
        return;
    ChangeProjectSettings([&](wqv2_data::CProjectSettings& settings) { settings.FreezeResources = dialog.count; });
}

void UnfreezeResources()
{
    // Negated, not cleared: switching freezing on again brings the count back.
    if (FreezeCount() > 0)
        ChangeProjectSettings([](wqv2_data::CProjectSettings& settings) {
            settings.FreezeResources = -settings.FreezeResources;
        });
}

void ToggleFreezeResources()
{
    if (FreezeCount() == 0) {
        ShowFreezeDlg(0);
        return;
    }
    ChangeProjectSettings([](wqv2_data::CProjectSettings& settings) {
        settings.FreezeResources = -settings.FreezeResources;
    });
}

void ShowGotoDateDlg()
{
    TDateTime viewDate(TDate(TDate::kEmpty), 0, true);
    const TDate start = AskViewDate(viewDate) ? viewDate.date : TDate();
    CDateSelectorDlg dialog(start);
    if (dialog.RunModal(MainWindow()) != IDOK)
        return;
    TDateTime target(dialog.day, 0, false);
    SendViewMessage(WM_MAINWND_VIEWDATE, 1, reinterpret_cast<LPARAM>(&target));
    wqv2_data::CProjectSettings* settings = ProjectSettings();
    if (settings && GetBoolSetting(L"DlgGotoDateWarningOutOfRange", true) &&
        (static_cast<uint32_t>(dialog.day) < static_cast<uint32_t>(settings->DateStart) ||
         static_cast<uint32_t>(dialog.day) > static_cast<uint32_t>(settings->DateEnd)))
        fw::ShowMessageId(MainWindow(), IDS_MSG_DATE_OUT_OF_RANGE, MB_OK | MB_ICONINFORMATION);
}

void ShowScheduleFormatDlg()
{
    wqv2_data::CProjectSettings* settings = ProjectSettings();
    if (!settings)
        return;
    CScheduleFormatDlg dialog;
    for (int day = 0; day < 7; ++day)
        dialog.weekdayColors[day] = settings->WeekdayColors[day];
    dialog.holidayColor = settings->Holidays;
    dialog.nonWorkingTimeColor = settings->NonWorkingTime;
    dialog.taskTextOrientation = settings->TaskTextOrientation;
    dialog.gridlinesVertical = settings->GridlinesVertical;
    if (dialog.RunModal(MainWindow()) != IDOK)
        return;
    ChangeProjectSettings([&](wqv2_data::CProjectSettings& s) {
        for (int day = 0; day < 7; ++day)
            s.WeekdayColors[day] = dialog.weekdayColors[day];
        s.Holidays = dialog.holidayColor;
        s.NonWorkingTime = dialog.nonWorkingTimeColor;
        s.TaskTextOrientation = dialog.taskTextOrientation;
        s.GridlinesVertical = dialog.gridlinesVertical;
    });
}

void ShowTimeBarDlg()
{
    wqv2_data::CProjectSettings* settings = ProjectSettings();
    if (!settings)
        return;
    TDateTime viewDate(TDate(TDate::kEmpty), 0, true);
    const bool dateKnown = AskViewDate(viewDate) && viewDate.date.IsReal();
    CTimeBarDlg dialog;
    dialog.dateStart = settings->DateStart;
    dialog.dateEnd = settings->DateEnd;
    dialog.timeStart = DayMinutes(settings->TimeStart);
    dialog.timeEnd = DayMinutes(settings->TimeEnd);
    dialog.scaleUnit = settings->Scale[wqv2_data::kScaleUnit];
    dialog.scaleCount = settings->Scale[wqv2_data::kScaleCount];
    for (int day = 0; day < 7; ++day)
        dialog.visibleWeekdays[day] = settings->VisibleWeekdays[day];
    if (dialog.RunModal(MainWindow()) != IDOK)
        return;
    ChangeProjectSettings([&](wqv2_data::CProjectSettings& s) {
        const bool scaleChanged = s.Scale[wqv2_data::kScaleUnit] != dialog.scaleUnit ||
                                  s.Scale[wqv2_data::kScaleCount] != dialog.scaleCount;
        s.DateStart = dialog.dateStart;
        s.DateEnd = dialog.dateEnd;
        // Equal times mean the whole day.
        const bool wholeDay = dialog.timeStart == dialog.timeEnd;
        s.TimeStart = wholeDay ? 0 : dialog.timeStart;
        s.TimeEnd = wholeDay ? 0 : dialog.timeEnd;
        s.Scale[wqv2_data::kScaleUnit] = dialog.scaleUnit;
        s.Scale[wqv2_data::kScaleCount] = dialog.scaleCount;
        for (int day = 0; day < 7; ++day)
            s.VisibleWeekdays[day] = dialog.visibleWeekdays[day];
        if (scaleChanged && dateKnown) {
            // Scales in days and longer have no time of day to scroll to.
            TDateTime target = viewDate;
            if (dialog.scaleUnit > 2)
                target.time.SetMinutes(0);
            SendViewMessage(WM_MAINWND_VIEWDATE, 2, reinterpret_cast<LPARAM>(&target));
        }
    });
}

void ShowSettingDlg()
{
    CSettingDlg dialog;
    // Without a name there is nothing to set, and so nothing to tell.
    if (dialog.RunModal(MainWindow()) != IDOK || dialog.key.empty())
        return;
    SetSetting(dialog.key, dialog.value);
    SettingsChanged(0);
}
