#pragma once
// CDateEditWnd: the frame of the date edit and of each end of the date period: typed dates in
// the order of the library's date format (the locale's without one), steps of one day, and a
// drop-down calendar that can also pick a whole month or year for both ends of a period.

#include "edit/EditExCtlTemplate.h"

#include "TDate.h"

namespace rkcc {

class CDateEditWnd : public CEditExCtlTemplate<TDate> {
public:
    CDateEditWnd();

    void ReadValue(TDate& value) const override;
    void WriteValue(const TDate& value) override;
    void Step(TDate& value, bool up) const override;
    void ReplaceInvalid(TDate& value) const override;
    bool IsCharAllowed(wchar_t c) const override;
    void DropDown() override;

    // The message forms shared by the date edit and the date period (day numbers, 1 = empty or
    // no limit). Each answers 1, or -1 for a null pointer or a day number that is no date.
    LRESULT SetDateMsg(const int* date);
    // `committed`: the value a commit would leave (the text is never rewritten); else the raw text.
    LRESULT GetDateMsg(int* date, bool committed);
    LRESULT SetLimitMsg(bool maximum, const int* date);
    LRESULT GetLimitMsg(bool maximum, int* date) const;

    // Where the drop-down opens (screen coordinates); tests move it.
    POINT DropDownOrigin() const;

private:
    wchar_t m_separator;
};

// A day number a date message may pass: the empty date or a day with year, month and day.
bool IsUsableDay(int day);

} // namespace rkcc
