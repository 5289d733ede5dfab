#pragma once
// CInPlaceComboBox: the drop-down list that the assignment grid opens over a row's choice. It
// owns itself (made with `new`, deleted after its window is gone): when it loses the focus it
// reports RKCC2M_ASSIGNGRID_ENDEDIT to the grid and closes.

#include "base/CtlWnd.h"
#include "base/Gdi.h"

namespace rkcc {

class CInPlaceComboBox : public CCtlWnd {
public:
    // Made with `new`; false when the window cannot be made (the object is then deleted).
    static CInPlaceComboBox* Open(HWND grid, const RECT& rect, HFONT font);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CInPlaceComboBox() = default;

    bool m_cancelled = false;
    bool m_ended = false;
    CFontHandle m_messageFont;
};

} // namespace rkcc
