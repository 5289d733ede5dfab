#pragma once
// Reaches the print engine the way the viewer does (LoadLibrary, exports by name) and reads drawn
// pages back from enhanced metafiles: texts, lines, fills, rectangles with the pen, brush and
// font that were selected for them, in logical units.

#include "RKPrintEngine2.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace petest {

struct TextRec {
    std::wstring text;
    int x = 0, y = 0;    // reference point (top-left of the text)
    RECT clip{};         // clipping rectangle when clipped
    bool clipped = false;
    LOGFONTW font{};     // font selected when drawn
    COLORREF colour = 0;
};

struct LineRec {
    POINT from{}, to{};
    int penWidth = 0;
    COLORREF penColour = 0;
};

struct FillRec {
    RECT rect{};         // normalised: left < right, bottom < top
    COLORREF colour = 0;
};

struct ShapeRec {
    RECT box{};
    int penWidth = 0;
};

struct PageRec {
    std::vector<TextRec> texts;
    std::vector<LineRec> lines;
    std::vector<FillRec> fills;       // FillRect and pattern blits
    std::vector<ShapeRec> rectangles; // Rectangle with an outline
    std::vector<ShapeRec> ellipses;
    std::vector<RECT> pictures;       // StretchDIBits destinations
    int polygons = 0;
    int polylines = 0;
    int fontsCreated = 0;

    std::vector<std::wstring> Strings() const;
    const TextRec* Find(const std::wstring& text) const;
};

// Draws page `page` of the engine into a new enhanced metafile (MM_LOMETRIC, as the viewer's
// print path prepares it), measuring on attrib, and reads the records back.
PageRec RecordPage(CRKPrintEngine2* engine, int page, HDC attrib);

// A memory DC in MM_LOMETRIC: the attribute DC the tests build documents on.
class MemoryDc {
public:
    MemoryDc();
    ~MemoryDc();
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

class EngineTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Begins a document on the memory DC with margins 0 (paper origin = printable origin).
    void BeginOnMemoryDc();

    static HMODULE s_module;
    static DllGetPrintEngineProc s_get;
    static DllFreePrintEngineProc s_free;
    CRKPrintEngine2* pe = nullptr;
    MemoryDc dc;
};

} // namespace petest
