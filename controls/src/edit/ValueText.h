#pragma once
// The type rules of the typed edits without any window: which characters each type accepts, how
// its text is read and written, and how a value steps. Dates and times use the shared date
// module (its locale and clock), numbers the locale's decimal separator.

#include "TDate.h"
#include "TTime.h"

#include <string>

namespace rkcc::valuetext {

bool IsControlChar(wchar_t c);

// Dates: day numbers, 1 = empty text.
wchar_t DateSeparator(); // first character of the locale's date separator, '0' when it has none
bool IsDateChar(wchar_t c, wchar_t separator);
// In the order of the picture's day, month and year (the library's date format) or, when it is
// empty, in the locale's order. `held` (may be null): the value the text showed before it was
// edited, which keeps the parts the picture hides.
TDate ReadDate(const std::wstring& text, const std::wstring& picture, const TDate* held = nullptr);
// With a picture (the library's date format) or, when it is empty, the locale's short date.
std::wstring WriteDate(TDate date, const std::wstring& picture);
// A value below 2 (invalid or empty) becomes today first.
TDate StepDate(TDate date, bool up);

// Times: an empty text reads as an empty time. AM/PM designators are read where the picture
// shows them or, without a picture, in a 12-hour locale.
TTime ReadTime(const std::wstring& text, const std::wstring& picture, const TTime* held = nullptr);
// With a picture or, when it is empty, the locale's format without seconds.
std::wstring WriteTime(const TTime& time, const std::wstring& picture);
TTime StepTime(const TTime& time, int stepMinutes, bool up);
int NormaliseMinutes(long long minutes); // 0..1439

// Whole numbers: digits only (negative values come from messages, steps and limits).
bool IsLongChar(wchar_t c);
long ReadLong(const std::wstring& text);
std::wstring WriteLong(long value);
long StepLong(long value, long step, bool up); // clamped to the 32-bit range

// Decimal numbers in the locale's notation.
wchar_t DecimalSeparator(); // first character of the locale's separator, '.' when it has none
bool IsDoubleChar(wchar_t c, wchar_t separator);
// The first '.' or ',' that is not the separator is read as the separator; the number ends at
// any other character. No number, or one that is not finite, gives 0.
double ReadDouble(const std::wstring& text, wchar_t separator);
// Ten significant digits ("%.10g") with the separator as decimal point.
std::wstring WriteDouble(double value, wchar_t separator);

} // namespace rkcc::valuetext
