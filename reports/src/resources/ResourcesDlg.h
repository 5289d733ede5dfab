#pragma once
// CRResourcesDlg: the option page of the resources report: title, printer orientation and the
// optional columns as check items of a group in the options tree. The format and user-field
// columns exist in the export only, so their items are shown for the export only; hidden items
// keep the values loaded last.

#include "pages/BaseDlg.h"

class CRResourcesDlg : public CBaseDlg {
public:
    CRResourcesDlg();

    bool Calendar = false;
    bool Costs = false;
    bool Format = false;
    bool UDF = false;
    bool Notes = false;
    int ColumnsImage = -1;                 // bitmap 130 in the options tree's image list
    HTREEITEM ColumnsGroupItem = nullptr;  // null until the tree is built
    HTREEITEM CalendarItem = nullptr;      // each null while not shown
    HTREEITEM CostsItem = nullptr;
    HTREEITEM FormatItem = nullptr;
    HTREEITEM UDFItem = nullptr;
    HTREEITEM NotesItem = nullptr;

protected:
    void SetDefaults() override;
    void InitOptionsImage() override;
    void FillOptions() override;
    void StoreControls() override;
    void LoadControls() override;
    int OnPageLoad(WPARAM wp, LPARAM lp) override;
    int OnPageApply(WPARAM wp, LPARAM lp) override;
    // Never refuses, and leaves the members as they are until the page is applied.
    int OnPageValidate(WPARAM wp, LPARAM lp) override;
    void LoadOwnSettings() override;
    void ApplyOwnSettings() override;

private:
    void ClearColumnItems();
};
