// The framework's print preparation and print loop.
#include "fw/Print.h"

#include "fw/App.h"
#include "fw/Printer.h"

#include <algorithm>

namespace fw {

void IPrintTarget::OnPrepareDC(const CPrintDC&, CPrintInfo& info)
{
    DefaultPrepareDC(info);
}

void IPrintTarget::OnEndPrinting(const CPrintDC&, CPrintInfo&)
{
}

void DefaultPrepareDC(CPrintInfo& info)
{
    if (info.maxPage == CPrintInfo::kNoPage)
        info.continuePrinting = info.currentPage == 1;
    else
        info.continuePrinting = info.currentPage <= info.maxPage;
}

bool DoPreparePrinting(CPrintInfo& info)
{
    CApp* app = CApp::Current();
    HGLOBAL devMode = nullptr;
    HGLOBAL devNames = nullptr;
    const bool haveDefaults = app && app->GetPrinterDeviceDefaults(devMode, devNames);
    // Without a printer the preview and direct printing show the print dialog too: it tells the
    // user that no printer is installed, as printing does.
    if ((info.preview || info.direct) && haveDefaults) {
        info.printerDc = Printer().CreatePrinterDC(devMode, devNames);
        return info.printerDc != nullptr;
    }

    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = info.owner;
    dialog.hDevMode = devMode;
    dialog.hDevNames = devNames;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | info.dialogFlags;
    dialog.nMinPage = static_cast<WORD>(info.minPage);
    dialog.nMaxPage = static_cast<WORD>(std::max(info.maxPage, info.minPage));
    dialog.nFromPage = dialog.nMinPage;
    dialog.nToPage = dialog.nMaxPage;
    dialog.nCopies = 1;
    if (!Printer().RunPrintDialog(dialog)) {
        // The dialog may have made new settings while the application had none: keep them.
        if (app && !haveDefaults && dialog.hDevMode)
            app->SetPrinterDeviceDefaults(dialog.hDevMode, dialog.hDevNames);
        return false;
    }
    if (app && (dialog.hDevMode != devMode || dialog.hDevNames != devNames))
        app->SetPrinterDeviceDefaults(dialog.hDevMode, dialog.hDevNames);
    info.printerDc = dialog.hDC;
    if (dialog.Flags & PD_PAGENUMS) {
        info.fromPage = std::max<UINT>(dialog.nFromPage, info.minPage);
        info.toPage = dialog.nToPage;
    }
    return info.printerDc != nullptr;
}

bool RunPrintSetup(HWND owner)
{
    CApp* app = CApp::Current();
    if (!app)
        return false;
    HGLOBAL devMode = nullptr;
    HGLOBAL devNames = nullptr;
    const bool haveDefaults = app->GetPrinterDeviceDefaults(devMode, devNames);
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.hDevMode = haveDefaults ? devMode : nullptr;
    dialog.hDevNames = haveDefaults ? devNames : nullptr;
    dialog.Flags = PD_PRINTSETUP | PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                   PD_NOSELECTION;
    const bool chosen = Printer().RunPrintDialog(dialog);
    // The dialog may hand back new settings (or make some where there were none): the
    // application owns them from now on, even after a cancel.
    if (dialog.hDevMode != devMode || dialog.hDevNames != devNames) {
        if (dialog.hDevMode || dialog.hDevNames)
            app->SetPrinterDeviceDefaults(dialog.hDevMode, dialog.hDevNames);
    }
    return chosen;
}

CPrintJobGuard::CPrintJobGuard(HDC dc, const std::wstring& documentName) : m_dc(dc)
{
    DOCINFOW doc{};
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = documentName.c_str();
    m_started = dc && Printer().StartDocument(dc, doc) > 0;
}

CPrintJobGuard::~CPrintJobGuard()
{
    Abort();
}

bool CPrintJobGuard::Finish()
{
    if (!m_started)
        return false;
    m_started = false;
    return Printer().EndDocument(m_dc) > 0;
}

void CPrintJobGuard::Abort()
{
    if (!m_started)
        return;
    m_started = false;
    Printer().AbortDocument(m_dc);
}

bool RunPrintJob(IPrintTarget& target, HWND owner, const std::wstring& documentName)
{
    CPrintInfo info;
    info.owner = owner;
    if (!target.OnPreparePrinting(info) || !info.printerDc)
        return false;
    const CPrintDC dc{info.printerDc, info.printerDc};
    bool printed = true;
    target.OnBeginPrinting(dc, info);
    const UINT first = info.FirstPage();
    const UINT last = info.LastPage();
    // A job without pages leaves no empty document in the spooler.
    if (info.maxPage != 0 && first <= last) {
        CPrintJobGuard job(info.printerDc, documentName);
        printed = job.Started();
        for (UINT page = first; printed && page <= last; ++page) {
            info.currentPage = page;
            target.OnPrepareDC(dc, info);
            if (!info.continuePrinting)
                break;
            if (Printer().StartPage(info.printerDc) <= 0) {
                printed = false;
                break;
            }
            target.OnPrint(dc, info);
            if (Printer().EndPage(info.printerDc) <= 0)
                printed = false;
        }
        if (printed)
            printed = job.Finish();
    }
    target.OnEndPrinting(dc, info);
    Printer().DeletePrinterDC(info.printerDc);
    info.printerDc = nullptr;
    return printed;
}

} // namespace fw
