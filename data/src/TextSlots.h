#pragma once
// Owned texts and number arrays behind the public members of the data items (Name, Note, range
// lists). A slot is the public pointer member itself; the item frees it in its destructor.

// Replaces the text in `slot` by a copy of `text` (null counts as "") and returns the copy.
// The old text is freed only after the copy exists, so a text may be set from itself.
const wchar_t* SetString(const wchar_t* text, const wchar_t*& slot);
void FreeString(const wchar_t*& slot);
// Replaces the array in `slot` by a copy of `count` values; a count below 1 or null values
// store null.
void SetIntArray(int count, int*& slot, const int* values);
void FreeIntArray(int*& slot);

inline const wchar_t* TextOrEmpty(const wchar_t* text) { return text ? text : L""; }

// Case-insensitive comparison, character by character (the task order's tie-break).
int CompareNoCase(const wchar_t* a, const wchar_t* b);
