#pragma once
// Small wrappers over the locale calls of the date module; each gives "" when the call fails.

#include <cstddef>
#include <string>

namespace datetime {

// The longest date or time picture handed to the locale calls. A locale's own pictures are at
// most 80 characters, and the system overruns its stack on much longer ones: a longer picture is
// not used, and the locale's own picture stands in, as for none.
constexpr size_t kMaxPictureChars = 80;
bool IsOverlongPicture(const wchar_t* picture);

std::wstring LocaleInfo(unsigned long lctype);
// The text in upper case, as the system maps it (names and designators compare so).
std::wstring UpperText(std::wstring text);
// Whether the locale's clock has 12 hours, so that typed times carry AM/PM designators.
bool UsesTwelveHourClock();

} // namespace datetime
