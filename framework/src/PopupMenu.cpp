// Popup menus through a replaceable sink.
#include "fw/PopupMenu.h"

namespace fw {

namespace {

class CSystemPopupSink : public IPopupMenuSink {
public:
    UINT Track(HMENU menu, UINT flags, POINT at, HWND owner) override
    {
        // The owner must be in the foreground, or the menu stays open after a click elsewhere.
        SetForegroundWindow(owner);
        const BOOL result = TrackPopupMenu(menu, flags, at.x, at.y, 0, owner, nullptr);
        return static_cast<UINT>(result);
    }
};

CSystemPopupSink gSystemSink;
IPopupMenuSink* gSink = &gSystemSink;

} // namespace

std::wstring PlainMenuText(const wchar_t* text)
{
    std::wstring shown;
    for (const wchar_t* c = text ? text : L""; *c; ++c) {
        shown += *c < L' ' || *c == L'\x7F' ? L' ' : *c;
        if (*c == L'&')
            shown += L'&';
    }
    return shown;
}

IPopupMenuSink* SetPopupMenuSink(IPopupMenuSink* sink)
{
    IPopupMenuSink* previous = gSink;
    gSink = sink ? sink : &gSystemSink;
    return previous == &gSystemSink ? nullptr : previous;
}

UINT TrackPopup(HMENU menu, UINT flags, POINT at, HWND owner)
{
    return gSink->Track(menu, flags, at, owner);
}

std::wstring MenuItemText(HMENU menu, int index)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info) || info.cch == 0)
        return {};
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info))
        return {};
    text.resize(info.cch);
    return text;
}

bool IsMenuSeparator(HMENU menu, int index)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    return GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info) && (info.fType & MFT_SEPARATOR);
}

void RemoveStraySeparators(HMENU menu)
{
    bool afterSeparator = true; // nothing above the first item to separate from
    for (int i = 0; i < GetMenuItemCount(menu);) {
        const bool separator = IsMenuSeparator(menu, i);
        if (separator && afterSeparator) {
            DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
            continue;
        }
        afterSeparator = separator;
        ++i;
    }
    const int last = GetMenuItemCount(menu) - 1;
    if (last >= 0 && IsMenuSeparator(menu, last))
        DeleteMenu(menu, static_cast<UINT>(last), MF_BYPOSITION);
}

} // namespace fw
