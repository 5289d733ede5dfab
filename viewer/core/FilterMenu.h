#pragma once
// The list of filters in a menu (ids 800 and up in place of the placeholder item 800): rebuilt
// each time the menu opens, the current filter checked, a separator of ours after the list.
// The list's position is kept in the menu itself (its menu data), so a list that held no
// filter last time is still found.

#include <windows.h>

// Rebuilds the list: removes every item 800-850 and our separator, then inserts the first
// "FilterMenuCountMax" (0-51) filters by name at the list's position (`placeholderIndex`, the
// remembered one when -1) with the separator after them. Returns the position after the list
// (where a menu refresh goes on); -1 when the menu has no list.
int RebuildFilterMenu(HMENU menu, int placeholderIndex);
// The menu held a filter list, but none of its items is left.
bool HasEmptyFilterList(HMENU menu);
