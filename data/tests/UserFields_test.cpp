// The value walk of user-field definitions: renaming and removing a field reaches every
// resource, task and series template, marks what it changes and nothing else, and undoes as one
// step; through QV2D.dll.
#include "DataTestEnv.h"

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

class UserFieldsTest : public DataTest {
protected:
    void SetUp() override
    {
        DataTest::SetUp();
        s = root->ProjectSettings;
        a = AddResource(L"A");
        b = AddResource(L"B");
        ASSERT_TRUE(a && b);
        ASSERT_EQ(Begin(), 0);
        ASSERT_EQ(s->MarkModified(), 0);
        ASSERT_EQ(s->AddUserField(kUserFieldsTask, L"Order", L"QV2UDFInt"), 0);
        ASSERT_EQ(s->AddUserField(kUserFieldsResource, L"Cost centre", L""), 0);
        ASSERT_EQ(s->MarkModified(), 0);
        ASSERT_EQ(a->MarkModified(), 0);
        a->SetUserFieldValue(L"Cost centre", L"4711");
        with = a->Tasks->CreateNew();
        with->DateStart = with->DateEnd = Day(9, 2);
        with->SetUserFieldValue(L"Order", L"17");
        ASSERT_EQ(a->Tasks->Add(with), 0);
        without = b->Tasks->CreateNew();
        without->DateStart = without->DateEnd = Day(9, 3);
        without->SetName(L"plain");
        ASSERT_EQ(b->Tasks->Add(without), 0);
        series = b->Recurrences->CreateNew();
        series->DateStart = Day(9, 2);
        series->Task->SetUserFieldValue(L"Order", L"99");
        ASSERT_EQ(b->Recurrences->Add(series), 0);
        ASSERT_EQ(Commit(), 0);
    }

    CProjectSettings* s = nullptr;
    CResource* a = nullptr;
    CResource* b = nullptr;
    CTask* with = nullptr;
    CTask* without = nullptr;
    CRecurrence* series = nullptr;
};

TEST_F(UserFieldsTest, Rename_movesTaskAndTemplateValues)
{
    ASSERT_EQ(Begin(L"rename"), 0);
    ASSERT_EQ(s->MarkModified(), 0);
    ASSERT_EQ(s->RenameUserField(kUserFieldsTask, L"Order", L"Order no.", L"QV2UDFText"), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 0), L"Order no.");
    EXPECT_EQ(with->GetUserFieldValue(L"Order"), nullptr);
    EXPECT_STREQ(with->GetUserFieldValue(L"Order no."), L"17");
    EXPECT_STREQ(series->Task->GetUserFieldValue(L"Order no."), L"99");
    EXPECT_STREQ(a->GetUserFieldValue(L"Cost centre"), L"4711"); // the other kind stays

    // One step brings back the definition and every value.
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 0), L"Order");
    EXPECT_STREQ(s->GetUserFieldType(kUserFieldsTask, 0), L"QV2UDFInt");
    EXPECT_STREQ(with->GetUserFieldValue(L"Order"), L"17");
    EXPECT_STREQ(series->Task->GetUserFieldValue(L"Order"), L"99");
    EXPECT_EQ(series->Task->GetUserFieldValue(L"Order no."), nullptr);
}

TEST_F(UserFieldsTest, Rename_leavesObjectsWithoutTheValueUnmarked)
{
    ASSERT_EQ(Begin(), 0);
    ASSERT_EQ(s->MarkModified(), 0);
    ASSERT_EQ(s->RenameUserField(kUserFieldsTask, L"Order", L"Ref", L""), 0);
    // Changed behind the transaction's back: only a marked task would get its old name back.
    without->SetName(L"changed");
    with->SetName(L"changed");
    root->Rollback();
    EXPECT_STREQ(without->Name, L"changed");
    EXPECT_STREQ(with->Name, L"");
    EXPECT_STREQ(with->GetUserFieldValue(L"Order"), L"17");
}

TEST_F(UserFieldsTest, RenameResourceField_andRemove)
{
    ASSERT_EQ(Begin(L"resource field"), 0);
    ASSERT_EQ(s->MarkModified(), 0);
    ASSERT_EQ(s->RenameUserField(kUserFieldsResource, L"Cost centre", L"Centre", L""), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_STREQ(a->GetUserFieldValue(L"Centre"), L"4711");
    EXPECT_EQ(b->GetUserFieldCount(), 0);

    ASSERT_EQ(Begin(L"remove"), 0);
    ASSERT_EQ(s->MarkModified(), 0);
    EXPECT_EQ(s->RemoveUserField(kUserFieldsTask, L"unknown"), 0);
    ASSERT_EQ(s->RemoveUserField(kUserFieldsTask, L"Order"), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(s->GetUserFieldCount(kUserFieldsTask), 0);
    EXPECT_EQ(with->GetUserFieldCount(), 0);
    EXPECT_EQ(series->Task->GetUserFieldCount(), 0);
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_STREQ(series->Task->GetUserFieldValue(L"Order"), L"99");
    EXPECT_EQ(s->GetUserFieldCount(kUserFieldsTask), 1);
}

TEST_F(UserFieldsTest, Rename_outsideTransactionFailsAtTheFirstValue)
{
    // The walk cannot mark the first holder of a value without a transaction.
    EXPECT_EQ(s->RenameUserField(kUserFieldsTask, L"Order", L"Ref", L""), kErrTransaction);
    EXPECT_STREQ(with->GetUserFieldValue(L"Order"), L"17");
}

} // namespace
