#pragma once
// Tracking of popup menus, and small helpers for the items of a menu. Every popup goes through
// one replaceable sink, so tests look at the menu and choose an item instead of waiting for a user.

#include <windows.h>

#include <string>

namespace fw {

class IPopupMenuSink {
public:
    virtual ~IPopupMenuSink() = default;
    // Shows (or inspects) the menu as TrackPopupMenu would; with TPM_RETURNCMD the chosen
    // command (0 for none), otherwise nonzero when it was shown.
    virtual UINT Track(HMENU menu, UINT flags, POINT at, HWND owner) = 0;
};

// Replaces the sink; null restores the system's tracking. Returns the previous sink.
IPopupMenuSink* SetPopupMenuSink(IPopupMenuSink* sink);

UINT TrackPopup(HMENU menu, UINT flags, POINT at, HWND owner);

// A text shown in a menu as it is written (a user's name, a path): every "&" doubled, so none
// underlines a letter, and every control character as a space, since a tab would start the
// item's shortcut column and a backspace right-aligned text. Null gives an empty text.
std::wstring PlainMenuText(const wchar_t* text);

// The text of a menu item by position; empty for a separator or a missing item.
std::wstring MenuItemText(HMENU menu, int index);

// Whether the item at the position is a separator (false for a missing item).
bool IsMenuSeparator(HMENU menu, int index);

// Deletes the separators that no longer separate anything, as removed items leave them: at the
// start or end of the menu, or right after another separator.
void RemoveStraySeparators(HMENU menu);

} // namespace fw
