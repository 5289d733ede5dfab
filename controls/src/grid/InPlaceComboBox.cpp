// The grid's in-place drop-down list.
#include "grid/InPlaceComboBox.h"

#include "RKComControls2.h"

namespace rkcc {

CInPlaceComboBox* CInPlaceComboBox::Open(HWND grid, const RECT& rect, HFONT font)
{
    auto* combo = new CInPlaceComboBox;
    if (!combo->CreateSubclassed(L"COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 0, rect, grid,
                                 1)) {
        delete combo;
        return nullptr;
    }
    combo->SetOwnsItself();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        combo->m_messageFont.Reset(CreateFontIndirectW(&metrics.lfMessageFont));
        SendMessageW(combo->Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(combo->m_messageFont.Get()), FALSE);
    }
    if (font)
        SendMessageW(combo->Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetFocus(combo->Hwnd());
    return combo;
}

LRESULT CInPlaceComboBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_KEYDOWN:
        if (wp == VK_ESCAPE || wp == VK_TAB || wp == VK_RETURN) {
            m_cancelled = wp == VK_ESCAPE;
            SetFocus(Parent());
            return 0;
        }
        return Default(msg, wp, lp);
    case WM_CHAR:
        if (wp == 0x1B || wp == L'\t' || wp == L'\r')
            return 0;
        return Default(msg, wp, lp);
    case WM_GETDLGCODE:
        return Default(msg, wp, lp) | DLGC_WANTALLKEYS;
    case WM_KILLFOCUS: {
        const LRESULT r = Default(msg, wp, lp);
        // Focus moving into the combo's own list is not an end.
        const HWND to = reinterpret_cast<HWND>(wp);
        if (!m_ended && !(to && IsChild(Hwnd(), to))) {
            m_ended = true;
            const LRESULT selection = SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0);
            SendMessageW(Parent(), RKCC2M_ASSIGNGRID_ENDEDIT, m_cancelled ? 1 : 0, selection);
            PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
        }
        return r;
    }
    case WM_CLOSE:
        DestroyWindow(Hwnd());
        return 0;
    default:
        return Default(msg, wp, lp);
    }
}

} // namespace rkcc
