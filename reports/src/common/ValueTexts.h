#pragma once
// CValueTexts: the value texts of one report run's rows: dates with or without the weekday,
// date-times, durations, costs and working times, each equal to the text of the function named
// beside it, with what they depend on read once when the run starts (CValueFormats, strings
// 40020 and 13026 to 13030, the weekday names) and made in a buffer used again. Durations and
// costs repeat from row to row: their texts once made are kept and given again. Lives on the
// stack of one output run.

#include "common/KeptTexts.h"
#include "common/ValueFormat.h"

#include "WorkingTimeText.h"

#include <string>
#include <string_view>

class CValueTexts {
public:
    CValueTexts();

    // Each text stays valid until the next call.
    // FormatDate(day, mode, L"%s").
    std::wstring_view Day(TDate day, int mode);
    // FormatDateTime(TDateTime(day, minute, false)).
    std::wstring_view DateTime(TDate day, int minute);
    // FormatDuration.
    std::wstring_view Duration(int minutes, int type, bool shortForm);
    // FormatCosts.
    std::wstring_view Costs(double value);
    // FormatWorkingTimes of the periods SetWorkingTimePeriods makes of `count` minute pairs.
    std::wstring_view WorkingTimes(const int* pairs, int count);

private:
    CValueFormats m_formats;
    msgfmt::Pattern m_dateTimeFormat; // string 40020: date and time
    std::wstring m_noWorkingTime;  // string 13030
    std::wstring m_range;          // string 13026: start and end time
    std::wstring m_join;           // string 13027
    WorkingTimePeriods m_periods;
    std::wstring m_startText;
    std::wstring m_dayNames[2][7]; // full and abbreviated weekday names, read when first asked for
    bool m_namesRead[2] = {false, false};
    std::wstring m_text;
    CKeptValueTexts m_kept; // durations and costs
};
