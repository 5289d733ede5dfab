#pragma once
// A table cell placed on a page: fill, text and four border lines, centred on the cell edges.

#include "CellStyle.h"
#include "DObject.h"

namespace rkpe {

class DTableCell : public DObjectOf<DTableCell> {
public:
    DTableCell(CGDISet* cache, const CellStyle& style);

    void Draw(const CDC& dc) const override;
    void Offset(int dx, int dy) override;

    void MoveTo(int x, int y)
    {
        m_x = x;
        m_y = y;
    }
    int X() const { return m_x; }
    int Y() const { return m_y; }
    // Where cell-relative contents start: inside the border, padding and space above.
    POINT ContentOrigin() const;

    CellStyle& Style() { return m_style; }
    const CellStyle& Style() const { return m_style; }
    int RowHeight() const { return m_rowHeight; }
    void SetRowHeight(int h) { m_rowHeight = h; }
    int TextHeight() const { return m_textHeight; }
    void SetTextHeight(int h) { m_textHeight = h; }
    // Height this cell needs on its own.
    int CellHeight() const;

private:
    int m_x = 0;
    int m_y = 0;
    CellStyle m_style;
    int m_rowHeight = 0;
    int m_textHeight = 0; // inner height: measured text, or the content height
};

} // namespace rkpe
