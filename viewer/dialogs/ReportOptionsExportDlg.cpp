// The export page of the report options.
#include "ReportOptionsExportDlg.h"

#include "QV2ResVIds.h"
#include "Settings.h"
#include "fw/Resources.h"

namespace {

constexpr int kWesternCodePage = 1252; // the one code page this page offers

} // namespace

CReportOptionsExportDlg::CReportOptionsExportDlg() : CSettingsPage(IDD_PAGE_EXPORT)
{
}

bool CReportOptionsExportDlg::OnInit()
{
    HWND encoding = Item(IDC_EXPORT_ENCODING);
    for (UINT id : {IDS_EXPORT_ENCODING_UNICODE, IDS_EXPORT_ENCODING_CODEPAGE})
        SendMessageW(encoding, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fw::LoadResString(id).c_str()));
    return true;
}

void CReportOptionsExportDlg::Exchange(bool save)
{
    HWND encoding = Item(IDC_EXPORT_ENCODING);
    if (save) {
        const LRESULT index = SendMessageW(encoding, CB_GETCURSEL, 0, 0);
        if (index == 0 || index == 1)
            encodingIndex = static_cast<int>(index);
        replaceLineBreaks = IsChecked(IDC_EXPORT_REPLACE);
        replacement = ItemText(IDC_EXPORT_REPLACEMENT);
    } else {
        SendMessageW(encoding, CB_SETCURSEL, static_cast<WPARAM>(encodingIndex), 0);
        SetChecked(IDC_EXPORT_REPLACE, replaceLineBreaks);
        SetWindowTextW(Item(IDC_EXPORT_REPLACEMENT), replacement.c_str());
    }
}

void CReportOptionsExportDlg::Load()
{
    unicode = GetBoolSetting(L"ReportsExportEncodingUnicode", true);
    codePage = GetIntSetting(L"ReportsExportEncodingCodepage", kWesternCodePage);
    // Another code page can only be set outside this page; the page then leaves both alone.
    Enable(IDC_EXPORT_ENCODING, unicode || codePage == kWesternCodePage);
    encodingIndex = unicode ? 0 : 1;
    replaceLineBreaks = GetBoolSetting(L"ReportsExportNewlineReplace", true);
    replacement = L" ";
    if (GetBoolSetting(L"ReportsExportNewlineReplacementEmpty", false))
        replacement.clear();
    else if (std::wstring text = GetSetting(L"ReportsExportNewlineReplacement"); !text.empty())
        replacement = std::move(text);
    Exchange(false);
    Exchange(true);
    Enable(IDC_EXPORT_REPLACEMENT, replaceLineBreaks);
}

void CReportOptionsExportDlg::Apply()
{
    Exchange(true);
    if (IsWindowEnabled(Item(IDC_EXPORT_ENCODING))) {
        unicode = encodingIndex == 0;
        SetBoolSetting(L"ReportsExportEncodingUnicode", unicode);
        // With Unicode chosen the stored code page stays as it is.
        if (!unicode) {
            codePage = kWesternCodePage;
            SetIntSetting(L"ReportsExportEncodingCodepage", codePage);
        }
    }
    SetBoolSetting(L"ReportsExportNewlineReplace", replaceLineBreaks);
    SetBoolSetting(L"ReportsExportNewlineReplacementEmpty", replacement.empty());
    SetSetting(L"ReportsExportNewlineReplacement", replacement);
}

bool CReportOptionsExportDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_EXPORT_REPLACE && code == BN_CLICKED) {
        Exchange(true);
        Enable(IDC_EXPORT_REPLACEMENT, replaceLineBreaks);
        return true;
    }
    return CSettingsPage::OnCommand(id, code, control);
}
