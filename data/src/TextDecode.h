#pragma once
// Project file bytes as text: UTF-16 little-endian or big-endian after their byte-order marks,
// anything else in the system's ANSI code page.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace textcode {

// FF FE: UTF-16 LE; FE FF: UTF-16 BE (an odd last byte is ignored); else ANSI (CP_ACP).
std::wstring Decode(const unsigned char* bytes, size_t length);

// Decodes bytes handed over in parts exactly as Decode does them all at once.
class CStreamDecoder {
public:
    // Appends to `out` the text of what has come so far that is complete.
    void Put(const unsigned char* bytes, size_t length, std::wstring& out);
    // The end of the bytes: appends the rest.
    void End(std::wstring& out);

private:
    enum class Form { Unknown, Utf16Le, Utf16Be, Ansi };
    void PutKnown(const unsigned char* bytes, size_t length, std::wstring& out);
    void PutAnsi(const unsigned char* bytes, size_t length, std::wstring& out);

    Form m_form = Form::Unknown;
    std::vector<unsigned char> m_pending; // bytes of a character not yet complete
};

} // namespace textcode
