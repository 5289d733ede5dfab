#pragma once
// The viewer's dialogs that this build does not have yet, with the members their callers fill
// before a run and read back after OK. Running one tells the user the dialog is not available
// and answers IDCANCEL, so every caller takes its cancel path; the real dialogs replace these
// declarations one by one. The runner can be replaced: tests stand in for the user there.

#include "fw/CommandState.h"
#include "wqv2_data.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CPendingDialog {
public:
    explicit CPendingDialog(const wchar_t* name) : m_name(name) {}
    virtual ~CPendingDialog() = default;
    CPendingDialog(const CPendingDialog&) = delete;
    CPendingDialog& operator=(const CPendingDialog&) = delete;

    // IDOK or IDCANCEL, as the runner answers.
    INT_PTR RunModal(HWND owner);
    const wchar_t* Name() const { return m_name; }

private:
    const wchar_t* m_name; // the class name, a literal
};

// Answers a pending dialog; the default shows message 19990 and answers IDCANCEL.
using PendingDialogRunner = std::function<INT_PTR(CPendingDialog& dialog, HWND owner)>;
// Replaces the runner (empty restores the default); returns the previous one.
PendingDialogRunner SetPendingDialogRunner(PendingDialogRunner runner);

// One setting: after OK its key is set to its value.
class CSettingDlg : public CPendingDialog {
public:
    CSettingDlg() : CPendingDialog(L"CSettingDlg") {}
    std::wstring key;
    std::wstring value;
};

class CHolidaysDlg : public CPendingDialog {
public:
    CHolidaysDlg() : CPendingDialog(L"CHolidaysDlg") {}
};

class CCalendarsDlg : public CPendingDialog {
public:
    CCalendarsDlg() : CPendingDialog(L"CCalendarsDlg") {}
};

// One calendar: its name, its eight working-time lists (Monday to Sunday, then the holiday
// list; minute pairs) and its holiday rule.
class CCalendarDlg : public CPendingDialog {
public:
    explicit CCalendarDlg(wqv2_data::CCalendar* shown) : CPendingDialog(L"CCalendarDlg"), calendar(shown) {}
    wqv2_data::CCalendar* calendar; // not owned
    std::wstring name;
    std::vector<int> workingTimes[8];
    int holidayRule = 2;
};

class CFiltersDlg : public CPendingDialog {
public:
    CFiltersDlg() : CPendingDialog(L"CFiltersDlg") {}
};

// One filter (null: a new one): the resources it excludes and its five texts.
class CFilterDlg : public CPendingDialog {
public:
    explicit CFilterDlg(wqv2_data::CFilter* edited) : CPendingDialog(L"CFilterDlg"), filter(edited) {}
    wqv2_data::CFilter* filter; // not owned; null for a new filter
    std::vector<wqv2_data::CResource*> excludedResources;
    std::wstring name;
    std::wstring resourceName;
    std::wstring resourceNote;
    std::wstring taskName;
    std::wstring taskNote;
};

// The shown period, daily range (minutes 0-1439), scale and visible weekdays (Monday first).
class CTimeBarDlg : public CPendingDialog {
public:
    CTimeBarDlg() : CPendingDialog(L"CTimeBarDlg") {}
    TDate dateStart = 0u;
    TDate dateEnd = 0u;
    int timeStart = 0;
    int timeEnd = 0;
    int scaleUnit = 3;
    int scaleCount = 1;
    bool visibleWeekdays[7] = {true, true, true, true, true, true, true};
};

class CScheduleFormatDlg : public CPendingDialog {
public:
    CScheduleFormatDlg() : CPendingDialog(L"CScheduleFormatDlg") {}
    wqv2_data::Color weekdayColors[7] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    wqv2_data::Color holidayColor = 0xFFFFFF;
    wqv2_data::Color nonWorkingTimeColor = 0xFFFFFF;
    int taskTextOrientation = 0;
    bool gridlinesVertical = true;
};

// The number of frozen resources (not negative).
class CFreezeDlg : public CPendingDialog {
public:
    CFreezeDlg() : CPendingDialog(L"CFreezeDlg") {}
    int count = 0;
};

class CDateSelectorDlg : public CPendingDialog {
public:
    explicit CDateSelectorDlg(TDate shown) : CPendingDialog(L"CDateSelectorDlg"), day(shown) {}
    TDate day;
};

// The time-scale presets of the main menu (commands 750 to 775): the update of the menu's
// placeholder item 750 and the command. Until they exist the placeholder stays greyed and the
// commands do nothing.
void UpdateScaleMenu(fw::CCommandState& state);
void ApplyScaleCommand(UINT id);
