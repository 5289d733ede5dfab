// A user's name as the text of a menu item.
#include "MenuText.h"

std::wstring NameAsMenuText(const wchar_t* name)
{
    std::wstring text;
    for (const wchar_t* c = name ? name : L""; *c; ++c) {
        text += *c < L' ' || *c == L'\x7F' ? L' ' : *c;
        if (*c == L'&')
            text += L'&';
    }
    return text;
}
