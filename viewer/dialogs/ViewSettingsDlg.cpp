// The view-settings dialog and its module-wide page list.
#include "ViewSettingsDlg.h"

#include "PageMessages.h"
#include "PageTree.h"
#include "Plugins.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "WideCopy.h"

namespace {

std::vector<ViewSettingsPageRecord>& PageList()
{
    static std::vector<ViewSettingsPageRecord> pages;
    return pages;
}

// The open dialog, and whether it is starting: pages are taken only then.
HWND gOpenDialog = nullptr;
bool gStarting = false;

// A page window that the dialog does not take is destroyed when it sits on the dialog, so no
// orphan is left over the dialog's controls (its owner may destroy it too).
void DropPage(HWND page)
{
    if (gOpenDialog && IsWindow(page) && GetParent(page) == gOpenDialog)
        DestroyWindow(page);
}

constexpr const wchar_t* kCategoryKey = L"DlgViewSettingsSelectionCategory";
constexpr const wchar_t* kItemKey = L"DlgViewSettingsSelectionItem";
constexpr const wchar_t* kRememberKey = L"DlgViewSettingsSelectionRemember";

} // namespace

CViewSettingsDlg::CViewSettingsDlg() : CParentDialog(IDD_VIEW_SETTINGS, IDC_PAGE_AREA, IDC_NO_PAGE)
{
}

int QV2_CALL CViewSettingsDlg::AddPage(ViewSettingsPageRecord* record)
{
    try {
        if (!record || !record->Page)
            return 0;
        if (!gStarting) {
            DropPage(record->Page);
            return 0;
        }
        ViewSettingsPageRecord copy = *record;
        wstr::ForceTerminated(copy.Name);
        wstr::ForceTerminated(copy.Category);
        wstr::ForceTerminated(copy.Item);
        if (!copy.Category[0] || !copy.Item[0]) {
            DropPage(copy.Page);
            return 0;
        }
        if (IsNameExcluded(L"ExcludeViewSettingsDlg", copy.Name)) {
            DropPage(copy.Page);
            return 2;
        }
        PageList().push_back(copy);
        return 1;
    } catch (...) {
        // Called by plug-ins: nothing may unwind into them.
        return 0;
    }
}

const std::vector<ViewSettingsPageRecord>& CViewSettingsDlg::Pages()
{
    return PageList();
}

HWND CViewSettingsDlg::Tree() const
{
    return Item(IDC_VIEW_SETTINGS_TREE);
}

bool CViewSettingsDlg::OnInit()
{
    CParentDialog::OnInit();
    PageList().clear();
    {
        // Pages come only now; an add-page call kept for later is answered 0.
        struct CStarting {
            CStarting() { gStarting = true; }
            ~CStarting() { gStarting = false; }
        } starting;
        gOpenDialog = Hwnd();
        AddBuiltInViewSettingsPages(Hwnd());
        if (gPlugins)
            gPlugins->BroadcastOnSettingsDialogInit(Hwnd(), PageWidthDu(), PageHeightDu(), &CViewSettingsDlg::AddPage);
    }
    FillTree();
    SetFocus(Tree());
    return false;
}

void CViewSettingsDlg::FillTree()
{
    // A copy: pages are sent WM_PAGE_LOAD below, and one might add another page meanwhile.
    const std::vector<ViewSettingsPageRecord> pages = PageList();
    std::vector<PageTreeEntry> entries;
    for (const ViewSettingsPageRecord& page : pages)
        entries.push_back({page.Category, page.Item});
    const std::wstring rememberedCategory = GetSetting(kCategoryKey);
    const std::wstring rememberedItem = GetSetting(kItemKey);
    HTREEITEM chosen = nullptr;
    for (const PageTreeGroup& group : GroupPageEntries(entries)) {
        const std::wstring groupText = DisplayTitle(group.name);
        HTREEITEM groupItem = treeitem::Append(Tree(), TVI_ROOT, groupText, 0, true);
        for (size_t index : group.entries) {
            const ViewSettingsPageRecord& page = pages[index];
            const std::wstring itemText = DisplayTitle(page.Item);
            HTREEITEM item = treeitem::Append(Tree(), groupItem, itemText, reinterpret_cast<LPARAM>(page.Page), false);
            PlacePage(page.Page);
            if (!chosen || (groupText == rememberedCategory && itemText == rememberedItem))
                chosen = item;
        }
        TreeView_Expand(Tree(), groupItem, TVE_EXPAND);
    }
    if (chosen)
        TreeView_SelectItem(Tree(), chosen);
}

void CViewSettingsDlg::OnSelectionChanged()
{
    HTREEITEM item = TreeView_GetSelection(Tree());
    if (!item)
        return;
    ShowPage(reinterpret_cast<HWND>(treeitem::Data(Tree(), item)));
    if (GetBoolSetting(kRememberKey, true)) {
        SetSetting(kItemKey, treeitem::Text(Tree(), item));
        SetSetting(kCategoryKey, treeitem::Text(Tree(), TreeView_GetParent(Tree(), item)));
    }
}

void CViewSettingsDlg::SelectPage(HWND page)
{
    if (!page)
        return;
    for (HTREEITEM item = TreeView_GetRoot(Tree()); item; item = treeitem::NextPreOrder(Tree(), item)) {
        if (reinterpret_cast<HWND>(treeitem::Data(Tree(), item)) == page) {
            TreeView_SelectItem(Tree(), item);
            return;
        }
    }
}

void CViewSettingsDlg::OnOk()
{
    for (HTREEITEM item = TreeView_GetRoot(Tree()); item; item = treeitem::NextPreOrder(Tree(), item)) {
        if (HWND page = reinterpret_cast<HWND>(treeitem::Data(Tree(), item)); page && !pagemsg::Validate(page))
            return;
    }
    bool changed = false;
    for (HTREEITEM item = TreeView_GetRoot(Tree()); item; item = treeitem::NextPreOrder(Tree(), item)) {
        if (HWND page = reinterpret_cast<HWND>(treeitem::Data(Tree(), item)))
            changed |= pagemsg::Apply(page);
    }
    // Without a change the viewer has nothing to refresh.
    End(changed ? IDOK : IDCANCEL);
}

INT_PTR CViewSettingsDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header && header->idFrom == IDC_VIEW_SETTINGS_TREE && (header->code == TVN_SELCHANGEDW || header->code == TVN_SELCHANGEDA)) {
            OnSelectionChanged();
            return Answer(0);
        }
        break;
    }
    case WM_DESTROY:
        DestroyPages();
        return FALSE;
    }
    return CParentDialog::HandleMessage(msg, wp, lp);
}

void CViewSettingsDlg::DestroyPages()
{
    gOpenDialog = nullptr;
    ForgetCurrentPage();
    const std::vector<ViewSettingsPageRecord> pages = std::move(PageList());
    PageList().clear();
    for (const ViewSettingsPageRecord& page : pages) {
        if (IsWindow(page.Page))
            DestroyWindow(page.Page);
    }
}
