// Byte sinks and the buffered text writer.
#include "TextStream.h"

#include <cstring>

bool CMemorySink::Write(const unsigned char* bytes, size_t length)
{
    m_bytes.insert(m_bytes.end(), bytes, bytes + length);
    return true;
}

bool CMemorySink::Patch(uint64_t offset, const unsigned char* bytes, size_t length)
{
    if (offset > m_bytes.size() || length > m_bytes.size() - offset)
        return false;
    std::memcpy(m_bytes.data() + offset, bytes, length);
    return true;
}

bool CStringSink::Write(const unsigned char* bytes, size_t length)
{
    static_assert(sizeof(wchar_t) == 2, "UTF-16 code units");
    // The writer hands over whole characters only.
    const size_t count = length / sizeof(wchar_t);
    const size_t at = m_text.size();
    m_text.resize(at + count);
    std::memcpy(m_text.data() + at, bytes, count * sizeof(wchar_t));
    return true;
}

void CTextWriter::Append(std::wstring_view text)
{
    if (m_buffer.size() + text.size() > kBlock) {
        Flush();
        if (text.size() > kBlock) {
            // Longer than a block: straight through.
            if (m_ok)
                m_ok = m_sink.Write(reinterpret_cast<const unsigned char*>(text.data()), text.size() * sizeof(wchar_t));
            return;
        }
    }
    m_buffer.append(text);
}

void CTextWriter::AppendTabs(size_t count)
{
    if (m_buffer.size() + count > kBlock)
        Flush();
    m_buffer.append(count, L'\t');
}

bool CTextWriter::Flush()
{
    if (!m_buffer.empty() && m_ok) {
        // Windows' wchar_t is UTF-16 little-endian already: the characters are the bytes.
        m_ok = m_sink.Write(reinterpret_cast<const unsigned char*>(m_buffer.data()), m_buffer.size() * sizeof(wchar_t));
    }
    m_buffer.clear();
    return m_ok;
}
