// The edit transaction and undo records, through QV2D.dll.
#include "DataTestEnv.h"

#include <climits>
#include <string>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

class TransactionTest : public DataTest {};

TEST_F(TransactionTest, Commit_modifyAndDeleteInOneStepCommitsOnlyTheDeletion)
{
    CResource* r = AddResource(L"R");
    CTask* t = AddTask(r, Day(3, 4), 480, Day(3, 4), 600, L"before");
    root->AddChangeListener(&RecordChange);

    ASSERT_EQ(Begin(L"edit and delete"), 0);
    ASSERT_EQ(t->MarkModified(), 0);
    t->SetName(L"after");
    ASSERT_EQ(t->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(r->Tasks->GetCount(), 0);
    EXPECT_EQ(Listened().calls, (std::vector<unsigned int>{ChangeBit(kKindTask)}));

    // Undoing the deletion brings the task back as it was before the edit.
    ASSERT_EQ(store.Undo(), 0);
    ASSERT_EQ(r->Tasks->GetCount(), 1);
    EXPECT_EQ(r->Tasks->GetAt(0), t);
    EXPECT_STREQ(t->Name, L"before");

    // The task left the modified list with its flag cleared: a later edit is recorded again.
    ASSERT_EQ(Begin(L"rename"), 0);
    ASSERT_EQ(t->MarkModified(), 0);
    t->SetName(L"renamed");
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_STREQ(t->Name, L"before");
}

TEST_F(TransactionTest, Rollback_restoresFieldsAndUndeletes)
{
    CResource* r = AddResource(L"R");
    CTask* t = AddTask(r, Day(3, 4), 480, Day(3, 4), 600, L"before");
    ASSERT_EQ(Begin(L"x"), 0);
    ASSERT_EQ(t->MarkModified(), 0);
    t->SetName(L"after");
    t->DateEnd = Day(3, 9);
    ASSERT_EQ(t->MarkDeleted(), 0);
    EXPECT_EQ(root->Rollback(), 0);
    EXPECT_STREQ(t->Name, L"before");
    EXPECT_EQ(t->DateEnd, Day(3, 4));
    EXPECT_EQ(r->Tasks->GetAt(0), t);
    // Not flagged as deleted any more: deleting it now works.
    ASSERT_EQ(Begin(), 0);
    ASSERT_EQ(t->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(r->Tasks->GetCount(), 0);
}

TEST_F(TransactionTest, Rollback_destroysAddedItemsTheContainerNeverSaw)
{
    CResource* r = AddResource(L"R");
    ASSERT_EQ(Begin(L"add"), 0);
    CTask* t = r->Tasks->CreateNew();
    t->DateStart = t->DateEnd = Day(3, 4);
    ASSERT_EQ(r->Tasks->Add(t), 0);
    EXPECT_EQ(t->ID, 1);
    EXPECT_EQ(r->Tasks->GetCount(), 0); // only the commit inserts
    // Added, then modified and deleted in the same transaction: the rollback must take it out
    // of every list before destroying it.
    ASSERT_EQ(t->MarkModified(), 0);
    ASSERT_EQ(t->MarkDeleted(), 0);
    root->Rollback();
    EXPECT_EQ(r->Tasks->GetCount(), 0);
    EXPECT_EQ(Commit(), kErrRolledBack);
    EXPECT_TRUE(store.undo.empty());
}

TEST_F(TransactionTest, Commit_afterRollbackGives3AndCallsNobody)
{
    CResource* r = AddResource(L"R");
    root->AddChangeListener(&RecordChange);
    ASSERT_EQ(Begin(L"x"), 0);
    r->MarkModified();
    root->Rollback();
    EXPECT_EQ(Commit(), kErrRolledBack);
    EXPECT_TRUE(Listened().calls.empty());
    EXPECT_TRUE(store.undo.empty());
}

TEST_F(TransactionTest, Commit_withoutTransactionGives3WithoutSideEffect)
{
    CResource* r = AddResource(L"R");
    root->AddChangeListener(&RecordChange);
    const int clears = store.clearCalls;
    EXPECT_EQ(Commit(), kErrRolledBack);
    EXPECT_EQ(Commit(), kErrRolledBack);
    EXPECT_TRUE(Listened().calls.empty());
    EXPECT_EQ(store.clearCalls, clears);
    // Registration outside a transaction is refused and changes nothing.
    EXPECT_EQ(r->MarkModified(), kErrTransaction);
    EXPECT_EQ(r->MarkDeleted(), kErrTransaction);
    CResource* fresh = root->Resources->CreateNew();
    fresh->SetName(L"F");
    EXPECT_EQ(root->Resources->Add(fresh), kErrTransaction);
    EXPECT_EQ(fresh->ID, 0);
    EXPECT_EQ(fresh->MarkDeleted(), 0); // never added: destroyed at once
    EXPECT_EQ(root->Resources->GetCount(nullptr), 1);
}

TEST_F(TransactionTest, MarkDeleted_neverAddedItemIsDestroyedAndNothingRegistered)
{
    CResource* r = AddResource(L"R");
    root->AddChangeListener(&RecordChange);
    ASSERT_EQ(Begin(L"nothing"), 0);
    CTask* t = r->Tasks->CreateNew();
    EXPECT_EQ(t->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_TRUE(Listened().calls.empty());
}

TEST_F(TransactionTest, MarkModified_neverAddedItemRegistersNothing)
{
    CResource* r = AddResource(L"R");
    root->AddChangeListener(&RecordChange);
    ASSERT_EQ(Begin(L"edit new"), 0);
    CTask* t = r->Tasks->CreateNew();
    t->DateStart = t->DateEnd = Day(3, 4);
    EXPECT_EQ(t->MarkModified(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_TRUE(Listened().calls.empty());
    EXPECT_EQ(r->Tasks->GetCount(), 0); // only Add brings a task into its set
    EXPECT_EQ(t->MarkDeleted(), 0);
}

TEST_F(TransactionTest, Commit_namedWithoutChangesStillPushesRecord)
{
    root->AddChangeListener(&RecordChange);
    ASSERT_EQ(Begin(L"Nothing at all"), 0);
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(store.undo.size(), 1u);
    EXPECT_EQ(store.TopUndoName(), L"Nothing at all");
    EXPECT_TRUE(Listened().calls.empty());
    ASSERT_EQ(store.pushUndoClearRedo.size(), 1u);
    EXPECT_TRUE(store.pushUndoClearRedo[0]);
}

TEST_F(TransactionTest, Commit_unnamedDiscardsTheHistory)
{
    CResource* r = AddResource(L"R");
    ASSERT_EQ(Begin(L"named"), 0);
    r->MarkModified();
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(store.undo.size(), 1u);
    const int freedBefore = store.freed;
    ASSERT_EQ(Begin(L""), 0);
    r->MarkModified();
    ASSERT_EQ(Commit(), 0);
    EXPECT_TRUE(store.undo.empty());
    EXPECT_EQ(store.freed, freedBefore + 1);
}

TEST_F(TransactionTest, UndoRecord_longNameCutTo255Characters)
{
    const std::wstring name(300, L'n');
    ASSERT_EQ(Begin(name.c_str()), 0);
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(store.undo.size(), 1u);
    const wqv2_undo::UndoRecord& record = store.undo.back();
    EXPECT_EQ(std::wstring(record.Name), std::wstring(255, L'n'));
    EXPECT_EQ(record.Name[255], L'\0');
    EXPECT_NE(record.Undo, nullptr);
    EXPECT_NE(record.Redo, nullptr);
    EXPECT_NE(record.Free, nullptr);
    EXPECT_NE(record.data, nullptr);
}

TEST_F(TransactionTest, Redo_replayPushesWithoutClearingRedo)
{
    CResource* r = AddResource(L"R");
    ASSERT_EQ(Begin(L"first"), 0);
    r->MarkModified();
    r->SetName(L"R1");
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(Begin(L"second"), 0);
    r->MarkModified();
    r->SetName(L"R2");
    ASSERT_EQ(Commit(), 0);

    ASSERT_EQ(store.Undo(), 0);
    EXPECT_STREQ(r->Name, L"R1");
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_STREQ(r->Name, L"R");
    EXPECT_EQ(store.pushRedoCalls, 2);
    ASSERT_EQ(store.redo.size(), 2u);
    EXPECT_EQ(std::wstring(store.redo.back().Name), L"first");

    store.pushUndoClearRedo.clear();
    ASSERT_EQ(store.Redo(), 0);
    EXPECT_STREQ(r->Name, L"R1");
    ASSERT_EQ(store.pushUndoClearRedo.size(), 1u);
    EXPECT_FALSE(store.pushUndoClearRedo[0]);
    EXPECT_EQ(store.redo.size(), 1u); // "second" is still there
    EXPECT_EQ(store.TopUndoName(), L"first");
    ASSERT_EQ(store.Redo(), 0);
    EXPECT_STREQ(r->Name, L"R2");

    // A new edit clears the redo stack.
    ASSERT_EQ(store.Undo(), 0);
    ASSERT_EQ(Begin(L"third"), 0);
    r->MarkModified();
    ASSERT_EQ(Commit(), 0);
    EXPECT_TRUE(store.pushUndoClearRedo.back());
    EXPECT_TRUE(store.redo.empty());
}

TEST_F(TransactionTest, IsModified_savedDistanceWithNamedEdits)
{
    CResource* r = AddResource(L"R");
    root->Command(kCmdClearModified, nullptr); // as after a save
    EXPECT_FALSE(root->IsModified());
    ASSERT_EQ(Begin(L"a"), 0);
    r->MarkModified();
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(Begin(L"b"), 0);
    r->MarkModified();
    ASSERT_EQ(Commit(), 0);
    EXPECT_TRUE(root->IsModified());
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_TRUE(root->IsModified());
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_FALSE(root->IsModified());
    ASSERT_EQ(store.Redo(), 0);
    EXPECT_TRUE(root->IsModified());
}

TEST_F(TransactionTest, IsModified_unnamedEditKeepsProjectModifiedThroughUndo)
{
    CResource* r = AddResource(L"R");
    root->Command(kCmdClearModified, nullptr);
    ASSERT_EQ(Begin(L""), 0);
    r->MarkModified();
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(Begin(L"named"), 0);
    r->MarkModified();
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_TRUE(root->IsModified());
    root->Command(kCmdClearModified, nullptr);
    EXPECT_FALSE(root->IsModified());
}

TEST_F(TransactionTest, Undo_addThenDeleteInOneEditBringsNothingBack)
{
    CResource* r = AddResource(L"R");
    ASSERT_EQ(Begin(L"add and drop"), 0);
    CTask* t = r->Tasks->CreateNew();
    t->DateStart = t->DateEnd = Day(3, 4);
    ASSERT_EQ(r->Tasks->Add(t), 0);
    ASSERT_EQ(t->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(r->Tasks->GetCount(), 0);
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_EQ(r->Tasks->GetCount(), 0);
}

TEST_F(TransactionTest, Undo_failedReplayRollsBackAndKeepsTheStep)
{
    CResource* a = AddResource(L"A");
    CResource* b = AddResource(L"B");
    ASSERT_EQ(Begin(L"delete"), 0);
    ASSERT_EQ(b->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(root->Resources->GetCount(nullptr), 1);

    // The deleted resource lives on in the step; with an empty name it cannot be added again.
    b->SetName(L"");
    EXPECT_EQ(store.Undo(), kErrInvalid);
    EXPECT_EQ(Commit(), kErrRolledBack); // no transaction left open
    EXPECT_EQ(root->Resources->GetCount(nullptr), 1);
    EXPECT_EQ(root->Resources->GetAt(0), a);
    ASSERT_EQ(store.undo.size(), 1u);

    // The step still owns the resource: mended, the undo goes through.
    b->SetName(L"B");
    ASSERT_EQ(store.Undo(), 0);
    ASSERT_EQ(root->Resources->GetCount(nullptr), 2);
    EXPECT_EQ(root->Resources->GetAt(1), b);
}

TEST_F(TransactionTest, Add_idRules)
{
    ASSERT_EQ(Begin(), 0);
    CFilter* seven = root->Filters->CreateNew();
    seven->SetName(L"seven");
    seven->ID = 7;
    ASSERT_EQ(root->Filters->Add(seven), 0);
    CFilter* next = root->Filters->CreateNew();
    next->SetName(L"next");
    ASSERT_EQ(root->Filters->Add(next), 0);
    EXPECT_EQ(seven->ID, 7);
    EXPECT_EQ(next->ID, 8);
    ASSERT_EQ(Commit(), 0);

    for (int bad : {-5, INT_MAX}) {
        ASSERT_EQ(Begin(), 0);
        CFilter* f = root->Filters->CreateNew();
        f->SetName(L"bad");
        f->ID = bad;
        EXPECT_EQ(root->Filters->Add(f), kErrInvalid) << bad;
        EXPECT_EQ(Commit(), kErrRolledBack); // the refusal rolled the transaction back
        f->ID = 0;                           // still the caller's: never added
        f->MarkDeleted();
    }

    // The counter stops below INT_MAX instead of wrapping.
    ASSERT_EQ(Begin(), 0);
    CFilter* last = root->Filters->CreateNew();
    last->SetName(L"last");
    last->ID = INT_MAX - 1;
    ASSERT_EQ(root->Filters->Add(last), 0);
    CFilter* beyond = root->Filters->CreateNew();
    beyond->SetName(L"beyond");
    EXPECT_EQ(root->Filters->Add(beyond), kErrInvalid);
    EXPECT_EQ(beyond->ID, 0);
    beyond->MarkDeleted();
    EXPECT_EQ(root->Filters->GetCount(), 2);
}

TEST_F(TransactionTest, Add_sameItemTwiceIsRefused)
{
    CResource* r = AddResource(L"R");
    ASSERT_EQ(Begin(), 0);
    EXPECT_EQ(root->Resources->Add(r), kErrTransaction); // already in the list
    CTask* t = r->Tasks->CreateNew();
    t->DateStart = t->DateEnd = Day(3, 4);
    ASSERT_EQ(r->Tasks->Add(t), 0);
    EXPECT_EQ(r->Tasks->Add(t), kErrTransaction); // already registered
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(r->Tasks->GetCount(), 1);
}

} // namespace
