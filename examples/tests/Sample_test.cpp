// The committed sample project through QV2D.dll, bound by name as the viewer binds it: both
// files open, hold the project the sample maker built, and save back byte for byte.
#include "wqv2_data.h"
#include "wqv2_undo.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace wqv2_data;

namespace {

class NoUndo : public wqv2_undo::CUndoManager {
public:
    void Clear() override {}
    bool PushUndo(const wqv2_undo::UndoRecord*, bool) override { return false; }
    bool PushRedo(const wqv2_undo::UndoRecord*) override { return false; }
};

std::wstring ProgramFolder()
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path.substr(0, path.find_last_of(L"\\/"));
}

std::wstring SamplePath(const wchar_t* name) { return ProgramFolder() + L"\\samples\\" + name; }

std::vector<char> Bytes(const std::wstring& path)
{
    std::vector<char> bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return bytes;
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), file)) > 0;)
        bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(file);
    return bytes;
}

class SampleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_module = LoadLibraryW(L"QV2D.dll");
        ASSERT_NE(m_module, nullptr);
        auto getData = reinterpret_cast<DllGetDataFn>(reinterpret_cast<void*>(GetProcAddress(m_module, "DllGetData")));
        m_free = reinterpret_cast<DllFreeDataFn>(reinterpret_cast<void*>(GetProcAddress(m_module, "DllFreeData")));
        ASSERT_TRUE(getData && m_free);
        root = getData(&m_store);
        ASSERT_NE(root, nullptr);
        wchar_t temp[MAX_PATH + 1] = {}; // GetTempPathW's documented limit
        GetTempPathW(MAX_PATH + 1, temp);
        m_saved = std::wstring(temp) + L"qv2-sample-" + std::to_wstring(GetCurrentProcessId()) + L".xml";
    }
    void TearDown() override
    {
        if (m_free)
            m_free();
        DeleteFileW(m_saved.c_str());
    }
    // Saved bare under a temporary name; the bytes.
    std::vector<char> SaveBare()
    {
        EXPECT_EQ(root->Save(m_saved.c_str(), false), 0);
        return Bytes(m_saved);
    }

    CData* root = nullptr;

private:
    NoUndo m_store;
    HMODULE m_module = nullptr;
    DllFreeDataFn m_free = nullptr;
    std::wstring m_saved;
};

TEST_F(SampleTest, Bare_opensAndSavesByteIdentically)
{
    const std::wstring path = SamplePath(L"sample.xml");
    ASSERT_EQ(root->Open(path.c_str(), true), kErrReadOnly); // opened, read-only
    EXPECT_EQ(root->GetFileInfo(kInfoZipped, nullptr), 2);
    EXPECT_EQ(SaveBare(), Bytes(path));
}

TEST_F(SampleTest, Zipped_holdsTheSameProject)
{
    ASSERT_EQ(root->Open(SamplePath(L"sample.wqv").c_str(), true), kErrReadOnly);
    EXPECT_EQ(root->GetFileInfo(kInfoZipped, nullptr), 1);
    EXPECT_EQ(SaveBare(), Bytes(SamplePath(L"sample.xml")));
}

TEST_F(SampleTest, Content_everyKindIsThere)
{
    ASSERT_EQ(root->Open(SamplePath(L"sample.xml").c_str(), true), kErrReadOnly);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 5);
    EXPECT_EQ(root->Holidays->GetCount(), 12);
    EXPECT_EQ(root->Filters->GetCount(), 2);
    ASSERT_EQ(root->Calendars->GetCount(), 3);
    int exceptions = 0;
    for (int i = 0; i < 3; ++i)
        exceptions += root->Calendars->GetAt(i)->Exceptions->GetCount();
    EXPECT_EQ(exceptions, 6);
    EXPECT_EQ(root->ProjectSettings->GetUserFieldCount(kUserFieldsTask), 4);
    EXPECT_EQ(root->ProjectSettings->GetUserFieldCount(kUserFieldsResource), 2);

    bool frequencies[4] = {};
    int tasks = 0;
    int costed = 0;
    int withFields = 0;
    for (int i = 0; CResource* r = root->Resources->GetAt(i); ++i) {
        for (int k = 0; CRecurrence* s = r->Recurrences->GetAt(k); ++k) {
            ASSERT_GE(s->Frequency, 0);
            ASSERT_LE(s->Frequency, 3);
            frequencies[s->Frequency] = true;
            EXPECT_GT(s->GetFirstDay(), 0u);
        }
        for (int k = 0; CTask* t = r->Tasks->GetAt(k); ++k) {
            ++tasks;
            costed += t->CostsCalculate && t->GetCosts(0u, 0, 0u, 0) > 0.0 ? 1 : 0;
            withFields += t->GetUserFieldCount() > 0 ? 1 : 0;
        }
    }
    for (bool present : frequencies)
        EXPECT_TRUE(present);
    EXPECT_EQ(tasks, 14);
    EXPECT_GE(costed, 10);
    EXPECT_GE(withFields, 10);
    // March of the sample: tasks and occurrences on every row.
    const TDate from = TDate::FromYMD(3, 2026, 1);
    const TDate to = TDate::FromYMD(4, 2026, 1);
    for (int i = 0; CResource* r = root->Resources->GetAt(i); ++i)
        EXPECT_GT(r->CountTasksInWindow(from, 0, to, 0, nullptr), 0) << i;
}

} // namespace
