#pragma once
// "RKCC2TimeEdit" (CRKTimeEdit): a single time of day in minutes, -1 for empty.

#include "edit/TimeEditWnd.h"
#include "edit/ValueEditCtrl.h"

namespace rkcc {

class CRKTimeEdit : public CValueEditCtrl<CTimeEditWnd> {
protected:
    LRESULT OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
};

} // namespace rkcc
