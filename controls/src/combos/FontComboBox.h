#pragma once
// "RKCC2FontComboBox" (CRKFontComboBox): a sorted drop-down list of the installed font families.
// Each item's data points to the control's own copy of that family's LOGFONTW, kept until the
// next fill or the control's end. The inner combo box (CFontComboBox, child 100) is a member.

#include "base/CtlWnd.h"

#include <memory>
#include <vector>

namespace rkcc {

class CFontComboBox : public CCtlWnd {
public:
    // Empties the list and adds every family (all, or TrueType only); answers the item count.
    int Fill(bool all);

private:
    static int CALLBACK OnFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM context);

    std::vector<std::unique_ptr<LOGFONTW>> m_fonts; // the items' data
    bool m_all = true; // the filter of the fill under way
};

class CRKFontComboBox : public CCtlWnd {
protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CFontComboBox m_combo;
    int m_dropHeight = 400;
};

} // namespace rkcc
