#pragma once
// Values of a module file's version block, for the program, the data library and the plug-ins.

#include <string>

// With a key: the value under the first language and code page of the file's translation table.
// With an empty key: that language and code page as eight hexadecimal digits ("%04hX%04hX").
// Empty when the file has no version block, no translation entry or no such value.
std::wstring GetVersionString(const std::wstring& modulePath, const std::wstring& key);

// The full path of a loaded module (the main program for null); empty when it cannot be had.
std::wstring GetModulePath(void* module);
