#pragma once
// The main frame's dialog runners: each fills its dialog from the project or the settings, runs
// it and, after OK, writes the values back (project settings inside an unnamed transaction of
// the data root, which leaves no undo record).

#include "wqv2_data.h"

#include <windows.h>

#include <functional>

// Sends a view message to the board window through the host command "SendMessageToMainWnd",
// so that plug-ins see it first; the answer, 0 without a board.
int SendViewMessage(UINT message, WPARAM wp, LPARAM lp);

// Begins an unnamed transaction, marks the project settings modified, applies `change` and
// commits; false, with nothing applied, when the begin or the mark fails.
bool ChangeProjectSettings(const std::function<void(wqv2_data::CProjectSettings& settings)>& change);

// The calendar dialog for one calendar (host command "ShowCalendar"), owned by `owner` or else
// the main window; true when it was shown, false for null or when it could not be made.
bool ShowCalendarDlg(wqv2_data::CCalendar* calendar, HWND owner = nullptr);
void ShowCalendarsDlg();
void ShowHolidaysDlg();
// The filters dialog; afterwards a current filter that is gone is replaced.
void ShowFiltersDlg();
// The freeze dialog with `count`; after OK the count goes to the project settings.
void ShowFreezeDlg(int count);
// Command 32926 (off) and 32927 (toggle) of the frozen resources.
void UnfreezeResources();
void ToggleFreezeResources();
int FreezeCount();
void ShowGotoDateDlg();
void ShowScheduleFormatDlg();
void ShowTimeBarDlg();
// The single-setting dialog; after OK the setting is stored and the plug-ins are told.
void ShowSettingDlg();
