// Copying and ordering of the descriptor records.
#include "Descriptors.h"

#include "WideCopy.h"

#include <cwchar>
#include <string_view>
#include <tuple>

namespace rkpe {

void CopyFaceName(wchar_t (&dst)[32], const wchar_t (&src)[32])
{
    wstr::CopyTo(dst, std::wstring_view(src, wstr::FieldLength(src)));
}

bool FontLess::operator()(const FontDesc& a, const FontDesc& b) const
{
    const int face = std::wcsncmp(a.faceName, b.faceName, 32);
    if (face != 0)
        return face < 0;
    return std::tie(a.size, a.bold, a.italic, a.strikeOut, a.underline)
        < std::tie(b.size, b.bold, b.italic, b.strikeOut, b.underline);
}

bool PenLess::operator()(const PenRec& a, const PenRec& b) const
{
    return std::tie(a.width, a.colour) < std::tie(b.width, b.colour);
}

bool BrushLess::operator()(const BrushRec& a, const BrushRec& b) const
{
    return std::tie(a.colour, a.hatch) < std::tie(b.colour, b.hatch);
}

} // namespace rkpe
