#pragma once
// CRPrintBase: the printed output of a report, laid out as pages of the print engine. It reads
// the ReportsPrinter* settings, runs the print driver (page set-up, the report's body, header
// and footer on every page), and offers the caption lines (period, filter), their drawing and
// the footnote. CRPrintBaseEx adds the report's own caption lines. Lengths are tenths of a
// millimetre, font sizes tenths of a point, y growing downward from the top of the printable
// area. A print object lives on the stack of the report's print callback.

#include "base/RBase.h"

#include "RKPrintEngine2.h"

#include <string>
#include <vector>

namespace print_table_helper {
class CTable;
}

class CRPrintBase : public CRBase {
public:
    // The defaults below, then the settings.
    CRPrintBase();

    // Fixes font face, margins, printable size and the body area; 0, or 1 when no body of any
    // width and height is left.
    virtual int SetupPage(CRKPrintEngine2* engine);
    // The report's body; 0 or an error code. Nothing here.
    virtual int PrintBody(CRKPrintEngine2* engine);

    // The print driver: BeginDocument, SetupPage, PrintBody, headers, footers, EndDocument.
    // 0, or the first non-zero result of the report's operations; 1 without an engine. A run that
    // fails (or throws) leaves none of its pages: the engine then holds a new, empty document.
    static int PrintReport(CRKPrintEngine2* engine, HDC dc, HDC attributeDc, CRPrintBase& report);

    // Every page a report asks of the engine, its own or those a table flows onto, goes through
    // these two: 0; or, when the engine cannot add a page (out of memory), the result of the
    // report failure message (ShowOutOfMemory), with which the report ends its run.
    // A new page after the last, made current.
    int NewPage(CRKPrintEngine2* engine);
    // The table's EndTable: its rows laid out from the current page on; the y below it in `below`.
    int LayOutTable(print_table_helper::CTable& table, int* below = nullptr);

    // Header or footer on every page built so far; nothing when it is not shown. 0.
    int DrawHeaders(CRKPrintEngine2* engine);
    int DrawFooters(CRKPrintEngine2* engine);
    // The placeholders replaced; "%pc" is the engine's current page, "%pt" its page count.
    std::wstring ExpandPageText(CRKPrintEngine2* engine, const std::wstring& text) const;
    // Sets the engine's font size (unless 0) and bold flag and measures one line of text.
    static int LineHeight(CRKPrintEngine2* engine, int fontSize, bool bold);

    // Caption lines: parallel lists of labels and values, one line per pair.
    // The period line (string 38000 and the period text); the number of lines.
    static int AddPeriodCaption(std::vector<std::wstring>& labels, std::vector<std::wstring>& values, TDate start,
                                TDate end, int startMinute, int endMinute);
    // The filter line (string 38020 and the filter's name) when the report has a filter or
    // `showAlways` is set; the number of lines.
    static int AddFilterCaption(std::vector<std::wstring>& labels, std::vector<std::wstring>& values, bool showAlways);
    // Height of a caption block of `lines` lines in the standard font, with both distances.
    int CaptionHeight(CRKPrintEngine2* engine, int lines) const;
    // Draws the caption lines on every page from `firstPage` to `lastPage`, labels plain and
    // values bold, values after the widest label with `aligned`; with `continued`, the first
    // value carries string 9501 on every page but the first.
    void DrawCaptions(int fontSize, CRKPrintEngine2* engine, int firstPage, int lastPage,
                      const std::vector<std::wstring>& labels, const std::vector<std::wstring>& values, bool continued,
                      bool aligned) const;
    // The text at the foot of the body on every page of the last table laid out.
    void DrawFootnote(const std::wstring& text, CRKPrintEngine2* engine) const;

    std::wstring FontFace;              // string 10500; ReportsPrinterFont
    int FontSizeStandard = 110;         // ReportsPrinterFontSizeStandard
    int TableFontSize = 100;            // ReportsPrinterTableFontSizeStandard
    int FootnoteFontSize = 90;          // ReportsPrinterFontSizeFootnote
    int FootnoteStretch = 100;          // ReportsPrinterFootnoteStretch, percent
    int PenStandard = 2;                // ReportsPrinterPenStdWidth
    int PenThick = 5;                   // ReportsPrinterPenThickWidth
    bool MarginsMinimal = false;        // ReportsPrinterMarginsMinimal: keep the engine's margins
    int MarginLeft = 150;               // ReportsPrinterMarginsLeft (and Right, Top, Bottom)
    int MarginRight = 150;
    int MarginTop = 150;
    int MarginBottom = 150;
    bool HeaderShown = true;            // ReportsPrinterHeader
    bool FooterShown = true;            // ReportsPrinterFooter
    int HeaderFontSize = 160;           // ReportsPrinterHeaderFontSize
    int FooterFontSize = 80;            // ReportsPrinterFooterFontSize
    bool HeaderBold = true;             // ReportsPrinterHeaderFontBold
    bool FooterBold = false;            // ReportsPrinterFooterFontBold
    bool HeaderItalic = false;          // ReportsPrinterHeaderFontItalic
    bool FooterItalic = false;          // ReportsPrinterFooterFontItalic
    int HeaderTopLine = 6;              // ReportsPrinterHeaderTopLineWidth
    int HeaderBottomLine = 6;           // ReportsPrinterHeaderBottomLineWidth
    int FooterTopLine = 3;              // ReportsPrinterFooterTopLineWidth
    int FooterBottomLine = 0;           // ReportsPrinterFooterBottomLineWidth
    int HeaderSpace = 20;               // ReportsPrinterHeaderVerticalSpaceBody
    int FooterSpace = 20;               // ReportsPrinterFooterVerticalSpaceBody
    std::wstring HeaderLeft = L"%ti";   // ReportsPrinterHeaderInfoLeft (and Center, Right)
    std::wstring HeaderCenter;
    std::wstring HeaderRight;
    std::wstring FooterLeft;            // string 10180; ReportsPrinterFooterInfoLeft
    std::wstring FooterCenter;
    std::wstring FooterRight;           // string 10181; ReportsPrinterFooterInfoRight
    int HeaderIndent[4] = {};           // left, top, right, bottom; ReportsPrinterHeaderIndent
    int FooterIndent[4] = {};           // ReportsPrinterFooterIndent
    int TableSubtitleSpaceBefore = 25;  // ReportsPrinterTableSubtitleSpaceBefore
    int TableSubtitleSpaceAfter = 5;    // ReportsPrinterTableSubtitleSpaceAfter
    int TableGridIndent = 10;           // ReportsPrinterTableGridHorzStdIndent
    int TableCellExtraIndent = 25;      // ReportsPrinterTableCellExtraIndent
    int TableHeaderSpaceAfter = 10;     // ReportsPrinterTableHeaderSpaceAfter
    int CaptionDistanceTop = 20;        // ReportsPrinterDistanceCaptionTop
    int CaptionDistanceBottom = 50;     // ReportsPrinterDistanceCaptionBottom
    int CaptionLineStretch = 120;       // ReportsPrinterCaptionLineStretch, percent
    int PrintableWidth = 0;             // computed by SetupPage
    int PrintableHeight = 0;
    int BodyTop = 0;
    int BodyBottom = 0;

protected:
    // The engine's operations that add pages; a test refuses pages here.
    // AddPage: the new page's number, 0 when none was added.
    virtual int AddPage(CRKPrintEngine2* engine);
    // EndTable: the number of pages the table was laid out on, 0 when the engine could not lay
    // it out (a page it flows onto could not be added); the y below it in `below`.
    virtual int EndTable(print_table_helper::CTable& table, int& below);
};

class CRPrintBaseEx : public CRPrintBase {
public:
    // The report's caption lines appended to the lists; their number. None here.
    virtual int GetCaptionLines(std::vector<std::wstring>& labels, std::vector<std::wstring>& values);
    // Height of the caption block of GetCaptionLines.
    int CaptionHeight(CRKPrintEngine2* engine);
    using CRPrintBase::CaptionHeight;
};
