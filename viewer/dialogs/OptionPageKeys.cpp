// Key lists of the built-in option pages.
#include "OptionPageKeys.h"

#include "Settings.h"

namespace {

const wchar_t* const kExportKeys[] = {
    L"ReportsExportEncodingUnicode",         L"ReportsExportEncodingCodepage",
    L"ReportsExportNewlineReplace",          L"ReportsExportNewlineReplacementEmpty",
    L"ReportsExportNewlineReplacement",
};

const wchar_t* const kPrinterKeys[] = {
    L"ReportsPrinterFont",          L"ReportsPrinterHeader",     L"ReportsPrinterFooter",
    L"ReportsPrinterMarginsMinimal", L"ReportsPrinterMarginsLeft", L"ReportsPrinterMarginsTop",
    L"ReportsPrinterMarginsRight",  L"ReportsPrinterMarginsBottom",
};

const wchar_t* const kGridColumnKeys[] = {L"ViewGridColumnsType", L"ViewGridColumnsSortOrder"};

template <size_t N>
void LoadKeys(const wchar_t* section, const wchar_t* const (&keys)[N], const std::wstring& iniFile)
{
    for (const wchar_t* key : keys)
        LoadSettingFromProfile(section, iniFile, key);
}

template <size_t N>
void SaveKeys(const wchar_t* section, const wchar_t* const (&keys)[N], const std::wstring& iniFile)
{
    for (const wchar_t* key : keys)
        SaveSettingToProfile(section, iniFile, key);
}

} // namespace

void LoadExportOptionKeys(const std::wstring& iniFile)
{
    LoadKeys(L"Reports", kExportKeys, iniFile);
}

void SaveExportOptionKeys(const std::wstring& iniFile)
{
    SaveKeys(L"Reports", kExportKeys, iniFile);
}

void LoadPrinterOptionKeys(const std::wstring& iniFile)
{
    LoadKeys(L"Reports", kPrinterKeys, iniFile);
}

void SavePrinterOptionKeys(const std::wstring& iniFile)
{
    SaveKeys(L"Reports", kPrinterKeys, iniFile);
}

void LoadGridColumnKeys(const std::wstring& iniFile)
{
    LoadKeys(L"Views", kGridColumnKeys, iniFile);
}

void SaveGridColumnKeys(const std::wstring& iniFile)
{
    SaveKeys(L"Views", kGridColumnKeys, iniFile);
}
