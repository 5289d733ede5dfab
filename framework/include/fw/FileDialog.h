#pragma once
// The save-file dialog. Every one goes through one replaceable sink, so tests look at what the
// dialog would offer and choose a file (or cancel) instead of waiting for a user.

#include <windows.h>

#include <commdlg.h>

#include <string>

namespace fw {

struct SaveFileArgs {
    HWND owner = nullptr;
    std::wstring fileName;         // initial file name, at most 260 characters are offered
    std::wstring defaultExtension; // as "*.txt": appended when the user types no extension
    std::wstring filter;           // description and pattern pairs separated by "|"
    std::wstring initialFolder;    // empty: the system's choice
    std::wstring title;            // empty: the system's title
    DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
};

class IFileDialogSink {
public:
    virtual ~IFileDialogSink() = default;
    // Shows (or answers) the dialog; true with the chosen full path, false when cancelled.
    virtual bool ChooseSaveFile(const SaveFileArgs& args, std::wstring& path) = 0;
};

// Replaces the sink; null restores the system's dialog. Returns the previous sink.
IFileDialogSink* SetFileDialogSink(IFileDialogSink* sink);

bool ChooseSaveFile(const SaveFileArgs& args, std::wstring& path);

} // namespace fw
