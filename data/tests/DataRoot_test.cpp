// The data root and the library's exports, through QV2D.dll.
#include "DataTestEnv.h"

#include <windows.h>

#include <cstring>
#include <set>
#include <string>

using namespace wqv2_data;
using namespace qv2dtest;

namespace {

int gRefuseCalls = 0;
void RefuseEdit() { ++gRefuseCalls; }

std::set<std::string> ExportNames(HMODULE module)
{
    std::set<std::string> names;
    const auto* base = reinterpret_cast<const unsigned char*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (dir.VirtualAddress == 0)
        return names;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    const auto* nameRvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.insert(reinterpret_cast<const char*>(base + nameRvas[i]));
    if (exports->NumberOfFunctions != exports->NumberOfNames)
        names.insert("<unnamed export>");
    return names;
}

class DataRootTest : public DataTest {};

TEST(Exports, Library_carriesItsOwnStringTable)
{
    ASSERT_NE(Qv2d().module, nullptr);
    wchar_t text[32] = {};
    LoadStringW(static_cast<HMODULE>(Qv2d().module), 100, text, 32);
    EXPECT_STREQ(text, L"[Resources]");
    LoadStringW(static_cast<HMODULE>(Qv2d().module), 1000, text, 32);
    EXPECT_STREQ(text, L"2.0");
}

TEST(Exports, ExportTable_exactlyTheTwoEntryPoints)
{
    ASSERT_NE(Qv2d().module, nullptr);
    EXPECT_EQ(ExportNames(static_cast<HMODULE>(Qv2d().module)), (std::set<std::string>{"DllFreeData", "DllGetData"}));
}

TEST_F(DataRootTest, DllGetData_secondCallKeepsRootAndFirstStore)
{
    RecordingStore other;
    EXPECT_EQ(Qv2d().getData(&other), root);
    CResource* r = AddResource(L"R");
    ASSERT_TRUE(r);
    ASSERT_EQ(Begin(L"rename"), 0);
    ASSERT_EQ(r->MarkModified(), 0);
    r->SetName(L"S");
    ASSERT_EQ(Commit(), 0);
    EXPECT_EQ(store.undo.size(), 1u);
    EXPECT_TRUE(other.undo.empty());
}

TEST_F(DataRootTest, DllGetData_rootHoldsEveryContainer)
{
    ASSERT_TRUE(root->ProjectSettings && root->Holidays && root->Resources && root->Filters && root->Calendars);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 0);
    EXPECT_EQ(root->Holidays->GetCount(), 0);
    EXPECT_EQ(root->Filters->GetCount(), 0);
    EXPECT_EQ(root->Calendars->GetCount(), 0);
    EXPECT_EQ(root->ProjectSettings->Data, root);
}

TEST_F(DataRootTest, Close_maskOneKeepsItemsClearsHistoryAndTells)
{
    CResource* r = AddResource(L"R");
    AddTask(r, Day(3, 1), 480, Day(3, 1), 600);
    root->AddChangeListener(&RecordChange);
    ASSERT_EQ(Begin(L"edit"), 0);
    r->MarkModified();
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(store.undo.size(), 1u);
    Listened().calls.clear();
    const int clearsBefore = store.clearCalls;

    EXPECT_EQ(root->Close(1), 0);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 1);
    EXPECT_EQ(r->Tasks->GetCount(), 1);
    EXPECT_EQ(store.clearCalls, clearsBefore + 1);
    EXPECT_TRUE(store.undo.empty());
    EXPECT_EQ(Listened().calls, (std::vector<unsigned int>{1u}));
    EXPECT_FALSE(root->IsModified());
}

TEST_F(DataRootTest, Close_holidayBitKeepsOnlyHolidays)
{
    ASSERT_EQ(Begin(), 0);
    CHoliday* h = root->Holidays->CreateNew();
    h->SetName(L"New Year");
    h->Date = Day(1, 1);
    ASSERT_EQ(root->Holidays->Add(h), 0);
    CFilter* f = root->Filters->CreateNew();
    f->SetName(L"F");
    ASSERT_EQ(root->Filters->Add(f), 0);
    CCalendar* c = root->Calendars->CreateNew();
    c->SetName(L"C");
    ASSERT_EQ(root->Calendars->Add(c), 0);
    ASSERT_EQ(Commit(), 0);
    AddResource(L"R");

    root->Close(1 << kKindHoliday);
    EXPECT_EQ(root->Holidays->GetCount(), 1);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 0);
    EXPECT_EQ(root->Filters->GetCount(), 0);
    EXPECT_EQ(root->Calendars->GetCount(), 0);
}

TEST_F(DataRootTest, Close_clearedCalendarsLeaveKeptResourcesWithout)
{
    ASSERT_EQ(Begin(), 0);
    CCalendar* c = root->Calendars->CreateNew();
    c->SetName(L"C");
    ASSERT_EQ(root->Calendars->Add(c), 0);
    ASSERT_EQ(Commit(), 0);
    CResource* r = AddResource(L"R");
    ASSERT_EQ(Begin(), 0);
    r->MarkModified();
    r->Calendar = c;
    ASSERT_EQ(Commit(), 0);

    root->Close(1 << kKindResource);
    ASSERT_EQ(root->Resources->GetCount(nullptr), 1);
    EXPECT_EQ(root->Calendars->GetCount(), 0);
    EXPECT_EQ(r->Calendar, nullptr);
}

TEST_F(DataRootTest, Close_clearedResourcesLeaveKeptFiltersWithout)
{
    CResource* r = AddResource(L"R");
    ASSERT_EQ(Begin(), 0);
    CFilter* f = root->Filters->CreateNew();
    f->SetName(L"F");
    f->SetExcludedResources(&r, 1);
    ASSERT_EQ(root->Filters->Add(f), 0);
    ASSERT_EQ(Commit(), 0);
    ASSERT_EQ(f->GetExcludedResourceCount(), 1);

    root->Close(1 << kKindFilter);
    ASSERT_EQ(root->Filters->GetCount(), 1);
    EXPECT_EQ(f->GetExcludedResourceCount(), 0);
}

TEST_F(DataRootTest, Close_userFieldDefinitionsKeptOnlyWithBit31)
{
    CProjectSettings* s = root->ProjectSettings;
    ASSERT_EQ(Begin(), 0);
    ASSERT_EQ(s->MarkModified(), 0);
    ASSERT_EQ(s->AddUserField(kUserFieldsTask, L"Order", L"QV2UDFInt"), 0);
    s->FreezeResources = 3;
    ASSERT_EQ(Commit(), 0);

    root->Close(kKeepUserFieldDefinitions);
    EXPECT_EQ(s->GetUserFieldCount(kUserFieldsTask), 1);
    EXPECT_EQ(s->FreezeResources, 0);
    root->Close(0);
    EXPECT_EQ(s->GetUserFieldCount(kUserFieldsTask), 0);
}

TEST_F(DataRootTest, Close_rollsBackAnOpenTransaction)
{
    ASSERT_EQ(Begin(), 0);
    CResource* r = root->Resources->CreateNew();
    r->SetName(L"pending");
    ASSERT_EQ(root->Resources->Add(r), 0);
    root->Close(1);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 0);
    EXPECT_EQ(Commit(), kErrRolledBack);
}

TEST_F(DataRootTest, BeginTransaction_refuseHookOnlyForNamedEdits)
{
    gRefuseCalls = 0;
    EXPECT_EQ(root->Command(kCmdSetRefuseEditHook, reinterpret_cast<void*>(&RefuseEdit)), 0);
    EXPECT_EQ(Begin(L"named"), kErrRefused);
    EXPECT_EQ(gRefuseCalls, 1);
    EXPECT_EQ(Commit(), kErrRolledBack); // nothing was opened
    EXPECT_EQ(Begin(L""), 0);
    EXPECT_EQ(Commit(), 0);
    EXPECT_EQ(gRefuseCalls, 1);
    root->Command(kCmdSetRefuseEditHook, nullptr);
    EXPECT_EQ(Begin(L"named"), 0);
    EXPECT_EQ(Commit(), 0);
}

TEST_F(DataRootTest, BeginTransaction_whileOpenRollsBackAndLeavesNoneOpen)
{
    ASSERT_EQ(Begin(), 0);
    CResource* r = root->Resources->CreateNew();
    r->SetName(L"R");
    ASSERT_EQ(root->Resources->Add(r), 0);
    EXPECT_EQ(Begin(), kErrTransaction);
    EXPECT_EQ(Commit(), kErrRolledBack);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 0);
}

TEST_F(DataRootTest, Command_unknownCodeLeavesArgumentAlone)
{
    int untouched = 42;
    EXPECT_EQ(root->Command(7, &untouched), kErrUnknownCommand);
    EXPECT_EQ(untouched, 42);
}

TEST_F(DataRootTest, Command_standAloneTaskBelongsToCaller)
{
    CTask* task = nullptr;
    ASSERT_EQ(root->Command(kCmdNewTask, &task), 1);
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->Owner, nullptr);
    EXPECT_EQ(task->ID, 0);
    EXPECT_STREQ(task->Name, L"");
    EXPECT_EQ(task->ColorBk, 0xFFFFFFu);
    // A scratch task is released with MarkDeleted, also outside any transaction.
    EXPECT_EQ(task->MarkDeleted(), 0);
    EXPECT_EQ(root->Command(kCmdNewTask, nullptr), 0);
}

TEST_F(DataRootTest, Command_standAloneRecurrenceHasTemplate)
{
    CRecurrence* series = nullptr;
    ASSERT_EQ(root->Command(kCmdNewRecurrence, &series), 1);
    ASSERT_NE(series, nullptr);
    ASSERT_NE(series->Task, nullptr);
    EXPECT_EQ(series->Task->ID, -1);
    EXPECT_EQ(series->Task->Recurrence, series);
    EXPECT_EQ(series->Task->Owner, nullptr);
    EXPECT_EQ(series->MarkDeleted(), 0);
}

TEST_F(DataRootTest, GetFileInfo_withoutFile)
{
    EXPECT_EQ(root->GetFileInfo(kInfoVersionTexts, nullptr), 0);
    EXPECT_EQ(root->GetFileInfo(kInfoLegacy, nullptr), 2);
    EXPECT_EQ(root->GetFileInfo(kInfoZipped, nullptr), 2);
    double required = -1.0;
    EXPECT_EQ(root->GetFileInfo(kInfoFullVersion, &required), 2);
    EXPECT_EQ(required, 0.0);
    wchar_t texts[4 * kVersionTextChars];
    std::fill(std::begin(texts), std::end(texts), L'x');
    EXPECT_EQ(root->GetFileInfo(kInfoVersionTexts, texts), 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(texts[i * kVersionTextChars], L'\0');
    EXPECT_EQ(root->GetFileInfo(9, nullptr), 0);
    wchar_t path[kPathChars] = L"stale";
    EXPECT_STREQ(root->GetPath(path), L"");
    EXPECT_FALSE(root->IsReadOnly());
}

TEST_F(DataRootTest, AddChangeListener_calledPerRegistrationWithKindBits)
{
    EXPECT_EQ(root->AddChangeListener(&RecordChange), 1);
    EXPECT_EQ(root->AddChangeListener(&RecordChange), 1);
    AddResource(L"R");
    EXPECT_EQ(Listened().calls, (std::vector<unsigned int>{ChangeBit(kKindResource), ChangeBit(kKindResource)}));
}

void RegisterAnotherListener(unsigned int bits)
{
    RecordChange(bits);
    qv2dtest::Qv2d().getData(nullptr)->AddChangeListener(&RecordChange);
}

TEST_F(DataRootTest, AddChangeListener_listenerAddedDuringNotificationWaitsForNextOne)
{
    root->AddChangeListener(&RegisterAnotherListener);
    AddResource(L"A");
    EXPECT_EQ(Listened().calls.size(), 1u);
    Listened().calls.clear();
    AddResource(L"B");
    // The first listener again (registering a third), then the one it added before.
    EXPECT_EQ(Listened().calls.size(), 2u);
}

TEST(DataRootNoStore, Edits_workWithoutUndoStore)
{
    CData* root = Qv2d().getData(nullptr);
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(root->BeginTransaction(L"named"), 0);
    CResource* r = root->Resources->CreateNew();
    r->SetName(L"R");
    ASSERT_EQ(root->Resources->Add(r), 0);
    EXPECT_EQ(root->Commit(), 0);
    ASSERT_EQ(root->BeginTransaction(L"delete"), 0);
    EXPECT_EQ(r->MarkDeleted(), 0);
    EXPECT_EQ(root->Commit(), 0);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 0);
    EXPECT_EQ(root->Close(0), 0);
    Qv2d().freeData();
}

} // namespace
