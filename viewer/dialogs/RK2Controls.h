#pragma once
// Thin typed wrappers over the windows of the controls library that the viewer's dialogs place
// through their templates, and the exchange helpers that move a dialog's values into such a
// window (load) and back (save). A wrapper borrows the window from its dialog: it keeps no state
// of its own and only sends the control's messages.

#include "RKComControls2.h"
#include "TDate.h"
#include "TTime.h"

#include <windows.h>

#include <string>

// One control of the controls library inside a dialog.
class CRK2Ctrl {
public:
    CRK2Ctrl() = default;
    CRK2Ctrl(const CRK2Ctrl&) = delete;
    CRK2Ctrl& operator=(const CRK2Ctrl&) = delete;
    // Destroys the control when it is still the dialog's item (a dialog that ended took its
    // controls with it, and a handle may have been reused since).
    virtual ~CRK2Ctrl();

    // Binds the wrapper to item `id` of `dialog`; false when the dialog has no such item.
    bool Attach(HWND dialog, int id);
    HWND Hwnd() const { return m_hwnd; }
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;

private:
    HWND m_hwnd = nullptr;
    HWND m_dialog = nullptr;
    int m_id = 0;
};

class CRK2ColorPickerCtrl : public CRK2Ctrl {
public:
    COLORREF GetColor() const { return static_cast<COLORREF>(Send(RKCC2M_COLORPICKER_GETCOLOR)); }
    void SetColor(COLORREF colour) const { Send(RKCC2M_COLORPICKER_SETCOLOR, 0, static_cast<LPARAM>(colour)); }
};

class CRK2CalendarCtrl : public CRK2Ctrl {
public:
    void Update() const { Send(RKCC2M_CALENDAR_UPDATE); }
    void SetDate(TDate day) const { Send(RKCC2M_CALENDAR_SETDATE, 0, static_cast<LPARAM>(static_cast<uint32_t>(day))); }
    TDate GetDate() const { return TDate(static_cast<uint32_t>(Send(RKCC2M_CALENDAR_GETDATE))); }
    CalendarSelection GetSelection() const;
    void SetDayCallback(CalendarDayFn fn, void* context) const;
};

class CRK2FontComboBoxCtrl : public CRK2Ctrl {
public:
    // The inner combo box, driven with the standard CB_ messages.
    HWND GetInnerCtrl() const { return reinterpret_cast<HWND>(Send(RKCC2M_FONTCOMBO_GETINNERCTRL)); }
};

class CRK2CheckListBoxCtrl : public CRK2Ctrl {
public:
    HWND GetInnerCtrl() const { return reinterpret_cast<HWND>(Send(RKCC2M_CHECKLISTBOX_GETINNERCTRL)); }
    // The new item's index, or LB_ERR.
    int AddString(const std::wstring& text, bool checked) const;
    int GetCount() const;
    bool GetCheck(int index) const { return Send(RKCC2M_CHECKLISTBOX_GETCHECK, static_cast<WPARAM>(index)) == 1; }
    void SetCheck(int index, bool on) const { Send(RKCC2M_CHECKLISTBOX_SETCHECK, static_cast<WPARAM>(index), on); }
    LPARAM GetItemData(int index) const;
    void SetItemData(int index, LPARAM data) const;
    // Items whose check state is not 0.
    int GetCheckedCount() const;
};

class CRK2SortListBoxCtrl : public CRK2Ctrl {
public:
    HWND GetInnerCtrl() const { return reinterpret_cast<HWND>(Send(RKCC2M_SORTLISTBOX_GETINNERCTRL)); }
    int AddString(const std::wstring& text) const;
    void SetCaption(const std::wstring& text) const;
};

class CRK2CheckGroupCtrl : public CRK2Ctrl {
public:
    int AddItem(const std::wstring& text) const;
    // The item's check state, -1 for an index outside the items.
    int GetCheck(int index) const { return static_cast<int>(Send(RKCC2M_CHECKGROUP_GETCHECK, static_cast<WPARAM>(index))); }
    void SetCheck(int index, int value) const { Send(RKCC2M_CHECKGROUP_SETCHECK, static_cast<WPARAM>(index), value); }
};

class CRK2LongEditCtrl : public CRK2Ctrl {
public:
    void SetValue(int value) const;
    // The value after the edit applied its limits.
    int GetValue() const;
    void SetMax(int value) const;
    void SetMin(int value) const;
    void SetStartValue(int value) const;
    // The value as typed, without committing it.
    int GetRawValue() const;
    bool IsEmpty() const { return Send(RKCC2M_LONGEDIT_ISEMPTY) == 1; }
    // The standard edit the user types into: child 1 of the control's frame, its child 100.
    HWND GetInnerEdit() const { return FrameChild(1); }
    // The up/down button beside it: child 2 of the frame.
    HWND GetSpinButton() const { return FrameChild(2); }

private:
    HWND FrameChild(int id) const;
};

class CRK2DoubleEditCtrl : public CRK2Ctrl {
public:
    void SetValue(double value) const;
    double GetValue() const;
    void SetMin(double value) const;
    void SetStep(double value) const;
    // The value that steps and commits of an empty text start from.
    void SetStartValue(double value) const;
};

// Side 0 is the start, side 1 the end of a period.
class CRK2TimePeriodCtrl : public CRK2Ctrl {
public:
    // The caption of one side; a and b are the label record's alignment and extra width.
    bool SetLabel(int side, const std::wstring& text, int a, int b) const;
};

class CRK2DatePeriodCtrl : public CRK2Ctrl {
public:
    bool SetLabel(int side, const std::wstring& text, int a, int b) const;
};

// Exchange helpers: save = control to value, load = value to control.
// The face name of the inner combo's selection (unchanged when none); load selects the item of
// that very name (letter case aside) and leaves no selection when none has it, so a face that
// is not installed is never shown as another one.
void DdxFontCombo(HWND dialog, int id, std::wstring& face, bool save);
// One side of a time period: an empty time travels as -1.
void DdxTimePeriod(HWND dialog, int id, int side, TTime& time, bool save);
// One side of a date period as a day number.
void DdxDatePeriod(HWND dialog, int id, int side, TDate& date, bool save);
void DdxLongEdit(HWND dialog, int id, int& value, bool save);
void DdxDoubleEdit(HWND dialog, int id, double& value, bool save);
void DdxColorPicker(HWND dialog, int id, COLORREF& colour, bool save);
