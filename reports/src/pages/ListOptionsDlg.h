#pragma once
// CListOptionsDlg: a period page whose report options are on/off settings shown as check items
// in groups of the options tree, as the task-list pages have them. The page keeps its options in
// the order of their settings keys; a concrete page names the keys with their defaults and
// builds the groups for the output kind (AddOptions). Loading reads the period and every option; applying
// writes the period (its last day + 1 with end time 0) and then every option in key order.

#include "pages/PeriodBaseDlg.h"

#include <vector>

class CListOptionsDlg : public CPeriodBaseDlg {
public:
    struct OptionKey {
        const wchar_t* key;  // full settings key
        bool fallback;       // the page's default
    };

    // `prefix`: the report's settings prefix (DateStart, DateEnd and TimeEnd follow it).
    CListOptionsDlg(const wchar_t* prefix, std::vector<OptionKey> keys);

    // The value of option `index` (key order); false for an index out of range.
    bool Option(size_t index) const;
    void SetOption(size_t index, bool value);

    int EndTime = 0; // minutes; with 0 the stored exclusive end shows as the day before

protected:
    // The options back to their defaults; pages call it from SetDefaults.
    void ResetOptions();
    // A check item for option `index` under `group`, checked by the option's value.
    HTREEITEM AddOption(HTREEITEM group, UINT textId, size_t index);

    void LoadOwnSettings() override;
    void ApplyOwnSettings() override;

private:
    struct OptionState {
        OptionKey key;
        bool value;
    };

    // Filled once by the constructor: the check items hold pointers to the values.
    std::vector<OptionState> m_options;
};
