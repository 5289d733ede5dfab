#pragma once
// CRListTasksDefaultDlg: the option page of the task list report: title, orientation, period,
// and the column and sum switches as check items. One static instance serves every showing (see
// CBaseDlg).

#include "pages/ListOptionsDlg.h"

class CRListTasksDefaultDlg : public CListOptionsDlg {
public:
    CRListTasksDefaultDlg();

protected:
    void AddOptions(int kind) override;
};
