// Little-endian layout of the ZIP records.
#include "ZipRecords.h"

namespace {

void Put16(std::vector<unsigned char>& out, uint16_t v)
{
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void Put32(std::vector<unsigned char>& out, uint32_t v)
{
    Put16(out, static_cast<uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<uint16_t>(v >> 16));
}

uint16_t Get16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t Get32(const unsigned char* p) { return static_cast<uint32_t>(Get16(p)) | (static_cast<uint32_t>(Get16(p + 2)) << 16); }

} // namespace

void CLocalFileHeader::Write(std::vector<unsigned char>& out) const
{
    Put32(out, signature);
    Put16(out, versionNeeded);
    Put16(out, flags);
    Put16(out, method);
    Put16(out, time);
    Put16(out, date);
    Put32(out, crc32);
    Put32(out, compressedSize);
    Put32(out, uncompressedSize);
    Put16(out, nameLength);
    Put16(out, extraLength);
}

void CLocalFileHeader::Read(const unsigned char* p)
{
    signature = Get32(p);
    versionNeeded = Get16(p + 4);
    flags = Get16(p + 6);
    method = Get16(p + 8);
    time = Get16(p + 10);
    date = Get16(p + 12);
    crc32 = Get32(p + 14);
    compressedSize = Get32(p + 18);
    uncompressedSize = Get32(p + 22);
    nameLength = Get16(p + 26);
    extraLength = Get16(p + 28);
}

void CCentralDirectoryFileHeader::Write(std::vector<unsigned char>& out) const
{
    Put32(out, signature);
    Put16(out, versionMadeBy);
    Put16(out, versionNeeded);
    Put16(out, flags);
    Put16(out, method);
    Put16(out, time);
    Put16(out, date);
    Put32(out, crc32);
    Put32(out, compressedSize);
    Put32(out, uncompressedSize);
    Put16(out, nameLength);
    Put16(out, extraLength);
    Put16(out, commentLength);
    Put16(out, diskNumberStart);
    Put16(out, internalAttributes);
    Put32(out, externalAttributes);
    Put32(out, localHeaderOffset);
}

void CEndOfCentralDirectoryRecord::Write(std::vector<unsigned char>& out) const
{
    Put32(out, signature);
    Put16(out, diskNumber);
    Put16(out, directoryDisk);
    Put16(out, entriesOnDisk);
    Put16(out, entriesTotal);
    Put32(out, directorySize);
    Put32(out, directoryOffset);
    Put16(out, commentLength);
}
