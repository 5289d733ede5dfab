#pragma once
// A fixed clock and an explicit locale for the date tests, restored after each test.

#include "DateTimeEnv.h"

#include <gtest/gtest.h>

constexpr unsigned long kEnglishUS = 0x0409; // month-day-year, 12-hour clock
constexpr unsigned long kGerman = 0x0407;    // day.month.year, 24-hour clock
constexpr unsigned long kJapanese = 0x0411;  // year/month/day

inline datetime::LocalClock FixedNow() { return {2026, 5, 17, 14, 30}; }

class DateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        datetime::SetClock(&FixedNow);
        m_previous = datetime::SetLocale(kEnglishUS);
    }
    void TearDown() override
    {
        datetime::SetClock(nullptr);
        datetime::SetLocale(m_previous);
    }
    void UseLocale(unsigned long lcid) { datetime::SetLocale(lcid); }

private:
    unsigned long m_previous = 0;
};
