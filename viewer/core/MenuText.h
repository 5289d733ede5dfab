#pragma once
// A user's name (a filter's, a task field's) as the text of a menu item.

#include <string>

// Every "&" doubled, so none underlines a letter, and every control character shown as a space:
// a tab would start the item's shortcut column, a backspace right-aligned text.
std::wstring NameAsMenuText(const wchar_t* name);
