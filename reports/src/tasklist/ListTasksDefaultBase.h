#pragma once
// CRListTasksDefaultBase: the core of the task list report: its settings, the columns in the
// order of the task grid, and for one run the listed occurrences of the period with their sums.
// An output class derives from this and from one output base; it lives on the stack of one
// output callback. The tasks listed belong to the data library.

#include "base/RListTasksBase.h"

#include <string>
#include <vector>

class CRListTasksDefaultBase : public CRListTasksBase {
public:
    // Column ids, those of the task grid.
    enum Column : int { kName, kResource, kStart = kStartColumn, kEnd, kDuration, kWorkingTime, kCosts, kNotes };

    // A run of the sum row: a value column of its own, or a stretch of other columns (column
    // -1), marked when it holds the name column.
    struct SumRun {
        int column;
        int count;
        bool marked;
    };

    // The shared settings under the report's prefix, then the column order.
    CRListTasksDefaultBase();

    // Fills Rows and the sums of the columns shown; returns the number of rows.
    int CollectRows();
    // The values of a row written as it is made (none without a value column), added to the sums
    // of the columns shown; `span`: GetDaySpan of the occurrence.
    OccurrenceValues CountRow(const TaskOccurrence& occurrence, const OccurrenceSpan& span);

    // The sum row cut into runs, in column order.
    std::vector<SumRun> SumRuns() const;
    // HTML and printed tables: the sum row is due.
    bool ShowsSumRow() const { return SumTotal && Rows.size() >= 2; }
    // Head of a column in HTML and print (string 40410 after value columns cut to the period).
    std::wstring ColumnHead(int column) const;
    const wchar_t* DataText(int column, const TaskOccurrence& occurrence) const override;
    // The text of the sum of a value column; empty for other columns.
    std::wstring SumText(int column) const;

    std::vector<int> Columns;        // the columns shown, in the grid's order
    std::vector<TaskOccurrence> Rows;
    int DurationSum = 0;
    int WorkingTimeSum = 0;
    double CostsSum = 0.0;
};
