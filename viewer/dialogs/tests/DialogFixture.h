#pragma once
// The fixture of the dialog tests: the viewer's process objects, the resource library, the
// stand-in page plug-in (stub_pages) loaded as the viewer loads plug-ins, recorded message
// boxes and save dialogs, and a modal-dialog hook that hands every dialog to the test's
// `drive` before the dialog would show (without one, the dialog is cancelled).

#include "Plugins.h"
#include "ProcessObjects.h"
#include "Settings.h"
#include "TestSupport.h"
#include "fw/Dialog.h"
#include "fw/FileDialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace dlgtest {

// Answers every save dialog with `answer` (empty: cancelled) and keeps what it was offered; an
// open dialog is kept apart and cancelled.
class CSaveDialogRecorder : public fw::IFileDialogSink {
public:
    CSaveDialogRecorder() : m_previous(fw::SetFileDialogSink(this)) {}
    ~CSaveDialogRecorder() override { fw::SetFileDialogSink(m_previous); }
    bool ChooseSaveFile(const fw::FileDialogArgs& args, std::wstring& path) override
    {
        asked.push_back(args);
        if (answer.empty())
            return false;
        path = answer;
        return true;
    }
    bool ChooseOpenFile(const fw::FileDialogArgs& args, std::wstring&) override
    {
        opened.push_back(args);
        return false;
    }

    std::vector<fw::FileDialogArgs> asked;
    std::vector<fw::FileDialogArgs> opened;
    std::wstring answer;

private:
    fw::IFileDialogSink* m_previous;
};

class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads another plug-in file after the stand-in (false when it refuses).
    bool LoadPlugin(const std::wstring& path);
    // The plug-ins register what the settings name.
    void Register() { gPlugins->BroadcastOnRegister(); }

    // What the stand-in pages logged since the last call, without the library's prefix;
    // `page` keeps only that page's events (without its name).
    std::vector<std::wstring> PageLog(const std::wstring& page = L"");
    void ClearPageLog() { qvtest::ClearLog(); }

    static void Click(fw::CDialog& dialog, int id);
    static std::wstring Text(HWND window);
    static bool HasVisibleStyle(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

    CProcessObjects objects;
    qvtest::CMessageRecorder messages;
    CSaveDialogRecorder saveDialogs;
    std::function<void(fw::CDialog& dialog)> drive;
    HMODULE resources = nullptr;
};

} // namespace dlgtest
