// Page geometry in tenths of a millimetre on devices whose capabilities the test sets: A4
// portrait and landscape at 300 and 600 dpi, with a printable border of 1/6 inch.
#include "PrintEngineInt.h"

#include <gtest/gtest.h>

using namespace rkpe;

namespace {

struct Device {
    int dpi;
    int width, height; // pixels
    int offset;        // pixels at left and top
};

DeviceCapsFn Caps(Device d)
{
    return [d](HDC, int index) {
        switch (index) {
        case LOGPIXELSX:
        case LOGPIXELSY: return d.dpi;
        case PHYSICALWIDTH: return d.width;
        case PHYSICALHEIGHT: return d.height;
        case PHYSICALOFFSETX:
        case PHYSICALOFFSETY: return d.offset;
        default: return 0;
        }
    };
}

const Device kA4Portrait300{300, 2480, 3508, 50};
const Device kA4Landscape300{300, 3508, 2480, 50};
const Device kA4Portrait600{600, 4960, 7016, 100};
const Device kA4Landscape600{600, 7016, 4960, 100};

class PaperGeometryTest : public testing::Test {
protected:
    PaperGeometryTest() { SetMapMode(m_dc, MM_LOMETRIC); }
    ~PaperGeometryTest() override { DeleteDC(m_dc); }

    // Pages of 0.1 mm rows laid out on the device's printable area with 10 mm margins.
    std::vector<int> TableBottoms(CRKPrintEngine2Int& pe)
    {
        pe.BeginDocument(m_dc, m_dc);
        pe.MarginLeft = pe.MarginRight = pe.MarginTop = pe.MarginBottom = 100;
        pe.BeginTable(0, 0, pe.GetPrintableWidth(), pe.GetPrintableHeight(), 0);
        const int widths[] = {400, pe.GetPrintableWidth() - 400};
        for (int i = 0; i < 80; ++i) {
            const int r = pe.AddTableRow(1, 2, widths);
            pe.SetContentHeightRow(1, r, 100 + (i % 7) * 10);
            pe.SetCustomContentRow(1, r, 1);
        }
        pe.EndTable();
        std::vector<int> bottoms(static_cast<size_t>(pe.GetLastTablePages(nullptr, nullptr)));
        pe.GetTablePageBottoms(bottoms.data(), static_cast<int>(bottoms.size()));
        return bottoms;
    }

    HDC m_dc = CreateCompatibleDC(nullptr);
};

} // namespace

TEST_F(PaperGeometryTest, BeginDocument_measuresA4InTenthsOfAMillimetre)
{
    for (const Device& d : {kA4Portrait300, kA4Portrait600}) {
        CRKPrintEngine2Int pe(Caps(d));
        pe.BeginDocument(m_dc, m_dc);
        EXPECT_EQ(pe.DpiX, d.dpi);
        EXPECT_EQ(pe.PaperWidth, 2100);
        EXPECT_EQ(pe.PaperHeight, 2970);
        EXPECT_EQ(pe.PhysicalOffsetX, 42);
        EXPECT_EQ(pe.PhysicalOffsetY, 42);
        EXPECT_EQ(pe.MarginLeft, 42);
        EXPECT_EQ(pe.MarginBottom, 42);
        EXPECT_EQ(pe.GetPrintableWidth(), 2100 - 84);
        EXPECT_EQ(pe.GetPrintableHeight(), 2970 - 84);
        EXPECT_EQ(pe.MapX(0), 0);
        EXPECT_EQ(pe.MapY(0), 0);
        pe.MarginLeft = 200;
        pe.MarginTop = 150;
        EXPECT_EQ(pe.MapX(0), 158);
        EXPECT_EQ(pe.MapY(10), -118);
    }
    for (const Device& d : {kA4Landscape300, kA4Landscape600}) {
        CRKPrintEngine2Int pe(Caps(d));
        pe.BeginDocument(m_dc, m_dc);
        EXPECT_EQ(pe.PaperWidth, 2970);
        EXPECT_EQ(pe.PaperHeight, 2100);
        EXPECT_EQ(pe.GetPrintableHeight(), 2100 - 84);
    }
}

TEST_F(PaperGeometryTest, BeginDocument_onADeviceWithoutResolutionMeasuresZero)
{
    CRKPrintEngine2Int pe(Caps(Device{0, 2480, 3508, 50}));
    pe.BeginDocument(m_dc, m_dc);
    EXPECT_EQ(pe.PaperWidth, 0);
    EXPECT_EQ(pe.PhysicalOffsetX, 0);
    EXPECT_EQ(pe.GetPageCount(), 1);
}

TEST_F(PaperGeometryTest, EndTable_paginatesTheSameAtEveryResolution)
{
    CRKPrintEngine2Int portrait300(Caps(kA4Portrait300));
    CRKPrintEngine2Int portrait600(Caps(kA4Portrait600));
    CRKPrintEngine2Int landscape300(Caps(kA4Landscape300));
    CRKPrintEngine2Int landscape600(Caps(kA4Landscape600));
    const auto p300 = TableBottoms(portrait300);
    EXPECT_EQ(p300, TableBottoms(portrait600));
    const auto l300 = TableBottoms(landscape300);
    EXPECT_EQ(l300, TableBottoms(landscape600));
    EXPECT_EQ(p300.size(), 5u);
    EXPECT_EQ(l300.size(), 7u);
    for (size_t i = 0; i + 1 < p300.size(); ++i)
        EXPECT_LE(p300[i], 2970 - 200);
}
