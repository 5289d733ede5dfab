#pragma once
// CRListTasksByResourceBase: the core of the tasks-by-resource report: its settings, and for one
// run the resources to report with their listed occurrences and the sums of the value columns.
// An output class derives from this and from one output base; it lives on the stack of one
// output callback. The resources and tasks listed belong to the data library.

#include "base/RListTasksBase.h"

#include <map>
#include <span>
#include <string>
#include <vector>

// What a row shows of one listed occurrence besides its task: its bounds (GetDaySpan) and its
// values (zero without a value column).
struct OccurrenceFacts {
    OccurrenceSpan daySpan;
    OccurrenceValues values;
};

struct ResourceSums {
    int DurationSum = 0;     // minutes
    int WorkingTimeSum = 0;  // minutes
    double CostsSum = 0.0;   // project currency
};

class CRListTasksByResourceBase : public CRListTasksBase {
public:
    // Columns of the HTML and printed tables, in their order.
    enum Column : int { kIndent, kTask, kStart = kStartColumn, kEnd, kDuration, kWorkingTime, kCosts, kNotes };

    // The shared settings under the report's prefix, then the resource options.
    CRListTasksByResourceBase();

    // Fills the resource rows, the occurrences of each resource and the sums for the period.
    // Each output calls it once, before it writes anything.
    void CollectRows();

    // The listed occurrences of a resource, in listing order: empty for the total entry and a
    // resource without any. Valid until the next CollectRows.
    std::span<const TaskOccurrence> TasksOf(wqv2_data::CResource* resource) const;
    // The bounds and values of a listed occurrence, worked out for its row: kept for every row
    // they would cost more memory than the rows themselves.
    OccurrenceFacts FactsOf(const TaskOccurrence& occurrence);
    // The sums of a resource, or of all resources for null.
    ResourceSums SumsOf(wqv2_data::CResource* resource) const;

    // Table columns of the HTML and printed outputs; the indent column only for a grouped section.
    std::vector<Column> TableColumns(bool grouped) const;
    // Head of a column (string 40410 after the heads of value columns cut to the period).
    std::wstring ColumnHead(Column column) const;
    // Task name and notes.
    const wchar_t* DataText(int column, const TaskOccurrence& occurrence) const override;
    // The text of a sum row's value cell; empty for other columns.
    std::wstring SumText(Column column, const ResourceSums& sums) const;
    // The resource row: its name, string 9515 for a resource without tasks, 9516 for the total.
    std::wstring ResourceRowText(wqv2_data::CResource* resource) const;
    // HTML and print: the total entry, or a resource of more than one occurrence with SumResource.
    bool HasSumRow(wqv2_data::CResource* entry) const;

    std::vector<wqv2_data::CResource*> ResourceRows; // report order; one null entry stands for the total
    // The listing, each resource's occurrences together, in listing order; RangeByResource: where
    // a resource's occurrences are in it (first, count).
    std::vector<TaskOccurrence> Listed;
    std::map<wqv2_data::CResource*, std::pair<size_t, size_t>> RangeByResource;
    std::map<wqv2_data::CResource*, ResourceSums> SumsByResource;                // key null: all resources
    // Beside SumTotal (here a total row over all resources, with two resources or more):
    bool SumResource = false;       // a sum row under each resource; forced off without a value column
    bool ResourcesSingle = false;   // HTML: one page per resource and an index; print: a page each
    bool ResourcesSkipEmpty = false;

private:
    // Sets RangeByResource from Listed; false (and none) when a resource's occurrences are apart.
    bool FindRanges();
    // Puts each resource's occurrences of Listed together, in the order of the rows, keeping
    // their listing order, and sets RangeByResource.
    void GroupByResource();
};
