// The delimited-text export: cell cleaning, typed cells and the bytes written, in UTF-16 and in
// a code page.
#include "CoreTestEnv.h"

#include "output/RExportBase.h"
#include "output/TextFile.h"
#include "plugin/ReportCallbacks.h"

#include "fw/MessageBox.h"

#include <vector>

namespace {

using rtest::Day;

class CTableExport : public CRUDFExportBase {
public:
    int Export(const wchar_t* path) override { return Write(path); }
};

// UTF-16LE bytes of a text, after the byte-order mark.
std::string Utf16Bytes(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

class CMessageRecorder : public fw::IMessageSink {
public:
    CMessageRecorder() : m_previous(fw::SetMessageSink(this)) {}
    ~CMessageRecorder() override { fw::SetMessageSink(m_previous); }
    int Show(HWND, const std::wstring& text, const std::wstring&, UINT flags) override
    {
        texts.push_back(text);
        this->flags = flags;
        return IDOK;
    }
    std::vector<std::wstring> texts;
    UINT flags = 0;

private:
    fw::IMessageSink* m_previous;
};

using RExportBaseTest = ReportTest;

TEST_F(RExportBaseTest, Write_cellsRowsAndTheByteOrderMark)
{
    rtest::CTempFolder folder;
    CTableExport table;
    table.AddText(L"a\r\nb");
    table.AddNumber(-5);
    table.NewRow();
    table.NewRow();
    table.AddColor(RGB(255, 128, 0));
    table.AddDate(Day(3, 1));
    table.AddTime(TTime(8 * 60 + 5));
    EXPECT_EQ(table.size(), 3u);
    ASSERT_EQ(table.Export(folder.File(L"out.txt").c_str()), 0);
    EXPECT_EQ(rtest::ReadBytes(folder.File(L"out.txt")),
              Utf16Bytes(L"a b\t-5\r\n\r\n#FF8000\t2026-03-01\t08:05\r\n"));
}

TEST_F(RExportBaseTest, Write_emptyTableGivesAnEmptyFile)
{
    rtest::CTempFolder folder;
    CTableExport table;
    ASSERT_EQ(table.Export(folder.File(L"empty.txt").c_str()), 0);
    EXPECT_TRUE(rtest::FileExists(folder.File(L"empty.txt")));
    EXPECT_EQ(rtest::ReadBytes(folder.File(L"empty.txt")), "");
}

TEST_F(RExportBaseTest, CleanCell_lineBreaksAndDelimiterBySettings)
{
    {
        host::SetSetting(L"ReportsExportNewlineReplacementEmpty", L"1");
        CTableExport table;
        EXPECT_EQ(table.CleanCell(L"a\r\nb"), L"ab");
        EXPECT_EQ(table.CleanCell(L"\r\"Quoted\" end"), L"\"\"\"Quoted\"\" end\"");
    }
    {
        host::SetSetting(L"ReportsExportNewlineReplacementEmpty", L"");
        host::SetSetting(L"ReportsExportNewlineReplace", L"0");
        CTableExport table;
        EXPECT_EQ(table.CleanCell(L"a\r\nb"), L"\"a\nb\"");
    }
    {
        host::SetSetting(L"ReportsExportNewlineReplace", L"");
        host::SetSetting(L"ReportsExportNewlineReplacement", L" // ");
        host::SetSetting(L"ReportsExportDelimiter", L"\"");
        host::SetSetting(L"ReportsExportSeparator", L";");
        CTableExport table;
        EXPECT_EQ(table.CleanCell(L"say \"hi\"\nnow"), L"\"say \"hi\" // now\"");
        // The delimiter comes first: a leading quote of the text stays as it is.
        EXPECT_EQ(table.CleanCell(L"\"hi\" now"), L"\"\"hi\" now\"");
        EXPECT_EQ(table.Separator, L";");
    }
}

TEST_F(RExportBaseTest, Write_codePageWithoutMark)
{
    host::SetSetting(L"ReportsExportEncodingUnicode", L"0");
    host::SetSetting(L"ReportsExportEncodingCodepage", L"1252");
    host::SetSetting(L"ReportsExportUseLocalizedDate", L"0");
    rtest::CTempFolder folder;
    CTableExport table;
    table.AddText(L"caf\u00E9");
    table.AddDate(Day(3, 1));
    table.AddText(L"\u4E2D");
    ASSERT_EQ(table.Export(folder.File(L"ansi.txt").c_str()), 0);
    EXPECT_EQ(rtest::ReadBytes(folder.File(L"ansi.txt")), "caf\xE9\t20260301\t?\r\n");
}

TEST_F(RExportBaseTest, AddColor_usesThePictureOfTheSettingEveryTime)
{
    CTableExport table;
    host::SetSetting(L"ReportsExportColorFormat", L"%d,%d,%d");
    table.AddColor(RGB(1, 2, 3));
    host::SetSetting(L"ReportsExportColorFormat", L"");
    table.AddColor(RGB(1, 2, 3));
    EXPECT_EQ(table[0], (ExportRow{L"1,2,3", L"#010203"}));
}

TEST_F(RExportBaseTest, Write_badPathsReportOnceAndWriteNothing)
{
    CMessageRecorder messages;
    CTableExport table;
    table.AddText(L"x");
    EXPECT_EQ(table.Export(L""), 1);
    EXPECT_EQ(table.Export(nullptr), 1);
    EXPECT_TRUE(messages.texts.empty());

    rtest::CTempFolder folder;
    const std::wstring path = folder.File(L"missing\\folder\\out.txt");
    EXPECT_EQ(table.Export(path.c_str()), kReportFailedShown);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], L"The file " + path + L" cannot be written.");
    EXPECT_EQ(messages.flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));

    host::SetSetting(L"ReportsErrorMessage", L"0");
    EXPECT_EQ(table.Export(path.c_str()), 1);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(table.size(), 1u); // the table is left as it was
}

TEST_F(RExportBaseTest, UdfCells_namesInOrderAndValuesByType)
{
    wqv2_data::CData* root = rtest::CData::Fresh();
    ASSERT_EQ(root->BeginTransaction(L""), 0);
    ASSERT_EQ(root->ProjectSettings->MarkModified(), 0);
    root->ProjectSettings->AddUserField(wqv2_data::kUserFieldsTask, L"Order", L"QV2UDFInt");
    root->ProjectSettings->AddUserField(wqv2_data::kUserFieldsTask, L"Due", L"QV2UDFDate");
    ASSERT_EQ(root->Commit(), 0);
    CTableExport table;
    EXPECT_TRUE(table.AddUdfHeaderCells(wqv2_data::kUserFieldsTask));
    EXPECT_TRUE(table.AddUdfHeaderCells(wqv2_data::kUserFieldsResource)); // none: still true
    table.NewRow();
    table.AddUdfValueCell(L"0042", L"QV2UDFInt");
    table.AddUdfValueCell(L"20260301", L"QV2UDFDate");
    table.AddUdfValueCell(nullptr, L"QV2UDFInt");
    table.AddUdfValueCell(L"raw", nullptr);
    EXPECT_EQ(table[0], (ExportRow{L"Order", L"Due"}));
    EXPECT_EQ(table[1], (ExportRow{L"42", L"2026-03-01", L"", L"raw"}));
}

// The rows of a report with every kind of cell: texts to quote and to clean, numbers, colours,
// dates, times, costs, durations and typed user-field values.
void AddMixedRows(CRUDFExportBase& table, int rows)
{
    for (int i = 0; i < rows; ++i) {
        table.NewRow();
        table.AddNumber(i - 3);
        table.AddText(i % 7 == 0 ? L"two\r\nlines" : (i % 5 == 0 ? L"say \"a\tb\"" : L"plain caf\u00E9"));
        table.AddColor(RGB(i % 256, 128, 255 - i % 256));
        table.AddDate(Day(1 + i % 12, 1 + i % 28));
        table.AddTime(TTime(i % 1441));
        table.AddCosts(i * 1.005);
        table.AddDuration(i * 37, i % 6, i % 2 == 0);
        table.AddUdfValueCell(L"20260301", L"QV2UDFDate");
        table.AddUdfValueCell(L"2.50", L"QV2UDFDecimal");
        table.AddResourceText(i % 2 ? 1220 : 999999); // a string and a missing one
        table.AddText(L"\xD83D\xDE00");
    }
}

// A run that writes its rows as they are made gives the bytes of the whole table written at
// once, through many buffer loads, in UTF-16 and in a code page, and keeps no rows meanwhile.
TEST_F(RExportBaseTest, BeginWrite_streamedRowsEqualTheTableWrittenAtOnce)
{
    host::SetSetting(L"ReportsExportColorFormat", L"%d-%d-%d");
    host::SetSetting(L"ReportsExportNewlineReplace", L"0");
    rtest::CTempFolder folder;
    for (const wchar_t* unicode : {L"1", L"0"}) {
        host::SetSetting(L"ReportsExportEncodingUnicode", unicode);
        host::SetSetting(L"ReportsExportEncodingCodepage", L"65001");
        CTableExport table;
        AddMixedRows(table, 3000);
        ASSERT_EQ(table.Write(folder.File(L"table.txt").c_str()), 0);

        CTableExport streamed;
        ASSERT_EQ(streamed.BeginWrite(folder.File(L"streamed.txt").c_str()), 0);
        AddMixedRows(streamed, 3000);
        EXPECT_EQ(streamed.size(), 0u);
        ASSERT_EQ(streamed.Write(nullptr), 0);

        const std::string bytes = rtest::ReadBytes(folder.File(L"table.txt"));
        EXPECT_GT(bytes.size(), 3 * unicode_helper::CTextFile::kBufferBytes);
        EXPECT_TRUE(bytes == rtest::ReadBytes(folder.File(L"streamed.txt"))) << "unicode " << (unicode[0] == L'1');
    }
    // An empty path touches nothing; a file that cannot be made is told as by Write.
    CMessageRecorder messages;
    CTableExport table;
    EXPECT_EQ(table.BeginWrite(L""), 1);
    EXPECT_TRUE(messages.texts.empty());
    const std::wstring bad = folder.File(L"missing\\out.txt");
    EXPECT_EQ(table.BeginWrite(bad.c_str()), kReportFailedShown);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], L"The file " + bad + L" cannot be written.");
}

// Cells made straight into the rows of a run: one that holds the separator's first character or
// the whole separator, a line break or a quote, and texts longer than the rows' room, come out as
// the table writes them.
TEST_F(RExportBaseTest, BeginWrite_cellsToCleanAndLongCellsEqualTheTable)
{
    host::SetSetting(L"ReportsExportSeparator", L", ");
    host::SetSetting(L"ReportsExportDelimiter", L"\"");
    host::SetSetting(L"ReportsExportNewlineReplacement", L"<br>");
    host::SetSetting(L"ReportsExportColorFormat", L"%d,%d,%d");
    std::wstring longText(40000, L'x');
    longText[39990] = L',';
    longText[39991] = L' ';
    const std::wstring longLine = L"a\n" + longText;
    auto addRows = [&](CRUDFExportBase& table) {
        AddMixedRows(table, 50);
        for (int i = 0; i < 6; ++i) {
            table.NewRow();
            table.AddText(L"1,5");
            table.AddText(longText.c_str());
            table.AddText(std::wstring_view(longLine));
            table.AddColor(RGB(i, 2, 3));
            table.AddText(L"say \"hi\", then");
            table.AddText(i % 2 ? longLine.c_str() : L"");
            table.AddCosts(-1.5 * i);
        }
    };
    rtest::CTempFolder folder;
    for (const wchar_t* unicode : {L"1", L"0"}) {
        host::SetSetting(L"ReportsExportEncodingUnicode", unicode);
        CTableExport table;
        addRows(table);
        ASSERT_EQ(table.Write(folder.File(L"table.txt").c_str()), 0);

        CTableExport streamed;
        ASSERT_EQ(streamed.BeginWrite(folder.File(L"streamed.txt").c_str()), 0);
        addRows(streamed);
        ASSERT_EQ(streamed.Write(nullptr), 0);

        const std::string bytes = rtest::ReadBytes(folder.File(L"table.txt"));
        EXPECT_GT(bytes.size(), 6 * longText.size());
        EXPECT_TRUE(bytes == rtest::ReadBytes(folder.File(L"streamed.txt"))) << "unicode " << (unicode[0] == L'1');
    }
}

// An export that runs out of memory half way: the user is told that memory ran out (for print
// too), the result says so, and no half file stays behind.
class COutOfMemoryExport : public CRUDFExportBase {
public:
    int Export(const wchar_t* path) override
    {
        if (const int opened = BeginWrite(path); opened != 0)
            return opened;
        AddMixedRows(*this, 5000);
        std::vector<char> more;
        more.reserve(more.max_size()); // no process gets this much
        return Write(path);
    }
};

TEST_F(RExportBaseTest, OutOfMemory_isShownAndLeavesNoFile)
{
    CMessageRecorder messages;
    rtest::CTempFolder folder;
    const std::wstring path = folder.File(L"big.txt");
    EXPECT_EQ((FileCallback<COutOfMemoryExport, &COutOfMemoryExport::Export>(path.c_str())), kReportFailedShown);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], L"There is not enough memory to complete the operation.");
    EXPECT_EQ(messages.flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_FALSE(rtest::FileExists(path));

    EXPECT_EQ(RunGuarded([]() -> int { throw std::bad_alloc(); }, nullptr), kReportFailedShown);
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[1], L"There is not enough memory to complete the operation.");

    host::SetSetting(L"ReportsErrorMessage", L"0");
    EXPECT_EQ((FileCallback<COutOfMemoryExport, &COutOfMemoryExport::Export>(path.c_str())), 1);
    EXPECT_EQ(RunGuarded([]() -> int { throw std::bad_alloc(); }, nullptr), 1);
    EXPECT_EQ(messages.texts.size(), 2u);
}

// The buffered file: many small writes and one larger than the buffer give the bytes of the
// texts in order; a code-page text converted in pieces keeps a surrogate pair that meets the
// end of a piece whole.
TEST_F(RExportBaseTest, TextFile_bytesThroughTheBufferInOrder)
{
    rtest::CTempFolder folder;
    std::wstring all;
    {
        unicode_helper::CTextFile file;
        ASSERT_TRUE(file.Open(folder.File(L"utf16.txt")));
        for (int i = 0; i < 20000; ++i) {
            const std::wstring line = L"row " + std::to_wstring(i) + L"\r\n";
            ASSERT_TRUE(file.Write(line));
            all += line;
        }
        const std::wstring large(unicode_helper::CTextFile::kBufferBytes, L'\u00E9');
        ASSERT_TRUE(file.WriteString(large.c_str()));
        all += large;
        ASSERT_TRUE(file.Write(L"end"));
        all += L"end";
        EXPECT_TRUE(file.Close());
    }
    EXPECT_EQ(rtest::ReadBytes(folder.File(L"utf16.txt")), Utf16Bytes(all));

    unicode_helper::CTextFile file;
    file.Unicode = false;
    file.CodePage = CP_UTF8;
    ASSERT_TRUE(file.Open(folder.File(L"utf8.txt")));
    // Each piece is a quarter of the buffer in units: the pair straddles the first boundary.
    const size_t piece = unicode_helper::CTextFile::kBufferBytes / 4;
    std::wstring text(piece - 1, L'a');
    text += L"\xD83D\xDE00";
    text += std::wstring(piece * 2, L'b');
    ASSERT_TRUE(file.Write(text));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(rtest::ReadBytes(folder.File(L"utf8.txt")),
              std::string(piece - 1, 'a') + "\xF0\x9F\x98\x80" + std::string(piece * 2, 'b'));
}

// A file whose writes fail: the failure is told by the write that meets it or by Close, and
// never turns into success afterwards.
TEST_F(RExportBaseTest, TextFile_failedWriteIsToldByWriteOrClose)
{
    const std::wstring name = L"\\\\.\\pipe\\qv2r-textfile-" + std::to_wstring(GetCurrentProcessId());
    HANDLE server = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 4096, 0,
                                     nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    unicode_helper::CTextFile file;
    const bool opened = file.Open(name);
    CloseHandle(server); // nobody reads: every write to the pipe fails
    ASSERT_TRUE(opened);
    EXPECT_TRUE(file.Write(L"small")); // still in the buffer
    EXPECT_FALSE(file.Close());

    server = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(file.Open(name));
    CloseHandle(server);
    EXPECT_FALSE(file.Write(std::wstring(unicode_helper::CTextFile::kBufferBytes, L'x')));
    EXPECT_FALSE(file.Write(L"more"));
    EXPECT_FALSE(file.Close());
    EXPECT_TRUE(file.Close()); // nothing open any more
}

} // namespace
