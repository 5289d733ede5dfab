#pragma once
// CListOptionsDlg: the period page of the task lists, whose report options are on/off settings
// shown as check items in groups of the options tree. The page keeps its options in the order of
// their settings keys: first those both lists have, then the page's own. Loading reads the period
// and every option; applying writes the period (its last day + 1 with end time 0) and then every
// option in key order.

#include "pages/PeriodBaseDlg.h"

#include <vector>

class CListOptionsDlg : public CPeriodBaseDlg {
public:
    // The options both lists have, in key order; a page's own options follow from kTaskOptionCount.
    enum TaskOption : size_t {
        kColumnsDuration,
        kColumnsWorkingTime,
        kColumnsCosts,
        kColumnsFormat,
        kColumnsUDF,
        kColumnsNotes,
        kLimitPeriod,
        kSumTotal,
        kTaskOptionCount
    };

    struct OptionKey {
        const wchar_t* word; // the settings key after the prefix
        bool fallback;       // the page's default
    };

    // `prefix`: the report's settings prefix (DateStart, DateEnd, TimeEnd and the options follow
    // it); `titleId`: the default title; `ownKeys`: the page's own options.
    CListOptionsDlg(const wchar_t* prefix, UINT titleId, const std::vector<OptionKey>& ownKeys);

    // The value of option `index` (key order); false for an index out of range.
    bool Option(size_t index) const;
    void SetOption(size_t index, bool value);

    int EndTime = 0; // minutes; with 0 the stored exclusive end shows as the day before

protected:
    // The default title, landscape, the current year, every option its default.
    void SetDefaults() override;
    // A check item for option `index` under `group`, checked by the option's value.
    HTREEITEM AddOption(HTREEITEM group, UINT textId, size_t index);
    // The columns group: duration, working time, costs, the format and user fields (export
    // only), notes.
    HTREEITEM AddColumnsGroup(int kind);
    // The sums group with its first item, the limit to the period.
    HTREEITEM AddSumsGroup();

    void LoadOwnSettings() override;
    void ApplyOwnSettings() override;

private:
    struct OptionState {
        bool fallback;
        bool value;
    };

    UINT m_titleId;
    // Filled once by the constructor: the check items and the switches hold pointers to the values.
    std::vector<OptionState> m_options;
};
