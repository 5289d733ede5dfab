#pragma once
// CRListTasksBase: what the task list and the tasks-by-resource report have alike over
// CRListBase: their settings under the report's prefix (the period, the optional columns, the
// limit to the period, the total, how days show) and the texts of the cells and sums both show.
// Both number those columns as the task grid does (start 2 to notes 7); ids 0 and 1 are each
// list's own, and their texts come from its DataText.

#include "base/RListBase.h"

#include <string>
#include <string_view>

class CValueTexts;

class CRListTasksBase : public CRListBase {
public:
    enum SharedColumn : int { kStartColumn = 2, kEndColumn, kDurationColumn, kWorkingTimeColumn, kCostsColumn, kNotesColumn };

    // The list base's defaults, then the settings <prefix>DateStart, DateEnd, TimeStart, TimeEnd,
    // the columns, LimitPeriod, SumTotal, DateOnly and DateFormat.
    explicit CRListTasksBase(const std::wstring& prefix);

    bool AnyValueColumn() const { return ColumnsDuration || ColumnsWorkingTime || ColumnsCosts; }
    // The footnote on values cut to the period is due.
    bool ShowsLimitNote() const { return LimitPeriod && AnyValueColumn(); }
    static bool IsValueColumn(int column)
    {
        return column == kDurationColumn || column == kWorkingTimeColumn || column == kCostsColumn;
    }

    // The data library's own text a column shows (task name, resource name, notes), up to its
    // terminating zero; null for the columns whose texts are made.
    virtual const wchar_t* DataText(int column, const TaskOccurrence& occurrence) const = 0;
    // The text of one cell on its own (formats read for the call).
    std::wstring CellText(int column, const TaskOccurrence& occurrence, const OccurrenceValues& values) const;
    // The text made with the run's formats (`span`: GetDaySpan of the occurrence); valid until
    // the next call. Empty for a column without text.
    std::wstring_view CellText(int column, const TaskOccurrence& occurrence, const OccurrenceSpan& span,
                               const OccurrenceValues& values, CValueTexts& texts) const;

    bool ColumnsDuration = false;
    bool ColumnsWorkingTime = false;
    bool ColumnsCosts = false;
    bool ColumnsFormat = false;      // export only
    bool ColumnsUDF = false;         // export only
    bool ColumnsNotes = false;
    bool SumTotal = false;           // forced off without a value column
    bool DateOnly = false;           // HTML and print show days without times
    int WeekdayMode = 0;             // FormatDate mode of those days

protected:
    // A column's head: string `textId`, and string 40410 after a value column cut to the period.
    std::wstring HeadText(int column, unsigned textId) const;
    // The text of a sum of a value column; empty for other columns.
    std::wstring ValueSumText(int column, int durationSum, int workingTimeSum, double costsSum) const;
};
