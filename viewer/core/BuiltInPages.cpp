// The viewer's own report option pages.
#include "BuiltInPages.h"

#include "HostApi.h"
#include "QV2ResVIds.h"
#include "ReportOptionPages.h"
#include "WideCopy.h"
#include "fw/Resources.h"

namespace {

void RegisterPage(UINT nameId, OptionCreatePageFn create)
{
    OptionPageRegistration record{};
    wstr::CopyTo(record.Name, fw::LoadResString(nameId));
    record.CreatePage = create;
    QV2A_Register(L"RegisterOptionsReportDlg", &record);
}

} // namespace

void RegisterBuiltInReportOptionPages()
{
    RegisterPage(IDS_PAGE_PRINTER_NAME, &CreatePrinterOptionsPage);
    RegisterPage(IDS_PAGE_EXPORT_NAME, &CreateExportOptionsPage);
}
