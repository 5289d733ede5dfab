#pragma once
// CRFiltersDlg: the option page of the filters report: title and printer orientation only.

#include "pages/BaseDlg.h"

class CRFiltersDlg : public CBaseDlg {
public:
    CRFiltersDlg();

protected:
    void SetDefaults() override;
};
