// Delimited-text export.
#include "output/RExportBase.h"

#include "common/ReportMessages.h"
#include "common/ReportSettings.h"
#include "common/TimeText.h"
#include "common/ValueFormat.h"
#include "output/TextFile.h"
#include "plugin/PluginState.h"

#include "ClassicText.h"
#include "SafeFormat.h"
#include "wqv2_data.h"
#include "fw/Resources.h"

#include <algorithm>
#include <iterator>

CRExportBase::CRExportBase()
{
    ReadTextSetting(L"ReportsExportSeparator", Separator);
    ReadTextSetting(L"ReportsExportDelimiter", Delimiter);
    NewlineReplace = GetBoolSetting(L"ReportsExportNewlineReplace", true);
    if (GetBoolSetting(L"ReportsExportNewlineReplacementEmpty", NewlineReplacement.empty()))
        NewlineReplacement.clear();
    else
        ReadTextSetting(L"ReportsExportNewlineReplacement", NewlineReplacement);
    ReadTextSetting(L"ReportsExportChartFieldSeparator", ChartFieldSeparator);
    UseLocalizedDate = GetBoolSetting(L"ReportsExportUseLocalizedDate", true);
    EncodingUnicode = GetBoolSetting(L"ReportsExportEncodingUnicode", true);
    CodePage = GetIntSetting(L"ReportsExportEncodingCodepage", 1252);
    TaskIdentifiers = GetBoolSetting(L"ReportsExportIDTasks", false);
    ResourceIdentifiers = GetBoolSetting(L"ReportsExportIDResources", false);
}

CRExportBase::~CRExportBase()
{
    // A run that ends before Write (an exception) leaves no half-written file behind.
    if (m_file) {
        m_file->Close();
        DeleteFileW(m_path.c_str());
    }
}

namespace {

// Rows sent to the file at once: a piece of the file's buffer size goes to the file without
// being copied into that buffer.
constexpr size_t kLineUnits = unicode_helper::CTextFile::kBufferBytes / sizeof(wchar_t);

// A code page whose text converts the same in any pieces: no shift states to end each piece with.
bool ConvertsInPieces(bool unicode, int codePage)
{
    if (unicode || codePage == CP_UTF8)
        return true;
    CPINFO info{};
    if (!GetCPInfo(static_cast<UINT>(codePage), &info))
        return false;
    // One byte a character, or a lead byte and a trail byte (the ANSI double-byte code pages).
    return info.MaxCharSize == 1 || (info.MaxCharSize == 2 && info.LeadByte[0] != 0);
}

// A character a reader could split a cell at: a line break or the start of the separator.
inline bool Splits(wchar_t c, wchar_t separatorStart)
{
    return (c <= L'\r' && (c == L'\r' || c == L'\n')) || c == separatorStart;
}

// A reader takes a cell that starts with a double quote as a quoted one and drops the quotes.
inline bool StartsQuoted(std::wstring_view cell)
{
    return !cell.empty() && cell.front() == L'"';
}

// A cell that a reader would take as it is.
bool PlainCell(std::wstring_view cell, wchar_t separatorStart)
{
    if (StartsQuoted(cell))
        return false;
    for (wchar_t c : cell) {
        if (Splits(c, separatorStart))
            return false;
    }
    return true;
}

wchar_t SeparatorStart(const std::wstring& separator)
{
    return separator.empty() ? L'\r' : separator[0];
}

} // namespace

int CRExportBase::BeginWrite(const wchar_t* path)
{
    if (!path || !*path)
        return 1;
    // Everything that may fail is made before the file, so a failure leaves no empty file.
    auto formats = std::make_unique<CValueFormats>();
    auto file = std::make_unique<unicode_helper::CTextFile>();
    m_path = path;
    m_colourPicture = L"#%.2X%.2X%.2X";
    ReadTextSetting(L"ReportsExportColorFormat", m_colourPicture);
    m_hexColours = m_colourPicture == L"#%.2X%.2X%.2X";
    // Made when first used: a small report would spend longer on the memory than on its rows.
    m_colours = {};
    m_kept = {};
    m_lines.assign(1024, L'\0');
    m_used = 0;
    m_rowByRow = !ConvertsInPieces(EncodingUnicode, CodePage);
    if (!file->Open(path))
        return ShowFileError(path);
    file->Unicode = EncodingUnicode;
    file->CodePage = static_cast<unsigned>(CodePage);
    m_formats = std::move(formats);
    m_file = std::move(file);
    m_writeFailed = false;
    m_rowOpen = false;
    m_firstCell = true;
    m_resourceTexts.clear();
    return 0;
}

void CRExportBase::NewRow()
{
    if (m_file) {
        if (m_rowOpen)
            EndRow();
        m_rowOpen = true;
        m_firstCell = true;
        return;
    }
    emplace_back();
    CurrentRow = static_cast<int>(size()) - 1;
}

std::wstring& CRExportBase::NextTableCell()
{
    if (CurrentRow < 0 || CurrentRow >= static_cast<int>(size()))
        NewRow();
    return (*this)[static_cast<size_t>(CurrentRow)].emplace_back();
}

std::wstring& CRExportBase::ScratchCell()
{
    m_scratch.clear();
    return m_scratch;
}

void CRExportBase::Grow(size_t count)
{
    m_lines.resize(std::max(m_lines.size() * 2, m_used + count));
}

inline wchar_t* CRExportBase::Room(size_t count)
{
    if (m_lines.size() - m_used < count)
        Grow(count);
    return m_lines.data() + m_used;
}

inline wchar_t* CRExportBase::StartCell(size_t contentUnits)
{
    if (!m_rowOpen) {
        m_rowOpen = true;
        m_firstCell = true;
    }
    const size_t separator = m_firstCell ? 0 : Separator.size();
    wchar_t* out = Room(separator + 2 * Delimiter.size() + contentUnits);
    if (separator == 1)
        *out++ = Separator[0];
    else
        out = std::copy_n(Separator.data(), separator, out);
    m_firstCell = false;
    return out;
}

void CRExportBase::AppendCleaned(wchar_t* at, std::wstring_view cell)
{
    // The rare cell to change: made aside, then put where the cell starts.
    m_cleaned.clear();
    AppendCleanCell(m_cleaned, cell);
    m_used = static_cast<size_t>(at - m_lines.data());
    std::copy(m_cleaned.begin(), m_cleaned.end(), Room(m_cleaned.size()));
    m_used += m_cleaned.size();
}

void CRExportBase::AddText(std::wstring_view text)
{
    if (!m_file) {
        NextTableCell().assign(text);
        return;
    }
    wchar_t* const start = StartCell(text.size());
    const wchar_t separatorStart = SeparatorStart(Separator);
    const size_t delimiter = Delimiter.size();
    wchar_t* out = std::copy_n(Delimiter.data(), delimiter, start);
    // The text is checked as it is copied: most cells hold nothing to change.
    bool plain = !StartsQuoted(text);
    for (wchar_t c : text) {
        *out++ = c;
        plain &= !Splits(c, separatorStart);
    }
    if (!plain) {
        AppendCleaned(start, text);
        return;
    }
    out = std::copy_n(Delimiter.data(), delimiter, out);
    m_used = static_cast<size_t>(out - m_lines.data());
}

void CRExportBase::AddText(const wchar_t* text)
{
    if (!text)
        text = L"";
    if (!m_file) {
        NextTableCell().assign(text);
        return;
    }
    // The data's texts come without their length: it is found in the same pass as the copy.
    const wchar_t separatorStart = SeparatorStart(Separator);
    const size_t delimiter = Delimiter.size();
    size_t at = static_cast<size_t>(StartCell(32) - m_lines.data());
    const size_t start = at;
    std::copy_n(Delimiter.data(), delimiter, m_lines.data() + at);
    at += delimiter;
    const size_t content = at;
    bool plain = *text != L'"';
    for (const wchar_t* from = text;;) {
        wchar_t* const lines = m_lines.data();
        const size_t end = m_lines.size() - delimiter;
        wchar_t c = L'\0';
        while (at < end && (c = *from) != L'\0') {
            lines[at++] = c;
            ++from;
            plain &= !Splits(c, separatorStart);
        }
        if (c == L'\0' && at < end)
            break;
        m_used = at;
        Room(m_lines.size());
    }
    if (!plain) {
        AppendCleaned(m_lines.data() + start, std::wstring_view(text, at - content));
        return;
    }
    std::copy_n(Delimiter.data(), delimiter, m_lines.data() + at);
    m_used = at + delimiter;
}

void CRExportBase::AddResourceText(UINT id)
{
    if (!m_file) {
        AddText(fw::LoadResString(id));
        return;
    }
    // A run loads each string once: rows repeat the few they use.
    for (const auto& [known, text] : m_resourceTexts) {
        if (known == id) {
            AddText(text);
            return;
        }
    }
    m_resourceTexts.emplace_back(id, fw::LoadResString(id));
    AddText(m_resourceTexts.back().second);
}

void CRExportBase::AddNumber(int value)
{
    wchar_t digits[12];
    AddText(ctext::IntDigits(value, digits));
}

void CRExportBase::AddColor(COLORREF colour)
{
    const int red = GetRValue(colour);
    const int green = GetGValue(colour);
    const int blue = GetBValue(colour);
    if (!m_file) {
        std::wstring picture = L"#%.2X%.2X%.2X";
        ReadTextSetting(L"ReportsExportColorFormat", picture);
        msgfmt::FormatAppend(NextTableCell(), picture, {red, green, blue});
        return;
    }
    if (m_hexColours) {
        static const wchar_t kHex[] = L"0123456789ABCDEF";
        const wchar_t text[7] = {L'#', kHex[red >> 4], kHex[red & 15], kHex[green >> 4], kHex[green & 15],
                                 kHex[blue >> 4], kHex[blue & 15]};
        AddText(std::wstring_view(text, 7));
        return;
    }
    bool made = false;
    std::wstring& text = m_colours.Slot(colour & 0xFFFFFF, 0, made);
    if (!made)
        msgfmt::FormatAppend(text, m_colourPicture, {red, green, blue});
    AddText(text);
}

void CRExportBase::AddDate(TDate date)
{
    if (UseLocalizedDate) {
        if (m_formats)
            AddText(m_formats->Date(date));
        else
            AddText(GetDateText(date));
        return;
    }
    wchar_t text[1024];
    date.Format(text, 1024, 0, L"yyyyMMdd");
    AddText(text);
}

void CRExportBase::AddTime(const TTime& time)
{
    if (m_formats)
        AddText(m_formats->Time(time));
    else
        AddText(FormatTimeSetting(time));
}

void CRExportBase::AddCosts(double value)
{
    if (!m_formats) {
        AddText(FormatCosts(value));
        return;
    }
    AddText(m_kept.Costs(*m_formats, value));
}

void CRExportBase::AddDuration(int minutes, int type, bool shortForm)
{
    if (!m_formats) {
        AddText(FormatDuration(minutes, type, shortForm));
        return;
    }
    AddText(m_kept.Duration(*m_formats, minutes, type, shortForm));
}

void CRExportBase::AppendCleanCell(std::wstring& line, std::wstring_view cell) const
{
    // Most cells hold no line break and nothing of the separator: they go as they are.
    if (PlainCell(cell, SeparatorStart(Separator))) {
        line += Delimiter;
        line += cell;
        line += Delimiter;
        return;
    }
    std::wstring& content = m_content;
    content.clear();
    for (wchar_t c : cell) {
        if (c == L'\r')
            continue;
        if (c == L'\n' && NewlineReplace)
            content += NewlineReplacement;
        else
            content += c;
    }
    // A reader would split the cell at its separator or its line break, or take its leading
    // double quote for quoting (where no delimiter comes first): such a cell goes in double
    // quotes, the quotes inside doubled. Every other cell stays as it is.
    const bool quoted = content.find(L'\n') != std::wstring::npos ||
                        (!Separator.empty() && content.find(Separator) != std::wstring::npos) ||
                        (Delimiter.empty() && StartsQuoted(content));
    if (!quoted) {
        line += Delimiter;
        line += content;
        line += Delimiter;
        return;
    }
    // The delimiter " would be doubled into the quotes: the quotes stand for it.
    const bool quoteDelimiter = Delimiter == L"\"";
    line += L'"';
    for (int part = 0; part < 3; ++part) {
        if (quoteDelimiter && part != 1)
            continue;
        for (wchar_t c : part == 1 ? std::wstring_view(content) : std::wstring_view(Delimiter)) {
            if (c == L'"')
                line += L'"';
            line += c;
        }
    }
    line += L'"';
}

std::wstring CRExportBase::CleanCell(const std::wstring& cell) const
{
    std::wstring text;
    AppendCleanCell(text, cell);
    return text;
}

bool CRExportBase::WriteRow(unicode_helper::CTextFile& file, const std::wstring* cells, size_t count)
{
    m_line.clear();
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            m_line += Separator;
        AppendCleanCell(m_line, cells[i]);
    }
    m_line.append(L"\r\n", 2);
    return file.Write(m_line);
}

void CRExportBase::EndRow()
{
    wchar_t* out = Room(2);
    out[0] = L'\r';
    out[1] = L'\n';
    m_used += 2;
    m_rowOpen = false;
    m_firstCell = true;
    if (m_rowByRow || m_used >= kLineUnits)
        WriteLines();
}

void CRExportBase::WriteLines()
{
    // After a failed write the rest is not written; Write reports the failure.
    if (!m_writeFailed && m_used > 0 && !m_file->Write(std::wstring_view(m_lines.data(), m_used)))
        m_writeFailed = true;
    m_used = 0;
}

int CRExportBase::Write(const wchar_t* path)
{
    if (m_file) {
        if (m_rowOpen)
            EndRow();
        WriteLines();
        // The file buffers: the last bytes reach it only on closing.
        const bool closed = m_file->Close();
        m_file.reset();
        m_formats.reset();
        if (m_writeFailed || !closed)
            return ShowFileError(m_path);
        return 0;
    }
    if (!path || !*path)
        return 1;
    unicode_helper::CTextFile file;
    if (!file.Open(path))
        return ShowFileError(path);
    file.Unicode = EncodingUnicode;
    file.CodePage = static_cast<unsigned>(CodePage);
    for (const ExportRow& row : *this) {
        if (!WriteRow(file, row.data(), row.size())) {
            // A full disk or a text the code page cannot take: reported like a file not made.
            file.Close();
            return ShowFileError(path);
        }
    }
    // The file buffers: the last bytes reach it only on closing.
    if (!file.Close())
        return ShowFileError(path);
    return 0;
}

bool CRUDFExportBase::AddUdfHeaderCells(int kind)
{
    wqv2_data::CData* root = GetDataRoot();
    wqv2_data::CProjectSettings* settings = root ? root->ProjectSettings : nullptr;
    if (!settings)
        return true;
    const int count = settings->GetUserFieldCount(kind);
    for (int i = 0; i < count; ++i) {
        const wchar_t* name = settings->GetUserFieldName(kind, i);
        if (!name || !*name)
            return false;
        AddText(name);
    }
    return true;
}

void CRUDFExportBase::AddUdfValueCell(const wchar_t* value, const wchar_t* typeName)
{
    if (CValueFormats* formats = RunFormats())
        AddText(formats->UdfText(CValueFormats::KindOf(typeName), value, ScratchCell()));
    else if (!value || !*value)
        AddText(L"");
    else if (typeName && *typeName)
        AddText(FormatUdfValue(typeName, value));
    else
        AddText(value);
}

const std::vector<CRUDFExportBase::UserField>& CRUDFExportBase::TaskFields()
{
    if (m_taskFieldsRead && RunFormats())
        return m_taskFields;
    m_taskFields = ReadUserFields(wqv2_data::kUserFieldsTask, false);
    m_taskFieldsRead = true;
    return m_taskFields;
}

std::vector<CRUDFExportBase::UserField> CRUDFExportBase::ReadUserFields(int kind, bool toFirstUnnamed)
{
    std::vector<UserField> fields;
    wqv2_data::CData* root = GetDataRoot();
    wqv2_data::CProjectSettings* settings = root ? root->ProjectSettings : nullptr;
    const int count = settings ? settings->GetUserFieldCount(kind) : 0;
    for (int i = 0; i < count; ++i) {
        const wchar_t* name = settings->GetUserFieldName(kind, i);
        if (toFirstUnnamed && (!name || !*name))
            break;
        const wchar_t* type = settings->GetUserFieldType(kind, i);
        fields.push_back({name, type, CValueFormats::KindOf(type)});
    }
    return fields;
}

void CRUDFExportBase::AddUdfTaskCells(wqv2_data::CTask* task)
{
    CValueFormats* formats = RunFormats();
    for (const UserField& field : TaskFields()) {
        const wchar_t* value = task && field.name ? task->GetUserFieldValue(field.name) : nullptr;
        if (formats)
            AddText(formats->UdfText(field.kind, value, ScratchCell()));
        else
            AddUdfValueCell(value, field.type);
    }
}

void CRUDFExportBase::AddUdfEmptyCells(int kind)
{
    wqv2_data::CData* root = GetDataRoot();
    wqv2_data::CProjectSettings* settings = root ? root->ProjectSettings : nullptr;
    const int count = settings ? settings->GetUserFieldCount(kind) : 0;
    for (int i = 0; i < count; ++i)
        AddText(L"");
}
