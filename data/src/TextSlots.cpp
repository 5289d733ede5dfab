// Owned texts and arrays of the data items.
#include "TextSlots.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

const wchar_t* SetString(const wchar_t* text, const wchar_t*& slot)
{
    text = TextOrEmpty(text);
    const size_t length = std::wcslen(text);
    wchar_t* copy = new wchar_t[length + 1];
    std::copy(text, text + length + 1, copy);
    delete[] slot;
    slot = copy;
    return copy;
}

void FreeString(const wchar_t*& slot)
{
    delete[] slot;
    slot = nullptr;
}

void SetIntArray(int count, int*& slot, const int* values)
{
    int* copy = nullptr;
    if (count > 0 && values) {
        copy = new int[static_cast<size_t>(count)];
        std::copy(values, values + count, copy);
    }
    delete[] slot;
    slot = copy;
}

void FreeIntArray(int*& slot)
{
    delete[] slot;
    slot = nullptr;
}

namespace {

wchar_t Upper(wchar_t c)
{
    // CharUpperW converts a single character in place of a pointer when the high word is zero.
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
}

} // namespace

int CompareNoCase(const wchar_t* a, const wchar_t* b)
{
    a = TextOrEmpty(a);
    b = TextOrEmpty(b);
    for (;; ++a, ++b) {
        const wchar_t ua = Upper(*a);
        const wchar_t ub = Upper(*b);
        if (ua != ub)
            return ua < ub ? -1 : 1;
        if (*a == L'\0')
            return 0;
    }
}
