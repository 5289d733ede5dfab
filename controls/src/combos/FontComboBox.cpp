// The font family combo.
#include "combos/FontComboBox.h"

#include "RKComControls2.h"
#include "base/Fonts.h"
#include "base/Gdi.h"

namespace rkcc {

namespace {
constexpr UINT kComboId = 100;
}

int CALLBACK CFontComboBox::OnFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM context)
{
    auto* self = reinterpret_cast<CFontComboBox*>(context);
    if (!font || (!self->m_all && !(type & TRUETYPE_FONTTYPE)))
        return 1;
    // A callback of GDI's enumeration: nothing may unwind through it.
    try {
        auto copy = std::make_unique<LOGFONTW>(*font);
        self->m_fonts.reserve(self->m_fonts.size() + 1);
        const LRESULT index =
            SendMessageW(self->Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font->lfFaceName));
        if (index >= 0) {
            SendMessageW(self->Hwnd(), CB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(copy.get()));
            self->m_fonts.push_back(std::move(copy));
        }
        return 1;
    } catch (...) {
        return 0; // out of memory: stop the enumeration with what is listed
    }
}

int CFontComboBox::Fill(bool all)
{
    SendMessageW(Hwnd(), CB_RESETCONTENT, 0, 0);
    m_fonts.clear();
    m_all = all;
    CWindowDC dc(Hwnd());
    EnumFontFamiliesW(dc, nullptr, reinterpret_cast<FONTENUMPROCW>(&CFontComboBox::OnFamily),
                      reinterpret_cast<LPARAM>(this));
    return static_cast<int>(SendMessageW(Hwnd(), CB_GETCOUNT, 0, 0));
}

LRESULT CRKFontComboBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    HWND combo = m_combo.Hwnd();
    switch (msg) {
    case WM_CREATE: {
        if (Default(msg, wp, lp) == -1)
            return -1;
        const RECT rect{0, 0, ClientRect().right, m_dropHeight};
        if (!m_combo.CreateSubclassed(L"COMBOBOX",
                                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST |
                                          CBS_HASSTRINGS | CBS_SORT,
                                      0, rect, Hwnd(), kComboId))
            return -1;
        SendMessageW(m_combo.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(Parent())), FALSE);
        return 0;
    }
    case WM_SIZE:
        MoveWindow(combo, 0, 0, LOWORD(lp), m_dropHeight, TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(combo);
        return 0;
    case WM_ENABLE:
        EnableWindow(combo, wp != FALSE);
        return 0;
    case WM_COMMAND:
        return 0; // the font combo has no notifications of its own
    case RKCC2M_FONTCOMBO_GETINNERCTRL:
        return reinterpret_cast<LRESULT>(combo);
    case RKCC2M_FONTCOMBO_FILL:
        return m_combo.Fill(wp != 0);
    case RKCC2M_FONTCOMBO_SETDROPHEIGHT:
        m_dropHeight = static_cast<int>(wp);
        MoveWindow(combo, 0, 0, ClientRect().right, m_dropHeight, TRUE);
        return 1;
    default:
        if (IsComboBoxMessage(msg) && combo)
            return SendMessageW(combo, msg, wp, lp);
        return Default(msg, wp, lp);
    }
}

} // namespace rkcc
