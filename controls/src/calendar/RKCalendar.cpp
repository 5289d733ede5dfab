// The month calendar window: messages, layout with font fitting, mouse, keys and painting.
#include "calendar/RKCalendar.h"

#include "base/Fonts.h"

#include <windowsx.h>

#include <algorithm>

namespace rkcc {

namespace {

constexpr UINT kPrevId = 100;
constexpr UINT kNextId = 101;

int Bool(bool b)
{
    return b ? 1 : 0;
}

} // namespace

CRKCalendar::CRKCalendar() : m_texts(LoadCalendarTexts()), m_model(*this, m_texts) {}

void CRKCalendar::Notify(WORD code)
{
    NotifyParent(code);
}

void CRKCalendar::RepaintAll()
{
    if (Hwnd())
        Invalidate();
}

void CRKCalendar::RepaintDays(uint32_t oldDay, uint32_t newDay)
{
    if (!Hwnd())
        return;
    const int n = static_cast<int>(m_geometry.blocks.size());
    for (uint32_t day : {oldDay, newDay}) {
        const TDate d(day);
        const TDate first(m_model.FirstMonth());
        const int index = (static_cast<int>(d.GetYear()) - static_cast<int>(first.GetYear())) * 12 +
                          static_cast<int>(d.GetMonth()) - static_cast<int>(first.GetMonth());
        if (index < 0 || index >= n) {
            Invalidate();
            return;
        }
        InvalidateRect(Hwnd(), &m_geometry.blocks[static_cast<size_t>(index)].rect, FALSE);
    }
}

LOGFONTW CRKCalendar::BaseFont() const
{
    if (m_ownFont)
        return FontDescription(m_ownFont);
    return FontDescription(FontOf(Parent()));
}

CalendarMetrics CRKCalendar::Measure(const LOGFONTW& base, CalendarFonts* fonts) const
{
    CalendarFonts local;
    CalendarFonts& f = fonts ? *fonts : local;
    f.Make(base, m_model.options.size[kCalSizeYearBand]);
    CalendarMetrics m;
    CWindowDC dc(Hwnd());
    {
        CSelect select(dc, f.fonts[CalendarFonts::kBase]);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        m.averageCharWidth = tm.tmAveCharWidth;
        m.textHeight = tm.tmHeight;
    }
    {
        CSelect select(dc, f.fonts[CalendarFonts::kBoldYear]);
        m.yearTextWidth = TextExtent(dc, L"2000").cx;
    }
    return m;
}

void CRKCalendar::Layout()
{
    LOGFONTW base = BaseFont();
    if (base.lfHeight == 0)
        base.lfHeight = -8;
    const RECT client = ClientRect();
    // Shrink the font in 5 % steps until the calendar fits, never below a height of 4.
    base.lfHeight = FitFontHeight(base.lfHeight, [&](LONG height) {
        base.lfHeight = height;
        m_metrics = Measure(base, &m_fonts);
        const CalendarGeometry g = MeasureCalendar(m_model, m_metrics);
        return client.right >= g.ideal.cx && client.bottom >= g.ideal.cy;
    });
    LayOutCalendar(m_model, m_metrics, client, m_geometry);
    const bool show = m_model.options.arrows;
    auto place = [&](CArrowButton& button, const RECT& r) {
        if (!button.Hwnd())
            return;
        if (show && !IsRectEmpty(&r)) {
            SetWindowPos(button.Hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        } else {
            ShowWindow(button.Hwnd(), SW_HIDE);
        }
    };
    place(m_prev, m_geometry.leftArrow);
    place(m_next, m_geometry.rightArrow);
    UpdateArrowColors();
}

void CRKCalendar::UpdateArrowColors()
{
    const COLORREF color = m_model.options.colors[m_model.options.yearView ? kCalColorYearBack : kCalColorCaptionBack];
    m_prev.SetBackground(color);
    m_next.SetBackground(color);
}

int CRKCalendar::OnCreate()
{
    if (!m_prev.CreateButton(CArrowButton::kLeft, WS_CHILD, RECT{}, Hwnd(), kPrevId) ||
        !m_next.CreateButton(CArrowButton::kRight, WS_CHILD, RECT{}, Hwnd(), kNextId))
        return -1;
    UpdateArrowColors();
    Layout();
    return 0;
}

void CRKCalendar::RepaintSelectedBlock()
{
    if (!m_model.options.selectable) {
        Invalidate();
        return;
    }
    RepaintDays(m_model.Selected(), m_model.Selected());
}

CalendarHit CRKCalendar::Hit(LPARAM lp) const
{
    return HitTest(m_model, m_geometry, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
}

void CRKCalendar::OnArrow(UINT id, WORD code)
{
    if (code == RKCC2N_ARROWDOWN) {
        m_model.StepView(id == kNextId);
        SetFocus(Hwnd());
    } else if (code == RKCC2N_ARROWRDOWN) {
        POINT pt{};
        GetCursorPos(&pt);
        ScreenToClient(Hwnd(), &pt);
        SendMessageW(Hwnd(), WM_RBUTTONDOWN, 0, MAKELPARAM(pt.x, pt.y));
    }
}

void CRKCalendar::Paint()
{
    CPaintDC paint(Hwnd());
    const RECT client = ClientRect();
    CCalendarPainter painter(m_model, m_geometry, m_fonts, IsEnabled(), HasFocus());
    {
        cdc_extensions::CMemoryDC dc(paint);
        painter.Paint(dc, client, dc.Rect());
    }
    if (painter.HasFocusRect())
        DrawFocusRect(paint, &painter.FocusRect());
}

bool CRKCalendar::OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    CalendarOptions& o = m_model.options;
    const int index = static_cast<int>(wp);
    result = 1;
    switch (msg) {
    case RKCC2M_CALENDAR_UPDATE:
        Layout();
        Invalidate();
        return true;
    case RKCC2M_CALENDAR_SETFONT:
        if (wp)
            m_ownFont = CopyFont(reinterpret_cast<HFONT>(wp));
        else
            m_ownFont.Reset();
        return true;
    case RKCC2M_CALENDAR_SETCOLOR:
        if (wp >= kCalColorCount) {
            result = -1;
            return true;
        }
        o.colors[wp] = static_cast<COLORREF>(lp);
        if ((index == kCalColorYearBack && o.yearView) || (index == kCalColorCaptionBack && !o.yearView))
            UpdateArrowColors();
        return true;
    case RKCC2M_CALENDAR_GETCOLOR:
        result = wp < kCalColorCount ? static_cast<LRESULT>(o.colors[wp]) : -1;
        return true;
    case RKCC2M_CALENDAR_SETBOLD:
        if (wp >= kCalBoldCount)
            result = -1;
        else
            o.bold[wp] = lp != 0;
        return true;
    case RKCC2M_CALENDAR_GETBOLD:
        result = wp < kCalBoldCount ? Bool(o.bold[wp]) : -1;
        return true;
    case RKCC2M_CALENDAR_SETINT:
        if (wp >= kCalSizeCount)
            result = -1;
        else // a negative size or gap would make blocks overlap and cells vanish
            o.size[wp] = std::max(0, static_cast<int>(lp));
        return true;
    case RKCC2M_CALENDAR_GETINT:
        result = wp < kCalSizeCount ? o.size[wp] : -1;
        return true;
    case RKCC2M_CALENDAR_SETTEXTLENGTH:
    case RKCC2M_CALENDAR_GETTEXTLENGTH: {
        int* slot = wp == 0 ? &o.yearTextLength
                  : wp == 1 ? &o.captionMonthLength
                  : wp == 2 ? &o.stripMonthLength
                  : wp == 3 ? &o.weekdayLength
                            : nullptr;
        if (!slot)
            result = -1;
        else if (msg == RKCC2M_CALENDAR_SETTEXTLENGTH)
            *slot = static_cast<int>(lp);
        else
            result = *slot;
        return true;
    }
    case RKCC2M_CALENDAR_SETMARKSTYLE:
        if (wp == 0)
            o.todayMark = static_cast<int>(lp & 3);
        else if (wp == 1)
            o.selectedMark = static_cast<int>(lp & 3);
        else
            result = -1;
        return true;
    case RKCC2M_CALENDAR_GETMARKSTYLE:
        result = wp == 0 ? o.todayMark : wp == 1 ? o.selectedMark : -1;
        return true;
    case RKCC2M_CALENDAR_SETWEEKHEADERTEXT:
        o.weekHeaderText = lp != 0;
        return true;
    case RKCC2M_CALENDAR_GETWEEKHEADERTEXT:
        result = Bool(o.weekHeaderText);
        return true;
    case RKCC2M_CALENDAR_SETWEEKNUMBERS:
        result = Bool(o.weekNumbers);
        o.weekNumbers = lp != 0;
        return true;
    case RKCC2M_CALENDAR_GETWEEKNUMBERS:
        result = Bool(o.weekNumbers);
        return true;
    case RKCC2M_CALENDAR_SETBUTTONS:
        if (wp > 3) {
            result = -1;
            return true;
        }
        if (wp == 0 || wp == 1)
            o.buttonToday = lp != 0;
        if (wp == 0 || wp == 2)
            o.buttonMonth = lp != 0;
        if (wp == 0 || wp == 3)
            o.buttonYear = lp != 0;
        return true;
    case RKCC2M_CALENDAR_GETBUTTONS:
        result = wp == 1 ? Bool(o.buttonToday) : wp == 2 ? Bool(o.buttonMonth) : wp == 3 ? Bool(o.buttonYear) : -1;
        return true;
    case RKCC2M_CALENDAR_SETYEARVIEW:
        o.yearView = lp != 0;
        UpdateArrowColors();
        return true;
    case RKCC2M_CALENDAR_GETYEARVIEW:
        result = Bool(o.yearView);
        return true;
    case RKCC2M_CALENDAR_SETARROWS:
        o.arrows = lp != 0;
        return true;
    case RKCC2M_CALENDAR_GETARROWS:
        result = Bool(o.arrows);
        return true;
    case RKCC2M_CALENDAR_SETMONTHSACROSS:
    case RKCC2M_CALENDAR_SETMONTHSDOWN:
        if (wp == 0 || wp > kMaxMonths)
            result = -1;
        else if (msg == RKCC2M_CALENDAR_SETMONTHSACROSS)
            o.across = index;
        else
            o.down = index;
        return true;
    case RKCC2M_CALENDAR_GETMONTHSACROSS:
        result = o.across;
        return true;
    case RKCC2M_CALENDAR_GETMONTHSDOWN:
        result = o.down;
        return true;
    case RKCC2M_CALENDAR_SETHALIGN:
    case RKCC2M_CALENDAR_SETVALIGN:
        if (wp > 2)
            result = -1;
        else if (msg == RKCC2M_CALENDAR_SETHALIGN)
            o.halign = index;
        else
            o.valign = index;
        return true;
    case RKCC2M_CALENDAR_GETHALIGN:
        result = o.halign;
        return true;
    case RKCC2M_CALENDAR_GETVALIGN:
        result = o.valign;
        return true;
    case RKCC2M_CALENDAR_SETSHOWOTHERMONTHDAYS:
        o.otherMonthDays = lp != 0;
        return true;
    case RKCC2M_CALENDAR_GETSHOWOTHERMONTHDAYS:
        result = Bool(o.otherMonthDays);
        return true;
    case RKCC2M_CALENDAR_SETFIRSTMONTH:
    case RKCC2M_CALENDAR_SETDATE: {
        // Days without a year, month and day (the invalid and empty dates among them) are refused.
        const auto day = static_cast<uint32_t>(lp);
        if (day < TDate::kFirstDay || day > TDate::kLastDay) {
            result = -1;
            return true;
        }
        if (msg == RKCC2M_CALENDAR_SETFIRSTMONTH)
            m_model.SetFirstMonth(day);
        else
            m_model.SelectDay(day);
        return true;
    }
    case RKCC2M_CALENDAR_GETFIRSTMONTH:
        result = m_model.FirstMonth();
        return true;
    case RKCC2M_CALENDAR_GETDATE:
        result = o.selectable ? m_model.Selected() : 0;
        return true;
    case RKCC2M_CALENDAR_SETLINESTYLE:
        if (wp > 1 || lp < 0 || lp > 5)
            result = -1;
        else if (wp == 0)
            o.stripLineStyle = static_cast<int>(lp);
        else
            o.gridLineStyle = static_cast<int>(lp);
        return true;
    case RKCC2M_CALENDAR_GETLINESTYLE:
        result = wp == 0 ? o.stripLineStyle : wp == 1 ? o.gridLineStyle : -1;
        return true;
    case RKCC2M_CALENDAR_GETSELECTION: {
        auto* out = reinterpret_cast<CalendarSelection*>(lp);
        if (!out) {
            result = -1;
            return true;
        }
        *out = {m_model.lastHit.kind, m_model.lastHit.detail, static_cast<int>(m_model.lastHit.day)};
        return true;
    }
    case RKCC2M_CALENDAR_SETSELECTABLE:
        o.selectable = lp != 0;
        return true;
    case RKCC2M_CALENDAR_GETSELECTABLE:
        result = Bool(o.selectable);
        return true;
    case RKCC2M_CALENDAR_SETHEADERCALLBACK:
        if (!lp)
            result = -1;
        else
            o.headerCallback = *reinterpret_cast<const CalendarHeaderCallback*>(lp);
        return true;
    case RKCC2M_CALENDAR_SETDAYCALLBACK:
        if (!lp)
            result = -1;
        else
            o.dayCallback = *reinterpret_cast<const CalendarDayCallback*>(lp);
        return true;
    case RKCC2M_CALENDAR_SETFOCUSRECT:
        o.focusRect = lp != 0;
        return true;
    case RKCC2M_CALENDAR_GETFOCUSRECT:
        result = Bool(o.focusRect);
        return true;
    case RKCC2M_CALENDAR_GETVISIBLERANGE: {
        auto* out = reinterpret_cast<int*>(lp);
        if (!out) {
            result = -1;
            return true;
        }
        uint32_t first = 0;
        uint32_t last = 0;
        m_model.GetVisibleRange(first, last);
        out[0] = static_cast<int>(first);
        out[1] = static_cast<int>(last);
        return true;
    }
    case RKCC2M_CALENDAR_GETIDEALSIZE: {
        auto* out = reinterpret_cast<int*>(lp);
        if (!out) {
            result = -1;
            return true;
        }
        LOGFONTW base = BaseFont();
        if (base.lfHeight == 0)
            base.lfHeight = -8;
        const CalendarGeometry g = MeasureCalendar(m_model, Measure(base, nullptr));
        out[0] = g.ideal.cx;
        out[1] = g.ideal.cy;
        return true;
    }
    default:
        return false;
    }
}

LRESULT CRKCalendar::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        if (Default(msg, wp, lp) == -1)
            return -1;
        return OnCreate();
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        Layout();
        Invalidate();
        return 0;
    case WM_ENABLE:
        EnableWindow(m_prev.Hwnd(), wp != FALSE);
        EnableWindow(m_next.Hwnd(), wp != FALSE);
        Invalidate();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        RepaintSelectedBlock();
        return 0;
    case WM_LBUTTONDOWN:
        if (!HasFocus())
            SetFocus(Hwnd());
        m_model.OnLeftPress(Hit(lp));
        return 0;
    case WM_LBUTTONDBLCLK:
        m_model.lastHit = Hit(lp);
        if (m_model.lastHit.kind != kCalHitNothing)
            NotifyParent(RKCC2N_CAL_DBLCLK);
        return 0;
    case WM_RBUTTONDOWN:
        if (!HasFocus())
            SetFocus(Hwnd());
        m_model.lastHit = Hit(lp);
        NotifyParent(RKCC2N_CAL_CANCEL);
        return 0;
    case WM_KEYDOWN:
        if (m_model.OnKey(static_cast<UINT>(wp), GetKeyState(VK_CONTROL) < 0))
            return 0;
        return Default(msg, wp, lp);
    case WM_COMMAND:
        if (LOWORD(wp) == kPrevId || LOWORD(wp) == kNextId)
            OnArrow(LOWORD(wp), HIWORD(wp));
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    default: {
        LRESULT result = 0;
        if (msg >= RKCC2M_CALENDAR_UPDATE && msg <= RKCC2M_CALENDAR_GETIDEALSIZE &&
            OnControlMessage(msg, wp, lp, result))
            return result;
        return Default(msg, wp, lp);
    }
    }
}

} // namespace rkcc
