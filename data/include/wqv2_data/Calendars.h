#pragma once
// wqv2_data::CCalendar, CCalendars, CCalendarException and CCalendarExceptions: working-time
// calendars with their dated exceptions. The list owns its calendars; a calendar owns its
// exception set, which owns its exceptions.

#include "Types.h"

namespace wqv2_data {

class CCalendar {
public:
    CData* Data = nullptr;                    // not owned
    CCalendars* Owner = nullptr;              // null for a snapshot copy
    CCalendarExceptions* Exceptions = nullptr; // owned
    int ID = 0;
    int Position = 0;                         // display position kept for the viewer
    const wchar_t* Name = nullptr;            // owned, never null once constructed
    // Lists 0-6 Monday to Sunday, 7 the holiday list; each an owned array of (start, end) minute
    // pairs, end 0 meaning 24:00. Change them with SetWorkingTimes.
    int* WeekdayWorkingTimes[8] = {};
    int WeekdayWorkingTimeCounts[8] = {};
    int HolidayRule = 2;                      // 0 day off, 1 ignored, 2 use list 7

    virtual int GetWorkingTimeCount(TDate day) = 0;
    virtual int GetWorkingTimes(int* out, TDate day) = 0; // pairs; out may be null
    virtual int WorkingMinutes(TDate d1, int m1, TDate d2, int m2) = 0; // in [from, to)
    virtual bool AddWorkingMinutes(TDate day, int minute, unsigned int minutes, TDate* outDay, int* outMinute) = 0;
    virtual int MarkModified() = 0;
    virtual int MarkDeleted() = 0;
    virtual void CopyFrom(const CCalendar* other) = 0; // everything but ID and the exceptions
    virtual ~CCalendar() = default;
    virtual const wchar_t* SetName(const wchar_t* name) = 0;
    virtual void SetWorkingTimes(unsigned int list, const int* pairs, int count) = 0;
};

class CCalendars {
public:
    virtual CCalendar* CreateNew() = 0;
    virtual int Add(CCalendar* calendar) = 0;
    virtual int GetCount() = 0;
    virtual int GetAll(CCalendar** out) = 0;
    virtual CCalendar* GetAt(int index) = 0;
    virtual bool Contains(const CCalendar* calendar) = 0;
    virtual ~CCalendars() = default;
};

class CCalendarException {
public:
    CData* Data = nullptr;                 // not owned
    CCalendarExceptions* Owner = nullptr;  // null for a snapshot copy
    int ID = 0;
    TDate Date = 0u;                       // 0 = not set
    int* WorkingTimes = nullptr;           // owned (start, end) pairs; set with SetWorkingTimes
    int WorkingTimeCount = 0;              // 0 = no work on that day

    virtual void CopyFrom(const CCalendarException* other) = 0; // everything but ID
    virtual int MarkModified() = 0;
    virtual int MarkDeleted() = 0;
    virtual ~CCalendarException() = default;
    virtual void SetWorkingTimes(const int* pairs, int count) = 0;
};

class CCalendarExceptions {
public:
    CCalendar* Calendar = nullptr; // not owned: the calendar that owns this set

    virtual CCalendarException* CreateNew() = 0;
    virtual int Add(CCalendarException* exception) = 0;
    virtual CCalendarException* FindByDate(TDate day) = 0;
    virtual int CountInRange(TDate first, TDate last) = 0; // inclusive
    virtual int GetCount() = 0;
    virtual int GetInRange(CCalendarException** out, TDate first, TDate last) = 0;
    virtual int GetAll(CCalendarException** out) = 0;
    virtual CCalendarException* GetAt(int index) = 0;
    virtual bool Contains(const CCalendarException* exception) = 0;
    virtual ~CCalendarExceptions() = default;

protected:
    virtual void Erase(CCalendarException* exception) = 0;
    virtual void Insert(CCalendarException* exception) = 0;
};

} // namespace wqv2_data
