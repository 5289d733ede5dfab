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

int ShowFileError(const std::wstring& path)
{
    if (!GetBoolSetting(L"ReportsErrorMessage", true))
        return 1;
    // Owned by whatever window is active (the viewer's reports dialog or main window).
    fw::ShowMessage(GetActiveWindow(), msgfmt::Format(fw::LoadResString(IDS_MSG_REPORT_FILE_FAILED), {path}),
                    MB_OK | MB_ICONERROR);
    return kReportFailedShown;
}

int ShowOutOfMemory(const wchar_t* path)
{
    if (path)
        return *path ? ShowFileError(path) : 1;
    if (!GetBoolSetting(L"ReportsErrorMessage", true))
        return 1;
    fw::ShowMessage(GetActiveWindow(), fw::LoadResString(IDS_MSG_REPORT_FAILED), MB_OK | MB_ICONERROR);
    return kReportFailedShown;
}
