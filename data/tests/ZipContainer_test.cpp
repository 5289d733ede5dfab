// The project ZIP container through QV2D.dll: the bytes a zipped save writes, and archives that
// are damaged, truncated or lie about their sizes.
#include "FileTestEnv.h"

namespace {

using namespace qv2dtest;
using namespace wqv2_data;

uint32_t Get16(const Bytes& b, size_t at) { return b[at] | (b[at + 1] << 8); }
uint32_t Get32(const Bytes& b, size_t at) { return Get16(b, at) | (Get16(b, at + 2) << 16); }
void Put16(Bytes& b, size_t at, uint32_t v)
{
    b[at] = static_cast<unsigned char>(v & 0xFF);
    b[at + 1] = static_cast<unsigned char>((v >> 8) & 0xFF);
}
void Put32(Bytes& b, size_t at, uint32_t v)
{
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

class ZipContainerTest : public FileTest {
protected:
    void SetUp() override
    {
        FileTest::SetUp();
        CResource* r = AddResource(L"Press");
        ASSERT_NE(r, nullptr);
        for (int i = 1; i <= 20; ++i)
            ASSERT_NE(AddTask(r, Day(2, i), 60 * i % 1440, Day(2, i + 1), 0, L"task"), nullptr);
        ASSERT_EQ(root->Save(Path(L"bare.wqv").c_str(), false), 0);
        ASSERT_EQ(root->Save(Path(L"zipped.wqv").c_str(), true), 0);
        bare = ReadFileBytes(Path(L"bare.wqv"));
        zipped = ReadFileBytes(Path(L"zipped.wqv"));
        ASSERT_GT(zipped.size(), 122u);
        n = Get32(zipped, 18);
        model = DumpModel(root);
        root->Close(0);
    }
    // Writes `bytes` as a file of its own and opens it; a failed open must leave the project
    // that was open.
    int OpenBytes(const Bytes& bytes)
    {
        const std::wstring path = Path(L"variant" + std::to_wstring(++m_files) + L".wqv");
        WriteFileBytes(path, bytes);
        const std::wstring before = DumpModel(root);
        const int status = root->Open(path.c_str(), true);
        if (status != kErrReadOnly) {
            EXPECT_EQ(DumpModel(root), before);
        }
        return status;
    }

    Bytes bare;
    Bytes zipped;
    size_t n = 0; // compressed size
    std::wstring model;

private:
    int m_files = 0;
};

TEST_F(ZipContainerTest, Pack_writesThreeRecordsExactly)
{
    const Bytes& z = zipped;
    ASSERT_EQ(z.size(), 42 + n + 58 + 22);
    // Local file header and name.
    EXPECT_EQ(Get32(z, 0), 0x04034B50u);
    EXPECT_EQ(Get16(z, 4), 20u);
    EXPECT_EQ(Get16(z, 6), 0u);
    EXPECT_EQ(Get16(z, 8), 8u);
    EXPECT_EQ(Get32(z, 22), bare.size());
    EXPECT_EQ(Get16(z, 26), 12u);
    EXPECT_EQ(Get16(z, 28), 0u);
    EXPECT_EQ(std::string(z.begin() + 30, z.begin() + 42), "win-qvia.wqv");
    EXPECT_GE(Get16(z, 12) >> 9, 44u); // a DOS date of 2024 or later
    // Central directory header and name.
    const size_t c = 42 + n;
    EXPECT_EQ(Get32(z, c), 0x02014B50u);
    EXPECT_EQ(Get16(z, c + 4), 20u);
    EXPECT_EQ(Get16(z, c + 6), 20u);
    EXPECT_EQ(Get16(z, c + 8), 0u);
    EXPECT_EQ(Get16(z, c + 10), 8u);
    EXPECT_EQ(Get16(z, c + 12), Get16(z, 10));
    EXPECT_EQ(Get16(z, c + 14), Get16(z, 12));
    EXPECT_EQ(Get32(z, c + 16), Get32(z, 14));
    EXPECT_EQ(Get32(z, c + 20), n);
    EXPECT_EQ(Get32(z, c + 24), bare.size());
    EXPECT_EQ(Get16(z, c + 28), 12u);
    EXPECT_EQ(Get16(z, c + 30), 0u);
    EXPECT_EQ(Get16(z, c + 32), 0u);
    EXPECT_EQ(Get16(z, c + 34), 0u);
    EXPECT_EQ(Get16(z, c + 36), 1u);
    EXPECT_EQ(Get32(z, c + 38), 0u);
    EXPECT_EQ(Get32(z, c + 42), 0u);
    EXPECT_EQ(std::string(z.begin() + static_cast<long>(c) + 46, z.begin() + static_cast<long>(c) + 58), "win-qvia.wqv");
    // End of central directory record.
    const size_t e = c + 58;
    EXPECT_EQ(Get32(z, e), 0x06054B50u);
    EXPECT_EQ(Get16(z, e + 4), 0u);
    EXPECT_EQ(Get16(z, e + 6), 0u);
    EXPECT_EQ(Get16(z, e + 8), 1u);
    EXPECT_EQ(Get16(z, e + 10), 1u);
    EXPECT_EQ(Get32(z, e + 12), 58u);
    EXPECT_EQ(Get32(z, e + 16), 42 + n);
    EXPECT_EQ(Get16(z, e + 20), 0u);

    EXPECT_EQ(OpenBytes(z), kErrReadOnly);
    EXPECT_EQ(DumpModel(root), model);
}

TEST_F(ZipContainerTest, Unpack_damagedDataGives10)
{
    Bytes flipped = zipped;
    flipped[42 + n / 2] ^= 0x5A;
    EXPECT_EQ(OpenBytes(flipped), kErrIo);

    Bytes crc = zipped;
    Put32(crc, 14, Get32(crc, 14) ^ 1);
    EXPECT_EQ(OpenBytes(crc), kErrIo);

    Bytes method = zipped;
    Put16(method, 8, 12);
    EXPECT_EQ(OpenBytes(method), kErrIo);

    Bytes stored = zipped; // deflate data claimed to be stored: the sizes disagree
    Put16(stored, 8, 0);
    EXPECT_EQ(OpenBytes(stored), kErrIo);

    Bytes shortSize = zipped; // the stream does not fit the size the header gives
    Put32(shortSize, 22, static_cast<uint32_t>(bare.size() - 1));
    EXPECT_EQ(OpenBytes(shortSize), kErrIo);
}

TEST_F(ZipContainerTest, Unpack_sizesThatLieGive10)
{
    for (uint32_t size : {0x7FFFFFFFu, 0xFFFFFFFFu, 0x20000001u, static_cast<uint32_t>(n * 2000)}) {
        SCOPED_TRACE(size);
        Bytes big = zipped;
        Put32(big, 22, size);
        EXPECT_EQ(OpenBytes(big), kErrIo);
    }
    for (uint32_t size : {0xFFFFFFF0u, static_cast<uint32_t>(n + 59 + 22 + 1)}) {
        Bytes compressed = zipped;
        Put32(compressed, 18, size);
        EXPECT_EQ(OpenBytes(compressed), kErrIo);
    }
    Bytes extra = zipped;
    Put16(extra, 28, 0xFFFF);
    EXPECT_EQ(OpenBytes(extra), kErrIo);
    Bytes name = zipped; // the name runs past the end: not our entry
    Put16(name, 26, 0xFFFF);
    EXPECT_EQ(OpenBytes(name), kErrFormat);
}

TEST_F(ZipContainerTest, Unpack_truncatedArchives)
{
    const auto cut = [this](size_t length) { return Bytes(zipped.begin(), zipped.begin() + static_cast<long>(length)); };
    EXPECT_EQ(OpenBytes(cut(42 + n / 2)), kErrIo);
    EXPECT_EQ(OpenBytes(cut(42 + n - 1)), kErrIo);
    EXPECT_EQ(OpenBytes(cut(43)), kErrIo);
    EXPECT_EQ(OpenBytes(cut(36)), kErrFormat); // the name is cut
    EXPECT_EQ(OpenBytes(cut(20)), kErrFormat);
    EXPECT_EQ(OpenBytes(cut(3)), kErrFormat);
    // Only the local header is read: the central directory may be missing.
    EXPECT_EQ(OpenBytes(cut(42 + n)), kErrReadOnly);
    EXPECT_EQ(DumpModel(root), model);
}

TEST_F(ZipContainerTest, HasProjectEntry_nameDecides)
{
    Bytes other = zipped;
    other[30] = 'x'; // "xin-qvia.wqv"
    EXPECT_EQ(OpenBytes(other), kErrFormat);
    Bytes upper = zipped;
    for (size_t i = 30; i < 42; ++i)
        upper[i] = static_cast<unsigned char>(std::toupper(upper[i]));
    EXPECT_EQ(OpenBytes(upper), kErrReadOnly);
    // A later entry of the right name does not help.
    EXPECT_EQ(OpenBytes(Fixture(L"damaged-zip-other-first.wqv")), kErrFormat);
    // Written by another tool: deflated, and stored under a capitalised name.
    EXPECT_EQ(OpenBytes(Fixture(L"project-zip-deflate.wqv")), kErrReadOnly);
    EXPECT_EQ(OpenBytes(Fixture(L"project-zip-stored-upper.wqv")), kErrReadOnly);
}

} // namespace
