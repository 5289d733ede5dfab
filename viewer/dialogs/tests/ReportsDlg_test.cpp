// The reports dialog with stand-in report pages, and with the report plug-in's own pages.
#include "ReportsDlg.h"

#include "DialogFixture.h"
#include "MainApp.h"
#include "OptionsDlg.h"
#include "PageTree.h"
#include "QV2ResVIds.h"
#include "RecordingPrinter.h"
#include "ViewSettingsDlg.h"

#include <algorithm>
#include <cstring>
#include <regex>

namespace {

using dlgtest::DialogFixture;

class ReportsDlgTest : public DialogFixture {
protected:
    // Registers the reports "Name|Caption|Caption2|outputs;..." of the stand-in.
    void Reports(const std::wstring& specs)
    {
        SetSetting(L"StubPages.Reports", specs);
        Register();
    }

    INT_PTR Run(std::function<void(CReportsDlg& dialog)> body)
    {
        drive = [this, body](fw::CDialog& dialog) {
            if (auto* reports = dynamic_cast<CReportsDlg*>(&dialog))
                body(*reports);
            else if (auto* options = dynamic_cast<COptionsDlg*>(&dialog))
                nested.push_back(L"options " + std::to_wstring(options->kind));
            else
                nested.push_back(L"other");
        };
        CReportsDlg dialog;
        return dialog.RunModal(nullptr);
    }

    static HWND Tree(CReportsDlg& dialog) { return dialog.Item(IDC_REPORTS_TREE); }
    static std::wstring Selected(CReportsDlg& dialog)
    {
        return treeitem::Text(Tree(dialog), TreeView_GetSelection(Tree(dialog)));
    }
    static bool Enabled(CReportsDlg& dialog, int id) { return IsWindowEnabled(dialog.Item(id)) != FALSE; }
    // As the user picks an output: the radio button is checked, then it says so.
    static void ChooseOutput(CReportsDlg& dialog, int kind)
    {
        const int id = IDC_REPORTS_OUTPUT_PRINTER + kind;
        CheckRadioButton(dialog.Hwnd(), IDC_REPORTS_OUTPUT_PRINTER, IDC_REPORTS_OUTPUT_HTML, id);
        Click(dialog, id);
    }
    static void SelectReport(CReportsDlg& dialog, const std::wstring& title)
    {
        HWND tree = Tree(dialog);
        for (HTREEITEM item = TreeView_GetRoot(tree); item; item = treeitem::NextPreOrder(tree, item)) {
            if (treeitem::Text(tree, item) == title) {
                TreeView_SelectItem(tree, item);
                return;
            }
        }
        ADD_FAILURE() << "no report titled " << std::string(title.begin(), title.end());
    }

    std::vector<std::wstring> nested; // other dialogs run while the reports dialog was open
};

TEST_F(ReportsDlgTest, Init_withoutReportPagesNothingCanRun)
{
    Reports(L"R1|Lists|Alpha|PEH");
    SetSetting(L"StubPage.R1.Fail", L"1");
    Run([&](CReportsDlg& dialog) {
        EXPECT_EQ(TreeView_GetCount(Tree(dialog)), 0u);
        EXPECT_TRUE(dialog.Entries().empty());
        EXPECT_FALSE(Enabled(dialog, IDC_REPORTS_PRINT));
        EXPECT_FALSE(Enabled(dialog, IDC_REPORTS_RUN));
        EXPECT_TRUE(HasVisibleStyle(dialog.Item(IDC_NO_PAGE)));
        EXPECT_FALSE(HasVisibleStyle(dialog.Item(IDC_REPORTS_OPTIONS_BUTTON)));
        // Enter gives the run button's command; while that is disabled it gives IDOK, which
        // leaves the dialog open with nothing to run.
        EXPECT_EQ(LOWORD(SendMessageW(dialog.Hwnd(), DM_GETDEFID, 0, 0)), IDC_REPORTS_RUN);
        Click(dialog, IDOK);
        EXPECT_FALSE(dialog.HasEnded());
    });
    EXPECT_EQ(GetSetting(L"ReportsSelectedReport"), L"");
}

TEST_F(ReportsDlgTest, Tree_groupsByCaptionAndSelectsTheRememberedReport)
{
    Reports(L"R1|Lists|[2]Alpha|PEH;R2|Lists|[1]Beta|P;R3|Charts|Gantt|PH");
    SetSetting(L"ReportsSelectedReport", L"R1");
    Run([&](CReportsDlg& dialog) {
        HWND tree = Tree(dialog);
        std::vector<std::wstring> order;
        for (HTREEITEM item = TreeView_GetRoot(tree); item; item = treeitem::NextPreOrder(tree, item))
            order.push_back(treeitem::Text(tree, item));
        EXPECT_EQ(order, (std::vector<std::wstring>{L"Charts", L"Gantt", L"Lists", L"Beta", L"Alpha"}));
        EXPECT_EQ(Selected(dialog), L"Alpha");
        EXPECT_EQ(dialog.Entries().size(), 3u);
        EXPECT_FALSE(HasVisibleStyle(dialog.Item(IDC_NO_PAGE)));
    });
    // A report no longer registered: the first report of the first group.
    SetSetting(L"ReportsSelectedReport", L"gone");
    Run([&](CReportsDlg& dialog) { EXPECT_EQ(Selected(dialog), L"Gantt"); });
    SetSetting(L"ReportsSelectedReport", L"r1"); // names compare exactly
    Run([&](CReportsDlg& dialog) { EXPECT_EQ(Selected(dialog), L"Gantt"); });
}

TEST_F(ReportsDlgTest, Output_theSettingsKindIsShownAndAChangeIsToldToThePage)
{
    Reports(L"R1|Lists|Alpha|PEH");
    SetSetting(L"ReportsOutput", L"2");
    Run([&](CReportsDlg& dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog.Hwnd(), IDC_REPORTS_OUTPUT_HTML), BST_CHECKED);
        EXPECT_EQ(Text(dialog.Item(IDC_REPORTS_RUN)), L"&Create HTML...");
        ChooseOutput(dialog, 0);
        EXPECT_TRUE(HasVisibleStyle(dialog.Item(IDC_REPORTS_PRINT)));
        EXPECT_TRUE(Enabled(dialog, IDC_REPORTS_PRINT_SETUP));
        EXPECT_EQ(Text(dialog.Item(IDC_REPORTS_RUN)), L"Pre&view");
        ChooseOutput(dialog, 1);
        EXPECT_FALSE(HasVisibleStyle(dialog.Item(IDC_REPORTS_PRINT)));
        EXPECT_FALSE(Enabled(dialog, IDC_REPORTS_PRINT_SETUP));
        EXPECT_EQ(Text(dialog.Item(IDC_REPORTS_RUN)), L"&Export...");
    });
    // The page asked for the kind while it loaded, and again after each change.
    const std::vector<std::wstring> log = PageLog(L"R1");
    EXPECT_EQ(std::vector<std::wstring>(log.begin() + 1, log.end()),
              (std::vector<std::wstring>{L"load 2", L"shown 1", L"output 0", L"output 1", L"destroyed"}));
}

TEST_F(ReportsDlgTest, Output_onlyTheReportsOwnOutputsCanRun)
{
    Reports(L"R1|Lists|Alpha|P;R2|Lists|Beta|EH");
    SetSetting(L"ReportsSelectedReport", L"R1");
    Run([&](CReportsDlg& dialog) {
        EXPECT_TRUE(Enabled(dialog, IDC_REPORTS_RUN));
        ChooseOutput(dialog, 1);
        EXPECT_FALSE(Enabled(dialog, IDC_REPORTS_RUN));
        EXPECT_FALSE(Enabled(dialog, IDC_REPORTS_PRINT));
        SelectReport(dialog, L"Beta");
        EXPECT_TRUE(Enabled(dialog, IDC_REPORTS_RUN));
        ChooseOutput(dialog, 0);
        EXPECT_FALSE(Enabled(dialog, IDC_REPORTS_RUN));
        EXPECT_FALSE(Enabled(dialog, IDC_REPORTS_PRINT));
        // A group selected: no page, nothing to run.
        TreeView_SelectItem(Tree(dialog), TreeView_GetRoot(Tree(dialog)));
        EXPECT_EQ(dialog.CurrentPage(), nullptr);
        EXPECT_TRUE(HasVisibleStyle(dialog.Item(IDC_NO_PAGE)));
        ChooseOutput(dialog, 1);
        EXPECT_FALSE(Enabled(dialog, IDC_REPORTS_RUN));
    });
}

TEST_F(ReportsDlgTest, Run_previewStoresTheChoiceAndAsksOnlyTheSelectedPage)
{
    Reports(L"R1|Lists|Alpha|PEH;R2|Lists|Beta|PEH");
    SetSetting(L"ReportsSelectedReport", L"R2");
    SetSetting(L"ReportsOutputPrinter", L"1");
    EXPECT_EQ(Run([&](CReportsDlg& dialog) {
                  SelectReport(dialog, L"Alpha");
                  ClearPageLog();
                  Click(dialog, IDC_REPORTS_RUN);
              }),
              IDOK);
    EXPECT_EQ(PageLog(), (std::vector<std::wstring>{L"R1 validate", L"R1 apply", L"R1 destroyed", L"R2 destroyed"}));
    EXPECT_EQ(GetSetting(L"ReportsSelectedReport"), L"R1");
    EXPECT_EQ(GetSetting(L"ReportsOutput"), L"0");
    EXPECT_EQ(GetSetting(L"ReportsOutputPrinter"), L"0");
    EXPECT_TRUE(saveDialogs.asked.empty());

    EXPECT_EQ(Run([&](CReportsDlg& dialog) { Click(dialog, IDC_REPORTS_PRINT); }), IDOK);
    EXPECT_EQ(GetSetting(L"ReportsOutputPrinter"), L"1");
    // Enter runs as the run button does.
    EXPECT_EQ(Run([&](CReportsDlg& dialog) { Click(dialog, IDOK); }), IDOK);
    EXPECT_EQ(GetSetting(L"ReportsOutputPrinter"), L"0");
}

TEST_F(ReportsDlgTest, Run_aRefusingPageKeepsTheDialogOpenAndStoresNothing)
{
    Reports(L"R1|Lists|Alpha|PEH;R2|Lists|Beta|PEH");
    SetSetting(L"StubPage.R2.Refuse", L"1");
    SetSetting(L"StubPage.R2.Activate", L"1");
    SetSetting(L"ReportsSelectedReport", L"R2");
    EXPECT_EQ(Run([&](CReportsDlg& dialog) {
                  ChooseOutput(dialog, 1);
                  Click(dialog, IDC_REPORTS_RUN);
                  EXPECT_FALSE(dialog.HasEnded());
                  EXPECT_EQ(Selected(dialog), L"Beta");
              }),
              IDCANCEL);
    // Asking to be shown changes nothing here, though the dialog answers it.
    const std::vector<std::wstring> log = PageLog(L"R2");
    EXPECT_NE(std::find(log.begin(), log.end(), L"activated 1"), log.end());
    EXPECT_TRUE(saveDialogs.asked.empty());
    EXPECT_EQ(GetSetting(L"ReportsSelectedReport"), L"R2");
    EXPECT_EQ(GetSetting(L"ReportsOutput"), L"");
}

TEST_F(ReportsDlgTest, Export_thePagesProposalWithTheExtensionInTheSaveDialog)
{
    Reports(L"R1|Lists|Alpha|PEH");
    SetSetting(L"StubPage.R1.Proposal", L"Quarter 1");
    const qvtest::CTempFolder exports;
    SetSetting(L"DirectoryExport", exports.Path());
    saveDialogs.answer = L"C:\\out\\chosen.txt";
    EXPECT_EQ(Run([&](CReportsDlg& dialog) {
                  ChooseOutput(dialog, 1);
                  Click(dialog, IDC_REPORTS_RUN);
              }),
              IDOK);
    ASSERT_EQ(saveDialogs.asked.size(), 1u);
    const fw::FileDialogArgs& asked = saveDialogs.asked[0];
    EXPECT_EQ(asked.fileName, L"Quarter 1.txt");
    EXPECT_EQ(asked.defaultExtension, L"*.txt");
    EXPECT_EQ(asked.filter, L"Text files (*.txt)|*.txt|CSV files (*.csv)|*.csv|All files (*.*)|*.*||");
    EXPECT_EQ(asked.title, L"Export the report");
    EXPECT_EQ(asked.initialFolder, exports.Path());
    EXPECT_EQ(asked.flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_NE(asked.owner, nullptr);
    EXPECT_EQ(GetSetting(L"ReportsExportFilename"), L"C:\\out\\chosen.txt");
    EXPECT_EQ(GetSetting(L"DirectoryExport"), L"C:\\out\\");
    EXPECT_EQ(GetSetting(L"ReportsOutput"), L"1");
    // The printer flag belongs to printer runs only.
    EXPECT_EQ(GetSetting(L"ReportsOutputPrinter"), L"");
    const std::vector<std::wstring> log = PageLog(L"R1");
    EXPECT_NE(std::find(log.begin(), log.end(), L"filename 260"), log.end());
}

TEST_F(ReportsDlgTest, Export_anUnusableProposalGivesTheDefaultName)
{
    Reports(L"R1|Lists|Alpha|PEH");
    saveDialogs.answer = L"C:\\out\\x.txt";
    for (const wchar_t* proposal : {L"say \"hi\"", L""}) {
        SetSetting(L"StubPage.R1.Proposal", proposal);
        Run([&](CReportsDlg& dialog) {
            ChooseOutput(dialog, 1);
            Click(dialog, IDC_REPORTS_RUN);
        });
        ASSERT_FALSE(saveDialogs.asked.empty());
        EXPECT_EQ(saveDialogs.asked.back().fileName, L"Report");
    }
}

TEST_F(ReportsDlgTest, Cancel_aCancelledSaveDialogAndCloseWriteNothing)
{
    Reports(L"R1|Lists|Alpha|PEH;R2|Lists|Beta|PEH");
    SetSetting(L"DirectoryExport", L"C:\\exports");
    EXPECT_EQ(Run([&](CReportsDlg& dialog) {
                  ChooseOutput(dialog, 1);
                  Click(dialog, IDC_REPORTS_RUN);
                  EXPECT_FALSE(dialog.HasEnded());
                  SelectReport(dialog, L"Beta");
                  ChooseOutput(dialog, 0);
                  Click(dialog, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(saveDialogs.asked.size(), 1u);
    EXPECT_EQ(GetSetting(L"DirectoryExport"), L"C:\\exports");
    EXPECT_EQ(GetSetting(L"ReportsExportFilename"), L"");
    EXPECT_EQ(GetSetting(L"ReportsSelectedReport"), L"");
    EXPECT_EQ(GetSetting(L"ReportsOutput"), L"");
    EXPECT_EQ(GetSetting(L"ReportsOutputPrinter"), L"");
    for (const std::wstring& line : PageLog())
        EXPECT_EQ(line.find(L"apply"), std::wstring::npos);
}

TEST_F(ReportsDlgTest, Html_theNameIsMadeValidUnlessSwitchedOff)
{
    Reports(L"R1|Lists|Alpha|PEH");
    SetSetting(L"StubPage.R1.Proposal", L"Q1 & Q2");
    const qvtest::CTempFolder web;
    SetSetting(L"DirectoryHtml", web.Path());
    saveDialogs.answer = L"C:\\site\\page.html";
    const auto runHtml = [&](CReportsDlg& dialog) {
        ChooseOutput(dialog, 2);
        Click(dialog, IDC_REPORTS_RUN);
    };
    EXPECT_EQ(Run(runHtml), IDOK);
    EXPECT_EQ(saveDialogs.asked.back().fileName, L"Q1__and__Q2.html");
    EXPECT_EQ(saveDialogs.asked.back().defaultExtension, L"*.html");
    EXPECT_EQ(saveDialogs.asked.back().initialFolder, web.Path());
    EXPECT_EQ(GetSetting(L"ReportsHtmlFilename"), L"C:\\site\\page.html");
    EXPECT_EQ(GetSetting(L"DirectoryHtml"), L"C:\\site\\");
    EXPECT_EQ(GetSetting(L"ReportsOutput"), L"2");

    SetSetting(L"DlgReportsHtmlFilenameForceValid", L"0");
    Run(runHtml);
    EXPECT_EQ(saveDialogs.asked.back().fileName, L"Q1 & Q2.html");
    // A page that fills the buffer to the brim: 260 characters, and the name cut to 260.
    SetSetting(L"StubPage.R1.Proposal", std::wstring(300, L'x'));
    Run(runHtml);
    EXPECT_EQ(saveDialogs.asked.back().fileName, std::wstring(260, L'x'));
}

TEST_F(ReportsDlgTest, Output_aKindOutOfRangeChoosesNoOutput)
{
    Reports(L"R1|Lists|Alpha|PEH");
    SetSetting(L"ReportsOutput", L"7");
    Run([&](CReportsDlg& dialog) {
        EXPECT_EQ(dialog.OutputKind(), -1);
        for (int id : {IDC_REPORTS_OUTPUT_PRINTER, IDC_REPORTS_OUTPUT_EXPORT, IDC_REPORTS_OUTPUT_HTML})
            EXPECT_EQ(IsDlgButtonChecked(dialog.Hwnd(), id), BST_UNCHECKED);
        EXPECT_FALSE(Enabled(dialog, IDC_REPORTS_RUN));
        Click(dialog, IDC_REPORTS_RUN);
        EXPECT_FALSE(dialog.HasEnded());
    });
    EXPECT_EQ(PageLog(L"R1")[1], L"load -1");
    EXPECT_EQ(GetSetting(L"ReportsOutput"), L"7");
}

TEST_F(ReportsDlgTest, Buttons_printerSetUpAndReportOptions)
{
    Reports(L"R1|Lists|Alpha|PEH");
    SetSetting(L"StubPages.Options2", L"O1|Layout");
    Register();
    fwtest::CRecordingPrinter printer;
    Run([&](CReportsDlg& dialog) {
        EXPECT_TRUE(HasVisibleStyle(dialog.Item(IDC_REPORTS_OPTIONS_BUTTON)));
        Click(dialog, IDC_REPORTS_PRINT_SETUP);
        Click(dialog, IDC_REPORTS_OPTIONS_BUTTON);
        EXPECT_FALSE(dialog.HasEnded());
    });
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_TRUE(printer.dialogFlags & PD_PRINTSETUP);
    EXPECT_EQ(nested, (std::vector<std::wstring>{L"options 2"}));
    EXPECT_EQ(PageLog(L"O1")[0], L"created 260 170");
}

TEST_F(ReportsDlgTest, PrinterSetUp_showsTheChosenReportsOrientation)
{
    ASSERT_TRUE(LoadPlugin(qvtest::BinFolder() + L"QV2R.dll"));
    Register();
    SetSetting(L"ReportsHolidaysPrinterOrientation", L"1");
    SetSetting(L"ReportsFiltersPrinterOrientation", L"2");
    fwtest::CRecordingPrinter printer;
    // A landscape report printed last left the application's printer in landscape.
    HGLOBAL devMode = nullptr;
    HGLOBAL devNames = nullptr;
    ASSERT_TRUE(gApp->GetPrinterDeviceDefaults(devMode, devNames));
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(devMode));
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    std::vector<short> shown;
    Run([&](CReportsDlg& dialog) {
        for (const wchar_t* title : {L"Holidays", L"Filters", L"Holidays"}) {
            SelectReport(dialog, title);
            Click(dialog, IDC_REPORTS_PRINT_SETUP);
            shown.push_back(printer.dialogOrientation);
        }
    });
    EXPECT_EQ(shown, (std::vector<short>{DMORIENT_PORTRAIT, DMORIENT_LANDSCAPE, DMORIENT_PORTRAIT}));
    // The set-up's settings are the ones printing starts from.
    EXPECT_EQ(mode->dmOrientation, DMORIENT_PORTRAIT);
    GlobalUnlock(devMode);
}

// Tab runs from the page tree through the controls of the page shown to the dialog's own
// controls and back to the tree, in the reports dialog (the report plug-in's filters page) and
// in the view settings (the start-up files page).
TEST_F(ReportsDlgTest, PagedDialogs_tabGoesFromTheTreeIntoThePageThenToTheButtons)
{
    ASSERT_TRUE(LoadPlugin(qvtest::BinFolder() + L"QV2R.dll"));
    Register();
    // Where each Tab led: 'p' into the page, 'd' to the dialog's own controls, 't' to the tree.
    std::string reportTabs;
    Run([&](CReportsDlg& dialog) {
        SelectReport(dialog, L"Filters");
        HWND page = dialog.CurrentPage();
        ASSERT_NE(page, nullptr);
        for (HWND reached : qvtest::TabCycle(dialog.Hwnd(), Tree(dialog)))
            reportTabs += reached == Tree(dialog) ? 't' : IsChild(page, reached) ? 'p' : 'd';
    });
    EXPECT_TRUE(std::regex_match(reportTabs, std::regex("p+d+t"))) << reportTabs;

    SetSetting(L"ExcludeViewSettingsDlg", L"");
    std::vector<HWND> settingsTabs, expected;
    drive = [&](fw::CDialog& dialog) {
        auto* settings = dynamic_cast<CViewSettingsDlg*>(&dialog);
        if (!settings)
            return;
        for (const ViewSettingsPageRecord& page : CViewSettingsDlg::Pages()) {
            if (std::wstring(page.Name) != L"Files")
                continue;
            SendMessageW(dialog.Hwnd(), WM_PAGE_ACTIVATE, 0, reinterpret_cast<LPARAM>(page.Page));
            expected = {GetDlgItem(page.Page, IDC_FILES_OPEN_LAST), GetDlgItem(page.Page, IDC_FILES_SCROLL_TODAY)};
        }
        expected.insert(expected.end(), {dialog.Item(IDOK), dialog.Item(IDCANCEL), dialog.Item(IDC_VIEW_SETTINGS_TREE)});
        settingsTabs = qvtest::TabCycle(dialog.Hwnd(), dialog.Item(IDC_VIEW_SETTINGS_TREE));
    };
    CViewSettingsDlg settings;
    settings.RunModal(nullptr);
    ASSERT_EQ(expected.size(), 5u);
    EXPECT_EQ(settingsTabs, expected);
}

// A click on a report's row selects it and shows its page, on its label as beside it: the
// row of "Filters", the shortest title, is mostly blank.
TEST_F(ReportsDlgTest, ReportPlugin_aClickOnAReportsRowSelectsItAndShowsItsPage)
{
    ASSERT_TRUE(LoadPlugin(qvtest::BinFolder() + L"QV2R.dll"));
    Register();
    std::vector<std::wstring> missed;
    Run([&](CReportsDlg& dialog) {
        ChooseOutput(dialog, 2);
        HWND tree = Tree(dialog);
        const auto pageOf = [&dialog](const std::wstring& title) -> HWND {
            for (const CReportsDlg::ReportPageEntry& entry : dialog.Entries()) {
                if (DisplayTitle(entry.record.Caption2) == title)
                    return entry.record.Page;
            }
            return nullptr;
        };
        // The button goes down and up at `x` on the item's row; the tree view waits for the
        // release while it tells a click from a drag, so the release is queued first.
        const auto click = [tree](HTREEITEM item, int x) {
            RECT row{};
            std::memcpy(&row, &item, sizeof item);
            SendMessageW(tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&row));
            const LPARAM at = MAKELPARAM(x, (row.top + row.bottom) / 2);
            PostMessageW(tree, WM_LBUTTONUP, 0, at);
            SendMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, at);
            qvtest::PumpMessages();
        };
        for (const wchar_t* from : {L"Tasks by resource", L"Holidays", L"Calendars"}) {
            for (HTREEITEM item = TreeView_GetRoot(tree); item; item = treeitem::NextPreOrder(tree, item)) {
                const std::wstring title = treeitem::Text(tree, item);
                HWND page = pageOf(title);
                if (!page || title == from)
                    continue;
                RECT label{};
                std::memcpy(&label, &item, sizeof item);
                SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label));
                RECT client{};
                GetClientRect(tree, &client);
                for (const int x : {static_cast<int>(label.left + label.right) / 2, static_cast<int>(label.right) + 4,
                                    static_cast<int>(client.right) - 4}) {
                    SelectReport(dialog, from);
                    click(item, x);
                    if (Selected(dialog) != title || dialog.CurrentPage() != page || !HasVisibleStyle(page))
                        missed.push_back(title + L" from " + from + L" at " + std::to_wstring(x));
                }
            }
        }
    });
    EXPECT_TRUE(missed.empty()) << testing::PrintToString(missed);
}

TEST_F(ReportsDlgTest, ReportPlugin_itsFiltersPageProposesItsTitle)
{
    ASSERT_TRUE(LoadPlugin(qvtest::BinFolder() + L"QV2R.dll"));
    Register();
    SetSetting(L"ReportsFiltersTitle", L"All filters");
    // Other reports of the plug-in's "Lists" come before it: the filters report is chosen by name.
    SetSetting(L"ReportsSelectedReport", L"Filters");
    saveDialogs.answer = L"C:\\out\\filters.txt";
    EXPECT_EQ(Run([&](CReportsDlg& dialog) {
                  EXPECT_EQ(Selected(dialog), L"Filters");
                  EXPECT_EQ(treeitem::Text(Tree(dialog), TreeView_GetParent(Tree(dialog), TreeView_GetSelection(Tree(dialog)))),
                            L"Lists");
                  ChooseOutput(dialog, 1);
                  Click(dialog, IDC_REPORTS_RUN);
              }),
              IDOK);
    ASSERT_EQ(saveDialogs.asked.size(), 1u);
    EXPECT_EQ(saveDialogs.asked[0].fileName, L"All filters.txt");
    EXPECT_EQ(GetSetting(L"ReportsSelectedReport"), L"Filters");
    EXPECT_EQ(GetSetting(L"ReportsExportFilename"), L"C:\\out\\filters.txt");
    // The page stored its values when the run started.
    EXPECT_EQ(GetSetting(L"ReportsFiltersTitleEmpty"), L"0");
}

} // namespace
