#pragma once
// The fixture of the shared text tests: a fixed clock and locale, the resource library for the
// strings, and settings read from a table the test fills.

#include "DateTestEnv.h"
#include "WorkingTimeText.h"
#include "fw/Resources.h"

#include <windows.h>

#include <map>
#include <string>

class UiTextTest : public DateTest {
protected:
    void SetUp() override
    {
        DateTest::SetUp();
        // Tests start in the program folder, where the resource library lies.
        m_resources = LoadLibraryW(L"QV2ResV.dll");
        ASSERT_NE(m_resources, nullptr);
        fw::SetResourceModule(m_resources);
        Settings().clear();
        SetSettingTextReader(&ReadSetting);
    }
    void TearDown() override
    {
        SetSettingTextReader(nullptr);
        fw::SetResourceModule(nullptr);
        if (m_resources)
            FreeLibrary(m_resources);
        DateTest::TearDown();
    }

    static std::map<std::wstring, std::wstring>& Settings()
    {
        static std::map<std::wstring, std::wstring> settings;
        return settings;
    }

private:
    static std::wstring ReadSetting(const wchar_t* key)
    {
        const auto found = Settings().find(key);
        return found == Settings().end() ? std::wstring() : found->second;
    }

    HMODULE m_resources = nullptr;
};
