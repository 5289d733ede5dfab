// The About box.
#include "AboutDlg.h"

#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "fw/Resources.h"

CAboutDlg::CAboutDlg() : fw::CDialog(IDD_ABOUT)
{
}

bool CAboutDlg::OnInit()
{
    const std::wstring text = msgfmt::Format(fw::LoadResString(IDS_ABOUT_FORMAT), {productName, version});
    SetDlgItemTextW(Hwnd(), IDC_ABOUT_TEXT, text.c_str());
    return true;
}
