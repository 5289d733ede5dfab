// Decoding of project file text.
#include "TextDecode.h"

#include <windows.h>

#include <climits>
#include <cstring>

namespace textcode {

namespace {

// ANSI text in parts is cut only after a byte below 0x40: no multi-byte code page uses those
// as the second byte of a character, so each part decodes as it would inside the whole.
constexpr unsigned char kSafeCutBelow = 0x40;
// Beyond this much without a safe cut the part is decoded anyway.
constexpr size_t kMaxAnsiPending = 1024 * 1024;

void AppendAnsi(const unsigned char* bytes, size_t length, std::wstring& out)
{
    if (length == 0 || length > static_cast<size_t>(INT_MAX))
        return;
    const char* source = reinterpret_cast<const char*>(bytes);
    const int needed = MultiByteToWideChar(CP_ACP, 0, source, static_cast<int>(length), nullptr, 0);
    if (needed <= 0)
        return;
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(needed));
    const int written = MultiByteToWideChar(CP_ACP, 0, source, static_cast<int>(length), out.data() + at, needed);
    out.resize(at + (written > 0 ? static_cast<size_t>(written) : 0));
}

} // namespace

std::wstring Decode(const unsigned char* bytes, size_t length)
{
    std::wstring text;
    if (!bytes || length == 0)
        return text;
    CStreamDecoder decoder;
    decoder.Put(bytes, length, text);
    decoder.End(text);
    return text;
}

void CStreamDecoder::Put(const unsigned char* bytes, size_t length, std::wstring& out)
{
    if (m_form != Form::Unknown) {
        PutKnown(bytes, length, out);
        return;
    }
    m_pending.insert(m_pending.end(), bytes, bytes + length);
    if (m_pending.size() < 2)
        return;
    size_t skip = 2;
    if (m_pending[0] == 0xFF && m_pending[1] == 0xFE) {
        m_form = Form::Utf16Le;
    } else if (m_pending[0] == 0xFE && m_pending[1] == 0xFF) {
        m_form = Form::Utf16Be;
    } else {
        m_form = Form::Ansi;
        skip = 0;
    }
    std::vector<unsigned char> start;
    start.swap(m_pending);
    PutKnown(start.data() + skip, start.size() - skip, out);
}

void CStreamDecoder::PutKnown(const unsigned char* bytes, size_t length, std::wstring& out)
{
    if (m_form == Form::Ansi) {
        PutAnsi(bytes, length, out);
        return;
    }
    const bool bigEndian = m_form == Form::Utf16Be;
    if (!m_pending.empty() && length > 0) {
        const unsigned char first = m_pending[0];
        m_pending.clear();
        out += static_cast<wchar_t>(bigEndian ? (first << 8) | bytes[0] : (bytes[0] << 8) | first);
        ++bytes;
        --length;
    }
    const size_t count = length / 2;
    const size_t at = out.size();
    out.resize(at + count);
    if (!bigEndian) {
        std::memcpy(out.data() + at, bytes, count * sizeof(wchar_t));
    } else {
        for (size_t i = 0; i < count; ++i)
            out[at + i] = static_cast<wchar_t>((bytes[2 * i] << 8) | bytes[2 * i + 1]);
    }
    if (length % 2 != 0)
        m_pending.push_back(bytes[length - 1]);
}

void CStreamDecoder::PutAnsi(const unsigned char* bytes, size_t length, std::wstring& out)
{
    size_t cut = length;
    while (cut > 0 && bytes[cut - 1] >= kSafeCutBelow)
        --cut;
    if (cut == 0 && m_pending.size() + length < kMaxAnsiPending) {
        m_pending.insert(m_pending.end(), bytes, bytes + length);
        return;
    }
    if (cut == 0)
        cut = length;
    if (m_pending.empty()) {
        AppendAnsi(bytes, cut, out);
    } else {
        m_pending.insert(m_pending.end(), bytes, bytes + cut);
        AppendAnsi(m_pending.data(), m_pending.size(), out);
    }
    m_pending.assign(bytes + cut, bytes + length);
}

void CStreamDecoder::End(std::wstring& out)
{
    // Too short to have a byte-order mark: ANSI, as Decode reads it. An odd last byte of
    // UTF-16 is ignored.
    if (m_form == Form::Unknown || m_form == Form::Ansi)
        AppendAnsi(m_pending.data(), m_pending.size(), out);
    m_pending.clear();
}

} // namespace textcode
