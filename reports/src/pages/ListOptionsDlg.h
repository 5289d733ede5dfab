#pragma once
// CListOptionsDlg: a period page whose report options are on/off settings shown as check items
// in groups of the options tree, as the task-list pages have them. The page keeps its options in
// the order of their settings keys; a concrete page names the keys with their defaults and
// builds the groups for the output kind. Loading reads the period and every option; applying
// writes the period (its last day + 1 with end time 0) and then every option in key order.

#include "pages/PeriodBaseDlg.h"

#include <string>
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
    // Adds the page's groups and check items for output kind 0 printer, 1 export, 2 HTML (-1
    // when the host does not tell).
    virtual void BuildOptionsTree(int kind) = 0;
    // A root item with the list image; it is expanded once the tree is built.
    HTREEITEM AddGroup(UINT textId);
    // A check item for option `index` under `group`, checked by the option's value.
    HTREEITEM AddOption(HTREEITEM group, UINT textId, size_t index);

    void InitOptionsImage() override;
    void FillOptions() override;
    void StoreControls() override;
    void LoadControls() override;
    void LoadOwnSettings() override;
    void ApplyOwnSettings() override;
    int OnPageLoad(WPARAM wp, LPARAM lp) override;
    int OnPageApply(WPARAM wp, LPARAM lp) override;

private:
    struct OptionState {
        OptionKey key;
        bool value;
        HTREEITEM item; // null while the option is not shown
    };

    std::wstring m_prefix;
    std::vector<OptionState> m_options;
    std::vector<HTREEITEM> m_groups;
    int m_listImage = -1; // bitmap 130 in the inner tree's image list
};
