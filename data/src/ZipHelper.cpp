// The one-entry project ZIP container.
#include "ZipHelper.h"

#include "ProjectLimits.h"
#include "ZipRecords.h"

#include <windows.h>
#include <zlib.h>

#include <cstring>

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

// Fills `out` with exactly `size` inflated bytes of the raw deflate stream `in`.
bool Inflate(const unsigned char* in, uint32_t inLength, uint32_t size, std::vector<unsigned char>& out)
{
    // One spare byte: zlib needs a valid output pointer even for an empty entry.
    out.assign(static_cast<size_t>(size) + 1, 0);
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    stream.next_in = const_cast<Bytef*>(in);
    stream.avail_in = inLength;
    stream.next_out = out.data();
    stream.avail_out = size;
    const int result = inflate(&stream, Z_FINISH);
    const uLong produced = stream.total_out;
    inflateEnd(&stream);
    // Anything short of the stream's end is damage, whatever was produced so far.
    if (result != Z_STREAM_END)
        return false;
    out.resize(produced);
    return true;
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
    const uint32_t size = static_cast<uint32_t>(length);
    const unsigned char empty = 0;
    const unsigned char* input = bytes ? bytes : &empty;

    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    const uLong bound = deflateBound(&stream, size);
    const size_t headerBytes = CLocalFileHeader::kSize + kEntryNameLength;
    const size_t trailerBytes = CCentralDirectoryFileHeader::kSize + kEntryNameLength + CEndOfCentralDirectoryRecord::kSize;
    std::vector<unsigned char> archive;
    try {
        archive.resize(headerBytes + bound + trailerBytes);
    } catch (...) {
        deflateEnd(&stream);
        throw;
    }
    stream.next_in = const_cast<Bytef*>(input);
    stream.avail_in = size;
    stream.next_out = archive.data() + headerBytes;
    stream.avail_out = static_cast<uInt>(bound);
    const int result = deflate(&stream, Z_FINISH);
    const uLong compressed = stream.total_out;
    if (deflateEnd(&stream) != Z_OK || result != Z_STREAM_END)
        return false;

    uint16_t dosDate = 0;
    uint16_t dosTime = 0;
    ToDos(gClock ? gClock() : SystemUtc(), dosDate, dosTime);

    CLocalFileHeader local;
    local.time = dosTime;
    local.date = dosDate;
    local.crc32 = static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0), input, size));
    local.compressedSize = static_cast<uint32_t>(compressed);
    local.uncompressedSize = size;
    local.nameLength = static_cast<uint16_t>(kEntryNameLength);

    std::vector<unsigned char> head;
    local.Write(head);
    head.insert(head.end(), kEntryName, kEntryName + kEntryNameLength);
    std::memcpy(archive.data(), head.data(), head.size());
    archive.resize(headerBytes + compressed);

    CCentralDirectoryFileHeader central;
    central.time = dosTime;
    central.date = dosDate;
    central.crc32 = local.crc32;
    central.compressedSize = local.compressedSize;
    central.uncompressedSize = size;
    central.nameLength = local.nameLength;
    central.Write(archive);
    archive.insert(archive.end(), kEntryName, kEntryName + kEntryNameLength);

    CEndOfCentralDirectoryRecord end;
    end.directorySize = static_cast<uint32_t>(CCentralDirectoryFileHeader::kSize + kEntryNameLength);
    end.directoryOffset = static_cast<uint32_t>(headerBytes + compressed);
    end.Write(archive);

    m_archive.swap(archive);
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

bool CZipHelper::Unpack(const unsigned char* bytes, size_t length)
{
    m_unpacked.clear();
    CLocalFileHeader header;
    uint64_t offset = 0;
    if (!FindLocalHeader(bytes, length, header, offset))
        return false;
    // Every bound by subtraction from what is there, never by adding untrusted sizes.
    uint64_t rest = static_cast<uint64_t>(length) - offset - CLocalFileHeader::kSize;
    if (header.nameLength > rest)
        return false;
    rest -= header.nameLength;
    if (header.extraLength > rest)
        return false;
    rest -= header.extraLength;
    if (header.compressedSize > rest)
        return false;
    const unsigned char* data =
        bytes + offset + CLocalFileHeader::kSize + header.nameLength + header.extraLength;
    if (header.uncompressedSize > kMaxProjectBytes)
        return false;

    std::vector<unsigned char> out;
    if (header.method == 0) {
        if (header.uncompressedSize != header.compressedSize)
            return false;
        out.assign(data, data + header.compressedSize);
    } else if (header.method == 8) {
        if (static_cast<uint64_t>(header.uncompressedSize) > static_cast<uint64_t>(header.compressedSize) * kMaxInflateRatio + 64)
            return false;
        if (!Inflate(data, header.compressedSize, header.uncompressedSize, out))
            return false;
    } else {
        return false;
    }
    const unsigned char none = 0;
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), out.empty() ? &none : out.data(), static_cast<uInt>(out.size()));
    if (static_cast<uint32_t>(crc) != header.crc32)
        return false;
    m_unpacked.swap(out);
    return true;
}
