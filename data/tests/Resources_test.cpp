// The resource list: display order, filtered listings and the keep masks, through QV2D.dll.
#include "DataTestEnv.h"

#include <string>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

class ResourcesTest : public DataTest {
protected:
    std::wstring Names(CFilter* filter = nullptr)
    {
        const int count = root->Resources->GetCount(filter);
        std::vector<CResource*> out(static_cast<size_t>(count));
        EXPECT_EQ(root->Resources->GetAll(out.data(), filter), count);
        std::wstring names;
        for (CResource* r : out)
            names += r->Name;
        return names;
    }
};

TEST_F(ResourcesTest, Order_addDeleteAndUndo)
{
    CResource* a = AddResource(L"A");
    CResource* b = AddResource(L"B");
    AddResource(L"C");
    EXPECT_EQ(Names(), L"ABC");

    // Appended last whatever its position.
    ASSERT_EQ(Begin(L"add"), 0);
    CResource* d = root->Resources->CreateNew();
    d->SetName(L"D");
    d->Position = -10;
    ASSERT_EQ(root->Resources->Add(d), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(Names(), L"ABCD");

    ASSERT_EQ(Begin(L"delete B"), 0);
    ASSERT_EQ(b->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(Names(), L"ACD");
    EXPECT_FALSE(root->Resources->Contains(b));

    // Undo puts B back at the end: the list order is the order of additions.
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_EQ(Names(), L"ACDB");
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_EQ(Names(), L"ACB");
    EXPECT_TRUE(root->Resources->Contains(b));
    EXPECT_EQ(root->Resources->GetAt(0), a);
    EXPECT_EQ(root->Resources->GetAt(3), nullptr);
    EXPECT_EQ(root->Resources->GetAt(-1), nullptr);
}

TEST_F(ResourcesTest, GetCount_filterExcludingTwoOfFive)
{
    std::vector<CResource*> all;
    for (const wchar_t* name : {L"A", L"B", L"C", L"D", L"E"})
        all.push_back(AddResource(name));
    ASSERT_EQ(Begin(), 0);
    CFilter* f = root->Filters->CreateNew();
    f->SetName(L"F");
    CResource* excluded[] = {all[1], all[3]};
    f->SetExcludedResources(excluded, 2);
    ASSERT_EQ(root->Filters->Add(f), 0);
    ASSERT_EQ(Commit(), 0);

    EXPECT_EQ(root->Resources->GetCount(f), 3);
    EXPECT_EQ(Names(f), L"ACE");
    EXPECT_EQ(root->Resources->GetAll(nullptr, f), 3);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 5);
    EXPECT_EQ(root->Resources->GetAt(4), all[4]);
}

TEST_F(ResourcesTest, Close_keepResourcesNotTasks)
{
    CResource* a = AddResource(L"A");
    CResource* b = AddResource(L"B");
    AddTask(a, Day(8, 1), 0, Day(8, 1), 60);
    AddTask(b, Day(8, 1), 0, Day(8, 1), 60);
    root->Close(1 << kKindResource);
    EXPECT_EQ(Names(), L"AB");
    EXPECT_EQ(a->Tasks->GetCount(), 0);
    EXPECT_EQ(b->Tasks->GetCount(), 0);
}

TEST_F(ResourcesTest, ContainsTask_onlyTasksInSomeSet)
{
    CResource* a = AddResource(L"A");
    CTask* t = AddTask(a, Day(8, 1), 0, Day(8, 1), 60);
    EXPECT_TRUE(root->Resources->ContainsTask(t));
    CTask* never = a->Tasks->CreateNew();
    EXPECT_FALSE(root->Resources->ContainsTask(never));
    EXPECT_FALSE(root->Resources->ContainsTask(nullptr));
    never->MarkDeleted();
}

TEST_F(ResourcesTest, UserFieldRename_movesValuesAndMarksOnlyHolders)
{
    CResource* a = AddResource(L"A");
    CResource* b = AddResource(L"B");
    CTask* ta = AddTask(a, Day(8, 1), 0, Day(8, 1), 60, L"with");
    CTask* tb = AddTask(b, Day(8, 1), 0, Day(8, 1), 60, L"without");
    CProjectSettings* s = root->ProjectSettings;
    ASSERT_EQ(Begin(), 0);
    ASSERT_EQ(s->MarkModified(), 0);
    ASSERT_EQ(s->AddUserField(kUserFieldsTask, L"Order", L"QV2UDFInt"), 0);
    ta->MarkModified();
    ta->SetUserFieldValue(L"Order", L"17");
    ASSERT_EQ(Commit(), 0);

    root->AddChangeListener(&RecordChange);
    ASSERT_EQ(Begin(L"rename field"), 0);
    ASSERT_EQ(s->MarkModified(), 0);
    ASSERT_EQ(s->RenameUserField(kUserFieldsTask, L"Order", L"Number", L"QV2UDFInt"), 0);
    ASSERT_EQ(Commit(), 0);
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 0), L"Number");
    EXPECT_EQ(ta->GetUserFieldValue(L"Order"), nullptr);
    EXPECT_STREQ(ta->GetUserFieldValue(L"Number"), L"17");
    EXPECT_EQ(tb->GetUserFieldCount(), 0);
    EXPECT_EQ(Listened().calls, (std::vector<unsigned int>{ChangeBit(kKindProjectSettings) | ChangeBit(kKindTask)}));

    ASSERT_EQ(store.Undo(), 0);
    EXPECT_STREQ(ta->GetUserFieldValue(L"Order"), L"17");
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 0), L"Order");
}

} // namespace
