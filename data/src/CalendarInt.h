#pragma once
// CCalendarInt: a working-time calendar. The calendar list owns it; it owns its name, its eight
// range lists, its exception set (and so its exceptions) and its snapshot.

#include "ObjectBase.h"

#include "wqv2_data.h"

#include <memory>

class CCalendarsInt;
class CCalendarExceptionsInt;

class CCalendarInt final : public wqv2_data::CCalendar, public CObjectBase {
public:
    CCalendarInt(wqv2_data::CData* data, wqv2_data::CCalendars* owner);
    ~CCalendarInt() override;

    // wqv2_data::CCalendar
    int GetWorkingTimeCount(TDate day) override;
    int GetWorkingTimes(int* out, TDate day) override;
    int WorkingMinutes(TDate d1, int m1, TDate d2, int m2) override;
    bool AddWorkingMinutes(TDate day, int minute, unsigned int minutes, TDate* outDay, int* outMinute) override;
    int MarkModified() override;
    int MarkDeleted() override;
    void CopyFrom(const wqv2_data::CCalendar* other) override;
    const wchar_t* SetName(const wchar_t* name) override;
    void SetWorkingTimes(unsigned int list, const int* pairs, int count) override;

    // CObjectBase
    void RestoreFromSnapshot() override;
    void InsertIntoOwner(CUndoInfo* step) override;
    void CommitModified(CUndoInfo* step) override;
    void RemoveFromOwner(CUndoInfo* step) override;
    bool IsValid(bool adding) override;
    int AddToOwner() override;
    void CopyWithId(const CObjectBase* other) override;
    int GetId() const override { return ID; }

    CCalendarsInt* OwnerInt() const;
    CCalendarExceptionsInt* ExceptionsInt() const;

private:
    std::unique_ptr<CCalendarInt> m_snapshot;
};
