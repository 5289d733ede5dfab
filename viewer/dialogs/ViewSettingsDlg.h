#pragma once
// CViewSettingsDlg: the view-settings dialog (modal, on the caller's stack). Its pages come
// first from the viewer's built-in pages, then from plug-ins through the add-page callback
// handed out in QV2Plugin_OnSettingsDialogInit; they stand in a tree grouped by category. At
// most one view-settings dialog exists at a time, so the pages live in one module-wide list,
// emptied when the dialog opens and when it goes. The selection is remembered by its texts.

#include "ParentDialog.h"
#include "QV2PluginInterface.h"

#include <vector>

class CViewSettingsDlg : public CParentDialog {
public:
    CViewSettingsDlg();

    // The add-page callback, taking pages only while the dialog starts (0 at any other time):
    // 0 for a null record, a null page or an empty category or item (nothing kept); 2 when
    // "ExcludeViewSettingsDlg" lists the name (nothing kept); else the record is copied and the
    // answer is 1. A page not kept is destroyed when it is a child of the dialog; its caller may
    // destroy it too.
    static int QV2_CALL AddPage(ViewSettingsPageRecord* record);
    // The pages added since the dialog opened, in the order they came.
    static const std::vector<ViewSettingsPageRecord>& Pages();

protected:
    bool OnInit() override;
    void OnOk() override;
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnSelectionChanged() override;
    void SelectPage(HWND page) override;

private:
    HWND Tree() const;
    void FillTree();
    void DestroyPages();
};

// The viewer's own view-settings pages: each is created as a child of `dialog` and handed to
// CViewSettingsDlg::AddPage (a page not kept is destroyed at once).
void AddBuiltInViewSettingsPages(HWND dialog);
