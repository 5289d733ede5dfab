#pragma once
// The recursive file search that finds plug-ins and settings text files.

#include <string>
#include <vector>

// Appends the full paths of the files in `folder` whose extension (from the last dot, dot
// included) equals `extension` ignoring case (every file when `extension` is empty), in the
// file system's order; with `recursive`, each sub-folder is searched at once where it is met
// (depth first). Folders that are reparse points are not entered, so a link back to a parent
// cannot recurse forever. Returns the number of entries in `out`.
size_t SearchFiles(const std::wstring& folder, const std::wstring& extension, bool recursive,
                   std::vector<std::wstring>& out);
