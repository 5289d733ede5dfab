// The About box.
#include "AboutDlg.h"

#include "InfoDlg.h"
#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"

#include <shellapi.h>

CAboutDlg::CAboutDlg() : fw::CDialog(IDD_ABOUT)
{
}

std::wstring CAboutDlg::VersionText(const std::wstring& version)
{
    std::wstring text;
    for (wchar_t c : version) {
        if (c == L' ')
            continue;
        text += c == L',' ? L'.' : c;
    }
    return text;
}

bool CAboutDlg::OnInit()
{
    const std::wstring text = msgfmt::Format(fw::LoadResString(IDS_ABOUT_FORMAT), {productName, VersionText(version)});
    SetDlgItemTextW(Hwnd(), IDC_ABOUT_TEXT, text.c_str());
    SetDlgItemTextW(Hwnd(), IDC_ABOUT_SECOND_TEXT, fw::LoadResString(IDS_COPYRIGHT).c_str());
    if (!fw::LoadResString(IDS_PRODUCT_LINK).empty())
        ShowWindow(Item(IDC_ABOUT_LINK), SW_SHOW);
    return true;
}

bool CAboutDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_ABOUT_LINK) {
        const std::wstring link = fw::LoadResString(IDS_PRODUCT_LINK);
        if (!link.empty())
            ShellExecuteW(GetDesktopWindow(), L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return true;
    }
    if (id == IDC_ABOUT_INFO) {
        CInfoDlg info;
        info.RunModal(Hwnd());
        return true;
    }
    return fw::CDialog::OnCommand(id, code, control);
}
