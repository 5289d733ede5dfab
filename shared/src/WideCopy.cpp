// Bounded UTF-16 copies.
#include "WideCopy.h"

#include <cwchar>

namespace wstr {

size_t CopyBounded(wchar_t* dst, size_t capacity, std::wstring_view src)
{
    if (!dst || capacity == 0)
        return 0;
    size_t n = src.size() < capacity - 1 ? src.size() : capacity - 1;
    // Do not leave half of a surrogate pair at the end of a cut text.
    if (n < src.size() && n > 0 && src[n - 1] >= 0xD800 && src[n - 1] <= 0xDBFF)
        --n;
    if (n)
        std::wmemmove(dst, src.data(), n);
    dst[n] = L'\0';
    return n;
}

size_t CopyBounded(wchar_t* dst, size_t capacity, const wchar_t* src)
{
    return CopyBounded(dst, capacity, src ? std::wstring_view(src) : std::wstring_view());
}

} // namespace wstr
