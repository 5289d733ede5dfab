#pragma once
// "RKCC2AssignGrid" (CRKAssignGrid): a two-column grid of row names and the choice assigned to
// each row, picked from one shared choice list in an in-place drop-down list. Owns itself, its
// model and its fonts; an open in-place list owns itself and reports back by message.

#include "base/CtlWnd.h"
#include "base/Gdi.h"
#include "grid/AssignGridModel.h"

namespace rkcc {

class CRKAssignGrid : public CCtlWnd {
public:
    const CAssignGridModel& Model() const { return m_model; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    LRESULT OnGridMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled);
    int OnCreate();
    void UpdateScrollBar();
    void SetCurrent(int row);
    void OpenEditor(int row);
    void OnLeftDown(POINT pt);
    void OnKey(UINT vk);
    void Paint(HDC dc);
    void RepaintRows();

    CAssignGridModel m_model;
    CFontHandle m_font;
    CFontHandle m_bold;
    bool m_editing = false;
    HWND m_editor = nullptr; // the open in-place list; it owns itself
};

} // namespace rkcc
