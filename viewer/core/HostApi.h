#pragma once
// The host functions that the viewer program exports for its plug-ins (plain names, C calling
// convention). Plug-ins find them by name in the main module; the viewer's own code may call
// them directly. Every one checks its pointers and counts and answers its failure value (0, or
// null for QV2A_GetSetting) instead of failing.

#include "QV2PluginInterface.h"

#define QV2A_EXPORT extern "C" __declspec(dllexport)

QV2A_EXPORT wchar_t* QV2_CALL QV2A_GetSetting(const wchar_t* key, wchar_t* buffer, int16_t size);
QV2A_EXPORT int QV2_CALL QV2A_SetSetting(const wchar_t* key, const wchar_t* value);
QV2A_EXPORT int QV2_CALL QV2A_LoadSettings(const wchar_t* iniFile);
QV2A_EXPORT int QV2_CALL QV2A_SaveSettings(const wchar_t* iniFile, bool all);
QV2A_EXPORT int QV2_CALL QV2A_LoadSetting(const wchar_t* section, const wchar_t* key, const wchar_t* iniFile);
QV2A_EXPORT int QV2_CALL QV2A_SaveSetting(const wchar_t* section, const wchar_t* key, const wchar_t* iniFile);
QV2A_EXPORT int QV2_CALL QV2A_OnSettingsChanged(int kind);
QV2A_EXPORT int QV2_CALL QV2A_OnBeginReport(int output);
QV2A_EXPORT int QV2_CALL QV2A_OnEndReport();
QV2A_EXPORT int QV2_CALL QV2A_GetSelectedTasks(TaskOccurrence* out, int* count);
QV2A_EXPORT int QV2_CALL QV2A_SetSelectedTasks(const TaskOccurrence* entries, int count);
QV2A_EXPORT int QV2_CALL QV2A_MakeTaskVisible(int32_t a, int32_t b, bool flag);
QV2A_EXPORT int QV2_CALL QV2A_OnFileOpened(int how);
QV2A_EXPORT int QV2_CALL QV2A_GetCurrentFilter(wqv2_data::CFilter** out);
QV2A_EXPORT int QV2_CALL QV2A_OnFilterChanged(int value);
QV2A_EXPORT const wchar_t* QV2_CALL QV2A_OnTooltip(const wchar_t* text, INT_PTR a, INT_PTR b);
QV2A_EXPORT int QV2_CALL QV2A_RegisterCommand(CommandRegistration* record);
QV2A_EXPORT int QV2_CALL QV2A_Command(const wchar_t* name, void* argument);
QV2A_EXPORT int QV2_CALL QV2A_Register(const wchar_t* kind, void* record);
QV2A_EXPORT int QV2_CALL QV2A_OnBuildContextMenu(AddContextMenuItemFn add, int kind, int reserved);
