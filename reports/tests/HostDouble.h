#pragma once
// A stand-in for the viewer as the report plug-in sees it: the test program itself exports the
// host functions QV2A_* (all the plug-in binds, never QV2A_OnFilterChanged), with a settings
// store in memory and a record of what the plug-in asked for.

#include "QV2PluginInterface.h"

#include <functional>
#include <string>
#include <vector>

namespace host {

// Settings: keys compare without regard to case, as in the viewer.
void SetSetting(const std::wstring& key, const std::wstring& value);
std::wstring GetSetting(const std::wstring& key);
bool HasSetting(const std::wstring& key);
void ClearSettings();

// QV2A_LoadSetting and QV2A_SaveSetting calls as "section|key|file", in order.
std::vector<std::wstring>& SettingFileCalls();
// Copies of the records given to QV2A_Register with "RegisterReport", in order.
std::vector<ReportRegistration>& Reports();

// The answer of QV2A_Command("SendMessageToMainWnd") to a message; unset: 0 (no view).
void SetMainWindowHandler(std::function<LRESULT(const SendMessageArgs&)> handler);

// Everything back to empty.
void Reset();

} // namespace host
