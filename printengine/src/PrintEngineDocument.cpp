// Documents, pages, drawing objects and the current state of the engine.
#include "PrintEngineInt.h"

#include "DShapes.h"
#include "DText.h"
#include "Guarded.h"
#include "TextLayout.h"
#include "WideCopy.h"

#include <algorithm>

namespace rkpe {

CRKPrintEngine2Int::CRKPrintEngine2Int(DeviceCapsFn caps)
    : m_caps(caps ? std::move(caps) : DeviceCapsFn([](HDC dc, int index) { return GetDeviceCaps(dc, index); }))
    , m_cache(std::make_unique<CGDISet>())
    , m_table(std::make_unique<TableDef>())
{
    // Callers may measure (or register pictures) before their first document; a screen-compatible
    // DC in the engine's mapping mode answers until BeginDocument binds the printer.
    m_screenDc = CreateCompatibleDC(nullptr);
    if (m_screenDc)
        SetMapMode(m_screenDc, MM_LOMETRIC);
    m_dc = CDC{m_screenDc, m_screenDc};
}

CRKPrintEngine2Int::~CRKPrintEngine2Int()
{
    // Pages and cell contents hold the cache by pointer: they go first.
    m_pages.clear();
    m_table.reset();
    m_cache.reset();
    if (m_screenDc)
        DeleteDC(m_screenDc);
}

FontDesc CRKPrintEngine2Int::CurrentFont() const
{
    FontDesc f;
    CopyFaceName(f.faceName, FaceName);
    f.size = FontSize;
    f.bold = FontBold;
    f.italic = FontItalic;
    f.strikeOut = FontStrikeOut;
    f.underline = FontUnderline;
    return f;
}

void CRKPrintEngine2Int::ResetState()
{
    wstr::CopyTo(FaceName, L"Arial");
    FontSize = 120;
    FontBold = FontItalic = FontStrikeOut = FontUnderline = 0;
    TextColor = 0;
    TextAlignment = 3;
    PenWidth = 0;
    PenColor = 0;
    BrushColor = 0xFFFFFF;
    BrushHatch = 0;
}

void CRKPrintEngine2Int::BindDcs(HDC hDC, HDC hAttribDC)
{
    // A pair with one half missing measures and draws on the other half.
    if (!hDC)
        hDC = hAttribDC;
    if (!hAttribDC)
        hAttribDC = hDC;
    if (!hDC)
        hDC = hAttribDC = m_screenDc;
    m_dc = CDC{hDC, hAttribDC};
}

PPage* CRKPrintEngine2Int::Current()
{
    if (CurrentPage < 1 || CurrentPage > static_cast<int>(m_pages.size()))
        return nullptr;
    return m_pages[static_cast<size_t>(CurrentPage - 1)].get();
}

bool CRKPrintEngine2Int::AddToCurrent(std::unique_ptr<DObject> object)
{
    PPage* page = Current();
    if (!page)
        return false;
    page->Append(std::move(object));
    return true;
}

void CRKPrintEngine2Int::BeginDocument(HDC hDC, HDC hAttribDC)
{
    GuardedVoid([&] {
        BindDcs(hDC, hAttribDC);
        SetMapMode(m_dc.output, MM_LOMETRIC);
        if (m_dc.attrib != m_dc.output)
            SetMapMode(m_dc.attrib, MM_LOMETRIC);
        m_cache->Clear();
        m_pages.clear();
        // Page pictures belong to one document; stamping them again on the next would repeat them.
        m_pagePictures.clear();
        ResetState();
        const PaperGeometry g = MeasurePaper(m_dc.attrib, m_caps);
        DpiX = g.dpiX;
        DpiY = g.dpiY;
        PaperWidth = g.paperWidth;
        PaperHeight = g.paperHeight;
        PhysicalOffsetX = g.offsetX;
        PhysicalOffsetY = g.offsetY;
        MarginLeft = MarginRight = PhysicalOffsetX;
        MarginTop = MarginBottom = PhysicalOffsetY;
        m_pages.push_back(std::make_unique<PPage>());
        CurrentPage = 1;
    });
}

int CRKPrintEngine2Int::EndDocument()
{
    return Guarded(0, [&] {
        for (const PagePicture& pic : m_pagePictures)
            for (int page : pic.pages)
                if (page >= 1 && page <= static_cast<int>(m_pages.size()))
                    m_pages[static_cast<size_t>(page - 1)]->Append(
                        std::make_unique<DPicture>(m_cache.get(), pic.id, pic.x, pic.y, pic.w, pic.h));
        return 1;
    });
}

int CRKPrintEngine2Int::DrawPage(HDC hDC, HDC hAttribDC, int page)
{
    return Guarded(0, [&] {
        if (page < 1 || page > static_cast<int>(m_pages.size()) || (!hDC && !hAttribDC))
            return 0;
        BindDcs(hDC, hAttribDC);
        MetricsCache metrics;
        CDC drawing = m_dc;
        drawing.metrics = &metrics;
        m_pages[static_cast<size_t>(page - 1)]->Draw(drawing);
        return 1;
    });
}

int CRKPrintEngine2Int::GetPrintableWidth()
{
    return PaperWidth - MarginLeft - MarginRight;
}

int CRKPrintEngine2Int::GetPrintableHeight()
{
    return PaperHeight - MarginTop - MarginBottom;
}

int CRKPrintEngine2Int::GetPageCount()
{
    return static_cast<int>(m_pages.size());
}

int CRKPrintEngine2Int::AddPage()
{
    return Guarded(0, [&] {
        m_pages.push_back(std::make_unique<PPage>());
        CurrentPage = static_cast<int>(m_pages.size());
        return CurrentPage;
    });
}

int CRKPrintEngine2Int::InsertPage(int page)
{
    return Guarded(0, [&] {
        const int count = static_cast<int>(m_pages.size());
        if (page > count)
            return AddPage();
        page = std::max(page, 1);
        m_pages.insert(m_pages.begin() + (page - 1), std::make_unique<PPage>());
        CurrentPage = page;
        return page;
    });
}

int CRKPrintEngine2Int::MapX(int x)
{
    return MarginLeft + x - PhysicalOffsetX;
}

int CRKPrintEngine2Int::MapY(int y)
{
    return PhysicalOffsetY - MarginTop - y;
}

int CRKPrintEngine2Int::AddPicture(const void* packedDib)
{
    if (!packedDib)
        return -1;
    return Guarded(-1, [&] { return m_cache->AddPicture(packedDib); });
}

int CRKPrintEngine2Int::DrawPicture(int id, int x, int y, int w, int h)
{
    return Guarded(0, [&] {
        return static_cast<int>(AddToCurrent(std::make_unique<DPicture>(m_cache.get(), id, MapX(x), MapY(y), w, h)));
    });
}

int CRKPrintEngine2Int::AddPagePicture(int id, int x, int y, int w, int h, const int* pages, int count)
{
    return Guarded(0, [&] {
        if (!pages || count <= 0)
            return 0;
        PagePicture pic{id, MapX(x), MapY(y), w, h, std::set<int>(pages, pages + count)};
        m_pagePictures.push_back(std::move(pic));
        return 1;
    });
}

int CRKPrintEngine2Int::DrawText(const wchar_t* text, int x, int y)
{
    return Guarded(0, [&] {
        if (!Current())
            return 0;
        if (x == RKPE_CLIPPED_TEXT_X && y == RKPE_CLIPPED_TEXT_Y) {
            const auto* rec = reinterpret_cast<const ClippedTextRecord*>(text);
            if (!rec)
                return 0;
            const RECT cell{rec->cellLeft, rec->cellTop, rec->cellRight, rec->cellBottom};
            const RECT clip{rec->clipLeft, rec->clipTop, rec->clipRight, rec->clipBottom};
            if (IsRectEmpty(&cell) || IsRectEmpty(&clip))
                return 1;
            const RECT cellMapped{MapX(cell.left), MapY(cell.top), MapX(cell.right), MapY(cell.bottom)};
            const RECT clipMapped{MapX(clip.left), MapY(clip.top), MapX(clip.right), MapY(clip.bottom)};
            AddToCurrent(std::make_unique<DTextClipped>(m_cache.get(), rec->text ? rec->text : L"",
                CurrentFont(), TextColor, cellMapped, clipMapped, TextAlignment, rec->flag != 0));
            return 1;
        }
        AddToCurrent(std::make_unique<DText>(m_cache.get(), text ? text : L"", CurrentFont(), TextColor, MapX(x), MapY(y)));
        return 1;
    });
}

int CRKPrintEngine2Int::DrawTextBox(const wchar_t* text, int x, int y, int w, int h, int wordWrap,
    int anchorTop, int framed, int ellipsis)
{
    return Guarded(0, [&] {
        TextBoxStyle style;
        style.alignment = TextAlignment;
        style.wordWrap = wordWrap != 0;
        style.anchorTop = anchorTop != 0;
        style.framed = framed != 0;
        style.ellipsis = ellipsis != 0;
        return static_cast<int>(AddToCurrent(std::make_unique<DText>(m_cache.get(), text ? text : L"", CurrentFont(),
            TextColor, CurrentPen(), CurrentBrush(), MapX(x), MapY(y), w, h, style)));
    });
}

int CRKPrintEngine2Int::DrawLine(int x1, int y1, int x2, int y2)
{
    return Guarded(0, [&] {
        return static_cast<int>(
            AddToCurrent(std::make_unique<DLine>(m_cache.get(), CurrentPen(), MapX(x1), MapY(y1), MapX(x2), MapY(y2))));
    });
}

int CRKPrintEngine2Int::DrawRectangle(int x, int y, int w, int h)
{
    return Guarded(0, [&] {
        return static_cast<int>(AddToCurrent(
            std::make_unique<DRectangle>(m_cache.get(), CurrentPen(), CurrentBrush(), MapX(x), MapY(y), w, h)));
    });
}

std::vector<POINT> CRKPrintEngine2Int::CopyPoints(const POINT* pts, int n, bool negateY)
{
    std::vector<POINT> points(pts, pts + n);
    if (negateY)
        for (POINT& p : points)
            p.y = -p.y;
    return points;
}

int CRKPrintEngine2Int::DrawPolygon(const POINT* pts, int n)
{
    return Guarded(0, [&] {
        if (!pts || n <= 0 || n > kMaxPolyPoints || !Current())
            return 0;
        auto points = CopyPoints(pts, n, false);
        for (POINT& p : points)
            p = POINT{MapX(p.x), MapY(p.y)};
        return static_cast<int>(
            AddToCurrent(std::make_unique<DPolygon>(m_cache.get(), std::move(points), CurrentPen(), CurrentBrush())));
    });
}

int CRKPrintEngine2Int::DrawPolyline(const POINT* pts, int n)
{
    return Guarded(0, [&] {
        if (!pts || n <= 0 || n > kMaxPolyPoints || !Current())
            return 0;
        auto points = CopyPoints(pts, n, false);
        for (POINT& p : points)
            p = POINT{MapX(p.x), MapY(p.y)};
        return static_cast<int>(AddToCurrent(std::make_unique<DPolyline>(m_cache.get(), std::move(points), CurrentPen())));
    });
}

int CRKPrintEngine2Int::DrawEllipse(int x, int y, int w, int h)
{
    return Guarded(0, [&] {
        return static_cast<int>(AddToCurrent(
            std::make_unique<DEllipse>(m_cache.get(), MapX(x), MapY(y), w, h, CurrentPen(), CurrentBrush())));
    });
}

int CRKPrintEngine2Int::MeasureTextHeight(const FontDesc& font, const std::wstring& text, int width,
    bool wordWrap, int* lineHeight)
{
    ScopedSelect sel(m_dc, m_cache->GetFont(font, m_dc));
    GdiTextMeasurer measurer(m_dc.attrib);
    const auto lines = BreakLines(text, width, wordWrap, measurer);
    const int lh = measurer.LineHeight();
    if (lineHeight)
        *lineHeight = lh;
    return static_cast<int>(lines.size()) * lh;
}

void CRKPrintEngine2Int::MeasureText(int* width, int* height, const wchar_t* text)
{
    GuardedVoid([&] {
        ScopedSelect sel(m_dc, m_cache->GetFont(CurrentFont(), m_dc));
        GdiTextMeasurer measurer(m_dc.attrib);
        const auto lines = BreakLines(text ? text : L"", 0, false, measurer);
        int widest = 0;
        for (const MeasuredLine& line : lines)
            widest = std::max(widest, line.width);
        if (width)
            *width = widest;
        if (height)
            *height = static_cast<int>(lines.size()) * measurer.LineHeight();
    });
}

void CRKPrintEngine2Int::MeasureTextBox(int* lineHeight, int* height, const wchar_t* text, int w,
    int wordWrap, int framed)
{
    GuardedVoid([&] {
        const int available = framed ? w - 2 * (PenWidth / 2) : w;
        int lh = 0;
        int h = MeasureTextHeight(CurrentFont(), text ? text : L"", available, wordWrap != 0, &lh);
        if (framed)
            h += PenWidth;
        if (lineHeight)
            *lineHeight = lh;
        if (height)
            *height = h;
    });
}

void CRKPrintEngine2Int::SaveState()
{
    m_saved = SavedState{CurrentFont(), TextColor, TextAlignment, CurrentPen(), CurrentBrush()};
}

void CRKPrintEngine2Int::RestoreState()
{
    CopyFaceName(FaceName, m_saved.font.faceName);
    FontSize = m_saved.font.size;
    FontBold = m_saved.font.bold;
    FontItalic = m_saved.font.italic;
    FontStrikeOut = m_saved.font.strikeOut;
    FontUnderline = m_saved.font.underline;
    TextColor = m_saved.textColour;
    TextAlignment = m_saved.alignment;
    PenWidth = m_saved.pen.width;
    PenColor = m_saved.pen.colour;
    BrushColor = m_saved.brush.colour;
    BrushHatch = m_saved.brush.hatch;
}

void CRKPrintEngine2Int::SetPen(int width, COLORREF colour)
{
    PenWidth = width;
    PenColor = colour;
}

void CRKPrintEngine2Int::SetBrush(COLORREF colour, int penWidth)
{
    BrushColor = colour;
    PenWidth = penWidth;
}

void CRKPrintEngine2Int::SetFont(int size, int bold, int alignment, COLORREF colour, int italic, int underline)
{
    FontSize = static_cast<short>(size);
    FontBold = bold ? 1 : 0;
    TextAlignment = alignment;
    TextColor = colour;
    FontItalic = italic ? 1 : 0;
    FontUnderline = underline ? 1 : 0;
}

} // namespace rkpe
