// Documents, pages, drawing objects and state, through the DLL's exports and the interface.
#include "EngineFixture.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

using petest::EngineTest;
using petest::MemoryDc;
using petest::RecordPage;

namespace {

// GDI may normalise recorded boxes to inclusive corners: compare within one unit.
void ExpectNear(long actual, long expected)
{
    EXPECT_LE(std::abs(actual - expected), 1) << actual << " vs " << expected;
}

int LineHeight(CRKPrintEngine2* pe)
{
    int w = 0, h = 0;
    pe->MeasureText(&w, &h, L"x");
    return h;
}

int Width(CRKPrintEngine2* pe, const wchar_t* text)
{
    int w = 0, h = 0;
    pe->MeasureText(&w, &h, text);
    return w;
}

// A packed bottom-up 24-bit DIB one pixel wide and two high: top red, bottom blue.
std::vector<BYTE> RedOverBlue()
{
    std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + 8, 0);
    BITMAPINFOHEADER h{};
    h.biSize = sizeof(h);
    h.biWidth = 1;
    h.biHeight = 2;
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    std::memcpy(dib.data(), &h, sizeof(h));
    BYTE* bits = dib.data() + sizeof(h);
    bits[0] = 0xFF; // bottom row (first in memory): blue (B, G, R), padded to 4 bytes
    bits[6] = 0xFF; // top row: red
    return dib;
}

} // namespace

TEST_F(EngineTest, DllGetPrintEngine_returnsOneEngineUntilFreed)
{
    EXPECT_EQ(s_get(), pe);
    EXPECT_EQ(pe->CurrentPage, -1);
    EXPECT_EQ(pe->GetPageCount(), 0);
    BeginOnMemoryDc();
    pe->AddPage();
    s_free();
    pe = s_get();
    ASSERT_NE(pe, nullptr);
    EXPECT_EQ(pe->GetPageCount(), 0);
    EXPECT_EQ(pe->CurrentPage, -1);
    EXPECT_STREQ(pe->FaceName, L"Arial");
    EXPECT_EQ(pe->FontSize, 120);
}

TEST_F(EngineTest, BeginDocument_startsOneEmptyPageAndResetsState)
{
    pe->SetFont(200, 1, 7, RGB(1, 2, 3), 1, 1);
    pe->SetPen(5, RGB(9, 9, 9));
    pe->BrushColor = 0;
    pe->AddPage();
    pe->AddPage();
    pe->BeginDocument(dc.Get(), dc.Get());
    EXPECT_EQ(pe->GetPageCount(), 1);
    EXPECT_EQ(pe->CurrentPage, 1);
    EXPECT_STREQ(pe->FaceName, L"Arial");
    EXPECT_EQ(pe->FontSize, 120);
    EXPECT_EQ(pe->FontBold, 0);
    EXPECT_EQ(pe->FontItalic, 0);
    EXPECT_EQ(pe->TextAlignment, 3);
    EXPECT_EQ(pe->TextColor, 0u);
    EXPECT_EQ(pe->PenWidth, 0);
    EXPECT_EQ(pe->BrushColor, 0xFFFFFFu);
    EXPECT_EQ(pe->DpiX, GetDeviceCaps(dc.Get(), LOGPIXELSX));
    EXPECT_EQ(pe->DpiY, GetDeviceCaps(dc.Get(), LOGPIXELSY));
    EXPECT_EQ(pe->MarginLeft, pe->PhysicalOffsetX);
    EXPECT_EQ(pe->MarginRight, pe->PhysicalOffsetX);
    EXPECT_EQ(pe->MarginTop, pe->PhysicalOffsetY);
    EXPECT_EQ(pe->MarginBottom, pe->PhysicalOffsetY);
    EXPECT_EQ(GetMapMode(dc.Get()), MM_LOMETRIC);
}

TEST_F(EngineTest, MapXY_originIsPrintableOriginAndFollowsMargins)
{
    BeginOnMemoryDc();
    EXPECT_EQ(pe->MapX(0), 0);
    EXPECT_EQ(pe->MapY(0), 0);
    pe->MarginLeft = pe->PhysicalOffsetX + 200;
    pe->MarginTop = pe->PhysicalOffsetY + 150;
    EXPECT_EQ(pe->MapX(50), 250);
    EXPECT_EQ(pe->MapY(50), -200);
    EXPECT_EQ(pe->MapY(pe->MapY(321)), 321);
    pe->MarginRight = pe->PhysicalOffsetX + 100;
    pe->MarginBottom = pe->PhysicalOffsetY + 100;
    EXPECT_EQ(pe->GetPrintableWidth(), pe->PaperWidth - pe->MarginLeft - pe->MarginRight);
    EXPECT_EQ(pe->GetPrintableHeight(), pe->PaperHeight - pe->MarginTop - pe->MarginBottom);
}

TEST_F(EngineTest, InsertPage_clampsAndMakesTheNewPageCurrent)
{
    BeginOnMemoryDc();
    pe->DrawText(L"old first", 0, 0);
    EXPECT_EQ(pe->InsertPage(0), 1);
    EXPECT_EQ(pe->CurrentPage, 1);
    EXPECT_EQ(pe->InsertPage(-5), 1);
    EXPECT_EQ(pe->GetPageCount(), 3);
    EXPECT_TRUE(RecordPage(pe, 3, dc.Get()).Find(L"old first"));
    EXPECT_EQ(pe->InsertPage(4), 4); // count + 1 appends
    EXPECT_EQ(pe->InsertPage(99), 5);
    EXPECT_EQ(pe->GetPageCount(), 5);
    EXPECT_EQ(pe->InsertPage(2), 2);
    EXPECT_EQ(pe->CurrentPage, 2);
    EXPECT_EQ(pe->GetPageCount(), 6);
    EXPECT_EQ(pe->AddPage(), 7);
    EXPECT_EQ(pe->CurrentPage, 7);
}

TEST_F(EngineTest, DrawingCalls_ignoreAPageThatDoesNotExist)
{
    EXPECT_EQ(pe->DrawLine(0, 0, 10, 10), 0); // before any document
    EXPECT_EQ(pe->DrawText(L"lost", 0, 0), 0);
    BeginOnMemoryDc();
    pe->CurrentPage = 2;
    EXPECT_EQ(pe->DrawRectangle(0, 0, 10, 10), 0);
    EXPECT_EQ(pe->DrawTextBox(L"lost", 0, 0, 100, 100, 1, 1, 0, 0), 0);
    pe->CurrentPage = 0;
    EXPECT_EQ(pe->DrawEllipse(0, 0, 10, 10), 0);
    EXPECT_EQ(pe->DrawPicture(0, 0, 0, 10, 10), 0);
    pe->CurrentPage = 1;
    EXPECT_EQ(pe->DrawText(L"kept", 0, 0), 1);
    EXPECT_EQ(RecordPage(pe, 1, dc.Get()).Strings(), std::vector<std::wstring>{L"kept"});
}

TEST_F(EngineTest, DrawRectangle_withSetBrushPenZeroFillsWithoutOutline)
{
    BeginOnMemoryDc();
    pe->SetPen(10, RGB(255, 0, 0));
    pe->SetBrush(RGB(0, 0, 255), 0);
    pe->DrawRectangle(100, 100, 200, 50);
    auto page = RecordPage(pe, 1, dc.Get());
    EXPECT_TRUE(page.rectangles.empty());
    ASSERT_EQ(page.fills.size(), 1u);
    EXPECT_EQ(page.fills[0].colour, RGB(0, 0, 255));
    ExpectNear(page.fills[0].rect.left, 100);
    ExpectNear(page.fills[0].rect.top, -100);
    ExpectNear(page.fills[0].rect.right, 300);
    ExpectNear(page.fills[0].rect.bottom, -150);

    pe->SetPen(10, RGB(255, 0, 0));
    pe->DrawRectangle(100, 100, 200, 50);
    page = RecordPage(pe, 1, dc.Get());
    ASSERT_EQ(page.rectangles.size(), 1u);
    EXPECT_EQ(page.rectangles[0].penWidth, 10);
}

TEST_F(EngineTest, LinesAndEllipses_withPenWidthZeroDrawNothing)
{
    BeginOnMemoryDc();
    pe->SetPen(0, 0);
    pe->DrawLine(0, 0, 100, 100);
    pe->DrawEllipse(10, 20, 30, 40);
    auto page = RecordPage(pe, 1, dc.Get());
    EXPECT_TRUE(page.lines.empty());
    EXPECT_TRUE(page.ellipses.empty());

    pe->SetPen(3, RGB(0, 128, 0));
    pe->DrawLine(10, 20, 110, 20);
    pe->DrawEllipse(10, 20, 30, 40);
    page = RecordPage(pe, 1, dc.Get());
    ASSERT_EQ(page.lines.size(), 1u);
    EXPECT_EQ(page.lines[0].from.x, 10);
    EXPECT_EQ(page.lines[0].from.y, -20);
    EXPECT_EQ(page.lines[0].to.x, 110);
    EXPECT_EQ(page.lines[0].penWidth, 3);
    EXPECT_EQ(page.lines[0].penColour, RGB(0, 128, 0));
    ASSERT_EQ(page.ellipses.size(), 1u);
    ExpectNear(page.ellipses[0].box.left, 10);
    ExpectNear(std::min(page.ellipses[0].box.top, page.ellipses[0].box.bottom), -60);
}

TEST_F(EngineTest, SaveState_keepsOneSlot)
{
    BeginOnMemoryDc();
    pe->SetFont(100, 0, 0, 0, 0, 0);
    pe->SaveState();
    pe->SetFont(200, 1, 5, RGB(1, 1, 1), 0, 1);
    pe->SetPen(7, RGB(2, 2, 2));
    pe->SaveState();
    pe->SetFont(300, 0, 0, 0, 1, 0);
    pe->SetPen(0, 0);
    pe->RestoreState();
    EXPECT_EQ(pe->FontSize, 200);
    EXPECT_EQ(pe->FontBold, 1);
    EXPECT_EQ(pe->FontItalic, 0);
    EXPECT_EQ(pe->FontUnderline, 1);
    EXPECT_EQ(pe->TextAlignment, 5);
    EXPECT_EQ(pe->PenWidth, 7);
}

TEST_F(EngineTest, DrawText_atTheRecordPointTakesAClippedRecord)
{
    BeginOnMemoryDc();
    pe->TextAlignment = 0;
    ClippedTextRecord rec{L"Clip", 100, 100, 500, 150, 100, 100, 300, 150, 0};
    EXPECT_NE(pe->DrawText(reinterpret_cast<const wchar_t*>(&rec), RKPE_CLIPPED_TEXT_X, RKPE_CLIPPED_TEXT_Y), 0);
    ClippedTextRecord empty{L"Gone", 100, 100, 100, 150, 100, 100, 300, 150, 0};
    EXPECT_NE(pe->DrawText(reinterpret_cast<const wchar_t*>(&empty), RKPE_CLIPPED_TEXT_X, RKPE_CLIPPED_TEXT_Y), 0);

    const auto page = RecordPage(pe, 1, dc.Get());
    ASSERT_EQ(page.Strings(), std::vector<std::wstring>{L"Clip"});
    const auto& t = page.texts[0];
    EXPECT_TRUE(t.clipped);
    EXPECT_EQ(t.x, 100);
    EXPECT_EQ(t.clip.left, 100);
    EXPECT_EQ(t.clip.right, 300);
    EXPECT_EQ(std::max(t.clip.top, t.clip.bottom), -100);
    EXPECT_EQ(std::min(t.clip.top, t.clip.bottom), -150);
}

TEST_F(EngineTest, DrawText_drawsOneLinePerLineBreak)
{
    BeginOnMemoryDc();
    const int lh = LineHeight(pe);
    pe->DrawText(L"one\r\n\ntwo\n", 100, 200);
    const auto page = RecordPage(pe, 1, dc.Get());
    ASSERT_EQ(page.Strings(), (std::vector<std::wstring>{L"one", L"two"}));
    EXPECT_EQ(page.texts[0].x, 100);
    EXPECT_EQ(page.texts[0].y, -200);
    EXPECT_EQ(page.texts[1].y, -200 - 2 * lh); // the empty line between them keeps its place
}

TEST_F(EngineTest, MeasureText_worksBeforeTheFirstDocument)
{
    int w = 0, h = 0;
    pe->MeasureText(&w, &h, L"Hello");
    EXPECT_GT(w, 0);
    EXPECT_GT(h, 0);
    int lh = 0, bh = 0;
    pe->MeasureTextBox(&lh, &bh, L"Hello world", 10000, 1, 0);
    EXPECT_EQ(lh, h);
    EXPECT_EQ(bh, h);
}

TEST_F(EngineTest, MeasureText_givesWidestLineAndLineCount)
{
    BeginOnMemoryDc();
    const int lh = LineHeight(pe);
    int w = -1, h = -1;
    pe->MeasureText(&w, &h, L"");
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, lh);
    pe->MeasureText(&w, &h, L"short\na longer line");
    EXPECT_EQ(w, Width(pe, L"a longer line"));
    EXPECT_EQ(h, 2 * lh);
    pe->MeasureText(nullptr, nullptr, nullptr); // tolerated
}

TEST_F(EngineTest, MeasureText_lineHeightIncludesExternalLeading)
{
    BeginOnMemoryDc();
    pe->DrawText(L"x", 0, 0);
    const auto page = RecordPage(pe, 1, dc.Get());
    ASSERT_EQ(page.texts.size(), 1u);
    HFONT font = CreateFontIndirectW(&page.texts[0].font);
    HGDIOBJ old = SelectObject(dc.Get(), font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.Get(), &tm);
    SelectObject(dc.Get(), old);
    DeleteObject(font);
    EXPECT_EQ(LineHeight(pe), tm.tmHeight + tm.tmExternalLeading);
}

TEST_F(EngineTest, MeasureTextBox_framedNarrowsTheWidthAndAddsThePen)
{
    BeginOnMemoryDc();
    const int lh = LineHeight(pe);
    const int w = Width(pe, L"alpha beta");
    pe->SetPen(10, 0);
    int lineHeight = 0, h = 0;
    pe->MeasureTextBox(&lineHeight, &h, L"alpha beta", w, 1, 0);
    EXPECT_EQ(lineHeight, lh);
    EXPECT_EQ(h, lh);
    pe->MeasureTextBox(&lineHeight, &h, L"alpha beta", w, 1, 1);
    EXPECT_EQ(h, 2 * lh + 10);
    pe->MeasureTextBox(&lineHeight, &h, L"alpha beta", w + 10, 1, 1);
    EXPECT_EQ(h, lh + 10);
}

TEST_F(EngineTest, DrawTextBox_wrapsAfterTheLastFittingWordAndAlignsRight)
{
    BeginOnMemoryDc();
    const int w = Width(pe, L"alpha beta");
    pe->TextAlignment = 2;
    pe->DrawTextBox(L"alpha beta gamma", 100, 100, w, 500, 1, 1, 0, 0);
    const auto page = RecordPage(pe, 1, dc.Get());
    ASSERT_EQ(page.Strings(), (std::vector<std::wstring>{L"alpha beta", L"gamma"}));
    EXPECT_EQ(page.texts[1].x + Width(pe, L"gamma"), 100 + w); // no trailing blank
    EXPECT_EQ(page.texts[0].y - page.texts[1].y, LineHeight(pe));
}

TEST_F(EngineTest, DrawTextBox_ellipsisShortensAnOverlongLine)
{
    BeginOnMemoryDc();
    const int w = Width(pe, L"abcdef");
    pe->DrawTextBox(L"abcdefghijklmnop", 0, 0, w, 200, 0, 1, 0, 1);
    pe->DrawTextBox(L"abcdefghijklmnop", 0, 300, w, 200, 0, 1, 0, 0);
    const auto page = RecordPage(pe, 1, dc.Get());
    ASSERT_EQ(page.texts.size(), 2u);
    const std::wstring& shortened = page.texts[0].text;
    ASSERT_GE(shortened.size(), 3u);
    EXPECT_EQ(shortened.substr(shortened.size() - 3), L"...");
    const std::wstring kept = shortened.substr(0, shortened.size() - 3);
    EXPECT_EQ(std::wstring(L"abcdefghijklmnop").rfind(kept, 0), 0u); // a start of the line
    EXPECT_LE(Width(pe, shortened.c_str()), w);
    EXPECT_EQ(page.texts[1].text, L"abcdefghijklmnop"); // without ellipsis: cut at the box edge
    EXPECT_EQ(page.texts[1].clip.right, w);
}

TEST_F(EngineTest, DrawTextBox_emptyTextDrawsOnlyTheFrame)
{
    BeginOnMemoryDc();
    pe->SetPen(4, 0);
    pe->DrawTextBox(L"", 10, 10, 300, 100, 1, 1, 1, 0);
    const auto page = RecordPage(pe, 1, dc.Get());
    EXPECT_TRUE(page.texts.empty());
    EXPECT_EQ(page.rectangles.size(), 1u);
}

TEST_F(EngineTest, Polygons_ofMoreThan100PointsAreIgnored)
{
    BeginOnMemoryDc();
    pe->SetPen(1, 0);
    std::vector<POINT> pts(101);
    for (size_t i = 0; i < pts.size(); ++i)
        pts[i] = POINT{static_cast<LONG>(i * 10), static_cast<LONG>((i % 2) * 10)};
    EXPECT_EQ(pe->DrawPolygon(pts.data(), 101), 0);
    EXPECT_EQ(pe->DrawPolyline(pts.data(), 101), 0);
    EXPECT_EQ(pe->DrawPolygon(pts.data(), 100), 1);
    EXPECT_EQ(pe->DrawPolyline(pts.data(), 100), 1);
    EXPECT_EQ(pe->DrawPolygon(nullptr, 3), 0);
    const auto page = RecordPage(pe, 1, dc.Get());
    EXPECT_EQ(page.polygons, 1);
    EXPECT_EQ(page.polylines, 1);
}

TEST_F(EngineTest, AddPicture_registeredBeforeADocumentDrawsInTheNext)
{
    const auto dib = RedOverBlue();
    EXPECT_EQ(pe->AddPicture(nullptr), -1);
    const int id = pe->AddPicture(dib.data());
    EXPECT_EQ(id, 0);
    BeginOnMemoryDc();
    EXPECT_EQ(pe->AddPicture(dib.data()), 1);
    pe->DrawPicture(id, 10, 20, 100, 50);
    pe->DrawPicture(7, 10, 20, 100, 50); // unknown: nothing at draw time
    const auto page = RecordPage(pe, 1, dc.Get());
    ASSERT_EQ(page.pictures.size(), 1u);
    EXPECT_EQ(page.pictures[0].left, 10);
    EXPECT_EQ(page.pictures[0].top, -20);
    EXPECT_EQ(page.pictures[0].right, 110);
    EXPECT_EQ(page.pictures[0].bottom, -70);
}

TEST_F(EngineTest, DrawPicture_extendsDownwardsTheRightWayUp)
{
    const auto dib = RedOverBlue();
    BeginOnMemoryDc();
    pe->DrawPicture(pe->AddPicture(dib.data()), 0, 0, 200, 200);
    HDC target = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(100, 100, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(target, bitmap);
    PatBlt(target, 0, 0, 100, 100, WHITENESS);
    SetMapMode(target, MM_LOMETRIC);
    EXPECT_EQ(pe->DrawPage(target, target, 1), 1);
    SetMapMode(target, MM_TEXT);
    EXPECT_EQ(GetPixel(target, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(target, 5, 60), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(target, 5, 95), RGB(255, 255, 255));
    SelectObject(target, old);
    DeleteObject(bitmap);
    DeleteDC(target);
}

TEST_F(EngineTest, AddPagePicture_stampsListedPagesOfThisDocumentOnly)
{
    const auto dib = RedOverBlue();
    const int id = pe->AddPicture(dib.data());
    BeginOnMemoryDc();
    pe->AddPage();
    pe->AddPage();
    const int pages[] = {1, 3, 9};
    EXPECT_EQ(pe->AddPagePicture(id, 0, 0, 10, 10, pages, 3), 1);
    EXPECT_EQ(pe->AddPagePicture(id, 0, 0, 10, 10, nullptr, 3), 0);
    pe->EndDocument();
    EXPECT_EQ(RecordPage(pe, 1, dc.Get()).pictures.size(), 1u);
    EXPECT_EQ(RecordPage(pe, 2, dc.Get()).pictures.size(), 0u);
    EXPECT_EQ(RecordPage(pe, 3, dc.Get()).pictures.size(), 1u);

    BeginOnMemoryDc();
    pe->AddPage();
    pe->AddPage();
    pe->EndDocument();
    for (int page = 1; page <= 3; ++page)
        EXPECT_EQ(RecordPage(pe, page, dc.Get()).pictures.size(), 0u) << "page " << page;
}

TEST_F(EngineTest, DrawPage_outsideThePagesDrawsNothing)
{
    BeginOnMemoryDc();
    pe->DrawText(L"page one", 0, 0);
    EXPECT_TRUE(RecordPage(pe, 0, dc.Get()).texts.empty());
    EXPECT_TRUE(RecordPage(pe, 2, dc.Get()).texts.empty());
    EXPECT_EQ(pe->DrawPage(nullptr, nullptr, 1), 0);
}

TEST_F(EngineTest, DrawPage_twiceGivesTheSameOutput)
{
    BeginOnMemoryDc();
    pe->SetFont(100, 1, 0, RGB(10, 20, 30), 0, 0);
    pe->DrawText(L"Title", 0, 0);
    pe->SetFont(100, 1, 0, RGB(10, 20, 30), 1, 0);
    pe->DrawText(L"Italic", 0, 100);
    pe->SetPen(5, RGB(1, 2, 3));
    pe->DrawLine(0, 200, 500, 200);
    pe->DrawTextBox(L"boxed words that wrap", 0, 300, 300, 300, 1, 1, 1, 0);
    MemoryDc other;
    const auto first = RecordPage(pe, 1, dc.Get());
    const auto second = RecordPage(pe, 1, other.Get());
    EXPECT_EQ(first.Strings(), second.Strings());
    EXPECT_EQ(first.lines.size(), second.lines.size());
    EXPECT_EQ(first.fontsCreated, second.fontsCreated);
    ASSERT_GE(first.texts.size(), 2u);
    EXPECT_EQ(first.texts[0].font.lfItalic, 0);
    EXPECT_EQ(first.texts[1].font.lfItalic, 1);
    EXPECT_EQ(first.texts[0].font.lfWeight, FW_BOLD);
    EXPECT_EQ(first.texts[0].colour, RGB(10, 20, 30));
}
