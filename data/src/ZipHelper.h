#pragma once
// CZipHelper: packs a project document as the one entry "win-qvia.wqv" of a ZIP archive built in
// memory, and unpacks that entry again (raw deflate or stored). It owns both buffers. Only the
// local header is read; every size in it is untrusted and checked before use.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class CByteSource;

class CZipHelper {
public:
    static constexpr char kEntryName[] = "win-qvia.wqv";
    static constexpr size_t kEntryNameLength = sizeof(kEntryName) - 1;

    // A UTC reading for the entry's time stamp; tests replace the clock.
    struct UtcTime {
        int year = 1980;
        int month = 1;  // 1..12
        int day = 1;    // 1..31
        int hour = 0;
        int minute = 0;
        int second = 0;
    };
    using UtcClock = UtcTime (*)();
    // Null restores the system's UTC time.
    static void SetClock(UtcClock clock);
    // DOS date and time of `t`; years outside 1980 to 2107 are clamped to the first or last
    // moment DOS time can hold.
    static void ToDos(const UtcTime& t, uint16_t& dosDate, uint16_t& dosTime);
    // The DOS date and time of the clock's reading now.
    static void StampNow(uint16_t& dosDate, uint16_t& dosTime);

    // Builds the archive of `length` bytes in memory (local header, name, deflate data, central
    // directory header, name, end record), as CZipWriter writes it to a file. False when
    // deflate fails or the input is too long for the format.
    bool Pack(const unsigned char* bytes, size_t length);
    // The recognition test on the start of a file: the first local header names the entry
    // "win-qvia.wqv" (any case).
    static bool HasProjectEntry(const unsigned char* head, size_t length);
    // Extracts the first entry: sizes must fit the bytes there are, the method be 0 or 8, the
    // size plausible, inflate reach its stream end and the CRC-32 match.
    bool Unpack(const unsigned char* bytes, size_t length);

    // The entry's bytes in parts, as they are inflated; false stops the stream.
    using EntrySink = std::function<bool(const unsigned char* bytes, size_t length)>;
    // Unpack as a stream, for an archive whose local header is the first byte of `source`
    // (`length` bytes in all): the same checks, the CRC-32 at the end. False on any failure and
    // when the sink stopped it; what was handed to `sink` by then is worthless. zlib's want of
    // memory is thrown as std::bad_alloc, so that it is told as memory and not as damage.
    static bool StreamEntry(CByteSource& source, uint64_t length, const EntrySink& sink);

    const std::vector<unsigned char>& Archive() const { return m_archive; }
    std::vector<unsigned char>& Unpacked() { return m_unpacked; }

private:
    std::vector<unsigned char> m_archive;
    std::vector<unsigned char> m_unpacked;
};
