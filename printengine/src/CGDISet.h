#pragma once
// The graphics cache: one GDI font, pen and brush per distinct descriptor, made on first use and
// kept for the whole document, and the registered pictures. Owned by the engine; drawing
// objects hold it by pointer.

#include "CDC.h"
#include "Descriptors.h"

#include <map>
#include <vector>

namespace rkpe {

class CGDISet {
public:
    CGDISet() = default;
    virtual ~CGDISet();
    CGDISet(const CGDISet&) = delete;
    CGDISet& operator=(const CGDISet&) = delete;

    // Sizes in tenths of a point become logical units through the attribute DC's resolution
    // and mapping mode, so the font prints the same size on any device in MM_LOMETRIC.
    HFONT GetFont(const FontDesc& desc, const CDC& dc);
    HPEN GetPen(const PenRec& pen);
    HBRUSH GetBrush(const BrushRec& brush);

    // Pictures are packed DIBs held by pointer; the id is the index. Registration survives Clear.
    int AddPicture(const void* packedDib);
    const void* GetPicture(int id) const;

    // Deletes every font, pen and brush (each new document starts empty).
    void Clear();

    size_t FontCount() const { return m_fonts.size(); }
    size_t PenCount() const { return m_pens.size(); }
    size_t BrushCount() const { return m_brushes.size(); }

private:
    std::map<FontDesc, HFONT, FontLess> m_fonts;
    std::map<PenRec, HPEN, PenLess> m_pens;
    std::map<BrushRec, HBRUSH, BrushLess> m_brushes;
    std::vector<const void*> m_pictures; // not owned; the caller keeps them alive
};

// Logical font height for a descriptor on an attribute DC (negative: character height).
LONG FontHeight(const FontDesc& desc, HDC attrib);

} // namespace rkpe
