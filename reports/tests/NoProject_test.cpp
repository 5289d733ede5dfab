// Reports run before the viewer handed over a data root (or with none at all): every output
// answers from empty lists instead of failing.
#include "CoreTestEnv.h"

#include "base/RListBase.h"
#include "common/ValueFormat.h"
#include "filters/FiltersReport.h"
#include "plugin/PluginState.h"

namespace {

class NoProjectTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        ForgetDataRoot();
    }
};

TEST_F(NoProjectTest, ListBase_noOccurrencesAndZeroSums)
{
    CRListBase report;
    EXPECT_EQ(report.ScratchTask, nullptr);
    std::vector<TaskOccurrence> out;
    int duration = -1;
    double costs = -1.0;
    EXPECT_EQ(report.CollectTasks(out, &duration, nullptr, &costs), 0);
    EXPECT_EQ(duration, 0);
    EXPECT_EQ(costs, 0.0);
    EXPECT_EQ(FormatCosts(3.0), L"3.00"); // no project currency
}

TEST_F(NoProjectTest, FiltersReport_headerOnlyAndTheEmptyPage)
{
    rtest::CTempFolder folder;
    ASSERT_EQ(FiltersReport().exportFile(folder.File(L"f.txt").c_str()), 0);
    EXPECT_EQ(rtest::ReadUtf16(folder.File(L"f.txt")),
              L"Filter\tResource name\tResource note\tTask name\tTask note\tResources\r\n");
    ASSERT_EQ(FiltersReport().html(folder.File(L"f.htm").c_str()), 0);
    EXPECT_NE(rtest::ReadUtf16(folder.File(L"f.htm")).find(L"<p>There is nothing to list.</p>"), std::wstring::npos);
}

} // namespace
