// The older format's row splitter and section reader.
#include "CsvParser.h"
#include "LegacyProject.h"
#include "QV2DRes.h"

#include <gtest/gtest.h>

namespace {

using Fields = std::vector<std::wstring>;

Fields Split(const CCSVParser& parser, const wchar_t* row, int* count = nullptr)
{
    Fields fields{L"stale", L"stale", L"stale", L"stale", L"stale", L"stale"};
    const int n = parser.SplitRow(row, fields);
    if (count)
        *count = n;
    return fields;
}

TEST(CsvParser, SplitRow_leavesExactlyThisRowsFields)
{
    const CCSVParserInt parser;
    int count = -1;
    EXPECT_EQ(Split(parser, L"a;b;c", &count), (Fields{L"a", L"b", L"c"}));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(Split(parser, L"", &count), Fields{});
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Split(parser, L"a;", &count), (Fields{L"a", L""}));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(Split(parser, L";"), (Fields{L"", L""}));
    EXPECT_EQ(Split(parser, L"only"), Fields{L"only"});
}

TEST(CsvParser, SplitRow_quotesAndLineBreaks)
{
    const CCSVParserInt parser;
    EXPECT_EQ(Split(parser, L"\"a;b\";c"), (Fields{L"a;b", L"c"}));
    EXPECT_EQ(Split(parser, L"\"say \"\"hi\"\"\""), Fields{L"say \"hi\""});
    EXPECT_EQ(Split(parser, L"\"quoted\" tail;x"), (Fields{L"quoted tail", L"x"}));
    EXPECT_EQ(Split(parser, L"\"open to the end;x"), Fields{L"open to the end;x"});
    EXPECT_EQ(Split(parser, L"one!#two;!#"), (Fields{L"one\r\ntwo", L"\r\n"}));
    EXPECT_EQ(Split(parser, L"mid\"quote;x"), (Fields{L"mid\"quote", L"x"}));
}

TEST(CsvParser, SplitRow_separatorSetsAndNone)
{
    const CCSVParser several(L";,", L"");
    EXPECT_EQ(Split(several, L"a,b;c!#"), (Fields{L"a", L"b", L"c!#"}));
    const CCSVParser none(L"", L"");
    int count = -1;
    EXPECT_EQ(Split(none, L"a;b", &count), Fields{L"a;b"});
    EXPECT_EQ(count, 1);
}

TEST(CsvParser, ReadSectionLines_frame)
{
    std::vector<std::wstring> rows{L"stale"};
    const std::wstring text = L"[Holidays] comment\r\n1;a\r\n2;b\r\n\r\n3;ignored\r\n"
                              L"x[Holidays]\r\n4;not a header\r\n"
                              L"[Other]\r\n[Holidays]\n5;lf only\n6\n7;after a short line\n"
                              L"[Holidays]\r\n8;at the end";
    EXPECT_EQ(legacy::ReadSectionLines(text, IDS_LEGACY_HOLIDAYS, rows), 4);
    EXPECT_EQ(rows, (std::vector<std::wstring>{L"1;a", L"2;b", L"5;lf only", L"8;at the end"}));
    EXPECT_EQ(legacy::ReadSectionLines(text, IDS_LEGACY_FILTERS, rows), 0);
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(legacy::ReadSectionLines(text, 4321, rows), 0); // no such string
    EXPECT_EQ(legacy::ReadSectionLines(L"[Holidays]", IDS_LEGACY_HOLIDAYS, rows), 0);
}

} // namespace
