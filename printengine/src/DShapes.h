#pragma once
// Lines, rectangles, ellipses, polygons, polylines and pictures.

#include "DObject.h"
#include "Descriptors.h"

#include <vector>

namespace rkpe {

class DLine : public DObjectOf<DLine> {
public:
    DLine(CGDISet* cache, PenRec pen, int x1, int y1, int x2, int y2);
    void Draw(const CDC& dc) const override;
    void Offset(int dx, int dy) override;

private:
    PenRec m_pen;
    int m_x1, m_y1, m_x2, m_y2;
};

// Outlined with the pen and filled with the brush; with pen width 0 only filled.
class DRectangle : public DObjectOf<DRectangle> {
public:
    DRectangle(CGDISet* cache, PenRec pen, BrushRec brush, int x, int y, int w, int h);
    void Draw(const CDC& dc) const override;
    void Offset(int dx, int dy) override;

private:
    PenRec m_pen;
    BrushRec m_brush;
    int m_x, m_y, m_w, m_h;
};

// Draws nothing with pen width 0.
class DEllipse : public DObjectOf<DEllipse> {
public:
    DEllipse(CGDISet* cache, int x, int y, int w, int h, PenRec pen, BrushRec brush);
    void Draw(const CDC& dc) const override;
    void Offset(int dx, int dy) override;

private:
    int m_x, m_y, m_w, m_h;
    PenRec m_pen;
    BrushRec m_brush;
};

constexpr int kMaxPolyPoints = 100;

// Pen width 0 draws the thinnest device line.
class DPolygon : public DObjectOf<DPolygon> {
public:
    DPolygon(CGDISet* cache, std::vector<POINT> points, PenRec pen, BrushRec brush);
    void Draw(const CDC& dc) const override;
    void Offset(int dx, int dy) override;

private:
    std::vector<POINT> m_points;
    PenRec m_pen;
    BrushRec m_brush;
};

class DPolyline : public DObjectOf<DPolyline> {
public:
    DPolyline(CGDISet* cache, std::vector<POINT> points, PenRec pen);
    void Draw(const CDC& dc) const override;
    void Offset(int dx, int dy) override;

private:
    std::vector<POINT> m_points;
    PenRec m_pen;
};

// A registered picture stretched into (x, y, w, h), extending downwards; unknown ids draw nothing.
class DPicture : public DObjectOf<DPicture> {
public:
    DPicture(CGDISet* cache, int id, int x, int y, int w, int h);
    void Draw(const CDC& dc) const override;
    void Offset(int dx, int dy) override;

private:
    int m_id, m_x, m_y, m_w, m_h;
};

// Byte offset of the pixel bits in a packed DIB (header, colour table, bits); 0 when the header
// is not one we can draw.
size_t DibBitsOffset(const BITMAPINFOHEADER& header);

} // namespace rkpe
