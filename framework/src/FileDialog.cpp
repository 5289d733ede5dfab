// The system's open-file and save-file dialogs, and their replacement point.
#include "fw/FileDialog.h"

#include "fw/MessageBox.h"
#include "fw/Resources.h"
#include "SafeFormat.h"

#include <cderr.h>
#include <commdlg.h>

#include <atomic>
#include <cwchar>

namespace fw {

namespace {

// The dialog writes the chosen path into a buffer we give it; paths may exceed MAX_PATH.
constexpr size_t kPathBufferChars = 32768;
// The dialog works on its initial folder in buffers of MAX_PATH characters, with a backslash and
// a file pattern added to it there.
constexpr DWORD kMaxFolderChars = MAX_PATH - 3;

// "a|b|c|d||" becomes "a\0b\0c\0d\0\0", the form the system wants.
std::wstring SystemFilter(const std::wstring& filter)
{
    std::wstring text = filter;
    for (wchar_t& c : text) {
        if (c == L'|')
            c = L'\0';
    }
    text.append(2, L'\0');
    return text;
}

// The system takes the extension without "*" and ".", and only one of them.
std::wstring SystemExtension(const std::wstring& extension)
{
    size_t first = extension.find_first_not_of(L"*.");
    if (first == std::wstring::npos)
        return {};
    const size_t end = extension.find_first_of(L";", first);
    return extension.substr(first, end == std::wstring::npos ? std::wstring::npos : end - first);
}

// The length of the full path of `path`; more than MAX_PATH when it does not fit one.
DWORD FullPathLength(const std::wstring& path)
{
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    return length == 0 ? MAX_PATH + 1 : length;
}

// A folder setting may hold any text: only an existing folder that fits a path is offered.
std::wstring OfferedFolder(const std::wstring& folder)
{
    if (folder.empty() || folder.size() > kMaxFolderChars || FullPathLength(folder) > kMaxFolderChars)
        return {};
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {};
    return folder;
}

// A name with a folder in it makes the dialog start in that folder, worked on as the folder is.
std::wstring OfferedName(const std::wstring& name)
{
    if (name.size() > MAX_PATH)
        return {};
    if (name.find_first_of(L"\\/:") != std::wstring::npos && FullPathLength(name) >= MAX_PATH)
        return {};
    return name;
}

FileDialogArgs Offered(const FileDialogArgs& args)
{
    FileDialogArgs offered = args;
    offered.fileName = OfferedName(args.fileName);
    offered.initialFolder = OfferedFolder(args.initialFolder);
    return offered;
}

IFileDialogSink* gSink = nullptr;

// Windows activated while a watch is on, on any thread that has one: file dialogs open on the
// UI thread only. Not thread_local: this toolchain makes a thread's copy on its first use, from
// the heap, and ends the process when that fails, which is just when a dialog opens short of
// memory.
std::atomic<unsigned> gActivations{0};

LRESULT CALLBACK CountActivations(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_ACTIVATE)
        ++gActivations;
    return CallNextHookEx(nullptr, code, wp, lp);
}

// Whether a dialog came up at all. One that the system could not show (too little memory left)
// returns as a cancelled one does, and some systems give no error for it; but a user cancels
// only a dialog that was shown, and so activated.
class CShownWatch {
public:
    CShownWatch()
        : m_hook(SetWindowsHookExW(WH_CBT, &CountActivations, nullptr, GetCurrentThreadId())),
          m_before(gActivations)
    {
    }
    ~CShownWatch()
    {
        if (m_hook)
            UnhookWindowsHookEx(m_hook);
    }
    CShownWatch(const CShownWatch&) = delete;
    CShownWatch& operator=(const CShownWatch&) = delete;

    // Only where the watch could be set: without it nothing is known.
    bool NeverShown() const { return m_hook && gActivations == m_before; }

private:
    HHOOK m_hook;
    unsigned m_before;
};

bool RunSystemDialog(const FileDialogArgs& args, bool save, std::wstring& path)
{
    const CShownWatch watch;
    std::wstring file(kPathBufferChars, L'\0');
    file.replace(0, args.fileName.size(), args.fileName);
    const std::wstring filter = SystemFilter(args.filter);
    const std::wstring extension = SystemExtension(args.defaultExtension);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = args.owner;
    dialog.lpstrFilter = args.filter.empty() ? nullptr : filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = args.initialFolder.empty() ? nullptr : args.initialFolder.c_str();
    dialog.lpstrTitle = args.title.empty() ? nullptr : args.title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = args.flags | OFN_EXPLORER | OFN_PATHMUSTEXIST;
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) {
        DWORD error = CommDlgExtendedError();
        if (error == 0 && watch.NeverShown())
            error = CDERR_DIALOGFAILURE;
        // Not a cancel: the dialog failed, or could not be shown at all.
        if (error != 0)
            ShowMessage(args.owner, msgfmt::Format(LoadResString(kFileDialogFailedMessageId), {error}),
                        MB_OK | MB_ICONSTOP);
        return false;
    }
    file.resize(wcsnlen(file.c_str(), file.size()));
    path = std::move(file);
    return true;
}

} // namespace

IFileDialogSink* SetFileDialogSink(IFileDialogSink* sink)
{
    IFileDialogSink* previous = gSink;
    gSink = sink;
    return previous;
}

bool ChooseSaveFile(const FileDialogArgs& args, std::wstring& path)
{
    const FileDialogArgs offered = Offered(args);
    return gSink ? gSink->ChooseSaveFile(offered, path) : RunSystemDialog(offered, true, path);
}

bool ChooseOpenFile(const FileDialogArgs& args, std::wstring& path)
{
    const FileDialogArgs offered = Offered(args);
    return gSink ? gSink->ChooseOpenFile(offered, path) : RunSystemDialog(offered, false, path);
}

} // namespace fw
