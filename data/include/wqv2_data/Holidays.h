#pragma once
// wqv2_data::CHoliday and CHolidays: the public holidays of the project, ordered by date.
// The set owns its holidays.

#include "Types.h"

namespace wqv2_data {

class CHoliday {
public:
    CData* Data = nullptr;       // not owned
    int ID = 0;
    const wchar_t* Name = nullptr; // owned; null until set with SetName
    TDate Date = 0u;
    CHolidays* Owner = nullptr;

    virtual int MarkDeleted() = 0;
    virtual ~CHoliday() = default;
    virtual void SetName(const wchar_t* name) = 0;
};

class CHolidays {
public:
    CData* Data = nullptr; // not owned

    virtual CHoliday* CreateNew() = 0;
    virtual int Add(CHoliday* holiday) = 0; // a new holiday replaces one on its day or of its name and year
    virtual bool Contains(const CHoliday* holiday) = 0;
    virtual CHoliday* FindByDate(TDate day) = 0;
    virtual int GetCount() = 0;
    virtual int CountInRange(TDate first, TDate last) = 0; // inclusive
    virtual int GetAll(CHoliday** out) = 0;
    virtual int GetInRange(CHoliday** out, TDate first, TDate last) = 0; // out may be null
    virtual CHoliday* GetAt(int index) = 0;
    virtual ~CHolidays() = default;
};

} // namespace wqv2_data
