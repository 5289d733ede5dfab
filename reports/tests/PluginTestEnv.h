#pragma once
// The fixture of the plug-in tests: QV2R.dll loaded once from the program folder into this test
// program (its host), told about the resource library and the data root as the viewer does.

#include "HostDouble.h"
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

struct PluginEntries {
    HMODULE module = nullptr;
    QV2Plugin_OnPluginInfoFn onPluginInfo = nullptr;
    QV2Plugin_OnStartFn onStart = nullptr;
    QV2Plugin_OnLoadSettingsFn onLoadSettings = nullptr;
    QV2Plugin_OnSaveSettingsFn onSaveSettings = nullptr;
    QV2Plugin_OnNotifyFn onRegister = nullptr;
    QV2Plugin_OnNotifyFn onExit = nullptr;
};

// Loaded at the first call; the library stays loaded for the whole program.
const PluginEntries& Plugin();
HINSTANCE ResourceLibrary();

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The filters report's record as the plug-in registered it.
    const ReportRegistration& FiltersRecord();
    // The record of the report of that name (an empty record when there is none).
    const ReportRegistration& Record(const wchar_t* name);
};
