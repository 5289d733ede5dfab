#pragma once
// CZipWriter: deflates the bytes written into it as the one entry "win-qvia.wqv" of a ZIP
// archive that goes to another sink as it is made: the local header first (its CRC-32 and sizes
// patched in at the end), the raw deflate data, then the central directory header and the end
// record. Standard tools read the result as if it had been built in memory.

#include "TextStream.h"

#include <cstdint>
#include <memory>
#include <vector>

struct z_stream_s;

class CZipWriter : public CByteSink {
public:
    // `out` must accept Patch at offset 0.
    explicit CZipWriter(CByteSink& out);
    ~CZipWriter() override;
    CZipWriter(const CZipWriter&) = delete;
    CZipWriter& operator=(const CZipWriter&) = delete;

    // False once deflate or the sink failed, or the entry outgrew the format's 32-bit sizes.
    bool Write(const unsigned char* bytes, size_t length) override;
    // Ends the deflate stream and writes the records; false when anything failed.
    bool Finish();

private:
    bool Deflate(const unsigned char* bytes, size_t length, int flush);

    CByteSink& m_out;
    std::unique_ptr<z_stream_s> m_stream;
    std::vector<unsigned char> m_block; // deflate output before it goes to the sink
    bool m_ok = false;
    bool m_started = false; // deflateInit2 succeeded
    uint32_t m_crc = 0;
    uint64_t m_inBytes = 0;
    uint64_t m_outBytes = 0;
};
