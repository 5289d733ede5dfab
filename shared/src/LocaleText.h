#pragma once
// Small wrappers over the locale calls of the date module; each gives "" when the call fails.

#include <string>

namespace datetime {

std::wstring LocaleInfo(unsigned long lctype);
// The text in upper case, as the system maps it (names and designators compare so).
std::wstring UpperText(std::wstring text);
// Whether the locale's clock has 12 hours, so that typed times carry AM/PM designators.
bool UsesTwelveHourClock();

} // namespace datetime
