// Project settings: defaults from the clock, validation and field definitions (linked
// statically, so the date module's clock can be pinned).
#include "ProjectSettingsInt.h"

#include "DateTimeEnv.h"
#include "wqv2_data.h"

#include <gtest/gtest.h>

using namespace wqv2_data;

namespace {

datetime::LocalClock gNow{};
datetime::LocalClock Clock() { return gNow; }

class ProjectSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        datetime::SetClock(&Clock);
        gNow = {2024, 2, 10, 9, 0};
        root = DllGetData(nullptr);
        ASSERT_NE(root, nullptr);
        s = root->ProjectSettings;
    }
    void TearDown() override
    {
        DllFreeData();
        datetime::SetClock(nullptr);
    }
    int CommitChange(void (*change)(CProjectSettings*))
    {
        root->BeginTransaction(L"");
        if (s->MarkModified() != 0)
            return -1;
        change(s);
        return root->Commit();
    }

    CData* root = nullptr;
    CProjectSettings* s = nullptr;
};

TEST_F(ProjectSettingsTest, Defaults_currentMonthInALeapYear)
{
    EXPECT_EQ(s->DateStart, TDate::FromYMD(2, 2024, 1));
    EXPECT_EQ(s->DateEnd, TDate::FromYMD(2, 2024, 29));
    EXPECT_EQ(s->Scale[kScaleUnit], 3);
    EXPECT_EQ(s->Scale[kScaleCount], 1);
    EXPECT_TRUE(s->VisibleWeekdays[6]);
    EXPECT_EQ(s->DayColors[6], 0x80FFC0u);
    EXPECT_EQ(s->Holidays, 0x80FFFFu);
    EXPECT_TRUE(s->GridlinesVertical);
    ASSERT_NE(s->Currency, nullptr);
}

TEST_F(ProjectSettingsTest, Defaults_commonYearFebruary)
{
    gNow = {2023, 2, 10, 9, 0};
    CProjectSettingsInt fresh(root);
    EXPECT_EQ(fresh.DateStart, TDate::FromYMD(2, 2023, 1));
    EXPECT_EQ(fresh.DateEnd, TDate::FromYMD(2, 2023, 28));
}

TEST_F(ProjectSettingsTest, Commit_validation)
{
    EXPECT_EQ(CommitChange([](CProjectSettings* p) { p->Scale[kScaleUnit] = 7; }), kErrInvalid);
    EXPECT_EQ(s->Scale[kScaleUnit], 3);
    EXPECT_EQ(CommitChange([](CProjectSettings* p) { p->DateEnd = static_cast<uint32_t>(p->DateStart) - 1; }), kErrInvalid);
    EXPECT_EQ(CommitChange([](CProjectSettings* p) { p->TimeEnd = 1440; }), kErrInvalid);
    EXPECT_EQ(CommitChange([](CProjectSettings* p) { p->TimeEnd = 0; }), 0);
    EXPECT_EQ(CommitChange([](CProjectSettings* p) { p->Scale[kScaleCount] = 0; }), kErrInvalid);
}

TEST_F(ProjectSettingsTest, MarkDeleted_refusedAndRollsBack)
{
    root->BeginTransaction(L"");
    ASSERT_EQ(s->MarkModified(), 0);
    s->FreezeResources = 4;
    EXPECT_EQ(static_cast<CProjectSettingsInt*>(s)->MarkDeleted(), kErrTransaction);
    EXPECT_EQ(s->FreezeResources, 0);
    EXPECT_EQ(root->Commit(), kErrRolledBack);
}

TEST_F(ProjectSettingsTest, UserFields_definitions)
{
    EXPECT_EQ(s->AddUserField(kUserFieldsTask, L"A", L"QV2UDFDate"), 0);
    EXPECT_EQ(s->AddUserField(kUserFieldsTask, L"A", L"QV2UDFInt"), kErrTransaction);
    EXPECT_EQ(s->AddUserField(kUserFieldsTask, L"", L"x"), kErrTransaction);
    EXPECT_EQ(s->AddUserField(3, L"C", L"x"), kErrTransaction);
    EXPECT_EQ(s->AddUserField(kUserFieldsTask, L"B", nullptr), 0);
    EXPECT_EQ(s->AddUserField(kUserFieldsTask, L"C", L"QV2UDFHyperlink"), 0);
    EXPECT_EQ(s->GetUserFieldCount(3), -1);
    EXPECT_EQ(s->GetUserFieldCount(kUserFieldsResource), 0);
    ASSERT_EQ(s->GetUserFieldCount(kUserFieldsTask), 3);
    EXPECT_STREQ(s->GetUserFieldType(kUserFieldsTask, 1), L"");

    const wchar_t* reversed[] = {L"C", L"B", L"A"};
    EXPECT_EQ(s->ReorderUserFields(kUserFieldsTask, reversed, 3), 0);
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 0), L"C");
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 2), L"A");
    EXPECT_EQ(s->GetUserFieldName(kUserFieldsTask, 3), nullptr);
    EXPECT_EQ(s->ReorderUserFields(kUserFieldsTask, reversed, 2), kErrTransaction);
    EXPECT_EQ(s->ReorderUserFields(kUserFieldsTask, nullptr, 3), kErrTransaction);
    // A refused order changes nothing, not even the names before the bad one.
    const wchar_t* unknown[] = {L"A", L"X", L"B"};
    EXPECT_EQ(s->ReorderUserFields(kUserFieldsTask, unknown, 3), kErrTransaction);
    const wchar_t* twice[] = {L"A", L"B", L"A"};
    EXPECT_EQ(s->ReorderUserFields(kUserFieldsTask, twice, 3), kErrTransaction);
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 0), L"C");
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 1), L"B");
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 2), L"A");

    EXPECT_EQ(s->RemoveUserField(kUserFieldsTask, L"nothing"), 0);
    EXPECT_EQ(s->RemoveUserField(kUserFieldsTask, L"B"), 0);
    EXPECT_EQ(s->GetUserFieldCount(kUserFieldsTask), 2);
    EXPECT_EQ(s->RenameUserField(kUserFieldsTask, L"missing", L"M", L""), kErrTransaction);
    EXPECT_EQ(s->RenameUserField(kUserFieldsTask, L"A", L"", L""), kErrTransaction);
    EXPECT_EQ(s->RenameUserField(kUserFieldsTask, L"A", L"A", L"QV2UDFInt"), 0);
    EXPECT_STREQ(s->GetUserFieldType(kUserFieldsTask, 1), L"QV2UDFInt");
    // Onto a name the kind already has: refused, nothing renamed.
    EXPECT_EQ(s->RenameUserField(kUserFieldsTask, L"A", L"C", L"QV2UDFDate"), kErrTransaction);
    EXPECT_STREQ(s->GetUserFieldName(kUserFieldsTask, 1), L"A");
    EXPECT_STREQ(s->GetUserFieldType(kUserFieldsTask, 1), L"QV2UDFInt");
    // The other kind's names do not count.
    EXPECT_EQ(s->AddUserField(kUserFieldsResource, L"R", L""), 0);
    EXPECT_EQ(s->RenameUserField(kUserFieldsResource, L"R", L"A", L""), 0);
}

} // namespace
