#pragma once
// Locale texts of the locale the date module uses (the user's, unless a test pins another).

#include <string>

// The locale information text of `lctype`; empty when the call fails.
std::wstring GetLocaleText(unsigned long lctype);
// Locale comparison ignoring case: negative, 0 or positive as a sorts before, with or after b.
int CompareLocaleNoCase(const wchar_t* a, const wchar_t* b);
