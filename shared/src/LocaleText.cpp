// Locale information read into owned strings (length first, then the text).
#include "LocaleText.h"

#include "DateTimeEnv.h"

#include <windows.h>

#include <wchar.h>

namespace datetime {

std::wstring LocaleInfo(unsigned long lctype)
{
    const LCID lcid = CurrentLocale();
    const int n = GetLocaleInfoW(lcid, lctype, nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring text(static_cast<size_t>(n), L'\0');
    const int got = GetLocaleInfoW(lcid, lctype, text.data(), n);
    if (got <= 0)
        return {};
    text.resize(static_cast<size_t>(got - 1));
    return text;
}

std::wstring UpperText(std::wstring text)
{
    if (!text.empty())
        CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

bool IsOverlongPicture(const wchar_t* picture)
{
    return picture && wcsnlen(picture, kMaxPictureChars + 1) > kMaxPictureChars;
}

bool UsesTwelveHourClock()
{
    return LocaleInfo(LOCALE_ITIME) == L"0";
}

} // namespace datetime
