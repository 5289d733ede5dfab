// The printer page of the report options.
#include "ReportOptionsPrinterDlg.h"

#include "QV2ResVIds.h"
#include "QV2ResVReportIds.h"
#include "Settings.h"
#include "fw/Resources.h"

#include <climits>
#include <cmath>

namespace {

constexpr int kMarginIds[4] = {IDC_PRINTER_MARGIN_LEFT, IDC_PRINTER_MARGIN_TOP, IDC_PRINTER_MARGIN_RIGHT,
                               IDC_PRINTER_MARGIN_BOTTOM};
const wchar_t* const kMarginKeys[4] = {L"ReportsPrinterMarginsLeft", L"ReportsPrinterMarginsTop",
                                       L"ReportsPrinterMarginsRight", L"ReportsPrinterMarginsBottom"};
constexpr int kDefaultMargin = 150; // hundredths of a centimetre

// The whole part of value + 0.5, kept inside the int range (a margin is never negative).
int RoundHalfUp(double value)
{
    const double rounded = std::floor(value + 0.5);
    if (!(rounded >= 0.0))
        return 0;
    return rounded >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(rounded);
}

// Three decimals, rounded half up.
double Thousandths(double value)
{
    return RoundHalfUp(value * 1000.0) * 0.001;
}

bool LocaleIsMetric()
{
    wchar_t measure[4] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, measure, 4);
    return measure[0] == L'0';
}

} // namespace

CReportOptionsPrinterDlg::CReportOptionsPrinterDlg() : CSettingsPage(IDD_PAGE_PRINTER)
{
    fontName = fw::LoadResString(IDS_PRINT_FONT_FACE);
}

bool CReportOptionsPrinterDlg::OnInit()
{
    m_font.Attach(Hwnd(), IDC_PRINTER_FONT);
    m_font.Send(RKCC2M_FONTCOMBO_FILL, 0);
    DdxFontCombo(Hwnd(), IDC_PRINTER_FONT, fontName, false);
    metric = LocaleIsMetric();
    for (int i = 0; i < 4; ++i) {
        m_marginEdits[i].Attach(Hwnd(), kMarginIds[i]);
        m_marginEdits[i].SetMin(0.0);
        m_marginEdits[i].SetStep(0.1);
        m_marginEdits[i].SetStartValue(metric ? 1.0 : 0.4);
    }
    std::wstring caption = ItemText(IDC_PRINTER_MARGINS_GROUP);
    const std::wstring placeholder = fw::LoadResString(IDS_PAGE_UNIT_PLACEHOLDER);
    if (const size_t at = placeholder.empty() ? std::wstring::npos : caption.find(placeholder); at != std::wstring::npos) {
        caption.replace(at, placeholder.size(), fw::LoadResString(metric ? IDS_PAGE_UNIT_CM : IDS_PAGE_UNIT_INCH));
        SetWindowTextW(Item(IDC_PRINTER_MARGINS_GROUP), caption.c_str());
    }
    return true;
}

void CReportOptionsPrinterDlg::Exchange(bool save)
{
    DdxFontCombo(Hwnd(), IDC_PRINTER_FONT, fontName, save);
    if (save) {
        header = IsChecked(IDC_PRINTER_HEADER) ? 1 : 0;
        footer = IsChecked(IDC_PRINTER_FOOTER) ? 1 : 0;
        minimalMargins = IsChecked(IDC_PRINTER_MARGINS_MINIMAL) ? 1 : 0;
    } else {
        SetChecked(IDC_PRINTER_HEADER, header != 0);
        SetChecked(IDC_PRINTER_FOOTER, footer != 0);
        SetChecked(IDC_PRINTER_MARGINS_MINIMAL, minimalMargins != 0);
    }
    for (int i = 0; i < 4; ++i)
        DdxDoubleEdit(Hwnd(), kMarginIds[i], margins[i], save);
}

void CReportOptionsPrinterDlg::EnableMargins()
{
    for (int id : kMarginIds)
        Enable(id, minimalMargins == 0);
}

void CReportOptionsPrinterDlg::Load()
{
    fontName = fw::LoadResString(IDS_PRINT_FONT_FACE);
    if (std::wstring stored = GetSetting(L"ReportsPrinterFont"); !stored.empty())
        fontName = std::move(stored);
    header = GetIntSetting(L"ReportsPrinterHeader", 1);
    footer = GetIntSetting(L"ReportsPrinterFooter", 1);
    minimalMargins = GetBoolSetting(L"ReportsPrinterMarginsMinimal", false) ? 1 : 0;
    for (int i = 0; i < 4; ++i) {
        const double centimetres = GetIntSetting(kMarginKeys[i], kDefaultMargin) * 0.01;
        margins[i] = metric ? centimetres : Thousandths(centimetres / 2.54);
    }
    Exchange(false);
    Exchange(true);
    EnableMargins();
}

void CReportOptionsPrinterDlg::Apply()
{
    Exchange(true);
    SetSetting(L"ReportsPrinterFont", fontName);
    SetIntSetting(L"ReportsPrinterHeader", header);
    SetIntSetting(L"ReportsPrinterFooter", footer);
    SetIntSetting(L"ReportsPrinterMarginsMinimal", minimalMargins);
    // The members keep the unit shown, so applying twice stores the same margins.
    for (int i = 0; i < 4; ++i) {
        const double centimetres = metric ? margins[i] : Thousandths(margins[i] * 2.54);
        SetIntSetting(kMarginKeys[i], RoundHalfUp(centimetres * 100.0));
    }
}

bool CReportOptionsPrinterDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_PRINTER_MARGINS_MINIMAL && code == BN_CLICKED) {
        Exchange(true);
        EnableMargins();
        return true;
    }
    return CSettingsPage::OnCommand(id, code, control);
}
