#pragma once
// wqv2_data::CResource and wqv2_data::CResources: the rows of the planning board and their list.
// The list owns its resources; each resource owns its task set and its recurrence set.

#include "Types.h"

namespace wqv2_data {

class CResource {
public:
    CData* Data = nullptr;               // not owned
    CResources* Owner = nullptr;         // the resource list
    CTasks* Tasks = nullptr;             // owned
    CRecurrences* Recurrences = nullptr; // owned
    int ID = 0;                          // 0 not added, else unique in the list
    CCalendar* Calendar = nullptr;       // not owned; null = none
    int Position = 0;                    // display position as stored; the list does not sort by it
    const wchar_t* Name = nullptr;       // owned, never null once constructed; must not be empty
    const wchar_t* Note = nullptr;       // owned, never null once constructed
    Color ColorFg = 0x000000;
    Color ColorLabelBk = 0xFFFFFF;
    Color ColorScheduleBk = 0xFFFFFF;
    bool FontBold = false;
    double CostsVariable = 0.0;          // per hour, added to each task's costs
    double CostsFixed = 0.0;
    int CostsTimeUnit = 0;               // 0: elapsed minutes; else working minutes of the calendar

    // The resource's tasks and its series' occurrences overlapping [(d1, m1), (d2, m2));
    // `out` may be null to count only.
    virtual int CountTasksInWindow(TDate d1, int m1, TDate d2, int m2, CFilter* filter) = 0;
    virtual int GetTasksInWindow(TaskOccurrence* out, TDate d1, int m1, TDate d2, int m2, CFilter* filter) = 0;
    virtual int GetUserFieldCount() = 0;
    virtual const wchar_t* GetUserFieldName(int index) = 0;
    virtual const wchar_t* GetUserFieldValue(const wchar_t* name) = 0;
    virtual void SetUserFieldValue(const wchar_t* name, const wchar_t* value) = 0;
    virtual void CopyFrom(const CResource* other) = 0; // everything but ID, tasks and recurrences
    virtual int MarkModified() = 0;
    virtual int MarkDeleted() = 0; // takes its tasks and series and its filter exclusions along
    virtual ~CResource() = default;
    virtual const wchar_t* SetName(const wchar_t* name) = 0;
    virtual const wchar_t* SetNote(const wchar_t* note) = 0;
};

class CResources {
public:
    virtual CResource* CreateNew() = 0;
    virtual int Add(CResource* resource) = 0;
    virtual int GetCount(CFilter* filter) = 0;                   // those the filter shows
    virtual int GetAll(CResource** out, CFilter* filter) = 0;    // display order; out may be null
    virtual CResource* GetAt(int index) = 0;                     // unfiltered
    virtual bool ContainsTask(const CTask* task) = 0;
    virtual bool Contains(const CResource* resource) = 0;
    virtual ~CResources() = default;
};

} // namespace wqv2_data
