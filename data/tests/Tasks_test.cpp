// The task set of a resource: its order and its period query, through QV2D.dll.
#include "DataTestEnv.h"

#include <algorithm>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

// A filter double that hides tasks by name.
class NameFilter : public CFilter {
public:
    explicit NameFilter(const wchar_t* hidden) : m_hidden(hidden) {}
    int IsTaskHidden(const CTask* task) override { return m_hidden.empty() || m_hidden == task->Name ? 1 : 0; }
    bool IsResourceHidden(const CResource*) override { return false; }
    int GetExcludedResourceCount() override { return 0; }
    int GetExcludedResources(CResource**) override { return 0; }
    void SetExcludedResources(CResource* const*, int) override {}
    int MarkModified() override { return 1; }
    int MarkDeleted() override { return 1; }
    void CopyFrom(const CFilter*) override {}
    const wchar_t* SetName(const wchar_t*) override { return L""; }
    const wchar_t* SetResourceName(const wchar_t*) override { return L""; }
    const wchar_t* SetResourceNote(const wchar_t*) override { return L""; }
    const wchar_t* SetTaskName(const wchar_t*) override { return L""; }
    const wchar_t* SetTaskNote(const wchar_t*) override { return L""; }

private:
    std::wstring m_hidden; // empty: hides every task
};

class TasksTest : public DataTest {
protected:
    // Names of the tasks overlapping the period, in query order; the count must agree.
    std::vector<std::wstring> Window(CResource* r, TDate d1, int m1, TDate d2, int m2, CFilter* filter = nullptr)
    {
        const int count = r->Tasks->CountInWindow(d1, m1, d2, m2, filter);
        std::vector<CTask*> out(static_cast<size_t>(count) + 1, nullptr);
        const int filled = r->Tasks->GetInWindow(out.data(), d1, m1, d2, m2, filter);
        EXPECT_EQ(filled, count);
        EXPECT_EQ(out[static_cast<size_t>(count)], nullptr);
        std::vector<std::wstring> names;
        for (int i = 0; i < filled; ++i)
            names.push_back(out[static_cast<size_t>(i)]->Name);
        return names;
    }
    std::vector<std::wstring> Order(CResource* r)
    {
        std::vector<std::wstring> names;
        for (int i = 0; i < r->Tasks->GetCount(); ++i)
            names.push_back(r->Tasks->GetAt(i)->Name);
        return names;
    }
};

using Names = std::vector<std::wstring>;

TEST_F(TasksTest, Order_equalStartLongerFirstThenName)
{
    CResource* r = AddResource(L"R");
    const TDate d = Day(6, 10);
    AddTask(r, d, 480, d, 720, L"A");
    AddTask(r, d, 480, d + 2, 1020, L"B");
    AddTask(r, d, 480, d, 720, L"a2");
    AddTask(r, d, 480, d, 900, L"C");
    AddTask(r, d - 1, 600, d, 60, L"early");
    AddTask(r, d, 420, d, 430, L"seven");
    EXPECT_EQ(Order(r), (Names{L"early", L"seven", L"B", L"C", L"A", L"a2"}));
    EXPECT_EQ(r->Tasks->GetAt(-1), nullptr);
    EXPECT_EQ(r->Tasks->GetAt(r->Tasks->GetCount()), nullptr);
}

TEST_F(TasksTest, Order_equalKeysKeepInsertionOrder)
{
    CResource* r = AddResource(L"R");
    const TDate d = Day(6, 10);
    CTask* first = AddTask(r, d, 480, d, 720, L"same");
    CTask* second = AddTask(r, d, 480, d, 720, L"SAME");
    CTask* third = AddTask(r, d, 480, d, 720, L"Same");
    ASSERT_EQ(r->Tasks->GetCount(), 3);
    EXPECT_EQ(r->Tasks->GetAt(0), first);
    EXPECT_EQ(r->Tasks->GetAt(1), second);
    EXPECT_EQ(r->Tasks->GetAt(2), third);

    // Deleting the middle one of three equal tasks removes that very task.
    ASSERT_EQ(Begin(), 0);
    ASSERT_EQ(second->MarkDeleted(), 0);
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(r->Tasks->GetCount(), 2);
    EXPECT_EQ(r->Tasks->GetAt(0), first);
    EXPECT_EQ(r->Tasks->GetAt(1), third);
}

TEST_F(TasksTest, Order_followsCommittedChange)
{
    CResource* r = AddResource(L"R");
    const TDate d = Day(6, 10);
    CTask* a = AddTask(r, d, 0, d, 60, L"A");
    AddTask(r, d + 1, 0, d + 1, 60, L"B");
    AddTask(r, d + 2, 0, d + 2, 60, L"C");
    ASSERT_EQ(Begin(L"move"), 0);
    ASSERT_EQ(a->MarkModified(), 0);
    a->DateStart = d + 3;
    a->DateEnd = d + 3;
    // Edited in place before the commit: the queries stay safe, the order is the old one.
    EXPECT_EQ(Order(r), (Names{L"A", L"B", L"C"}));
    EXPECT_EQ(Window(r, d, 0, d + 5, 0).size(), 3u);
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(Order(r), (Names{L"B", L"C", L"A"}));
    ASSERT_EQ(store.Undo(), 0);
    EXPECT_EQ(Order(r), (Names{L"A", L"B", L"C"}));
    ASSERT_EQ(store.Redo(), 0);
    EXPECT_EQ(Order(r), (Names{L"B", L"C", L"A"}));
}

TEST_F(TasksTest, GetInWindow_boundaries)
{
    CResource* r = AddResource(L"R");
    const TDate d = Day(6, 10);
    AddTask(r, d - 1, 600, d, 0, L"ends at start");
    AddTask(r, d - 1, 600, d, 1, L"ends a minute in");
    AddTask(r, d - 3, 0, d + 5, 0, L"spans");
    AddTask(r, d, 0, d, 0, L"zero at start");
    AddTask(r, d, 600, d + 1, 0, L"inside");
    AddTask(r, d + 1, 0, d + 1, 60, L"starts at end");
    AddTask(r, d + 1, 0, d + 1, 0, L"zero at end");

    // Those that started earlier come first (in set order), then those that start inside.
    EXPECT_EQ(Window(r, d, 0, d + 1, 0), (Names{L"spans", L"ends a minute in", L"zero at start", L"inside"}));
    // An empty period at a point: only what runs across it.
    EXPECT_EQ(Window(r, d, 0, d, 0), (Names{L"spans", L"ends a minute in"}));
    // An inverted period gives nothing.
    EXPECT_TRUE(Window(r, d + 1, 0, d, 0).empty());
    EXPECT_TRUE(Window(r, d, 1, d, 0).empty());
    // Far outside.
    EXPECT_TRUE(Window(r, d + 100, 0, d + 101, 0).empty());
}

TEST_F(TasksTest, GetInWindow_filterHidingEverythingWritesNothing)
{
    CResource* r = AddResource(L"R");
    const TDate d = Day(6, 10);
    AddTask(r, d, 0, d, 60, L"one");
    AddTask(r, d, 60, d, 120, L"two");
    NameFilter all(L"");
    CTask* out[2] = {nullptr, nullptr};
    EXPECT_EQ(r->Tasks->CountInWindow(d, 0, d + 1, 0, &all), 0);
    EXPECT_EQ(r->Tasks->GetInWindow(out, d, 0, d + 1, 0, &all), 0);
    EXPECT_EQ(out[0], nullptr);
    NameFilter one(L"one");
    EXPECT_EQ(Window(r, d, 0, d + 1, 0, &one), (Names{L"two"}));
    EXPECT_EQ(r->Tasks->GetInWindow(nullptr, d, 0, d + 1, 0, nullptr), 2);
}

TEST_F(TasksTest, Contains_onlyCommittedTasksOfThisSet)
{
    CResource* a = AddResource(L"A");
    CResource* b = AddResource(L"B");
    CTask* t = AddTask(a, Day(6, 10), 0, Day(6, 10), 0);
    EXPECT_TRUE(a->Tasks->Contains(t));
    EXPECT_FALSE(b->Tasks->Contains(t));
    EXPECT_FALSE(a->Tasks->Contains(nullptr));
    ASSERT_EQ(Begin(), 0);
    CTask* pending = a->Tasks->CreateNew();
    pending->DateStart = pending->DateEnd = Day(6, 11);
    ASSERT_EQ(a->Tasks->Add(pending), 0);
    EXPECT_FALSE(a->Tasks->Contains(pending));
    EXPECT_EQ(a->Tasks->GetCount(), 1);
    ASSERT_EQ(Commit(), 0);
    EXPECT_TRUE(a->Tasks->Contains(pending));
    CTask* all[2] = {};
    EXPECT_EQ(a->Tasks->GetAll(all), 2);
    EXPECT_EQ(all[0], t);
    EXPECT_EQ(all[1], pending);
}

} // namespace
