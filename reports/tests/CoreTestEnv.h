#pragma once
// The fixture of the framework tests: the plug-in's code linked into the test program, which is
// its host (HostDouble.h); resources from the viewer's resource library; a fixed clock
// (17 May 2026, 14:30), the English (US) locale for the date module, and pinned date and time
// pictures, so no result depends on the machine.

#include "HostDouble.h"
#include "ReportTestSupport.h"

#include "DateTimeEnv.h"

#include <gtest/gtest.h>

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The plug-in's report filter for the test; null afterwards.
    void UseReportFilter(wqv2_data::CFilter* filter);

private:
    unsigned long m_locale = 0;
};

constexpr unsigned long kEnglishUS = 0x0409;
constexpr unsigned long kGerman = 0x0407;
