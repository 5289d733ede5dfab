#pragma once
// CRKCalendar ("RKCC2Calendar"): the month calendar window. It owns its model, its fonts and its
// two arrow buttons; the object owns itself (made on the window's first message).

#include "base/CtlWnd.h"
#include "buttons/ArrowButton.h"
#include "calendar/CalendarLayout.h"
#include "calendar/CalendarPainter.h"

namespace rkcc {

class CRKCalendar : public CCtlWnd, private ICalendarEvents {
public:
    CRKCalendar();

    // Months shown at most across or down (a bad count must not make the layout run away).
    static constexpr int kMaxMonths = 36;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // ICalendarEvents
    void Notify(WORD code) override;
    void RepaintAll() override;
    void RepaintDays(uint32_t oldDay, uint32_t newDay) override;

    bool OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    int OnCreate();
    void Layout();
    LOGFONTW BaseFont() const;
    CalendarMetrics Measure(const LOGFONTW& base, CalendarFonts* fonts) const;
    void UpdateArrowColors();
    void RepaintSelectedBlock();
    void Paint();
    void OnArrow(UINT id, WORD code);
    CalendarHit Hit(LPARAM lp) const;

    CalendarTexts m_texts;
    CCalendarModel m_model;
    CArrowButton m_prev;
    CArrowButton m_next;
    CFontHandle m_ownFont;
    CalendarFonts m_fonts;
    CalendarMetrics m_metrics;
    CalendarGeometry m_geometry;
};

} // namespace rkcc
