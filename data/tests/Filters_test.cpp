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

} // namespace
