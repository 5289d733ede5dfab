#pragma once
// CFreezeDlg: how many resources stay frozen at the top of the board (modal). The viewer core's
// runner sets the count from the project settings and stores it after OK.

#include "RK2Controls.h"
#include "fw/Dialog.h"

class CFreezeDlg : public fw::CDialog {
public:
    CFreezeDlg();

    int count = 0; // 0 to `DlgFreezeResourcesMax`

protected:
    bool OnInit() override;
    void OnOk() override;

private:
    CRK2LongEditCtrl m_count;
};
