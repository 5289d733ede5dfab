#pragma once
// CRecurrenceInt: a series of equal tasks on a resource's row. The resource's recurrence set owns
// it (or the caller, for a stand-alone series). It owns its template task, its four patterns,
// its skipped days, its snapshot and its occurrence cache.

#include "Cache.h"
#include "ObjectBase.h"
#include "RecurrencePattern.h"

#include "wqv2_data.h"

#include <cstdint>
#include <memory>
#include <set>
#include <vector>

class CTaskInt;
class CRecurrencesInt;

class CRecurrenceInt final : public wqv2_data::CRecurrence, public CObjectBase {
public:
    // The answer to the last window asked: its key, whether running occurrences counted, and
    // the days. Emptied by the refresh after every commit and load, and by every change of the
    // series that could alter its days.
    class CCache : public CCacheDateTimePeriod {
    public:
        bool MatchesWindow(TDate d1, int m1, TDate d2, int m2, bool running) const
        {
            return Matches(d1, m1, d2, m2) && includeRunning == running;
        }
        bool includeRunning = false;
        std::vector<TDate> days;
    };

    CRecurrenceInt(wqv2_data::CData* data, wqv2_data::CRecurrences* owner);
    ~CRecurrenceInt() override;

    // wqv2_data::CRecurrence
    TDate GetOccurrenceEnd(TDate day, int* outMinute) override;
    bool UpdateRange() override;
    wqv2_data::CRecurrencePattern* GetPattern() override;
    int CountOccurrences(TDate d1, int m1, TDate d2, int m2, wqv2_data::CFilter* filter, bool includeRunning) override;
    int GetOccurrences(TDate* out, TDate d1, int m1, TDate d2, int m2, wqv2_data::CFilter* filter, bool includeRunning) override;
    TDate GetFirstDay() override;
    TDate GetLastDay() override;
    void AddException(TDate day) override;
    int RemoveException(TDate day) override;
    void ClearExceptions() override;
    bool IsException(TDate day) override;
    int CountExceptionsInRange(TDate first, TDate last) override;
    int GetExceptionsInRange(TDate* out, TDate first, TDate last) override;
    wqv2_data::CTask* DetachOccurrence(TDate day, wqv2_data::CResource* target) override;
    int MarkModified() override;
    int MarkDeleted() override;
    void CopyFrom(const wqv2_data::CRecurrence* other) override;

    // CObjectBase
    void OnOpen() override;
    void RestoreFromSnapshot() override;
    void InsertIntoOwner(CUndoInfo* step) override;
    CContBase* OwnerContainer() const override;
    void CommitModified(CUndoInfo* step) override;
    void RemoveFromOwner(CUndoInfo* step) override;
    // The "Recurrence" element with its pattern, template and skipped days (RecurrenceXml.cpp).
    void WriteXml(CXmlParser* parser, CXmlElement* element) override;
    int ReadXml(CXmlParser* parser, CXmlElement* element) override;
    bool IsValid(bool adding) override;
    int AddToOwner() override;
    void CopyWithId(const CObjectBase* other) override;
    int GetId() const override { return ID; }

    CTaskInt* TemplateInt() const;
    CRecurrencesInt* OwnerInt() const;
    // The resource of the series' set; null for a stand-alone series.
    wqv2_data::CResource* Resource() const;

    // Occurrence days in the period, ascending; the count and the fill of the occurrence
    // queries both come from here. With includeRunning an occurrence that started before the
    // period and ends after its start counts too.
    std::vector<TDate> CollectOccurrences(TDate d1, int m1, TDate d2, int m2, wqv2_data::CFilter* filter, bool includeRunning);
    // The pattern that Frequency selects; null outside 0-3.
    CRecurrencePatternBase* ActivePattern();
    // Moves or removes a user-field value of the template (the series is marked modified).
    int RenameTemplateUserFieldValue(const wchar_t* oldName, const wchar_t* newName);

private:
    void CopyFields(const CRecurrenceInt& other); // everything but ID
    // Negative durations count as none (files with them stay loadable).
    int DurationMinutes() const { return Duration > 0 ? Duration : 0; }
    // False when the window holds no candidate day at all (nothing worth caching).
    bool ComputeOccurrences(TDate d1, int m1, TDate d2, int m2, bool includeRunning, std::vector<TDate>& days);

    std::set<uint32_t> m_skipped; // skipped days
    std::unique_ptr<CRecurrenceInt> m_snapshot;
    CRecurrencePatternDailyInt m_daily{this};
    CRecurrencePatternWeeklyInt m_weekly{this};
    CRecurrencePatternMonthlyInt m_monthly{this};
    CRecurrencePatternYearlyInt m_yearly{this};
    CCache m_cache;
};
