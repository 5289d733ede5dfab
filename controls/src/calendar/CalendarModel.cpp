// Navigation of the month calendar.
#include "calendar/CalendarModel.h"

#include "DateTimeEnv.h"
#include "DisplayStrings.h"
#include "ControlsRes.h"

#include <windows.h>

namespace rkcc {

namespace {

uint32_t Today()
{
    return TDate();
}

std::wstring LocaleText(LCTYPE type)
{
    wchar_t buffer[128] = {};
    if (GetLocaleInfoW(datetime::CurrentLocale(), type, buffer, 128) <= 0)
        return {};
    return buffer;
}

} // namespace

std::array<COLORREF, kCalColorCount> DefaultCalendarColors()
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    return {face,   face,   text,   shadow, face,   text,   face,   text,   window, text,   text,
            window, shadow, face,   text,   shadow, text,   face,   text,   RGB(192, 192, 192),
            RGB(128, 128, 128), RGB(128, 128, 128), window, text, shadow, window, text, RGB(255, 0, 0),
            highlight, RGB(255, 255, 255), highlight, RGB(224, 224, 224), shadow};
}

CalendarTexts LoadCalendarTexts()
{
    CalendarTexts t;
    const std::wstring first = LocaleText(LOCALE_IFIRSTDAYOFWEEK);
    t.firstDayOfWeek = (!first.empty() && first[0] >= L'0' && first[0] <= L'6') ? first[0] - L'0' : 0;
    for (int i = 0; i < 7; ++i)
        t.dayNames[static_cast<size_t>(i)] = LocaleText(static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + i));
    for (int i = 0; i < 12; ++i) {
        t.monthNames[static_cast<size_t>(i)] = LocaleText(static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + i));
        t.monthAbbrevs[static_cast<size_t>(i)] = LocaleText(static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + i));
    }
    t.today = DisplayString(IDS_CAL_TODAY);
    t.month = DisplayString(IDS_CAL_MONTH);
    t.year = DisplayString(IDS_CAL_YEAR);
    t.week = DisplayString(IDS_CAL_WEEK);
    t.captionFormat = DisplayString(IDS_CAL_CAPTION);
    return t;
}

uint32_t FirstOfMonth(uint32_t day)
{
    const TDate d(day);
    return TDate::FromYMD(d.GetMonth(), d.GetYear(), 1);
}

uint32_t AddMonthsTo(uint32_t day, int months)
{
    TDate d(day);
    return months >= 0 ? d.AddMonths(months) : d.SubMonths(-months);
}

uint32_t AddYearsTo(uint32_t day, int years)
{
    TDate d(day);
    return years >= 0 ? d.AddYears(years) : d.SubYears(-years);
}

uint32_t WeekStart(uint32_t day, int firstDayOfWeek)
{
    return day - static_cast<uint32_t>((static_cast<int>(day % 7) - firstDayOfWeek + 7) % 7);
}

int IsoWeekOfMonday(uint32_t monday)
{
    const long long t = (static_cast<long long>(monday) + 31741) % 146097 % 36524 % 1461;
    const long long l = t / 1460;
    return static_cast<int>((((t - l) % 365) + l) / 7 + 1);
}

CCalendarModel::CCalendarModel(ICalendarEvents& events, const CalendarTexts& texts)
    : m_events(events), m_texts(texts), m_first(FirstOfMonth(Today())), m_selected(Today())
{
    options.colors = DefaultCalendarColors();
}

uint32_t CCalendarModel::LastShownDay() const
{
    return AddMonthsTo(m_first, MonthCount()) - 1;
}

bool CCalendarModel::KeepInView(Follow mode)
{
    if (!options.selectable)
        return false;
    const int n = MonthCount();
    const uint32_t first = m_first;
    const uint32_t last = LastShownDay();
    if (m_selected >= first && m_selected <= last)
        return false;
    const TDate selected(m_selected);
    if (m_selected > last) {
        if (mode == Follow::View) {
            m_first = AddMonthsTo(FirstOfMonth(m_selected), -(n - 1));
        } else {
            const TDate lastDay(last);
            const unsigned day = std::min<unsigned>(selected.GetDay(),
                                                    static_cast<unsigned>(lastDay.GetDaysInMonth()));
            m_selected = TDate::FromYMD(lastDay.GetMonth(), lastDay.GetYear(), day);
        }
    } else {
        if (mode == Follow::View) {
            m_first = FirstOfMonth(m_selected);
        } else {
            const TDate firstDay(first);
            const unsigned day = std::min<unsigned>(selected.GetDay(),
                                                    static_cast<unsigned>(firstDay.GetDaysInMonth()));
            m_selected = TDate::FromYMD(firstDay.GetMonth(), firstDay.GetYear(), day);
        }
    }
    if (m_first != first) {
        m_events.Notify(RKCC2N_CAL_VIEWCHANGED);
        return true;
    }
    return false;
}

void CCalendarModel::SetFirstMonth(uint32_t day)
{
    const uint32_t d = FirstOfMonth(day);
    if (d == m_first || d < 2)
        return;
    const uint32_t oldSelected = m_selected;
    m_first = d;
    KeepInView(Follow::Selection);
    m_events.RepaintAll();
    m_events.Notify(RKCC2N_CAL_VIEWCHANGED);
    if (m_selected != oldSelected)
        m_events.Notify(RKCC2N_CAL_DATECHANGED);
}

void CCalendarModel::SelectDay(uint32_t day)
{
    if (!options.selectable || day == m_selected || day < 2)
        return;
    const uint32_t old = m_selected;
    m_selected = day;
    if (KeepInView(Follow::View))
        m_events.RepaintAll();
    else
        m_events.RepaintDays(old, day);
    m_events.Notify(RKCC2N_CAL_DATECHANGED);
}

void CCalendarModel::GetVisibleRange(uint32_t& first, uint32_t& last) const
{
    if (options.otherMonthDays) {
        first = WeekStart(m_first, m_texts.firstDayOfWeek);
        last = WeekStart(BlockFirstDay(MonthCount() - 1), m_texts.firstDayOfWeek) + 41;
    } else {
        first = m_first;
        last = LastShownDay();
    }
}

void CCalendarModel::PressToday()
{
    if (options.selectable)
        SelectDay(Today());
    else
        SetFirstMonth(Today());
}

void CCalendarModel::StepView(bool forward)
{
    const int step = forward ? 1 : -1;
    SetFirstMonth(options.yearView ? AddYearsTo(m_first, step) : AddMonthsTo(m_first, step));
}

bool CCalendarModel::OnKey(UINT vk, bool ctrl)
{
    uint32_t selected = m_selected;
    uint32_t first = m_first;
    const bool selectable = options.selectable;
    switch (vk) {
    case VK_RETURN:
        m_events.Notify(RKCC2N_CAL_PICKENTER);
        return true;
    case VK_SPACE:
        m_events.Notify(RKCC2N_CAL_PICKSPACE);
        return true;
    case VK_PRIOR:
    case VK_NEXT: {
        const int sign = vk == VK_NEXT ? 1 : -1;
        uint32_t& target = selectable ? selected : first;
        target = ctrl ? AddYearsTo(target, sign) : AddMonthsTo(target, sign);
        break;
    }
    case VK_LEFT:
        selected -= 1;
        break;
    case VK_RIGHT:
        selected += 1;
        break;
    case VK_UP:
        selected -= 7;
        break;
    case VK_DOWN:
        selected += 7;
        break;
    case VK_F6:
    case VK_F7:
        lastHit = {kCalHitButton, vk == VK_F6 ? 1 : 2, selectable ? m_selected : m_first, lastHit.block};
        m_events.Notify(vk == VK_F6 ? RKCC2N_CAL_MONTH : RKCC2N_CAL_YEAR);
        return true;
    case VK_F8:
        lastHit = {kCalHitButton, 0, Today(), lastHit.block};
        m_events.Notify(RKCC2N_CAL_TODAY);
        PressToday();
        return true;
    default:
        return false;
    }
    if (selected != m_selected) {
        SelectDay(selected); // nothing while day selection is off
    } else if (first != m_first) {
        SetFirstMonth(first);
    }
    return true;
}

void CCalendarModel::OnLeftPress(const CalendarHit& hit)
{
    lastHit = hit;
    switch (hit.kind) {
    case kCalHitMonthStrip:
        SetFirstMonth(AddMonthsTo(hit.day, -hit.block));
        break;
    case kCalHitDay:
        if (options.selectable) {
            SelectDay(hit.day);
            m_events.Notify(RKCC2N_CAL_SELECTION);
        }
        break;
    case kCalHitButton:
        if (hit.detail == 1 || hit.detail == 2) {
            m_events.Notify(hit.detail == 1 ? RKCC2N_CAL_MONTH : RKCC2N_CAL_YEAR);
            return;
        }
        PressToday();
        m_events.Notify(RKCC2N_CAL_TODAY);
        return;
    default:
        break;
    }
    m_events.Notify(RKCC2N_CAL_CLICK);
}

} // namespace rkcc
