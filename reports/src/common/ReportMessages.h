#pragma once
// Messages of the report outputs to the user. Each failure is shown once: by this box, whose
// result kReportFailedShown keeps the host from adding its own, or else by the host.

#include <string>

// The text, error icon, when the setting `ReportsErrorMessage` (default true) is set.
// The output callback's result: kReportFailedShown when the box was shown, else 1.
int ShowReportError(const std::wstring& text);
// String 10200 with the path, as ShowReportError.
int ShowFileError(const std::wstring& path);
// A run that ran out of memory: string 933 (not enough memory), as ShowReportError, for the output
// file `path` or for print (null); 1 for an empty path (no output was begun).
int ShowOutOfMemory(const wchar_t* path);
