#pragma once
// Display strings of the controls: the library's own string table, overridden per id by the
// resource module handed to rkcc2_setappreshandle (or the program's module when none was set).

#include <windows.h>

#include <string>

namespace rkcc {

// The string `id` of a module, cut to 1023 characters; "" when the module lacks it.
std::wstring LoadModuleString(HINSTANCE module, UINT id);

// The text of `id`: the override module's non-empty string when it has one, else `fallback`.
std::wstring OverriddenString(HINSTANCE overrideModule, UINT id, const std::wstring& fallback);

// The text shown for `id` (5001 to 5010): own table, then the configured override.
std::wstring DisplayString(UINT id);

} // namespace rkcc
