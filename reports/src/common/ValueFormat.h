#pragma once
// Data values as report text: dates, date-times, periods, durations, costs, user-defined field
// values and the name of the report filter. Settings come through the host; format strings
// from the resource library and from settings are applied as they stand.

#include "TDate.h"
#include "TDateTime.h"

#include "SafeFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The date in the `DateFormat` setting's picture, else the locale's short date.
std::wstring GetDateText(TDate date);
// String 40020 with the date text and the time text (FormatTimeSetting).
std::wstring FormatDateTime(const TDateTime& value);
// Mode 1 and 3 take the abbreviated, 2 and 4 the full weekday name; 3 and 4 give the name alone,
// the others "name date" (or the date alone for mode 0) put into `format` as its one argument.
std::wstring FormatDate(TDate date, int mode, const wchar_t* format);
// Type 0 days, hours, minutes; 1 hours and minutes; 2 decimal days; 3 decimal hours; 4 minutes;
// 5 h:mm; any other type gives the empty text. See strings 1220 to 1225.
std::wstring FormatDuration(int minutes, int type, bool shortForm);
// The value with the project currency: `ViewFormatCosts`, or string 1240/1241 built with
// `ViewFormatCostsDecimalDigits` (default 2); the format gets (value, currency).
std::wstring FormatCosts(double value);
// `ViewFormatCostsDecimalDigits` (default 2) kept within 0 to 9, so no setting makes a bad format.
int GetCostsDecimalDigits();
// The value as the costs column shows it, for comparing: scaled by the shown decimals and
// rounded; the value as it stands when `ViewFormatCosts` gives the picture.
double CostsAsShown(double value);
// The display text of a user-defined field value of the type named (case matters).
std::wstring FormatUdfValue(const wchar_t* typeName, const wchar_t* value);
// The report filter's name; string 9520 without a report filter.
std::wstring GetReportFilterName();
// The period as text: string 38002 (start date, start time, end date, end time) when either time
// is not 0, else string 38001 (start date, the day before the exclusive end date).
std::wstring FormatPeriodText(TDate start, TDate end, int startMinute, int endMinute);

// The value texts of one report run, with what they depend on read once when the run starts:
// the date and time pictures, the costs format and the currency, the duration strings and the
// locale's decimal separator. Each text equals the one of the function named beside it for the
// settings of that moment. Dates and times once made are kept and given again.
class CValueFormats {
public:
    CValueFormats();

    // GetDateText and FormatTimeSetting; the text stays valid until the next call.
    const std::wstring& Date(TDate date);
    const std::wstring& Time(const TTime& time);
    // FormatCosts, FormatDuration and FormatUdfValue into `out` (replaced), whose room is
    // used again.
    void Costs(double value, std::wstring& out) const;
    void Duration(int minutes, int type, bool shortForm, std::wstring& out) const;
    void UdfValue(const wchar_t* typeName, const wchar_t* value, std::wstring& out);
    // The user-field types UdfValue tells apart; a run looks each field's type up once.
    enum class UdfKind { Text, Date, Time, Int, Decimal };
    static UdfKind KindOf(const wchar_t* typeName);
    // UdfValue's text for a type of the kind, made in `scratch` (emptied) or kept by these
    // formats (valid until the next call), or the value itself.
    std::wstring_view UdfText(UdfKind kind, const wchar_t* value, std::wstring& scratch);

private:
    struct CachedDate {
        uint32_t key = 0;
        bool used = false;
        std::wstring text;
    };

    std::wstring m_datePicture;
    std::wstring m_timePicture;
    std::wstring m_currency;
    msgfmt::Pattern m_costsPicture;
    std::wstring m_decimalSeparator;
    msgfmt::Pattern m_durations[6]; // strings 1220 to 1225
    std::vector<CachedDate> m_dates; // by day number modulo its size
    std::vector<std::wstring> m_times; // minutes 0 to 1440, then the empty time
    std::vector<bool> m_timeMade;
    std::wstring m_otherTime;
};

struct MinuteRange {
    int from;
    int to;
};
// Sum of the overlaps of `count` {from, to} minute pairs (the data library's form of working
// times) with the window; 0 for a count of 0 or less.
int IntervalOverlapMinutes(MinuteRange window, const int* pairs, int count);
