// Resource module switch and string loading.
#include "fw/Resources.h"

namespace fw {

namespace {
HINSTANCE gResourceModule = nullptr;
}

void SetResourceModule(HINSTANCE module)
{
    gResourceModule = module;
}

HINSTANCE ResourceModule()
{
    return gResourceModule ? gResourceModule : GetModuleHandleW(nullptr);
}

std::wstring LoadResString(UINT id, HINSTANCE module)
{
    // With a zero buffer size LoadStringW hands back a read-only pointer into the resource and
    // the text's length, so no buffer size has to be guessed.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return {};
    return std::wstring(text, static_cast<size_t>(length));
}

std::wstring LoadResString(UINT id)
{
    return LoadResString(id, ResourceModule());
}

} // namespace fw
