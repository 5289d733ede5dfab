// Pixels to tenths of a millimetre.
#include "PaperGeometry.h"

namespace rkpe {

namespace {

// pixels / dpi * 254, rounded half up and truncated toward zero. A device that reports no
// resolution (some metafile and display DCs) measures 0 rather than dividing by zero.
int ToTenthMm(int pixels, int dpi)
{
    if (dpi <= 0)
        return 0;
    return static_cast<int>(static_cast<double>(pixels) / dpi * 254.0 + 0.5);
}

} // namespace

PaperGeometry MeasurePaper(HDC attrib, const DeviceCapsFn& caps)
{
    PaperGeometry g;
    g.dpiX = caps(attrib, LOGPIXELSX);
    g.dpiY = caps(attrib, LOGPIXELSY);
    g.paperWidth = ToTenthMm(caps(attrib, PHYSICALWIDTH), g.dpiX);
    g.paperHeight = ToTenthMm(caps(attrib, PHYSICALHEIGHT), g.dpiY);
    g.offsetX = ToTenthMm(caps(attrib, PHYSICALOFFSETX), g.dpiX);
    g.offsetY = ToTenthMm(caps(attrib, PHYSICALOFFSETY), g.dpiY);
    return g;
}

} // namespace rkpe
