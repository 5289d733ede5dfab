#pragma once
// The month calendar's options and state, and what its navigation does (select a day, show a
// month, keep the selection in view, the keys), without any window. The window (CRKCalendar)
// repaints and notifies through the ICalendarEvents it hands in.

#include "RKComControls2.h"
#include "TDate.h"

#include <array>
#include <string>

namespace rkcc {

// Everything a host can set (messages WM_USER+102 to +145).
struct CalendarOptions {
    std::array<int, kCalSizeCount> size{500, 150, 133, 50, 50};
    int yearTextLength = 0;
    int captionMonthLength = 0;
    int stripMonthLength = 3;
    int weekdayLength = 2;
    std::array<COLORREF, kCalColorCount> colors{};
    int across = 1;
    int down = 1;
    int halign = 0;
    int valign = 0;
    bool arrows = true;
    bool yearView = true;
    bool buttonToday = true;
    bool buttonMonth = true;
    bool buttonYear = true;
    bool weekHeaderText = false;
    bool weekNumbers = true;
    bool otherMonthDays = true;
    bool selectable = true;
    bool focusRect = true;
    std::array<bool, kCalBoldCount> bold{true, true, false, false, false, false, false, false, false, false};
    int todayMark = 1;    // bit 0 frame, bit 1 fill
    int selectedMark = 2;
    int stripLineStyle = 1;
    int gridLineStyle = 4;
    CalendarDayCallback dayCallback{nullptr, nullptr};
    CalendarHeaderCallback headerCallback{nullptr, nullptr};

    bool AnyButton() const { return buttonToday || buttonMonth || buttonYear; }
};

// The default colours of the table (system colours read now).
std::array<COLORREF, kCalColorCount> DefaultCalendarColors();

// Locale texts read once at creation.
struct CalendarTexts {
    int firstDayOfWeek = 0;                  // 0 Monday .. 6 Sunday
    std::array<std::wstring, 7> dayNames;    // abbreviated, Monday first
    std::array<std::wstring, 12> monthNames; // full
    std::array<std::wstring, 12> monthAbbrevs;
    std::wstring today = L"Today";
    std::wstring month = L"Month";
    std::wstring year = L"Year";
    std::wstring week = L"W";
    std::wstring captionFormat = L"%s %s";
};
CalendarTexts LoadCalendarTexts();

struct CalendarHit {
    int kind = kCalHitNothing;
    int detail = 0;
    uint32_t day = 0;
    int block = -1;
};

// What the model asks of its window.
class ICalendarEvents {
public:
    virtual void Notify(WORD code) = 0;
    virtual void RepaintAll() = 0;
    // Repaints the blocks showing these days (the whole window when one is not shown).
    virtual void RepaintDays(uint32_t oldDay, uint32_t newDay) = 0;

protected:
    ~ICalendarEvents() = default;
};

uint32_t FirstOfMonth(uint32_t day);
uint32_t AddMonthsTo(uint32_t day, int months); // day of month clamped
uint32_t AddYearsTo(uint32_t day, int years);
// First day of the week (by the first day of week) that holds `day`.
uint32_t WeekStart(uint32_t day, int firstDayOfWeek);
// ISO 8601 week number of the week whose Monday is `monday`.
int IsoWeekOfMonday(uint32_t monday);

class CCalendarModel {
public:
    CCalendarModel(ICalendarEvents& events, const CalendarTexts& texts);

    CalendarOptions options;
    const CalendarTexts& Texts() const { return m_texts; }

    uint32_t FirstMonth() const { return m_first; }
    uint32_t Selected() const { return m_selected; }
    int MonthCount() const { return options.across * options.down; }
    // First day of block i's month, and the last day of the last block.
    uint32_t BlockFirstDay(int block) const { return AddMonthsTo(m_first, block); }
    uint32_t LastShownDay() const;
    bool HasWeekColumn() const { return options.weekNumbers && m_texts.firstDayOfWeek == 0; }

    void SetFirstMonth(uint32_t day); // shows that day's month first
    void SelectDay(uint32_t day);
    void GetVisibleRange(uint32_t& first, uint32_t& last) const;
    // WM_KEYDOWN; false for a key the calendar leaves to default processing.
    bool OnKey(UINT vk, bool ctrl);
    // A left press that the hit test described; the window took the focus before.
    void OnLeftPress(const CalendarHit& hit);
    // Arrow button 100 (back) or 101 (forward).
    void StepView(bool forward);

    CalendarHit lastHit;

private:
    enum class Follow { View, Selection };
    // True when the first displayed month moved.
    bool KeepInView(Follow mode);
    void PressToday();

    ICalendarEvents& m_events; // the window that owns this model
    const CalendarTexts& m_texts;
    uint32_t m_first;
    uint32_t m_selected;
};

} // namespace rkcc
