#pragma once
// Messages of the report outputs to the user. Each failure is reported once: by this box and by
// the result 1 of the output callback.

#include <string>

// String 10200 with the path, error icon, when the setting `ReportsErrorMessage` (default true)
// is set.
void ShowFileError(const std::wstring& path);
