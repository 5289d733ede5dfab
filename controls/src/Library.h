#pragma once
// The library's process-wide configuration (set by the exports, read by controls created later)
// and the registration of its window classes.

#include <windows.h>

#include <cstdint>
#include <string>

namespace rkcc {

struct LibrarySettings {
    HINSTANCE resourceModule = nullptr; // display strings 5001..5010; null: the program's module
    uint32_t stdMinDate = 2305814;      // minimum of new date edits (1 January 1601); 0 = none
    std::wstring dateFormat;            // picture of date edits; empty: locale short date
    std::wstring timeFormat;            // picture of time edits; empty: locale, no seconds
    unsigned char showWeekNumbers = 1;  // drop-down calendars of date edits
};

// One set per process; not persisted. Tests put it back with ResetLibrarySettings.
LibrarySettings& Settings();
void ResetLibrarySettings();

// Registers the 18 control classes in their fixed order (a class the module already has is left
// in place); a failed registration does not stop the others. True when all are registered.
bool RegisterControlClasses();
// Removes every class the library registered (registered controls and inner windows); the system
// would otherwise keep classes whose window procedure is gone with the unloaded library.
void UnregisterControlClasses();

} // namespace rkcc
