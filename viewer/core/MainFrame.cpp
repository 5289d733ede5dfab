// The main frame: creation, opening of projects, title, placement, closing.
#include "MainFrame.h"

#include "ClassicText.h"
#include "CurrentFilter.h"
#include "HostKeys.h"
#include "MainApp.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "Settings.h"
#include "fw/MessageBox.h"
#include "fw/Resources.h"
#include "fw/WaitCursor.h"
#include "wqv2_data.h"

#include <shellapi.h>

#include <vector>

namespace {

// The ini file that the frame's close saves to: "IniFileSave" when set, else the one in use.
std::wstring SaveTarget()
{
    const std::wstring save = GetSetting(L"IniFileSave");
    return save.empty() ? GetSetting(L"InitializationFile") : save;
}

void RemoveMenuCommand(HMENU menu, int submenu, UINT id)
{
    if (HMENU sub = menu ? GetSubMenu(menu, submenu) : nullptr)
        DeleteMenu(sub, id, MF_BYCOMMAND);
}

} // namespace

bool CMainFrame::Create()
{
    return LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, fw::LoadResString(IDS_APP_TITLE));
}

bool CMainFrame::OnCreate()
{
    if (!m_view.Create(Hwnd()))
        return false;
    SetActiveView(&m_view);
    DragAcceptFiles(Hwnd(), TRUE);
    if (gPlugins) {
        // Pages of a kind that no plug-in registered would leave an empty dialog behind.
        if (gPlugins->OptionPages(0).empty())
            RemoveMenuCommand(Menu(), 0, IDM_FILE_OPTIONS);
        if (gPlugins->OptionPages(1).empty())
            RemoveMenuCommand(Menu(), 2, IDM_TOOLS_ADMINISTRATION);
        gPlugins->BroadcastOnWindowInit(Hwnd(), m_view.Hwnd());
        // The frame has no tool bar of its own yet; plug-ins are told so with null.
        gPlugins->BroadcastOnToolbarInit(nullptr);
        if (Menu())
            gPlugins->BroadcastOnMenuInit(Hwnd(), Menu());
    }
    return true;
}

bool CMainFrame::OnClose()
{
    if (m_preview)
        return true;
    if (gPlugins && !gPlugins->QueryPrepareExit())
        return false;
    const std::wstring file = SaveTarget();
    SaveHostKeys(file, true);
    if (gPlugins)
        gPlugins->BroadcastOnSaveSettings(file, true);
    return true;
}

bool CMainFrame::OnCommand(UINT id, UINT, HWND)
{
    if (id >= CPlugins::kFirstCommandId && id <= CPlugins::kLastCommandId) {
        const CommandRegistration* command = gPlugins ? gPlugins->CommandById(id) : nullptr;
        if (command && command->Execute)
            command->Execute(Hwnd());
        return true;
    }
    return false;
}

void CMainFrame::UpdateCommand(fw::CCommandState& state)
{
    if (state.id < CPlugins::kFirstCommandId || state.id > CPlugins::kLastCommandId)
        return;
    const CommandRegistration* command = gPlugins ? gPlugins->CommandById(state.id) : nullptr;
    if (!command || !command->Update)
        return;
    const unsigned flags = command->Update(Hwnd());
    state.Enable(!(flags & 1));
    state.Check((flags & 2) != 0);
}

bool CMainFrame::OpenProjectFile(const std::wstring& path)
{
    if (!gData)
        return false;
    int status = 0;
    {
        fw::CWaitCursor wait;
        status = gData->Open(path.c_str(), true);
    }
    UpdateTitle();
    if (status == wqv2_data::kOk || status == wqv2_data::kErrReadOnly) {
        if (gApp)
            gApp->AddToRecentFileList(path);
        if (gPlugins)
            gPlugins->BroadcastOnFileOpened(0);
        if (IsStartupFilterPending())
            ApplyStartupFilter();
        double required = 0;
        if (gData->GetFileInfo(wqv2_data::kInfoFullVersion, &required) != 1 &&
            GetBoolSetting(L"ShowMessageOpenedWithOlderVersion", true))
            fw::ShowMessage(Hwnd(), msgfmt::Format(fw::LoadResString(IDS_MSG_OLDER_VERSION), {path}),
                            MB_OK | MB_ICONINFORMATION);
        return true;
    }
    UINT message = IDS_MSG_NOT_A_PROJECT;
    if (status == wqv2_data::kErrOpen)
        message = IDS_MSG_OPEN_FAILED;
    else if (status == wqv2_data::kErrIo || status == 11)
        message = IDS_MSG_READ_ERROR; // the data library reports read errors as 10
    else if (status == wqv2_data::kErrNewerVersion)
        message = IDS_MSG_NEEDS_NEWER_LIBRARY;
    fw::ShowMessage(Hwnd(), msgfmt::Format(fw::LoadResString(message), {path}), MB_OK | MB_ICONSTOP);
    return false;
}

void CMainFrame::UpdateTitle()
{
    std::wstring path;
    if (gData) {
        wchar_t buffer[wqv2_data::kPathChars] = {};
        gData->GetPath(buffer);
        buffer[wqv2_data::kPathChars - 1] = L'\0';
        path = buffer;
    }
    if (path.empty())
        path = fw::LoadResString(IDS_TITLE_NO_FILE);
    const std::wstring title =
        msgfmt::Format(fw::LoadResString(IDS_TITLE_FORMAT), {path}) + GetSetting(L"ViewMainWindowTitleAdd");
    SetWindowTextW(Hwnd(), title.c_str());
}

void CMainFrame::PlaceAndShow(bool hidden)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(Hwnd(), &placement);

    const int screenX = GetSystemMetrics(SM_CXSCREEN);
    const int screenY = GetSystemMetrics(SM_CYSCREEN);
    RECT normal{screenX / 10, screenY / 10, screenX * 9 / 10, screenY * 9 / 10};
    const std::vector<std::wstring> parts = GetSettingList(L"ViewMainWindowRect", L" ");
    int values[4] = {};
    if (parts.size() == 4 && ctext::ParseIntExact(parts[0], values[0]) && ctext::ParseIntExact(parts[1], values[1]) &&
        ctext::ParseIntExact(parts[2], values[2]) && ctext::ParseIntExact(parts[3], values[3]))
        normal = RECT{values[0], values[1], values[2], values[3]};
    placement.rcNormalPosition = normal;
    placement.ptMaxPosition = POINT{-GetSystemMetrics(SM_CXBORDER), -GetSystemMetrics(SM_CYBORDER)};

    const bool iconic = GetBoolSetting(L"ViewMainWindowIconic", false);
    const bool maximized = GetBoolSetting(L"ViewMainWindowMaximized", true);
    placement.flags = 0;
    if (iconic) {
        placement.showCmd = SW_SHOWMINIMIZED;
        if (maximized)
            placement.flags |= WPF_RESTORETOMAXIMIZED;
    } else {
        placement.showCmd = maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    }
    if (hidden) {
        placement.showCmd = SW_HIDE;
        m_hiddenStart = true;
    }
    SetWindowPlacement(Hwnd(), &placement);
    if (!hidden)
        UpdateWindow(Hwnd());
}

void CMainFrame::StoreWindowPlacement()
{
    if (m_hiddenStart || !Hwnd())
        return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(Hwnd(), &placement))
        return;
    bool iconic = false;
    bool maximized = false;
    if (IsIconic(Hwnd())) {
        iconic = true;
        maximized = (placement.flags & WPF_RESTORETOMAXIMIZED) != 0;
    } else if (IsZoomed(Hwnd())) {
        maximized = true;
    }
    SetBoolSetting(L"ViewMainWindowIconic", iconic);
    SetBoolSetting(L"ViewMainWindowMaximized", maximized);
    const RECT& rc = placement.rcNormalPosition;
    SetSetting(L"ViewMainWindowRect", ctext::IntText(rc.left) + L" " + ctext::IntText(rc.top) + L" " +
                                          ctext::IntText(rc.right) + L" " + ctext::IntText(rc.bottom));
}
