#pragma once
// The state of one command while menus and tool bars are refreshed: handlers of the frame or
// the application fill it in; an unhandled command keeps its item as it is.

#include <windows.h>

namespace fw {

struct CCommandState {
    UINT id = 0;
    bool handled = false; // someone set the state
    bool enabled = true;
    bool checked = false;

    // Set while a popup menu is refreshed: the menu and the item's position in it (null and -1
    // for a tool-bar button). A handler that inserts or deletes items sets `nextIndex` to the
    // position where the refresh goes on; the refresh continues after the item otherwise.
    HMENU menu = nullptr;
    int index = -1;
    int nextIndex = -1;

    void Enable(bool on) { handled = true; enabled = on; }
    void Check(bool on) { handled = true; checked = on; }
};

} // namespace fw
