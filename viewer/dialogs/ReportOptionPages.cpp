// The printer and export option pages.
#include "ReportOptionPages.h"

#include "QV2ResVIds.h"
#include "WideCopy.h"
#include "fw/Dialog.h"
#include "fw/Resources.h"

#include <memory>

namespace {

// One report option page: a child dialog from a template of the resource library.
class COptionPageDlg : public fw::CDialog {
public:
    explicit COptionPageDlg(UINT templateId) : fw::CDialog(templateId) {}
};

int CreatePage(std::unique_ptr<COptionPageDlg>& page, UINT templateId, UINT titleId, HWND parent, PageRecord* out)
{
    if (!out)
        return 0;
    *out = PageRecord{};
    if (!page)
        page = std::make_unique<COptionPageDlg>(templateId);
    // The window of an earlier opening died with its dialog; a new one is made each time.
    if (page->Hwnd() && IsWindow(page->Hwnd()))
        DestroyWindow(page->Hwnd());
    if (!page->CreateModeless(parent))
        return 0;
    out->Page = page->Hwnd();
    wstr::CopyTo(out->Title, fw::LoadResString(titleId));
    return 1;
}

std::unique_ptr<COptionPageDlg> gPrinterPage; // lives until the program ends
std::unique_ptr<COptionPageDlg> gExportPage;

} // namespace

extern "C" int QV2_CALL CreatePrinterOptionsPage(HWND parent, int, int, PageRecord* out)
{
    try {
        return CreatePage(gPrinterPage, IDD_PAGE_PRINTER, IDS_PAGE_PRINTER_TITLE, parent, out);
    } catch (...) {
        return 0;
    }
}

extern "C" int QV2_CALL CreateExportOptionsPage(HWND parent, int, int, PageRecord* out)
{
    try {
        return CreatePage(gExportPage, IDD_PAGE_EXPORT, IDS_PAGE_EXPORT_TITLE, parent, out);
    } catch (...) {
        return 0;
    }
}
