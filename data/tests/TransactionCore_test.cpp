// The transaction machinery with a small test-only item kind, linked statically: replays that
// fail half-way, before-images whose item is gone, and who destroys what.
#include "ContBase.h"
#include "DataInt.h"
#include "Library.h"
#include "ObjectBase.h"
#include "Transaction.h"
#include "UndoInfo.h"
#include "VectorBase.h"

#include "wqv2_data.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

int gLive = 0;      // test items alive
int gDestroyed = 0; // test items destroyed, ever

class CTestBox;

// An item with one number; valid while the number is not negative.
class CTestItem final : public CObjectBase {
public:
    explicit CTestItem(CTestBox* box) : CObjectBase(wqv2_data::kKindCalendarException), m_box(box) { ++gLive; }
    ~CTestItem() override
    {
        --gLive;
        ++gDestroyed;
    }

    void RestoreFromSnapshot() override
    {
        if (m_snapshot)
            CopyWithId(m_snapshot.get());
    }
    void InsertIntoOwner(CUndoInfo* step) override;
    void CommitModified(CUndoInfo* step) override
    {
        if (step && m_snapshot) {
            auto image = std::make_unique<CTestItem>(m_box);
            image->CopyWithId(m_snapshot.get());
            image->SetOriginal(this);
            step->AddBeforeImage(image.release());
        }
    }
    void RemoveFromOwner(CUndoInfo* step) override;
    bool IsValid(bool) override { return value >= 0; }
    int MarkModified() override
    {
        return RegisterModified([&] {
            if (!m_snapshot)
                m_snapshot = std::make_unique<CTestItem>(m_box);
            m_snapshot->CopyWithId(this);
        });
    }
    int MarkDeleted() override { return RegisterDeletedOrDestroy(); }
    int AddToOwner() override;
    void CopyWithId(const CObjectBase* other) override
    {
        const auto& source = *static_cast<const CTestItem*>(other);
        id = source.id;
        value = source.value;
    }
    int GetId() const override { return id; }

    int id = 0;
    int value = 0;

private:
    CTestBox* m_box; // not owned
    std::unique_ptr<CTestItem> m_snapshot;
};

class CTestBox final : public CVectorBase<CTestItem> {
public:
    CTestBox() : CVectorBase(wqv2_data::kKindCalendarException) {}
    int Add(CTestItem* item) { return AddCommon(item, item->id); }
    CObjectBase* CreateNewItem() override { return new CTestItem(this); }
    int AddItem(CObjectBase* item) override { return Add(static_cast<CTestItem*>(item)); }
    const wchar_t* XmlItemName() const override { return L"Item"; }
    const wchar_t* XmlCollectionName() const override { return L"Items"; }
};

void CTestItem::InsertIntoOwner(CUndoInfo* step)
{
    if (step)
        step->AddAdded(this);
    m_box->Append(this);
}

void CTestItem::RemoveFromOwner(CUndoInfo* step)
{
    m_box->RemoveItem(static_cast<CObjectBase*>(this));
    if (step)
        step->AddDeleted(this);
    else
        DestroyItem(this);
}

int CTestItem::AddToOwner() { return m_box->Add(this); }

// A store that keeps nothing and releases every record at once.
class DroppingStore : public wqv2_undo::CUndoManager {
public:
    void Clear() override {}
    bool PushUndo(const wqv2_undo::UndoRecord* record, bool) override { return Take(record); }
    bool PushRedo(const wqv2_undo::UndoRecord* record) override { return Take(record); }

    wqv2_undo::UndoRecord last{};
    bool keep = false;

private:
    bool Take(const wqv2_undo::UndoRecord* record)
    {
        last = *record;
        if (!keep)
            record->Free(record->data);
        return true;
    }
};

class TransactionCoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gLive = 0;
        root = DllGetData(&store);
        ASSERT_NE(root, nullptr);
        t = lib::Transaction();
    }
    void TearDown() override
    {
        box.Clear();
        DllFreeData();
        EXPECT_EQ(gLive, 0) << "test items leaked or destroyed twice";
    }
    CTestItem* Committed(int value)
    {
        root->BeginTransaction(L"");
        auto* item = new CTestItem(&box);
        item->value = value;
        EXPECT_EQ(box.Add(item), 0);
        EXPECT_EQ(root->Commit(), 0);
        return item;
    }

    DroppingStore store;
    wqv2_data::CData* root = nullptr;
    CTransaction* t = nullptr;
    CTestBox box;
};

TEST_F(TransactionCoreTest, Rollback_destroysAddedItemsOnce)
{
    ASSERT_EQ(root->BeginTransaction(L"x"), 0);
    auto* item = new CTestItem(&box);
    ASSERT_EQ(box.Add(item), 0);
    ASSERT_EQ(item->MarkModified(), 0);
    ASSERT_EQ(item->MarkDeleted(), 0);
    root->Rollback();
    EXPECT_EQ(gLive, 0);
    EXPECT_EQ(box.Count(), 0);
}

TEST_F(TransactionCoreTest, DllFreeData_rollsBackAnOpenTransaction)
{
    ASSERT_EQ(root->BeginTransaction(L"pending"), 0);
    ASSERT_EQ(box.Add(new CTestItem(&box)), 0);
    DllFreeData();
    EXPECT_EQ(gLive, 0);
    root = DllGetData(&store);
}

TEST_F(TransactionCoreTest, Replay_beforeImageWithoutItemGives1AndLeavesNothingOpen)
{
    CUndoInfo step(L"orphan");
    step.AddBeforeImage(new CTestItem(&box)); // stands for no live item
    EXPECT_EQ(step.Replay(true), wqv2_data::kErrTransaction);
    EXPECT_FALSE(t->IsOpen());
}

TEST_F(TransactionCoreTest, Replay_failingReAddGivesItemsBackToTheStep)
{
    CTestItem* kept = Committed(1);
    CTestItem* a = Committed(2);
    CTestItem* b = Committed(3);
    store.keep = true;
    ASSERT_EQ(root->BeginTransaction(L"delete two"), 0);
    ASSERT_EQ(a->MarkDeleted(), 0);
    ASSERT_EQ(b->MarkDeleted(), 0);
    ASSERT_EQ(kept->MarkModified(), 0);
    kept->value = 10;
    ASSERT_EQ(root->Commit(), 0);
    auto* step = static_cast<CUndoInfo*>(store.last.data);
    ASSERT_NE(step, nullptr);
    ASSERT_EQ(box.Count(), 1);

    // The second item cannot come back: the replay fails after the first was re-added.
    b->value = -1;
    const int destroyedBefore = gDestroyed;
    EXPECT_EQ(store.last.Undo(step), wqv2_data::kErrInvalid);
    EXPECT_FALSE(t->IsOpen());
    EXPECT_EQ(gDestroyed, destroyedBefore); // nothing the step owns was destroyed
    EXPECT_EQ(box.Count(), 1);
    EXPECT_EQ(kept->value, 10);              // the before-image went back with the rollback
    EXPECT_TRUE(a->IsDeletedRegistered());   // still the step's

    // Mended, the same step replays; afterwards it owns only its before-image.
    b->value = 3;
    store.keep = false; // the reverse step is released as soon as it is pushed
    EXPECT_EQ(store.last.Undo(step), 0);
    EXPECT_EQ(box.Count(), 3);
    EXPECT_EQ(kept->value, 1);
    store.last.Free(step);
}

TEST_F(TransactionCoreTest, End_namedStepOwnsDeletedItemsUntilReleased)
{
    CTestItem* item = Committed(5);
    store.keep = true;
    ASSERT_EQ(root->BeginTransaction(L"delete"), 0);
    ASSERT_EQ(item->MarkDeleted(), 0);
    ASSERT_EQ(root->Commit(), 0);
    EXPECT_EQ(gLive, 1); // alive inside the step
    store.last.Free(store.last.data);
    EXPECT_EQ(gLive, 0);
}

TEST_F(TransactionCoreTest, RegisterOutsideTransaction_refused)
{
    auto item = std::make_unique<CTestItem>(&box);
    item->id = 4;
    EXPECT_EQ(t->RegisterModified(item.get()), wqv2_data::kErrTransaction);
    EXPECT_EQ(t->RegisterDeleted(item.get()), wqv2_data::kErrTransaction);
    EXPECT_EQ(t->RegisterAdded(item.get()), wqv2_data::kErrTransaction);
    EXPECT_EQ(box.Add(item.get()), wqv2_data::kErrTransaction);
    EXPECT_FALSE(item->IsModifiedRegistered());
}

} // namespace
