#pragma once
// Reading back what a date or time picture shows ("dd.MM.yyyy", "d MMM yy", "h:mm tt"), and text
// typed in the order of the picture's fields; names and designators are the date module's locale's.

#include "TDate.h"
#include "TTime.h"

#include <string_view>

namespace datetime {

// A date in `picture` (GetDateFormatW's d, M, y, g and quoted text). Numbers fill the picture's
// day, month and year in the picture's order; separators split the fields, and the picture's
// field widths cut a run of digits only where it holds several fields ("240307", "2024/0307" for
// "yyMMdd"); numbers beyond the picture's fields are left. Month names (MMM, MMMM) and day names
// (ddd, dddd) are the locale's. With fewer numbers than the picture has, the year is left out
// first, then the month (typed "1.3" is a day and a month); what the text leaves out is today's,
// and a number after a picture without a year is the year. Eight plain digits keep their file
// meaning (year, month, day) unless the picture itself shows eight digits. Text that gives no
// date in the picture's order (nothing to read, a month name the locale does not know, no such
// day) is read in the locale's order of day, month and year; the invalid date when that gives
// none either, but a text without a digit as TDate::Parse reads it (separators alone: today).
// An empty picture, or one longer than TDate::Format uses: as TDate::Parse.
// `held` (may be null) is the date the text showed before the user edited it: a part the text
// gives is the typed one; a part the picture does not show and the text leaves out stays the held
// date's (the year; the day, or the typed month's last day where that month is shorter; the
// month), and so does the century of a two-digit year whose digits are the held year's, in
// whichever order the text is read. Without it the missing parts are today's, as typed into an
// empty field.
TDate ParseDate(std::wstring_view text, std::wstring_view picture, const TDate* held = nullptr);

// A time in `picture` (GetTimeFormatW's h, H, m, s, t and quoted text): once the picture's own
// words are taken out of the text, its numbers fill the picture's hours, minutes and seconds in
// the picture's order (seconds are read and dropped), then the hours and minutes the picture does
// not show ("14:30" under "HH"), with TTime::Parse's digit rules ("930" is 9:30; a typed hour
// alone is the full hour). The AM/PM designators are read when the picture shows them ("t"), else
// as the locale's clock says. An empty picture, or one longer than TTime::Format uses: as
// TTime::Parse.
// `held` (may be null) is the time the text showed before the user edited it: a part the text
// gives is the typed one; hours or minutes the picture does not show and the text leaves out stay
// the held time's, and so do the hours of a text that gives only the minutes ("45" under
// "mm 'past' H"); under a 12-hour picture without designators ("h:mm") the half of the day stays
// while the typed hour is the one shown for it.
TTime ParseTime(std::wstring_view text, std::wstring_view picture, const TTime* held = nullptr);

} // namespace datetime
