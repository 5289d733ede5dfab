// Report base: title, moment of the report and placeholders.
#include "base/RBase.h"

#include "common/TimeText.h"
#include "common/ValueFormat.h"

#include "ClassicText.h"

#include <windows.h>

namespace {

constexpr size_t kValueChars = 1023; // a value is cut to the 1024-character buffer of the format

void ReplaceToken(std::wstring& text, std::wstring_view token, std::wstring value)
{
    if (text.find(token) == std::wstring::npos)
        return;
    if (value.size() > kValueChars)
        value.resize(kValueChars);
    for (size_t at = text.find(token); at != std::wstring::npos; at = text.find(token, at + value.size()))
        text.replace(at, token.size(), value);
}

} // namespace

CRBase::CRBase() : ReportDate(), ReportTime()
{
}

std::wstring CRBase::ExpandPlaceholders(const std::wstring& text, int page, int pageCount) const
{
    std::wstring result = text;
    if (result.find(L'%') == std::wstring::npos)
        return result;
    ReplaceToken(result, L"%ds", GetDateText(ReportDate));
    if (result.find(L"%dl") != std::wstring::npos) {
        wchar_t longDate[200];
        ReportDate.Format(longDate, 200, DATE_LONGDATE, nullptr);
        ReplaceToken(result, L"%dl", longDate);
    }
    ReplaceToken(result, L"%ts", FormatTimeSetting(ReportTime));
    ReplaceToken(result, L"%pc", ctext::IntText(page));
    ReplaceToken(result, L"%pt", ctext::IntText(pageCount));
    ReplaceToken(result, L"%ti", Title);
    return result;
}
