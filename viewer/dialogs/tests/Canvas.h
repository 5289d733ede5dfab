#pragma once
// Drawing surfaces for the control tests: a memory DC on a 24-bit bitmap read back by pixel,
// a hidden top-level window to hold controls, and the text records of an enhanced metafile.

#include "fw/Window.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace dlgtest {

class CCanvas {
public:
    CCanvas(int width, int height, COLORREF fill) : m_width(width), m_height(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        void* bits = nullptr;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_previous = SelectObject(m_dc, m_bitmap);
        const RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    ~CCanvas()
    {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    HDC Dc() const { return m_dc; }
    COLORREF Pixel(int x, int y) const
    {
        GdiFlush();
        return GetPixel(m_dc, x, y);
    }
    // Pixels of `color` in the rectangle.
    int Count(const RECT& rect, COLORREF color) const
    {
        int n = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                n += Pixel(x, y) == color;
        return n;
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_previous;
};

// A hidden popup that holds test controls; `onDrawItem` receives its WM_DRAWITEM.
class CHostWindow : public fw::CWindow {
public:
    CHostWindow(int width, int height)
    {
        RegisterWindowClass(L"QvDialogTestHost", 0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        CreateArgs args;
        args.className = L"QvDialogTestHost";
        args.style = WS_POPUP;
        args.x = 0;
        args.y = 0;
        args.cx = width;
        args.cy = height;
        Create(args);
    }
    std::function<void(const DRAWITEMSTRUCT& item)> onDrawItem;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == WM_DRAWITEM && onDrawItem) {
            onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
            return TRUE;
        }
        return fw::CWindow::HandleMessage(msg, wp, lp);
    }
};

struct DrawnText {
    std::wstring text;
    int x = 0;     // reference point
    int width = 0; // sum of the character advances
};

inline int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
{
    if (record->iType != EMR_EXTTEXTOUTW)
        return 1;
    const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    const auto* base = reinterpret_cast<const BYTE*>(record);
    DrawnText text;
    text.text.assign(reinterpret_cast<const wchar_t*>(base + out->emrtext.offString), out->emrtext.nChars);
    text.x = out->emrtext.ptlReference.x;
    if (out->emrtext.offDx) {
        const auto* dx = reinterpret_cast<const INT*>(base + out->emrtext.offDx);
        for (DWORD i = 0; i < out->emrtext.nChars; ++i)
            text.width += dx[i];
    }
    if (!text.text.empty())
        reinterpret_cast<std::vector<DrawnText>*>(data)->push_back(text);
    return 1;
}

// The texts an enhanced metafile draws (EMR_EXTTEXTOUTW), in order; the metafile is deleted.
inline std::vector<DrawnText> TextsOf(HENHMETAFILE metafile)
{
    std::vector<DrawnText> texts;
    EnumEnhMetaFile(nullptr, metafile, &CollectText, &texts, nullptr);
    DeleteEnhMetaFile(metafile);
    return texts;
}

} // namespace dlgtest
