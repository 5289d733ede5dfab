// Recursive, depth-first file search.
#include "FileSearch.h"

#include "ViewerUtil.h"

#include <windows.h>

size_t SearchFiles(const std::wstring& folder, const std::wstring& extension, bool recursive,
                   std::vector<std::wstring>& out)
{
    if (folder.empty())
        return out.size();
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW(JoinPath(folder, L"*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return out.size();
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring path = JoinPath(folder, name);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (recursive && !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                SearchFiles(path, extension, recursive, out);
            continue;
        }
        const std::wstring ext = GetPathExtension(name);
        if (extension.empty() ||
            CompareStringOrdinal(ext.c_str(), static_cast<int>(ext.size()), extension.c_str(),
                                 static_cast<int>(extension.size()), TRUE) == CSTR_EQUAL)
            out.push_back(path);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return out.size();
}
