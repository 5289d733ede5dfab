#include "UndoManagerInt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string>& Released()
{
    static std::vector<std::string> names;
    return names;
}

int __cdecl Release(void* data)
{
    Released().push_back(static_cast<const char*>(data));
    return 0;
}

wqv2_undo::UndoRecord Record(const char* data)
{
    wqv2_undo::UndoRecord record{};
    wcscpy(record.Name, L"edit");
    record.Free = &Release;
    record.data = const_cast<char*>(data);
    return record;
}

class UndoManagerIntTest : public ::testing::Test {
protected:
    void SetUp() override { Released().clear(); }
};

TEST_F(UndoManagerIntTest, PushUndo_clearRedoReleasesAfterStoring)
{
    CUndoManagerInt store;
    const auto r1 = Record("r1");
    const auto r2 = Record("r2");
    const auto u1 = Record("u1");
    EXPECT_TRUE(store.PushRedo(&r1));
    EXPECT_TRUE(store.PushRedo(&r2));
    EXPECT_TRUE(store.PushUndo(&u1, false));
    EXPECT_TRUE(Released().empty());
    const auto u2 = Record("u2");
    EXPECT_TRUE(store.PushUndo(&u2, true));
    EXPECT_EQ(Released(), (std::vector<std::string>{"r1", "r2"}));
    EXPECT_EQ(store.UndoCount(), 2u);
    EXPECT_EQ(store.RedoCount(), 0u);
}

TEST_F(UndoManagerIntTest, PushUndo_nullRecordChangesNothing)
{
    CUndoManagerInt store;
    EXPECT_FALSE(store.PushUndo(nullptr, true));
    EXPECT_FALSE(store.PushRedo(nullptr));
    EXPECT_EQ(store.UndoCount(), 0u);
}

TEST_F(UndoManagerIntTest, Destruction_releasesUndoThenRedoBottomToTop)
{
    {
        CUndoManagerInt store;
        for (const char* name : {"u1", "u2", "u3"}) {
            const auto record = Record(name);
            store.PushUndo(&record, false);
        }
        for (const char* name : {"r1", "r2"}) {
            const auto record = Record(name);
            store.PushRedo(&record);
        }
        auto silent = Record("never");
        silent.Free = nullptr;
        store.PushRedo(&silent);
    }
    EXPECT_EQ(Released(), (std::vector<std::string>{"u1", "u2", "u3", "r1", "r2"}));
}

TEST_F(UndoManagerIntTest, Clear_releasesEachRecordOnce)
{
    CUndoManagerInt store;
    const auto record = Record("u1");
    store.PushUndo(&record, false);
    store.Clear();
    store.Clear();
    EXPECT_EQ(Released(), (std::vector<std::string>{"u1"}));
}

TEST_F(UndoManagerIntTest, PushUndo_copiesTheRecordWithAnEndToItsName)
{
    CUndoManagerInt store;
    auto record = Record("u1");
    for (wchar_t& c : record.Name)
        c = L'n';
    store.PushUndo(&record, false);
    record.Free = nullptr; // the caller's buffer is free after the call
    store.Clear();
    EXPECT_EQ(Released(), (std::vector<std::string>{"u1"}));
}

} // namespace
