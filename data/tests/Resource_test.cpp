// Resources: the deletion cascade and its undo, copies and the task-window entries, through
// QV2D.dll.
#include "DataTestEnv.h"

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

class ResourceTest : public DataTest {
protected:
    CFilter* AddFilter(const wchar_t* name, CResource* excluded)
    {
        if (Begin() != 0)
            return nullptr;
        CFilter* f = root->Filters->CreateNew();
        f->SetName(name);
        if (excluded)
            f->SetExcludedResources(&excluded, 1);
        if (root->Filters->Add(f) != 0 || Commit() != 0)
            return nullptr;
        return f;
    }
    CRecurrence* AddSeries(CResource* r, TDate start)
    {
        if (Begin() != 0)
            return nullptr;
        CRecurrence* series = r->Recurrences->CreateNew();
        series->DateStart = start;
        series->Duration = 60;
        if (r->Recurrences->Add(series) != 0 || Commit() != 0)
            return nullptr;
        return series;
    }
};

TEST_F(ResourceTest, MarkDeleted_cascadeAndItsUndo)
{
    CResource* keep = AddResource(L"keep");
    CResource* r = AddResource(L"doomed");
    CTask* t1 = AddTask(r, Day(7, 1), 0, Day(7, 1), 60, L"t1");
    CTask* t2 = AddTask(r, Day(7, 2), 0, Day(7, 2), 60, L"t2");
    CRecurrence* series = AddSeries(r, Day(7, 1));
    ASSERT_TRUE(series);
    ASSERT_EQ(Begin(), 0);
    ASSERT_EQ(t2->MarkModified(), 0);
    t2->Recurrence = series; // detached from the series
    ASSERT_EQ(Commit(), 0);
    CFilter* excluding = AddFilter(L"without doomed", r);
    CFilter* other = AddFilter(L"without keep", keep);
    root->AddChangeListener(&RecordChange);

    ASSERT_EQ(Begin(L"delete resource"), 0);
    ASSERT_EQ(r->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 1);
    EXPECT_EQ(root->Resources->GetAt(0), keep);
    EXPECT_EQ(r->Tasks->GetCount(), 0);
    EXPECT_EQ(r->Recurrences->GetCount(), 0);
    EXPECT_EQ(excluding->GetExcludedResourceCount(), 0);
    EXPECT_EQ(other->GetExcludedResourceCount(), 1);
    EXPECT_EQ(Listened().calls, (std::vector<unsigned int>{ChangeBit(kKindResource) | ChangeBit(kKindRecurrence) |
                                                           ChangeBit(kKindTask) | ChangeBit(kKindFilter)}));

    ASSERT_EQ(store.Undo(), 0);
    ASSERT_EQ(root->Resources->GetCount(nullptr), 2);
    EXPECT_EQ(root->Resources->GetAt(0), keep);
    EXPECT_EQ(root->Resources->GetAt(1), r);
    ASSERT_EQ(r->Tasks->GetCount(), 2);
    EXPECT_EQ(r->Tasks->GetAt(0), t1);
    EXPECT_EQ(r->Tasks->GetAt(1), t2);
    ASSERT_EQ(r->Recurrences->GetCount(), 1);
    EXPECT_EQ(r->Recurrences->GetAt(0), series);
    // The detached task is linked to its series again.
    EXPECT_EQ(t2->Recurrence, series);
    ASSERT_EQ(excluding->GetExcludedResourceCount(), 1);
    CResource* excluded = nullptr;
    excluding->GetExcludedResources(&excluded);
    EXPECT_EQ(excluded, r);
    EXPECT_TRUE(root->Resources->ContainsTask(t1));

    ASSERT_EQ(store.Redo(), 0);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 1);
    EXPECT_EQ(excluding->GetExcludedResourceCount(), 0);
    EXPECT_FALSE(root->Resources->ContainsTask(t1));
}

TEST_F(ResourceTest, MarkDeleted_ofASeriesUnlinksItsTasksAndUndoRelinks)
{
    CResource* r = AddResource(L"R");
    CRecurrence* series = AddSeries(r, Day(7, 1));
    CTask* t = AddTask(r, Day(7, 2), 0, Day(7, 2), 60, L"detached");
    ASSERT_EQ(Begin(), 0);
    t->MarkModified();
    t->Recurrence = series;
    ASSERT_EQ(Commit(), 0);

    ASSERT_EQ(Begin(L"delete series"), 0);
    ASSERT_EQ(series->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(t->Recurrence, nullptr);
    EXPECT_EQ(r->Recurrences->GetCount(), 0);
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_EQ(t->Recurrence, series);
    EXPECT_EQ(r->Recurrences->GetCount(), 1);
}

TEST_F(ResourceTest, MarkDeleted_rollbackRestoresEverything)
{
    CResource* r = AddResource(L"R");
    CTask* t = AddTask(r, Day(7, 1), 0, Day(7, 1), 60);
    CFilter* f = AddFilter(L"F", r);
    ASSERT_EQ(Begin(L"delete"), 0);
    ASSERT_EQ(r->MarkDeleted(), 0);
    EXPECT_EQ(f->GetExcludedResourceCount(), 0); // changed at once, restored by the rollback
    root->Rollback();
    EXPECT_EQ(f->GetExcludedResourceCount(), 1);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 1);
    EXPECT_EQ(r->Tasks->GetAt(0), t);
    // Nothing stays flagged: the same deletion works now.
    ASSERT_EQ(Begin(), 0);
    ASSERT_EQ(r->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 0);
}

TEST_F(ResourceTest, CopyFrom_movesNoTasks)
{
    CResource* a = AddResource(L"A");
    CResource* b = AddResource(L"B");
    AddTask(b, Day(7, 1), 0, Day(7, 1), 60);
    b->Position = 9;
    b->CostsFixed = 2.5;
    b->SetUserFieldValue(L"f", L"v");
    CTasks* tasksOfA = a->Tasks;
    ASSERT_EQ(Begin(L"copy"), 0);
    ASSERT_EQ(a->MarkModified(), 0);
    a->CopyFrom(b);
    ASSERT_EQ(Commit(), 0);
    EXPECT_STREQ(a->Name, L"B");
    EXPECT_EQ(a->ID, 1);
    EXPECT_EQ(a->Position, 9);
    EXPECT_EQ(a->CostsFixed, 2.5);
    EXPECT_STREQ(a->GetUserFieldValue(L"f"), L"v");
    EXPECT_EQ(a->Tasks, tasksOfA);
    EXPECT_EQ(a->Tasks->GetCount(), 0);
    EXPECT_EQ(b->Tasks->GetCount(), 1);
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_STREQ(a->Name, L"A");
    EXPECT_EQ(a->GetUserFieldCount(), 0);
}

TEST_F(ResourceTest, GetTasksInWindow_countOnlyAgreesWithCount)
{
    CResource* r = AddResource(L"R");
    const TDate d = Day(7, 1);
    AddTask(r, d, 0, d, 60, L"a");
    AddTask(r, d + 1, 0, d + 1, 60, L"b");
    AddTask(r, d + 5, 0, d + 5, 60, L"c");
    EXPECT_EQ(r->CountTasksInWindow(d, 0, d + 2, 0, nullptr), 2);
    EXPECT_EQ(r->GetTasksInWindow(nullptr, d, 0, d + 2, 0, nullptr), 2);
    TaskOccurrence out[3] = {};
    ASSERT_EQ(r->GetTasksInWindow(out, d, 0, d + 2, 0, nullptr), 2);
    EXPECT_EQ(out[0].day, static_cast<int>(static_cast<uint32_t>(d)));
    EXPECT_STREQ(out[0].task->Name, L"a");
    EXPECT_EQ(out[1].day, static_cast<int>(static_cast<uint32_t>(d + 1)));
    EXPECT_EQ(out[2].task, nullptr);
    EXPECT_EQ(r->CountTasksInWindow(d + 2, 0, d, 0, nullptr), 0);
}

TEST_F(ResourceTest, Add_emptyNameRefused)
{
    ASSERT_EQ(Begin(), 0);
    CResource* ok = root->Resources->CreateNew();
    ok->SetName(L"ok");
    ASSERT_EQ(root->Resources->Add(ok), 0);
    CResource* unnamed = root->Resources->CreateNew();
    EXPECT_EQ(root->Resources->Add(unnamed), kErrInvalid);
    EXPECT_EQ(Commit(), kErrRolledBack); // the whole transaction went, "ok" with it
    EXPECT_EQ(root->Resources->GetCount(nullptr), 0);
    unnamed->MarkDeleted();
}

TEST_F(ResourceTest, Texts_nullCountsAsEmpty)
{
    CResource* r = root->Resources->CreateNew();
    EXPECT_STREQ(r->Name, L"");
    EXPECT_STREQ(r->SetName(nullptr), L"");
    EXPECT_STREQ(r->SetNote(nullptr), L"");
    r->SetUserFieldValue(L"k", nullptr);
    EXPECT_EQ(r->GetUserFieldCount(), 0);
    EXPECT_EQ(r->MarkDeleted(), 0);
}

} // namespace
