// Value text forms of project documents, and the version-number rule.
#include "ProjectDocument.h"
#include "XmlValues.h"

#include <gtest/gtest.h>

namespace {

TEST(XmlValues, Colors)
{
    EXPECT_EQ(xmlv::ColorText(0x80FF01), L"1 255 128");
    EXPECT_EQ(xmlv::ParseColor(L"1 255 128", 7), 0x80FF01u);
    EXPECT_EQ(xmlv::ParseColor(L"", 0xFFFFFF), 0xFFFFFFu);
    EXPECT_EQ(xmlv::ParseColor(L"10", 0), 10u);
    EXPECT_EQ(xmlv::ParseColor(L"  10\t20 x 30", 0), 10u + 20u * 256u);
    EXPECT_EQ(xmlv::ParseColor(L"red", 0xFFFFFF), 0u);
    EXPECT_EQ(xmlv::ParseColor(L"300 0 0", 0), 300u); // carried into green, kept to 24 bits
    EXPECT_EQ(xmlv::ParseColor(L"-1 0 0", 0), 0xFFFFFFu);
}

TEST(XmlValues, Numbers)
{
    int i = 42;
    EXPECT_TRUE(xmlv::ParseWholeInt(L" -7\r\n", i));
    EXPECT_EQ(i, -7);
    EXPECT_FALSE(xmlv::ParseWholeInt(L"7 7", i));
    EXPECT_FALSE(xmlv::ParseWholeInt(L"2147483648", i));
    EXPECT_FALSE(xmlv::ParseWholeInt(L"", i));
    EXPECT_EQ(i, -7);
    double d = 5;
    EXPECT_TRUE(xmlv::ParseReadableDouble(L"1e+06", d));
    EXPECT_DOUBLE_EQ(d, 1e6);
    EXPECT_TRUE(xmlv::ParseReadableDouble(L" -.5x", d));
    EXPECT_DOUBLE_EQ(d, -0.5);
    d = 5;
    EXPECT_FALSE(xmlv::ParseReadableDouble(L"", d));
    EXPECT_FALSE(xmlv::ParseReadableDouble(L"abc", d));
    EXPECT_FALSE(xmlv::ParseReadableDouble(L"--1", d));
    EXPECT_DOUBLE_EQ(d, 5.0);
}

TEST(XmlValues, DatesAndTimes)
{
    EXPECT_EQ(xmlv::DateText(TDate::FromYMD(1, 2024, 31)), L"20240131");
    EXPECT_EQ(xmlv::TimeText(485), L"08:05");
    EXPECT_EQ(xmlv::TimeText(1440), L"24:00");
}

TEST(ProjectDocument, VersionNumber_rule)
{
    EXPECT_DOUBLE_EQ(projectdoc::VersionNumber(L"2.0.1.1"), 2.0);
    EXPECT_DOUBLE_EQ(projectdoc::VersionNumber(L"3,5"), 3.5);
    EXPECT_DOUBLE_EQ(projectdoc::VersionNumber(L"10"), 10.0);
    EXPECT_DOUBLE_EQ(projectdoc::VersionNumber(L" 2 . 1 beta"), 2.1);
    EXPECT_DOUBLE_EQ(projectdoc::VersionNumber(L""), 0.0);
    EXPECT_DOUBLE_EQ(projectdoc::VersionNumber(L"v2"), 0.0);
    EXPECT_DOUBLE_EQ(projectdoc::OwnVersionNumber(), 2.0);
}

} // namespace
