// Display strings with their override by the host's resource module.
#include "DisplayStrings.h"

#include "Library.h"
#include "base/CtlWnd.h"

#include <algorithm>

namespace rkcc {

namespace {
constexpr size_t kLookupBuffer = 1024; // the lookups read into buffers of this many characters
}

std::wstring LoadModuleString(HINSTANCE module, UINT id)
{
    if (!module)
        return {};
    // With a zero buffer size LoadStringW hands out a read-only pointer into the resource, which
    // is not zero-terminated; its length is the result.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return {};
    return std::wstring(text, std::min(static_cast<size_t>(length), kLookupBuffer - 1));
}

std::wstring OverriddenString(HINSTANCE overrideModule, UINT id, const std::wstring& fallback)
{
    std::wstring text = LoadModuleString(overrideModule, id);
    return text.empty() ? fallback : text;
}

std::wstring DisplayString(UINT id)
{
    const HINSTANCE own = ControlsModule();
    HINSTANCE over = Settings().resourceModule;
    if (!over)
        over = GetModuleHandleW(nullptr);
    return OverriddenString(over, id, LoadModuleString(own, id));
}

} // namespace rkcc
