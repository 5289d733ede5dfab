#include "TaskClipboard.h"

#include "CoreFixture.h"

#include <cstdio>
#include <cstring>

namespace {

// A hidden window to own the clipboard: without an owner the clipboard takes no data.
class CClipboardOwner {
public:
    CClipboardOwner()
        : m_hwnd(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr))
    {
    }
    ~CClipboardOwner() { DestroyWindow(m_hwnd); }
    HWND Hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

std::vector<uint8_t> ClipboardBlock(UINT format)
{
    std::vector<uint8_t> bytes;
    if (!OpenClipboard(nullptr))
        return bytes;
    if (HANDLE data = GetClipboardData(format)) {
        const auto* p = static_cast<const uint8_t*>(GlobalLock(data));
        bytes.assign(p, p + GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator)
{
    std::vector<std::wstring> parts(1);
    for (wchar_t c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// Reads the block back the way another program would.
class CBlockReader {
public:
    explicit CBlockReader(const std::vector<uint8_t>& bytes) : m_bytes(bytes) {}
    int32_t Int() { return Take<int32_t>(); }
    uint8_t Byte() { return Take<uint8_t>(); }
    double Double() { return Take<double>(); }
    std::wstring Text()
    {
        const int32_t length = Int();
        std::wstring text(static_cast<size_t>(length), L'\0');
        std::memcpy(text.data(), m_bytes.data() + m_at, static_cast<size_t>(length) * 2);
        m_at += static_cast<size_t>(length) * 2;
        return text;
    }
    size_t At() const { return m_at; }

private:
    template <class T>
    T Take()
    {
        T value{};
        std::memcpy(&value, m_bytes.data() + m_at, sizeof(T));
        m_at += sizeof(T);
        return value;
    }
    const std::vector<uint8_t>& m_bytes;
    size_t m_at = 0;
};

class TaskClipboardTest : public qvtest::CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        bob = data.resources.Add(L"Bob", 1);
        paint = std::make_unique<fake::CFakeTask>(L"Paint", bob);
        paint->Owner = reinterpret_cast<wqv2_data::CTasks*>(bob); // a task of the resource's own set
        paint->DateStart = TDate::FromYMD(3, 2024, 2);
        paint->DateEnd = TDate::FromYMD(3, 2024, 2);
        paint->TimeStart = 8 * 60;
        paint->TimeEnd = 16 * 60 + 30;
        paint->ColorFg = 0x000000;
        paint->ColorBk = 0xFFFFFF;
    }

    static std::wstring Decimals(double value)
    {
        wchar_t text[64] = {};
        std::swprintf(text, 64, L"%f", value);
        return text;
    }

    CClipboardOwner owner;
    fake::CFakeResource* bob = nullptr;
    std::unique_ptr<fake::CFakeTask> paint;
};

TEST_F(TaskClipboardTest, Text_fourteenFieldsForAPlainTask)
{
    const std::wstring line = TaskRecordText(MakeTaskRecord({static_cast<int>(TDate::FromYMD(3, 2024, 2)), paint.get()}));
    const std::vector<std::wstring> fields = Split(line, L'\t');
    ASSERT_EQ(fields.size(), 14u);
    EXPECT_EQ(fields[0], L"\"Paint\"");
    EXPECT_EQ(fields[1], L"\"Bob\"");
    EXPECT_EQ(fields[2], L"\"\"");
    EXPECT_EQ(fields[3], L"20240302");
    EXPECT_EQ(fields[4], L"08:00");
    EXPECT_EQ(fields[5], L"20240302");
    EXPECT_EQ(fields[6], L"16:30");
    EXPECT_EQ(fields[7], L"\"0 0 0\"");
    EXPECT_EQ(fields[8], L"\"255 255 255\"");
    EXPECT_EQ(fields[9], L"0");
    EXPECT_EQ(fields[10], L"0");
    // "%f" follows the run-time locale: six decimals with its separator.
    EXPECT_EQ(fields[11], Decimals(0.0));
    EXPECT_EQ(fields[11].size(), 8u);
    EXPECT_EQ(fields[12], Decimals(0.0));
    EXPECT_EQ(fields[13], L"0");
}

TEST_F(TaskClipboardTest, Text_userFieldsAndUnescapedTabs)
{
    paint->SetName(L"Paint\tred");
    paint->fields = {{L"Room", L"12"}, {L"Link", L"http://x"}};
    paint->CostsVariable = 12.5;
    paint->CostsCalculate = true;
    const std::wstring line = TaskRecordText(MakeTaskRecord({0, paint.get()}));
    const std::vector<std::wstring> fields = Split(line, L'\t');
    // The tab in the name makes one more column; four more come from the two fields.
    ASSERT_EQ(fields.size(), 15u + 4u);
    EXPECT_EQ(fields[0], L"\"Paint");
    EXPECT_EQ(fields[1], L"red\"");
    EXPECT_EQ(fields[11], L"1");
    EXPECT_EQ(fields[12], Decimals(12.5));
    EXPECT_EQ(fields[15], L"\"Room\"");
    EXPECT_EQ(fields[16], L"\"12\"");
    EXPECT_EQ(fields[18], L"\"http://x\"");
}

TEST_F(TaskClipboardTest, Series_theSeriesStartAndEachOccurrencesEnd)
{
    fake::CFakeRecurrence series;
    series.TimeStart = 22 * 60;
    series.Duration = 4 * 60; // ends the next morning
    fake::CFakeTask templateTask(L"Night shift", bob);
    templateTask.ID = -1;
    templateTask.Recurrence = &series;
    templateTask.TimeStart = 1; // the template's own times are not the occurrence's
    const int day1 = static_cast<int>(TDate::FromYMD(5, 2024, 6));
    const int day2 = static_cast<int>(TDate::FromYMD(5, 2024, 13));
    const auto first = Split(TaskRecordText(MakeTaskRecord({day1, &templateTask})), L'\t');
    const auto second = Split(TaskRecordText(MakeTaskRecord({day2, &templateTask})), L'\t');
    EXPECT_EQ(first[3], L"20240506");
    EXPECT_EQ(first[4], L"22:00");
    EXPECT_EQ(first[5], L"20240507");
    EXPECT_EQ(first[6], L"02:00");
    EXPECT_EQ(second[3], L"20240513");
    EXPECT_EQ(second[5], L"20240514");
    // A task of a resource's own set that came from a series keeps its own times.
    paint->Recurrence = &series;
    EXPECT_EQ(Split(TaskRecordText(MakeTaskRecord({0, paint.get()})), L'\t')[4], L"08:00");
}

TEST_F(TaskClipboardTest, Block_seventyBytesForOneCharacterNames)
{
    fake::CFakeTask task(L"P", bob);
    bob->SetName(L"B");
    EXPECT_EQ(TaskRecordsBlock({MakeTaskRecord({0, &task})}).size(), 70u); // 4 + 62 + 2 x 2
    // Without a resource the resource name is empty.
    fake::CFakeTask orphan(L"P", nullptr);
    const CTaskClipboardRecord record = MakeTaskRecord({0, &orphan});
    EXPECT_EQ(record.resourceName, L"");
    EXPECT_EQ(TaskRecordsBlock({record}).size(), 68u);
}

TEST_F(TaskClipboardTest, Copy_bothFormatsReadBackFromTheClipboard)
{
    paint->fields = {{L"Room", L"12"}, {L"Link", L"http://x"}};
    paint->FontBold = true;
    paint->CostsFixed = 99.25;
    paint->CostsTimeUnit = 3;
    fake::CFakeTask second(L"Sand", bob);
    second.DateEnd = TDate::FromYMD(3, 2024, 4);
    second.TimeEnd = 1440; // the end of a day shows as 00:00 of the minute count
    const int day = static_cast<int>(TDate::FromYMD(3, 2024, 2));
    *gSelection = {{day, paint.get()}, {day + 1, &second}};
    CopySelectedTasks(owner.Hwnd());

    const std::vector<std::wstring> lines = Split(qvtest::ClipboardText(), L'\n');
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 16), L"\"Paint\"\t\"Bob\"\t\"\"");
    EXPECT_EQ(Split(lines[1], L'\t')[6], L"00:00");

    ASSERT_NE(TaskClipboardFormat(), 0u);
    wchar_t name[128] = {};
    GetClipboardFormatNameW(TaskClipboardFormat(), name, 128);
    EXPECT_STREQ(name, L"Quorvia2 task records");
    const std::vector<uint8_t> block = ClipboardBlock(TaskClipboardFormat());
    ASSERT_GE(block.size(), 4u);
    CBlockReader in(block);
    EXPECT_EQ(in.Int(), 2);
    EXPECT_EQ(in.Text(), L"Paint");
    EXPECT_EQ(in.Text(), L"Bob");
    EXPECT_EQ(in.Text(), L"");
    EXPECT_EQ(in.Int(), day);
    EXPECT_EQ(in.Int(), day);
    EXPECT_EQ(in.Int(), 480);
    EXPECT_EQ(in.Int(), 990);
    EXPECT_EQ(in.Int(), 0x000000);
    EXPECT_EQ(in.Int(), 0xFFFFFF);
    EXPECT_EQ(in.Byte(), 1);
    EXPECT_EQ(in.Byte(), 0);
    EXPECT_EQ(in.Double(), 0.0);
    EXPECT_EQ(in.Double(), 99.25);
    EXPECT_EQ(in.Int(), 3);
    EXPECT_EQ(in.Int(), 2);
    EXPECT_EQ(in.Text(), L"Room");
    EXPECT_EQ(in.Text(), L"12");
    EXPECT_EQ(in.Text(), L"Link");
    EXPECT_EQ(in.Text(), L"http://x");
    EXPECT_EQ(in.Text(), L"Sand");
    in.Text();
    in.Text();
    EXPECT_EQ(in.Int(), day + 1);
    EXPECT_EQ(in.Int(), static_cast<int>(TDate::FromYMD(3, 2024, 4)));
    in.Int();
    EXPECT_EQ(in.Int(), 1440); // held as it is in the block
}

TEST_F(TaskClipboardTest, Copy_anEmptySelectionEmptiesTheClipboard)
{
    qvtest::PutTextOnClipboard(owner.Hwnd(), L"before");
    ASSERT_EQ(qvtest::ClipboardText(), L"before");

    gSelection->clear();
    CopySelectedTasks(owner.Hwnd());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
}

} // namespace
