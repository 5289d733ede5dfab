#pragma once
// CRScheduleStandardDlg: the option page of the schedule chart (template 30789): title,
// printer orientation, the period choice with fixed dates, the printer's width and height
// scales and label-column width (centimetres or inches by the user's locale), the HTML
// label-column width, and two switches in the options tree. Only the size group of the chosen
// output shows; the HTML group takes the printer group's place.

#include "pages/NumberEditCtrls.h"
#include "pages/PeriodBaseDlg.h"

class CRScheduleStandardDlg : public CPeriodBaseDlg {
public:
    CRScheduleStandardDlg();

    // Hundredths of a centimetre (the stored form) and the page's number in the user's unit.
    static double FromStored(int hundredths, bool metric);
    static int ToStored(double value, bool metric);

    int PeriodKind = 1;               // 0 view period, 1 current view, 2 fixed dates; the
                                      // fixed period is PeriodStart to PeriodEnd
    int ScaleWidth = 100;             // percent
    int ScaleHeight = 100;
    double NameColumnWidth = 4.0;     // printed label column, centimetres or inches
    int HtmlNameColumnWidth = 150;    // pixels
    bool SkipEmpty = false;
    bool FullPage = false;
    bool Metric = true;               // the user's locale measures in centimetres

protected:
    void SetDefaults() override;
    // The options for the output, and its size group.
    void AddOptions(int kind) override;
    void StoreControls() override;
    void LoadControls() override;
    // Accepts every input.
    int OnPageValidate(WPARAM wp, LPARAM lp) override;
    void LoadOwnSettings() override;
    void ApplyOwnSettings() override;

    bool OnInit() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // Enables the dates for a fixed period and shows the size group of the output.
    void ShowGroups(int outputKind);
    // Writes the four current-view keys from the period the board shows; without an answer the
    // stored period stays as it is.
    void StoreCurrentViewPeriod();

    CRK2LongEditCtrl m_scaleWidth;
    CRK2LongEditCtrl m_scaleHeight;
    CRK2DoubleEditCtrl m_nameWidth;
    CRK2LongEditCtrl m_htmlNameWidth;
};
