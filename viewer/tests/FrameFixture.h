#pragma once
// The fixture of the main-frame tests: the viewer started in a temporary program folder with
// the resource library, the real print engine, stand-ins for the other libraries and two
// stand-in plug-ins (QV2BoardView with a board window, QV2R), its frame kept hidden; message
// boxes, popup menus, the printer and the real modal dialogs (cancelled at once) are recorded.

#include "MainApp.h"
#include "MainFrame.h"
#include "CalendarsDlg.h"
#include "DateSelectorDlg.h"
#include "FilterDlg.h"
#include "FiltersDlg.h"
#include "FreezeDlg.h"
#include "HolidaysDlg.h"
#include "OptionsDlg.h"
#include "ReportsDlg.h"
#include "ScheduleFormatDlg.h"
#include "SettingDlg.h"
#include "TimeBarDlg.h"
#include "ViewSettingsDlg.h"
#include "fw/Dialog.h"
#include "fw/PreviewView.h"
#include "PopupRecorder.h"
#include "ProcessObjects.h"
#include "RealViewerFixture.h"
#include "RecordingPrinter.h"
#include "Settings.h"
#include "TestSupport.h"
#include "ViewerUtil.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qvtest {

class FrameFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearLog();
        m_previousFolder = GetCurrentFolder();
        ASSERT_TRUE(program.Copy(BinFolder() + L"QV2ResV.dll", L"QV2ResV.dll"));
        ASSERT_TRUE(program.Copy(BinFolder() + L"RKPrintEngine2.dll", L"RKPrintEngine2.dll"));
        ASSERT_TRUE(program.Copy(StubFolder() + L"stub_controls.dll", L"RKComControls2.dll"));
        ASSERT_TRUE(program.Copy(StubFolder() + L"stub_data.dll", L"QV2D.dll"));
        ASSERT_TRUE(program.Copy(StubFolder() + L"stub_plugin.dll", L"QV2R.dll"));
        ASSERT_TRUE(program.Copy(StubFolder() + L"stub_plugin.dll", L"QV2BoardView.dll"));
        // The real dialogs are recorded by their class and cancelled before they would show.
        fw::SetModalDialogHook([this](fw::CDialog& dialog) {
            dialogs.push_back(NameOf(dialog));
            SendMessageW(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
    }

    static std::wstring NameOf(fw::CDialog& dialog)
    {
        if (dynamic_cast<CReportsDlg*>(&dialog))
            return L"CReportsDlg";
        if (dynamic_cast<COptionsDlg*>(&dialog))
            return L"COptionsDlg";
        if (dynamic_cast<CViewSettingsDlg*>(&dialog))
            return L"CViewSettingsDlg";
        if (dynamic_cast<CCalendarsDlg*>(&dialog))
            return L"CCalendarsDlg";
        if (dynamic_cast<CDateSelectorDlg*>(&dialog))
            return L"CDateSelectorDlg";
        if (dynamic_cast<CFiltersDlg*>(&dialog))
            return L"CFiltersDlg";
        if (dynamic_cast<CFilterDlg*>(&dialog))
            return L"CFilterDlg";
        if (dynamic_cast<CFreezeDlg*>(&dialog))
            return L"CFreezeDlg";
        if (dynamic_cast<CHolidaysDlg*>(&dialog))
            return L"CHolidaysDlg";
        if (dynamic_cast<CTimeBarDlg*>(&dialog))
            return L"CTimeBarDlg";
        if (dynamic_cast<CSettingDlg*>(&dialog))
            return L"CSettingDlg";
        if (dynamic_cast<CScheduleFormatDlg*>(&dialog))
            return L"CScheduleFormatDlg";
        return L"dialog";
    }

    void TearDown() override
    {
        if (m_started && !m_exited)
            CloseViewer(App());
        m_exited = true;
        fw::SetModalDialogHook({});
        objects.reset();
        SetCurrentDirectoryW(m_previousFolder.c_str());
    }

    // Starts hidden, with a board window and the report of the stand-in QV2R registered.
    bool Start(const std::wstring& arguments = L"")
    {
        CStartupEnvironment environment;
        environment.programFolder = program.Path();
        environment.commandLine = L"Win-Quorvia2-Viewer.exe /h /se /s StubBoard.QV2BoardView=1 /s StubRegister.QV2R=1 " +
                                  arguments;
        environment.isShiftDown = [] { return false; };
        environment.profileFile = program.File(L"profile.ini");
        App().SetEnvironment(environment);
        m_started = App().InitInstance();
        return m_started;
    }

    CMainApp& App() { return objects->App(); }
    CMainFrame& Frame() { return *App().Frame(); }
    void Command(UINT id) { SendMessageW(Frame().Hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    // Handles what was posted to the frame (commands posted by the preview and the frame).
    void Pump() { PumpMessages(); }
    // The state of a command as its menu item would show it.
    fw::CCommandState State(UINT id)
    {
        fw::CCommandState state;
        state.id = id;
        Frame().QueryCommandState(state);
        return state;
    }

    CTempFolder program; // first in, last out: the libraries are freed before it goes
    CMessageRecorder messages;
    CPopupRecorder popup;
    fwtest::CRecordingPrinter printer;
    std::unique_ptr<CProcessObjects> objects = std::make_unique<CProcessObjects>();
    std::vector<std::wstring> dialogs;

private:
    std::wstring m_previousFolder;
    bool m_started = false;
    bool m_exited = false;
};

} // namespace qvtest
