#pragma once
// The task context menu: menu 132 with the copy item, the hyperlinks of the one selected task
// (user fields of type "QV2UDFHyperlink") and the items that plug-ins add while it is built.

#include "QV2PluginInterface.h"

#include <string>
#include <vector>

// One menu build: asks the plug-ins for their items and tracks the popup.
class CContextMenu {
public:
    // At most this many plug-in items are taken per build.
    static constexpr size_t kMaxPluginItems = 1000;

    CContextMenu(int kind, const POINT* point, int reserved, QV2A_OnBuildContextMenuFn build)
        : m_kind(kind), m_point(point), m_reserved(reserved), m_build(build)
    {
    }

    // Empties the item list, lets every plug-in add items and appends them to the menu with
    // ids `nextId`, `nextId` + 1, ...; returns their number.
    int AppendPluginItems(UINT nextId, HMENU menu);
    // Appends the plug-in items (ids from 1), drops leading separators and tracks the menu at
    // the point (the cursor when missing or (-1, -1)). A plug-in item's handler runs here and
    // 0 is returned; any other chosen id is returned; 0 when nothing was chosen or the menu
    // was empty.
    UINT Track(HMENU menu, HWND owner);

    // The add-item callback handed to the plug-ins: keeps a copy of the item; 1 when kept.
    static int QV2_CALL AddItemCallback(ContextMenuItem* item);
    // The items collected by the last build.
    static const std::vector<ContextMenuItem>& Items();

private:
    int m_kind;
    const POINT* m_point; // not owned; may be null
    int m_reserved;
    QV2A_OnBuildContextMenuFn m_build;
};

// A task user field of type "QV2UDFHyperlink" with its value for one task.
struct CHyperlinkEntry {
    std::wstring name;
    std::wstring value;
};
// The hyperlink fields that the task holds a value for, in definition order.
std::vector<CHyperlinkEntry> CollectHyperlinks(wqv2_data::CTask* task);

// The host command "ShowMenu": 1 when the task context menu was built and tracked, else 0.
int ShowTaskContextMenu(const ShowMenuArgs* args);

// Opens a hyperlink with the shell's "open" verb; a failure goes to the setting "LastError".
void OpenHyperlink(const std::wstring& link);
