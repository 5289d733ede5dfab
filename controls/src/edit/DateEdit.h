#pragma once
// "RKCC2DateEdit" (CRKDateEdit): a single date with steps of one day and a drop-down calendar.

#include "edit/DateEditWnd.h"
#include "edit/ValueEditCtrl.h"

namespace rkcc {

class CRKDateEdit : public CValueEditCtrl<CDateEditWnd> {
protected:
    LRESULT OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
};

} // namespace rkcc
