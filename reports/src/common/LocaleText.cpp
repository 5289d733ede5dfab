// Locale queries through the date module's locale.
#include "common/LocaleText.h"

#include "DateTimeEnv.h"

#include <windows.h>

std::wstring GetLocaleText(unsigned long lctype)
{
    const LCID locale = datetime::CurrentLocale();
    const int size = GetLocaleInfoW(locale, lctype, nullptr, 0);
    if (size <= 0)
        return {};
    std::wstring text(static_cast<size_t>(size), L'\0');
    const int written = GetLocaleInfoW(locale, lctype, text.data(), size);
    if (written <= 0)
        return {};
    text.resize(static_cast<size_t>(written - 1));
    return text;
}

int CompareLocaleNoCase(const wchar_t* a, const wchar_t* b)
{
    const int result = CompareStringW(datetime::CurrentLocale(), NORM_IGNORECASE, a ? a : L"", -1, b ? b : L"", -1);
    return result == 0 ? 0 : result - CSTR_EQUAL;
}
