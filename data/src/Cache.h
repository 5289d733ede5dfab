#pragma once
// Result caches of the calendar and recurrence classes. They are emptied by the refresh after a
// load and after every commit that changed something, never updated in place.

#include "TDate.h"

class CCacheBase {
public:
    virtual ~CCacheBase() = default;
    virtual void SetValid(bool valid) { m_valid = valid; }
    virtual bool IsValid() const { return m_valid; }
    virtual void Invalidate() { m_valid = false; }

private:
    bool m_valid = false;
};

// Keyed by a date-time period (from-day, from-minute, to-day, to-minute).
class CCacheDateTimePeriod : public CCacheBase {
public:
    void SetKey(TDate fromDay, int fromMinute, TDate toDay, int toMinute)
    {
        m_fromDay = fromDay;
        m_fromMinute = fromMinute;
        m_toDay = toDay;
        m_toMinute = toMinute;
    }
    // True only when valid and every part equals the key.
    virtual bool Matches(TDate fromDay, int fromMinute, TDate toDay, int toMinute) const
    {
        return IsValid() && m_fromDay == static_cast<uint32_t>(fromDay) && m_fromMinute == fromMinute &&
               m_toDay == static_cast<uint32_t>(toDay) && m_toMinute == toMinute;
    }

private:
    uint32_t m_fromDay = 0;
    int m_fromMinute = 0;
    uint32_t m_toDay = 0;
    int m_toMinute = 0;
};
