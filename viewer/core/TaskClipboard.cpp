// Copying the selected tasks to the clipboard.
#include "TaskClipboard.h"

#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "fw/MessageBox.h"
#include "fw/Resources.h"
#include "wqv2_data.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {

UINT gTaskFormat = 0;

std::wstring Text(const wchar_t* text)
{
    return text ? std::wstring(text) : std::wstring();
}

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

int DayMinutes(int minutes)
{
    return ((minutes % 1440) + 1440) % 1440;
}

std::wstring DayText(int32_t day)
{
    wchar_t buffer[16] = {};
    TDate(static_cast<uint32_t>(day)).Format(buffer, 16, 0, L"yyyyMMdd");
    return buffer;
}

std::wstring MinuteText(int32_t minutes)
{
    const int m = DayMinutes(minutes);
    wchar_t buffer[8] = {};
    std::swprintf(buffer, 8, L"%02d:%02d", m / 60, m % 60);
    return buffer;
}

std::wstring ColourText(uint32_t colour)
{
    wchar_t buffer[40] = {};
    std::swprintf(buffer, 40, L"%i %i %i", static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
    return Quoted(buffer);
}

// "%f": six decimals with the decimal separator of the run-time locale (the user's).
std::wstring CostsText(double value)
{
    wchar_t buffer[512] = {};
    std::swprintf(buffer, 512, L"%f", value);
    return buffer;
}

class CBlockWriter {
public:
    void Int32(int32_t value) { Bytes(&value, 4); }
    void UInt32(uint32_t value) { Bytes(&value, 4); }
    void Byte(bool value) { m_bytes.push_back(value ? 1 : 0); }
    void Double(double value) { Bytes(&value, 8); }
    void Text(const std::wstring& text)
    {
        Int32(static_cast<int32_t>(text.size()));
        Bytes(text.data(), text.size() * sizeof(wchar_t));
    }
    std::vector<uint8_t>& Bytes() { return m_bytes; }

private:
    // The target is little-endian with 2-byte wchar_t, as the format is.
    void Bytes(const void* data, size_t count)
    {
        const auto* p = static_cast<const uint8_t*>(data);
        m_bytes.insert(m_bytes.end(), p, p + count);
    }

    std::vector<uint8_t> m_bytes;
};

// A movable shared memory block for the clipboard, or null.
HGLOBAL MakeBlock(const void* data, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, size);
    if (!block)
        return nullptr;
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(block);
    return block;
}

// A block not yet handed to the clipboard, freed unless it was.
class CClipboardBlock {
public:
    CClipboardBlock() = default;
    CClipboardBlock(const CClipboardBlock&) = delete;
    CClipboardBlock& operator=(const CClipboardBlock&) = delete;
    ~CClipboardBlock()
    {
        if (m_block)
            GlobalFree(m_block);
    }
    bool Make(const void* data, size_t size)
    {
        m_block = MakeBlock(data, size);
        return m_block != nullptr;
    }
    // The clipboard owns the block once it took it; one it refused is still ours.
    void Place(UINT format)
    {
        if (m_block && SetClipboardData(format, m_block))
            m_block = nullptr;
    }

private:
    HGLOBAL m_block = nullptr;
};

} // namespace

CTaskClipboardRecord MakeTaskRecord(const TaskOccurrence& occurrence)
{
    CTaskClipboardRecord record;
    wqv2_data::CTask* task = occurrence.task;
    if (!task)
        return record;
    record.name = Text(task->Name);
    wqv2_data::CResource* resource = task->GetResource();
    record.resourceName = resource ? Text(resource->Name) : std::wstring();
    record.note = Text(task->Note);
    record.startDay = occurrence.day;
    wqv2_data::CRecurrence* series = task->Recurrence;
    if (!task->Owner && series) {
        // The template of a series: the occurrence starts at the series' time on its day.
        record.startMinute = series->TimeStart;
        int endMinute = 0;
        const TDate endDay = series->GetOccurrenceEnd(TDate(static_cast<uint32_t>(occurrence.day)), &endMinute);
        record.endDay = static_cast<int32_t>(static_cast<uint32_t>(endDay));
        record.endMinute = endMinute;
    } else {
        record.startMinute = task->TimeStart;
        record.endDay = static_cast<int32_t>(static_cast<uint32_t>(task->DateEnd));
        record.endMinute = task->TimeEnd;
    }
    record.textColor = static_cast<uint32_t>(task->ColorFg);
    record.barColor = static_cast<uint32_t>(task->ColorBk);
    record.bold = task->FontBold;
    record.costsCalculated = task->CostsCalculate;
    record.variableCosts = task->CostsVariable;
    record.fixedCosts = task->CostsFixed;
    record.costsTimeUnit = task->CostsTimeUnit;
    const int fields = task->GetUserFieldCount();
    for (int i = 0; i < fields; ++i) {
        const wchar_t* name = task->GetUserFieldName(i);
        if (!name)
            continue;
        record.userFields.emplace_back(name, Text(task->GetUserFieldValue(name)));
    }
    return record;
}

std::wstring TaskRecordText(const CTaskClipboardRecord& record)
{
    // Nothing is escaped: a tab or quote inside a text goes through as it is.
    std::wstring line = Quoted(record.name);
    line += L"\t" + Quoted(record.resourceName);
    line += L"\t" + Quoted(record.note);
    line += L"\t" + DayText(record.startDay);
    line += L"\t" + MinuteText(record.startMinute);
    line += L"\t" + DayText(record.endDay);
    line += L"\t" + MinuteText(record.endMinute);
    line += L"\t" + ColourText(record.textColor);
    line += L"\t" + ColourText(record.barColor);
    line += record.bold ? L"\t1" : L"\t0";
    line += record.costsCalculated ? L"\t1" : L"\t0";
    line += L"\t" + CostsText(record.variableCosts);
    line += L"\t" + CostsText(record.fixedCosts);
    line += L"\t" + std::to_wstring(record.costsTimeUnit);
    for (const auto& [name, value] : record.userFields)
        line += L"\t" + Quoted(name) + L"\t" + Quoted(value);
    return line;
}

std::vector<uint8_t> TaskRecordsBlock(const std::vector<CTaskClipboardRecord>& records)
{
    CBlockWriter out;
    out.Int32(static_cast<int32_t>(records.size()));
    for (const CTaskClipboardRecord& r : records) {
        out.Text(r.name);
        out.Text(r.resourceName);
        out.Text(r.note);
        out.Int32(r.startDay);
        out.Int32(r.endDay);
        out.Int32(r.startMinute);
        out.Int32(r.endMinute);
        out.UInt32(r.textColor);
        out.UInt32(r.barColor);
        out.Byte(r.bold);
        out.Byte(r.costsCalculated);
        out.Double(r.variableCosts);
        out.Double(r.fixedCosts);
        out.Int32(r.costsTimeUnit);
        out.Int32(static_cast<int32_t>(r.userFields.size()));
        for (const auto& [name, value] : r.userFields) {
            out.Text(name);
            out.Text(value);
        }
    }
    return std::move(out.Bytes());
}

bool RegisterTaskClipboardFormat()
{
    if (gTaskFormat == 0) {
        const std::wstring name = fw::LoadResString(IDS_TASK_CLIPBOARD_FORMAT);
        if (!name.empty())
            gTaskFormat = RegisterClipboardFormatW(name.c_str());
    }
    return gTaskFormat != 0;
}

UINT TaskClipboardFormat()
{
    return gTaskFormat;
}

bool CopySelectedTasks(HWND owner)
{
    // Both formats are made before the clipboard is opened: a copy that runs out of memory
    // leaves the clipboard as it was, with what the user had on it.
    CClipboardBlock textBlock;
    CClipboardBlock taskBlock; // made only where the private format is registered
    if (gSelection && !gSelection->empty()) {
        bool made = false;
        try {
            const bool privateFormat = RegisterTaskClipboardFormat();
            std::vector<CTaskClipboardRecord> records;
            std::wstring text;
            for (const TaskOccurrence& occurrence : *gSelection) {
                records.push_back(MakeTaskRecord(occurrence));
                if (!text.empty())
                    text += L'\n';
                text += TaskRecordText(records.back());
            }
            made = textBlock.Make(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
            if (made && privateFormat) {
                const std::vector<uint8_t> block = TaskRecordsBlock(records);
                made = taskBlock.Make(block.data(), block.size());
            }
        } catch (const std::bad_alloc&) {
            made = false;
        }
        if (!made) {
            fw::ShowNoMemory(owner);
            return false;
        }
    }
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    textBlock.Place(CF_UNICODETEXT);
    taskBlock.Place(gTaskFormat);
    CloseClipboard();
    return true;
}
