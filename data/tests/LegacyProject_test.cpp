// The older sectioned text format through QV2D.dll: recognition, sections and the import of
// resources and tasks.
#include "FileTestEnv.h"

namespace {

using namespace qv2dtest;
using namespace wqv2_data;

// Text in the ANSI code page; the tests keep to ASCII, which every code page shares.
Bytes Ansi(const std::string& text) { return Bytes(text.begin(), text.end()); }

const char* const kFileInfo = "[FileInfo]\r\nApp;Win-Quorvia\r\n\r\n";

class LegacyProjectTest : public FileTest {
protected:
    int OpenLegacy(const std::string& text)
    {
        const std::wstring path = Path(L"old" + std::to_wstring(++m_files) + L".wqv");
        WriteFileBytes(path, Ansi(text));
        return root->Open(path.c_str(), false);
    }

private:
    int m_files = 0;
};

TEST_F(LegacyProjectTest, Open_importsResourcesAndTasks)
{
    ASSERT_EQ(root->Open(CopyFixture(L"legacy.wqv").c_str(), false), 0);
    EXPECT_EQ(root->GetFileInfo(kInfoLegacy, nullptr), 1);
    EXPECT_EQ(root->GetFileInfo(kInfoZipped, nullptr), 2);
    ASSERT_EQ(root->Resources->GetCount(nullptr), 2);
    CResource* anna = root->Resources->GetAt(0);
    EXPECT_EQ(anna->ID, 1);
    EXPECT_EQ(anna->Position, 1);
    EXPECT_STREQ(anna->Name, L"Anna");
    EXPECT_STREQ(anna->Note, L"first row");
    CResource* room = root->Resources->GetAt(1);
    EXPECT_STREQ(room->Name, L"Room; big");
    EXPECT_STREQ(room->Note, L"say \"hi\"");

    ASSERT_EQ(anna->Tasks->GetCount(), 1);
    CTask* kickoff = anna->Tasks->GetAt(0);
    EXPECT_EQ(kickoff->ID, 10);
    EXPECT_EQ(kickoff->DateStart, Day(1, 10));
    EXPECT_EQ(kickoff->TimeStart, 8 * 60);
    EXPECT_EQ(kickoff->TimeEnd, 12 * 60 + 30);
    EXPECT_EQ(kickoff->ColorFg, 0x0000FFu);
    EXPECT_EQ(kickoff->ColorBk, 0xFFFFFFu);
    EXPECT_TRUE(kickoff->FontBold);
    EXPECT_STREQ(kickoff->Name, L"Kick-off");
    EXPECT_STREQ(kickoff->Note, L"line one\r\nline two");
    ASSERT_EQ(room->Tasks->GetCount(), 1);
    EXPECT_STREQ(room->Tasks->GetAt(0)->Name, L"Night shift");
    EXPECT_STREQ(room->Tasks->GetAt(0)->Note, L"");
    EXPECT_EQ(room->Tasks->GetAt(0)->DateEnd, Day(1, 12));

    // Saving writes the document: the file is no longer in the older format.
    ASSERT_EQ(root->Save(L"", false), 0);
    EXPECT_EQ(root->GetFileInfo(kInfoLegacy, nullptr), 2);
    const std::wstring model = DumpModel(root);
    ASSERT_EQ(root->Reload(0), 0);
    EXPECT_EQ(DumpModel(root), model);
}

TEST_F(LegacyProjectTest, Recognition_needsTheExactFileInfoRow)
{
    EXPECT_EQ(OpenLegacy("[FileInfo]\r\napp;Win-Quorvia\r\n"), kErrFormat);
    EXPECT_EQ(OpenLegacy("[FileInfo]\r\nApp;win-quorvia\r\n"), kErrFormat);
    EXPECT_EQ(OpenLegacy("[FileInfo]\r\nApp\r\n"), kErrFormat);
    EXPECT_EQ(OpenLegacy("[Resources]\r\nApp;Win-Quorvia\r\n"), kErrFormat);
    // A header counts only at the start of a line.
    EXPECT_EQ(OpenLegacy("x[FileInfo]\r\nApp;Win-Quorvia\r\n"), kErrFormat);
    EXPECT_EQ(OpenLegacy("Version;1\r\n[FileInfo] trailing words\r\nKey;x\r\nApp;Win-Quorvia;more\r\n"), 0);
    EXPECT_EQ(root->GetFileInfo(kInfoLegacy, nullptr), 1);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 0);
    // Only LF line ends work as well.
    EXPECT_EQ(OpenLegacy("[FileInfo]\nApp;Win-Quorvia\n[Resources]\n4;0;Solo;\n"), 0);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 1);
}

TEST_F(LegacyProjectTest, Sections_endAtEmptyLinesAndRepeat)
{
    const std::string text = std::string(kFileInfo) +
                             "[Resources]\r\n1;0;One;\r\n\r\n2;0;Ignored;\r\n"
                             "[Tasks]\r\n5;3;20240101;08:00;20240101;09:00;;;0;late;\r\n"
                             "[Resources]\r\n3;0;Three;\r\n";
    ASSERT_EQ(OpenLegacy(text), 0);
    ASSERT_EQ(root->Resources->GetCount(nullptr), 2);
    EXPECT_STREQ(root->Resources->GetAt(0)->Name, L"One");
    EXPECT_STREQ(root->Resources->GetAt(1)->Name, L"Three");
    // The task names a resource of a later section: all resources are read before any task.
    EXPECT_EQ(root->Resources->GetAt(1)->Tasks->GetCount(), 1);
}

TEST_F(LegacyProjectTest, Tasks_findOnlyTheResourcesOfThisFile)
{
    ASSERT_EQ(OpenLegacy(std::string(kFileInfo) + "[Resources]\r\n1;0;Kept;\r\n"), 0);
    const std::wstring before = DumpModel(root);
    // Resource 1 exists in the open project but not in this file.
    EXPECT_EQ(OpenLegacy(std::string(kFileInfo) + "[Resources]\r\n2;0;Other;\r\n[Tasks]\r\n"
                                                  "5;1;20240101;08:00;20240101;09:00;;;0;orphan;\r\n"),
              kErrInvalid);
    EXPECT_EQ(DumpModel(root), before);
    // A task that fails its own test, and a resource without a name.
    EXPECT_EQ(OpenLegacy(std::string(kFileInfo) + "[Resources]\r\n2;0;Other;\r\n[Tasks]\r\n"
                                                  "5;2;20240102;08:00;20240101;09:00;;;0;backwards;\r\n"),
              kErrInvalid);
    EXPECT_EQ(OpenLegacy(std::string(kFileInfo) + "[Resources]\r\n2;0;;\r\n"), kErrInvalid);
    EXPECT_EQ(DumpModel(root), before);
}

} // namespace
