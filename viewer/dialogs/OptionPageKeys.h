#pragma once
// The settings keys of the built-in report option pages (export and printer) and of the grid
// columns page, loaded and saved key by key with the viewer's own profile keys.

#include <string>

void LoadExportOptionKeys(const std::wstring& iniFile);
void SaveExportOptionKeys(const std::wstring& iniFile);
void LoadPrinterOptionKeys(const std::wstring& iniFile);
void SavePrinterOptionKeys(const std::wstring& iniFile);
void LoadGridColumnKeys(const std::wstring& iniFile);
void SaveGridColumnKeys(const std::wstring& iniFile);
