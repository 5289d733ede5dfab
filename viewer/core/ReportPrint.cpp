// Starting reports and their print path.
#include "ReportPrint.h"

#include "CurrentFilter.h"
#include "MainApp.h"
#include "MainFrame.h"
#include "NewPreviewView.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "Settings.h"
#include "fw/MessageBox.h"
#include "fw/PreviewView.h"
#include "fw/Resources.h"
#include "fw/WaitCursor.h"

#include <new>

CReportPrintState& ReportPrintState()
{
    static CReportPrintState state;
    return state;
}

const ReportRegistration* RememberedReport()
{
    const int index = ReportPrintState().reportIndex;
    if (!gPlugins || index < 0 || index >= static_cast<int>(gPlugins->Reports().size()))
        return nullptr;
    return &gPlugins->Reports()[static_cast<size_t>(index)];
}

int ReportOrientation(const ReportRegistration* report)
{
    // The host reads the low 16 bits of the answer.
    return report && report->Orientation ? static_cast<int>(LOWORD(report->Orientation())) : 1;
}

void ApplyPrinterOrientation(int orientation)
{
    HGLOBAL devMode = nullptr;
    HGLOBAL devNames = nullptr;
    // 0 leaves the printer as it is; so does any value a driver would not know.
    const bool known = orientation == DMORIENT_PORTRAIT || orientation == DMORIENT_LANDSCAPE;
    if (!known || !gApp || !gApp->GetPrinterDeviceDefaults(devMode, devNames))
        return;
    // The application's settings: later jobs keep this orientation too.
    if (auto* mode = static_cast<DEVMODEW*>(GlobalLock(devMode))) {
        mode->dmOrientation = static_cast<short>(orientation);
        mode->dmFields |= DM_ORIENTATION;
        GlobalUnlock(devMode);
    }
}

void ApplyReportOrientation(const ReportRegistration* report)
{
    ApplyPrinterOrientation(ReportOrientation(report));
}

void StartReportPrint(CMainFrame& frame, bool preview, int reportIndex)
{
    ReportPrintState().pageCount = 0;
    ReportPrintState().reportIndex = reportIndex;
    if (!preview) {
        frame.View().PrintReport();
        return;
    }
    if (!fw::CPreviewView::Start(std::make_unique<CNewPreviewView>(), frame, frame.View(), IDD_PREVIEW_BAR))
        fw::ShowFailureOrNoMemory(frame.Hwnd(), IDS_MSG_PREVIEW_FAILED, MB_OK | MB_ICONEXCLAMATION);
}

namespace {

// Tells the plug-ins that the report ended, however its run ends.
class CReportEnd {
public:
    CReportEnd() = default;
    CReportEnd(const CReportEnd&) = delete;
    CReportEnd& operator=(const CReportEnd&) = delete;
    ~CReportEnd() { gPlugins->BroadcastOnEndReport(); }
};

bool RunReport(CMainFrame& frame)
{
    const bool showErrors = GetBoolSetting(L"ReportsShowErrorMessages", true);
    const std::wstring name = GetSetting(L"ReportsSelectedReport");
    int index = -1;
    if (gPlugins) {
        const auto& reports = gPlugins->Reports();
        for (size_t i = 0; i < reports.size() && index < 0; ++i) {
            if (name == reports[i].Name)
                index = static_cast<int>(i);
        }
    }
    if (index < 0) {
        if (showErrors)
            fw::ShowMessage(frame.Hwnd(), msgfmt::Format(fw::LoadResString(IDS_MSG_REPORT_UNKNOWN), {name}),
                            MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    // A copy: the report's callbacks may register more reports and move the list.
    const ReportRegistration report = gPlugins->Reports()[static_cast<size_t>(index)];
    const int output = GetIntSetting(L"ReportsOutput", 0);
    if (report.SetFilter)
        report.SetFilter(GetActiveCurrentFilter());
    const CReportEnd end;
    if (!gPlugins->BeginReport(output))
        return false;
    int result = 0;
    if (output == 0) {
        StartReportPrint(frame, !GetBoolSetting(L"ReportsOutputPrinter", true), index);
    } else if (output == 1 && report.Export) {
        fw::CWaitCursor wait;
        result = report.Export(GetSetting(L"ReportsExportFilename").c_str());
    } else if (output == 2 && report.Html) {
        fw::CWaitCursor wait;
        result = report.Html(GetSetting(L"ReportsHtmlFilename").c_str());
    } else {
        result = 1;
    }
    const bool produced = result == 0;
    // A plug-in that has shown its own message for the failure gets no second one.
    if (!produced && result != kReportFailedShown && showErrors)
        fw::ShowMessageId(frame.Hwnd(), IDS_MSG_REPORT_FAILED, MB_OK | MB_ICONSTOP);
    return produced;
}

} // namespace

bool RunSelectedReport(CMainFrame& frame)
{
    try {
        return RunReport(frame);
    } catch (const std::bad_alloc&) {
        // The report is not made; the plug-ins have learnt that it ended.
        fw::ShowNoMemory(frame.Hwnd());
        return false;
    }
}
