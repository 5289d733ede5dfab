#pragma once
// The three records of a project ZIP container, laid out little-endian byte by byte: the local
// file header (30 bytes), the central directory file header (46 bytes) and the end of central
// directory record (22 bytes). Each is followed in the archive by what its lengths announce.

#include <cstddef>
#include <cstdint>
#include <vector>

class CLocalFileHeader {
public:
    static constexpr uint32_t kSignature = 0x04034B50;
    static constexpr size_t kSize = 30;

    // Appends the 30 bytes.
    void Write(std::vector<unsigned char>& out) const;
    // Reads 30 bytes at `p`; the caller has checked that they are there.
    void Read(const unsigned char* p);

    uint32_t signature = kSignature;
    uint16_t versionNeeded = 20;
    uint16_t flags = 0;
    uint16_t method = 8; // 0 stored, 8 deflate
    uint16_t time = 0;   // DOS time
    uint16_t date = 0;   // DOS date
    uint32_t crc32 = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
    uint16_t nameLength = 0;
    uint16_t extraLength = 0;
};

class CCentralDirectoryFileHeader {
public:
    static constexpr uint32_t kSignature = 0x02014B50;
    static constexpr size_t kSize = 46;

    void Write(std::vector<unsigned char>& out) const;

    uint32_t signature = kSignature;
    uint16_t versionMadeBy = 20;
    uint16_t versionNeeded = 20;
    uint16_t flags = 0;
    uint16_t method = 8;
    uint16_t time = 0;
    uint16_t date = 0;
    uint32_t crc32 = 0;
    uint32_t compressedSize = 0;
    uint32_t uncompressedSize = 0;
    uint16_t nameLength = 0;
    uint16_t extraLength = 0;
    uint16_t commentLength = 0;
    uint16_t diskNumberStart = 0;
    uint16_t internalAttributes = 1; // text
    uint32_t externalAttributes = 0;
    uint32_t localHeaderOffset = 0;
};

class CEndOfCentralDirectoryRecord {
public:
    static constexpr uint32_t kSignature = 0x06054B50;
    static constexpr size_t kSize = 22;

    void Write(std::vector<unsigned char>& out) const;

    uint32_t signature = kSignature;
    uint16_t diskNumber = 0;
    uint16_t directoryDisk = 0;
    uint16_t entriesOnDisk = 1;
    uint16_t entriesTotal = 1;
    uint32_t directorySize = 0; // the central directory header with its name
    uint32_t directoryOffset = 0;
    uint16_t commentLength = 0;
};
