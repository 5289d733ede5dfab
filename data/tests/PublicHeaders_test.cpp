// The public interfaces keep their slot order and their record layout: other modules are built
// against these headers and call through them.
#include "wqv2_data.h"
#include "wqv2_undo.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Index of a virtual operation in its class's table. Our compiler uses the Itanium C++ ABI, where
// a pointer to a virtual member holds 1 + the byte offset of its slot; a virtual destructor takes
// two slots (complete and deleting).
template <class F>
int SlotOf(F member)
{
    struct Raw {
        std::uintptr_t ptr;
        std::ptrdiff_t adj;
    } raw{};
    static_assert(sizeof(F) == sizeof(Raw));
    std::memcpy(&raw, &member, sizeof raw);
    if ((raw.ptr & 1) == 0)
        return -1;
    return static_cast<int>((raw.ptr - 1) / sizeof(void*));
}

// The fixed layouts are those of the 32-bit build; the 64-bit test build (scripts/wine-arch)
// widens and aligns the pointers in them.
constexpr std::size_t PointerAligned(std::size_t offset)
{
    return (offset + sizeof(void*) - 1) / sizeof(void*) * sizeof(void*);
}

TEST(UndoRecord, Layout_fixedBytes)
{
    // 256 UTF-16 characters, then the three callbacks and the data pointer.
    EXPECT_EQ(offsetof(wqv2_undo::UndoRecord, data), 512 + 3 * sizeof(void*));
    EXPECT_EQ(sizeof(wqv2_undo::UndoRecord), 512 + 4 * sizeof(void*));
}

TEST(CUndoManager, SlotOrder_clearPushUndoPushRedo)
{
    using wqv2_undo::CUndoManager;
    EXPECT_EQ(SlotOf(&CUndoManager::Clear), 0);
    EXPECT_EQ(SlotOf(&CUndoManager::PushUndo), 1);
    EXPECT_EQ(SlotOf(&CUndoManager::PushRedo), 2);
}

TEST(CData, SlotOrder_asPublished)
{
    using wqv2_data::CData;
    EXPECT_EQ(SlotOf(&CData::Open), 0);
    EXPECT_EQ(SlotOf(&CData::Close), 3);
    EXPECT_EQ(SlotOf(&CData::IsModified), 7);
    EXPECT_EQ(SlotOf(&CData::BeginTransaction), 8);
    EXPECT_EQ(SlotOf(&CData::Commit), 10);
    EXPECT_EQ(SlotOf(&CData::AddChangeListener), 13);
    EXPECT_EQ(SlotOf(&CData::Command), 14);
}

TEST(CTask, SlotOrder_asPublished)
{
    using wqv2_data::CTask;
    EXPECT_EQ(SlotOf(&CTask::GetUserFieldCount), 0);
    EXPECT_EQ(SlotOf(&CTask::CopyFrom), 4);
    EXPECT_EQ(SlotOf(&CTask::GetCosts), 9);
    EXPECT_EQ(SlotOf(&CTask::GetResource), 12);
    EXPECT_EQ(SlotOf(&CTask::MarkDeleted), 14);
}

TEST(CResource, SlotOrder_settersAfterDestructor)
{
    using wqv2_data::CResource;
    EXPECT_EQ(SlotOf(&CResource::GetTasksInWindow), 1);
    EXPECT_EQ(SlotOf(&CResource::MarkDeleted), 8);
    EXPECT_EQ(SlotOf(&CResource::SetName), 11); // the destructor takes slots 9 and 10
    EXPECT_EQ(SlotOf(&CResource::SetNote), 12);
}

TEST(CRecurrence, SlotOrder_asPublished)
{
    using wqv2_data::CRecurrence;
    EXPECT_EQ(SlotOf(&CRecurrence::GetOccurrences), 4);
    EXPECT_EQ(SlotOf(&CRecurrence::DetachOccurrence), 13);
    EXPECT_EQ(SlotOf(&CRecurrence::CopyFrom), 16);
}

// Just enough of a settings object to look at its storage.
class SettingsShape : public wqv2_data::CProjectSettings {
public:
    int AddUserField(int, const wchar_t*, const wchar_t*) override { return 1; }
    int RenameUserField(int, const wchar_t*, const wchar_t*, const wchar_t*) override { return 1; }
    int RemoveUserField(int, const wchar_t*) override { return 1; }
    int ReorderUserFields(int, const wchar_t**, int) override { return 1; }
    int GetUserFieldCount(int) override { return -1; }
    const wchar_t* GetUserFieldName(int, int) override { return nullptr; }
    const wchar_t* GetUserFieldType(int, int) override { return nullptr; }
    int MarkModified() override { return 1; }
    const wchar_t* SetCurrency(const wchar_t*) override { return nullptr; }
};

TEST(CProjectSettings, DayColors_shareStorageWithNames)
{
    SettingsShape s;
    EXPECT_EQ(&s.Holidays, &s.DayColors[7]);
    EXPECT_EQ(&s.WeekdayColors[6], &s.DayColors[6]);
    EXPECT_EQ(s.Holidays, 0x80FFFFu);
    EXPECT_EQ(s.WeekdayColors[6], 0x80FFC0u);
    EXPECT_EQ(s.MonthsEven, 0xE0E0E0u);
}

TEST(TaskOccurrence, Layout_dayThenTask)
{
    EXPECT_EQ(offsetof(wqv2_data::TaskOccurrence, task), PointerAligned(4));
    EXPECT_EQ(sizeof(wqv2_data::TaskOccurrence), PointerAligned(4) + sizeof(void*));
}

} // namespace
