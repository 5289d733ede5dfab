// Schedule chart: option page.
#include "schedule/ScheduleStandardDlg.h"

#include "common/ReportSettings.h"
#include "plugin/QV2Api.h"

#include "QV2ResVReportIds.h"
#include "TDateTime.h"
#include "fw/Resources.h"

#include <cmath>

namespace {

constexpr int kPrinterGroup[] = {IDC_SCHEDULE_SCALE_LABEL,      IDC_SCHEDULE_SCALE_WIDTH,  IDC_SCHEDULE_WIDTH_UNIT,
                                 IDC_SCHEDULE_SCALE_HEIGHT,     IDC_SCHEDULE_HEIGHT_UNIT,  IDC_SCHEDULE_NAME_WIDTH_LABEL,
                                 IDC_SCHEDULE_NAME_WIDTH,       IDC_SCHEDULE_NAME_WIDTH_UNIT};
constexpr int kHtmlGroup[] = {IDC_SCHEDULE_HTML_NAME_WIDTH_LABEL, IDC_SCHEDULE_HTML_NAME_WIDTH,
                              IDC_SCHEDULE_HTML_NAME_WIDTH_UNIT};
constexpr int kPeriodRadios[] = {IDC_SCHEDULE_PERIOD_VIEW, IDC_SCHEDULE_PERIOD_CURRENT, IDC_SCHEDULE_PERIOD_FIXED};

bool LocaleIsMetric()
{
    wchar_t system[4] = {};
    // "0" metric, "1" U.S. units.
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, system, 4) == 0)
        return true;
    return system[0] == L'0';
}

// Rounded to thousandths, the precision the page shows and converts through.
double Thousandths(double value)
{
    return std::round(value * 1000.0) * 0.001;
}

} // namespace

CRScheduleStandardDlg::CRScheduleStandardDlg()
    : CPeriodBaseDlg(L"ReportsScheduleStandard", L"Start", L"End", IDD_REPORT_PAGE_SCHEDULE)
{
    BindSwitch(SkipEmpty, L"ResourcesSkipEmpty");
    BindSwitch(FullPage, L"PrinterFullPage");
    SetDefaults();
}

double CRScheduleStandardDlg::FromStored(int hundredths, bool metric)
{
    const double centimetres = hundredths * 0.01;
    return metric ? centimetres : Thousandths(centimetres / 2.54);
}

int CRScheduleStandardDlg::ToStored(double value, bool metric)
{
    const double centimetres = metric ? value : Thousandths(value * 2.54);
    // Rounded to the nearest: 4.1 cm is 409.999... hundredths in binary and must stay 410.
    const double hundredths = std::round(centimetres * 100.0);
    if (!(hundredths < 2147483647.0))
        return 2147483647;
    return hundredths > 0.0 ? static_cast<int>(hundredths) : 0;
}

void CRScheduleStandardDlg::SetDefaults()
{
    Title = fw::LoadResString(IDS_SCHEDULE_DEFAULT_TITLE);
    // Portrait, as the report itself answers without a setting.
    OrientationIndex = 0;
    PeriodKind = 1;
    const TDate today;
    PeriodStart = TDate::FromYMD(today.GetMonth(), today.GetYear(), 1);
    PeriodEnd = TDate::LastDayOfMonth(today.GetYear(), today.GetMonth());
    ScaleWidth = 100;
    ScaleHeight = 100;
    Metric = LocaleIsMetric();
    NameColumnWidth = FromStored(400, Metric);
    HtmlNameColumnWidth = 150;
    SkipEmpty = false;
    FullPage = false;
}

bool CRScheduleStandardDlg::OnInit()
{
    CPeriodBaseDlg::OnInit();
    m_scaleWidth.Attach(Item(IDC_SCHEDULE_SCALE_WIDTH));
    m_scaleHeight.Attach(Item(IDC_SCHEDULE_SCALE_HEIGHT));
    m_nameWidth.Attach(Item(IDC_SCHEDULE_NAME_WIDTH));
    m_htmlNameWidth.Attach(Item(IDC_SCHEDULE_HTML_NAME_WIDTH));

    const int scaleMin = GetIntSetting(L"ReportsPrinterScheduleScaleMin", 1);
    int scaleMax = GetIntSetting(L"ReportsPrinterScheduleScaleMax", 1000);
    if (scaleMax <= 0)
        scaleMax = 1;
    for (const CRK2LongEditCtrl* edit : {&m_scaleWidth, &m_scaleHeight}) {
        edit->SetRange(scaleMin, scaleMax);
        edit->SetStartValue(100);
    }
    Metric = LocaleIsMetric();
    m_nameWidth.SetRange(0.0, 1.7e308);
    m_nameWidth.SetStartValue(3.0);
    m_nameWidth.SetStep(0.5);
    SetWindowTextW(Item(IDC_SCHEDULE_NAME_WIDTH_UNIT),
                   fw::LoadResString(Metric ? IDS_SCHEDULE_UNIT_CM : IDS_SCHEDULE_UNIT_INCH).c_str());
    m_htmlNameWidth.SetRange(0, 2147483647);
    m_htmlNameWidth.SetStartValue(150);

    // The HTML group takes the printer group's place: only one of them shows.
    RECT printer{};
    RECT html{};
    GetWindowRect(Item(IDC_SCHEDULE_SCALE_LABEL), &printer);
    GetWindowRect(Item(IDC_SCHEDULE_HTML_NAME_WIDTH_LABEL), &html);
    const int shift = html.top - printer.top;
    for (int id : kHtmlGroup) {
        HWND control = Item(id);
        RECT place{};
        if (!control || !GetWindowRect(control, &place))
            continue;
        MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&place), 2);
        SetWindowPos(control, nullptr, place.left, place.top - shift, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

bool CRScheduleStandardDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (code == BN_CLICKED && (id == IDC_SCHEDULE_PERIOD_VIEW || id == IDC_SCHEDULE_PERIOD_CURRENT ||
                               id == IDC_SCHEDULE_PERIOD_FIXED)) {
        EnableWindow(Item(IDC_REPORT_PERIOD), IsDlgButtonChecked(Hwnd(), IDC_SCHEDULE_PERIOD_FIXED) == BST_CHECKED);
        return true;
    }
    return CPeriodBaseDlg::OnCommand(id, code, control);
}

INT_PTR CRScheduleStandardDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        m_scaleWidth.Detach();
        m_scaleHeight.Detach();
        m_nameWidth.Detach();
        m_htmlNameWidth.Detach();
    }
    return CPeriodBaseDlg::HandleMessage(msg, wp, lp);
}

void CRScheduleStandardDlg::AddOptions(int kind)
{
    if (kind == 0 || kind == 2) {
        HTREEITEM resources = AddOptionsGroup(IDS_OPTIONS_RESOURCES);
        AddCheckOption(resources, SkipEmpty, IDS_OPTIONS_SKIP_EMPTY);
    }
    if (kind == 0) {
        HTREEITEM further = AddOptionsGroup(IDS_OPTIONS_FURTHER);
        AddCheckOption(further, FullPage, IDS_OPTIONS_FILL_PAGES);
    }
    ShowGroups(kind);
}

void CRScheduleStandardDlg::ShowGroups(int outputKind)
{
    if (!Hwnd())
        return;
    EnableWindow(Item(IDC_REPORT_PERIOD), PeriodKind == 2);
    for (int id : kPrinterGroup)
        ShowWindow(Item(id), outputKind == 0 ? SW_SHOW : SW_HIDE);
    for (int id : kHtmlGroup)
        ShowWindow(Item(id), outputKind == 2 ? SW_SHOW : SW_HIDE);
    // Only when nothing has the focus: the host dialog's own controls keep theirs.
    if (!GetFocus())
        SetFocus(Item(kPeriodRadios[PeriodKind >= 0 && PeriodKind <= 2 ? PeriodKind : 1]));
}

void CRScheduleStandardDlg::StoreControls()
{
    CPeriodBaseDlg::StoreControls();
    if (!Hwnd())
        return;
    for (int kind = 0; kind < 3; ++kind) {
        if (IsDlgButtonChecked(Hwnd(), kPeriodRadios[kind]) == BST_CHECKED)
            PeriodKind = kind;
    }
    ScaleWidth = m_scaleWidth.GetValue(ScaleWidth);
    ScaleHeight = m_scaleHeight.GetValue(ScaleHeight);
    NameColumnWidth = m_nameWidth.GetValue(NameColumnWidth);
    HtmlNameColumnWidth = m_htmlNameWidth.GetValue(HtmlNameColumnWidth);
}

void CRScheduleStandardDlg::LoadControls()
{
    CPeriodBaseDlg::LoadControls();
    if (!Hwnd())
        return;
    for (int kind = 0; kind < 3; ++kind)
        CheckDlgButton(Hwnd(), kPeriodRadios[kind], kind == PeriodKind ? BST_CHECKED : BST_UNCHECKED);
    m_scaleWidth.SetValue(ScaleWidth);
    m_scaleHeight.SetValue(ScaleHeight);
    m_nameWidth.SetValue(NameColumnWidth);
    m_htmlNameWidth.SetValue(HtmlNameColumnWidth);
}

int CRScheduleStandardDlg::OnPageValidate(WPARAM, LPARAM)
{
    return 1;
}

void CRScheduleStandardDlg::LoadOwnSettings()
{
    PeriodKind = GetIntSetting(L"ReportsScheduleStandardPeriod", PeriodKind);
    // The fixed dates and the switches.
    CPeriodBaseDlg::LoadOwnSettings();
    ScaleWidth = GetIntSetting(L"ReportsScheduleStandardPrinterScaleWidth", ScaleWidth);
    ScaleHeight = GetIntSetting(L"ReportsScheduleStandardPrinterScaleHeight", ScaleHeight);
    NameColumnWidth = FromStored(GetIntSetting(L"ReportsScheduleStandardPrinterNameColumnWidth", 400), Metric);
    HtmlNameColumnWidth = GetIntSetting(L"ReportsScheduleStandardHtmlNameColumnWidth", HtmlNameColumnWidth);
}

void CRScheduleStandardDlg::ApplyOwnSettings()
{
    SetIntSetting(L"ReportsScheduleStandardPeriod", PeriodKind);
    ApplyPeriod();
    StoreCurrentViewPeriod();
    ApplySwitches();
    SetIntSetting(L"ReportsScheduleStandardPrinterScaleWidth", ScaleWidth);
    SetIntSetting(L"ReportsScheduleStandardPrinterScaleHeight", ScaleHeight);
    SetIntSetting(L"ReportsScheduleStandardPrinterNameColumnWidth", ToStored(NameColumnWidth, Metric));
    SetIntSetting(L"ReportsScheduleStandardHtmlNameColumnWidth", HtmlNameColumnWidth);
}

void CRScheduleStandardDlg::StoreCurrentViewPeriod()
{
    const TDate today;
    TDateTime from(today, 0, false);
    TDateTime to(today, 0, false);
    if (!gQV2API.Command)
        return;
    SendMessageArgs args{WM_MAINWND_VIEWPERIOD, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to)};
    // No board window answers 0: the period stored last stays.
    if (gQV2API.Command(L"SendMessageToMainWnd", &args) == 0)
        return;
    SetDateSetting(L"ReportsScheduleStandardCurrentViewDateStart", from.date);
    SetIntSetting(L"ReportsScheduleStandardCurrentViewTimeStart", from.time.minutes);
    SetDateSetting(L"ReportsScheduleStandardCurrentViewDateEnd", to.date);
    SetIntSetting(L"ReportsScheduleStandardCurrentViewTimeEnd", to.time.minutes);
}
