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
    // Runs of digits from here on; a run cut by a fixed-width field counts as its own.
    size_t DigitRunsLeft() const
    {
        size_t runs = 0;
        for (size_t i = m_pos; i < m_text.size(); ++i) {
            if (IsDigit(m_text[i]) && (i == m_pos || !IsDigit(m_text[i - 1])))
                ++runs;
        }
        return runs;
    }
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

// Number fields of the picture from run `i` on.
size_t NumberFieldsFrom(const std::vector<PictureRun>& runs, size_t i)
{
    return static_cast<size_t>(std::count_if(runs.begin() + static_cast<std::ptrdiff_t>(i), runs.end(), IsNumberField));
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
// changes only what its picture lets the user see: the rest stays the held date's.
TDate KeepingHiddenParts(uint64_t (&parts)[3], const bool (&read)[3], const std::vector<PictureRun>& runs, const TDate& held)
{
    unsigned heldYear = 0;
    unsigned heldMonth = 0;
    unsigned heldDay = 0;
    held.ToYMD(heldYear, heldMonth, heldDay);
    if (!HasRun(runs, L'M', 1))
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
    if (!ShowsDayNumber(runs) && month >= 1 && month <= 12)
        day = std::min<uint32_t>(heldDay, static_cast<uint32_t>(TDate::DaysInMonth(year, month)));
    return TDate(TDate::FromYMD(month, year, day));
}

// The date in the picture's order; the invalid date when there is none. `held` (may be null) is
// the value the text showed before the user edited it.
TDate ReadByPicture(std::wstring_view text, std::wstring_view picture, const TDate* held)
{
    const std::vector<PictureRun> runs = SplitPicture(picture, L"dMyg");
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
            // Where the user separated every field ("999/3/7" for "yyMMdd") the separators split
            // them; the picture's widths cut only a run of digits that holds several fields.
            const bool separated = at.DigitRunsLeft() >= NumberFieldsFrom(runs, i);
            takeNumber(part, separated ? 0 : FieldWidth(runs, i));
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
    return held ? KeepingHiddenParts(parts, read, runs, *held)
                : TDate::FromTypedParts(parts[2], static_cast<uint32_t>(parts[1]), static_cast<uint32_t>(parts[0]));
}

// The text with its first two numbers swapped, for a picture that shows the minutes before the
// hours ("mm 'past' H"): the time parser reads hours first.
std::wstring HoursFirst(const std::wstring& text)
{
    std::vector<std::wstring> numbers;
    std::wstring rest = text;
    for (size_t i = 0; i < rest.size();) {
        if (!IsDigit(rest[i])) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < rest.size() && IsDigit(rest[end]))
            ++end;
        numbers.push_back(rest.substr(i, end - i));
        rest.replace(i, end - i, end - i, L' ');
        i = end;
    }
    if (numbers.size() < 2)
        return text;
    std::wstring swapped = numbers[1] + L":" + numbers[0];
    for (size_t k = 2; k < numbers.size(); ++k)
        swapped += L" " + numbers[k];
    return swapped + L" " + rest;
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
    const TDate date = ReadByPicture(text, picture, held);
    if (date.IsReal())
        return date;
    // No date in the picture's order ("3/13/2026" under "dd.MM.yyyy"): perhaps one in the
    // locale's; a text that is no date either way stays the invalid date.
    const TDate byLocale = TDate::Parse(typed.c_str());
    return byLocale.IsReal() ? byLocale : date;
}

TTime ParseTime(std::wstring_view text, std::wstring_view picture, const TTime* held)
{
    if (picture.empty() || picture.size() > kMaxPictureChars)
        return TTime::Parse(std::wstring(text).c_str());
    const std::vector<PictureRun> runs = SplitPicture(picture, L"hHmst");
    std::wstring plain = UpperText(std::wstring(text));
    BlankLiterals(plain, runs);
    const auto firstOf = [&runs](std::wstring_view letters) {
        const auto it = std::find_if(runs.begin(), runs.end(), [letters](const PictureRun& r) {
            return r.letter && letters.find(r.letter) != std::wstring_view::npos;
        });
        return it == runs.end() ? std::wstring_view::npos : static_cast<size_t>(it - runs.begin());
    };
    const size_t hourAt = firstOf(L"hH");
    const size_t minuteAt = firstOf(L"m");
    if (hourAt != std::wstring_view::npos && minuteAt != std::wstring_view::npos && minuteAt < hourAt)
        plain = HoursFirst(plain);
    // A picture with "t" shows the designators even where the locale's clock has 24 hours.
    const bool showsHalf = firstOf(L"t") != std::wstring_view::npos;
    TTime time = showsHalf ? TTime::Parse(plain.c_str(), true) : TTime::Parse(plain.c_str());
    if (!held || held->empty || time.empty)
        return time;

    // An edit changes only what its picture lets the user see; the rest stays the held value's.
    int hour = time.GetHour();
    int minute = time.GetMinute();
    if (minuteAt == std::wstring_view::npos)
        minute = held->GetMinute();
    if (hourAt == std::wstring_view::npos) {
        hour = held->GetHour();
    } else if (runs[hourAt].letter == L'h' && !showsHalf && !TypesDesignator(plain)) {
        // Twelve-hour digits without designators: the half of the day stays while the hour is
        // the one shown for the held value.
        const int typedHour = TTime::Parse(plain.c_str(), false).GetHour();
        const int heldHour = held->GetHour() % 24;
        if (typedHour == (heldHour % 12 == 0 ? 12 : heldHour % 12))
            hour = heldHour;
    }
    time.SetMinutes(hour * 60 + minute);
    return time;
}

} // namespace datetime
