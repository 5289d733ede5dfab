#pragma once
// The order of pages in a grouped tree (view-settings and reports dialogs), and small helpers
// over tree-view items. Group names and titles may begin with a sort key in brackets, which
// decides the order and is not shown.

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

struct PageTreeEntry {
    std::wstring group; // the tree group the page belongs to
    std::wstring title; // the page's own entry
};

struct PageTreeGroup {
    std::wstring name;           // as given: compare exactly, show GetSortNamePart(name, 1)
    std::vector<size_t> entries; // indexes into the entries given
};

// Groups the entries by their exact group name, the groups ordered by their sort names and each
// group's entries by the sort names of their titles (case ignored in the user's locale; the
// order of equal keys is the order given).
std::vector<PageTreeGroup> GroupPageEntries(const std::vector<PageTreeEntry>& entries);

namespace treeitem {

// Appends an item under `parent` (TVI_ROOT for a root item); null when the tree refuses.
HTREEITEM Append(HWND tree, HTREEITEM parent, const std::wstring& text, LPARAM data, bool hasChildren);
std::wstring Text(HWND tree, HTREEITEM item);
LPARAM Data(HWND tree, HTREEITEM item);
// The next item in pre-order (first child, else next sibling, else the next sibling of the
// nearest ancestor that has one); null after the last.
HTREEITEM NextPreOrder(HWND tree, HTREEITEM item);

} // namespace treeitem
