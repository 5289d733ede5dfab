#pragma once
// CRListTasksDefaultDlg: the option page of the task list report: title, orientation, period,
// and the column and sum switches as check items. One static instance serves every showing (see
// CBaseDlg).

#include "pages/ListOptionsDlg.h"

class CRListTasksDefaultDlg : public CListOptionsDlg {
public:
    // The options in the order of their settings keys.
    enum OptionIndex : size_t {
        kColumnsDuration,
        kColumnsWorkingTime,
        kColumnsCosts,
        kColumnsFormat,
        kColumnsUDF,
        kColumnsNotes,
        kLimitPeriod,
        kSumTotal,
    };

    CRListTasksDefaultDlg();

protected:
    void SetDefaults() override;
    void AddOptions(int kind) override;
};
