#pragma once
// The fixture of the viewer-core tests that work on a project without a main window: a fake
// data root, the resource library for texts and menus, one stand-in plug-in ("Watcher") that
// logs what it is told, recorded message boxes, and pending dialogs answered by the test.

#include "FakeData.h"
#include "PendingDialogs.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "TestSupport.h"
#include "fw/Resources.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace qvtest {

class CoreFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearLog();
        gData = &data;
        m_resources = LoadLibraryW((BinFolder() + L"QV2ResV.dll").c_str());
        ASSERT_NE(m_resources, nullptr);
        fw::SetResourceModule(m_resources);
        folder.Copy(StubFolder() + L"stub_plugin.dll", L"Watcher.dll");
        std::wstring refused;
        ASSERT_TRUE(gPlugins->LoadPlugins({{folder.File(L"Watcher.dll"), true}}, CPluginHostInfo{}, refused));
        ClearLog();
    }

    void TearDown() override
    {
        SetPendingDialogRunner({});
        gPlugins->FreeAll();
        fw::SetResourceModule(nullptr);
        if (m_resources)
            FreeLibrary(m_resources);
        gData = nullptr;
        gCurrentFilter = nullptr;
    }

    // Pending dialogs are answered by `answer`; each one's class name is recorded.
    void AnswerDialogs(std::function<INT_PTR(CPendingDialog& dialog)> answer)
    {
        SetPendingDialogRunner([this, answer](CPendingDialog& dialog, HWND) {
            dialogs.push_back(dialog.Name());
            return answer(dialog);
        });
    }

    CTempFolder folder; // outlives the objects: the plug-in is freed before its file goes
    CProcessObjects objects;
    fake::CFakeData data;
    CMessageRecorder messages;
    std::vector<std::wstring> dialogs;

private:
    HMODULE m_resources = nullptr;
};

} // namespace qvtest
