// The message blocks of the date and time periods.
#include "edit/Periods.h"

namespace rkcc {

namespace {

template <class Frame>
bool CreateLinked(HWND period, Frame& start, Frame& end, const PeriodLayout& layout)
{
    if (!start.CreateFrame(period, layout.start, kFrameId) || !end.CreateFrame(period, layout.end, kEndFrameId))
        return false;
    for (Frame* f : {&start, &end}) {
        f->SetPartners(&start, &end);
        f->SetPeriodEdits(&start, &end);
    }
    return true;
}

} // namespace

bool CRKDatePeriod::CreateFrames(const PeriodLayout& layout)
{
    return CreateLinked(Hwnd(), m_start, m_end, layout);
}

bool CRKDatePeriod::OnPeriodMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    auto* value = reinterpret_cast<int*>(lp);
    switch (msg) {
    case RKCC2M_DATEPERIOD_SETDATE:
        result = Side(wp).SetDateMsg(value);
        return true;
    case RKCC2M_DATEPERIOD_GETDATE:
        result = Side(wp).GetDateMsg(value, true);
        return true;
    case RKCC2M_DATEPERIOD_SETMAX:
        result = Side(wp).SetLimitMsg(true, value);
        return true;
    case RKCC2M_DATEPERIOD_GETMAX:
        result = Side(wp).GetLimitMsg(true, value);
        return true;
    case RKCC2M_DATEPERIOD_SETMIN:
        result = Side(wp).SetLimitMsg(false, value);
        return true;
    case RKCC2M_DATEPERIOD_GETMIN:
        result = Side(wp).GetLimitMsg(false, value);
        return true;
    case RKCC2M_DATEPERIOD_SETALLOWEMPTY:
        Side(wp).SetAllowEmpty(lp != 0);
        result = 1;
        return true;
    case RKCC2M_DATEPERIOD_GETALLOWEMPTY:
        result = Side(wp).AllowsEmpty();
        return true;
    case RKCC2M_DATEPERIOD_GETRAWDATE:
        result = Side(wp).GetDateMsg(value, false);
        return true;
    case RKCC2M_DATEPERIOD_SETHORIZONTAL:
        SetHorizontal(lp != 0);
        result = 1;
        return true;
    case RKCC2M_DATEPERIOD_SETLABEL:
        result = SetLabel(wp, lp);
        return true;
    case RKCC2M_DATEPERIOD_ISEMPTY:
        result = Side(wp).IsTextEmpty() ? 1 : 0;
        return true;
    default:
        return false;
    }
}

bool CRKTimePeriod::CreateFrames(const PeriodLayout& layout)
{
    if (!CreateLinked(Hwnd(), m_start, m_end, layout))
        return false;
    const bool independent = (GetWindowLongPtrW(Hwnd(), GWL_STYLE) & RKCC2S_INDEPENDENT) != 0;
    m_start.SetIndependent(independent);
    m_end.SetIndependent(independent);
    return true;
}

bool CRKTimePeriod::OnPeriodMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    auto* value = reinterpret_cast<int*>(lp);
    switch (msg) {
    case RKCC2M_TIMEPERIOD_SETALLOWEMPTY:
        Side(wp).SetAllowEmpty(lp != 0);
        result = 1;
        return true;
    case RKCC2M_TIMEPERIOD_GETALLOWEMPTY:
        result = Side(wp).AllowsEmpty();
        return true;
    case RKCC2M_TIMEPERIOD_SETINDEPENDENT:
        m_start.SetIndependent(lp != 0);
        m_end.SetIndependent(lp != 0);
        result = 1;
        return true;
    case RKCC2M_TIMEPERIOD_GETINDEPENDENT:
        result = m_start.IsIndependent();
        return true;
    case RKCC2M_TIMEPERIOD_SETHORIZONTAL: {
        const bool previous = IsHorizontal();
        SetHorizontal(lp != 0);
        result = previous;
        return true;
    }
    case RKCC2M_TIMEPERIOD_SETLABEL:
        result = SetLabel(wp, lp);
        return true;
    case RKCC2M_TIMEPERIOD_ISEMPTY:
        result = Side(wp).IsTextEmpty() ? 1 : 0;
        return true;
    case RKCC2M_TIMEPERIOD_SETTIME:
    case RKCC2M_TIMEPERIOD_GETTIME:
    case RKCC2M_TIMEPERIOD_SETMAX:
    case RKCC2M_TIMEPERIOD_GETMAX:
    case RKCC2M_TIMEPERIOD_SETMIN:
    case RKCC2M_TIMEPERIOD_GETMIN:
    case RKCC2M_TIMEPERIOD_SETSTEP:
    case RKCC2M_TIMEPERIOD_GETSTEP:
    case RKCC2M_TIMEPERIOD_GETRAWTIME:
        if (!value) {
            result = -1;
            return true;
        }
        break;
    default:
        return false;
    }
    CTimeEditWnd& f = Side(wp);
    result = 1;
    switch (msg) {
    case RKCC2M_TIMEPERIOD_SETTIME:
        f.SetTimeMinutes(*value);
        result = *value < 0 ? -1 : 0;
        break;
    case RKCC2M_TIMEPERIOD_GETTIME:
        *value = f.GetTimeMinutes();
        break;
    case RKCC2M_TIMEPERIOD_SETMAX:
        f.SetLimitMinutes(true, *value);
        break;
    case RKCC2M_TIMEPERIOD_GETMAX:
        *value = f.GetLimitMinutes(true);
        break;
    case RKCC2M_TIMEPERIOD_SETMIN:
        f.SetLimitMinutes(false, *value);
        break;
    case RKCC2M_TIMEPERIOD_GETMIN:
        *value = f.GetLimitMinutes(false);
        break;
    case RKCC2M_TIMEPERIOD_SETSTEP:
        f.SetStepMinutes(*value);
        break;
    case RKCC2M_TIMEPERIOD_GETSTEP:
        *value = f.StepSize().minutes;
        break;
    default: // RKCC2M_TIMEPERIOD_GETRAWTIME
        *value = f.GetRawTimeMinutes();
        break;
    }
    return true;
}

} // namespace rkcc
