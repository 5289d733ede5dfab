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

void CRExportBase::NewRow()
{
    emplace_back();
    CurrentRow = static_cast<int>(size()) - 1;
}

void CRExportBase::AddText(std::wstring_view text)
{
    if (CurrentRow < 0 || CurrentRow >= static_cast<int>(size()))
        NewRow();
    (*this)[static_cast<size_t>(CurrentRow)].emplace_back(text);
}

void CRExportBase::AddResourceText(UINT id)
{
    AddText(fw::LoadResString(id));
}

void CRExportBase::AddNumber(int value)
{
    AddText(ctext::IntText(value));
}

void CRExportBase::AddColor(COLORREF colour)
{
    std::wstring picture = L"#%.2X%.2X%.2X";
    ReadTextSetting(L"ReportsExportColorFormat", picture);
    AddText(msgfmt::Format(picture, {static_cast<int>(GetRValue(colour)), static_cast<int>(GetGValue(colour)),
                                     static_cast<int>(GetBValue(colour))}));
}

void CRExportBase::AddDate(TDate date)
{
    if (UseLocalizedDate) {
        AddText(GetDateText(date));
        return;
    }
    wchar_t text[1024];
    date.Format(text, 1024, 0, L"yyyyMMdd");
    AddText(text);
}

void CRExportBase::AddTime(const TTime& time)
{
    AddText(FormatTimeSetting(time));
}

std::wstring CRExportBase::CleanCell(const std::wstring& cell) const
{
    std::wstring content;
    content.reserve(cell.size());
    for (wchar_t c : cell) {
        if (c == L'\r')
            continue;
        if (c == L'\n' && NewlineReplace)
            content += NewlineReplacement;
        else
            content += c;
    }
    std::wstring text = Delimiter + content + Delimiter;
    // A reader would split the cell at its separator or its line break: such a cell goes in
    // double quotes, the quotes inside doubled. Every other cell stays as it is.
    const bool split = content.find(L'\n') != std::wstring::npos ||
                       (!Separator.empty() && content.find(Separator) != std::wstring::npos);
    if (!split)
        return text;
    if (Delimiter == L"\"")
        text = content;
    std::wstring quoted = L"\"";
    for (wchar_t c : text) {
        if (c == L'"')
            quoted += L'"';
        quoted += c;
    }
    quoted += L'"';
    return quoted;
}

int CRExportBase::Write(const wchar_t* path)
{
    if (!path || !*path)
        return 1;
    unicode_helper::CTextFile file;
    if (!file.Open(path))
        return ShowFileError(path);
    file.Unicode = EncodingUnicode;
    file.CodePage = static_cast<unsigned>(CodePage);
    for (const ExportRow& row : *this) {
        std::wstring line;
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                line += Separator;
            line += CleanCell(row[i]);
        }
        line += L"\r\n";
        if (!file.WriteString(line.c_str())) {
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
    if (!value || !*value)
        AddText(L"");
    else if (typeName && *typeName)
        AddText(FormatUdfValue(typeName, value));
    else
        AddText(value);
}

void CRUDFExportBase::AddUdfTaskCells(wqv2_data::CTask* task)
{
    wqv2_data::CData* root = GetDataRoot();
    wqv2_data::CProjectSettings* settings = root ? root->ProjectSettings : nullptr;
    if (!settings)
        return;
    const int count = settings->GetUserFieldCount(wqv2_data::kUserFieldsTask);
    for (int i = 0; i < count; ++i) {
        const wchar_t* name = settings->GetUserFieldName(wqv2_data::kUserFieldsTask, i);
        const wchar_t* value = task && name ? task->GetUserFieldValue(name) : nullptr;
        AddUdfValueCell(value, settings->GetUserFieldType(wqv2_data::kUserFieldsTask, i));
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
