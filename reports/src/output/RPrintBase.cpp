// Printed report base.
#include "output/RPrintBase.h"

#include "common/ReportMessages.h"
#include "common/ReportSettings.h"
#include "common/ValueFormat.h"
#include "output/PrintTable.h"
#include "plugin/PluginState.h"

#include "ClassicText.h"
#include "QV2ResVReportIds.h"
#include "WideCopy.h"
#include "fw/Resources.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr COLORREF kBlack = 0;
const wchar_t kMeasureText[] = L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Up to four blank-separated integers (left, top, right, bottom); reading stops at the first
// text that is no number, and the indents not read stay 0.
void ReadIndents(const wchar_t* key, int (&indents)[4])
{
    const std::wstring text = GetSettingText(key);
    size_t i = 0;
    for (int& indent : indents) {
        while (i < text.size() && std::iswspace(text[i]))
            ++i;
        const size_t end = std::min(text.find_first_of(L" \t\r\n\v\f", i), text.size());
        int value = 0;
        if (i == end || !ctext::ParseIntExact(std::wstring_view(text).substr(i, end - i), value))
            return;
        indent = value;
        i = end;
    }
}

int Measured(CRKPrintEngine2* engine, const std::wstring& text, bool width)
{
    int w = 0;
    int h = 0;
    engine->MeasureText(&w, &h, text.c_str());
    return width ? w : h;
}

// The document of one print run, begun on the run's device contexts. A run that does not finish
// it (a failure result, an exception) leaves none of its pages in the shared engine: the viewer
// prints nothing of such a run, and the pages, which may hold the memory the run ran out of,
// would stay until the next print or preview. The engine lets a document go only when it
// begins the next one, so that is how it is discarded.
class CDocumentRun {
public:
    CDocumentRun(CRKPrintEngine2* engine, HDC dc, HDC attributeDc)
        : m_engine(engine), m_dc(dc), m_attributeDc(attributeDc)
    {
        m_engine->BeginDocument(m_dc, m_attributeDc);
    }
    ~CDocumentRun()
    {
        if (!m_finished)
            m_engine->BeginDocument(m_dc, m_attributeDc);
    }
    CDocumentRun(const CDocumentRun&) = delete;
    CDocumentRun& operator=(const CDocumentRun&) = delete;

    void Finish()
    {
        m_engine->EndDocument();
        m_finished = true;
    }

private:
    CRKPrintEngine2* m_engine; // not owned
    HDC m_dc;
    HDC m_attributeDc;
    bool m_finished = false;
};

} // namespace

CRPrintBase::CRPrintBase()
    : FontFace(fw::LoadResString(IDS_PRINT_FONT_FACE)),
      FooterLeft(fw::LoadResString(IDS_PRINT_FOOTER_LEFT)),
      FooterRight(fw::LoadResString(IDS_PRINT_FOOTER_RIGHT))
{
    ReadTextSetting(L"ReportsPrinterFont", FontFace);
    FontSizeStandard = GetIntSetting(L"ReportsPrinterFontSizeStandard", FontSizeStandard);
    TableFontSize = GetIntSetting(L"ReportsPrinterTableFontSizeStandard", TableFontSize);
    FootnoteFontSize = GetIntSetting(L"ReportsPrinterFontSizeFootnote", FootnoteFontSize);
    FootnoteStretch = GetIntSetting(L"ReportsPrinterFootnoteStretch", FootnoteStretch);
    PenStandard = GetIntSetting(L"ReportsPrinterPenStdWidth", PenStandard);
    PenThick = GetIntSetting(L"ReportsPrinterPenThickWidth", PenThick);
    MarginsMinimal = GetBoolSetting(L"ReportsPrinterMarginsMinimal", MarginsMinimal);
    MarginLeft = GetIntSetting(L"ReportsPrinterMarginsLeft", MarginLeft);
    MarginRight = GetIntSetting(L"ReportsPrinterMarginsRight", MarginRight);
    MarginTop = GetIntSetting(L"ReportsPrinterMarginsTop", MarginTop);
    MarginBottom = GetIntSetting(L"ReportsPrinterMarginsBottom", MarginBottom);
    HeaderShown = GetBoolSetting(L"ReportsPrinterHeader", HeaderShown);
    FooterShown = GetBoolSetting(L"ReportsPrinterFooter", FooterShown);
    HeaderFontSize = GetIntSetting(L"ReportsPrinterHeaderFontSize", HeaderFontSize);
    FooterFontSize = GetIntSetting(L"ReportsPrinterFooterFontSize", FooterFontSize);
    HeaderBold = GetBoolSetting(L"ReportsPrinterHeaderFontBold", HeaderBold);
    FooterBold = GetBoolSetting(L"ReportsPrinterFooterFontBold", FooterBold);
    HeaderItalic = GetBoolSetting(L"ReportsPrinterHeaderFontItalic", HeaderItalic);
    FooterItalic = GetBoolSetting(L"ReportsPrinterFooterFontItalic", FooterItalic);
    HeaderTopLine = GetIntSetting(L"ReportsPrinterHeaderTopLineWidth", HeaderTopLine);
    HeaderBottomLine = GetIntSetting(L"ReportsPrinterHeaderBottomLineWidth", HeaderBottomLine);
    FooterTopLine = GetIntSetting(L"ReportsPrinterFooterTopLineWidth", FooterTopLine);
    FooterBottomLine = GetIntSetting(L"ReportsPrinterFooterBottomLineWidth", FooterBottomLine);
    HeaderSpace = GetIntSetting(L"ReportsPrinterHeaderVerticalSpaceBody", HeaderSpace);
    FooterSpace = GetIntSetting(L"ReportsPrinterFooterVerticalSpaceBody", FooterSpace);
    ReadTextSetting(L"ReportsPrinterHeaderInfoLeft", HeaderLeft);
    ReadTextSetting(L"ReportsPrinterHeaderInfoCenter", HeaderCenter);
    ReadTextSetting(L"ReportsPrinterHeaderInfoRight", HeaderRight);
    ReadTextSetting(L"ReportsPrinterFooterInfoLeft", FooterLeft);
    ReadTextSetting(L"ReportsPrinterFooterInfoCenter", FooterCenter);
    ReadTextSetting(L"ReportsPrinterFooterInfoRight", FooterRight);
    ReadIndents(L"ReportsPrinterHeaderIndent", HeaderIndent);
    ReadIndents(L"ReportsPrinterFooterIndent", FooterIndent);
    TableSubtitleSpaceBefore = GetIntSetting(L"ReportsPrinterTableSubtitleSpaceBefore", TableSubtitleSpaceBefore);
    TableSubtitleSpaceAfter = GetIntSetting(L"ReportsPrinterTableSubtitleSpaceAfter", TableSubtitleSpaceAfter);
    TableGridIndent = GetIntSetting(L"ReportsPrinterTableGridHorzStdIndent", TableGridIndent);
    TableCellExtraIndent = GetIntSetting(L"ReportsPrinterTableCellExtraIndent", TableCellExtraIndent);
    TableHeaderSpaceAfter = GetIntSetting(L"ReportsPrinterTableHeaderSpaceAfter", TableHeaderSpaceAfter);
    CaptionDistanceTop = GetIntSetting(L"ReportsPrinterDistanceCaptionTop", CaptionDistanceTop);
    CaptionDistanceBottom = GetIntSetting(L"ReportsPrinterDistanceCaptionBottom", CaptionDistanceBottom);
    CaptionLineStretch = GetIntSetting(L"ReportsPrinterCaptionLineStretch", CaptionLineStretch);
}

int CRPrintBase::PrintReport(CRKPrintEngine2* engine, HDC dc, HDC attributeDc, CRPrintBase& report)
{
    if (!engine)
        return 1;
    CDocumentRun run(engine, dc, attributeDc);
    if (const int result = report.SetupPage(engine))
        return result;
    if (const int result = report.PrintBody(engine))
        return result;
    report.DrawHeaders(engine);
    report.DrawFooters(engine);
    run.Finish();
    return 0;
}

int CRPrintBase::NewPage(CRKPrintEngine2* engine)
{
    // Drawn on without it, the rest of the report would go over the last page.
    return AddPage(engine) != 0 ? 0 : ShowOutOfMemory(nullptr);
}

int CRPrintBase::LayOutTable(print_table_helper::CTable& table, int* below)
{
    int y = 0;
    if (EndTable(table, y) == 0)
        return ShowOutOfMemory(nullptr);
    if (below)
        *below = y;
    return 0;
}

int CRPrintBase::AddPage(CRKPrintEngine2* engine)
{
    return engine->AddPage();
}

int CRPrintBase::EndTable(print_table_helper::CTable& table, int& below)
{
    below = table.EndTable();
    int first = 0;
    int last = 0;
    return table.Engine()->GetLastTablePages(&first, &last);
}

int CRPrintBase::SetupPage(CRKPrintEngine2* engine)
{
    wstr::CopyTo(engine->FaceName, FontFace);
    if (!MarginsMinimal) {
        engine->MarginLeft = MarginLeft;
        engine->MarginRight = MarginRight;
        engine->MarginTop = MarginTop;
        engine->MarginBottom = MarginBottom;
    }
    PrintableWidth = engine->GetPrintableWidth();
    PrintableHeight = engine->GetPrintableHeight();
    auto tallest = [&](const std::wstring* texts) {
        int height = 0;
        for (int i = 0; i < 3; ++i) {
            const std::wstring text = ExpandPageText(engine, texts[i]);
            if (!text.empty())
                height = std::max(height, Measured(engine, text, false));
        }
        return height;
    };
    BodyTop = 0;
    if (HeaderShown) {
        engine->SetFont(HeaderFontSize, HeaderBold, 0, kBlack, HeaderItalic, false);
        const std::wstring texts[3] = {HeaderLeft, HeaderCenter, HeaderRight};
        BodyTop = HeaderTopLine + HeaderIndent[1] + HeaderIndent[3] + HeaderBottomLine + HeaderSpace + tallest(texts);
    }
    BodyBottom = PrintableHeight;
    if (FooterShown) {
        engine->SetFont(FooterFontSize, FooterBold, 0, kBlack, FooterItalic, false);
        const std::wstring texts[3] = {FooterLeft, FooterCenter, FooterRight};
        BodyBottom -= FooterTopLine + FooterIndent[1] + FooterIndent[3] + FooterBottomLine + FooterSpace + tallest(texts);
    }
    engine->SetFont(FontSizeStandard, false, 3, kBlack, false, false);
    // Margins larger than the paper leave no body: nothing sensible can be laid out.
    if (PrintableWidth <= 0 || BodyBottom <= BodyTop)
        return 1;
    return 0;
}

int CRPrintBase::PrintBody(CRKPrintEngine2*)
{
    return 0;
}

int CRPrintBase::DrawHeaders(CRKPrintEngine2* engine)
{
    if (!HeaderShown)
        return 0;
    const int pages = engine->GetPageCount();
    for (int page = 1; page <= pages; ++page) {
        engine->CurrentPage = page;
        engine->SetFont(HeaderFontSize, HeaderBold, 0, kBlack, HeaderItalic, false);
        const int x = HeaderIndent[0];
        const int y = HeaderTopLine + HeaderIndent[1];
        const int width = PrintableWidth - HeaderIndent[0] - HeaderIndent[2];
        const int ruleY = BodyTop - HeaderSpace;
        const int height = ruleY - HeaderIndent[3] - HeaderBottomLine - y;
        const std::wstring* texts[3] = {&HeaderLeft, &HeaderCenter, &HeaderRight};
        for (int align = 0; align < 3; ++align) {
            const std::wstring text = ExpandPageText(engine, *texts[align]);
            engine->TextAlignment = align;
            if (!text.empty())
                engine->DrawTextBox(text.c_str(), x, y, width, height, 0, 1, 0, 0);
        }
        engine->SetPen(HeaderTopLine, kBlack);
        engine->DrawLine(0, 0, PrintableWidth, 0);
        engine->SetPen(HeaderBottomLine, kBlack);
        engine->DrawLine(0, ruleY, PrintableWidth, ruleY);
    }
    return 0;
}

int CRPrintBase::DrawFooters(CRKPrintEngine2* engine)
{
    if (!FooterShown)
        return 0;
    const int pages = engine->GetPageCount();
    for (int page = 1; page <= pages; ++page) {
        engine->CurrentPage = page;
        engine->SetFont(FooterFontSize, FooterBold, 0, kBlack, FooterItalic, false);
        const int ruleY = BodyBottom + FooterSpace;
        const int x = FooterIndent[0];
        const int y = ruleY + FooterTopLine + FooterIndent[1];
        const int width = PrintableWidth - FooterIndent[0] - FooterIndent[2];
        const int height = PrintableHeight - FooterBottomLine - FooterIndent[3] - y;
        const std::wstring* texts[3] = {&FooterLeft, &FooterCenter, &FooterRight};
        for (int align = 0; align < 3; ++align) {
            const std::wstring text = ExpandPageText(engine, *texts[align]);
            engine->TextAlignment = align;
            if (!text.empty())
                engine->DrawTextBox(text.c_str(), x, y, width, height, 0, 1, 0, 0);
        }
        engine->SetPen(FooterTopLine, kBlack);
        engine->DrawLine(0, ruleY, PrintableWidth, ruleY);
        engine->SetPen(FooterBottomLine, kBlack);
        engine->DrawLine(0, PrintableHeight, PrintableWidth, PrintableHeight);
    }
    return 0;
}

std::wstring CRPrintBase::ExpandPageText(CRKPrintEngine2* engine, const std::wstring& text) const
{
    return ExpandPlaceholders(text, engine->CurrentPage, engine->GetPageCount());
}

int CRPrintBase::LineHeight(CRKPrintEngine2* engine, int fontSize, bool bold)
{
    if (fontSize != 0)
        engine->FontSize = static_cast<short>(fontSize);
    engine->FontBold = bold ? 1 : 0;
    return Measured(engine, kMeasureText, false);
}

int CRPrintBase::AddPeriodCaption(std::vector<std::wstring>& labels, std::vector<std::wstring>& values, TDate start,
                                  TDate end, int startMinute, int endMinute)
{
    labels.push_back(fw::LoadResString(IDS_CAPTION_PERIOD));
    values.push_back(FormatPeriodText(start, end, startMinute, endMinute));
    return 1;
}

int CRPrintBase::AddFilterCaption(std::vector<std::wstring>& labels, std::vector<std::wstring>& values,
                                  bool showAlways)
{
    if (!GetReportFilter() && !showAlways)
        return 0;
    labels.push_back(fw::LoadResString(IDS_CAPTION_FILTER));
    values.push_back(GetReportFilterName());
    return 1;
}

int CRPrintBase::CaptionHeight(CRKPrintEngine2* engine, int lines) const
{
    engine->SetFont(FontSizeStandard, true, 3, kBlack, false, false);
    const int line = Measured(engine, L"", false);
    return lines * line + CaptionDistanceTop + CaptionDistanceBottom;
}

void CRPrintBase::DrawCaptions(int fontSize, CRKPrintEngine2* engine, int firstPage, int lastPage,
                               const std::vector<std::wstring>& labels, const std::vector<std::wstring>& values,
                               bool continued, bool aligned) const
{
    engine->SetFont(fontSize, true, 3, kBlack, false, false);
    const int line = Measured(engine, L"", false);
    int widest = 0;
    for (const std::wstring& label : labels)
        widest = std::max(widest, Measured(engine, label, true));
    const std::wstring continuedText = fw::LoadResString(IDS_REPORT_CONTINUED);
    const size_t pairs = std::min(labels.size(), values.size());
    for (int page = firstPage; page <= lastPage; ++page) {
        engine->CurrentPage = page;
        int y = BodyTop + CaptionDistanceTop;
        for (size_t i = 0; i < pairs; ++i) {
            engine->FontBold = 0;
            engine->DrawText(labels[i].c_str(), 0, y);
            const int x = aligned ? widest : Measured(engine, labels[i], true);
            engine->FontBold = 1;
            std::wstring value = values[i];
            if (continued && page != firstPage && i == 0)
                value += continuedText;
            engine->DrawText(value.c_str(), x, y);
            // The stretch in whole-number arithmetic: 1.2 x 40 in binary floating point comes out
            // just below 48 and would be cut to 47.
            y += static_cast<int>(static_cast<long long>(CaptionLineStretch) * line / 100);
        }
    }
}

void CRPrintBase::DrawFootnote(const std::wstring& text, CRKPrintEngine2* engine) const
{
    int first = 0;
    int last = 0;
    if (engine->GetLastTablePages(&first, &last) == 0)
        return;
    const int line = LineHeight(engine, FootnoteFontSize, false);
    const int stretched = line * FootnoteStretch / 100;
    engine->SetFont(FootnoteFontSize, false, 3, kBlack, false, false);
    const int y = BodyBottom - stretched + (stretched - line) / 2;
    for (int page = first; page <= last; ++page) {
        engine->CurrentPage = page;
        engine->DrawText(text.c_str(), 0, y);
    }
}

int CRPrintBaseEx::GetCaptionLines(std::vector<std::wstring>&, std::vector<std::wstring>&)
{
    return 0;
}

int CRPrintBaseEx::CaptionHeight(CRKPrintEngine2* engine)
{
    std::vector<std::wstring> labels;
    std::vector<std::wstring> values;
    return CRPrintBase::CaptionHeight(engine, GetCaptionLines(labels, values));
}
