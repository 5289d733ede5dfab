#pragma once
// The viewer's dialogs that this build does not have yet, with the members their callers fill
// before a run and read back after OK. Running one tells the user the dialog is not available
// and answers IDCANCEL, so every caller takes its cancel path; the real dialogs replace these
// declarations one by one. The runner can be replaced: tests stand in for the user there.

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

// What the viewer runs with: folders, system and loaded modules.
class CInfoDlg : public CPendingDialog {
public:
    CInfoDlg() : CPendingDialog(L"CInfoDlg") {}
};

class CHolidaysDlg : public CPendingDialog {
public:
    CHolidaysDlg() : CPendingDialog(L"CHolidaysDlg") {}
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
