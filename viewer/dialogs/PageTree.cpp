// Grouping of tree pages and tree-item helpers.
#include "PageTree.h"

#include "ViewerUtil.h"

#include <algorithm>
#include <cwchar>

std::vector<PageTreeGroup> GroupPageEntries(const std::vector<PageTreeEntry>& entries)
{
    std::vector<PageTreeGroup> groups;
    for (size_t i = 0; i < entries.size(); ++i) {
        auto found = std::find_if(groups.begin(), groups.end(),
                                  [&](const PageTreeGroup& group) { return group.name == entries[i].group; });
        if (found == groups.end()) {
            groups.push_back({entries[i].group, {}});
            found = groups.end() - 1;
        }
        found->entries.push_back(i);
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const PageTreeGroup& a, const PageTreeGroup& b) { return CompareSortNames(a.name, b.name); });
    for (PageTreeGroup& group : groups) {
        std::stable_sort(group.entries.begin(), group.entries.end(),
                         [&](size_t a, size_t b) { return CompareSortNames(entries[a].title, entries[b].title); });
    }
    return groups;
}

namespace treeitem {

HTREEITEM Append(HWND tree, HTREEITEM parent, const std::wstring& text, LPARAM data, bool hasChildren)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.lParam = data;
    insert.item.cChildren = hasChildren ? 1 : 0;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::wstring Text(HWND tree, HTREEITEM item)
{
    if (!item)
        return {};
    // A tree item tells no text length: grow the buffer until the text fits with room to spare.
    for (size_t size = 256;; size *= 4) {
        std::wstring text(size, L'\0');
        TVITEMW query{};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = text.data();
        query.cchTextMax = static_cast<int>(size);
        if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)))
            return {};
        const size_t length = wcsnlen(text.c_str(), size);
        if (length + 1 < size || size >= 65536) {
            text.resize(length);
            return text;
        }
    }
}

LPARAM Data(HWND tree, HTREEITEM item)
{
    if (!item)
        return 0;
    TVITEMW query{};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)))
        return 0;
    return query.lParam;
}

HTREEITEM NextPreOrder(HWND tree, HTREEITEM item)
{
    if (HTREEITEM child = TreeView_GetChild(tree, item))
        return child;
    for (HTREEITEM at = item; at; at = TreeView_GetParent(tree, at)) {
        if (HTREEITEM next = TreeView_GetNextSibling(tree, at))
            return next;
    }
    return nullptr;
}

} // namespace treeitem
