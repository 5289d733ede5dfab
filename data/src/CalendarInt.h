#pragma once
// CCalendarInt: a working-time calendar. The calendar list owns it; it owns its name, its eight
// range lists, its exception set (and so its exceptions), its snapshot and the memo of its
// working-minute answers.

#include "ObjectBase.h"
#include "WorkingMinutesMemo.h"
#include "WorkingTimes.h"

#include "wqv2_data.h"

#include <memory>

class CCalendarsInt;
class CCalendarExceptionsInt;
class CHolidaysInt;

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
    void OnOpen() override;
    void RestoreFromSnapshot() override;
    void InsertIntoOwner(CUndoInfo* step) override;
    CContBase* OwnerContainer() const override;
    void CommitModified(CUndoInfo* step) override;
    void RemoveFromOwner(CUndoInfo* step) override;
    void WriteXml(CXmlParser* parser, CXmlElement* element) override;
    int ReadXml(CXmlParser* parser, CXmlElement* element) override;
    int ImportCsv(const std::vector<std::wstring>& fields) override;
    bool IsValid(bool adding) override;
    int AddToOwner() override;
    void CopyWithId(const CObjectBase* other) override;
    int GetId() const override { return ID; }

    CCalendarsInt* OwnerInt() const;
    CCalendarExceptionsInt* ExceptionsInt() const;

    // The ranges that apply on a day: an exception's, else the holiday rule's, else the
    // weekday's. Borrowed from the exception or the list; valid until either changes.
    RangeList RangesOf(TDate day);
    // Forgets every remembered answer (the ranges, an exception or a holiday changed).
    void DropResults() { m_memo.Clear(); }

private:
    // A point of time: a day and a minute 0-1439.
    struct Moment {
        uint32_t day;
        int minute;
    };
    static Moment Normalised(TDate day, int minute);

    CHolidaysInt* HolidaySet() const;
    // Working minutes in [from, to), remembered in the memo.
    long long CountMinutes(Moment from, Moment to);
    long long CountUncached(uint32_t d1, int m1, uint32_t d2, int m2);
    // Working minutes of the whole days first to last (first <= last).
    long long WholeDaysMinutes(uint32_t first, uint32_t last);
    bool Place(Moment start, unsigned int minutes, Moment& result);
    bool PlaceSparse(Moment start, long long n, Moment& result);
    // The end of the latest working range between `start` and the end of the last day with a
    // date, or `start` itself when none lies after it.
    Moment LatestWorkingEnd(Moment start);

    std::unique_ptr<CCalendarInt> m_snapshot;
    CWorkingMinutesMemo m_memo;
};
