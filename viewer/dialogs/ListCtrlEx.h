#pragma once
// CListCtrlEx: a list view in report view that the viewer draws itself (fixed owner drawing),
// so that a selected row is highlighted across its whole width and, with the client-width flag,
// up to the right edge of the window. A dialog either creates one (Create forces the styles)
// or subclasses a template control that has LVS_REPORT and LVS_OWNERDRAWFIXED (Attach).
// Owner drawing reaches the list's parent: the parent passes its WM_DRAWITEM for this control
// to DrawItem. A created list belongs to this object; an attached one to its dialog.

#include "fw/Subclass.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

class CListCtrlEx : public fw::CSubclassedWindow {
public:
    CListCtrlEx();
    ~CListCtrlEx() override;

    struct CreateArgs {
        HWND parent = nullptr;
        int id = 0;
        RECT rect{};
        DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
        DWORD exStyle = 0;
    };
    // Creates the list with the styles of PreCreateStyle and attaches to it; false when the
    // window cannot be made.
    bool Create(const CreateArgs& args);
    // Report view and fixed owner drawing forced into a style (small-icon view cleared).
    static DWORD PreCreateStyle(DWORD style);

    // Draws one row into the record's device context.
    void DrawItem(const DRAWITEMSTRUCT& item);
    // Fits columns 1 to the second-to-last to their contents plus two blanks each side and the
    // last one to the header, none narrower than its heading; column 0 keeps its width.
    void AutoSizeColumns();
    // Inserts column `index` with its heading, alignment (LVCFMT_) and width in pixels.
    void InsertColumn(int index, const std::wstring& heading, int format, int width);
    // Appends a row: column 0 empty, then `cells` from column 1 on, with `data` as item data;
    // the row's index, or -1.
    int AppendRow(const std::vector<std::wstring>& cells, LPARAM data = 0);
    // Selects and focuses the first row, when there is one.
    void SelectFirstRow();
    // Invalidates the focused and (unless the list shows its selection always) the selected
    // rows, then repaints them at once.
    void RepaintSelectedItems();
    // The whole text of a cell (up to 65,535 characters, more than any path or command line).
    std::wstring ItemText(int row, int column) const;

    bool fullRowSelection = true;
    bool clientWidthSelection = true; // the highlight reaches the client area's right edge

    COLORREF TextColor() const { return m_textColor; }
    COLORREF TextBkColor() const { return m_textBkColor; }
    COLORREF BkColor() const { return m_bkColor; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool IsReportView() const;
    void InvalidateRow(int row);
    void ExtendPaintToTheRightEdge();

    COLORREF m_textColor;
    COLORREF m_textBkColor;
    COLORREF m_bkColor;
    bool m_created = false; // made by Create: destroyed with this object
};
