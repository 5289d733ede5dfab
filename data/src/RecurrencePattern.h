#pragma once
// The four recurrence patterns of a series: each pairs the public fields (the structure that
// CRecurrence::GetPattern hands out) with the internal side that computes the series' first and
// last occurrence day and collects occurrence days. The series owns all four; a pattern only
// refers back to its series.

#include "wqv2_data.h"

#include <cstdint>
#include <vector>

class CRecurrenceInt;
class CXmlParser;
class CXmlElement;

// What a pattern reads of its series to compute the range.
struct SeriesRule {
    int64_t start = 0;   // DateStart
    int endType = 0;     // 1 after endCount occurrences, 2 at endDate, else no end
    int64_t endDate = 0;
    int64_t endCount = 0;
};

class CRecurrencePatternBase {
public:
    explicit CRecurrencePatternBase(CRecurrenceInt* owner) : m_owner(owner) {}
    CRecurrencePatternBase(const CRecurrencePatternBase&) = delete;
    CRecurrencePatternBase& operator=(const CRecurrencePatternBase&) = delete;
    virtual ~CRecurrencePatternBase() = default;

    // The public fields of another pattern of the same kind (the range is not copied: the
    // commit recomputes it).
    virtual void CopyFrom(const CRecurrencePatternBase& other) = 0;
    virtual bool IsValid() const = 0;
    // The children of the series' "Pattern" element (RecurrenceXml.cpp). Reading fails with 8
    // when a required child is missing; values are checked later, by the series' Add.
    virtual void WriteXml(CXmlParser* parser, CXmlElement* pattern) const = 0;
    virtual int ReadXml(CXmlParser* parser, CXmlElement* pattern) = 0;
    // Appends the occurrence days within [from, to], ascending. The series passes from at or
    // after the first day and, with an end, to at or before the last day.
    virtual void CollectDays(int64_t from, int64_t to, std::vector<TDate>& days) const = 0;
    // Sets the first and last day from the series' start and end rule; false only when a
    // weekly count cannot be placed.
    bool ComputeRange();
    virtual wqv2_data::CRecurrencePattern* Public() = 0;

    // 0 until computed, and when the series has no occurrence.
    TDate FirstDay() const { return static_cast<uint32_t>(m_first); }
    // 1 for no end; 0 until computed, and when the series has no occurrence.
    TDate LastDay() const { return static_cast<uint32_t>(m_last); }

protected:
    // The kind's range in 64-bit day numbers; `last` is left alone for a series without end.
    // Days may come out beyond the calendar; ComputeRange settles them. The interval and the
    // other values the day collection steps by are taken here, so a later change of the public
    // fields cannot reach the collection before the next range computation.
    virtual bool Range(const SeriesRule& rule, int64_t& first, int64_t& last) = 0;
    int64_t First() const { return m_first; }

private:
    CRecurrenceInt* m_owner; // not owned: the series that owns the pattern
    int64_t m_first = 0;
    int64_t m_last = 0;
};

class CRecurrencePatternDailyInt final : public CRecurrencePatternBase, public wqv2_data::CRecurrencePatternDaily {
public:
    using CRecurrencePatternBase::CRecurrencePatternBase;
    void CopyFrom(const CRecurrencePatternBase& other) override;
    bool IsValid() const override;
    void WriteXml(CXmlParser* parser, CXmlElement* pattern) const override;
    int ReadXml(CXmlParser* parser, CXmlElement* pattern) override;
    void CollectDays(int64_t from, int64_t to, std::vector<TDate>& days) const override;
    wqv2_data::CRecurrencePattern* Public() override { return this; }

protected:
    bool Range(const SeriesRule& rule, int64_t& first, int64_t& last) override;

private:
    bool m_workdays = false; // every Monday to Friday
    int64_t m_interval = 1;
};

class CRecurrencePatternWeeklyInt final : public CRecurrencePatternBase, public wqv2_data::CRecurrencePatternWeekly {
public:
    using CRecurrencePatternBase::CRecurrencePatternBase;
    void CopyFrom(const CRecurrencePatternBase& other) override;
    bool IsValid() const override;
    void WriteXml(CXmlParser* parser, CXmlElement* pattern) const override;
    int ReadXml(CXmlParser* parser, CXmlElement* pattern) override;
    void CollectDays(int64_t from, int64_t to, std::vector<TDate>& days) const override;
    wqv2_data::CRecurrencePattern* Public() override { return this; }

protected:
    bool Range(const SeriesRule& rule, int64_t& first, int64_t& last) override;

private:
    // Start of the occurrence week at or before the week of `day`.
    int64_t OccurrenceWeekOf(int64_t day) const;
    // The next occurrence after `day`, whose offset is m_offsets[index]; index follows.
    int64_t Step(int64_t day, size_t& index) const;

    int m_firstDayOfWeek = 0;
    int64_t m_weekSpan = 7;     // 7 x the interval
    int64_t m_anchor = 0;       // first day of the week that holds the series' start
    std::vector<int> m_offsets; // days after the week's first day, ascending, distinct
};

class CRecurrencePatternMonthlyInt final : public CRecurrencePatternBase, public wqv2_data::CRecurrencePatternMonthly {
public:
    using CRecurrencePatternBase::CRecurrencePatternBase;
    void CopyFrom(const CRecurrencePatternBase& other) override;
    bool IsValid() const override;
    void WriteXml(CXmlParser* parser, CXmlElement* pattern) const override;
    int ReadXml(CXmlParser* parser, CXmlElement* pattern) override;
    void CollectDays(int64_t from, int64_t to, std::vector<TDate>& days) const override;
    wqv2_data::CRecurrencePattern* Public() override { return this; }

protected:
    bool Range(const SeriesRule& rule, int64_t& first, int64_t& last) override;

private:
    int64_t Occurrence(int64_t monthIndex) const;

    int64_t m_interval = 1;
    int64_t m_firstMonth = 0; // month index of the first occurrence
};

class CRecurrencePatternYearlyInt final : public CRecurrencePatternBase, public wqv2_data::CRecurrencePatternYearly {
public:
    using CRecurrencePatternBase::CRecurrencePatternBase;
    void CopyFrom(const CRecurrencePatternBase& other) override;
    bool IsValid() const override;
    void WriteXml(CXmlParser* parser, CXmlElement* pattern) const override;
    int ReadXml(CXmlParser* parser, CXmlElement* pattern) override;
    void CollectDays(int64_t from, int64_t to, std::vector<TDate>& days) const override;
    wqv2_data::CRecurrencePattern* Public() override { return this; }

protected:
    bool Range(const SeriesRule& rule, int64_t& first, int64_t& last) override;

private:
    int64_t Occurrence(int64_t year) const;
};
