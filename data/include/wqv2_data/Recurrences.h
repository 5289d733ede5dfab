#pragma once
// wqv2_data::CRecurrence and CRecurrences: series of equal tasks on a resource's row, and their
// patterns. Occurrences are never stored as tasks: a series answers with occurrence days, which
// callers pair with its template task. A resource's set owns its series; a series owns its
// template task and its patterns.

#include "Types.h"

namespace wqv2_data {

// Public part of a pattern; GetPattern returns the active one, by the series' Frequency.
struct CRecurrencePattern {};

struct CRecurrencePatternDaily : CRecurrencePattern {
    int DType = 0;     // 0 every DInterval days, 1 every Monday to Friday
    int DInterval = 1;
};

struct CRecurrencePatternWeekly : CRecurrencePattern {
    int WFirstDayOfWeek = 0; // 0 Monday .. 6 Sunday
    int WWeekdayCount = 1;   // entries of WWeekdays in use
    int WWeekdays[7] = {};   // weekdays 0-6
    int WInterval = 1;       // weeks between occurrence weeks
};

struct CRecurrencePatternMonthly : CRecurrencePattern {
    int MType = 0;       // 0 day of month, 1 position and weekday
    int MDayOfMonth = 1; // 1-31
    int MPosition = 1;   // 1-4, -1 last
    int MWeekday = 7;    // 0-6, 7 any day
    int MInterval = 1;   // months between occurrence months
};

struct CRecurrencePatternYearly : CRecurrencePattern {
    int YType = 0;       // 0 day of month, 1 position and weekday
    int YMonth = 1;      // 1-12
    int YDayOfMonth = 1; // 1-31
    int YPosition = 1;   // 1-4, -1 last
    int YWeekday = 7;    // 0-6, 7 any day
};

enum Frequency : int { kDaily = 0, kWeekly = 1, kMonthly = 2, kYearly = 3 };
enum EndType : int { kEndNever = 0, kEndAfterCount = 1, kEndAtDate = 2 };

class CRecurrence {
public:
    CData* Data = nullptr;         // not owned
    CRecurrences* Owner = nullptr; // null for a snapshot copy or a stand-alone series
    int ID = 0;
    CTask* Task = nullptr;         // owned template: ID -1, no owner, Recurrence = this series
    int Frequency = kDaily;        // selects the active pattern
    TDate DateStart = 0u;          // 0 = not set
    int TimeStart = 0;             // start minute of every occurrence, 0-1439
    int Duration = 0;              // minutes of every occurrence
    int EndType = kEndNever;
    TDate EndDate = 0u;            // with kEndAtDate
    int EndCount = 0;              // with kEndAfterCount

    virtual TDate GetOccurrenceEnd(TDate day, int* outMinute) = 0;
    virtual bool UpdateRange() = 0;
    virtual CRecurrencePattern* GetPattern() = 0; // null for a Frequency outside 0-3
    virtual int CountOccurrences(TDate d1, int m1, TDate d2, int m2, CFilter* filter, bool includeRunning) = 0;
    virtual int GetOccurrences(TDate* out, TDate d1, int m1, TDate d2, int m2, CFilter* filter, bool includeRunning) = 0;
    virtual TDate GetFirstDay() = 0; // 0: no occurrence
    virtual TDate GetLastDay() = 0;  // 1: no end; 0: no occurrence
    // Skipped days; call MarkModified first.
    virtual void AddException(TDate day) = 0;
    virtual int RemoveException(TDate day) = 0;
    virtual void ClearExceptions() = 0;
    virtual bool IsException(TDate day) = 0;
    virtual int CountExceptionsInRange(TDate first, TDate last) = 0;
    virtual int GetExceptionsInRange(TDate* out, TDate first, TDate last) = 0;
    // Turns the occurrence of `day` into a new task of `target` (null: the series' resource),
    // not yet added; skips the day. Needs an open transaction.
    virtual CTask* DetachOccurrence(TDate day, CResource* target) = 0;
    virtual int MarkModified() = 0;
    virtual int MarkDeleted() = 0;
    virtual void CopyFrom(const CRecurrence* other) = 0; // everything but ID
    virtual ~CRecurrence() = default;
};

class CRecurrences {
public:
    CResource* Resource = nullptr; // not owned: the resource that owns this set

    virtual CRecurrence* CreateNew() = 0;
    virtual int Add(CRecurrence* recurrence) = 0;
    virtual int GetCount() = 0;
    virtual int GetAll(CRecurrence** out) = 0;
    virtual CRecurrence* GetAt(int index) = 0;
    virtual bool Contains(const CRecurrence* recurrence) = 0;
    virtual ~CRecurrences() = default;

protected:
    virtual void Erase(CRecurrence* recurrence) = 0;
    virtual void Insert(CRecurrence* recurrence) = 0;
};

} // namespace wqv2_data
