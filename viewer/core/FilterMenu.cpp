// The filter list of a menu.
#include "FilterMenu.h"

#include "CurrentFilter.h"
#include "ListedTasks.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "fw/PopupMenu.h"

#include <algorithm>
#include <vector>

namespace {

constexpr UINT kLastFilterId = IDM_FILTER_FIRST + 50;
constexpr int kMaxFilterItems = 51;
constexpr ULONG_PTR kOurSeparator = 0x51564653; // item data that marks the separator we added

bool IsListItem(HMENU menu, int index)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info))
        return false;
    if (info.fType & MFT_SEPARATOR)
        return info.dwItemData == kOurSeparator;
    return !info.hSubMenu && info.wID >= IDM_FILTER_FIRST && info.wID <= kLastFilterId;
}

// The list's position as remembered in the menu data (position + 1; 0 for none).
int RememberedPosition(HMENU menu)
{
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    if (!GetMenuInfo(menu, &info) || info.dwMenuData == 0)
        return -1;
    return static_cast<int>(info.dwMenuData) - 1;
}

void RememberPosition(HMENU menu, int position)
{
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = static_cast<ULONG_PTR>(position + 1);
    SetMenuInfo(menu, &info);
}

} // namespace

bool HasEmptyFilterList(HMENU menu)
{
    if (!menu || RememberedPosition(menu) < 0)
        return false;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (IsListItem(menu, i))
            return false;
    }
    return true;
}

int RebuildFilterMenu(HMENU menu, int placeholderIndex)
{
    if (!menu)
        return -1;
    int position = RememberedPosition(menu);
    // Every item of the old list goes, from the end so the positions before stay put.
    int firstRemoved = -1;
    for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
        if (IsListItem(menu, i)) {
            DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
            firstRemoved = i;
        }
    }
    if (placeholderIndex >= 0 && firstRemoved < 0)
        firstRemoved = placeholderIndex;
    if (position < 0)
        position = firstRemoved;
    if (position < 0)
        return -1;
    position = std::min(position, GetMenuItemCount(menu));
    RememberPosition(menu, position);

    std::vector<wqv2_data::CFilter*> filters;
    GetSortedFilters(filters);
    const int wanted = std::clamp(GetIntSetting(L"FilterMenuCountMax", 13), 0, kMaxFilterItems);
    const int n = std::min(wanted, static_cast<int>(filters.size()));
    wqv2_data::CFilter* current = GetValidCurrentFilter();
    for (int i = 0; i < n; ++i) {
        wqv2_data::CFilter* filter = filters[static_cast<size_t>(i)];
        std::wstring text = fw::PlainMenuText(filter->Name);
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
        item.fType = MFT_STRING;
        item.fState = MFS_ENABLED | (filter == current ? MFS_CHECKED : 0);
        item.wID = IDM_FILTER_FIRST + static_cast<UINT>(i);
        item.dwTypeData = text.data();
        InsertMenuItemW(menu, static_cast<UINT>(position + i), TRUE, &item);
    }
    if (n == 0)
        return position;
    MENUITEMINFOW separator{};
    separator.cbSize = sizeof(separator);
    separator.fMask = MIIM_FTYPE | MIIM_DATA;
    separator.fType = MFT_SEPARATOR;
    separator.dwItemData = kOurSeparator;
    InsertMenuItemW(menu, static_cast<UINT>(position + n), TRUE, &separator);
    return position + n + 1;
}
