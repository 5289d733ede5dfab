#pragma once
// Settings of the reports, read from and written to the host's settings store; the plug-in keeps
// no copy of its own. The typed readers give their default for an empty (or unknown) setting.

#include "TDate.h"

#include <cstdint>
#include <string>

// The setting's text, read through the host into a buffer of 4096 characters (longer values are
// cut); the empty text when the host answers nothing. The pointer stays valid until the next
// call: copy the text before reading another setting.
const wchar_t* GetSettingText(const wchar_t* key);
void SetSettingText(const wchar_t* key, const wchar_t* value);

// Where a typed writer stores its text; SetSettingText unless a caller passes its own.
using SettingSetter = void (*)(const wchar_t* key, const wchar_t* value);

// The decimal value; leading white space skipped, no digits give 0.
int GetIntSetting(const wchar_t* key, int fallback);
// false for "off", "false", "no", "n" (any case) and "0"; true for any other text.
bool GetBoolSetting(const wchar_t* key, bool fallback);
// A text that reads as no valid date gives today.
TDate GetDateSetting(const wchar_t* key, TDate fallback);
// A colour with red in the low byte: digits only give that decimal value; otherwise the first
// three runs of digits are red, green and blue (missing ones 0).
uint32_t GetColourSetting(const wchar_t* key, uint32_t fallback);
// `value` takes the setting's text when that is not empty.
void ReadTextSetting(const wchar_t* key, std::wstring& value);

void SetIntSetting(SettingSetter setter, const wchar_t* key, int value);
void SetBoolSetting(SettingSetter setter, const wchar_t* key, bool value);
// "yyyyMMdd".
void SetDateSetting(SettingSetter setter, const wchar_t* key, TDate date);

inline void SetIntSetting(const wchar_t* key, int value) { SetIntSetting(&SetSettingText, key, value); }
inline void SetBoolSetting(const wchar_t* key, bool value) { SetBoolSetting(&SetSettingText, key, value); }
inline void SetDateSetting(const wchar_t* key, TDate date) { SetDateSetting(&SetSettingText, key, date); }
