#pragma once
// The fixture of the viewer-core tests that work on a project without a main window: a fake
// data root, the resource library for texts and menus, one stand-in plug-in ("Watcher") that
// logs what it is told, recorded message boxes, and dialogs answered by the test (hidden) from the
// modal-dialog hook.

#include "FakeData.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "TestSupport.h"
#include "fw/Dialog.h"
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
        // The real dialogs' templates create the controls library's windows by class name.
        static HMODULE controls = LoadLibraryW((BinFolder() + L"RKComControls2.dll").c_str());
        ASSERT_NE(controls, nullptr);
        folder.Copy(StubFolder() + L"stub_plugin.dll", L"Watcher.dll");
        std::wstring refused;
        ASSERT_TRUE(gPlugins->LoadPlugins({{folder.File(L"Watcher.dll"), true}}, CPluginHostInfo{}, refused));
        ClearLog();
    }

    void TearDown() override
    {
        fw::SetModalDialogHook({});
        gPlugins->FreeAll();
        fw::SetResourceModule(nullptr);
        if (m_resources)
            FreeLibrary(m_resources);
        gData = nullptr;
        gCurrentFilter = nullptr;
    }

    // Real modal dialogs of class `Dialog` are answered by `answer`, which runs once the dialog
    // is initialised and before it is shown, may drive its controls, and gives the button to
    // press; `name` is recorded. Any other dialog is recorded as "other" and cancelled. A dialog
    // that the button leaves open is cancelled by a posted IDCANCEL.
    template <class Dialog>
    void AnswerModal(const wchar_t* name, std::function<INT_PTR(Dialog& dialog)> answer)
    {
        fw::SetModalDialogHook([this, name, answer](fw::CDialog& dialog) {
            auto* typed = dynamic_cast<Dialog*>(&dialog);
            dialogs.push_back(typed ? name : L"other");
            const INT_PTR button = typed ? answer(*typed) : IDCANCEL;
            PostMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
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
