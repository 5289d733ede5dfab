#pragma once
// Numbers as text for files and settings: the same characters whatever the user's locale
// (the C runtime's locale is process-wide and may be switched by any module).

#include <string>
#include <string_view>

namespace ctext {

std::wstring IntText(long long value);
// The same digits in the caller's buffer, without the heap (report cells make millions).
std::wstring_view IntDigits(int value, wchar_t (&buffer)[12]);
// Six significant digits, "." as decimal point: the stream form of project files ("%g").
std::wstring DoubleText(double value);
// The shortest text that reads back as the same double.
std::wstring DoubleRoundTrip(double value);
// A fixed number of decimals, "." as decimal point ("%.Nf").
std::wstring FixedText(double value, int decimals);

// Leading blanks, an optional sign, then digits up to the first non-digit; no digits give 0.
// Values beyond the int range are clamped to it.
int ParseInt(std::wstring_view text);
// The whole text (after leading blanks) must be an int; false leaves `out` alone.
bool ParseIntExact(std::wstring_view text, int& out);
// Leading blanks, then the longest decimal number ("." only); nothing readable gives 0.
double ParseDouble(std::wstring_view text);

} // namespace ctext
