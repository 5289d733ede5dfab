// Decoding and encoding of project file text.
#include "TextDecode.h"

#include <windows.h>

#include <climits>
#include <cstring>

namespace textcode {

std::wstring Decode(const unsigned char* bytes, size_t length)
{
    if (!bytes || length == 0)
        return {};
    if (length >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))) {
        const bool bigEndian = bytes[0] == 0xFE;
        const size_t count = (length - 2) / 2;
        std::wstring text(count, L'\0');
        const unsigned char* p = bytes + 2;
        if (!bigEndian) {
            // Windows' wchar_t is UTF-16 little-endian already: the bytes are the text.
            static_assert(sizeof(wchar_t) == 2, "UTF-16 code units");
            std::memcpy(text.data(), p, count * sizeof(wchar_t));
            return text;
        }
        for (size_t i = 0; i < count; ++i, p += 2)
            text[i] = static_cast<wchar_t>((p[0] << 8) | p[1]);
        return text;
    }
    // The file size limit keeps every length here within int.
    if (length > static_cast<size_t>(INT_MAX))
        return {};
    const char* source = reinterpret_cast<const char*>(bytes);
    const int needed = MultiByteToWideChar(CP_ACP, 0, source, static_cast<int>(length), nullptr, 0);
    if (needed <= 0)
        return {};
    std::wstring text(static_cast<size_t>(needed), L'\0');
    const int written = MultiByteToWideChar(CP_ACP, 0, source, static_cast<int>(length), text.data(), needed);
    text.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return text;
}

std::vector<unsigned char> EncodeUtf16LeWithBom(std::wstring_view text)
{
    std::vector<unsigned char> bytes;
    bytes.reserve((text.size() + 1) * 2);
    bytes.push_back(0xFF);
    bytes.push_back(0xFE);
    for (wchar_t c : text) {
        const unsigned int u = static_cast<unsigned int>(c) & 0xFFFF;
        bytes.push_back(static_cast<unsigned char>(u & 0xFF));
        bytes.push_back(static_cast<unsigned char>(u >> 8));
    }
    return bytes;
}

} // namespace textcode
