// The message block of the date edit.
#include "edit/DateEdit.h"

namespace rkcc {

LRESULT CRKDateEdit::OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled)
{
    CDateEditWnd& f = m_frame;
    auto* value = reinterpret_cast<int*>(lp);
    switch (msg) {
    case RKCC2M_DATEEDIT_SETDATE:
        return f.SetDateMsg(value);
    case RKCC2M_DATEEDIT_GETDATE:
        return f.GetDateMsg(value, true);
    case RKCC2M_DATEEDIT_SETMAX:
        return f.SetLimitMsg(true, value);
    case RKCC2M_DATEEDIT_GETMAX:
        return f.GetLimitMsg(true, value);
    case RKCC2M_DATEEDIT_SETMIN:
        return f.SetLimitMsg(false, value);
    case RKCC2M_DATEEDIT_GETMIN:
        return f.GetLimitMsg(false, value);
    case RKCC2M_DATEEDIT_SETALLOWEMPTY:
        f.SetAllowEmpty(wp != 0);
        return 1;
    case RKCC2M_DATEEDIT_GETRAWDATE:
        return f.GetDateMsg(value, false);
    case RKCC2M_DATEEDIT_GETALLOWEMPTY:
        return f.AllowsEmpty();
    case RKCC2M_DATEEDIT_ISEMPTY:
        return f.IsTextEmpty() ? 1 : 0;
    default:
        handled = false;
        return 0;
    }
}

} // namespace rkcc
