#pragma once
// "RKCC2LongEdit" (CRKLongEdit) and "RKCC2DoubleEdit" (CRKDoubleEdit): single number edits with
// limits, a start value for empty text, steps and an optional host drop-down button.

#include "edit/NumberEditWnd.h"
#include "edit/ValueEditCtrl.h"

namespace rkcc {

class CRKLongEdit : public CValueEditCtrl<CLongEditWnd> {
protected:
    LRESULT OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
};

class CRKDoubleEdit : public CValueEditCtrl<CDoubleEditWnd> {
protected:
    LRESULT OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
};

} // namespace rkcc
