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
    if (!file->Open(path))
        return ShowFileError(path);
    file->Unicode = EncodingUnicode;
    file->CodePage = static_cast<unsigned>(CodePage);
    m_formats = std::move(formats);
    m_file = std::move(file);
    m_writeFailed = false;
    m_rowOpen = false;
    m_cells = 0;
    m_resourceTexts.clear();
    return 0;
}

void CRExportBase::NewRow()
{
    if (m_file) {
        if (m_rowOpen)
            WriteCurrentRow();
        m_rowOpen = true;
        m_cells = 0;
        return;
    }
    emplace_back();
    CurrentRow = static_cast<int>(size()) - 1;
}

std::wstring& CRExportBase::NextCell()
{
    if (m_file) {
        if (!m_rowOpen)
            NewRow();
        if (m_cells == m_row.size())
            m_row.emplace_back();
        std::wstring& cell = m_row[m_cells++];
        cell.clear();
        return cell;
    }
    if (CurrentRow < 0 || CurrentRow >= static_cast<int>(size()))
        NewRow();
    return (*this)[static_cast<size_t>(CurrentRow)].emplace_back();
}

void CRExportBase::AddText(std::wstring_view text)
{
    NextCell().assign(text);
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
    // Digits from the end, without the C runtime (whose locale any module may switch).
    wchar_t text[12];
    size_t at = std::size(text);
    long long rest = value < 0 ? -static_cast<long long>(value) : value;
    do {
        text[--at] = static_cast<wchar_t>(L'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0)
        text[--at] = L'-';
    AddText(std::wstring_view(text + at, std::size(text) - at));
}

void CRExportBase::AddColor(COLORREF colour)
{
    std::wstring picture;
    if (!m_file) {
        picture = L"#%.2X%.2X%.2X";
        ReadTextSetting(L"ReportsExportColorFormat", picture);
    }
    msgfmt::FormatAppend(NextCell(), m_file ? m_colourPicture : picture,
                         {static_cast<int>(GetRValue(colour)), static_cast<int>(GetGValue(colour)),
                          static_cast<int>(GetBValue(colour))});
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
    if (m_formats)
        m_formats->Costs(value, NextCell());
    else
        AddText(FormatCosts(value));
}

void CRExportBase::AddDuration(int minutes, int type, bool shortForm)
{
    if (m_formats)
        m_formats->Duration(minutes, type, shortForm, NextCell());
    else
        AddText(FormatDuration(minutes, type, shortForm));
}

void CRExportBase::AppendCleanCell(std::wstring& line, std::wstring_view cell) const
{
    // Most cells hold no line break and nothing of the separator: they go as they are.
    const wchar_t separatorStart = Separator.empty() ? L'\r' : Separator[0];
    bool plain = true;
    for (wchar_t c : cell) {
        if (c == L'\r' || c == L'\n' || c == separatorStart) {
            plain = false;
            break;
        }
    }
    if (plain) {
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
    // A reader would split the cell at its separator or its line break: such a cell goes in
    // double quotes, the quotes inside doubled. Every other cell stays as it is.
    const bool split = content.find(L'\n') != std::wstring::npos ||
                       (!Separator.empty() && content.find(Separator) != std::wstring::npos);
    if (!split) {
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
    m_line += L"\r\n";
    return file.Write(m_line);
}

void CRExportBase::WriteCurrentRow()
{
    // After a failed write the rest is not written; Write reports the failure.
    if (!m_writeFailed && !WriteRow(*m_file, m_row.data(), m_cells))
        m_writeFailed = true;
    m_rowOpen = false;
    m_cells = 0;
}

int CRExportBase::Write(const wchar_t* path)
{
    if (m_file) {
        if (m_rowOpen)
            WriteCurrentRow();
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
        formats->UdfValue(typeName, value, NextCell());
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
        fields.push_back({name, settings->GetUserFieldType(kind, i)});
    }
    return fields;
}

void CRUDFExportBase::AddUdfTaskCells(wqv2_data::CTask* task)
{
    for (const UserField& field : TaskFields()) {
        const wchar_t* value = task && field.name ? task->GetUserFieldValue(field.name) : nullptr;
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
