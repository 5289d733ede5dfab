// The freeze dialog.
#include "FreezeDlg.h"

#include "QV2ResVIds.h"
#include "Settings.h"

CFreezeDlg::CFreezeDlg() : fw::CDialog(IDD_FREEZE)
{
}

bool CFreezeDlg::OnInit()
{
    m_count.Attach(Hwnd(), IDC_FREEZE_COUNT);
    m_count.SetMin(0);
    const int most = GetIntSetting(L"DlgFreezeResourcesMax", 100);
    m_count.SetMax(most < 0 ? 0 : most);
    DdxLongEdit(Hwnd(), IDC_FREEZE_COUNT, count, false);
    return true;
}

void CFreezeDlg::OnOk()
{
    DdxLongEdit(Hwnd(), IDC_FREEZE_COUNT, count, true);
    End(IDOK);
}
