// The main tool bar and its zoom box.
#include "ToolBarEx.h"

#include "ClassicText.h"
#include "MainFrame.h"
#include "QV2ResVIds.h"
#include "Settings.h"
#include "fw/Window.h"

#include <commctrl.h>

#include <vector>

namespace {

constexpr int kDefaultZoomList[] = {25, 50, 66, 75, 90, 100, 110, 125, 150, 200};

std::wstring ZoomText(int value)
{
    return ctext::IntText(value) + L" %";
}

HFONT CreateZoomFont()
{
    if (GetSystemMetrics(SM_DBCSENABLED)) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        LOGFONTW font = metrics.lfMessageFont;
        font.lfHeight = -14;
        return CreateFontIndirectW(&font);
    }
    LOGFONTW font{};
    font.lfHeight = -10;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    wcscpy(font.lfFaceName, L"MS Sans Serif");
    return CreateFontIndirectW(&font);
}

} // namespace

LRESULT CZoomEditBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_CHAR:
        if (wp == L'\t' || wp == L'\r' || wp == L'\n' || wp == 27)
            return 0;
        break;
    case WM_KEYDOWN:
        if (wp == VK_RETURN) {
            m_bar.ApplyTypedZoom();
            m_bar.FocusView();
            return 0;
        }
        if (wp == VK_TAB || wp == VK_ESCAPE) {
            m_bar.RefreshZoomText();
            m_bar.FocusView();
            return 0;
        }
        break;
    case WM_KILLFOCUS: {
        const LRESULT result = DefaultHandling(msg, wp, lp);
        m_bar.RefreshZoomText();
        return result;
    }
    }
    return DefaultHandling(msg, wp, lp);
}

CToolBarEx::~CToolBarEx()
{
    m_zoomEdit.Detach();
    // The combo goes with the bar control (its parent) before the font can go.
    if (Exists())
        DestroyWindow(Hwnd());
    if (m_font)
        DeleteObject(m_font);
}

bool CToolBarEx::CreateFor(CMainFrame& frame)
{
    m_frame = &frame;
    if (!Create(frame.Hwnd(), TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, TBSTYLE_EX_DRAWDDARROWS))
        return false;
    if (!LoadToolBar(IDR_TOOLBAR_MAIN)) {
        DestroyWindow(Hwnd());
        return false;
    }
    for (UINT id : {static_cast<UINT>(IDM_FILTER_EDIT), static_cast<UINT>(IDM_VIEW_TIMEBAR)}) {
        const int index = CommandToIndex(id);
        if (index >= 0)
            SetButtonStyle(index, static_cast<BYTE>(ButtonStyle(index) | BTNS_DROPDOWN));
    }
    CreateZoomBox();
    return true;
}

std::set<int> CToolBarEx::ZoomListValues()
{
    std::set<int> values;
    for (const std::wstring& part : GetSettingList(L"ViewToolbarZoomList", L" ,\r\n"))
        values.insert(ctext::ParseInt(part));
    if (values.empty())
        values.insert(std::begin(kDefaultZoomList), std::end(kDefaultZoomList));
    return values;
}

void CToolBarEx::CreateZoomBox()
{
    const int index = CommandToIndex(IDM_VIEW_ZOOM_PLACEHOLDER);
    if (index < 0)
        return;
    m_font = CreateZoomFont();

    HDC dc = GetDC(Hwnd());
    HGDIOBJ previous = SelectObject(dc, m_font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, L"xx100 %xx", 9, &extent);
    SelectObject(dc, previous);
    ReleaseDC(Hwnd(), dc);
    int width = extent.cx + GetSystemMetrics(SM_CXVSCROLL);
    if (width <= 74)
        width = 75;
    width = GetIntSetting(L"ViewToolbarZoomComboWidth", width);
    MakeSeparator(index, width);

    const RECT place = ItemRect(index);
    const int dropDown = GetIntSetting(L"ViewToolbarZoomComboDropDownHeight", 400);
    m_combo = CreateWindowExW(0, WC_COMBOBOXW, L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL |
                                  CBS_HASSTRINGS,
                              place.left, place.top, width, dropDown, Hwnd(),
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kZoomComboId)),
                              GetModuleHandleW(nullptr), nullptr);
    if (!m_combo)
        return;
    SendMessageW(m_combo, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(m_combo, &info) && info.hwndItem)
        m_zoomEdit.Attach(info.hwndItem);

    const std::set<int> values = ZoomListValues();
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        const std::wstring text = ZoomText(*it);
        const LRESULT item = SendMessageW(m_combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (item >= 0)
            SendMessageW(m_combo, CB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(*it));
    }
}

void CToolBarEx::RefreshZoomText()
{
    if (m_combo)
        SetWindowTextW(m_combo, ZoomText(GetIntSetting(L"ViewZoom", 100)).c_str());
}

void CToolBarEx::ApplyTypedZoom()
{
    if (!m_combo || !m_frame)
        return;
    int value = ctext::ParseInt(fw::WindowText(m_combo));
    if (value == 0)
        value = 100;
    m_frame->SetZoom(value);
}

void CToolBarEx::OnZoomListClosed()
{
    if (!m_combo || !m_frame)
        return;
    const LRESULT item = SendMessageW(m_combo, CB_GETCURSEL, 0, 0);
    if (item == CB_ERR)
        return;
    m_frame->SetZoom(static_cast<int>(SendMessageW(m_combo, CB_GETITEMDATA, static_cast<WPARAM>(item), 0)));
    FocusView();
}

void CToolBarEx::FocusView()
{
    if (m_frame && m_frame->ActiveView() && m_frame->ActiveView()->Hwnd())
        SetFocus(m_frame->ActiveView()->Hwnd());
}

void CToolBarEx::OnSettingChange(WPARAM wp, LPARAM lp)
{
    // Version 6 of the common controls loses the drop-down arrows' width when the system's
    // metrics change under buttons that have them: the style is off while the bar recomputes.
    if (fw::CommonControlsVersion() < 6) {
        fw::CToolBar::OnSettingChange(wp, lp);
        return;
    }
    std::vector<BYTE> styles;
    const int count = ButtonCount();
    for (int i = 0; i < count; ++i) {
        styles.push_back(ButtonStyle(i));
        if (styles.back() & BTNS_DROPDOWN)
            SetButtonStyle(i, static_cast<BYTE>(styles.back() & ~BTNS_DROPDOWN));
    }
    fw::CToolBar::OnSettingChange(wp, lp);
    for (int i = 0; i < count && i < static_cast<int>(styles.size()); ++i) {
        if (styles[static_cast<size_t>(i)] & BTNS_DROPDOWN)
            SetButtonStyle(i, styles[static_cast<size_t>(i)]);
    }
}
