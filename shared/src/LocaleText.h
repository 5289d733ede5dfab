#pragma once
// Small wrappers over the locale calls of the date module; each gives "" when the call fails.

#include <string>

namespace datetime {

std::wstring LocaleInfo(unsigned long lctype);

} // namespace datetime
