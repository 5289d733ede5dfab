// The one-entry project ZIP container.
#include "ZipHelper.h"

#include "TextStream.h"
#include "ZipRecords.h"
#include "ZipWriter.h"

#include <windows.h>
#include <zlib.h>

#include <cstring>
#include <new>

namespace {

CZipHelper::UtcClock gClock = nullptr; // null: the system clock

CZipHelper::UtcTime SystemUtc()
{
    SYSTEMTIME st{};
    GetSystemTime(&st);
    CZipHelper::UtcTime t;
    t.year = st.wYear;
    t.month = st.wMonth;
    t.day = st.wDay;
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    return t;
}

// Deflate cannot expand data more than about 1032 to 1; a header that claims more is lying.
constexpr uint64_t kMaxInflateRatio = 1032;

// The local header at the first signature and its offset; false when there is none, or when
// its 30 bytes do not fit.
bool FindLocalHeader(const unsigned char* bytes, size_t length, CLocalFileHeader& header, uint64_t& offset)
{
    if (!bytes || length < CLocalFileHeader::kSize)
        return false;
    static const unsigned char kMagic[4] = {0x50, 0x4B, 0x03, 0x04};
    for (size_t i = 0; i + CLocalFileHeader::kSize <= length; ++i) {
        if (std::memcmp(bytes + i, kMagic, 4) == 0) {
            header.Read(bytes + i);
            offset = i;
            return true;
        }
    }
    return false;
}

bool SameNameIgnoringCase(const unsigned char* name, size_t length)
{
    if (length != CZipHelper::kEntryNameLength)
        return false;
    for (size_t i = 0; i < length; ++i) {
        unsigned char a = name[i];
        unsigned char b = static_cast<unsigned char>(CZipHelper::kEntryName[i]);
        if (a >= 'A' && a <= 'Z')
            a = static_cast<unsigned char>(a - 'A' + 'a');
        if (a != b)
            return false;
    }
    return true;
}

// Reads exactly `length` bytes.
bool ReadExactly(CByteSource& source, unsigned char* out, size_t length)
{
    while (length > 0) {
        size_t got = 0;
        if (!source.Read(out, length, got) || got == 0)
            return false;
        out += got;
        length -= got;
    }
    return true;
}

constexpr size_t kBlock = 1024 * 1024;

// The stored data: `size` bytes copied.
bool CopyStored(CByteSource& source, uint32_t size, uLong& crc, const CZipHelper::EntrySink& sink)
{
    std::vector<unsigned char> block(kBlock);
    uint32_t left = size;
    while (left > 0) {
        const size_t part = left < block.size() ? left : block.size();
        if (!ReadExactly(source, block.data(), part))
            return false;
        crc = crc32(crc, block.data(), static_cast<uInt>(part));
        if (!sink(block.data(), part))
            return false;
        left -= static_cast<uint32_t>(part);
    }
    return true;
}

// Ends an inflate stream however its reading ends (the sink may throw).
class CInflateEnd {
public:
    explicit CInflateEnd(z_stream& stream) : m_stream(stream) {}
    ~CInflateEnd() { inflateEnd(&m_stream); }
    CInflateEnd(const CInflateEnd&) = delete;
    CInflateEnd& operator=(const CInflateEnd&) = delete;

private:
    z_stream& m_stream;
};

// Inflates the raw deflate stream in the next `inLength` bytes; it must end within them and
// give at most `size` bytes (as one inflate call with a buffer of `size` would).
bool InflateStream(CByteSource& source, uint32_t inLength, uint32_t size, uLong& crc, const CZipHelper::EntrySink& sink)
{
    std::vector<unsigned char> in(kBlock);
    std::vector<unsigned char> out(kBlock);
    z_stream stream{};
    const int started = inflateInit2(&stream, -MAX_WBITS);
    if (started == Z_MEM_ERROR)
        throw std::bad_alloc();
    if (started != Z_OK)
        return false;
    const CInflateEnd end(stream);
    uint32_t inLeft = inLength;
    uint32_t outLeft = size;
    bool ended = false;
    bool failed = false;
    while (!ended && !failed) {
        if (stream.avail_in == 0 && inLeft > 0) {
            const size_t part = inLeft < in.size() ? inLeft : in.size();
            if (!ReadExactly(source, in.data(), part)) {
                failed = true;
                break;
            }
            stream.next_in = in.data();
            stream.avail_in = static_cast<uInt>(part);
            inLeft -= static_cast<uint32_t>(part);
        }
        // With nothing left of `size`, one byte more shows whether the stream wants to go on.
        const size_t room = outLeft == 0 ? 1 : (outLeft < out.size() ? outLeft : out.size());
        stream.next_out = out.data();
        stream.avail_out = static_cast<uInt>(room);
        const int result = inflate(&stream, Z_NO_FLUSH);
        if (result == Z_MEM_ERROR)
            throw std::bad_alloc();
        const size_t produced = room - stream.avail_out;
        if (produced > outLeft || (result != Z_OK && result != Z_STREAM_END) ||
            (result == Z_OK && produced == 0 && stream.avail_in == 0 && inLeft == 0)) {
            failed = true; // damage, more than `size`, or the input ended first
            break;
        }
        if (produced > 0) {
            crc = crc32(crc, out.data(), static_cast<uInt>(produced));
            if (!sink(out.data(), produced)) {
                failed = true; // stopped by the sink
                break;
            }
            outLeft -= static_cast<uint32_t>(produced);
        }
        ended = result == Z_STREAM_END;
    }
    return ended && !failed;
}

} // namespace

void CZipHelper::SetClock(UtcClock clock) { gClock = clock; }

void CZipHelper::ToDos(const UtcTime& t, uint16_t& dosDate, uint16_t& dosTime)
{
    UtcTime c = t;
    if (c.year < 1980) {
        c = UtcTime{};
    } else if (c.year > 2107) {
        c.year = 2107;
        c.month = 12;
        c.day = 31;
        c.hour = 23;
        c.minute = 59;
        c.second = 58;
    }
    dosDate = static_cast<uint16_t>(((c.year - 1980) << 9) | ((c.month & 0x0F) << 5) | (c.day & 0x1F));
    dosTime = static_cast<uint16_t>(((c.hour & 0x1F) << 11) | ((c.minute & 0x3F) << 5) | ((c.second / 2) & 0x1F));
}

void CZipHelper::StampNow(uint16_t& dosDate, uint16_t& dosTime) { ToDos(gClock ? gClock() : SystemUtc(), dosDate, dosTime); }

bool CZipHelper::Pack(const unsigned char* bytes, size_t length)
{
    m_archive.clear();
    if (!bytes && length != 0)
        return false;
    // The format's sizes are 32-bit (a 64-bit build could be handed more).
    if constexpr (sizeof(size_t) > sizeof(uint32_t)) {
        if (length > 0xFFFFFFFFu)
            return false;
    }
    CMemorySink sink;
    CZipWriter writer(sink);
    if (!writer.Write(bytes, length) || !writer.Finish())
        return false;
    m_archive.swap(sink.Bytes());
    return true;
}

bool CZipHelper::HasProjectEntry(const unsigned char* head, size_t length)
{
    CLocalFileHeader header;
    uint64_t offset = 0;
    if (!FindLocalHeader(head, length, header, offset))
        return false;
    const uint64_t rest = static_cast<uint64_t>(length) - offset - CLocalFileHeader::kSize;
    if (header.nameLength > rest)
        return false;
    return SameNameIgnoringCase(head + offset + CLocalFileHeader::kSize, header.nameLength);
}

bool CZipHelper::StreamEntry(CByteSource& source, uint64_t length, const EntrySink& sink)
{
    unsigned char fixed[CLocalFileHeader::kSize];
    if (length < CLocalFileHeader::kSize || !ReadExactly(source, fixed, sizeof(fixed)))
        return false;
    static const unsigned char kMagic[4] = {0x50, 0x4B, 0x03, 0x04};
    if (std::memcmp(fixed, kMagic, 4) != 0)
        return false;
    CLocalFileHeader header;
    header.Read(fixed);
    // Every bound by subtraction from what is there, never by adding untrusted sizes.
    uint64_t rest = length - CLocalFileHeader::kSize;
    if (header.nameLength > rest)
        return false;
    rest -= header.nameLength;
    if (header.extraLength > rest)
        return false;
    rest -= header.extraLength;
    if (header.compressedSize > rest)
        return false;
    std::vector<unsigned char> skipped(static_cast<size_t>(header.nameLength) + header.extraLength);
    if (!ReadExactly(source, skipped.data(), skipped.size()))
        return false;

    uLong crc = crc32(0L, Z_NULL, 0);
    if (header.method == 0) {
        if (header.uncompressedSize != header.compressedSize || !CopyStored(source, header.compressedSize, crc, sink))
            return false;
    } else if (header.method == 8) {
        if (static_cast<uint64_t>(header.uncompressedSize) > static_cast<uint64_t>(header.compressedSize) * kMaxInflateRatio + 64)
            return false;
        if (!InflateStream(source, header.compressedSize, header.uncompressedSize, crc, sink))
            return false;
    } else {
        return false;
    }
    return static_cast<uint32_t>(crc) == header.crc32;
}

namespace {

class CMemorySource : public CByteSource {
public:
    CMemorySource(const unsigned char* bytes, size_t length) : m_bytes(bytes), m_left(length) {}
    bool Read(unsigned char* buffer, size_t capacity, size_t& got) override
    {
        got = capacity < m_left ? capacity : m_left;
        std::memcpy(buffer, m_bytes, got);
        m_bytes += got;
        m_left -= got;
        return true;
    }

private:
    const unsigned char* m_bytes;
    size_t m_left;
};

} // namespace

bool CZipHelper::Unpack(const unsigned char* bytes, size_t length)
{
    m_unpacked.clear();
    CLocalFileHeader header;
    uint64_t offset = 0;
    if (!FindLocalHeader(bytes, length, header, offset))
        return false;
    CMemorySource source(bytes + offset, length - static_cast<size_t>(offset));
    std::vector<unsigned char> out;
    const bool unpacked = StreamEntry(source, length - offset, [&out](const unsigned char* part, size_t n) {
        out.insert(out.end(), part, part + n);
        return true;
    });
    if (!unpacked)
        return false;
    m_unpacked.swap(out);
    return true;
}
