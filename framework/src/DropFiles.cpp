// Dropped files.
#include "fw/DropFiles.h"

#include <shellapi.h>

namespace fw {

std::vector<std::wstring> TakeDroppedFiles(HDROP drop)
{
    std::vector<std::wstring> files;
    if (!drop)
        return files;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // The length first: dropped paths may be longer than MAX_PATH.
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1u, L'\0');
        const UINT got = DragQueryFileW(drop, i, path.data(), length + 1u);
        path.resize(got);
        files.push_back(std::move(path));
    }
    DragFinish(drop);
    return files;
}

} // namespace fw
