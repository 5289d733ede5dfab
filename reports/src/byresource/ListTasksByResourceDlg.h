#pragma once
// CRListTasksByResourceDlg: the option page of the tasks-by-resource report: title, orientation,
// period, and the columns, sums and resource options as check items. One static instance serves
// every showing (see CBaseDlg).

#include "pages/ListOptionsDlg.h"

class CRListTasksByResourceDlg : public CListOptionsDlg {
public:
    // The page's own options, after those of every task list, in the order of their settings keys.
    enum OwnOption : size_t {
        kSumResource = kTaskOptionCount,
        kResourcesSingle,
        kResourcesSkipEmpty,
    };

    CRListTasksByResourceDlg();

protected:
    void AddOptions(int kind) override;
};
