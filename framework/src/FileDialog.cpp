// The system's save-file dialog, and its replacement point.
#include "fw/FileDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <cwchar>

namespace fw {

namespace {

constexpr size_t kOfferedNameChars = 260;
// The dialog writes the chosen path into a buffer we give it; paths may exceed MAX_PATH.
constexpr size_t kPathBufferChars = 32768;

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

IFileDialogSink* gSink = nullptr;

} // namespace

IFileDialogSink* SetFileDialogSink(IFileDialogSink* sink)
{
    IFileDialogSink* previous = gSink;
    gSink = sink;
    return previous;
}

bool ChooseSaveFile(const SaveFileArgs& args, std::wstring& path)
{
    if (gSink)
        return gSink->ChooseSaveFile(args, path);
    std::wstring file(kPathBufferChars, L'\0');
    file.replace(0, std::min(args.fileName.size(), kOfferedNameChars), args.fileName, 0, kOfferedNameChars);
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
    if (!GetSaveFileNameW(&dialog))
        return false;
    file.resize(wcsnlen(file.c_str(), file.size()));
    path = std::move(file);
    return true;
}

} // namespace fw
