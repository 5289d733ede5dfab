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

    void Enable(bool on) { handled = true; enabled = on; }
    void Check(bool on) { handled = true; checked = on; }
};

} // namespace fw
