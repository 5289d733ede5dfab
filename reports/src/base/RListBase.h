#pragma once
// CRListBase: the base of the list reports over tasks: the report period, the display forms of
// durations and working times, the grid's sort settings and the collection of the period's task
// occurrences with their sums. A concrete list report derives from this and from an output base
// (which brings CRBase); the settings are read once, in the constructor.

#include "base/ListedTasks.h"

#include <string>
#include <string_view>
#include <vector>

class CValueTexts;

// Duration, working time and costs of one listed occurrence, in minutes and the project currency.
struct OccurrenceValues {
    int duration = 0;
    int workingTime = 0;
    double costs = 0.0;
};

class CRListBase {
public:
    CRListBase();
    virtual ~CRListBase();
    CRListBase(const CRListBase&) = delete;
    CRListBase& operator=(const CRListBase&) = delete;

    std::wstring FormatDuration(int minutes) const;    // by DurationType and DurationShort
    std::wstring FormatWorkingTime(int minutes) const; // by WorkingTimeType and WorkingTimeShort

    // Appends the occurrences of the period, sorted by SortColumn and SortOrder, to `out` and
    // sets the sums that are asked for (null skips one): clipped to the period with LimitPeriod.
    // Returns the size of `out`.
    int CollectTasks(std::vector<TaskOccurrence>& out, int* durationSum, int* workingTimeSum, double* costsSum);
    // ScratchTask made a plain task of the occurrence's resource with the occurrence's start and
    // end, clipped to the period with LimitPeriod; null when the report has no scratch task.
    wqv2_data::CTask* ClipToPeriod(const TaskOccurrence& occurrence);
    // The same for the occurrence whose GetDaySpan is `daySpan`.
    wqv2_data::CTask* ClipToPeriod(const TaskOccurrence& occurrence, OccurrenceSpan daySpan);
    // The bounds cut to the period with LimitPeriod.
    OccurrenceSpan ClipSpan(OccurrenceSpan span) const;
    // The occurrence's values: with LimitPeriod those of its part inside the period (ClipToPeriod),
    // otherwise of the whole occurrence (a series occurrence by its resource's calendar).
    OccurrenceValues GetOccurrenceValues(const TaskOccurrence& occurrence);
    OccurrenceValues GetOccurrenceValues(const TaskOccurrence& occurrence, const OccurrenceSpan& daySpan);

    // Start and end of an occurrence as shown in list tables. With `dateOnly` the day alone in the
    // weekday mode of FormatDate (an end at 00:00 shows the day before: the last day it covers);
    // otherwise date and time (FormatDateTime).
    static std::wstring FormatStart(const TaskOccurrence& occurrence, bool dateOnly, int weekdayMode);
    static std::wstring FormatEnd(const TaskOccurrence& occurrence, bool dateOnly, int weekdayMode);
    // The same of the occurrence whose GetDaySpan is `span`, made with the run's texts; valid
    // until the texts' next call.
    static std::wstring_view StartText(const OccurrenceSpan& span, bool dateOnly, int weekdayMode, CValueTexts& texts);
    static std::wstring_view EndText(const OccurrenceSpan& span, bool dateOnly, int weekdayMode, CValueTexts& texts);
    // An occurrence's bounds with both minutes taken into the day (0 to 1439).
    static OccurrenceSpan GetDaySpan(const TaskOccurrence& occurrence);

    TDate DateStart;           // 1 January of the current year
    TDate DateEnd;             // 1 January of the next year (the end is exclusive)
    int TimeStart = 0;         // minutes
    int TimeEnd = 0;
    bool LimitPeriod = true;   // clip durations, working times and costs to the period
    int DurationType;          // ViewFormatDuration, default 0
    bool DurationShort;        // ViewFormatDurationShort, default true
    int WorkingTimeType;       // ViewFormatWorkingTime, default 1
    bool WorkingTimeShort;     // ViewFormatWorkingTimeShort, default true
    bool FilterShowAlways;     // ReportsFilterShowAlways, default false
    int SortColumn;            // ViewGridSortType, default 1
    int SortOrder;             // ViewGridSortOrder, default 2: 1 descending, 2 by board position
    wqv2_data::CTask* ScratchTask = nullptr; // owned: a task in no list, released by MarkDeleted
};
