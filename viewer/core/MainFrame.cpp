// The main frame: creation, opening and reloading of projects, title, placement, closing, and
// the messages of its tool bar, drop target and preview.
#include "MainFrame.h"

#include "ClassicText.h"
#include "CurrentFilter.h"
#include "FilterMenu.h"
#include "HostKeys.h"
#include "MainApp.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "ProfileFile.h"
#include "ProjectHelpers.h"
#include "QV2ResVIds.h"
#include "RecentFiles.h"
#include "SafeFormat.h"
#include "Settings.h"
#include "ViewerUtil.h"
#include "fw/FileDialog.h"
#include "fw/MessageBox.h"
#include "fw/PopupMenu.h"
#include "fw/Resources.h"
#include "fw/WaitCursor.h"
#include "wqv2_data.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

namespace {

// The setting that names the ini file the frame's close saves to: "IniFileSave" when set, else
// the one in use.
const wchar_t* SaveTargetSetting()
{
    return GetSetting(L"IniFileSave").empty() ? L"InitializationFile" : L"IniFileSave";
}

// The 8-bit files that could not hold values of the save just made, and the one that the exit
// writes the recent files into when it cannot hold them all; each once.
std::vector<std::wstring> FilesLackingText()
{
    std::vector<std::wstring> files;
    if (gSettings)
        files = gSettings->TakeFilesLackingText();
    const std::wstring recentFile = GetSetting(L"InitializationFile");
    if (!CanSaveRecentFiles(recentFile)) {
        const std::wstring path = GetIniFilePath(recentFile);
        if (std::find(files.begin(), files.end(), path) == files.end())
            files.push_back(path);
    }
    return files;
}

// Removes the command's item, and with it a separator left with nothing to separate.
void RemoveMenuCommand(HMENU menu, int submenu, UINT id)
{
    HMENU sub = menu ? GetSubMenu(menu, submenu) : nullptr;
    if (sub && DeleteMenu(sub, id, MF_BYCOMMAND))
        fw::RemoveStraySeparators(sub);
}

// The message of a failed open or reload of `path`.
UINT OpenFailureMessage(int status, const std::wstring& path)
{
    // A folder, a device or a pipe is no project, whatever the data library made of it.
    if (IsExistingFolder(path))
        return IDS_MSG_FOLDER_NOT_FILE;
    if (IsExistingDeviceOrPipe(path))
        return IDS_MSG_DEVICE_NOT_FILE;
    if (status == wqv2_data::kErrOpen)
        return IDS_MSG_OPEN_FAILED;
    if (status == wqv2_data::kErrIo || status == 11) // the data library reports read errors as 10
        return IDS_MSG_READ_ERROR;
    if (status == wqv2_data::kErrNewerVersion)
        return IDS_MSG_NEEDS_NEWER_LIBRARY;
    if (status == wqv2_data::kErrNoMemory)
        return IDS_MSG_NO_MEMORY_OPEN;
    if (status == wqv2_data::kErrTooLarge)
        return IDS_MSG_TOO_LARGE;
    return IDS_MSG_NOT_A_PROJECT;
}

// A failure late in a load closes the project that was open (the data library drops it only
// once nothing can fail for want of memory, but decides): when it did, the user is told so.
void AddProjectClosed(std::wstring& text, bool hadProject)
{
    if (hadProject && !IsProjectOpen())
        text += L"\n\n" + fw::LoadResString(IDS_MSG_PROJECT_CLOSED);
}

} // namespace

CMainFrame::CMainFrame()
{
    m_keyMap[CKeyRecord{false, true, false, 'C'}] = IDM_EDIT_COPY;
    m_keyMap[CKeyRecord{false, true, false, VK_INSERT}] = IDM_EDIT_COPY;
    BuildCommandTable();
}

bool CMainFrame::Create()
{
    return LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, fw::LoadResString(IDS_APP_TITLE));
}

bool CMainFrame::OnCreate()
{
    if (!m_view.Create(Hwnd()))
        return false;
    // The title says "no project" until a project is open, never just the program's name.
    UpdateTitle();
    SetActiveView(&m_view);
    DragAcceptFiles(Hwnd(), TRUE);
    if (!m_toolBar.CreateFor(*this))
        return true; // a frame without its tool bar still works; nothing else is set up
    m_statusBar.Create(Hwnd());
    SetControlBars(&m_toolBar, &m_statusBar);
    if (gPlugins) {
        // Pages of a kind that no plug-in registered would leave an empty dialog behind.
        if (gPlugins->OptionPages(0).empty())
            RemoveMenuCommand(Menu(), 0, IDM_FILE_OPTIONS);
        if (gPlugins->OptionPages(1).empty())
            RemoveMenuCommand(Menu(), 2, IDM_TOOLS_ADMINISTRATION);
        if (ActiveView())
            gPlugins->BroadcastOnWindowInit(Hwnd(), m_view.Hwnd());
        gPlugins->BroadcastOnToolbarInit(&m_toolBar);
        if (Menu())
            gPlugins->BroadcastOnMenuInit(Hwnd(), Menu());
    }
    return true;
}

bool CMainFrame::OnClose()
{
    if (gPlugins && !gPlugins->QueryPrepareExit())
        return false;
    const wchar_t* setting = SaveTargetSetting();
    const std::wstring file = GetSetting(setting);
    // What the store refuses to write is said once, here: a file it cannot use or read before
    // the saving, values that an 8-bit file cannot hold after it.
    auto tell = [this](UINT id, const std::wstring& what) {
        fw::ShowMessage(Hwnd(), msgfmt::Format(fw::LoadResString(id), {what}), MB_OK | MB_ICONEXCLAMATION);
    };
    if (!file.empty() && !IsUsableIniFile(file))
        tell(IDS_MSG_SETTINGS_PATH_TOO_LONG, setting);
    else if (IsUnreadableProfile(file))
        tell(IDS_MSG_SETTINGS_NOT_SAVED, file);
    if (gSettings)
        gSettings->TakeFilesLackingText(); // refusals before the close were answered to their callers
    SaveHostKeys(file, true);
    if (gPlugins)
        gPlugins->BroadcastOnSaveSettings(file, true);
    for (const std::wstring& path : FilesLackingText())
        tell(IDS_MSG_SETTINGS_TEXT_NOT_HELD, path);
    return true;
}

bool CMainFrame::OpenProjectFile(const std::wstring& path)
{
    if (!gData)
        return false;
    const bool hadProject = IsProjectOpen();
    int status = 0;
    {
        fw::CWaitCursor wait;
        status = gData->Open(path.c_str(), true);
    }
    // Also after a failure: the data library decides what stays open.
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
    std::wstring text = msgfmt::Format(fw::LoadResString(OpenFailureMessage(status, path)), {path});
    AddProjectClosed(text, hadProject);
    fw::ShowMessage(Hwnd(), text, MB_OK | MB_ICONSTOP);
    return false;
}

void CMainFrame::ReloadProject()
{
    if (!gData)
        return;
    const std::wstring path = GetProjectPath();
    int status = 0;
    {
        fw::CWaitCursor wait;
        status = gData->Reload(wqv2_data::kReloadKeepViewSettings);
    }
    // Read-only is how the viewer always opens: a reload that says so has succeeded.
    if (status == wqv2_data::kOk || status == wqv2_data::kErrReadOnly) {
        if (gPlugins)
            gPlugins->BroadcastOnFileOpened(3);
        return;
    }
    UpdateTitle();
    // The reason is the one an open of the file gives. A read error tells the whole story;
    // any other reason follows the word that the reload failed (alone when no file was open).
    const UINT reason = OpenFailureMessage(status, path);
    const std::wstring why = msgfmt::Format(fw::LoadResString(reason), {path});
    std::wstring text = fw::LoadResString(IDS_MSG_RELOAD_FAILED);
    if (reason == IDS_MSG_READ_ERROR)
        text = why;
    else if (!path.empty())
        text += L"\n\n" + why;
    AddProjectClosed(text, !path.empty());
    fw::ShowMessage(Hwnd(), text, MB_OK | MB_ICONSTOP);
}

void CMainFrame::OpenWithDialog()
{
    fw::FileDialogArgs args;
    args.owner = Hwnd();
    args.filter = fw::LoadResString(IDS_OPEN_FILTER);
    args.defaultExtension = fw::LoadResString(IDS_OPEN_DEFAULT_EXT);
    args.initialFolder = GetPathFolder(GetProjectPath());
    if (args.initialFolder.empty())
        args.initialFolder = GetSetting(L"DirectoryFiles");
    if (args.initialFolder.empty())
        args.initialFolder = GetDocumentsFolder();
    args.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    std::wstring file;
    if (!fw::ChooseOpenFile(args, file))
        return;
    SetSetting(L"DirectoryFiles", GetPathFolder(file));
    OpenProjectFile(file);
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

void CMainFrame::RefreshZoomBox()
{
    m_toolBar.RefreshZoomText();
}

void CMainFrame::OnDropFiles(const std::vector<std::wstring>& files)
{
    if (!files.empty())
        OpenProjectFile(files.front());
}

void CMainFrame::OnInitMenuPopup(HMENU menu)
{
    // A filter list that held no filter last time has no item left for the refresh to find.
    if (HasEmptyFilterList(menu))
        RebuildFilterMenu(menu, -1);
    fw::CFrameWindow::OnInitMenuPopup(menu);
}

void CMainFrame::ShowToolbarMenu(UINT button, UINT menuId)
{
    HMENU loaded = LoadMenuW(fw::ResourceModule(), MAKEINTRESOURCEW(menuId));
    HMENU popup = loaded ? GetSubMenu(loaded, 0) : nullptr;
    if (popup) {
        RECT rc = m_toolBar.ItemRect(m_toolBar.CommandToIndex(button));
        MapWindowPoints(m_toolBar.Hwnd(), nullptr, reinterpret_cast<POINT*>(&rc), 2);
        fw::TrackPopup(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, POINT{rc.left, rc.bottom}, Hwnd());
    }
    if (loaded)
        DestroyMenu(loaded);
}

bool CMainFrame::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.code == static_cast<UINT>(TBN_DROPDOWN) && header.hwndFrom == m_toolBar.Hwnd()) {
        const auto& drop = reinterpret_cast<const NMTOOLBARW&>(header);
        if (drop.iItem == IDM_VIEW_TIMEBAR)
            ShowToolbarMenu(IDM_VIEW_TIMEBAR, IDR_MENU_TIMEBAR);
        else if (drop.iItem == IDM_FILTER_EDIT)
            ShowToolbarMenu(IDM_FILTER_EDIT, IDR_MENU_FILTER);
        result = TBDDRET_DEFAULT;
        return true;
    }
    return fw::CFrameWindow::OnNotify(header, result);
}

LRESULT CMainFrame::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case kPreviewClosedMessage:
        // Posted on: the preview is still being taken down when this arrives.
        if (!m_destroying && GetBoolSetting(L"DlgReportsReopenAfterPreview", false))
            PostMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(IDM_TOOLS_REPORTS, 0), 0);
        return 0;
    case WM_DESTROY:
        m_destroying = true;
        break;
    }
    return fw::CFrameWindow::HandleMessage(msg, wp, lp);
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
        ctext::ParseIntExact(parts[2], values[2]) && ctext::ParseIntExact(parts[3], values[3])) {
        const RECT saved{values[0], values[1], values[2], values[3]};
        // A rectangle saved on a monitor that is gone would put the window out of reach.
        if (saved.right > saved.left && saved.bottom > saved.top && MonitorFromRect(&saved, MONITOR_DEFAULTTONULL))
            normal = saved;
    }
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
