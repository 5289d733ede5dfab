// Placeholders of titles, headers and footers.
#include "CoreTestEnv.h"

#include "base/RBase.h"

namespace {

using RBaseTest = ReportTest;

TEST_F(RBaseTest, ExpandPlaceholders_tokensInTurn)
{
    CRBase report;
    report.Title = L"Filters";
    EXPECT_EQ(report.ReportDate, rtest::Day(5, 17));
    EXPECT_EQ(report.ReportTime.minutes, 14 * 60 + 30);
    EXPECT_EQ(report.ExpandPlaceholders(L"%ti, %ds %ts, page %pc of %pt; %ds", 3, 7),
              L"Filters, 2026-05-17 14:30, page 3 of 7; 2026-05-17");
    EXPECT_EQ(report.ExpandPlaceholders(L"%dl", 0, 0), L"Sunday, May 17, 2026");
    EXPECT_EQ(report.ExpandPlaceholders(L"100% %x %", 1, 1), L"100% %x %");
}

TEST_F(RBaseTest, ExpandPlaceholders_insertedTitleIsNotSearchedAgain)
{
    CRBase report;
    report.Title = L"Report %ds %ti";
    EXPECT_EQ(report.ExpandPlaceholders(L"[%ti][%ti]", 1, 1), L"[Report %ds %ti][Report %ds %ti]");
}

TEST_F(RBaseTest, ExpandPlaceholders_valuesAreCutTo1023Characters)
{
    CRBase report;
    report.Title = std::wstring(2000, L'a');
    EXPECT_EQ(report.ExpandPlaceholders(L"%ti|", 1, 1), std::wstring(1023, L'a') + L"|");
}

} // namespace
