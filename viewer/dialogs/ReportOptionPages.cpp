// The create-page callbacks of the printer and export option pages.
#include "ReportOptionPages.h"

#include "QV2ResVIds.h"
#include "ReportOptionsExportDlg.h"
#include "ReportOptionsPrinterDlg.h"
#include "WideCopy.h"
#include "fw/Resources.h"

#include <memory>

namespace {

template <class Page>
int CreatePage(std::unique_ptr<Page>& page, UINT titleId, HWND parent, PageRecord* out)
{
    if (!out)
        return 0;
    *out = PageRecord{};
    if (!page)
        page = std::make_unique<Page>();
    // The window of an earlier opening normally died with its dialog; one still there goes first.
    if (page->Hwnd() && IsWindow(page->Hwnd()))
        DestroyWindow(page->Hwnd());
    if (!page->CreateModeless(parent))
        return 0;
    out->Page = page->Hwnd();
    wstr::CopyTo(out->Title, fw::LoadResString(titleId));
    return 1;
}

std::unique_ptr<CReportOptionsPrinterDlg> gPrinterPage; // lives until the program ends
std::unique_ptr<CReportOptionsExportDlg> gExportPage;

} // namespace

extern "C" int QV2_CALL CreatePrinterOptionsPage(HWND parent, int, int, PageRecord* out)
{
    try {
        return CreatePage(gPrinterPage, IDS_PAGE_PRINTER_TITLE, parent, out);
    } catch (...) {
        return 0;
    }
}

extern "C" int QV2_CALL CreateExportOptionsPage(HWND parent, int, int, PageRecord* out)
{
    try {
        return CreatePage(gExportPage, IDS_PAGE_EXPORT_TITLE, parent, out);
    } catch (...) {
        return 0;
    }
}
