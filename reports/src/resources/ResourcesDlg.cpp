// Resources report: option page.
#include "resources/ResourcesDlg.h"

#include "common/ReportSettings.h"

#include "QV2ResVReportIds.h"
#include "fw/Resources.h"

namespace {

// The switches in the order they are exchanged and stored.
struct Switch {
    bool CRResourcesDlg::*flag;
    HTREEITEM CRResourcesDlg::*item;
    const wchar_t* key;
};

constexpr Switch kSwitches[] = {
    {&CRResourcesDlg::Calendar, &CRResourcesDlg::CalendarItem, L"ReportsResourcesColumnsCalendar"},
    {&CRResourcesDlg::Costs, &CRResourcesDlg::CostsItem, L"ReportsResourcesColumnsCosts"},
    {&CRResourcesDlg::Format, &CRResourcesDlg::FormatItem, L"ReportsResourcesColumnsFormat"},
    {&CRResourcesDlg::UDF, &CRResourcesDlg::UDFItem, L"ReportsResourcesColumnsUDF"},
    {&CRResourcesDlg::Notes, &CRResourcesDlg::NotesItem, L"ReportsResourcesColumnsNotes"},
};

} // namespace

CRResourcesDlg::CRResourcesDlg() : CBaseDlg(IDD_REPORT_PAGE_LIST)
{
    SetDefaults();
}

void CRResourcesDlg::SetDefaults()
{
    Title = fw::LoadResString(IDS_RESOURCES_DEFAULT_TITLE);
    OrientationIndex = 1;
    for (const Switch& s : kSwitches)
        this->*s.flag = false;
}

void CRResourcesDlg::ClearColumnItems()
{
    ColumnsGroupItem = nullptr;
    for (const Switch& s : kSwitches)
        this->*s.item = nullptr;
}

void CRResourcesDlg::InitOptionsImage()
{
    CBaseDlg::InitOptionsImage();
    ClearColumnItems();
    ColumnsImage = AddOptionsImage(IDB_REPORT_OPTIONS_LIST);
}

void CRResourcesDlg::FillOptions()
{
    CBaseDlg::FillOptions();
    // The base emptied the tree: the old items are gone with it.
    ClearColumnItems();
    const bool exporting = GetOutputKind() == 1;
    ColumnsGroupItem = OptionsTree.AddRoot(ColumnsImage, fw::LoadResString(IDS_OPTIONS_COLUMNS).c_str());
    auto add = [&](bool flag, UINT text) {
        return OptionsTree.AddCheck(ColumnsGroupItem, flag, fw::LoadResString(text).c_str());
    };
    CalendarItem = add(Calendar, IDS_OPTIONS_CALENDAR);
    CostsItem = add(Costs, IDS_OPTIONS_COSTS);
    if (exporting) {
        FormatItem = add(Format, IDS_OPTIONS_FORMAT);
        UDFItem = add(UDF, IDS_OPTIONS_USER_FIELDS);
    }
    NotesItem = add(Notes, IDS_OPTIONS_NOTES);
    OptionsTree.Expand(ColumnsGroupItem);
    OptionsTree.ShowFirstRoot();
}

void CRResourcesDlg::StoreControls()
{
    CBaseDlg::StoreControls();
    if (!Hwnd())
        return;
    for (const Switch& s : kSwitches) {
        if (HTREEITEM item = this->*s.item)
            this->*s.flag = OptionsTree.GetCheck(item);
    }
}

void CRResourcesDlg::LoadControls()
{
    CBaseDlg::LoadControls();
    if (!Hwnd())
        return;
    for (const Switch& s : kSwitches) {
        if (HTREEITEM item = this->*s.item)
            OptionsTree.SetCheck(item, this->*s.flag);
    }
}

int CRResourcesDlg::OnPageLoad(WPARAM, LPARAM)
{
    return LoadPageSettings(L"ReportsResources");
}

int CRResourcesDlg::OnPageApply(WPARAM, LPARAM)
{
    return ApplyPageSettings(L"ReportsResources");
}

int CRResourcesDlg::OnPageValidate(WPARAM, LPARAM)
{
    return 1;
}

void CRResourcesDlg::LoadOwnSettings()
{
    for (const Switch& s : kSwitches)
        this->*s.flag = GetBoolSetting(s.key, this->*s.flag);
}

void CRResourcesDlg::ApplyOwnSettings()
{
    for (const Switch& s : kSwitches)
        SetBoolSetting(s.key, this->*s.flag);
}
