#pragma once
// The viewer started in this process, hidden, on the sample project, with the real libraries and
// plug-ins copied into a temporary program folder; closed as a user would at the end.

#include "MainApp.h"
#include "MainFrame.h"
#include "ProcessObjects.h"
#include "TestSupport.h"
#include "ViewerUtil.h"
#include "fw/PreviewView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace qvtest {

// Closes a started viewer as a user would (a preview first: a close during one only ends it),
// then lets it end.
inline void CloseViewer(CMainApp& app)
{
    if (app.Frame()) {
        if (app.Frame()->Preview())
            app.Frame()->Preview()->Close();
        PostMessageW(app.Frame()->Hwnd(), WM_CLOSE, 0, 0);
        app.RunMessageLoop();
    }
    app.ExitInstance();
}

class RealViewerFixture : public ::testing::Test {
protected:
    // Call from SetUp: fails the test when the viewer does not start.
    void StartViewer()
    {
        m_previousFolder = GetCurrentFolder();
        for (const wchar_t* library : {L"QV2ResV.dll", L"RKPrintEngine2.dll", L"RKComControls2.dll", L"QV2D.dll",
                                       L"QV2R.dll", L"QV2BoardView.dll"})
            ASSERT_TRUE(program.Copy(BinFolder() + library, library)) << ::testing::PrintToString(library);
        sample = TestProgramFolder() + L"viewer_e2e\\sample.wqv";
        ASSERT_NE(GetFileAttributesW(sample.c_str()), INVALID_FILE_ATTRIBUTES);
        CStartupEnvironment environment;
        environment.programFolder = program.Path();
        environment.commandLine = L"Win-Quorvia2-Viewer.exe /h \"" + sample + L"\"";
        environment.isShiftDown = [] { return false; };
        environment.profileFile = program.File(L"profile.ini");
        App().SetEnvironment(environment);
        m_started = App().InitInstance();
        ASSERT_TRUE(m_started);
    }

    void TearDown() override
    {
        if (m_started)
            CloseViewer(App());
        objects.reset();
        if (!m_previousFolder.empty())
            SetCurrentDirectoryW(m_previousFolder.c_str());
    }

    CMainApp& App() { return objects->App(); }
    CMainFrame& Frame() { return *App().Frame(); }

    CTempFolder program; // first in, last out: the libraries are freed before it goes
    std::unique_ptr<CProcessObjects> objects = std::make_unique<CProcessObjects>();
    std::wstring sample;

private:
    std::wstring m_previousFolder;
    bool m_started = false;
};

} // namespace qvtest
