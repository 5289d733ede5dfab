#pragma once
// CRListTasksByResourceDlg: the option page of the tasks-by-resource report: title, orientation,
// period, and the columns, sums and resource options as check items. One static instance serves
// every showing (see CBaseDlg).

#include "pages/ListOptionsDlg.h"

class CRListTasksByResourceDlg : public CListOptionsDlg {
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
        kSumResource,
        kResourcesSingle,
        kResourcesSkipEmpty,
    };

    CRListTasksByResourceDlg();

protected:
    void SetDefaults() override;
    void AddOptions(int kind) override;
};
