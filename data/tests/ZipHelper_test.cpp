// The ZIP container on its own: packing and unpacking, the DOS time stamp and its clock.
#include "ZipHelper.h"

#include <gtest/gtest.h>


namespace {

CZipHelper::UtcTime FixedClock()
{
    CZipHelper::UtcTime t;
    t.year = 2024;
    t.month = 3;
    t.day = 17;
    t.hour = 13;
    t.minute = 45;
    t.second = 31;
    return t;
}

class ZipHelperTest : public ::testing::Test {
protected:
    void SetUp() override { CZipHelper::SetClock(FixedClock); }
    void TearDown() override { CZipHelper::SetClock(nullptr); }
};

std::vector<unsigned char> Sample(size_t n)
{
    std::vector<unsigned char> bytes(n);
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<unsigned char>("project text "[i % 13] + (i / 977) % 3);
    return bytes;
}

TEST_F(ZipHelperTest, PackUnpack_roundTripAndIdenticalArchives)
{
    for (size_t n : {size_t{0}, size_t{1}, size_t{1000}, size_t{300000}}) {
        SCOPED_TRACE(n);
        const std::vector<unsigned char> input = Sample(n);
        CZipHelper zip;
        ASSERT_TRUE(zip.Pack(input.data(), input.size()));
        CZipHelper again;
        ASSERT_TRUE(again.Pack(input.data(), input.size()));
        EXPECT_EQ(zip.Archive(), again.Archive()); // with a fixed clock the bytes repeat
        CZipHelper out;
        ASSERT_TRUE(out.Unpack(zip.Archive().data(), zip.Archive().size()));
        EXPECT_EQ(out.Unpacked(), input);
        EXPECT_TRUE(CZipHelper::HasProjectEntry(zip.Archive().data(), zip.Archive().size()));
    }
}

TEST_F(ZipHelperTest, Pack_timeStampFromTheClock)
{
    const std::vector<unsigned char> input = Sample(10);
    CZipHelper zip;
    ASSERT_TRUE(zip.Pack(input.data(), input.size()));
    const std::vector<unsigned char>& a = zip.Archive();
    const unsigned time = a[10] | (a[11] << 8);
    const unsigned date = a[12] | (a[13] << 8);
    EXPECT_EQ(date, ((2024u - 1980u) << 9) | (3u << 5) | 17u);
    EXPECT_EQ(time, (13u << 11) | (45u << 5) | 15u);
}

TEST(ZipHelper, ToDos_clampsToTheRangeDosTimeHolds)
{
    uint16_t date = 0;
    uint16_t time = 0;
    CZipHelper::UtcTime early;
    early.year = 1970;
    early.month = 6;
    early.day = 15;
    early.hour = 12;
    CZipHelper::ToDos(early, date, time);
    EXPECT_EQ(date, (0u << 9) | (1u << 5) | 1u); // 1980-01-01
    EXPECT_EQ(time, 0u);
    CZipHelper::UtcTime late;
    late.year = 2200;
    CZipHelper::ToDos(late, date, time);
    EXPECT_EQ(date >> 9, 127u);
    EXPECT_EQ(time, (23u << 11) | (59u << 5) | 29u);
}

} // namespace
