#pragma once
// Project file bytes as text, and the text a project file is written as: UTF-16 little-endian
// or big-endian after their byte-order marks, anything else in the system's ANSI code page.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace textcode {

// FF FE: UTF-16 LE; FE FF: UTF-16 BE (an odd last byte is ignored); else ANSI (CP_ACP).
std::wstring Decode(const unsigned char* bytes, size_t length);
// U+FEFF and then `text`, as UTF-16 little-endian bytes.
std::vector<unsigned char> EncodeUtf16LeWithBom(std::wstring_view text);

} // namespace textcode
