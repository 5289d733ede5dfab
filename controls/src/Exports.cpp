// The configuration exports. They only store values; controls read them when they are created
// or when they next format a value.
#include "RKComControls2.h"

#include "Library.h"

RKCC2_API int __cdecl rkcc2_setappreshandle(HINSTANCE resources)
{
    rkcc::Settings().resourceModule = resources;
    return 1;
}

RKCC2_API int __cdecl rkcc2_setstdmindate(int julianDay)
{
    rkcc::Settings().stdMinDate = static_cast<uint32_t>(julianDay);
    return 1;
}

RKCC2_API int __cdecl rkcc2_setdateformat(const wchar_t* picture)
{
    try {
        rkcc::Settings().dateFormat = picture ? picture : L"";
    } catch (...) {
        rkcc::Settings().dateFormat.clear(); // out of memory: fall back to the locale's format
    }
    return 1;
}

RKCC2_API int __cdecl rkcc2_settimeformat(const wchar_t* picture)
{
    try {
        rkcc::Settings().timeFormat = picture ? picture : L"";
    } catch (...) {
        rkcc::Settings().timeFormat.clear();
    }
    return 1;
}

RKCC2_API int __cdecl rkcc2_setoption(int group, int option, const void* value)
{
    // Only the first byte counts: hosts pass the address of an int or of a bool alike.
    if (group == 1 && option == 1 && value)
        rkcc::Settings().showWeekNumbers = *static_cast<const unsigned char*>(value);
    return 1;
}
