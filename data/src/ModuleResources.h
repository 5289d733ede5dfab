#pragma once
// The data library's own module and what it carries: its string table and its version block.
// The module is found from the address of the library's own code, so the same code reads the
// right resources whether it runs inside QV2D.dll or is linked into a test program.

#include <string>

namespace module {

// The module holding this code (an HMODULE).
void* Own();
// The running program's module (for the version texts of the application).
void* Program();

// String `id` of the own string table; empty when missing.
std::wstring LoadText(unsigned int id);

// Text `key` ("ProductName", "ProductVersion") of a module's version block, looked up under its
// first language and code page; an empty key gives that pair as "%04hX%04hX". Empty when the
// module has no version block or no such text.
std::wstring VersionText(void* moduleHandle, const wchar_t* key);

} // namespace module
