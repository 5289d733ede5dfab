// Messages of the report outputs.
#include "common/ReportMessages.h"

#include "common/ReportSettings.h"

#include "QV2PluginInterface.h"
#include "QV2ResVIds.h"
#include "QV2ResVReportIds.h"
#include "SafeFormat.h"
#include "fw/MessageBox.h"
#include "fw/Resources.h"

#include <windows.h>

int ShowReportError(const std::wstring& text)
{
    if (!GetBoolSetting(L"ReportsErrorMessage", true))
        return 1;
    // Owned by whatever window is active (the viewer's reports dialog or main window).
    fw::ShowMessage(GetActiveWindow(), text, MB_OK | MB_ICONERROR);
    return kReportFailedShown;
}

int ShowFileError(const std::wstring& path)
{
    return ShowReportError(msgfmt::Format(fw::LoadResString(IDS_MSG_REPORT_FILE_FAILED), {path}));
}

int ShowOutOfMemory(const wchar_t* path)
{
    if (path && !*path)
        return 1;
    // Memory, not the file or the report: a message that sent the user to the disk would mislead.
    return ShowReportError(fw::LoadResString(IDS_MSG_NO_MEMORY));
}
