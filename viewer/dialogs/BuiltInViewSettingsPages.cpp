// The viewer's own view-settings pages: start-up files, then grid columns. Each is one object
// for the program's lifetime whose window is made anew every time the dialog opens.
#include "ViewSettingsDlg.h"

#include "QV2ResVIds.h"
#include "SettingsFilesDlg.h"
#include "SettingsGridDlg.h"
#include "WideCopy.h"
#include "fw/Resources.h"

namespace {

void AddPage(CSettingsPage& page, HWND dialog, UINT nameId, UINT categoryId, UINT itemId)
{
    // A window of an earlier opening normally died with its dialog; one still there goes first.
    if (page.Hwnd() && IsWindow(page.Hwnd()))
        DestroyWindow(page.Hwnd());
    if (!page.CreateModeless(dialog))
        return;
    ViewSettingsPageRecord record{};
    wstr::CopyTo(record.Name, fw::LoadResString(nameId));
    wstr::CopyTo(record.Category, fw::LoadResString(categoryId));
    wstr::CopyTo(record.Item, fw::LoadResString(itemId));
    record.Page = page.Hwnd();
    if (CViewSettingsDlg::AddPage(&record) != 1 && IsWindow(record.Page))
        DestroyWindow(record.Page);
}

} // namespace

void AddBuiltInViewSettingsPages(HWND dialog)
{
    static CSettingsFilesDlg files;
    static CSettingsGridDlg grid;
    AddPage(files, dialog, IDS_PAGE_FILES_NAME, IDS_PAGE_FILES_CATEGORY, IDS_PAGE_FILES_ITEM);
    AddPage(grid, dialog, IDS_PAGE_GRID_NAME, IDS_PAGE_GRID_CATEGORY, IDS_PAGE_GRID_ITEM);
}
