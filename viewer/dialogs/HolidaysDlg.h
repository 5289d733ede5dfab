#pragma once
// CHolidaysDlg: the project's public holidays of one year (modal). The year comes from a
// whole-number edit; the list refills whenever the typed year changes, except to a text without
// a digit or a year outside the edit's limits, which the edit rewrites into a year of its own
// when the focus leaves it (the list follows). A year typed up to 99 is written in full when the
// focus leaves it and before a step of the spin button or the arrow keys. Changes nothing in the
// project; `DlgHolidaysYearLast` is its only trace.

#include "ListCtrlEx.h"
#include "RK2Controls.h"
#include "fw/Dialog.h"
#include "fw/Subclass.h"

class CHolidaysDlg : public fw::CDialog {
public:
    CHolidaysDlg();

    // A typed year as the list uses it: up to 99 means 1900 and more; 0 when the result lies
    // outside the edit's limits, 1800 to 9999.
    static int EffectiveYear(int typed);

    int year;             // the year shown
    int listedYear = -1;  // the year whose holidays the list holds (in full), -1 before the first fill

protected:
    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The year edit's own edit field and its spin button: on leaving the field and before a
    // step (the arrow keys, a press on the button), a year typed up to 99 is written in full,
    // so that the step starts from the year shown and the edit's minimum (1800) does not take
    // its place.
    struct CYearPart : fw::CSubclassedWindow {
        LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
        CHolidaysDlg* dialog = nullptr; // the dialog that holds this part
        bool button = false;            // the spin button, whose press steps; else the field
    };

    void InsertColumns();
    void Fill(int full);
    // The year the edit's text stands for in full; 0 for a text without a digit or a year
    // outside the edit's limits.
    int TypedYear() const;
    void YearChanged();
    // A year typed up to 99 becomes its full year in the edit; any other text stays.
    void WriteTypedYearInFull();
    void SwitchToOwnerDrawing();

    CRK2LongEditCtrl m_year;
    CYearPart m_yearField;
    CYearPart m_yearSpin;
    CListCtrlEx m_list;
    bool m_ready = false; // columns exist: the edit's changes may refill
};
