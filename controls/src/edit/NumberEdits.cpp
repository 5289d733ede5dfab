// The message blocks of the whole-number and decimal edits.
#include "edit/NumberEdits.h"

#include <climits>
#include <cmath>

namespace rkcc {

namespace {

template <class T>
const T* In(LPARAM lp)
{
    return reinterpret_cast<const T*>(lp);
}

template <class T>
T* Out(LPARAM lp)
{
    return reinterpret_cast<T*>(lp);
}

constexpr double kNoMax = 1.7e308;
constexpr double kNoMin = -1.7e308;

} // namespace

LRESULT CRKLongEdit::OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled)
{
    CLongEditWnd& f = m_frame;
    switch (msg) {
    case RKCC2M_LONGEDIT_SETALLOWEMPTY: {
        const bool previous = f.AllowsEmpty();
        f.SetAllowEmpty(wp != 0);
        return previous;
    }
    case RKCC2M_LONGEDIT_GETALLOWEMPTY:
        return f.AllowsEmpty();
    case RKCC2M_LONGEDIT_ISEMPTY:
        return f.IsTextEmpty() ? 1 : 0;
    case RKCC2M_LONGEDIT_CLEAR:
        f.SetText(L"");
        return 1;
    default:
        break;
    }
    if (msg < RKCC2M_LONGEDIT_SETVALUE || msg > RKCC2M_LONGEDIT_CLEAR) {
        handled = false;
        return 0;
    }
    if (!lp)
        return -1; // every other message of the block passes a pointer
    switch (msg) {
    case RKCC2M_LONGEDIT_SETVALUE:
        f.SetValue(*In<int>(lp));
        return 0;
    case RKCC2M_LONGEDIT_GETVALUE:
        *Out<int>(lp) = static_cast<int>(f.ValueToReport());
        return 1;
    case RKCC2M_LONGEDIT_SETMAX:
        f.SetMaximum(*In<int>(lp), *In<int>(lp) != INT_MAX);
        f.Relimit();
        return 1;
    case RKCC2M_LONGEDIT_GETMAX:
        *Out<int>(lp) = f.HasMaximum() ? static_cast<int>(f.Maximum()) : INT_MAX;
        return 1;
    case RKCC2M_LONGEDIT_SETMIN:
        f.SetMinimum(*In<int>(lp), *In<int>(lp) != INT_MIN);
        f.Relimit();
        return 1;
    case RKCC2M_LONGEDIT_GETMIN:
        *Out<int>(lp) = f.HasMinimum() ? static_cast<int>(f.Minimum()) : INT_MIN;
        return 1;
    case RKCC2M_LONGEDIT_SETSTEP:
        f.SetStepSize(*In<int>(lp));
        return 1;
    case RKCC2M_LONGEDIT_GETSTEP:
        *Out<int>(lp) = static_cast<int>(f.StepSize());
        return 1;
    case RKCC2M_LONGEDIT_SETSTARTVALUE:
        f.SetEmptyValue(*In<int>(lp));
        return 1;
    case RKCC2M_LONGEDIT_GETSTARTVALUE:
        *Out<int>(lp) = static_cast<int>(f.EmptyValue());
        return 1;
    case RKCC2M_LONGEDIT_SETBUTTON:
        return f.SetDropDownButton(*In<RKCC2DropDownButton>(lp), Id()) ? 0 : -1;
    case RKCC2M_LONGEDIT_GETRAWVALUE: {
        long value = 0;
        f.ReadValue(value);
        *Out<int>(lp) = static_cast<int>(value);
        return 1;
    }
    default:
        handled = false;
        return 0;
    }
}

LRESULT CRKDoubleEdit::OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled)
{
    CDoubleEditWnd& f = m_frame;
    switch (msg) {
    case RKCC2M_DOUBLEEDIT_SETALLOWEMPTY: {
        const bool previous = f.AllowsEmpty();
        f.SetAllowEmpty(wp == 1);
        return previous;
    }
    case RKCC2M_DOUBLEEDIT_GETALLOWEMPTY:
        return f.AllowsEmpty();
    case RKCC2M_DOUBLEEDIT_ISEMPTY:
        return f.IsTextEmpty() ? 1 : 0;
    case RKCC2M_DOUBLEEDIT_CLEAR:
        f.SetText(L"");
        return 1;
    default:
        break;
    }
    if (msg < RKCC2M_DOUBLEEDIT_SETVALUE || msg > RKCC2M_DOUBLEEDIT_CLEAR) {
        handled = false;
        return 0;
    }
    if (!lp)
        return -1;
    switch (msg) {
    case RKCC2M_DOUBLEEDIT_SETVALUE:
    case RKCC2M_DOUBLEEDIT_SETMAX:
    case RKCC2M_DOUBLEEDIT_SETMIN:
    case RKCC2M_DOUBLEEDIT_SETSTEP:
    case RKCC2M_DOUBLEEDIT_SETSTARTVALUE:
        if (!std::isfinite(*In<double>(lp)))
            return -1; // infinity and NaN would defeat the limits and every comparison
        break;
    default:
        break;
    }
    switch (msg) {
    case RKCC2M_DOUBLEEDIT_SETVALUE:
        f.SetValue(*In<double>(lp));
        return 0;
    case RKCC2M_DOUBLEEDIT_GETVALUE:
        *Out<double>(lp) = f.ValueToReport();
        return 0;
    case RKCC2M_DOUBLEEDIT_SETMAX:
        f.SetMaximum(*In<double>(lp), *In<double>(lp) != kNoMax);
        f.Relimit();
        return 0;
    case RKCC2M_DOUBLEEDIT_GETMAX:
        *Out<double>(lp) = f.HasMaximum() ? f.Maximum() : kNoMax;
        return 0;
    case RKCC2M_DOUBLEEDIT_SETMIN:
        f.SetMinimum(*In<double>(lp), *In<double>(lp) != kNoMin);
        f.Relimit();
        return 0;
    case RKCC2M_DOUBLEEDIT_GETMIN:
        *Out<double>(lp) = f.HasMinimum() ? f.Minimum() : kNoMin;
        return 0;
    case RKCC2M_DOUBLEEDIT_SETSTEP:
        f.SetStepSize(*In<double>(lp));
        return 0;
    case RKCC2M_DOUBLEEDIT_GETSTEP:
        *Out<double>(lp) = f.StepSize();
        return 0;
    case RKCC2M_DOUBLEEDIT_SETSTARTVALUE:
        f.SetEmptyValue(*In<double>(lp));
        return 0;
    case RKCC2M_DOUBLEEDIT_GETSTARTVALUE:
        *Out<double>(lp) = f.EmptyValue();
        return 0;
    case RKCC2M_DOUBLEEDIT_SETBUTTON:
        return f.SetDropDownButton(*In<RKCC2DropDownButton>(lp), Id()) ? 0 : -1;
    case RKCC2M_DOUBLEEDIT_GETRAWVALUE:
        f.ReadValue(*Out<double>(lp));
        return 0;
    default:
        handled = false;
        return 0;
    }
}

} // namespace rkcc
