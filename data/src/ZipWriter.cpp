// The one-entry project archive, written as a stream.
#include "ZipWriter.h"

#include "ZipHelper.h"
#include "ZipRecords.h"

#include <zlib.h>

namespace {

constexpr size_t kOutBlock = 256 * 1024;
constexpr uint64_t kMaxEntryBytes = 0xFFFFFFFFull; // the format's sizes and offsets are 32-bit
constexpr size_t kHeaderBytes = CLocalFileHeader::kSize + CZipHelper::kEntryNameLength;

CLocalFileHeader LocalHeader(uint16_t dosDate, uint16_t dosTime, uint32_t crc, uint32_t compressed, uint32_t size)
{
    CLocalFileHeader local;
    local.time = dosTime;
    local.date = dosDate;
    local.crc32 = crc;
    local.compressedSize = compressed;
    local.uncompressedSize = size;
    local.nameLength = static_cast<uint16_t>(CZipHelper::kEntryNameLength);
    return local;
}

void AppendName(std::vector<unsigned char>& out)
{
    out.insert(out.end(), CZipHelper::kEntryName, CZipHelper::kEntryName + CZipHelper::kEntryNameLength);
}

} // namespace

CZipWriter::CZipWriter(CByteSink& out) : m_out(out), m_stream(std::make_unique<z_stream_s>()), m_block(kOutBlock)
{
    *m_stream = z_stream_s{};
    m_crc = static_cast<uint32_t>(crc32(0L, Z_NULL, 0));
    m_started = deflateInit2(m_stream.get(), Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK;
    if (!m_started)
        return;
    // A placeholder until the sizes are known.
    std::vector<unsigned char> head;
    LocalHeader(0, 0, 0, 0, 0).Write(head);
    AppendName(head);
    m_ok = m_out.Write(head.data(), head.size());
}

CZipWriter::~CZipWriter()
{
    if (m_started)
        deflateEnd(m_stream.get());
}

bool CZipWriter::Deflate(const unsigned char* bytes, size_t length, int flush)
{
    static const unsigned char empty = 0;
    m_stream->next_in = const_cast<Bytef*>(bytes ? bytes : &empty);
    m_stream->avail_in = static_cast<uInt>(length);
    for (;;) {
        m_stream->next_out = m_block.data();
        m_stream->avail_out = static_cast<uInt>(m_block.size());
        const int result = deflate(m_stream.get(), flush);
        if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
            return false;
        const size_t produced = m_block.size() - m_stream->avail_out;
        m_outBytes += produced;
        if (m_outBytes > kMaxEntryBytes || (produced != 0 && !m_out.Write(m_block.data(), produced)))
            return false;
        if (flush == Z_FINISH ? result == Z_STREAM_END : (m_stream->avail_in == 0 && m_stream->avail_out != 0))
            return true;
        if (result == Z_BUF_ERROR && produced == 0)
            return false; // no progress possible
    }
}

bool CZipWriter::Write(const unsigned char* bytes, size_t length)
{
    if (!m_ok)
        return false;
    // zlib counts in uInt: large blocks go in parts.
    constexpr size_t kPart = 1u << 30;
    while (m_ok && length > 0) {
        const size_t part = length < kPart ? length : kPart;
        m_inBytes += part;
        m_crc = static_cast<uint32_t>(crc32(m_crc, bytes, static_cast<uInt>(part)));
        m_ok = m_inBytes <= kMaxEntryBytes && Deflate(bytes, part, Z_NO_FLUSH);
        bytes += part;
        length -= part;
    }
    return m_ok;
}

bool CZipWriter::Finish()
{
    if (!m_ok || !Deflate(nullptr, 0, Z_FINISH))
        return m_ok = false;
    const int ended = deflateEnd(m_stream.get());
    m_started = false;
    if (ended != Z_OK || kHeaderBytes + m_outBytes > kMaxEntryBytes)
        return m_ok = false;

    uint16_t dosDate = 0;
    uint16_t dosTime = 0;
    CZipHelper::StampNow(dosDate, dosTime);
    const auto compressed = static_cast<uint32_t>(m_outBytes);
    const auto size = static_cast<uint32_t>(m_inBytes);
    std::vector<unsigned char> head;
    LocalHeader(dosDate, dosTime, m_crc, compressed, size).Write(head);
    if (!m_out.Patch(0, head.data(), head.size()))
        return m_ok = false;

    std::vector<unsigned char> tail;
    CCentralDirectoryFileHeader central;
    central.time = dosTime;
    central.date = dosDate;
    central.crc32 = m_crc;
    central.compressedSize = compressed;
    central.uncompressedSize = size;
    central.nameLength = static_cast<uint16_t>(CZipHelper::kEntryNameLength);
    central.Write(tail);
    AppendName(tail);
    CEndOfCentralDirectoryRecord end;
    end.directorySize = static_cast<uint32_t>(CCentralDirectoryFileHeader::kSize + CZipHelper::kEntryNameLength);
    end.directoryOffset = static_cast<uint32_t>(kHeaderBytes + m_outBytes);
    end.Write(tail);
    return m_ok = m_out.Write(tail.data(), tail.size());
}
