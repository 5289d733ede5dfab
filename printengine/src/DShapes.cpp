// Drawing of the simple shapes. Heights extend downwards: towards smaller logical y.
#include "DShapes.h"

#include "CGDISet.h"

#include <cstdlib>

namespace rkpe {

DLine::DLine(CGDISet* cache, PenRec pen, int x1, int y1, int x2, int y2)
    : DObjectOf(cache), m_pen(pen), m_x1(x1), m_y1(y1), m_x2(x2), m_y2(y2)
{
}

void DLine::Draw(const CDC& dc) const
{
    if (m_pen.width == 0)
        return;
    ScopedSelect pen(dc.output, m_cache->GetPen(m_pen));
    MoveToEx(dc.output, m_x1, m_y1, nullptr);
    LineTo(dc.output, m_x2, m_y2);
}

void DLine::Offset(int dx, int dy)
{
    m_x1 += dx;
    m_y1 += dy;
    m_x2 += dx;
    m_y2 += dy;
}

DRectangle::DRectangle(CGDISet* cache, PenRec pen, BrushRec brush, int x, int y, int w, int h)
    : DObjectOf(cache), m_pen(pen), m_brush(brush), m_x(x), m_y(y), m_w(w), m_h(h)
{
}

void DRectangle::Draw(const CDC& dc) const
{
    HBRUSH brush = m_cache->GetBrush(m_brush);
    if (m_pen.width != 0) {
        ScopedSelect selPen(dc.output, m_cache->GetPen(m_pen));
        ScopedSelect selBrush(dc.output, brush);
        Rectangle(dc.output, m_x, m_y, m_x + m_w, m_y - m_h);
    } else if (brush) {
        const RECT r{m_x, m_y, m_x + m_w, m_y - m_h};
        FillRect(dc.output, &r, brush);
    }
}

void DRectangle::Offset(int dx, int dy)
{
    m_x += dx;
    m_y += dy;
}

DEllipse::DEllipse(CGDISet* cache, int x, int y, int w, int h, PenRec pen, BrushRec brush)
    : DObjectOf(cache), m_x(x), m_y(y), m_w(w), m_h(h), m_pen(pen), m_brush(brush)
{
}

void DEllipse::Draw(const CDC& dc) const
{
    if (m_pen.width == 0)
        return;
    ScopedSelect pen(dc.output, m_cache->GetPen(m_pen));
    ScopedSelect brush(dc.output, m_cache->GetBrush(m_brush));
    Ellipse(dc.output, m_x, m_y, m_x + m_w, m_y - m_h);
}

void DEllipse::Offset(int dx, int dy)
{
    m_x += dx;
    m_y += dy;
}

DPolygon::DPolygon(CGDISet* cache, std::vector<POINT> points, PenRec pen, BrushRec brush)
    : DObjectOf(cache), m_points(std::move(points)), m_pen(pen), m_brush(brush)
{
}

void DPolygon::Draw(const CDC& dc) const
{
    if (m_points.empty())
        return;
    ScopedSelect pen(dc.output, m_cache->GetPen(m_pen));
    ScopedSelect brush(dc.output, m_cache->GetBrush(m_brush));
    Polygon(dc.output, m_points.data(), static_cast<int>(m_points.size()));
}

void DPolygon::Offset(int dx, int dy)
{
    for (POINT& p : m_points) {
        p.x += dx;
        p.y += dy;
    }
}

DPolyline::DPolyline(CGDISet* cache, std::vector<POINT> points, PenRec pen)
    : DObjectOf(cache), m_points(std::move(points)), m_pen(pen)
{
}

void DPolyline::Draw(const CDC& dc) const
{
    if (m_points.empty())
        return;
    ScopedSelect pen(dc.output, m_cache->GetPen(m_pen));
    Polyline(dc.output, m_points.data(), static_cast<int>(m_points.size()));
}

void DPolyline::Offset(int dx, int dy)
{
    for (POINT& p : m_points) {
        p.x += dx;
        p.y += dy;
    }
}

DPicture::DPicture(CGDISet* cache, int id, int x, int y, int w, int h)
    : DObjectOf(cache), m_id(id), m_x(x), m_y(y), m_w(w), m_h(h)
{
}

size_t DibBitsOffset(const BITMAPINFOHEADER& header)
{
    if (header.biSize < sizeof(BITMAPINFOHEADER))
        return 0;
    size_t colours = header.biClrUsed;
    if (header.biBitCount <= 8) {
        if (colours == 0)
            colours = size_t{1} << header.biBitCount;
    } else if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER)) {
        colours += 3; // the three masks follow a plain header; larger headers hold them inside
    }
    return header.biSize + colours * sizeof(RGBQUAD);
}

void DPicture::Draw(const CDC& dc) const
{
    const auto* header = static_cast<const BITMAPINFOHEADER*>(m_cache->GetPicture(m_id));
    if (!header)
        return;
    const size_t offset = DibBitsOffset(*header);
    if (offset == 0)
        return;
    const auto* bits = reinterpret_cast<const BYTE*>(header) + offset;
    // A negative destination height makes the image extend downwards in MM_LOMETRIC.
    StretchDIBits(dc.output, m_x, m_y, m_w, -m_h, 0, 0, header->biWidth, std::abs(header->biHeight),
        bits, reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS, SRCCOPY);
}

void DPicture::Offset(int dx, int dy)
{
    m_x += dx;
    m_y += dy;
}

} // namespace rkpe
