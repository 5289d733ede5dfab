// Font copies and measurements.
#include "base/Fonts.h"

namespace rkcc {

HFONT FontOf(HWND dialog)
{
    HFONT font = dialog ? reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)) : nullptr;
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

LOGFONTW FontDescription(HFONT font)
{
    LOGFONTW lf{};
    if (!font || !GetObjectW(font, sizeof(lf), &lf))
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    return lf;
}

CFontHandle CopyFont(HFONT source, LONG weight, int underline)
{
    LOGFONTW lf = FontDescription(source);
    if (weight > 0)
        lf.lfWeight = weight;
    if (underline >= 0)
        lf.lfUnderline = underline ? TRUE : FALSE;
    return CFontHandle(CreateFontIndirectW(&lf));
}

TEXTMETRICW FontMetrics(HFONT font)
{
    TEXTMETRICW tm{};
    HDC dc = GetDC(nullptr);
    {
        CSelect select(dc, font);
        GetTextMetricsW(dc, &tm);
    }
    ReleaseDC(nullptr, dc);
    return tm;
}

SIZE DialogBaseUnits(HFONT font)
{
    SIZE units{};
    HDC dc = GetDC(nullptr);
    {
        CSelect select(dc, font);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        // The average width of the Latin letters, rounded, as the dialog manager measures it.
        static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        SIZE size{};
        GetTextExtentPoint32W(dc, kLetters, 52, &size);
        units.cx = (size.cx / 26 + 1) / 2;
        units.cy = tm.tmHeight;
    }
    ReleaseDC(nullptr, dc);
    if (units.cx <= 0)
        units.cx = 1;
    if (units.cy <= 0)
        units.cy = 1;
    return units;
}

} // namespace rkcc
