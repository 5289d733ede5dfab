// HTML pages written while they are made: a long page never lies whole in memory, and a write
// that fails midway fails the run with the file message, leaving no page and no created file.
#include "CoreTestEnv.h"

#include "output/HtmlWriter.h"
#include "tasklist/ListTasksDefaultHtml.h"

#include <malloc.h>

#include <atomic>
#include <new>
#include <thread>

namespace {

// Bytes this program holds through operator new, and the most it held since Reset.
std::atomic<long long> gLiveBytes{0};
std::atomic<long long> gPeakBytes{0};

void Count(long long bytes)
{
    const long long live = gLiveBytes += bytes;
    long long peak = gPeakBytes.load();
    while (live > peak && !gPeakBytes.compare_exchange_weak(peak, live)) {
    }
}

void ResetPeak()
{
    gPeakBytes = gLiveBytes.load();
}

} // namespace

// The report code is linked into this program, so its strings and tables are counted here.
void* operator new(size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    Count(static_cast<long long>(_msize(p)));
    return p;
}

void* operator new[](size_t size)
{
    return operator new(size);
}

void operator delete(void* p) noexcept
{
    if (!p)
        return;
    Count(-static_cast<long long>(_msize(p)));
    std::free(p);
}

void operator delete[](void* p) noexcept
{
    operator delete(p);
}

void operator delete(void* p, size_t) noexcept
{
    operator delete(p);
}

void operator delete[](void* p, size_t) noexcept
{
    operator delete(p);
}

namespace {

class HtmlWriterTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        wqv2_data::CResource* anna = rtest::AddResource(L"Anna", 0);
        // A long name on each of kDays occurrences: a page of more than a megabyte.
        ASSERT_NE(rtest::AddDailySeries(anna, std::wstring(300, L'n').c_str(), rtest::Day(1, 1), 480, 60, kDays),
                  nullptr);
        host::SetSetting(L"ReportsListTasksDefaultDateStart", L"20260101");
        host::SetSetting(L"ReportsListTasksDefaultDateEnd", L"20320101");
        for (const wchar_t* key : {L"ColumnsDuration", L"ColumnsWorkingTime", L"ColumnsCosts", L"ColumnsNotes",
                                   L"SumTotal"})
            host::SetSetting(std::wstring(L"ReportsListTasksDefault") + key, L"1");
        host::SetSetting(L"ReportsHtmlCreatedFilesSave", L"1");
    }
    void TearDown() override
    {
        rtest::CData::Fresh();
        ReportTest::TearDown();
    }

    static constexpr int kDays = 2000;
};

TEST_F(HtmlWriterTest, Html_aLongPageIsNeverHeldWhole)
{
    rtest::CTempFolder folder;
    const std::wstring path = folder.File(L"list.htm");
    long long peak = 0;
    {
        CRListTasksDefaultHtml html;
        ResetPeak();
        const long long before = gLiveBytes.load();
        ASSERT_EQ(html.Html(path.c_str()), 0);
        peak = gPeakBytes.load() - before;
    }
    const std::wstring page = rtest::ReadUtf16(path);
    ASSERT_GT(page.size(), 1000000u);
    EXPECT_EQ(page.find(L"<!DOCTYPE"), 0u);
    EXPECT_NE(page.find(L"</table>"), std::wstring::npos);
    EXPECT_NE(page.rfind(L"</html>\n"), std::wstring::npos);
    // Held whole, the page alone would take its own size in memory; written as it is made, the
    // run holds the listed occurrences, the file's buffer and a row or two.
    EXPECT_LT(peak, static_cast<long long>(page.size() * sizeof(wchar_t)) / 4) << "peak bytes " << peak;
    EXPECT_EQ(host::GetSetting(L"ReportsHtmlCreatedFiles"), path);
}

// The page goes to a pipe whose reader takes the first 100,000 bytes and then goes away: the
// later writes fail while the rows are still being made.
TEST_F(HtmlWriterTest, Html_writeFailingMidwayFailsWithTheMessage)
{
    const std::wstring name = L"\\\\.\\pipe\\qv2r-html-" + std::to_wstring(GetCurrentProcessId());
    HANDLE server = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 4096, 0,
                                     nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    std::string received;
    std::thread reader([&] {
        ConnectNamedPipe(server, nullptr);
        char chunk[4096];
        DWORD read = 0;
        while (received.size() < 100000 && ReadFile(server, chunk, sizeof chunk, &read, nullptr) && read > 0)
            received.append(chunk, read);
        CloseHandle(server);
    });
    rtest::CMessageBoxCatcher boxes;
    int result = 0;
    {
        CRListTasksDefaultHtml html;
        result = html.Html(name.c_str());
        EXPECT_TRUE(html.CreatedFiles.empty());
    }
    reader.join();
    EXPECT_EQ(result, kReportFailedShown);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], L"The file " + name + L" cannot be written.");
    EXPECT_EQ(host::GetSetting(L"ReportsHtmlCreatedFiles"), L"");
    // The head had reached the file before the failure.
    ASSERT_GE(received.size(), 100000u);
    EXPECT_EQ(received.substr(0, 4), std::string("\xFF\xFE<\0", 4));

    // A page cut off by a failed write is not left behind as if whole.
    rtest::CTempFolder folder;
    const std::wstring path = folder.File(L"cut.htm");
    {
        CHtmlWriter page;
        ASSERT_TRUE(page.Open(path, true, 1252));
        page.Text() = L"<html>";
        EXPECT_TRUE(page.Commit());
        EXPECT_TRUE(rtest::FileExists(path));
    }
    EXPECT_FALSE(rtest::FileExists(path));
}

} // namespace
