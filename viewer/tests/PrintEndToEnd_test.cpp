// Printing on a real printer: the viewer, started on the sample project with the real libraries,
// prints each report through its print path (print dialog answered, the document spooled to the
// PDF printer of the scripts), and pdfinfo and pdftotext read the PDFs back; the preview of a
// report is drawn into a bitmap; the print engine's right-aligned table text is checked glyph by
// glyph. Without the printer these tests say so and are skipped (failed where it is required).
#include "MainApp.h"
#include "MainFrame.h"
#include "PdfPrinter.h"
#include "RealViewerFixture.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "RKPrintEngine2.h"
#include "ReportPrint.h"
#include "Settings.h"
#include "TestSupport.h"
#include "ViewerUtil.h"
#include "fw/PreviewView.h"
#include "fw/Resources.h"

#include <winspool.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using qvtest::CPdfPrinter;

// Control ids of the common print dialog: the Pages button and its two page edits.
constexpr int kPagesButton = 1058;
constexpr int kAllButton = 1056;
constexpr int kFromPage = 1152;
constexpr int kToPage = 1153;

std::string Utf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(std::max(size, 1)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    out.resize(std::strlen(out.c_str()));
    return out;
}

// Answers the print dialog as a user would (OK, optionally with a page range) and closes any
// other box the printer path shows, remembering its text.
class CPrintDialogAnswerer {
public:
    CPrintDialogAnswerer()
    {
        s_self = this;
        m_hook = SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
    }
    ~CPrintDialogAnswerer()
    {
        UnhookWindowsHookEx(m_hook);
        s_self = nullptr;
    }

    int dialogs = 0;
    UINT fromPage = 0; // 0: all pages
    UINT toPage = 0;
    std::vector<std::wstring> otherBoxes;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp)
    {
        if (code == HCBT_ACTIVATE && s_self)
            s_self->Answer(reinterpret_cast<HWND>(wp));
        return CallNextHookEx(nullptr, code, wp, lp);
    }

    void Answer(HWND window)
    {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        // Activated again when a box it showed closes: answered once (marked on the window itself,
        // since a later dialog may get the handle of an earlier one).
        if (std::wstring(name) != L"#32770" || GetPropW(window, kAnsweredMark))
            return;
        SetPropW(window, kAnsweredMark, reinterpret_cast<HANDLE>(1));
        if (GetDlgItem(window, kPagesButton) && GetDlgItem(window, kFromPage)) {
            ++dialogs;
            if (fromPage) {
                CheckRadioButton(window, kAllButton, kPagesButton, kPagesButton);
                SetDlgItemInt(window, kFromPage, fromPage, FALSE);
                SetDlgItemInt(window, kToPage, toPage, FALSE);
            }
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
            return;
        }
        std::wstring text;
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t part[512] = {};
            GetWindowTextW(child, part, 512);
            text += part;
            text += L" ";
        }
        otherBoxes.push_back(text);
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }

    static constexpr const wchar_t* kAnsweredMark = L"QvTestAnswered";
    static inline CPrintDialogAnswerer* s_self = nullptr;
    HHOOK m_hook = nullptr;
};

class PrintEndToEnd : public qvtest::RealViewerFixture {
protected:
    void SetUp() override
    {
        if (!printer.Missing().empty()) {
            if (CPdfPrinter::Required())
                FAIL() << "no PDF printer, which this run requires: " << printer.Missing();
            GTEST_SKIP() << "no PDF printer: " << printer.Missing();
        }
        StartViewer();
        if (HasFatalFailure())
            return;
        SetSetting(L"ReportsOutput", L"0");
    }

    // The printable reports the plug-in registered, by name.
    std::vector<std::wstring> PrintableReports() const
    {
        std::vector<std::wstring> names;
        for (const ReportRegistration& report : gPlugins->Reports()) {
            if (report.Print)
                names.emplace_back(report.Name);
        }
        return names;
    }
    const ReportRegistration* Report(const std::wstring& name) const
    {
        for (const ReportRegistration& report : gPlugins->Reports()) {
            if (name == report.Name)
                return &report;
        }
        return nullptr;
    }

    // Prints the report (or, with `again`, the last report through the print command) and
    // returns its PDF; empty when none came.
    std::string Print(const std::wstring& name, bool again = false)
    {
        const auto before = printer.Pdfs();
        if (again) {
            SendMessageW(Frame().Hwnd(), WM_COMMAND, MAKEWPARAM(IDM_FILE_PRINT, 0), 0);
        } else {
            SetSetting(L"ReportsSelectedReport", name);
            SetSetting(L"ReportsOutputPrinter", L"1");
            EXPECT_TRUE(RunSelectedReport(Frame()));
        }
        return printer.WaitForNewPdf(before);
    }

    CPdfPrinter printer;
    qvtest::CMessageRecorder messages;
    CPrintDialogAnswerer answerer;
};

// Where the drawing lies on the sheet a preview shows, in fractions of the sheet's width and
// height: the sheet is the white area of the preview's client, the drawing what is not white in it.
struct SheetSpan {
    bool found = false;
    double left = 0, top = 0, right = 0, bottom = 0;
};

SheetSpan DrawnSpan(HWND preview)
{
    RECT client{};
    GetClientRect(preview, &client);
    const int width = client.right;
    const int height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    SheetSpan span;
    if (!bitmap || width <= 0 || height <= 0) {
        DeleteDC(memory);
        return span;
    }
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(preview, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    auto pixel = [&](int x, int y) { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] & 0xFFFFFF; };
    RECT sheet{width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (pixel(x, y) == 0xFFFFFF) {
                sheet.left = std::min<LONG>(sheet.left, x);
                sheet.top = std::min<LONG>(sheet.top, y);
                sheet.right = std::max<LONG>(sheet.right, x + 1);
                sheet.bottom = std::max<LONG>(sheet.bottom, y + 1);
            }
        }
    }
    RECT drawn{width, height, -1, -1};
    for (int y = sheet.top + 1; y < sheet.bottom - 1; ++y) {
        for (int x = sheet.left + 1; x < sheet.right - 1; ++x) {
            const DWORD c = pixel(x, y);
            if ((c & 0xFF) < 160 || ((c >> 8) & 0xFF) < 160 || ((c >> 16) & 0xFF) < 160) {
                drawn.left = std::min<LONG>(drawn.left, x);
                drawn.top = std::min<LONG>(drawn.top, y);
                drawn.right = std::max<LONG>(drawn.right, x + 1);
                drawn.bottom = std::max<LONG>(drawn.bottom, y + 1);
            }
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    if (sheet.right <= sheet.left || drawn.right <= drawn.left)
        return span;
    const double w = sheet.right - sheet.left;
    const double h = sheet.bottom - sheet.top;
    span.found = true;
    span.left = (drawn.left - sheet.left) / w;
    span.right = (drawn.right - sheet.left) / w;
    span.top = (drawn.top - sheet.top) / h;
    span.bottom = (drawn.bottom - sheet.top) / h;
    return span;
}

TEST_F(PrintEndToEnd, Preview_drawsEachPageAcrossTheWholeSheetAtEveryZoom)
{
    const std::vector<std::wstring> reports = PrintableReports();
    ASSERT_FALSE(reports.empty());
    SetWindowPos(Frame().Hwnd(), nullptr, 0, 0, 900, 1000, SWP_NOZORDER | SWP_NOACTIVATE);
    SetSetting(L"ReportsSelectedReport", reports.front());
    SetSetting(L"ReportsOutputPrinter", L"0");
    ASSERT_TRUE(RunSelectedReport(Frame()));
    fw::CPreviewView* preview = Frame().Preview();
    ASSERT_NE(preview, nullptr) << "the preview did not start";
    EXPECT_EQ(answerer.dialogs, 0); // the preview asks for no printer
    const SheetSpan whole = DrawnSpan(preview->Hwnd());
    ASSERT_TRUE(whole.found) << "nothing drawn on the sheet";
    // The header rule and the footer lie at the margins (15 mm of 210 by 297 mm): the page fills
    // the sheet as it prints, not a corner of it.
    EXPECT_LT(whole.left, 0.12);
    EXPECT_GT(whole.right, 0.88);
    EXPECT_LT(whole.top, 0.10);
    EXPECT_GT(whole.bottom, 0.90);
    // Zoomed to the page width the sheet is taller than the window; across it the drawing keeps
    // its place.
    preview->SetZoom(1);
    const SheetSpan wide = DrawnSpan(preview->Hwnd());
    ASSERT_TRUE(wide.found);
    EXPECT_NEAR(wide.left, whole.left, 0.01);
    EXPECT_NEAR(wide.right, whole.right, 0.01);
}

TEST_F(PrintEndToEnd, CellText_leftCentredAndRightAlignedTimesStayWholeInsideTheirCells)
{
    // Printed straight from the engine: a table of times, one column each left aligned, centred
    // and right aligned (alignments 3, 4, 5: vertically centred), 30 mm wide from x 20 mm.
    const std::vector<std::vector<const wchar_t*>> rows{{L"7:45 AM", L"11:59 PM", L"12:00 PM"},
                                                        {L"10:10 AM", L"9:05 AM", L"8:00 PM"},
                                                        {L"12:30 PM", L"1:15 PM", L"7:45 AM"}};
    constexpr int kLeft = 200;
    constexpr int kWidth = 300;
    constexpr int kPadding = 4; // the engine's default inside a cell
    wchar_t name[256] = {};
    DWORD size = 256;
    ASSERT_TRUE(GetDefaultPrinterW(name, &size));
    HDC dc = CreateDCW(L"WINSPOOL", name, nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    const auto before = printer.Pdfs();
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = L"Aligned times";
    ASSERT_GT(StartDocW(dc, &doc), 0);
    ASSERT_GT(StartPage(dc), 0);
    CRKPrintEngine2* engine = gPrintEngine;
    engine->BeginDocument(dc, dc);
    engine->SetFont(140, 0, 3, 0, 0, 0);
    engine->BeginTable(kLeft, 200, kLeft + 3 * kWidth, 2000, 200);
    const int widths[3] = {kWidth, kWidth, kWidth};
    for (size_t r = 0; r < rows.size(); ++r) {
        const int row = engine->AddTableRow(1, 3, widths);
        for (int c = 0; c < 3; ++c) {
            engine->SetTextCell(1, row, c, rows[r][static_cast<size_t>(c)]);
            engine->SetAlignmentCell(1, row, c, 3 + c);
        }
    }
    engine->EndTable();
    engine->EndDocument();
    SetMapMode(dc, MM_LOMETRIC);
    engine->DrawPage(dc, dc, 1);
    // The text box of each cell (the cell less its padding) as it lands on paper, in points from
    // the sheet's left edge: the printer's own mapping of its logical units.
    double boxes[3][2] = {};
    for (int c = 0; c < 3; ++c) {
        POINT edges[2] = {{engine->MapX(kLeft + c * kWidth + kPadding), 0},
                          {engine->MapX(kLeft + (c + 1) * kWidth - kPadding), 0}};
        LPtoDP(dc, edges, 2);
        for (int side = 0; side < 2; ++side)
            boxes[c][side] = (edges[side].x + GetDeviceCaps(dc, PHYSICALOFFSETX)) * 72.0 / GetDeviceCaps(dc, LOGPIXELSX);
    }
    EXPECT_GT(EndPage(dc), 0);
    EXPECT_GT(EndDoc(dc), 0);
    DeleteDC(dc);
    const std::string pdf = printer.WaitForNewPdf(before);
    ASSERT_FALSE(pdf.empty()) << "no PDF came";

    const auto pages = printer.PageTexts(pdf);
    ASSERT_EQ(pages.size(), 1u);
    for (const auto& row : rows) {
        for (const wchar_t* time : row)
            EXPECT_NE(pages[0].find(Utf8(time)), std::string::npos) << Utf8(time) << " in\n" << pages[0];
    }
    // Every word inside the text box of its cell, and a right-aligned line ends at the box's
    // right edge. A word's box reaches as far as its last glyph's advance (0.3 pt is a fiftieth of
    // an "M" here); a line spaced by the printer's own metrics instead of the measured ones ends
    // more than half a point further right and loses the edge of its last glyph to the clip.
    constexpr double kTolerance = 0.3;
    const auto words = printer.Words(pdf);
    ASSERT_GE(words.size(), 18u);
    int rightEnds = 0;
    for (const auto& word : words) {
        int column = 0;
        while (column < 2 && word.xMin >= boxes[column + 1][0] - 1.0)
            ++column;
        EXPECT_GE(word.xMin, boxes[column][0] - kTolerance) << word.text << " in column " << column;
        EXPECT_LE(word.xMax, boxes[column][1] + kTolerance) << word.text << " in column " << column;
        if (column == 2 && (word.text == "AM" || word.text == "PM")) {
            EXPECT_NEAR(word.xMax, boxes[column][1], 1.0) << word.text << ": a right-aligned line ends at the edge";
            ++rightEnds;
        }
    }
    EXPECT_EQ(rightEnds, 3);
}

TEST_F(PrintEndToEnd, MarginsThatLeaveNoPageBodyGiveOneBoxAndNoPrint)
{
    SetSetting(L"ReportsPrinterMarginsMinimal", L"0");
    SetSetting(L"ReportsPrinterMarginsTop", L"1600"); // tenths of a millimetre: 160 mm of 297
    SetSetting(L"ReportsPrinterMarginsBottom", L"1600");
    const auto before = printer.Pdfs();
    SetSetting(L"ReportsSelectedReport", L"Holidays");
    SetSetting(L"ReportsOutputPrinter", L"1");
    RunSelectedReport(Frame());
    EXPECT_EQ(answerer.dialogs, 1);
    EXPECT_TRUE(answerer.otherBoxes.empty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, fw::LoadResString(IDS_MSG_REPORT_FAILED));
    EXPECT_EQ(messages.messages[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(ReportPrintState().pageCount, 0);
    std::set<std::string> sent;
    ASSERT_TRUE(printer.PdfsSentSince(before, sent));
    EXPECT_EQ(sent, std::set<std::string>{});
}

// What each report of the sample project prints: its settings prefix (for the title shown in
// the page header) and a row every run shows, whatever the locale.
struct ReportCase {
    const wchar_t* name;
    const wchar_t* prefix;
    const char* knownRow;
};

const ReportCase kReports[] = {
    {L"Holidays", L"ReportsHolidays", "Good Friday"},
    {L"Resources", L"ReportsResources", "CNC mill M2"},
    {L"Filters", L"ReportsFilters", "Order Meier"},
    {L"Calendars", L"ReportsCalendars", "Workshop shifts"},
    {L"Task list", L"ReportsListTasksDefault", "Survey kitchen Meier"},
    {L"Tasks by resource", L"ReportsListTasksByResources", "Mill carcass parts Meier"},
};

class PrintReportEndToEnd : public PrintEndToEnd, public ::testing::WithParamInterface<ReportCase> {
protected:
    // A document as the report built it and as the printer wrote it.
    void ExpectPrinted(const std::string& pdf, const ReportRegistration& report, const std::string& title,
                       const std::vector<int>& pageNumbers)
    {
        ASSERT_FALSE(pdf.empty()) << "no PDF came";
        const int built = ReportPrintState().pageCount;
        const auto info = printer.Info(pdf);
        EXPECT_EQ(info.count("Title") ? info.at("Title") : "", Utf8(report.Name));
        EXPECT_EQ(info.count("Pages") ? info.at("Pages") : "", std::to_string(pageNumbers.size()));
        // Landscape: a sheet wider than high, or a portrait sheet turned by a quarter.
        const std::string size = info.count("Page size") ? info.at("Page size") : "";
        double width = 0, height = 0;
        std::sscanf(size.c_str(), "%lf x %lf", &width, &height);
        const int rotation = info.count("Page rot") ? std::atoi(info.at("Page rot").c_str()) : 0;
        const bool landscape = (width > height) != (rotation % 180 == 90);
        const int orientation = report.Orientation ? LOWORD(report.Orientation()) : 1;
        EXPECT_EQ(landscape, orientation == 2) << size << ", turned " << rotation;
        EXPECT_NE(size.find("(A4)"), std::string::npos) << size;

        const auto pages = printer.PageTexts(pdf);
        ASSERT_EQ(pages.size(), pageNumbers.size());
        for (size_t i = 0; i < pages.size(); ++i) {
            const std::string footer = "Page " + std::to_string(pageNumbers[i]) + " of " + std::to_string(built);
            EXPECT_NE(pages[i].find(footer), std::string::npos) << footer << " on sheet " << i + 1;
            // The header's title stands above everything else on the page.
            const size_t first = pages[i].find_first_not_of(" \n");
            EXPECT_EQ(pages[i].compare(first, title.size(), title), 0) << "sheet " << i + 1 << ":\n" << pages[i];
        }
    }
};

TEST_P(PrintReportEndToEnd, PrintsItsPagesWithTitleRowsAndFooters)
{
    const ReportCase& wanted = GetParam();
    const ReportRegistration* report = Report(wanted.name);
    ASSERT_NE(report, nullptr) << "the plug-in registers no report " << Utf8(wanted.name);
    ASSERT_NE(report->Print, nullptr);
    const std::string title = "Printed " + Utf8(wanted.name);
    SetSetting(std::wstring(wanted.prefix) + L"Title", L"Printed " + std::wstring(wanted.name));
    const std::string pdf = Print(wanted.name);
    EXPECT_EQ(answerer.dialogs, 1);
    EXPECT_TRUE(answerer.otherBoxes.empty());
    EXPECT_TRUE(messages.messages.empty());
    const int built = ReportPrintState().pageCount;
    ASSERT_GT(built, 0);
    std::vector<int> all;
    for (int page = 1; page <= built; ++page)
        all.push_back(page);
    ExpectPrinted(pdf, *report, title, all);
    std::string text;
    for (const std::string& page : printer.PageTexts(pdf))
        text += page;
    EXPECT_NE(text.find(wanted.knownRow), std::string::npos) << wanted.knownRow << " in\n" << text;

    // Printed again through the print command, pages 2 to 3 of a longer report: exactly those.
    if (built >= 3) {
        answerer.fromPage = 2;
        answerer.toPage = 3;
        const std::string range = Print(wanted.name, true);
        EXPECT_EQ(answerer.dialogs, 2);
        ExpectPrinted(range, *report, title, {2, 3});
    }
}

INSTANTIATE_TEST_SUITE_P(SampleProject, PrintReportEndToEnd, ::testing::ValuesIn(kReports),
                         [](const ::testing::TestParamInfo<ReportCase>& info) {
                             std::string name;
                             for (const wchar_t* c = info.param.name; *c; ++c) {
                                 if (iswalnum(*c))
                                     name += static_cast<char>(*c);
                             }
                             return name;
                         });

// Reports that print but have no case above (a report that learns to print later) still print
// every page with its footer.
TEST_F(PrintEndToEnd, EveryOtherPrintableReportPrintsEachPageWithItsFooter)
{
    for (const std::wstring& name : PrintableReports()) {
        if (std::any_of(std::begin(kReports), std::end(kReports), [&](const ReportCase& c) { return name == c.name; }))
            continue;
        SCOPED_TRACE(Utf8(name));
        const std::string pdf = Print(name);
        ASSERT_FALSE(pdf.empty()) << "no PDF came";
        const int built = ReportPrintState().pageCount;
        const auto pages = printer.PageTexts(pdf);
        ASSERT_EQ(static_cast<int>(pages.size()), built);
        for (int page = 1; page <= built; ++page) {
            const std::string footer = "Page " + std::to_string(page) + " of " + std::to_string(built);
            EXPECT_NE(pages[static_cast<size_t>(page - 1)].find(footer), std::string::npos) << footer;
        }
    }
}

} // namespace
