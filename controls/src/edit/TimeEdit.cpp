// The message block of the time edit.
#include "edit/TimeEdit.h"

namespace rkcc {

LRESULT CRKTimeEdit::OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled)
{
    CTimeEditWnd& f = m_frame;
    auto* value = reinterpret_cast<int*>(lp);
    switch (msg) {
    case RKCC2M_TIMEEDIT_SETALLOWEMPTY:
        f.SetAllowEmpty(wp != 0);
        return 1;
    case RKCC2M_TIMEEDIT_GETALLOWEMPTY:
        return f.AllowsEmpty();
    case RKCC2M_TIMEEDIT_SETSTEP:
        f.SetStepMinutes(static_cast<int>(wp));
        return 1;
    case RKCC2M_TIMEEDIT_ISEMPTY:
        return f.IsTextEmpty() ? 1 : 0;
    case RKCC2M_TIMEEDIT_SETTIME:
    case RKCC2M_TIMEEDIT_GETTIME:
    case RKCC2M_TIMEEDIT_SETMAX:
    case RKCC2M_TIMEEDIT_GETMAX:
    case RKCC2M_TIMEEDIT_SETMIN:
    case RKCC2M_TIMEEDIT_GETMIN:
    case RKCC2M_TIMEEDIT_GETSTEP:
    case RKCC2M_TIMEEDIT_GETRAWTIME:
        if (!value)
            return -1;
        break;
    default:
        handled = false;
        return 0;
    }
    switch (msg) {
    case RKCC2M_TIMEEDIT_SETTIME:
        f.SetTimeMinutes(*value);
        return 1;
    case RKCC2M_TIMEEDIT_GETTIME:
        *value = f.GetTimeMinutes();
        return 1;
    case RKCC2M_TIMEEDIT_SETMAX:
        f.SetLimitMinutes(true, *value);
        return 1;
    case RKCC2M_TIMEEDIT_GETMAX:
        *value = f.GetLimitMinutes(true);
        return 1;
    case RKCC2M_TIMEEDIT_SETMIN:
        f.SetLimitMinutes(false, *value);
        return 1;
    case RKCC2M_TIMEEDIT_GETMIN:
        *value = f.GetLimitMinutes(false);
        return 1;
    case RKCC2M_TIMEEDIT_GETSTEP:
        *value = f.StepSize().minutes;
        return 1;
    default: // RKCC2M_TIMEEDIT_GETRAWTIME
        *value = f.GetRawTimeMinutes();
        return 1;
    }
}

} // namespace rkcc
