// The reports dialog: report tree, output choice, output file and the settings of a run.
#include "ReportsDlg.h"

#include "FileNameRules.h"
#include "OptionsDlg.h"
#include "PageMessages.h"
#include "PageTree.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "ReportPrint.h"
#include "Settings.h"
#include "ViewerUtil.h"
#include "WideCopy.h"
#include "fw/FileDialog.h"
#include "fw/Print.h"
#include "fw/Resources.h"

namespace {

constexpr int kOutputButtons[3] = {IDC_REPORTS_OUTPUT_PRINTER, IDC_REPORTS_OUTPUT_EXPORT, IDC_REPORTS_OUTPUT_HTML};
constexpr size_t kFileNameChars = 260;

} // namespace

CReportsDlg::CReportsDlg() : CParentDialog(IDD_REPORTS, IDC_PAGE_AREA, IDC_NO_PAGE)
{
}

HWND CReportsDlg::Tree() const
{
    return Item(IDC_REPORTS_TREE);
}

bool CReportsDlg::OnInit()
{
    CParentDialog::OnInit();
    m_tree.Attach(Tree());
    // The pages ask for the output kind while they load: it is known before they are made.
    m_output = GetIntSetting(L"ReportsOutput", 0);
    OutputToControls();
    // A kind no button stands for is no kind at all, for the pages as for the buttons.
    OutputFromControls();
    m_entries.clear();
    if (gPlugins) {
        // A copy: a page's creation must not see the registration list change under it.
        const std::vector<ReportRegistration> reports = gPlugins->Reports();
        for (size_t i = 0; i < reports.size(); ++i) {
            const ReportCreatePageFn create = reports[i].CreatePage;
            if (!create)
                continue;
            ReportPageEntry entry;
            entry.report = static_cast<int>(i);
            if (create(Hwnd(), PageWidthDu(), PageHeightDu(), &entry.record) && entry.record.Page &&
                IsWindow(entry.record.Page)) {
                wstr::ForceTerminated(entry.record.Caption);
                wstr::ForceTerminated(entry.record.Caption2);
                m_entries.push_back(entry);
            }
        }
    }
    FillReportTree(GetSetting(L"ReportsSelectedReport"));
    if (gPlugins && !gPlugins->OptionPages(2).empty())
        ShowWindow(Item(IDC_REPORTS_OPTIONS_BUTTON), SW_SHOW);
    UpdateButtons();
    SetFocus(Tree());
    return false;
}

void CReportsDlg::FillReportTree(const std::wstring& remembered)
{
    // A copy: pages get WM_PAGE_LOAD below and run code of their own meanwhile.
    const std::vector<ReportPageEntry> entries = m_entries;
    std::vector<PageTreeEntry> order;
    for (const ReportPageEntry& entry : entries)
        order.push_back({entry.record.Caption, entry.record.Caption2});
    HTREEITEM chosen = nullptr;
    HTREEITEM firstRoot = nullptr;
    for (const PageTreeGroup& group : GroupPageEntries(order)) {
        HTREEITEM groupItem = treeitem::Append(Tree(), TVI_ROOT, DisplayTitle(group.name), 0, true);
        if (!firstRoot)
            firstRoot = groupItem;
        for (size_t index : group.entries) {
            const ReportPageEntry& entry = entries[index];
            HTREEITEM item = treeitem::Append(Tree(), groupItem, DisplayTitle(entry.record.Caption2),
                                              reinterpret_cast<LPARAM>(entry.record.Page), false);
            if (item)
                m_itemEntries[item] = entry;
            PlacePage(entry.record.Page);
            const ReportRegistration* registration = RegistrationOf(entry);
            if (!chosen || (registration && remembered == registration->Name))
                chosen = item;
        }
        TreeView_Expand(Tree(), groupItem, TVE_EXPAND);
    }
    if (firstRoot)
        TreeView_EnsureVisible(Tree(), firstRoot);
    if (chosen) {
        TreeView_SelectItem(Tree(), chosen);
        TreeView_EnsureVisible(Tree(), chosen);
    }
}

const CReportsDlg::ReportPageEntry* CReportsDlg::SelectedEntry() const
{
    HTREEITEM item = TreeView_GetSelection(Tree());
    const auto found = item ? m_itemEntries.find(item) : m_itemEntries.end();
    return found == m_itemEntries.end() ? nullptr : &found->second;
}

const ReportRegistration* CReportsDlg::RegistrationOf(const ReportPageEntry& entry) const
{
    if (!gPlugins || entry.report < 0 || static_cast<size_t>(entry.report) >= gPlugins->Reports().size())
        return nullptr;
    return &gPlugins->Reports()[static_cast<size_t>(entry.report)];
}

void CReportsDlg::OutputFromControls()
{
    m_output = -1;
    for (int kind = 0; kind < 3; ++kind) {
        if (IsDlgButtonChecked(Hwnd(), kOutputButtons[kind]) == BST_CHECKED) {
            m_output = kind;
            break;
        }
    }
}

void CReportsDlg::OutputToControls()
{
    for (int kind = 0; kind < 3; ++kind)
        CheckDlgButton(Hwnd(), kOutputButtons[kind], kind == m_output ? BST_CHECKED : BST_UNCHECKED);
}

void CReportsDlg::OnSelectionChanged()
{
    OutputFromControls();
    const ReportPageEntry* entry = SelectedEntry();
    ShowPage(entry ? entry->record.Page : nullptr);
    UpdateButtons();
}

void CReportsDlg::UpdateButtons()
{
    OutputFromControls();
    EnableWindow(Item(IDC_REPORTS_PRINT_SETUP), m_output == 0);
    ShowWindow(Item(IDC_REPORTS_PRINT), m_output == 0 ? SW_SHOW : SW_HIDE);
    const UINT caption = m_output == 1   ? IDS_REPORTS_RUN_EXPORT
                         : m_output == 2 ? IDS_REPORTS_RUN_HTML
                                         : IDS_REPORTS_RUN_PRINTER;
    SetWindowTextW(Item(IDC_REPORTS_RUN), fw::LoadResString(caption).c_str());
    bool allowed = false;
    if (const ReportPageEntry* entry = SelectedEntry()) {
        if (const ReportRegistration* report = RegistrationOf(*entry)) {
            allowed = (m_output == 0 && report->Print) || (m_output == 1 && report->Export) ||
                      (m_output == 2 && report->Html);
        }
    }
    EnableWindow(Item(IDC_REPORTS_PRINT), allowed);
    EnableWindow(Item(IDC_REPORTS_RUN), allowed);
}

void CReportsDlg::OnOutputChanged()
{
    OutputFromControls();
    if (const ReportPageEntry* entry = SelectedEntry())
        pagemsg::OutputChanged(entry->record.Page);
    UpdateButtons();
}

bool CReportsDlg::PrepareRun()
{
    OutputFromControls();
    const ReportPageEntry* entry = SelectedEntry();
    if (!entry)
        return false;
    if (!pagemsg::Validate(entry->record.Page))
        return false;
    switch (m_output) {
    case 0:
        return true;
    case 1: {
        const std::wstring path = ChooseOutputFile(IDS_REPORTS_EXPORT_DEFAULT_NAME, IDS_REPORTS_EXPORT_EXTENSION,
                                                   IDS_REPORTS_EXPORT_FILTER, IDS_REPORTS_EXPORT_TITLE,
                                                   L"DirectoryExport", false);
        if (path.empty())
            return false;
        SetSetting(L"ReportsExportFilename", path);
        return true;
    }
    case 2: {
        const bool clean = GetBoolSetting(L"DlgReportsHtmlFilenameForceValid", true);
        const std::wstring path = ChooseOutputFile(IDS_REPORTS_HTML_DEFAULT_NAME, IDS_REPORTS_HTML_EXTENSION,
                                                   IDS_REPORTS_HTML_FILTER, IDS_REPORTS_HTML_TITLE,
                                                   L"DirectoryHtml", clean);
        if (path.empty())
            return false;
        SetSetting(L"ReportsHtmlFilename", path);
        return true;
    }
    default:
        // No output chosen: nothing to run.
        return false;
    }
}

std::wstring CReportsDlg::ChooseOutputFile(UINT defaultNameId, UINT extensionId, UINT filterId, UINT titleId,
                                           const wchar_t* folderKey, bool clean)
{
    const ReportPageEntry* entry = SelectedEntry();
    const std::wstring proposal = entry ? pagemsg::ProposeFileName(entry->record.Page) : std::wstring();
    const std::wstring extension = fw::LoadResString(extensionId);
    const std::wstring badCharacters = fw::LoadResString(IDS_FILE_NAME_BAD_CHARS);
    std::wstring name;
    if (!proposal.empty() && proposal.find_first_of(badCharacters) == std::wstring::npos)
        name = proposal + extension;
    else
        name = fw::LoadResString(defaultNameId);
    if (clean)
        name = MakeValidFileName(name);

    fw::FileDialogArgs args;
    args.owner = Hwnd();
    args.fileName = name.substr(0, kFileNameChars);
    args.defaultExtension = L"*" + extension;
    args.filter = fw::LoadResString(filterId);
    args.initialFolder = GetSetting(folderKey);
    args.title = fw::LoadResString(titleId);
    args.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    std::wstring path;
    if (!fw::ChooseSaveFile(args, path) || path.empty())
        return {};
    SetSetting(folderKey, GetPathFolder(path));
    return path;
}

void CReportsDlg::SaveSelection()
{
    OutputFromControls();
    const ReportPageEntry* entry = SelectedEntry();
    if (!entry)
        return;
    pagemsg::Apply(entry->record.Page);
    if (const ReportRegistration* report = RegistrationOf(*entry))
        SetSetting(L"ReportsSelectedReport", report->Name);
    SetIntSetting(L"ReportsOutput", m_output);
}

void CReportsDlg::OnPrint()
{
    if (!PrepareRun())
        return;
    SaveSelection();
    SetBoolSetting(L"ReportsOutputPrinter", true);
    End(IDOK);
}

void CReportsDlg::OnRun()
{
    OutputFromControls();
    if (!PrepareRun())
        return;
    SaveSelection();
    // The run button prints through the preview; export and HTML leave the printer flag alone.
    if (m_output == 0)
        SetBoolSetting(L"ReportsOutputPrinter", false);
    End(IDOK);
}

void CReportsDlg::OnOk()
{
    // IDOK comes from Enter while the default run button is disabled: ending here would run
    // the report of the settings as they were, not the one shown. The run button decides.
    if (IsWindowEnabled(Item(IDC_REPORTS_RUN)))
        OnRun();
}

void CReportsDlg::OnPrintSetup()
{
    // The set-up shows the orientation the chosen report will print with, not the one the report
    // printed last left behind: the one its page shows, as a run applies the page first.
    const ReportPageEntry* entry = SelectedEntry();
    if (const ReportRegistration* report = entry ? RegistrationOf(*entry) : nullptr) {
        const int shown = pagemsg::Orientation(entry->record.Page);
        ApplyPrinterOrientation(shown != 0 ? shown : ReportOrientation(report));
    }
    fw::RunPrintSetup(Hwnd());
}

void CReportsDlg::OnReportOptions()
{
    COptionsDlg options(2);
    options.RunModal(Hwnd());
}

bool CReportsDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_REPORTS_PRINT:
            OnPrint();
            return true;
        case IDC_REPORTS_RUN:
            OnRun();
            return true;
        case IDC_REPORTS_PRINT_SETUP:
            OnPrintSetup();
            return true;
        case IDC_REPORTS_OUTPUT_PRINTER:
        case IDC_REPORTS_OUTPUT_EXPORT:
        case IDC_REPORTS_OUTPUT_HTML:
            OnOutputChanged();
            return true;
        case IDC_REPORTS_OPTIONS_BUTTON:
            OnReportOptions();
            return true;
        }
    }
    return CParentDialog::OnCommand(id, code, control);
}

INT_PTR CReportsDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header && header->idFrom == IDC_REPORTS_TREE &&
            (header->code == TVN_SELCHANGEDW || header->code == TVN_SELCHANGEDA)) {
            OnSelectionChanged();
            return Answer(0);
        }
        break;
    }
    case WM_PAGE_GET_FILENAME:
        // A page asks for the output kind, as last read from the buttons.
        if (auto* kind = reinterpret_cast<int*>(lp))
            *kind = m_output;
        return Answer(1);
    case WM_DESTROY:
        DestroyPages();
        return FALSE;
    }
    return CParentDialog::HandleMessage(msg, wp, lp);
}

void CReportsDlg::DestroyPages()
{
    ForgetCurrentPage();
    m_itemEntries.clear();
    const std::vector<ReportPageEntry> entries = std::move(m_entries);
    m_entries.clear();
    for (const ReportPageEntry& entry : entries) {
        if (IsWindow(entry.record.Page))
            DestroyWindow(entry.record.Page);
    }
}
