// The task context menu.
#include "ContextMenu.h"

#include "HostApi.h"
#include "MainApp.h"
#include "MainFrame.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "WideCopy.h"
#include "fw/PopupMenu.h"
#include "fw/Resources.h"
#include "wqv2_data.h"

#include <shellapi.h>

#include <cstdio>

namespace {

constexpr UINT kFirstHyperlinkId = 56000;
constexpr size_t kMaxHyperlinks = 100;

std::vector<ContextMenuItem>& ItemList()
{
    static std::vector<ContextMenuItem> items;
    return items;
}

// Flags a plug-in may give its item: states and separators. A popup flag would make the id a
// menu handle, a bitmap or owner-draw flag the text a pointer of another kind.
constexpr UINT kAllowedItemFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_MENUBREAK | MF_MENUBARBREAK;

HWND MainWindow()
{
    return gApp && gApp->Frame() ? gApp->Frame()->Hwnd() : nullptr;
}

} // namespace

int QV2_CALL CContextMenu::AddItemCallback(ContextMenuItem* item)
{
    try {
        if (!item || ItemList().size() >= kMaxPluginItems)
            return 0;
        ContextMenuItem copy = *item;
        wstr::ForceTerminated(copy.Text);
        ItemList().push_back(copy);
        return 1;
    } catch (...) {
        return 0; // called from plug-in code: nothing may escape
    }
}

const std::vector<ContextMenuItem>& CContextMenu::Items()
{
    return ItemList();
}

int CContextMenu::AppendPluginItems(UINT nextId, HMENU menu)
{
    ItemList().clear();
    if (m_build)
        m_build(&CContextMenu::AddItemCallback, m_kind, m_reserved);
    const std::vector<ContextMenuItem>& items = ItemList();
    for (size_t i = 0; i < items.size(); ++i)
        AppendMenuW(menu, MF_STRING | (items[i].Flags & kAllowedItemFlags), nextId + i, items[i].Text);
    return static_cast<int>(items.size());
}

UINT CContextMenu::Track(HMENU menu, HWND owner)
{
    const int pluginItems = AppendPluginItems(1, menu);
    while (fw::IsMenuSeparator(menu, 0))
        DeleteMenu(menu, 0, MF_BYPOSITION);
    if (GetMenuItemCount(menu) <= 0)
        return 0;
    POINT at{-1, -1};
    if (m_point)
        at = *m_point;
    if (at.x == -1 && at.y == -1)
        GetCursorPos(&at);
    const UINT chosen =
        fw::TrackPopup(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_NONOTIFY | TPM_RETURNCMD, at, owner);
    if (chosen == 0)
        return 0;
    if (chosen > static_cast<UINT>(pluginItems))
        return chosen;
    // A copy: the handler may build another menu, which empties the list.
    const ContextMenuItem item = ItemList()[chosen - 1];
    if (item.Handler)
        item.Handler(item.A, item.B);
    return 0;
}

std::vector<CHyperlinkEntry> CollectHyperlinks(wqv2_data::CTask* task)
{
    std::vector<CHyperlinkEntry> links;
    wqv2_data::CProjectSettings* settings = gData ? gData->ProjectSettings : nullptr;
    if (!task || !settings)
        return links;
    const int count = settings->GetUserFieldCount(wqv2_data::kUserFieldsTask);
    for (int i = 0; i < count; ++i) {
        const wchar_t* type = settings->GetUserFieldType(wqv2_data::kUserFieldsTask, i);
        const wchar_t* name = settings->GetUserFieldName(wqv2_data::kUserFieldsTask, i);
        if (!type || !name || std::wstring_view(type) != L"QV2UDFHyperlink")
            continue;
        const wchar_t* value = task->GetUserFieldValue(name);
        if (value && *value)
            links.push_back({name, value});
    }
    return links;
}

int ShowTaskContextMenu(const ShowMenuArgs* args)
{
    if (!args || (args->Kind != 0 && args->Kind != 3))
        return 0;
    HMENU loaded = LoadMenuW(fw::ResourceModule(), MAKEINTRESOURCEW(IDR_MENU_CONTEXT));
    HMENU menu = loaded ? GetSubMenu(loaded, 0) : nullptr;
    if (!menu) {
        if (loaded)
            DestroyMenu(loaded);
        return 0;
    }
    const bool empty = !gSelection || gSelection->empty();
    if (empty)
        EnableMenuItem(menu, IDM_EDIT_COPY, MF_BYCOMMAND | MF_GRAYED);
    std::vector<CHyperlinkEntry> links;
    if (gSelection && gSelection->size() == 1)
        links = CollectHyperlinks((*gSelection)[0].task);
    if (links.size() > kMaxHyperlinks)
        links.resize(kMaxHyperlinks);
    if (!links.empty()) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        for (size_t i = 0; i < links.size(); ++i)
            AppendMenuW(menu, MF_STRING, kFirstHyperlinkId + i, fw::PlainMenuText(links[i].name.c_str()).c_str());
    }
    CContextMenu context(args->Kind, &args->Point, 0, &QV2A_OnBuildContextMenu);
    const HWND frame = MainWindow();
    const UINT chosen = context.Track(menu, frame);
    DestroyMenu(loaded);
    if (chosen >= kFirstHyperlinkId && chosen < kFirstHyperlinkId + kMaxHyperlinks) {
        if (chosen - kFirstHyperlinkId < links.size())
            OpenHyperlink(links[chosen - kFirstHyperlinkId].value);
    } else if (chosen != 0 && frame) {
        SendMessageW(frame, WM_COMMAND, MAKEWPARAM(LOWORD(chosen), 0), 0);
    }
    return 1;
}

void OpenHyperlink(const std::wstring& link)
{
    if (link.empty())
        return;
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    const auto code = reinterpret_cast<INT_PTR>(result);
    if (code > 32)
        return;
    wchar_t text[32] = {};
    std::swprintf(text, 32, L"ShellExecute: %08X", static_cast<unsigned>(code));
    SetSetting(L"LastError", text);
}
