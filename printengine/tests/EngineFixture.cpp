// Loading the engine and reading metafile records.
#include "EngineFixture.h"

#include <algorithm>
#include <map>

namespace petest {

HMODULE EngineTest::s_module = nullptr;
DllGetPrintEngineProc EngineTest::s_get = nullptr;
DllFreePrintEngineProc EngineTest::s_free = nullptr;

void EngineTest::SetUpTestSuite()
{
    if (!s_module)
        s_module = LoadLibraryW(L"RKPrintEngine2.dll");
    if (s_module) {
        // Through void*: FARPROC is a different function type and GCC warns on the direct cast.
        s_get = reinterpret_cast<DllGetPrintEngineProc>(
            reinterpret_cast<void*>(GetProcAddress(s_module, "DllGetPrintEngine")));
        s_free = reinterpret_cast<DllFreePrintEngineProc>(
            reinterpret_cast<void*>(GetProcAddress(s_module, "DllFreePrintEngine")));
    }
}

void EngineTest::SetUp()
{
    ASSERT_NE(s_module, nullptr) << "RKPrintEngine2.dll not found in the program folder";
    ASSERT_NE(s_get, nullptr);
    ASSERT_NE(s_free, nullptr);
    pe = s_get();
    ASSERT_NE(pe, nullptr);
}

void EngineTest::TearDown()
{
    if (s_free)
        s_free();
    pe = nullptr;
}

void EngineTest::BeginOnMemoryDc()
{
    pe->BeginDocument(dc.Get(), dc.Get());
    pe->MarginLeft = pe->PhysicalOffsetX;
    pe->MarginTop = pe->PhysicalOffsetY;
}

MemoryDc::MemoryDc()
    : m_dc(CreateCompatibleDC(nullptr))
{
    SetMapMode(m_dc, MM_LOMETRIC);
}

MemoryDc::~MemoryDc()
{
    DeleteDC(m_dc);
}

std::vector<std::wstring> PageRec::Strings() const
{
    std::vector<std::wstring> out;
    for (const TextRec& t : texts)
        out.push_back(t.text);
    return out;
}

const TextRec* PageRec::Find(const std::wstring& text) const
{
    for (const TextRec& t : texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

namespace {

struct Reader {
    PageRec page;
    // Handle-table slots of the objects the metafile created.
    std::map<DWORD, LOGPEN> pens;
    std::map<DWORD, LOGBRUSH32> brushes;
    std::map<DWORD, LOGFONTW> fonts;
    LOGPEN pen{PS_SOLID, {1, 0}, 0};
    LOGBRUSH32 brush{BS_SOLID, 0xFFFFFF, 0};
    LOGFONTW font{};
    COLORREF textColour = 0;
    POINT pos{};

    void Select(DWORD index)
    {
        if (index & 0x80000000) { // a stock object
            const DWORD stock = index & 0x7FFFFFFF;
            if (stock == WHITE_BRUSH)
                brush = LOGBRUSH32{BS_SOLID, 0xFFFFFF, 0};
            else if (stock == BLACK_BRUSH)
                brush = LOGBRUSH32{BS_SOLID, 0, 0};
            else if (stock == BLACK_PEN)
                pen = LOGPEN{PS_SOLID, {1, 0}, 0};
            return;
        }
        if (auto p = pens.find(index); p != pens.end())
            pen = p->second;
        else if (auto b = brushes.find(index); b != brushes.end())
            brush = b->second;
        else if (auto f = fonts.find(index); f != fonts.end())
            font = f->second;
    }

    void Record(const ENHMETARECORD* r)
    {
        switch (r->iType) {
        case EMR_CREATEPEN: {
            const auto* rec = reinterpret_cast<const EMRCREATEPEN*>(r);
            pens[rec->ihPen] = rec->lopn;
            break;
        }
        case EMR_CREATEBRUSHINDIRECT: {
            const auto* rec = reinterpret_cast<const EMRCREATEBRUSHINDIRECT*>(r);
            brushes[rec->ihBrush] = rec->lb;
            break;
        }
        case EMR_EXTCREATEFONTINDIRECTW: {
            const auto* rec = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(r);
            fonts[rec->ihFont] = rec->elfw.elfLogFont;
            ++page.fontsCreated;
            break;
        }
        case EMR_SELECTOBJECT:
            Select(reinterpret_cast<const EMRSELECTOBJECT*>(r)->ihObject);
            break;
        case EMR_SETTEXTCOLOR:
            textColour = reinterpret_cast<const EMRSETTEXTCOLOR*>(r)->crColor;
            break;
        case EMR_MOVETOEX: {
            const auto& p = reinterpret_cast<const EMRMOVETOEX*>(r)->ptl;
            pos = POINT{p.x, p.y};
            break;
        }
        case EMR_LINETO: {
            const auto& p = reinterpret_cast<const EMRLINETO*>(r)->ptl;
            page.lines.push_back(LineRec{pos, POINT{p.x, p.y}, pen.lopnWidth.x, pen.lopnColor});
            pos = POINT{p.x, p.y};
            break;
        }
        case EMR_EXTTEXTOUTW: {
            const auto* rec = reinterpret_cast<const EMREXTTEXTOUTW*>(r);
            TextRec t;
            const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(r) + rec->emrtext.offString);
            t.text.assign(chars, rec->emrtext.nChars);
            t.x = rec->emrtext.ptlReference.x;
            t.y = rec->emrtext.ptlReference.y;
            t.clipped = (rec->emrtext.fOptions & ETO_CLIPPED) != 0;
            const RECTL& c = rec->emrtext.rcl;
            t.clip = RECT{c.left, c.top, c.right, c.bottom};
            t.font = font;
            t.colour = textColour;
            page.texts.push_back(std::move(t));
            break;
        }
        case EMR_BITBLT: {
            const auto* rec = reinterpret_cast<const EMRBITBLT*>(r);
            if (rec->cbBitsSrc == 0) { // a pattern fill, as FillRect records it
                const int x1 = rec->xDest, x2 = rec->xDest + rec->cxDest;
                const int y1 = rec->yDest, y2 = rec->yDest + rec->cyDest;
                page.fills.push_back(FillRec{RECT{std::min(x1, x2), std::max(y1, y2), std::max(x1, x2), std::min(y1, y2)}, brush.lbColor});
            }
            break;
        }
        case EMR_RECTANGLE: {
            const RECTL& b = reinterpret_cast<const EMRRECTANGLE*>(r)->rclBox;
            page.rectangles.push_back(ShapeRec{RECT{b.left, b.top, b.right, b.bottom}, pen.lopnWidth.x});
            break;
        }
        case EMR_ELLIPSE: {
            const RECTL& b = reinterpret_cast<const EMRELLIPSE*>(r)->rclBox;
            page.ellipses.push_back(ShapeRec{RECT{b.left, b.top, b.right, b.bottom}, pen.lopnWidth.x});
            break;
        }
        case EMR_STRETCHDIBITS: {
            const auto* rec = reinterpret_cast<const EMRSTRETCHDIBITS*>(r);
            page.pictures.push_back(RECT{rec->xDest, rec->yDest, rec->xDest + rec->cxDest, rec->yDest + rec->cyDest});
            break;
        }
        case EMR_POLYGON16:
        case EMR_POLYGON:
            ++page.polygons;
            break;
        case EMR_POLYLINE16:
        case EMR_POLYLINE:
            ++page.polylines;
            break;
        default:
            break;
        }
    }
};

int CALLBACK OnRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM param)
{
    reinterpret_cast<Reader*>(param)->Record(record);
    return 1;
}

} // namespace

PageRec RecordPage(CRKPrintEngine2* engine, int page, HDC attrib)
{
    HDC emf = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    SetMapMode(emf, MM_LOMETRIC);
    engine->DrawPage(emf, attrib, page);
    HENHMETAFILE meta = CloseEnhMetaFile(emf);
    Reader reader;
    EnumEnhMetaFile(nullptr, meta, OnRecord, &reader, nullptr);
    DeleteEnhMetaFile(meta);
    return reader.page;
}

} // namespace petest
