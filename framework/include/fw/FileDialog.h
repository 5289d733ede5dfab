#pragma once
// The open-file and save-file dialogs. Every one goes through one replaceable sink, so tests look
// at what the dialog would offer and choose a file (or cancel) instead of waiting for a user.
// What no dialog can start from is not offered: the dialog then opens in its own folder, or with
// no name. A dialog that the system cannot show (too little memory left, say) is reported to the
// user with resource string kFileDialogFailedMessageId and counts as cancelled.

#include <windows.h>

#include <commdlg.h>

#include <string>

namespace fw {

struct FileDialogArgs {
    HWND owner = nullptr;
    std::wstring fileName;         // initial file name; not offered when longer than MAX_PATH
                                   // or, with a folder in it, when its full path is
    std::wstring defaultExtension; // as "*.txt": appended when the user types no extension
    std::wstring filter;           // description and pattern pairs separated by "|"
    std::wstring initialFolder;    // not offered when empty, no existing folder or longer than
                                   // a path can be with a file name in it
    std::wstring title;            // empty: the system's title
    DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
};

// The message that a file dialog could not be shown, with one number: the dialog's error code.
constexpr UINT kFileDialogFailedMessageId = 916;

class IFileDialogSink {
public:
    virtual ~IFileDialogSink() = default;
    // Shows (or answers) the dialog with what it is offered; true with the chosen full path,
    // false when cancelled.
    virtual bool ChooseSaveFile(const FileDialogArgs& args, std::wstring& path) = 0;
    virtual bool ChooseOpenFile(const FileDialogArgs& args, std::wstring& path) = 0;
};

// Replaces the sink; null restores the system's dialogs. Returns the previous sink.
IFileDialogSink* SetFileDialogSink(IFileDialogSink* sink);

bool ChooseSaveFile(const FileDialogArgs& args, std::wstring& path);
bool ChooseOpenFile(const FileDialogArgs& args, std::wstring& path);

} // namespace fw
