#pragma once
// The time-scale presets: the table shared by the time bar dialog's scale combo and the scale
// menu of the main window (commands 750 to 775), and the menu's two handlers.

#include "fw/CommandState.h"

#include <windows.h>

#include <vector>

struct TimeScalePreset {
    int unit;    // 1 minutes, 2 hours, 3 days, 4 weeks, 5 months
    int count;   // units per step
    UINT textId; // menu and combo text
};

// The 16 presets in menu order, built afresh on every call.
std::vector<TimeScalePreset> GetTimeScalePresets();

// Menu update of the placeholder (command 750): the preset commands replace it at the end of
// the menu, the project's scale checked. Nothing without a menu or a data root.
void UpdateScaleMenu(fw::CCommandState& state);
// Commands 750 to 765 switch the project's scale to that preset in one committed transaction and
// scroll the board to the date it showed; 766 to 775 do nothing. Always 1 (handled).
int ApplyScaleCommand(UINT id);
