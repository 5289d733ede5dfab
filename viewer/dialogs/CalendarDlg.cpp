// The calendar dialog.
#include "CalendarDlg.h"

#include "FrameDialogs.h"
#include "ProcessObjects.h"
#include "QV2PluginInterface.h"
#include "QV2ResVIds.h"
#include "SafeFormat.h"
#include "Settings.h"
#include "TDateTime.h"
#include "fw/Resources.h"

namespace {

TDate gRemembered(TDate::kEmpty);

COLORREF Colour(const wchar_t* key, BYTE red, BYTE green, BYTE blue)
{
    return static_cast<COLORREF>(GetColourSetting(key, RGB(red, green, blue)));
}

wqv2_data::CHoliday* HolidayOn(TDate day)
{
    return gData && gData->Holidays ? gData->Holidays->FindByDate(day) : nullptr;
}

int TextWidth(HDC dc, const std::wstring& text)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

} // namespace

CCalendarDlg::CCalendarDlg(wqv2_data::CCalendar* shown)
    : fw::CDialog(IDD_CALENDAR), calendar(shown),
      m_back(Colour(L"DlgCalendarColorBk", 255, 255, 255)),
      m_workingDay(Colour(L"DlgCalendarColorWorkingDay", 255, 255, 255)),
      m_dayOff(Colour(L"DlgCalendarColorDayOff", 224, 224, 224)),
      m_workingException(Colour(L"DlgCalendarColorWorkingDayException", 0, 255, 255)),
      m_dayOffException(Colour(L"DlgCalendarColorDayOffException", 255, 128, 64)),
      m_holidayFrame(Colour(L"DlgCalendarColorHolidayFrame", 232, 232, 0))
{
}

TDate CCalendarDlg::RememberedDate()
{
    return gRemembered;
}

void CCalendarDlg::ForgetRememberedDate()
{
    gRemembered = TDate(TDate::kEmpty);
}

CCalendarDlg::DayTimes CCalendarDlg::TimesOf(TDate day) const
{
    DayTimes result;
    // Without a calendar there are no exceptions to look at.
    wqv2_data::CCalendarException* exception =
        calendar && calendar->Exceptions ? calendar->Exceptions->FindByDate(day) : nullptr;
    if (exception) {
        SetWorkingTimePeriods(result.periods, exception->WorkingTimes, exception->WorkingTimeCount);
        result.fromException = true;
    } else {
        int list = day.GetWeekday();
        bool dayOff = false;
        if (holidayRule != 1 && HolidayOn(day)) {
            if (holidayRule == 0)
                dayOff = true;
            else
                list = 7;
        }
        if (!dayOff)
            result.periods = workingTimes[list];
    }
    result.workingDay = !result.periods.empty();
    return result;
}

void CCalendarDlg::ColourDay(CalendarDayInfo& cell) const
{
    if (cell.weekNumber)
        return;
    const TDate day(cell.day);
    if (HolidayOn(day)) {
        cell.frame = 1;
        cell.frameColor = m_holidayFrame;
    }
    if (cell.otherMonth)
        return;
    const DayTimes times = TimesOf(day);
    if (times.fromException)
        cell.backColor = times.workingDay ? m_workingException : m_dayOffException;
    else
        cell.backColor = times.workingDay ? m_workingDay : m_dayOff;
}

void __cdecl CCalendarDlg::DayCallback(CalendarDayInfo* cell, void* context)
{
    // Called from the controls library's painting: nothing may escape; the cell then keeps the
    // painter's colours.
    try {
        if (cell && context)
            static_cast<const CCalendarDlg*>(context)->ColourDay(*cell);
    } catch (...) {
    }
}

bool CCalendarDlg::OnInit()
{
    const int first = GetFirstDayOfWeek();
    const std::wstring captionFormat = fw::LoadResString(IDS_CALENDAR_WEEKDAY_CAPTION);
    for (int position = 0; position < 7; ++position) {
        HWND caption = Item(IDC_CALENDAR_WEEKDAY_FIRST + position);
        if (caption)
            SetWindowTextW(caption, msgfmt::Format(captionFormat, {GetDayName((position + first) % 7)}).c_str());
    }
    HWND combo = Item(IDC_CALENDAR_HOLIDAY_RULE);
    for (UINT id : {IDS_CALENDAR_RULE_DAY_OFF, IDS_CALENDAR_RULE_IGNORED, IDS_CALENDAR_RULE_LIST})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fw::LoadResString(id).c_str()));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(holidayRule), 0);
    SetDlgItemTextW(Hwnd(), IDC_CALENDAR_NAME, name.c_str());

    SetUpCalendar();

    const int swatchIds[4] = {IDC_CALENDAR_SWATCH_WORKING, IDC_CALENDAR_SWATCH_DAY_OFF,
                              IDC_CALENDAR_SWATCH_WORKING_EXCEPTION, IDC_CALENDAR_SWATCH_DAY_OFF_EXCEPTION};
    const COLORREF fills[4] = {m_workingDay, m_dayOff, m_workingException, m_dayOffException};
    for (int i = 0; i < 4; ++i) {
        if (HWND swatch = Item(swatchIds[i]); swatch && m_swatches[i].Attach(swatch)) {
            m_swatches[i].SetFillColor(fills[i]);
            m_swatches[i].SetFrameColor(RGB(0, 0, 0));
        }
    }
    const int separatorIds[2] = {IDC_CALENDAR_SEPARATOR_TIMES, IDC_CALENDAR_SEPARATOR_LEGEND};
    for (int i = 0; i < 2; ++i) {
        if (HWND separator = Item(separatorIds[i]))
            m_separators[i].Attach(separator);
    }

    m_initialised = true;
    FillWorkingTimeTexts();
    RefreshDayTexts();
    if (m_calendar.Hwnd())
        InvalidateRect(m_calendar.Hwnd(), nullptr, FALSE);
    return true;
}

void CCalendarDlg::SetUpCalendar()
{
    if (!m_calendar.Attach(Hwnd(), IDC_CALENDAR_MONTH))
        return;
    m_calendar.Send(RKCC2M_CALENDAR_SETBUTTONS, 0, FALSE);
    m_calendar.Send(RKCC2M_CALENDAR_SETHALIGN, 1);
    m_calendar.Send(RKCC2M_CALENDAR_SETVALIGN, 0);
    m_calendar.Send(RKCC2M_CALENDAR_SETSHOWOTHERMONTHDAYS, 0, FALSE);
    for (int slot : {kCalColorWindow, kCalColorYearBack, kCalColorHeaderBack, kCalColorWeekHeaderBack})
        m_calendar.Send(RKCC2M_CALENDAR_SETCOLOR, static_cast<WPARAM>(slot), static_cast<LPARAM>(m_back));
    m_calendar.Send(RKCC2M_CALENDAR_SETWEEKNUMBERS, 0, GetBoolSetting(L"DlgCalendarShowWeeknumbers", true));
    m_calendar.Send(RKCC2M_CALENDAR_SETINT, kCalSizeCellWidth, 500);
    m_calendar.SetDate(InitialDate());
    m_calendar.Update();
    m_calendar.SetDayCallback(&CCalendarDlg::DayCallback, this);
}

TDate CCalendarDlg::InitialDate() const
{
    // Text that reads as no date counts as no initial date at all.
    TDate date(TDate::kEmpty);
    const std::wstring init = GetSetting(L"DlgCalendarDateInit");
    if (!init.empty()) {
        const TDate parsed = TDate::Parse(init.c_str());
        if (parsed.IsReal())
            date = parsed;
    }
    if (!date.IsReal() && GetBoolSetting(L"DlgCalendarDateRemember", false))
        date = gRemembered;
    if (!date.IsReal() && GetBoolSetting(L"DlgCalendarDateSyncWithView", false)) {
        TDateTime shown(TDate(TDate::kEmpty), 0, true);
        if (SendViewMessage(WM_MAINWND_VIEWDATE, 0, reinterpret_cast<LPARAM>(&shown)) == 1)
            date = shown.date;
    }
    return date.IsReal() ? date : TDate();
}

void CCalendarDlg::ReadControls()
{
    const LRESULT rule = SendMessageW(Item(IDC_CALENDAR_HOLIDAY_RULE), CB_GETCURSEL, 0, 0);
    if (rule >= 0 && rule <= 2)
        holidayRule = static_cast<int>(rule);
}

void CCalendarDlg::FillWorkingTimeTexts()
{
    ReadControls();
    const int first = GetFirstDayOfWeek();
    for (int position = 0; position < 8; ++position) {
        const int list = position < 7 ? (position + first) % 7 : 7;
        std::wstring text = FormatWorkingTimes(workingTimes[list]);
        if (position == 7 && holidayRule != 2)
            text.clear();
        if (HWND item = Item(IDC_CALENDAR_TIMES_FIRST + position))
            SetWindowTextW(item, text.c_str());
    }
}

std::wstring CCalendarDlg::FitDayText(HDC dc, int width, const std::wstring& format, const std::wstring& weekday,
                                      const std::wstring& date, const std::wstring& holiday)
{
    const std::wstring full = msgfmt::Format(format, {weekday, date, holiday});
    if (!dc || TextWidth(dc, full) <= width)
        return full;
    for (size_t n = holiday.size(); n-- > 1;) {
        const std::wstring cut = msgfmt::Format(format, {weekday, date, holiday.substr(0, n) + L"..."});
        if (TextWidth(dc, cut) <= width)
            return cut;
    }
    return full;
}

std::wstring CCalendarDlg::DayText(TDate day, const wqv2_data::CHoliday* holiday) const
{
    const std::wstring weekday = GetLocaleDayName(day.GetWeekday(), true).substr(0, 20);
    const std::wstring date = GetDateText(day);
    if (!holiday)
        return msgfmt::Format(fw::LoadResString(IDS_CALENDAR_DAY), {weekday, date});
    const std::wstring format = fw::LoadResString(IDS_CALENDAR_DAY_HOLIDAY);
    const std::wstring holidayName = holiday->Name ? holiday->Name : L"";
    HWND item = Item(IDC_CALENDAR_DAY_TEXT);
    if (!item)
        return msgfmt::Format(format, {weekday, date, holidayName});
    RECT client{};
    GetClientRect(item, &client);
    HDC dc = GetDC(item);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item, WM_GETFONT, 0, 0)));
    const std::wstring text = FitDayText(dc, client.right - client.left, format, weekday, date, holidayName);
    SelectObject(dc, old);
    ReleaseDC(item, dc);
    return text;
}

void CCalendarDlg::RefreshDayTexts()
{
    ReadControls();
    const TDate day = m_calendar.Hwnd() ? m_calendar.GetDate() : TDate(TDate::kEmpty);
    std::wstring dayText;
    std::wstring timesText;
    // A day that is no date has nothing to tell.
    if (day.IsReal()) {
        dayText = DayText(day, HolidayOn(day));
        timesText = FormatWorkingTimes(TimesOf(day).periods);
    }
    SetDlgItemTextW(Hwnd(), IDC_CALENDAR_DAY_TEXT, dayText.c_str());
    SetDlgItemTextW(Hwnd(), IDC_CALENDAR_DAY_TIMES, timesText.c_str());
}

bool CCalendarDlg::OnCommand(UINT id, UINT code, HWND control)
{
    if (id == IDC_CALENDAR_MONTH) {
        if (code == RKCC2N_CAL_DATECHANGED && m_calendar.Hwnd()) {
            gRemembered = m_calendar.GetDate();
            if (m_initialised)
                RefreshDayTexts();
        }
        return true;
    }
    return fw::CDialog::OnCommand(id, code, control);
}
