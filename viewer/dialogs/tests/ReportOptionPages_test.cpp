// The viewer's printer and export pages in the report options dialog on the real controls
// library: values loaded, edited, applied and read back, and what they change in the report
// plug-in's printed and exported resources report; the printer set-up of the reports dialog
// with that report's own page.
#include "BuiltInPages.h"
#include "EngineFixture.h"
#include "OptionsDlg.h"
#include "PageTree.h"
#include "Plugins.h"
#include "ProjectDialogFixture.h"
#include "QV2ResVIds.h"
#include "QV2ResVReportIds.h"
#include "RK2Controls.h"
#include "RecordingPrinter.h"
#include "ReportPrint.h"
#include "ReportTestSupport.h"
#include "ReportsDlg.h"
#include "Settings.h"
#include "fw/Resources.h"

#include <cmath>

namespace {

using dlgtest::ProjectDialogTest;

constexpr int kMargins[4] = {IDC_PRINTER_MARGIN_LEFT, IDC_PRINTER_MARGIN_TOP, IDC_PRINTER_MARGIN_RIGHT,
                             IDC_PRINTER_MARGIN_BOTTOM};
const wchar_t* const kMarginKeys[4] = {L"ReportsPrinterMarginsLeft", L"ReportsPrinterMarginsTop",
                                       L"ReportsPrinterMarginsRight", L"ReportsPrinterMarginsBottom"};

class ReportOptionPagesTest : public ProjectDialogTest {
protected:
    void SetUp() override
    {
        ProjectDialogTest::SetUp();
        RegisterBuiltInReportOptionPages();
        wchar_t measure[4] = {};
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, measure, 4);
        metric = measure[0] == L'0';
    }

    // Opens the report options, lets `body` act as the user on the page of that title and
    // presses the button it answers.
    void OnPage(const std::wstring& title, std::function<INT_PTR(HWND page)> body)
    {
        bool found = false;
        Answer<COptionsDlg>([&](COptionsDlg& dialog) -> INT_PTR {
            for (const PageRecord& page : dialog.Pages()) {
                if (title == page.Title) {
                    found = true;
                    return body(page.Page);
                }
            }
            return IDCANCEL;
        });
        COptionsDlg dialog(2);
        dialog.RunModal(nullptr);
        EXPECT_TRUE(found);
    }

    static void Click(HWND page, int id, bool checked)
    {
        CheckDlgButton(page, id, checked ? BST_CHECKED : BST_UNCHECKED);
        Press(page, id);
    }
    static bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
    static bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }
    static LRESULT Selected(HWND page, int id) { return SendMessageW(GetDlgItem(page, id), CB_GETCURSEL, 0, 0); }
    static HWND Fonts(HWND page)
    {
        return reinterpret_cast<HWND>(SendDlgItemMessageW(page, IDC_PRINTER_FONT, RKCC2M_FONTCOMBO_GETINNERCTRL, 0, 0));
    }
    static std::wstring SelectedFont(HWND page)
    {
        std::wstring face;
        DdxFontCombo(page, IDC_PRINTER_FONT, face, true);
        return face;
    }
    static double Margin(HWND page, int id)
    {
        double value = -1;
        DdxDoubleEdit(page, id, value, true);
        return value;
    }
    static void SetMargin(HWND page, int id, double value) { DdxDoubleEdit(page, id, value, false); }

    bool metric = true;
};

TEST_F(ReportOptionPagesTest, ExportPage_encodingAndLineBreaksRoundTrip)
{
    // Defaults: Unicode, line breaks replaced by one blank.
    OnPage(L"Export options", [&](HWND page) -> INT_PTR {
        EXPECT_EQ(Selected(page, IDC_EXPORT_ENCODING), 0);
        EXPECT_TRUE(Enabled(page, IDC_EXPORT_ENCODING));
        EXPECT_TRUE(Checked(page, IDC_EXPORT_REPLACE));
        EXPECT_EQ(Text(page, IDC_EXPORT_REPLACEMENT), L" ");
        EXPECT_TRUE(Enabled(page, IDC_EXPORT_REPLACEMENT));
        SendDlgItemMessageW(page, IDC_EXPORT_ENCODING, CB_SETCURSEL, 1, 0);
        SetText(page, IDC_EXPORT_REPLACEMENT, L"");
        return IDOK;
    });
    EXPECT_EQ(GetSetting(L"ReportsExportEncodingUnicode"), L"0");
    EXPECT_EQ(GetSetting(L"ReportsExportEncodingCodepage"), L"1252");
    EXPECT_EQ(GetSetting(L"ReportsExportNewlineReplace"), L"1");
    EXPECT_EQ(GetSetting(L"ReportsExportNewlineReplacementEmpty"), L"1");
    EXPECT_EQ(GetSetting(L"ReportsExportNewlineReplacement"), L"");

    // Choosing Unicode leaves a stored code page alone; unchecking the replacement disables it.
    OnPage(L"Export options", [&](HWND page) -> INT_PTR {
        EXPECT_EQ(Selected(page, IDC_EXPORT_ENCODING), 1);
        EXPECT_EQ(Text(page, IDC_EXPORT_REPLACEMENT), L""); // an empty replacement, not the blank
        SendDlgItemMessageW(page, IDC_EXPORT_ENCODING, CB_SETCURSEL, 0, 0);
        // A code page stored meanwhile: choosing Unicode must not overwrite it.
        SetSetting(L"ReportsExportEncodingCodepage", L"1250");
        Click(page, IDC_EXPORT_REPLACE, false);
        EXPECT_FALSE(Enabled(page, IDC_EXPORT_REPLACEMENT));
        SetText(page, IDC_EXPORT_REPLACEMENT, L" / ");
        return IDOK;
    });
    EXPECT_EQ(GetSetting(L"ReportsExportEncodingUnicode"), L"1");
    EXPECT_EQ(GetSetting(L"ReportsExportEncodingCodepage"), L"1250");
    EXPECT_EQ(GetSetting(L"ReportsExportNewlineReplace"), L"0");
    EXPECT_EQ(GetSetting(L"ReportsExportNewlineReplacementEmpty"), L"0");
    EXPECT_EQ(GetSetting(L"ReportsExportNewlineReplacement"), L" / ");

    // A code page set elsewhere cannot be changed here: the page writes neither key.
    SetSetting(L"ReportsExportEncodingUnicode", L"no");
    OnPage(L"Export options", [&](HWND page) -> INT_PTR {
        EXPECT_FALSE(Enabled(page, IDC_EXPORT_ENCODING));
        EXPECT_EQ(Selected(page, IDC_EXPORT_ENCODING), 1);
        EXPECT_FALSE(Checked(page, IDC_EXPORT_REPLACE));
        EXPECT_FALSE(Enabled(page, IDC_EXPORT_REPLACEMENT));
        return IDOK;
    });
    EXPECT_EQ(GetSetting(L"ReportsExportEncodingUnicode"), L"no");
    EXPECT_EQ(GetSetting(L"ReportsExportEncodingCodepage"), L"1250");
}

TEST_F(ReportOptionPagesTest, PrinterPage_fontHeaderFooterAndMarginsInTheLocalesUnit)
{
    const std::wstring defaultFace = fw::LoadResString(IDS_PRINT_FONT_FACE);
    OnPage(L"Printer options", [&](HWND page) -> INT_PTR {
        // The default face is installed, so the combo shows it.
        EXPECT_EQ(SelectedFont(page), defaultFace);
        EXPECT_EQ(Text(page, IDC_PRINTER_MARGINS_GROUP), metric ? L"Margins (cm)" : L"Margins (in)");
        EXPECT_TRUE(Checked(page, IDC_PRINTER_HEADER));
        EXPECT_TRUE(Checked(page, IDC_PRINTER_FOOTER));
        EXPECT_FALSE(Checked(page, IDC_PRINTER_MARGINS_MINIMAL));
        for (int id : kMargins) {
            EXPECT_NEAR(Margin(page, id), metric ? 1.5 : 0.591, 1e-9) << id;
            EXPECT_TRUE(Enabled(page, id));
        }
        // 0.29 cm, or 0.5 in = 1.27 cm.
        SetMargin(page, IDC_PRINTER_MARGIN_LEFT, metric ? 0.29 : 0.5);
        Click(page, IDC_PRINTER_HEADER, false);
        Click(page, IDC_PRINTER_MARGINS_MINIMAL, true);
        for (int id : kMargins)
            EXPECT_FALSE(Enabled(page, id)) << id;
        // An apply before OK's: the shown unit is converted once, not twice.
        bool changed = true;
        SendMessageW(page, WM_PAGE_APPLY, reinterpret_cast<WPARAM>(&changed), 0);
        EXPECT_NEAR(Margin(page, IDC_PRINTER_MARGIN_LEFT), metric ? 0.29 : 0.5, 1e-9);
        return IDOK;
    });
    EXPECT_EQ(GetSetting(L"ReportsPrinterFont"), defaultFace);
    EXPECT_EQ(GetSetting(L"ReportsPrinterHeader"), L"0");
    EXPECT_EQ(GetSetting(L"ReportsPrinterFooter"), L"1");
    EXPECT_EQ(GetSetting(L"ReportsPrinterMarginsMinimal"), L"1");
    EXPECT_EQ(GetSetting(L"ReportsPrinterMarginsLeft"), metric ? L"29" : L"127");
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(GetSetting(kMarginKeys[i]), L"150") << i; // 0.591 in = 1.501 cm

    // A face that is not installed shows no selection and is kept as it is.
    SetSetting(L"ReportsPrinterFont", L"Arial Nonexistent");
    OnPage(L"Printer options", [&](HWND page) -> INT_PTR {
        EXPECT_EQ(SendMessageW(Fonts(page), CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_FALSE(Checked(page, IDC_PRINTER_HEADER));
        EXPECT_NEAR(Margin(page, IDC_PRINTER_MARGIN_LEFT), metric ? 0.29 : 0.5, 1e-9);
        return IDOK;
    });
    EXPECT_EQ(GetSetting(L"ReportsPrinterFont"), L"Arial Nonexistent");
    EXPECT_EQ(GetSetting(L"ReportsPrinterMarginsLeft"), metric ? L"29" : L"127");
}

// The report plug-in's resources report, printed and exported before and after the pages were
// used: the pages' settings reach its font, margins, encoding and line breaks.
class ReportOutputsTest : public ReportOptionPagesTest {
protected:
    void SetUp() override
    {
        ReportOptionPagesTest::SetUp();
        CPluginHostInfo host;
        host.resources = fw::ResourceModule();
        std::wstring refused;
        ASSERT_TRUE(gPlugins->LoadPlugins({{qvtest::BinFolder() + L"QV2R.dll", true}}, host, refused));
        gPlugins->BroadcastOnStart(root);
        gPlugins->BroadcastOnRegister();
        report = gPlugins->FindReport(fw::LoadResString(IDS_REPORT_RESOURCES));
        ASSERT_NE(report, nullptr);
        ASSERT_TRUE(paper.Active());
    }
    void TearDown() override
    {
        gPlugins->BroadcastOnExit();
        gPlugins->FreeAll();
        ReportOptionPagesTest::TearDown();
    }

    // The resource's name on the first printed page, and the engine's margins and face.
    petest::TextRec PrintName(const std::wstring& name, int& left, int& top, std::wstring& face)
    {
        CRKPrintEngine2* engine = rtest::Engine();
        EXPECT_EQ(report->Print(engine, dc.Get(), dc.Get()), 0);
        left = engine->MarginLeft;
        top = engine->MarginTop;
        face = engine->FaceName;
        const petest::PageRec page = petest::RecordPage(engine, 1, dc.Get());
        const petest::TextRec* found = page.Find(name);
        petest::TextRec text = found ? *found : petest::TextRec{};
        EXPECT_NE(found, nullptr);
        rtest::FreeEngine();
        return text;
    }

    const ReportRegistration* report = nullptr;
    rtest::CA4PrinterCaps paper;
    petest::MemoryDc dc;
    qvtest::CTempFolder folder;
};

TEST_F(ReportOutputsTest, PrintAndExport_followThePages)
{
    wqv2_data::CResource* resource = AddResource(L"M\u00FCller", 1);
    ASSERT_NE(resource, nullptr);
    ASSERT_EQ(root->BeginTransaction(L""), 0);
    resource->SetNote(L"first\r\nsecond");
    ASSERT_EQ(root->Commit(), 0);
    SetSetting(L"ReportsResourcesColumnsNotes", L"1");

    int left = 0;
    int top = 0;
    std::wstring face;
    const petest::TextRec before = PrintName(L"M\u00FCller", left, top, face);
    EXPECT_EQ(left, 150);
    EXPECT_EQ(face, fw::LoadResString(IDS_PRINT_FONT_FACE));

    // Another installed face, left margin 3 cm and top margin 2 cm as the user types them.
    std::wstring chosen;
    OnPage(L"Printer options", [&](HWND page) -> INT_PTR {
        HWND fonts = Fonts(page);
        const LRESULT count = SendMessageW(fonts, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count && chosen.empty(); ++i) {
            wchar_t text[LF_FACESIZE] = {};
            SendMessageW(fonts, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            if (text[0] != L'@' && fw::LoadResString(IDS_PRINT_FONT_FACE) != text) {
                chosen = text;
                SendMessageW(fonts, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            }
        }
        SetMargin(page, IDC_PRINTER_MARGIN_LEFT, metric ? 3.0 : 1.181);
        SetMargin(page, IDC_PRINTER_MARGIN_TOP, metric ? 2.0 : 0.787);
        return IDOK;
    });
    ASSERT_FALSE(chosen.empty());
    const petest::TextRec after = PrintName(L"M\u00FCller", left, top, face);
    EXPECT_EQ(left, 300);
    EXPECT_EQ(top, 200);
    EXPECT_EQ(face, chosen);
    EXPECT_EQ(std::wstring(after.font.lfFaceName), chosen);
    // The text moved with the margins (the page is drawn in tenths of a millimetre, y up).
    EXPECT_NEAR(after.x - before.x, 150, 2);
    EXPECT_NEAR(after.y - before.y, -50, 2);

    // Export: UTF-16 with a blank for the line break by default; then the code page and " / ".
    const std::wstring path = folder.File(L"resources.txt");
    ASSERT_EQ(report->Export(path.c_str()), 0);
    const std::string unicode = qvtest::ReadFileBytes(path);
    ASSERT_GE(unicode.size(), 2u);
    EXPECT_EQ(unicode.substr(0, 2), "\xFF\xFE");
    EXPECT_NE(unicode.find(std::string("f\0i\0r\0s\0t\0 \0s\0e\0c\0o\0n\0d\0", 24)), std::string::npos);
    OnPage(L"Export options", [&](HWND page) -> INT_PTR {
        SendDlgItemMessageW(page, IDC_EXPORT_ENCODING, CB_SETCURSEL, 1, 0);
        SetText(page, IDC_EXPORT_REPLACEMENT, L" / ");
        return IDOK;
    });
    ASSERT_EQ(report->Export(path.c_str()), 0);
    const std::string western = qvtest::ReadFileBytes(path);
    EXPECT_NE(western.substr(0, 2), "\xFF\xFE");
    EXPECT_NE(western.find("M\xFCller"), std::string::npos);
    EXPECT_NE(western.find("first / second"), std::string::npos);
}

TEST_F(ReportOutputsTest, PrinterSetUp_showsTheOrientationJustPickedOnThePage)
{
    SetSetting(L"ReportsResourcesPrinterOrientation", L"1");
    SetSetting(L"ReportsSelectedReport", report->Name);
    SetSetting(L"ReportsOutput", L"0");
    fwtest::CRecordingPrinter printer;
    // As the user picks landscape on the report's page, not yet applied.
    auto pickLandscape = [](CReportsDlg& dialog) {
        HWND reports = dialog.Item(IDC_REPORTS_TREE);
        TVITEMW selected{};
        selected.mask = TVIF_PARAM;
        selected.hItem = TreeView_GetSelection(reports);
        TreeView_GetItem(reports, &selected);
        HWND options = GetDlgItem(reinterpret_cast<HWND>(selected.lParam), IDC_REPORT_OPTIONS);
        HWND tree = reinterpret_cast<HWND>(SendMessageW(options, RKCC2M_OPTIONSTREE_GETINNERCTRL, 0, 0));
        const std::wstring landscape = fw::LoadResString(IDS_REPORT_LANDSCAPE);
        for (HTREEITEM item = TreeView_GetRoot(tree); item; item = treeitem::NextPreOrder(tree, item)) {
            if (treeitem::Text(tree, item) == landscape) {
                TreeView_SelectItem(tree, item);
                SendMessageW(tree, WM_CHAR, L' ', 0);
                return true;
            }
        }
        return false;
    };
    std::vector<short> shown;
    auto setUp = [&](CReportsDlg& dialog) {
        Press(dialog.Hwnd(), IDC_REPORTS_PRINT_SETUP);
        shown.push_back(printer.dialogOrientation);
    };
    Answer<CReportsDlg>([&](CReportsDlg& dialog) -> INT_PTR {
        setUp(dialog);
        EXPECT_TRUE(pickLandscape(dialog));
        setUp(dialog);
        return IDCANCEL;
    });
    CReportsDlg cancelled;
    EXPECT_EQ(cancelled.RunModal(nullptr), IDCANCEL);
    EXPECT_EQ(shown, (std::vector<short>{DMORIENT_PORTRAIT, DMORIENT_LANDSCAPE}));
    // The set-up stored nothing the user did not apply.
    EXPECT_EQ(GetSetting(L"ReportsResourcesPrinterOrientation"), L"1");

    // Printed: the print takes the orientation the set-up showed.
    Answer<CReportsDlg>([&](CReportsDlg& dialog) -> INT_PTR {
        EXPECT_TRUE(pickLandscape(dialog));
        setUp(dialog);
        Press(dialog.Hwnd(), IDC_REPORTS_PRINT);
        return 0;
    });
    CReportsDlg printed;
    EXPECT_EQ(printed.RunModal(nullptr), IDOK);
    EXPECT_EQ(shown.back(), DMORIENT_LANDSCAPE);
    EXPECT_EQ(ReportOrientation(report), DMORIENT_LANDSCAPE);
}

} // namespace
