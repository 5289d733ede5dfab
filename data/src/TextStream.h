#pragma once
// Byte sinks and the buffered UTF-16 text writer the project document is written through. A
// document of a million tasks is well over a gigabyte of text: it goes out in blocks as it is
// made, never as one string.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Where written bytes go. A failed write makes every later one fail too.
class CByteSink {
public:
    virtual ~CByteSink() = default;
    virtual bool Write(const unsigned char* bytes, size_t length) = 0;
    // Overwrites bytes already written at `offset` (a header whose sizes are known only at the
    // end); sinks that cannot go back return false.
    virtual bool Patch(uint64_t /*offset*/, const unsigned char* /*bytes*/, size_t /*length*/) { return false; }
};

// Where read bytes come from, in order.
class CByteSource {
public:
    virtual ~CByteSource() = default;
    // Up to `capacity` bytes into `buffer`; `got` 0 at the end. False when reading failed.
    virtual bool Read(unsigned char* buffer, size_t capacity, size_t& got) = 0;
};

// Collects everything in memory (small documents, tests, the in-memory archive).
class CMemorySink : public CByteSink {
public:
    bool Write(const unsigned char* bytes, size_t length) override;
    bool Patch(uint64_t offset, const unsigned char* bytes, size_t length) override;
    std::vector<unsigned char>& Bytes() { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
};

// Text as UTF-16 little-endian bytes into a sink, in blocks.
class CTextWriter {
public:
    explicit CTextWriter(CByteSink& sink) : m_sink(sink) { m_buffer.reserve(kBlock); }
    CTextWriter(const CTextWriter&) = delete;
    CTextWriter& operator=(const CTextWriter&) = delete;

    void Append(std::wstring_view text);
    void Append(wchar_t c)
    {
        if (m_buffer.size() >= kBlock)
            Flush();
        m_buffer += c;
    }
    void AppendTabs(size_t count);
    // Hands the buffered text to the sink; false once any write failed.
    bool Flush();
    bool Ok() const { return m_ok; }

private:
    static constexpr size_t kBlock = 64 * 1024; // characters

    CByteSink& m_sink;
    std::wstring m_buffer;
    bool m_ok = true;
};

// Collects written text as a string (the document text of the tests and of the plug-in hooks).
class CStringSink : public CByteSink {
public:
    bool Write(const unsigned char* bytes, size_t length) override;
    std::wstring& Text() { return m_text; }

private:
    std::wstring m_text;
};
