// Reading date and time texts by the picture that wrote them.
#include "PictureParse.h"

#include "DateTimeEnv.h"
#include "LocaleText.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

namespace datetime {
namespace {

// More digits than this are no day, month or year.
constexpr size_t kMaxDigits = 9;

// One run of a picture: a field letter `count` times over, or literal text (letter 0).
struct PictureRun {
    wchar_t letter = 0;
    size_t count = 0;
    std::wstring text;
};

// `fields` are the letters that make fields; any other character is literal, and so is text in
// single quotes ('' in it stands for one quote).
std::vector<PictureRun> SplitPicture(std::wstring_view picture, std::wstring_view fields)
{
    std::vector<PictureRun> runs;
    const auto literal = [&runs](wchar_t c) {
        if (runs.empty() || runs.back().letter)
            runs.push_back({});
        runs.back().text += c;
    };
    size_t i = 0;
    while (i < picture.size()) {
        const wchar_t c = picture[i];
        if (c == L'\'') {
            for (++i; i < picture.size(); ++i) {
                if (picture[i] != L'\'') {
                    literal(picture[i]);
                } else if (i + 1 < picture.size() && picture[i + 1] == L'\'') {
                    literal(L'\'');
                    ++i;
                } else {
                    break;
                }
            }
            ++i;
            continue;
        }
        size_t n = 1;
        while (i + n < picture.size() && picture[i + n] == c)
            ++n;
        if (fields.find(c) != std::wstring_view::npos) {
            runs.push_back({c, n, {}});
        } else {
            for (size_t k = 0; k < n; ++k)
                literal(c);
        }
        i += n;
    }
    return runs;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsLetter(wchar_t c) { return IsCharAlphaW(c) != FALSE; }
bool IsWordChar(wchar_t c) { return IsDigit(c) || IsLetter(c); }
bool SameClass(wchar_t a, wchar_t b) { return (IsDigit(a) && IsDigit(b)) || (IsLetter(a) && IsLetter(b)); }

// Where each run of digits of the text starts, and how long it is.
struct DigitRun {
    size_t at;
    size_t length;
};

std::vector<DigitRun> DigitRunsOf(std::wstring_view text)
{
    std::vector<DigitRun> runs;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            continue;
        size_t end = i;
        while (end < text.size() && IsDigit(text[end]))
            ++end;
        runs.push_back({i, end - i});
        i = end;
    }
    return runs;
}

std::vector<size_t> DigitRunLengths(std::wstring_view text)
{
    std::vector<size_t> lengths;
    for (const DigitRun& run : DigitRunsOf(text))
        lengths.push_back(run.length);
    return lengths;
}

// Blanks out the picture's literal words and numbers ("'Week' ", "'h'") in the upper-cased text,
// each at its next whole occurrence, so that they are not read as fields. Separators stay.
void BlankLiterals(std::wstring& upper, const std::vector<PictureRun>& runs)
{
    size_t from = 0;
    for (const PictureRun& run : runs) {
        if (run.letter)
            continue;
        const std::wstring literal = UpperText(run.text);
        size_t b = 0;
        size_t e = literal.size();
        while (b < e && !IsWordChar(literal[b]))
            ++b;
        while (e > b && !IsWordChar(literal[e - 1]))
            --e;
        if (b == e)
            continue;
        const std::wstring_view needle(literal.data() + b, e - b);
        for (size_t at = upper.find(needle, from); at != std::wstring::npos; at = upper.find(needle, at + 1)) {
            const size_t end = at + needle.size();
            if ((at == 0 || !SameClass(upper[at - 1], needle.front())) &&
                (end == upper.size() || !SameClass(upper[end], needle.back()))) {
                upper.replace(at, needle.size(), needle.size(), L' ');
                from = end;
                break;
            }
        }
    }
}

// A month (1..12) or weekday name of the locale, upper-cased.
struct Name {
    std::wstring text;
    uint32_t value;
};

// Full and abbreviated names, `count` of them from each first locale constant; month names also
// in the genitive form some languages use after a day ("1 marca").
std::vector<Name> Names(LCTYPE full, LCTYPE abbreviated, uint32_t count, bool genitive)
{
    std::vector<LCTYPE> forms{0};
    if (genitive)
        forms.push_back(LOCALE_RETURN_GENITIVE_NAMES);
    std::vector<Name> names;
    for (LCTYPE form : forms) {
        for (uint32_t i = 0; i < count; ++i) {
            for (LCTYPE first : {full, abbreviated}) {
                std::wstring text = UpperText(LocaleInfo((first + i) | form));
                if (!text.empty())
                    names.push_back({std::move(text), i + 1});
            }
        }
    }
    return names;
}

// The text read from left to right.
class CCursor {
public:
    explicit CCursor(std::wstring_view text) : m_text(text) {}

    void SkipSeparators()
    {
        while (m_pos < m_text.size() && !IsWordChar(m_text[m_pos]))
            ++m_pos;
    }
    // Whether a word follows (after any separators, which are taken).
    bool WordFollows()
    {
        SkipSeparators();
        return m_pos < m_text.size() && IsLetter(m_text[m_pos]);
    }
    // Letters and the dots of abbreviations ("A.D.").
    void SkipWord()
    {
        while (m_pos < m_text.size() && (IsLetter(m_text[m_pos]) || m_text[m_pos] == L'.'))
            ++m_pos;
    }
    // The longest of `names` that the text goes on with, taken; 0 when none.
    uint32_t TakeName(const std::vector<Name>& names)
    {
        size_t longest = 0;
        uint32_t value = 0;
        for (const Name& name : names) {
            if (name.text.size() > longest && m_text.substr(m_pos, name.text.size()) == name.text) {
                longest = name.text.size();
                value = name.value;
            }
        }
        m_pos += longest;
        return value;
    }
    // The lengths of the runs of digits from here on; the first is what is left of a run that a
    // fixed-width field has cut.
    std::vector<size_t> DigitRuns() const { return DigitRunLengths(m_text.substr(m_pos)); }
    // The next number, of at most `most` digits (0: any count); false when there is none.
    // `overflow` is set when it has more digits than any date part can have.
    bool TakeNumber(size_t most, uint32_t& value, bool& overflow)
    {
        while (m_pos < m_text.size() && !IsDigit(m_text[m_pos]))
            ++m_pos;
        if (m_pos == m_text.size())
            return false;
        value = 0;
        size_t n = 0;
        for (; m_pos < m_text.size() && IsDigit(m_text[m_pos]) && (most == 0 || n < most); ++m_pos, ++n) {
            if (n == kMaxDigits)
                overflow = true;
            else
                value = value * 10 + static_cast<uint32_t>(m_text[m_pos] - L'0');
        }
        return true;
    }

private:
    std::wstring_view m_text;
    size_t m_pos = 0;
};

enum class Part { Day, Month, Year };

// A day, month or year field of the picture and what the text gave it.
struct Slot {
    Part part;
    bool byName = false; // a month read as its name, not as a number
    bool read = false;
    uint32_t value = 0;
};

bool IsNumberField(const PictureRun& run)
{
    return run.letter == L'y' || ((run.letter == L'd' || run.letter == L'M') && run.count <= 2);
}

// Digits a number field may take when the next field follows without a separator
// ("yyyyMMdd"); any count otherwise.
size_t FieldWidth(const std::vector<PictureRun>& runs, size_t i)
{
    if (i + 1 >= runs.size() || !IsNumberField(runs[i + 1]))
        return 0;
    return runs[i].letter == L'y' && runs[i].count > 2 ? 4 : 2;
}

// Whether the runs of digits of `lengths` from the `k`th on can fill the picture's number fields
// from run `i` on: each run one field or, cut at the widths, several that touch.
bool RunsFillFields(const std::vector<PictureRun>& runs, size_t i, const std::vector<size_t>& lengths, size_t k)
{
    const auto nextField = [&runs](size_t from) {
        while (from < runs.size() && !IsNumberField(runs[from]))
            ++from;
        return from;
    };
    for (i = nextField(i); k < lengths.size() && i < runs.size(); ++k, i = nextField(i)) {
        size_t left = lengths[k];
        for (;;) {
            const size_t width = FieldWidth(runs, i++);
            if (width == 0 || left <= width)
                break;
            left -= width;
        }
    }
    return i == runs.size();
}

// Digits that number field `i` takes from the text's runs of digits (`lengths`, the first the one
// at hand); 0 for the whole run. Separators split the fields: the picture's widths cut a run only
// where it holds several touching fields ("240307", "2024/0307" for "yyMMdd"). A day or a month
// holds no more digits than its width; a year holds up to four while the runs after it can fill
// the fields after it ("999/3/7", not "2403/7").
size_t DigitsToTake(const std::vector<PictureRun>& runs, size_t i, const std::vector<size_t>& lengths)
{
    const size_t width = FieldWidth(runs, i);
    if (width == 0 || lengths.empty() || lengths.front() <= width)
        return 0;
    if (runs[i].letter == L'y' && lengths.front() <= 4 && RunsFillFields(runs, i + 1, lengths, 1))
        return 0;
    return width;
}

bool AllDigits(std::wstring_view s)
{
    return std::all_of(s.begin(), s.end(), IsDigit);
}

// Whether the picture writes a date as eight plain digits, as the project files do.
bool ShowsEightDigits(std::wstring_view picture)
{
    wchar_t shown[64] = {};
    TDate(TDate::FromYMD(12, 2000, 31)).Format(shown, 64, 0, std::wstring(picture).c_str());
    return std::wcslen(shown) == 8 && AllDigits(shown);
}

// With fewer numbers than number fields, the numbers go to the day, month and year in the
// picture's order, leaving out the year first and then the month, as TDate::Parse does.
void FitFewerNumbers(std::vector<Slot>& slots)
{
    std::vector<Slot*> fields;
    std::vector<uint32_t> numbers;
    for (Slot& slot : slots) {
        if (slot.byName)
            continue;
        fields.push_back(&slot);
        if (slot.read)
            numbers.push_back(slot.value);
    }
    if (numbers.size() >= fields.size())
        return;
    std::vector<Slot*> takers = fields;
    for (Part left : {Part::Year, Part::Month}) {
        if (numbers.size() < takers.size())
            takers.erase(std::remove_if(takers.begin(), takers.end(),
                                        [left](const Slot* s) { return s->part == left; }),
                         takers.end());
    }
    for (Slot* slot : fields)
        slot->read = false;
    for (size_t i = 0; i < numbers.size() && i < takers.size(); ++i) {
        takers[i]->read = true;
        takers[i]->value = numbers[i];
    }
}

// Whether the picture shows the day of the month as a number ("d", "dd"; "ddd" is the weekday).
bool ShowsDayNumber(const std::vector<PictureRun>& runs)
{
    return std::any_of(runs.begin(), runs.end(), [](const PictureRun& r) { return r.letter == L'd' && r.count <= 2; });
}

// Whether the picture has a run of `letter` at least `count` long.
bool HasRun(const std::vector<PictureRun>& runs, wchar_t letter, size_t count)
{
    return std::any_of(runs.begin(), runs.end(), [=](const PictureRun& r) { return r.letter == letter && r.count >= count; });
}

// The date of the typed parts (day, month, year; `read` says which the text gave) where an edit
// changes only what its picture lets the user see: a part the picture hides and the text leaves
// out stays the held date's.
TDate KeepingHiddenParts(uint64_t (&parts)[3], const bool (&read)[3], const std::vector<PictureRun>& runs, const TDate& held)
{
    unsigned heldYear = 0;
    unsigned heldMonth = 0;
    unsigned heldDay = 0;
    held.ToYMD(heldYear, heldMonth, heldDay);
    if (!read[1] && !HasRun(runs, L'M', 1))
        parts[1] = heldMonth;
    // The century of a two-digit year stays while its digits are the held year's.
    const bool keepsYear =
        heldYear >= 100 && (HasRun(runs, L'y', 1) ? !HasRun(runs, L'y', 3) && read[2] && parts[2] == heldYear % 100
                                                  : !read[2]);
    const auto month = static_cast<uint32_t>(parts[1]);
    unsigned year = heldYear;
    if (!keepsYear) {
        const TDate typed = TDate::FromTypedParts(parts[2], month, 1);
        if (!typed.IsReal())
            return TDate(TDate::kInvalid);
        year = typed.GetYear();
    }
    auto day = static_cast<uint32_t>(parts[0]);
    // Without a day on show, the held day, or the typed month's last where that month is shorter.
    if (!read[0] && !ShowsDayNumber(runs) && month >= 1 && month <= 12)
        day = std::min<uint32_t>(heldDay, static_cast<uint32_t>(TDate::DaysInMonth(year, month)));
    return TDate(TDate::FromYMD(month, year, day));
}

// The date read in the order of `runs`; the invalid date when there is none. `held` (may be null)
// is the value the text showed before the user edited it, and `shown` the picture's runs that say
// which of its parts the user saw.
TDate ReadInOrder(std::wstring_view text, const std::vector<PictureRun>& runs, const std::vector<PictureRun>& shown,
                  const TDate* held)
{
    std::wstring upper = UpperText(std::wstring(text));
    BlankLiterals(upper, runs);
    const auto has = [&runs](wchar_t letter, size_t count) { return HasRun(runs, letter, count); };
    const std::vector<Name> months = has(L'M', 3) ? Names(LOCALE_SMONTHNAME1, LOCALE_SABBREVMONTHNAME1, 12, true)
                                                  : std::vector<Name>{};
    const std::vector<Name> days =
        has(L'd', 3) ? Names(LOCALE_SDAYNAME1, LOCALE_SABBREVDAYNAME1, 7, false) : std::vector<Name>{};

    CCursor at(upper);
    std::vector<Slot> slots;
    bool overflow = false;
    const auto takeNumber = [&](Part part, size_t most) {
        Slot slot{part};
        slot.read = at.TakeNumber(most, slot.value, overflow);
        slots.push_back(slot);
    };
    for (size_t i = 0; i < runs.size(); ++i) {
        const PictureRun& run = runs[i];
        if (run.letter == L'd' && run.count >= 3) {
            if (at.WordFollows() && at.TakeName(days) == 0)
                at.SkipWord();
        } else if (run.letter == L'M' && run.count >= 3 && at.WordFollows()) {
            Slot slot{Part::Month, true, true};
            slot.value = at.TakeName(months);
            if (slot.value == 0)
                return TDate(TDate::kInvalid); // a word where the month's name should be
            slots.push_back(slot);
        } else if (run.letter == L'g') {
            if (at.WordFollows())
                at.SkipWord();
        } else if (run.letter) {
            const Part part = run.letter == L'd' ? Part::Day : run.letter == L'M' ? Part::Month : Part::Year;
            takeNumber(part, DigitsToTake(runs, i, at.DigitRuns()));
        }
    }
    // A number after a picture without a year ("dd.MM.") is the year.
    if (!has(L'y', 1)) {
        takeNumber(Part::Year, 0);
        if (!slots.back().read)
            slots.pop_back();
    }
    if (overflow)
        return TDate(TDate::kInvalid);
    FitFewerNumbers(slots);
    if (std::none_of(slots.begin(), slots.end(), [](const Slot& s) { return s.read; }))
        return TDate(TDate::kInvalid);

    const LocalClock now = Now();
    uint64_t parts[3] = {static_cast<unsigned>(now.day), static_cast<unsigned>(now.month),
                         static_cast<unsigned>(now.year)};
    bool read[3] = {};
    // A picture may show a part twice ("d (dd)"); the first counts.
    for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
        if (it->read) {
            parts[static_cast<int>(it->part)] = it->value;
            read[static_cast<int>(it->part)] = true;
        }
    }
    return held ? KeepingHiddenParts(parts, read, shown, *held)
                : TDate::FromTypedParts(parts[2], static_cast<uint32_t>(parts[1]), static_cast<uint32_t>(parts[0]));
}

// The locale's order of the day, month and year (LOCALE_IDATE), as the runs of a picture.
std::vector<PictureRun> LocaleOrder()
{
    const std::wstring order = LocaleInfo(LOCALE_IDATE);
    return SplitPicture(order == L"1" ? L"d/M/y" : order == L"2" ? L"y/M/d" : L"M/d/y", L"dMyg");
}

enum class TimeField { Hour, Minute, Second };

// The hours and minutes a typed time gives; -1 where it gives none.
struct TypedTime {
    int hour = -1;
    int minute = -1;
};

int NumberOf(std::wstring_view digits)
{
    int value = 0;
    for (wchar_t c : digits)
        value = value * 10 + (c - L'0');
    return value;
}

// The text's numbers for the picture's hour, minute and second fields in the picture's order, then
// for the hour and the minutes the picture does not show ("14:30" under "HH"); seconds are read
// and dropped, numbers beyond the fields left. As the time parser reads them, a run of three or
// more digits where the hour is due holds the hour and the minutes ("930", "0930"), and a number
// is at most its first two digits.
TypedTime ReadTimeFields(std::wstring_view text, const std::vector<PictureRun>& runs)
{
    std::vector<TimeField> order;
    for (const PictureRun& run : runs) {
        if (run.letter == L'h' || run.letter == L'H')
            order.push_back(TimeField::Hour);
        else if (run.letter == L'm')
            order.push_back(TimeField::Minute);
        else if (run.letter == L's')
            order.push_back(TimeField::Second);
    }
    order.push_back(TimeField::Hour);
    order.push_back(TimeField::Minute);

    const std::vector<DigitRun> numbers = DigitRunsOf(text);
    TypedTime typed;
    bool secondsRead = false;
    size_t k = 0;
    for (const TimeField field : order) {
        if (k == numbers.size())
            break;
        const std::wstring_view digits = text.substr(numbers[k].at, numbers[k].length);
        if (field == TimeField::Hour && typed.hour < 0) {
            if (digits.size() >= 3 && typed.minute < 0) {
                const size_t hourDigits = digits.size() == 3 ? 1 : 2;
                typed.hour = NumberOf(digits.substr(0, hourDigits));
                typed.minute = NumberOf(digits.substr(hourDigits, 2));
            } else {
                typed.hour = NumberOf(digits.substr(0, 2));
            }
        } else if (field == TimeField::Minute && typed.minute < 0) {
            typed.minute = NumberOf(digits.substr(0, 2));
        } else if (field == TimeField::Second && !secondsRead) {
            secondsRead = true;
        } else {
            continue; // a part the text gave already
        }
        ++k;
    }
    return typed;
}

// Whether the user typed a word the time parser takes for a designator: any letter left once the
// picture's own words are out, where the locale's clock reads designators.
bool TypesDesignator(const std::wstring& plain)
{
    return UsesTwelveHourClock() && std::any_of(plain.begin(), plain.end(), IsLetter);
}

} // namespace

TDate ParseDate(std::wstring_view text, std::wstring_view picture, const TDate* held)
{
    if (held && !held->IsReal())
        held = nullptr;
    const std::wstring typed(text);
    if (picture.empty() || picture.size() > kMaxPictureChars || text.empty() ||
        (text.size() == 8 && AllDigits(text) && !ShowsEightDigits(picture)))
        return TDate::Parse(typed.c_str());
    const std::vector<PictureRun> runs = SplitPicture(picture, L"dMyg");
    const TDate date = ReadInOrder(text, runs, runs, held);
    if (date.IsReal())
        return date;
    // No date in the picture's order ("3/13/2026" under "dd.MM.yyyy"): perhaps one in the
    // locale's, which changes no more than the picture shows either; a text that is no date
    // either way stays the invalid date.
    const TDate byLocale = AllDigits(text) && text.size() == 8 ? TDate::Parse(typed.c_str())
                                                               : ReadInOrder(text, LocaleOrder(), runs, held);
    if (byLocale.IsReal())
        return byLocale;
    // Without a number the date parser decides, as it does for an edit without a picture:
    // separators alone ("./-") leave today's day, month and year; a word is no date.
    return std::any_of(text.begin(), text.end(), IsDigit) ? date : TDate::Parse(typed.c_str());
}

TTime ParseTime(std::wstring_view text, std::wstring_view picture, const TTime* held)
{
    if (picture.empty() || picture.size() > kMaxPictureChars || text.empty())
        return TTime::Parse(std::wstring(text).c_str());
    const std::vector<PictureRun> runs = SplitPicture(picture, L"hHmst");
    std::wstring plain = UpperText(std::wstring(text));
    BlankLiterals(plain, runs);
    const TypedTime typed = ReadTimeFields(plain, runs);
    // The time parser reads the hours and minutes as typed, hours first, with the words the
    // user typed for its designators; a text without a number as it stands (0:00).
    std::wstring hoursFirst = plain;
    if (typed.hour >= 0 || typed.minute >= 0) {
        std::replace_if(hoursFirst.begin(), hoursFirst.end(), IsDigit, L' ');
        hoursFirst = std::to_wstring(std::max(typed.hour, 0)) + L":" + std::to_wstring(std::max(typed.minute, 0)) +
                     L" " + hoursFirst;
    }
    // A picture with "t" shows the designators even where the locale's clock has 24 hours.
    const bool showsHalf = HasRun(runs, L't', 1);
    TTime time = showsHalf ? TTime::Parse(hoursFirst.c_str(), true) : TTime::Parse(hoursFirst.c_str());
    if (!held || held->empty)
        return time;

    // A part the text gives is the typed one; the rest stays the held value's where the picture
    // hides it, and so do the hours of a text that gives the minutes alone ("45" under "mm 'past' H").
    const auto hourRun = std::find_if(runs.begin(), runs.end(), [](const PictureRun& r) {
        return r.letter == L'h' || r.letter == L'H';
    });
    int hour = time.GetHour();
    int minute = time.GetMinute();
    if (typed.minute < 0 && !HasRun(runs, L'm', 1))
        minute = held->GetMinute();
    if (typed.hour < 0 && (hourRun == runs.end() || typed.minute >= 0)) {
        hour = held->GetHour();
    } else if (typed.hour >= 0 && hourRun != runs.end() && hourRun->letter == L'h' && !showsHalf &&
               !TypesDesignator(plain)) {
        // Twelve-hour digits without designators: the half of the day stays while the hour is
        // the one shown for the held value.
        const int typedHour = TTime::Parse(hoursFirst.c_str(), false).GetHour();
        const int heldHour = held->GetHour() % 24;
        if (typedHour == (heldHour % 12 == 0 ? 12 : heldHour % 12))
            hour = heldHour;
    }
    time.SetMinutes(hour * 60 + minute);
    return time;
}

} // namespace datetime
