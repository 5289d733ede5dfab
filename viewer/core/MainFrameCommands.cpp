// The main frame's command table and the handlers that live in the frame.
#include "MainFrame.h"

#include "CurrentFilter.h"
#include "FilterCommands.h"
#include "FilterMenu.h"
#include "FrameDialogs.h"
#include "OptionsDlg.h"
#include "ScalePresets.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "ProjectHelpers.h"
#include "QV2ResVIds.h"
#include "ReportPrint.h"
#include "ReportsDlg.h"
#include "Settings.h"
#include "TaskClipboard.h"
#include "ViewSettingsDlg.h"
#include "ViewSteps.h"

#include <cstdlib>

namespace {

void EnableWhenOpen(fw::CCommandState& state)
{
    state.Enable(IsProjectOpen());
}

void SettingsChangedBy(CMainFrame& frame, int kind)
{
    frame.RefreshZoomBox();
    if (gPlugins)
        gPlugins->BroadcastOnSettingsChanged(kind);
}

} // namespace

void CMainFrame::SetZoom(int value)
{
    value = ClampZoom(value, GetIntSetting(L"ViewZoomMin", 25), GetIntSetting(L"ViewZoomMax", 400));
    if (value == GetIntSetting(L"ViewZoom", 100)) {
        RefreshZoomBox();
        return;
    }
    SetIntSetting(L"ViewZoom", value);
    SettingsChangedBy(*this, 0);
}

void CMainFrame::SortGrid(UINT id)
{
    const auto [type, order] = NextGridSort(GetIntSetting(L"ViewGridSortType", 0), GetIntSetting(L"ViewGridSortOrder", 2),
                                            static_cast<int>(id - IDM_GRID_SORT_FIRST));
    SetIntSetting(L"ViewGridSortType", type);
    SetIntSetting(L"ViewGridSortOrder", order);
    SettingsChangedBy(*this, 2);
}

void CMainFrame::RunReportsDialog()
{
    CReportsDlg dialog;
    if (dialog.RunModal(Hwnd()) != IDOK)
        return;
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RunSelectedReport(*this);
    bool again = false;
    switch (GetIntSetting(L"ReportsOutput", 0)) {
    case 0:
        // After a preview the dialog comes back when the preview closes (message 0x4C9).
        again = GetBoolSetting(L"ReportsOutputPrinter", true) && GetBoolSetting(L"DlgReportsReopenAfterPrint", false);
        break;
    case 1:
        again = GetBoolSetting(L"DlgReportsReopenAfterExport", false);
        break;
    case 2:
        again = GetBoolSetting(L"DlgReportsReopenAfterHtml", false);
        break;
    }
    if (again)
        PostMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(IDM_TOOLS_REPORTS, 0), 0);
}

bool CMainFrame::OnCommand(UINT id, UINT code, HWND control)
{
    // The zoom box reports through its parent, the tool bar, which passes it on.
    if (id == CToolBarEx::kZoomComboId && control) {
        if (code == CBN_CLOSEUP)
            m_toolBar.OnZoomListClosed();
        return true;
    }
    return fw::CFrameWindow::OnCommand(id, code, control);
}

void CMainFrame::BuildCommandTable()
{
    fw::CCommandTable& table = Commands();
    table.Add(IDM_FILE_RELOAD, [this](UINT) { ReloadProject(); });
    table.Add(IDM_FILE_OPEN, [this](UINT) { OpenWithDialog(); });
    // The print command prints the report last started, with the pages of its last build.
    table.Add(
        IDM_FILE_PRINT, [this](UINT) { m_view.PrintReport(); },
        [](fw::CCommandState& state) { state.Enable(RememberedReport() != nullptr); });
    table.Add(
        IDM_EDIT_COPY, [this](UINT) { CopySelectedTasks(Hwnd()); },
        [](fw::CCommandState& state) { state.Enable(gSelection && !gSelection->empty()); });
    table.Add(IDM_NOTHING, {});
    table.Add(IDM_EDIT_SETTING, [](UINT) { ShowSettingDlg(); });
    table.Add(2025, [](UINT) { ShowSettingDlg(); });
    table.Add(IDM_FILE_OPTIONS, [this](UINT) { COptionsDlg(0).RunModal(Hwnd()); });
    table.Add(IDM_TOOLS_ADMINISTRATION, [this](UINT) { COptionsDlg(1).RunModal(Hwnd()); });
    table.Add(IDM_TOOLS_HOLIDAYS, [](UINT) { ShowHolidaysDlg(); }, EnableWhenOpen);
    table.Add(IDM_TOOLS_CALENDARS, [](UINT) { ShowCalendarsDlg(); }, EnableWhenOpen);
    table.Add(IDM_FILTER_EDIT, [](UINT) { OnFilterButton(); }, EnableWhenOpen);
    table.Add(
        IDM_FILTER_ON_OFF, [](UINT) { OnFilterOnOff(); },
        [](fw::CCommandState& state) {
            state.Check(GetBoolSetting(L"FilterActive", false));
            state.Enable(IsProjectOpen());
        });
    table.Add(IDM_FILTER_LIST, [](UINT) { ShowFiltersDlg(); }, EnableWhenOpen);
    table.AddRange(IDM_FILTER_FIRST, IDM_FILTER_FIRST + 50, [](UINT id) { OnFilterChosen(id); },
                   [](fw::CCommandState& state) {
                       // Only the list's first item rebuilds it; its items stay enabled.
                       if (state.id == IDM_FILTER_FIRST && state.menu)
                           state.nextIndex = RebuildFilterMenu(state.menu, state.index);
                   });
    table.AddRange(IDM_SCALE_FIRST, IDM_SCALE_FIRST + 25, [](UINT id) { ApplyScaleCommand(id); },
                   [](fw::CCommandState& state) {
                       if (state.id == IDM_SCALE_FIRST)
                           UpdateScaleMenu(state);
                   });
    table.Add(IDM_VIEW_TIMEBAR, [](UINT) { ShowTimeBarDlg(); });
    table.Add(IDM_VIEW_SCHEDULE_FORMAT, [](UINT) { ShowScheduleFormatDlg(); });
    table.Add(IDM_VIEW_SETTINGS, [this](UINT) {
        CViewSettingsDlg dialog;
        if (dialog.RunModal(Hwnd()) == IDOK)
            SettingsChangedBy(*this, 0);
    });
    table.Add(IDM_EDIT_SELECT_LISTED, [](UINT) { SelectListedTasks(); });
    table.Add(IDM_VIEW_GOTO_DATE, [](UINT) { ShowGotoDateDlg(); });
    table.Add(IDM_VIEW_FREEZE, [](UINT) { ShowFreezeDlg(std::abs(FreezeCount())); });
    table.Add(IDM_VIEW_UNFREEZE, [](UINT) { UnfreezeResources(); },
              [](fw::CCommandState& state) { state.Enable(FreezeCount() > 0); });
    table.Add(IDM_VIEW_FREEZE_TOGGLE, [](UINT) { ToggleFreezeResources(); },
              [](fw::CCommandState& state) { state.Check(FreezeCount() > 0); });
    table.Add(
        IDM_TOOLS_REPORTS, [this](UINT) { RunReportsDialog(); },
        [](fw::CCommandState& state) { state.Enable(gPlugins && !gPlugins->Reports().empty() && IsProjectOpen()); });
    table.AddRange(IDM_GRID_SORT_FIRST, IDM_GRID_SORT_FIRST + 7, [this](UINT id) { SortGrid(id); },
                   [](fw::CCommandState& state) {
                       state.Check(state.id == static_cast<UINT>(GetIntSetting(L"ViewGridSortType", 0)) +
                                                  IDM_GRID_SORT_FIRST);
                   });
    table.Add(IDM_VIEW_ZOOM_IN, [this](UINT) {
        SetZoom(ZoomInTarget(GetIntSetting(L"ViewZoom", 100), GetIntSetting(L"ViewZoomDefaultChanging", 5)));
    });
    table.Add(IDM_VIEW_ZOOM_OUT, [this](UINT) {
        SetZoom(ZoomOutTarget(GetIntSetting(L"ViewZoom", 100), GetIntSetting(L"ViewZoomDefaultChanging", 5)));
    });
    table.Add(IDM_VIEW_FOCUS_VIEW, [this](UINT) {
        if (ActiveView() && ActiveView()->Hwnd())
            SetFocus(ActiveView()->Hwnd());
    });
    table.AddRange(
        CPlugins::kFirstCommandId, CPlugins::kLastCommandId,
        [this](UINT id) {
            const CommandRegistration* command = gPlugins ? gPlugins->CommandById(id) : nullptr;
            if (command && command->Execute)
                command->Execute(Hwnd());
        },
        [this](fw::CCommandState& state) {
            const CommandRegistration* command = gPlugins ? gPlugins->CommandById(state.id) : nullptr;
            if (!command || !command->Update)
                return;
            const unsigned flags = command->Update(Hwnd());
            state.Enable(!(flags & 1));
            state.Check((flags & 2) != 0);
        });
}
