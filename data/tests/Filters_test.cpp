// Filters: the pattern test, hidden tasks and resources, copies, through QV2D.dll.
#include "DataTestEnv.h"

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

class FiltersTest : public DataTest {
protected:
    CFilter* NewFilter()
    {
        CFilter* f = root->Filters->CreateNew();
        m_scratch.push_back(f);
        return f;
    }
    void TearDown() override
    {
        for (CFilter* f : m_scratch)
            f->MarkDeleted();
        DataTest::TearDown();
    }

private:
    std::vector<CFilter*> m_scratch;
};

TEST_F(FiltersTest, IsTaskHidden_patternRules)
{
    CTask* t = nullptr;
    root->Command(kCmdNewTask, &t);
    CFilter* f = NewFilter();
    EXPECT_EQ(f->IsTaskHidden(t), 0); // empty patterns hide nothing, empty texts included
    t->SetName(L"xxABCyy");
    f->SetTaskName(L"abc");
    EXPECT_EQ(f->IsTaskHidden(t), 0);
    f->SetTaskName(L"ab c");
    EXPECT_EQ(f->IsTaskHidden(t), 1);
    t->SetName(L"\u00E9t\u00E9");
    f->SetTaskName(L"\u00C9");
    EXPECT_EQ(f->IsTaskHidden(t), 1); // only a-z fold
    f->SetTaskName(L"");
    f->SetTaskNote(L"x");
    EXPECT_EQ(f->IsTaskHidden(t), 1); // a pattern hides every empty note
    t->SetNote(L"aXb");
    EXPECT_EQ(f->IsTaskHidden(t), 0);
    t->MarkDeleted();
}

TEST_F(FiltersTest, TextPatterns_foldOnlyLettersAToZ)
{
    CTask* t = nullptr;
    root->Command(kCmdNewTask, &t);
    CFilter* f = NewFilter();
    const auto hidden = [&](const wchar_t* name, const wchar_t* pattern) {
        t->SetName(name);
        f->SetTaskName(pattern);
        return f->IsTaskHidden(t) != 0;
    };
    EXPECT_FALSE(hidden(L"Zebra", L"zEB"));
    EXPECT_FALSE(hidden(L"aaab", L"aab")); // a partial match earlier in the text does not end the search
    EXPECT_TRUE(hidden(L"[x]", L"{X}"));   // neighbours of the letters differ by the same bit
    EXPECT_TRUE(hidden(L"@home", L"`HOME"));
    EXPECT_TRUE(hidden(L"\u00C4rger", L"\u00E4"));
    EXPECT_TRUE(hidden(L"ab", L"abc"));
    EXPECT_TRUE(hidden(L"", L"a"));
    t->MarkDeleted();
}

TEST_F(FiltersTest, NullArguments_countAsEmpty)
{
    CResource* a = AddResource(L"A");
    CFilter* f = NewFilter();
    EXPECT_STREQ(f->SetName(nullptr), L"");
    EXPECT_STREQ(f->SetTaskNote(nullptr), L"");
    f->SetExcludedResources(&a, 1);
    f->SetExcludedResources(nullptr, 3);
    EXPECT_EQ(f->GetExcludedResourceCount(), 0);
    f->SetExcludedResources(&a, -1);
    EXPECT_EQ(f->GetExcludedResourceCount(), 0);
    f->SetExcludedResources(&a, 1);
    EXPECT_EQ(f->GetExcludedResources(nullptr), 1);
    EXPECT_EQ(f->IsTaskHidden(nullptr), 0);
    EXPECT_FALSE(f->IsResourceHidden(nullptr));
}

TEST_F(FiltersTest, IsResourceHidden_exclusionWinsOverPatterns)
{
    CResource* a = AddResource(L"Alpha");
    CResource* b = AddResource(L"Beta");
    CFilter* f = NewFilter();
    f->SetResourceName(L"ALP");
    EXPECT_FALSE(f->IsResourceHidden(a));
    EXPECT_TRUE(f->IsResourceHidden(b));
    f->SetExcludedResources(&a, 1);
    EXPECT_TRUE(f->IsResourceHidden(a));
    CResource* twice[] = {a, a, b};
    f->SetExcludedResources(twice, 3);
    EXPECT_EQ(f->GetExcludedResourceCount(), 2);
    f->SetExcludedResources(twice, 0);
    EXPECT_EQ(f->GetExcludedResourceCount(), 0);
}

TEST_F(FiltersTest, CopyFrom_keepsOwnId)
{
    CResource* a = AddResource(L"A");
    Begin();
    CFilter* source = root->Filters->CreateNew();
    source->SetName(L"Source");
    source->SetTaskNote(L"note");
    source->SetExcludedResources(&a, 1);
    ASSERT_EQ(root->Filters->Add(source), 0);
    CFilter* target = root->Filters->CreateNew();
    target->SetName(L"Target");
    ASSERT_EQ(root->Filters->Add(target), 0);
    ASSERT_EQ(Commit(), 0);

    Begin(L"copy");
    ASSERT_EQ(target->MarkModified(), 0);
    target->CopyFrom(source);
    target->CopyFrom(target);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(target->ID, 2);
    EXPECT_STREQ(target->Name, L"Source");
    EXPECT_STREQ(target->TaskNote, L"note");
    EXPECT_STREQ(target->TaskName, L"");
    EXPECT_EQ(target->GetExcludedResourceCount(), 1);
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_STREQ(target->Name, L"Target");
    EXPECT_EQ(target->GetExcludedResourceCount(), 0);
    EXPECT_TRUE(root->Filters->Contains(target));
    EXPECT_EQ(root->Filters->GetAt(1), target);
}

// One project: resource "Kitchen" with a task "Clean oven" and a daily series "Cook lunch";
// resource "Office" with a task "Clean desk".
class FilterQueriesTest : public FiltersTest {
protected:
    void SetUp() override
    {
        FiltersTest::SetUp();
        kitchen = AddResource(L"Kitchen");
        office = AddResource(L"Office");
        ASSERT_TRUE(kitchen && office);
        oven = AddTask(kitchen, Day(9, 2), 480, Day(9, 2), 600, L"Clean oven");
        desk = AddTask(office, Day(9, 3), 480, Day(9, 3), 600, L"Clean desk");
        ASSERT_EQ(Begin(), 0);
        lunch = kitchen->Recurrences->CreateNew();
        lunch->DateStart = Day(9, 1);
        lunch->TimeStart = 720;
        lunch->Duration = 60;
        lunch->Task->SetName(L"Cook lunch");
        ASSERT_EQ(kitchen->Recurrences->Add(lunch), 0);
        ASSERT_EQ(Commit(), 0);
    }
    int Window(CResource* r, CFilter* f) { return r->CountTasksInWindow(from, 0, to, 0, f); }

    const TDate from = Day(9, 1);
    const TDate to = Day(9, 8); // seven lunches
    CResource* kitchen = nullptr;
    CResource* office = nullptr;
    CTask* oven = nullptr;
    CTask* desk = nullptr;
    CRecurrence* lunch = nullptr;
};

TEST_F(FilterQueriesTest, TaskPattern_hidesTasksAndSeriesInEveryQuery)
{
    CFilter* f = NewFilter();
    f->SetTaskName(L"clean");
    EXPECT_EQ(kitchen->Tasks->CountInWindow(from, 0, to, 0, f), 1);
    CTask* shown = nullptr;
    ASSERT_EQ(office->Tasks->GetInWindow(&shown, from, 0, to, 0, f), 1);
    EXPECT_EQ(shown, desk);
    EXPECT_EQ(lunch->CountOccurrences(from, 0, to, 0, f, false), 0);
    EXPECT_EQ(Window(kitchen, nullptr), 8);
    EXPECT_EQ(Window(kitchen, f), 1);
    f->SetTaskName(L"LUNCH");
    EXPECT_EQ(kitchen->Tasks->CountInWindow(from, 0, to, 0, f), 0);
    EXPECT_EQ(Window(kitchen, f), 7);
    TaskOccurrence entries[8] = {};
    ASSERT_EQ(kitchen->GetTasksInWindow(entries, from, 0, to, 0, f), 7);
    EXPECT_EQ(entries[0].task, lunch->Task);
    EXPECT_EQ(Window(office, f), 0);
    // Every resource stays listed: task patterns do not hide rows.
    EXPECT_EQ(root->Resources->GetCount(f), 2);
}

TEST_F(FilterQueriesTest, HiddenResource_dropsRowAndSeriesButNotOwnTasks)
{
    CFilter* f = NewFilter();
    f->SetExcludedResources(&kitchen, 1);
    EXPECT_EQ(root->Resources->GetCount(f), 1);
    CResource* rows[2] = {};
    ASSERT_EQ(root->Resources->GetAll(rows, f), 1);
    EXPECT_EQ(rows[0], office);
    EXPECT_EQ(root->Resources->GetAt(0), kitchen); // the unfiltered list
    // A series of a hidden resource has no occurrences, even for a window already answered.
    EXPECT_EQ(lunch->CountOccurrences(from, 0, to, 0, nullptr, true), 7);
    EXPECT_EQ(lunch->CountOccurrences(from, 0, to, 0, f, true), 0);
    TDate days[7] = {};
    EXPECT_EQ(lunch->GetOccurrences(days, from, 0, to, 0, f, true), 0);
    // The resource's own tasks answer to the task patterns alone.
    EXPECT_EQ(Window(kitchen, f), 1);

    f->SetExcludedResources(nullptr, 0);
    f->SetResourceNote(L"ground floor");
    EXPECT_EQ(root->Resources->GetCount(f), 0);
    ASSERT_EQ(Begin(), 0);
    ASSERT_EQ(office->MarkModified(), 0);
    office->SetNote(L"Ground Floor, room 2");
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(root->Resources->GetAll(rows, f), 1);
    EXPECT_EQ(rows[0], office);
}

TEST_F(FilterQueriesTest, StandAloneSeries_onlyItsTemplateCounts)
{
    // A series without a resource: no resource to hide, the template's texts decide.
    CRecurrence* s = nullptr;
    root->Command(kCmdNewRecurrence, &s);
    s->DateStart = from;
    s->Task->SetName(L"Cook lunch");
    s->UpdateRange();
    CFilter* f = NewFilter();
    f->SetResourceName(L"nothing matches this");
    EXPECT_EQ(s->CountOccurrences(from, 0, to, 0, f, false), 7);
    f->SetTaskNote(L"x");
    EXPECT_EQ(s->CountOccurrences(from, 0, to, 0, f, false), 0);
    s->MarkDeleted();
}

} // namespace
