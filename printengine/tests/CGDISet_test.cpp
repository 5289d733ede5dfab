// The graphics cache: one GDI object per distinct descriptor, pictures by id, and DIB layout.
#include "CGDISet.h"
#include "DShapes.h"
#include "PrintEngineInt.h"

#include <gtest/gtest.h>

using namespace rkpe;

namespace {

class CGDISetTest : public testing::Test {
protected:
    CGDISetTest() { SetMapMode(m_dc, MM_LOMETRIC); }
    ~CGDISetTest() override { DeleteDC(m_dc); }
    HDC m_dc = CreateCompatibleDC(nullptr);
};

BITMAPINFOHEADER Header(WORD bits, DWORD compression, DWORD clrUsed)
{
    BITMAPINFOHEADER h{};
    h.biSize = sizeof(h);
    h.biWidth = 4;
    h.biHeight = 4;
    h.biPlanes = 1;
    h.biBitCount = bits;
    h.biCompression = compression;
    h.biClrUsed = clrUsed;
    return h;
}

} // namespace

TEST_F(CGDISetTest, GetFont_makesOneFontPerDescriptor)
{
    CGDISet cache;
    const CDC dc{m_dc, m_dc};
    FontDesc plain;
    FontDesc italic = plain;
    italic.italic = 1;
    HFONT a = cache.GetFont(plain, dc);
    HFONT b = cache.GetFont(italic, dc);
    EXPECT_NE(a, nullptr);
    EXPECT_NE(a, b);
    EXPECT_EQ(cache.GetFont(plain, dc), a);
    EXPECT_EQ(cache.GetFont(italic, dc), b);
    EXPECT_EQ(cache.FontCount(), 2u);
    LOGFONTW lf{};
    GetObjectW(b, sizeof(lf), &lf);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_STREQ(lf.lfFaceName, L"Arial");
}

TEST_F(CGDISetTest, FontHeight_convertsPointsToLogicalUnits)
{
    FontDesc twelvePoint;
    const LONG h = FontHeight(twelvePoint, m_dc); // 12 pt is 4.23 mm
    EXPECT_LE(h, -40);
    EXPECT_GE(h, -44);
    FontDesc absolute;
    absolute.size = -55;
    EXPECT_EQ(FontHeight(absolute, m_dc), 55);
}

TEST_F(CGDISetTest, Clear_dropsGdiObjectsButKeepsPictures)
{
    CGDISet cache;
    const BYTE dib[64] = {};
    EXPECT_EQ(cache.AddPicture(dib), 0);
    EXPECT_EQ(cache.AddPicture(dib + 1), 1);
    EXPECT_EQ(cache.GetPen(PenRec{3, 0}), cache.GetPen(PenRec{3, 0}));
    EXPECT_NE(cache.GetPen(PenRec{3, 0}), cache.GetPen(PenRec{3, 1}));
    EXPECT_NE(cache.GetBrush(BrushRec{0, 0}), cache.GetBrush(BrushRec{0, 2}));
    cache.GetFont(FontDesc{}, CDC{m_dc, m_dc});
    EXPECT_EQ(cache.PenCount(), 2u);
    EXPECT_EQ(cache.BrushCount(), 2u);
    cache.Clear();
    EXPECT_EQ(cache.FontCount() + cache.PenCount() + cache.BrushCount(), 0u);
    EXPECT_EQ(cache.GetPicture(1), dib + 1);
    EXPECT_EQ(cache.GetPicture(2), nullptr);
    EXPECT_EQ(cache.GetPicture(-1), nullptr);
}

TEST_F(CGDISetTest, DibBitsOffset_skipsHeaderColourTableAndMasks)
{
    EXPECT_EQ(DibBitsOffset(Header(24, BI_RGB, 0)), 40u);
    EXPECT_EQ(DibBitsOffset(Header(16, BI_BITFIELDS, 0)), 52u);
    EXPECT_EQ(DibBitsOffset(Header(32, BI_RGB, 2)), 48u);
    EXPECT_EQ(DibBitsOffset(Header(8, BI_RGB, 0)), 40u + 256 * 4);
    EXPECT_EQ(DibBitsOffset(Header(4, BI_RGB, 3)), 40u + 3 * 4);
    EXPECT_EQ(DibBitsOffset(Header(1, BI_RGB, 0)), 48u);
    BITMAPINFOHEADER bad = Header(24, BI_RGB, 0);
    bad.biSize = 12;
    EXPECT_EQ(DibBitsOffset(bad), 0u);
}

TEST_F(CGDISetTest, DrawPage_againMakesNoNewGdiObjects)
{
    CRKPrintEngine2Int pe;
    pe.BeginDocument(m_dc, m_dc);
    pe.SetPen(4, RGB(1, 2, 3));
    pe.DrawLine(0, 0, 100, 100);
    pe.SetBrush(RGB(4, 5, 6), 2);
    pe.DrawRectangle(0, 0, 100, 100);
    pe.DrawText(L"text", 0, 0);
    pe.FontItalic = 1;
    pe.DrawTextBox(L"more text", 0, 200, 300, 300, 1, 1, 1, 0);
    HDC other = CreateCompatibleDC(nullptr);
    SetMapMode(other, MM_LOMETRIC);
    pe.DrawPage(m_dc, m_dc, 1);
    const size_t fonts = pe.Cache().FontCount();
    const size_t pens = pe.Cache().PenCount();
    const size_t brushes = pe.Cache().BrushCount();
    pe.DrawPage(other, other, 1);
    pe.DrawPage(m_dc, other, 1);
    EXPECT_EQ(pe.Cache().FontCount(), fonts);
    EXPECT_EQ(pe.Cache().PenCount(), pens);
    EXPECT_EQ(pe.Cache().BrushCount(), brushes);
    EXPECT_EQ(fonts, 2u);
    DeleteDC(other);
}
