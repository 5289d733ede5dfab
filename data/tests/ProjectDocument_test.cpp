// The project document through QV2D.dll: the frame and its exact text, escaping, versions,
// plug-in hooks, the reading rules of resources and tasks, and malformed markup.
#include "FileTestEnv.h"

namespace {

using namespace qv2dtest;
using namespace wqv2_data;

const wchar_t* const kProlog = L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n";

std::wstring Doc(const std::wstring& data, const std::wstring& required = L"2.0", const std::wstring& full = L"2.0")
{
    return std::wstring(kProlog) + L"<Win-Quorvia>\r\n\t<FileInfo>\r\n\t\t<DllRequiredVersion>" + required +
           L"</DllRequiredVersion>\r\n\t\t<DllRequiredVersionFull>" + full +
           L"</DllRequiredVersionFull>\r\n\t</FileInfo>\r\n\t<Data>\r\n" + data + L"\t</Data>\r\n</Win-Quorvia>\r\n";
}

std::wstring TaskXml(const std::wstring& id, const std::wstring& extra = L"")
{
    return L"<Task><ID>" + id + L"</ID><Name>t" + id +
           L"</Name><DateStart>20240105</DateStart><TimeStart>08:00</TimeStart><DateEnd>20240105</DateEnd>"
           L"<TimeEnd>09:00</TimeEnd>" +
           extra + L"</Task>";
}

std::wstring ResourceXml(const std::wstring& id, const std::wstring& inner = L"", const std::wstring& name = L"r")
{
    return L"<Resource><ID>" + id + L"</ID><Name>" + name + L"</Name>" + inner + L"</Resource>";
}

std::wstring Resources(const std::wstring& items) { return L"<Resources>" + items + L"</Resources>\r\n"; }

const wchar_t* PluginWriterA() { return L"\t<PluginA>1</PluginA>\r\n"; }
const wchar_t* PluginWriterB() { return L"\t<PluginB/>\r\n"; }
const wchar_t* PluginWriterNull() { return nullptr; }

std::wstring gReaderSaw;
int gReaderCalls = 0;
int PluginReaderAccepts(const wchar_t* text)
{
    ++gReaderCalls;
    gReaderSaw = text;
    return 0;
}
int PluginReaderRefuses(const wchar_t*) { return 5; }

class ProjectDocumentTest : public FileTest {
protected:
    // Writes the document as a UTF-16 file of its own and opens it.
    int OpenText(const std::wstring& text)
    {
        const std::wstring path = Path(L"doc" + std::to_wstring(++m_files) + L".wqv");
        WriteFileBytes(path, Utf16File(text));
        return root->Open(path.c_str(), false);
    }
    std::wstring SavedText()
    {
        const std::wstring path = Path(L"saved" + std::to_wstring(++m_files) + L".wqv");
        if (root->Save(path.c_str(), false) != 0)
            return L"(save failed)";
        return Utf16Text(ReadFileBytes(path));
    }

private:
    int m_files = 0;
};

TEST_F(ProjectDocumentTest, WriteDocument_frameInOrder)
{
    const std::wstring text = SavedText();
    ASSERT_GE(text.size(), 41u);
    EXPECT_EQ(text.substr(0, 41), kProlog);
    const std::wstring fileInfo =
        L"<Win-Quorvia>\r\n\t<FileInfo>\r\n\t\t<Application>Win-Quorvia2-Viewer</Application>\r\n"
        L"\t\t<AppVersion>2.0.1.1</AppVersion>\r\n\t\t<DllVersion>2.0.1.1</DllVersion>\r\n"
        L"\t\t<DllRequiredVersion>2.0</DllRequiredVersion>\r\n\t\t<DllRequiredVersionFull>2.0</DllRequiredVersionFull>\r\n"
        L"\t</FileInfo>\r\n\t<Data>\r\n";
    EXPECT_EQ(text.substr(41, fileInfo.size()), fileInfo);
    // Settings, holidays, resources, filters, calendars; empty collections as empty elements.
    const size_t holidays = text.find(L"\t\t<Holidays/>\r\n");
    const size_t resources = text.find(L"\t\t<Resources/>\r\n");
    const size_t filters = text.find(L"\t\t<Filters/>\r\n");
    const size_t calendars = text.find(L"\t\t<Calendars/>\r\n");
    ASSERT_NE(holidays, std::wstring::npos);
    EXPECT_LT(holidays, resources);
    EXPECT_LT(resources, filters);
    EXPECT_LT(filters, calendars);
    EXPECT_NE(resources, std::wstring::npos);
    EXPECT_EQ(text.substr(calendars), L"\t\t<Calendars/>\r\n\t</Data>\r\n</Win-Quorvia>\r\n");
}

TEST_F(ProjectDocumentTest, WriteDocument_resourceAndTaskElementsExactly)
{
    CResource* r = AddResource(L"Crane");
    ASSERT_NE(r, nullptr);
    CTask* t = AddTask(r, Day(1, 5), 8 * 60 + 5, Day(1, 6), 17 * 60, L"Lift");
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(Begin(), 0);
    t->MarkModified();
    t->ColorBk = 0x80FF00; // red 0, green 255, blue 128
    t->CostsVariable = 2.5;
    t->SetUserFieldValue(L"B", L"2");
    t->SetUserFieldValue(L"A", L"1");
    ASSERT_EQ(Commit(), 0);
    const std::wstring expected =
        L"\t\t<Resources>\r\n"
        L"\t\t\t<Resource>\r\n"
        L"\t\t\t\t<ID>1</ID>\r\n"
        L"\t\t\t\t<CalendarID>-1</CalendarID>\r\n"
        L"\t\t\t\t<Position>0</Position>\r\n"
        L"\t\t\t\t<Name>Crane</Name>\r\n"
        L"\t\t\t\t<Note/>\r\n"
        L"\t\t\t\t<ColorFg>0 0 0</ColorFg>\r\n"
        L"\t\t\t\t<ColorLabelBk>255 255 255</ColorLabelBk>\r\n"
        L"\t\t\t\t<ColorScheduleBk>255 255 255</ColorScheduleBk>\r\n"
        L"\t\t\t\t<FontBold>0</FontBold>\r\n"
        L"\t\t\t\t<CostsVariable>0</CostsVariable>\r\n"
        L"\t\t\t\t<CostsFixed>0</CostsFixed>\r\n"
        L"\t\t\t\t<CostsTimeUnit>0</CostsTimeUnit>\r\n"
        L"\t\t\t\t<UserDefinedFields/>\r\n"
        L"\t\t\t\t<Recurrences/>\r\n"
        L"\t\t\t\t<Tasks>\r\n"
        L"\t\t\t\t\t<Task>\r\n"
        L"\t\t\t\t\t\t<ID>1</ID>\r\n"
        L"\t\t\t\t\t\t<Name>Lift</Name>\r\n"
        L"\t\t\t\t\t\t<Note/>\r\n"
        L"\t\t\t\t\t\t<DateStart>20240105</DateStart>\r\n"
        L"\t\t\t\t\t\t<TimeStart>08:05</TimeStart>\r\n"
        L"\t\t\t\t\t\t<DateEnd>20240106</DateEnd>\r\n"
        L"\t\t\t\t\t\t<TimeEnd>17:00</TimeEnd>\r\n"
        L"\t\t\t\t\t\t<ColorFg>0 0 0</ColorFg>\r\n"
        L"\t\t\t\t\t\t<ColorBk>0 255 128</ColorBk>\r\n"
        L"\t\t\t\t\t\t<FontBold>0</FontBold>\r\n"
        L"\t\t\t\t\t\t<CostsCalculate>0</CostsCalculate>\r\n"
        L"\t\t\t\t\t\t<CostsVariable>2.5</CostsVariable>\r\n"
        L"\t\t\t\t\t\t<CostsFixed>0</CostsFixed>\r\n"
        L"\t\t\t\t\t\t<CostsTimeUnit>0</CostsTimeUnit>\r\n"
        L"\t\t\t\t\t\t<UserDefinedFields>\r\n"
        L"\t\t\t\t\t\t\t<UserDefinedField>\r\n"
        L"\t\t\t\t\t\t\t\t<Name>A</Name>\r\n"
        L"\t\t\t\t\t\t\t\t<Value>1</Value>\r\n"
        L"\t\t\t\t\t\t\t</UserDefinedField>\r\n"
        L"\t\t\t\t\t\t\t<UserDefinedField>\r\n"
        L"\t\t\t\t\t\t\t\t<Name>B</Name>\r\n"
        L"\t\t\t\t\t\t\t\t<Value>2</Value>\r\n"
        L"\t\t\t\t\t\t\t</UserDefinedField>\r\n"
        L"\t\t\t\t\t\t</UserDefinedFields>\r\n"
        L"\t\t\t\t\t</Task>\r\n"
        L"\t\t\t\t</Tasks>\r\n"
        L"\t\t\t</Resource>\r\n"
        L"\t\t</Resources>\r\n";
    EXPECT_NE(SavedText().find(expected), std::wstring::npos) << SavedText();
}

TEST_F(ProjectDocumentTest, Escaping_roundTrip)
{
    CResource* r = AddResource(L"a&b<c>d");
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(Begin(), 0);
    r->MarkModified();
    r->SetNote(L"&lt;");
    ASSERT_EQ(Commit(), 0);
    const std::wstring text = SavedText();
    EXPECT_NE(text.find(L"<Name>a&amp;b&lt;c&gt;d</Name>"), std::wstring::npos);
    EXPECT_NE(text.find(L"<Note>&amp;lt;</Note>"), std::wstring::npos);
    ASSERT_EQ(OpenText(text), 0);
    EXPECT_STREQ(root->Resources->GetAt(0)->Name, L"a&b<c>d");
    EXPECT_STREQ(root->Resources->GetAt(0)->Note, L"&lt;");
}

TEST_F(ProjectDocumentTest, ReadDocument_requiredVersions)
{
    EXPECT_EQ(OpenText(Doc(L"", L"2.1")), kErrNewerVersion);
    EXPECT_EQ(OpenText(Doc(L"", L"3,5")), kErrNewerVersion);
    EXPECT_EQ(OpenText(Doc(L"", L"10")), kErrNewerVersion);
    EXPECT_EQ(OpenText(Doc(L"", L"2.0.9.9")), 0); // read as 2.0
    EXPECT_EQ(OpenText(Doc(L"", L" 1. 9")), 0);
    // The full version is only reported.
    ASSERT_EQ(OpenText(Doc(L"", L"2.0", L"2.5")), 0);
    double full = 0;
    EXPECT_EQ(root->GetFileInfo(kInfoFullVersion, &full), 2);
    EXPECT_DOUBLE_EQ(full, 2.5);
    ASSERT_EQ(OpenText(Doc(L"", L"2.0", L"1,5")), 0);
    EXPECT_EQ(root->GetFileInfo(kInfoFullVersion, &full), 1);
    EXPECT_DOUBLE_EQ(full, 1.5);
}

TEST_F(ProjectDocumentTest, ReadDocument_requiredElementsAndOptionalSections)
{
    EXPECT_EQ(OpenText(std::wstring(kProlog) + L"<Win-Quorvia><Data/></Win-Quorvia>"), kErrFormat);
    EXPECT_EQ(OpenText(std::wstring(kProlog) + L"<Win-Quorvia><FileInfo/></Win-Quorvia>"), kErrFormat);
    // No version elements at all: nothing to compare, nothing refused.
    ASSERT_EQ(OpenText(std::wstring(kProlog) + L"<Win-Quorvia><FileInfo/><Data/></Win-Quorvia>"), 0);
    EXPECT_EQ(root->GetFileInfo(kInfoFullVersion, nullptr), 1);
    // Missing collections leave them empty; foreign children of a collection are skipped.
    ASSERT_EQ(OpenText(Doc(Resources(L"<Note>x</Note>" + ResourceXml(L"4") + L"<Other><ID>9</ID></Other>"))), 0);
    EXPECT_EQ(root->Resources->GetCount(nullptr), 1);
    EXPECT_EQ(root->Holidays->GetCount(), 0);
}

TEST_F(ProjectDocumentTest, ReadDocument_commentsAndDeclarationsAreIgnored)
{
    const std::wstring data = L"<!-- resources follow --><?pi data?>" +
                              Resources(L"<!DOCTYPE none>" + ResourceXml(L"2", L"<!-- note -->", L"named"));
    ASSERT_EQ(OpenText(Doc(data)), 0);
    ASSERT_EQ(root->Resources->GetCount(nullptr), 1);
    EXPECT_STREQ(root->Resources->GetAt(0)->Name, L"named");
}

TEST_F(ProjectDocumentTest, ReadDocument_greaterThanInTextIsText)
{
    // Other writers may leave ">" unescaped in character data, as XML allows.
    ASSERT_EQ(OpenText(Doc(Resources(ResourceXml(L"2", L"<Note>a > b >> c</Note>")))), 0);
    EXPECT_STREQ(root->Resources->GetAt(0)->Note, L"a > b >> c");
}

TEST_F(ProjectDocumentTest, ReadDocument_idsMustBePositiveAndUnique)
{
    AddResource(L"before");
    const std::wstring before = DumpModel(root);
    for (const wchar_t* id : {L"0", L"-3", L"2147483647", L"abc", L"", L"7x"}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(OpenText(Doc(Resources(ResourceXml(id)))), kErrFormat);
        EXPECT_EQ(OpenText(Doc(Resources(ResourceXml(L"1", L"<Tasks>" + TaskXml(id) + L"</Tasks>")))), kErrFormat);
        EXPECT_EQ(DumpModel(root), before);
    }
    EXPECT_EQ(OpenText(Doc(Resources(ResourceXml(L"4") + ResourceXml(L"4")))), kErrInvalid);
    EXPECT_EQ(OpenText(Doc(Resources(ResourceXml(L"1", L"<Tasks>" + TaskXml(L"2") + TaskXml(L"2") + L"</Tasks>")))),
              kErrInvalid);
    EXPECT_EQ(DumpModel(root), before);
    // Tasks are numbered per resource: the same task ID under two resources is fine.
    ASSERT_EQ(OpenText(Doc(Resources(ResourceXml(L"1", L"<Tasks>" + TaskXml(L"2") + L"</Tasks>") +
                                     ResourceXml(L"2", L"<Tasks>" + TaskXml(L"2") + L"</Tasks>")))),
              0);
    EXPECT_EQ(root->Resources->GetAt(1)->Tasks->GetAt(0)->ID, 2);
    // Blanks around an ID are allowed.
    ASSERT_EQ(OpenText(Doc(Resources(ResourceXml(L"\r\n 12 \t")))), 0);
    EXPECT_EQ(root->Resources->GetAt(0)->ID, 12);
}

TEST_F(ProjectDocumentTest, ReadDocument_resourceRules)
{
    // Name missing: 8; present but empty: read, then refused by the list with 2.
    EXPECT_EQ(OpenText(Doc(Resources(L"<Resource><ID>1</ID></Resource>"))), kErrFormat);
    EXPECT_EQ(OpenText(Doc(Resources(ResourceXml(L"1", L"", L"")))), kErrInvalid);
    // A calendar ID that names no calendar of the file, unreadable numbers and empty colours.
    const std::wstring inner = L"<CalendarID>4</CalendarID><Position>x</Position><ColorFg></ColorFg>"
                               L"<ColorLabelBk></ColorLabelBk><ColorScheduleBk>10 20</ColorScheduleBk>"
                               L"<CostsVariable>much</CostsVariable><CostsFixed> 7.5e2</CostsFixed><FontBold>2</FontBold>"
                               L"<UserDefinedFields><UserDefinedField><Name>k</Name><Value></Value></UserDefinedField>"
                               L"<UserDefinedField><Name></Name><Value>v</Value></UserDefinedField>"
                               L"<Other><Name>o</Name><Value>v</Value></Other>"
                               L"<UserDefinedField><Name>ok</Name><Value>yes</Value></UserDefinedField></UserDefinedFields>";
    ASSERT_EQ(OpenText(Doc(Resources(ResourceXml(L"1", inner)))), 0);
    CResource* r = root->Resources->GetAt(0);
    EXPECT_EQ(r->Calendar, nullptr);
    EXPECT_EQ(r->Position, 0);
    EXPECT_EQ(r->ColorFg, 0u);
    EXPECT_EQ(r->ColorLabelBk, 0xFFFFFFu);
    EXPECT_EQ(r->ColorScheduleBk, 10u + 20u * 256u);
    EXPECT_DOUBLE_EQ(r->CostsVariable, 0.0);
    EXPECT_DOUBLE_EQ(r->CostsFixed, 750.0);
    EXPECT_TRUE(r->FontBold);
    ASSERT_EQ(r->GetUserFieldCount(), 1);
    EXPECT_STREQ(r->GetUserFieldValue(L"ok"), L"yes");
}

TEST_F(ProjectDocumentTest, ReadDocument_taskRules)
{
    // An ordinary task needs all four dates and times; a template needs none.
    const std::wstring noStart = L"<Task><ID>5</ID><Name>n</Name><TimeStart>08:00</TimeStart><DateEnd>20240105</DateEnd>"
                                 L"<TimeEnd>09:00</TimeEnd></Task>";
    EXPECT_EQ(OpenText(Doc(Resources(ResourceXml(L"1", L"<Tasks>" + noStart + L"</Tasks>")))), kErrFormat);
    EXPECT_EQ(OpenText(Doc(Resources(ResourceXml(L"1", L"<Tasks><Task><ID>5</ID><DateStart>20240105</DateStart>"
                                                     L"</Task></Tasks>")))),
              kErrFormat); // no name
    // End before start: read, then refused by the set.
    EXPECT_EQ(OpenText(Doc(Resources(ResourceXml(
                  L"1", L"<Tasks><Task><ID>5</ID><Name>n</Name><DateStart>20240105</DateStart><TimeStart>10:00</TimeStart>"
                        L"<DateEnd>20240105</DateEnd><TimeEnd>09:00</TimeEnd></Task></Tasks>")))),
              kErrInvalid);
    // Links to a series that this resource does not have are dropped; empty colours default.
    const std::wstring extra = L"<RecurrenceID>3</RecurrenceID><ColorFg></ColorFg><ColorBk></ColorBk>"
                               L"<CostsCalculate>1</CostsCalculate><CostsTimeUnit>2</CostsTimeUnit>";
    ASSERT_EQ(OpenText(Doc(Resources(ResourceXml(L"1", L"<Tasks>" + TaskXml(L"5", extra) + TaskXml(L"6", L"<RecurrenceID>0</RecurrenceID>") +
                                                           L"</Tasks>")))),
              0);
    CTask* t = root->Resources->GetAt(0)->Tasks->GetAt(0);
    EXPECT_EQ(t->Recurrence, nullptr);
    EXPECT_EQ(t->ColorFg, 0u);
    EXPECT_EQ(t->ColorBk, 0xFFFFFFu);
    EXPECT_TRUE(t->CostsCalculate);
    EXPECT_EQ(t->CostsTimeUnit, 2);
    EXPECT_EQ(root->Resources->GetAt(0)->Tasks->GetAt(1)->Recurrence, nullptr);
}

TEST_F(ProjectDocumentTest, ReadDocument_nestingBeyondTheLimitIsRefused)
{
    AddResource(L"kept");
    const std::wstring before = DumpModel(root);
    std::wstring bomb;
    for (int i = 0; i < 5000; ++i)
        bomb += L"<a>";
    EXPECT_EQ(OpenText(Doc(bomb)), kErrFormat);
    EXPECT_EQ(DumpModel(root), before);
    // Deep but within the limit, in a place nobody reads: accepted.
    std::wstring deep;
    for (int i = 0; i < 900; ++i)
        deep += L"<a>";
    for (int i = 0; i < 900; ++i)
        deep += L"</a>";
    EXPECT_EQ(OpenText(Doc(deep)), 0);
}

TEST_F(ProjectDocumentTest, PluginWriters_beforeTheRootEndTagInOrder)
{
    root->AddXmlWriter(PluginWriterA);
    root->AddXmlWriter(PluginWriterNull);
    root->AddXmlWriter(PluginWriterB);
    const std::wstring text = SavedText();
    const std::wstring tail = L"\t</Data>\r\n\t<PluginA>1</PluginA>\r\n\t<PluginB/>\r\n</Win-Quorvia>\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(ProjectDocumentTest, PluginReaders_getTheWholeTextAndMayRefuse)
{
    gReaderCalls = 0;
    root->AddXmlReader(PluginReaderAccepts);
    const std::wstring doc = Doc(Resources(ResourceXml(L"1")));
    ASSERT_EQ(OpenText(doc), 0);
    EXPECT_EQ(gReaderCalls, 1);
    EXPECT_EQ(gReaderSaw, doc);

    root->AddXmlReader(PluginReaderRefuses);
    const std::wstring before = DumpModel(root);
    EXPECT_EQ(OpenText(Doc(Resources(ResourceXml(L"2") + ResourceXml(L"3")))), 5);
    EXPECT_EQ(DumpModel(root), before);
    EXPECT_EQ(gReaderCalls, 2);
}

} // namespace
