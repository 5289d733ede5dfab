#pragma once
// Copies UTF-16 text into fixed-size fields (records that cross binary boundaries): the copy is
// cut to fit and always ends with a zero.

#include <cstddef>
#include <string_view>

namespace wstr {

// Copies at most capacity - 1 characters of src (null counts as "") and terminates; returns the
// number of characters copied. A capacity of 0 writes nothing.
size_t CopyBounded(wchar_t* dst, size_t capacity, std::wstring_view src);
size_t CopyBounded(wchar_t* dst, size_t capacity, const wchar_t* src);

template <size_t N>
size_t CopyTo(wchar_t (&dst)[N], std::wstring_view src)
{
    return CopyBounded(dst, N, src);
}

// Length of a field that may lack its terminator (at most N).
template <size_t N>
size_t FieldLength(const wchar_t (&field)[N])
{
    size_t n = 0;
    while (n < N && field[n])
        ++n;
    return n;
}

// Forces a zero into the last place of a field filled by someone else.
template <size_t N>
void ForceTerminated(wchar_t (&field)[N])
{
    field[N - 1] = L'\0';
}

} // namespace wstr
