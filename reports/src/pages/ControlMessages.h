#pragma once
// The controls library's messages and records that the report pages send (options tree, date
// period, whole-number and decimal edits), from the library's public header, so a renumbered
// message cannot be missed here.

#include "RKComControls2.h"

// The inner tree control of an options tree is its child window with this id.
constexpr int kOptionsTreeInnerId = 100;
