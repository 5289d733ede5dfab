#pragma once
// CRListTasksDefaultBase: the core of the task list report: its settings, the columns in the
// order of the task grid, and for one run the listed occurrences of the period with their sums.
// An output class derives from this and from one output base; it lives on the stack of one
// output callback. The tasks listed belong to the data library.

#include "base/RListBase.h"

#include <string>
#include <string_view>
#include <vector>

class CValueTexts;

class CRListTasksDefaultBase : public CRListBase {
public:
    // Column ids, those of the task grid.
    enum Column : int { kName, kResource, kStart, kEnd, kDuration, kWorkingTime, kCosts, kNotes };

    // A run of the sum row: a value column of its own, or a stretch of other columns (column
    // -1), marked when it holds the name column.
    struct SumRun {
        int column;
        int count;
        bool marked;
    };

    // The list base's defaults, then the report's settings and the column order.
    CRListTasksDefaultBase();

    // Fills Rows and the sums of the columns shown; returns the number of rows.
    int CollectRows();
    // The values of a row written as it is made (none without a value column), added to the sums
    // of the columns shown; `span`: GetDaySpan of the occurrence.
    OccurrenceValues CountRow(const TaskOccurrence& occurrence, const OccurrenceSpan& span);

    // The sum row cut into runs, in column order.
    std::vector<SumRun> SumRuns() const;
    bool AnyValueColumn() const { return ColumnsDuration || ColumnsWorkingTime || ColumnsCosts; }
    // The footnote on values cut to the period is due.
    bool ShowsLimitNote() const { return LimitPeriod && AnyValueColumn(); }
    // HTML and printed tables: the sum row is due.
    bool ShowsSumRow() const { return SumTotal && Rows.size() >= 2; }
    // Head of a column in HTML and print (string 40410 after value columns cut to the period).
    std::wstring ColumnHead(int column) const;
    // The data library's own text a column shows (task name, resource name, notes), up to its
    // terminating zero; null for the columns whose texts are made.
    const wchar_t* DataText(int column, const TaskOccurrence& occurrence) const;
    // The text of one cell on its own (formats read for the call).
    std::wstring CellText(int column, const TaskOccurrence& occurrence, const OccurrenceValues& values) const;
    // The text made with the run's formats (`span`: GetDaySpan of the occurrence); valid until
    // the next call.
    std::wstring_view CellText(int column, const TaskOccurrence& occurrence, const OccurrenceSpan& span,
                               const OccurrenceValues& values, CValueTexts& texts) const;
    // The text of the sum of a value column; empty for other columns.
    std::wstring SumText(int column) const;
    static bool IsValueColumn(int column) { return column == kDuration || column == kWorkingTime || column == kCosts; }

    std::vector<int> Columns;        // the columns shown, in the grid's order
    std::vector<TaskOccurrence> Rows;
    int DurationSum = 0;
    int WorkingTimeSum = 0;
    double CostsSum = 0.0;
    bool ColumnsDuration = false;
    bool ColumnsWorkingTime = false;
    bool ColumnsCosts = false;
    bool ColumnsNotes = false;
    bool ColumnsFormat = false;      // export only
    bool ColumnsUDF = false;         // export only
    bool SumTotal = false;           // forced off without a value column
    bool DateOnly = false;           // HTML and print show days without times
    int WeekdayMode = 0;             // FormatDate mode of those days
};
