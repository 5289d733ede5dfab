// Host commands of QV2A_Command.
#include "HostCommands.h"

#include "ContextMenu.h"
#include "CurrentFilter.h"
#include "FrameDialogs.h"
#include "MainApp.h"
#include "MainFrame.h"
#include "ProcessObjects.h"
#include "QV2PluginInterface.h"
#include "Settings.h"

#include <string>

namespace {

int SendMessageToMainWnd(const SendMessageArgs* args)
{
    CMainFrame* frame = gApp ? gApp->Frame() : nullptr;
    if (!args || !frame || !frame->View().Hwnd())
        return 0;
    HWND board = frame->View().BoardWindow();
    if (!board || !IsWindow(board))
        return 0;
    return static_cast<int>(SendMessageW(board, args->Message, args->WParam, args->LParam));
}

int SendCommandToMainWnd(const UINT* id)
{
    CMainFrame* frame = gApp ? gApp->Frame() : nullptr;
    if (id && frame && frame->Hwnd())
        SendMessageW(frame->Hwnd(), WM_COMMAND, MAKEWPARAM(*id, 0), 0);
    return 1;
}

int SetCurrentFilter(wqv2_data::CFilter* filter)
{
    wqv2_data::CFilter* chosen = gCurrentFilter;
    if (filter && gData && gData->Filters && gData->Filters->Contains(filter))
        chosen = filter;
    return SetCurrentFilterAndNotify(chosen, GetBoolSetting(L"FilterActive", false));
}

} // namespace

int RunHostCommand(const wchar_t* name, void* argument)
{
    const std::wstring command = name ? name : L"";
    if (command == L"SendMessageToMainWnd")
        return SendMessageToMainWnd(static_cast<const SendMessageArgs*>(argument));
    if (command == L"SendCommandToMainWnd")
        return SendCommandToMainWnd(static_cast<const UINT*>(argument));
    if (command == L"SetCurrentFilter")
        return SetCurrentFilter(static_cast<wqv2_data::CFilter*>(argument));
    if (command == L"ShowResource" || command == L"ShowTasks")
        return 1; // names for plug-ins to answer
    if (command == L"FreezeResource") {
        const int* count = static_cast<const int*>(argument);
        ShowFreezeDlg(count ? *count : 0);
        return 1;
    }
    if (command == L"ShowCalendar")
        return ShowCalendarDlg(static_cast<wqv2_data::CCalendar*>(argument)) ? 1 : 0;
    if (command == L"ResetSettings") {
        if (gSettings)
            gSettings->ClearSettings();
        return 1;
    }
    if (command == L"ShowMenu") {
        if (!argument)
            return 0;
        ShowTaskContextMenu(static_cast<const ShowMenuArgs*>(argument));
        return 1;
    }
    return 0;
}
