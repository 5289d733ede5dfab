#pragma once
// wqv2_data::CTask and wqv2_data::CTasks: one bar of the planning board and the task set of a
// resource. Tasks belong to their set (or to their recurrence, for a template); a stand-alone
// task made by CData::Command belongs to the caller, who releases it with MarkDeleted.

#include "Types.h"

namespace wqv2_data {

class CTask {
public:
    CData* Data = nullptr;             // not owned
    CTasks* Owner = nullptr;           // the resource's task set; null when not added, or a template
    int ID = 0;                        // 0 not added, -1 template of a recurrence, else unique in Owner
    const wchar_t* Name = nullptr;     // owned, never null once constructed; set with SetName
    const wchar_t* Note = nullptr;     // owned, never null once constructed; set with SetNote
    TDate DateStart = 0u;              // 0 = not set
    TDate DateEnd = 0u;
    int TimeStart = 0;                 // minutes 0-1439 on DateStart
    int TimeEnd = 0;                   // minutes 0-1439 on DateEnd
    Color ColorFg = 0x000000;
    Color ColorBk = 0xFFFFFF;
    bool FontBold = false;
    bool CostsCalculate = false;
    double CostsVariable = 0.0;        // per hour
    double CostsFixed = 0.0;
    int CostsTimeUnit = 0;             // 0: elapsed minutes; else working minutes of the calendar
    CRecurrence* Recurrence = nullptr; // not owned: the template's series, or the series detached from

    virtual int GetUserFieldCount() = 0;
    virtual const wchar_t* GetUserFieldName(int index) = 0;           // names ascend; null outside
    virtual const wchar_t* GetUserFieldValue(const wchar_t* name) = 0; // null when none
    virtual void SetUserFieldValue(const wchar_t* name, const wchar_t* value) = 0; // "" removes
    virtual void CopyFrom(const CTask* other) = 0;                     // everything but ID
    virtual int GetDuration() = 0;                                     // elapsed minutes
    virtual bool SetDuration(int minutes) = 0;
    virtual int GetWorkDuration() = 0;                                 // by the resource's calendar
    virtual bool SetWorkDuration(unsigned int minutes) = 0;
    // Costs over a period; d1 = 0 stands for the task's start, d2 = 0 for its end.
    virtual double GetCosts(TDate d1, int m1, TDate d2, int m2) = 0;
    virtual const wchar_t* SetName(const wchar_t* name) = 0;           // returns the stored copy
    virtual const wchar_t* SetNote(const wchar_t* note) = 0;
    virtual CResource* GetResource() = 0;
    virtual int MarkModified() = 0; // call inside a transaction before changing the task
    virtual int MarkDeleted() = 0;  // a task never added is destroyed at once
    virtual ~CTask() = default;
};

class CTasks {
public:
    CResource* Resource = nullptr; // not owned: the resource that owns this set

    virtual CTask* CreateNew() = 0; // not yet in the set; pass it to Add or MarkDeleted
    virtual int Add(CTask* task) = 0;
    // Period queries over [(d1, m1), (d2, m2)); size `out` with the count first.
    virtual int CountInWindow(TDate d1, int m1, TDate d2, int m2, CFilter* filter) = 0;
    virtual int GetCount() = 0;
    virtual int GetInWindow(CTask** out, TDate d1, int m1, TDate d2, int m2, CFilter* filter) = 0;
    virtual int GetAll(CTask** out) = 0;
    virtual CTask* GetAt(int index) = 0;
    virtual bool Contains(const CTask* task) = 0;
    virtual ~CTasks() = default;

protected:
    // The library re-sorts tasks through these, outside the transaction.
    virtual void Erase(CTask* task) = 0;
    virtual void Insert(CTask* task) = 0;
};

} // namespace wqv2_data
