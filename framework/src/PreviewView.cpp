// Print preview: page window, its bar, page navigation and zoom.
#include "fw/PreviewView.h"

#include "fw/Dialog.h"
#include "fw/FrameWindow.h"
#include "fw/Printer.h"
#include "fw/Window.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

namespace fw {

namespace {

const wchar_t kPreviewClass[] = L"QvPreviewView";
constexpr int kMargin = 12;     // grey border around the page, in pixels
constexpr int kShadow = 4;
constexpr int kLineStep = 24;   // pixels per scroll line

// The printer's sheet in its device pixels, and the unprintable border at its left and top.
struct Sheet {
    SIZE size{1, 1};
    POINT offset{0, 0};
    SIZE dpi{1, 1};
};

Sheet PrinterSheet(HDC printer)
{
    Sheet sheet;
    sheet.dpi = SIZE{std::max(GetDeviceCaps(printer, LOGPIXELSX), 1), std::max(GetDeviceCaps(printer, LOGPIXELSY), 1)};
    sheet.size = SIZE{GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT)};
    sheet.offset = POINT{GetDeviceCaps(printer, PHYSICALOFFSETX), GetDeviceCaps(printer, PHYSICALOFFSETY)};
    // Not a printer (a display or metafile DC stands in): its drawing surface is the sheet.
    if (sheet.size.cx <= 0 || sheet.size.cy <= 0) {
        sheet.size = SIZE{std::max(GetDeviceCaps(printer, HORZRES), 1), std::max(GetDeviceCaps(printer, VERTRES), 1)};
        sheet.offset = POINT{0, 0};
    }
    return sheet;
}

// Gives `dc` the mapping the target gave the printer, scaled so that the printer's sheet covers
// `sheetRect`: whatever the target draws lands where it lands on paper, at the sheet's scale.
// The target measures on the printer, so the layout is the printed one at every zoom.
void MapPrinterSheetTo(HDC dc, HDC printer, const RECT& sheetRect)
{
    const Sheet sheet = PrinterSheet(printer);
    const int width = std::max<int>(sheetRect.right - sheetRect.left, 1);
    const int height = std::max<int>(sheetRect.bottom - sheetRect.top, 1);
    POINT windowOrigin{};
    SIZE windowExtent{};
    POINT viewportOrigin{};
    SIZE viewportExtent{};
    GetWindowOrgEx(printer, &windowOrigin);
    GetWindowExtEx(printer, &windowExtent);
    GetViewportOrgEx(printer, &viewportOrigin);
    GetViewportExtEx(printer, &viewportExtent);
    // On paper: device = (logical - window origin) * viewport extent / window extent + viewport
    // origin, with the sheet's corner at -offset. On the screen each device pixel of the printer
    // becomes width / sheet width pixels. 64-bit products: a fine printer's extents times the
    // sheet's size would overflow 32 bits.
    auto scaled = [](LONG a, LONG b) { return static_cast<long long>(a) * b; };
    long long wx = scaled(windowExtent.cx, sheet.size.cx);
    long long wy = scaled(windowExtent.cy, sheet.size.cy);
    long long vx = scaled(viewportExtent.cx, width);
    long long vy = scaled(viewportExtent.cy, height);
    while (std::max({std::llabs(wx), std::llabs(wy), std::llabs(vx), std::llabs(vy)}) > 0x3FFFFFFF) {
        wx /= 2;
        wy /= 2;
        vx /= 2;
        vy /= 2;
    }
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, windowOrigin.x, windowOrigin.y, nullptr);
    SetWindowExtEx(dc, static_cast<int>(wx), static_cast<int>(wy), nullptr);
    SetViewportExtEx(dc, static_cast<int>(vx), static_cast<int>(vy), nullptr);
    SetViewportOrgEx(dc, sheetRect.left + MulDiv(viewportOrigin.x + sheet.offset.x, width, sheet.size.cx),
                     sheetRect.top + MulDiv(viewportOrigin.y + sheet.offset.y, height, sheet.size.cy), nullptr);
}

wchar_t Upper(wchar_t c)
{
    wchar_t text[2] = {c, 0};
    CharUpperW(text);
    return text[0];
}

// The enabled button of `bar` whose text marks `key` as its access key (case ignored), or null.
HWND ButtonOfAccessKey(HWND bar, wchar_t key)
{
    for (HWND child = GetWindow(bar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        // The style, not IsWindowVisible: the bar counts as shown while its frame is hidden.
        if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) || !IsWindowEnabled(child) ||
            !(SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
            continue;
        const wchar_t marked = AccessKey(WindowText(child));
        if (marked && marked == Upper(key))
            return child;
    }
    return nullptr;
}

} // namespace

// The preview's bar: a child dialog whose buttons send their commands to the preview.
class CPreviewBar : public CDialog {
public:
    CPreviewBar(UINT templateId, CPreviewView* view) : CDialog(templateId), m_view(view) {}

protected:
    bool OnCommand(UINT id, UINT code, HWND) override
    {
        if (code != BN_CLICKED)
            return false;
        // Escape in the bar closes the preview; Enter does nothing.
        if (id == IDCANCEL)
            id = CPreviewView::kClose;
        if (id != IDOK && m_view)
            m_view->ExecuteCommand(id);
        return true;
    }

private:
    CPreviewView* m_view; // not owned; the preview owns the bar
};

CPreviewView::CPreviewView()
{
    SetOwnsItself(true);
}

CPreviewView::~CPreviewView()
{
    m_bar.reset();
    if (m_info.printerDc) {
        Printer().DeletePrinterDC(m_info.printerDc);
        m_info.printerDc = nullptr;
    }
}

bool CPreviewView::Start(std::unique_ptr<CPreviewView> view, CFrameWindow& frame, IPrintTarget& target,
                         UINT barTemplate)
{
    if (!view || frame.InPreview() || !frame.Hwnd())
        return false;
    CPreviewView* self = view.get();
    self->m_frame = &frame;
    self->m_target = &target;
    self->m_info.preview = true;
    self->m_info.owner = frame.Hwnd();
    if (!target.OnPreparePrinting(self->m_info) || !self->m_info.printerDc)
        return false;
    self->m_bar = std::make_unique<CPreviewBar>(barTemplate, self);
    if (!self->m_bar->CreateModeless(frame.Hwnd()))
        return false;
    if (!RegisterWindowClass(kPreviewClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, nullptr, nullptr))
        return false;
    CreateArgs args;
    args.className = kPreviewClass;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL;
    args.x = args.y = 0;
    args.cx = args.cy = 0;
    args.parent = frame.Hwnd();
    // From here the window owns the object: a failed Create has deleted it already.
    view.release();
    if (!self->Create(args))
        return false;
    frame.EnterPreview(self, self->m_bar->Hwnd());
    const CPrintDC dc{self->m_info.printerDc, self->m_info.printerDc};
    target.OnBeginPrinting(dc, self->m_info);
    self->m_info.currentPage = self->m_info.minPage;
    self->OnCreated();
    self->UpdateScrollBars();
    self->UpdateBar();
    SetFocus(self->Hwnd());
    return true;
}

void CPreviewView::Close()
{
    if (m_closing)
        return;
    m_closing = true;
    if (m_target) {
        const CPrintDC dc{m_info.printerDc, m_info.printerDc};
        m_target->OnEndPrinting(dc, m_info);
    }
    if (m_frame)
        m_frame->LeavePreview();
    m_bar.reset();
    DestroyWindow(Hwnd()); // the object is gone after this
}

HWND CPreviewView::Bar() const
{
    return m_bar ? m_bar->Hwnd() : nullptr;
}

bool CPreviewView::HasPages() const
{
    return m_info.maxPage != 0 && m_info.maxPage >= m_info.minPage;
}

void CPreviewView::GoToPage(UINT page)
{
    if (!HasPages())
        return;
    // An unknown page count shows the first page only, as the print loop would print it.
    const UINT last = m_info.maxPage == CPrintInfo::kNoPage ? m_info.minPage : m_info.maxPage;
    page = std::clamp(page, m_info.minPage, last);
    if (page == m_info.currentPage)
        return;
    m_info.currentPage = page;
    m_scroll = POINT{0, 0};
    UpdateScrollBars();
    InvalidateRect(Hwnd(), nullptr, TRUE);
    UpdateBar();
}

void CPreviewView::SetZoom(int state)
{
    state = std::clamp(state, 0, kZoomStates - 1);
    if (state == m_zoom)
        return;
    m_zoom = state;
    m_scroll = POINT{0, 0};
    UpdateScrollBars();
    InvalidateRect(Hwnd(), nullptr, TRUE);
    UpdateBar();
}

bool CPreviewView::ExecuteCommand(UINT id)
{
    try {
        return OnPreviewCommand(id);
    } catch (...) {
        return false;
    }
}

bool CPreviewView::PreTranslateKey(const MSG& msg)
{
    HWND bar = Bar();
    if (!bar || !Hwnd() || (msg.hwnd != Hwnd() && msg.hwnd != bar && !IsChild(bar, msg.hwnd)))
        return false;
    // The bar is a child of a frame, not a dialog the message loop serves: its keys come here.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        ExecuteCommand(kClose);
        return true;
    }
    if (msg.message != WM_SYSCHAR)
        return false;
    HWND button = ButtonOfAccessKey(bar, static_cast<wchar_t>(msg.wParam));
    if (!button)
        return false; // the frame's menu may have it
    SendMessageW(bar, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
}

bool CPreviewView::OnPreviewCommand(UINT id)
{
    switch (id) {
    case kClose:
        Close();
        return true;
    case kNextPage:
        GoToPage(m_info.currentPage + 1);
        return true;
    case kPrevPage:
        if (m_info.currentPage > m_info.minPage)
            GoToPage(m_info.currentPage - 1);
        return true;
    case kZoomIn:
        SetZoom(m_zoom + 1);
        return true;
    case kZoomOut:
        SetZoom(m_zoom - 1);
        return true;
    case kPrint:
        OnPreviewPrint();
        return true;
    }
    return false;
}

void CPreviewView::UpdatePreviewCommand(CCommandState& state)
{
    const UINT last = m_info.maxPage == CPrintInfo::kNoPage ? m_info.minPage : m_info.maxPage;
    switch (state.id) {
    case kNextPage:
        state.Enable(HasPages() && m_info.currentPage < last);
        break;
    case kPrevPage:
        state.Enable(HasPages() && m_info.currentPage > m_info.minPage);
        break;
    case kZoomIn:
        state.Enable(m_zoom < kZoomStates - 1);
        break;
    case kZoomOut:
        state.Enable(m_zoom > 0);
        break;
    case kPrint:
        state.Enable(HasPages());
        break;
    }
}

void CPreviewView::OnPreviewPrint()
{
    HWND frame = m_frame ? m_frame->Hwnd() : nullptr;
    Close();
    // Posted: the preview is gone before the frame prints.
    if (frame)
        PostMessageW(frame, WM_COMMAND, MAKEWPARAM(CFrameWindow::kPrintCommand, 0), 0);
}

void CPreviewView::OnDisplayPageNumber(UINT, UINT)
{
}

void CPreviewView::UpdateBar()
{
    HWND bar = Bar();
    if (!bar)
        return;
    for (HWND child = GetWindow(bar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const UINT id = static_cast<UINT>(GetDlgCtrlID(child));
        CCommandState state;
        state.id = id;
        UpdatePreviewCommand(state);
        if (state.handled && (IsWindowEnabled(child) != FALSE) != state.enabled)
            EnableWindow(child, state.enabled);
    }
    const UINT pages = HasPages() ? (m_info.maxPage == CPrintInfo::kNoPage ? 1 : m_info.maxPage) : 0;
    const UINT page = HasPages() ? m_info.currentPage : 0;
    if (page != m_shownPage || pages != m_shownPages) {
        m_shownPage = page;
        m_shownPages = pages;
        OnDisplayPageNumber(page, pages);
    }
}

SIZE CPreviewView::PageSizeOnScreen() const
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    // The sheet's size in thousandths of an inch.
    SIZE inches{1000, 1000};
    if (m_info.printerDc) {
        const Sheet sheet = PrinterSheet(m_info.printerDc);
        inches = SIZE{MulDiv(sheet.size.cx, 1000, sheet.dpi.cx), MulDiv(sheet.size.cy, 1000, sheet.dpi.cy)};
    }
    const int availableX = std::max<int>(client.right - 2 * kMargin, 1);
    const int availableY = std::max<int>(client.bottom - 2 * kMargin, 1);
    if (m_zoom >= 2) {
        HDC screen = GetDC(nullptr);
        const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
        const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return SIZE{MulDiv(inches.cx, dpiX, 1000), MulDiv(inches.cy, dpiY, 1000)};
    }
    if (m_zoom == 1)
        return SIZE{availableX, MulDiv(availableX, inches.cy, std::max<int>(inches.cx, 1))};
    // The whole page: as large as fits either way.
    int width = availableX;
    int height = MulDiv(width, inches.cy, std::max<int>(inches.cx, 1));
    if (height > availableY) {
        height = availableY;
        width = MulDiv(height, inches.cx, std::max<int>(inches.cy, 1));
    }
    return SIZE{width, height};
}

RECT CPreviewView::PageRect() const
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const SIZE size = PageSizeOnScreen();
    const int left = size.cx + 2 * kMargin <= client.right ? (client.right - size.cx) / 2 : kMargin - m_scroll.x;
    const int top = size.cy + 2 * kMargin <= client.bottom ? (client.bottom - size.cy) / 2 : kMargin - m_scroll.y;
    return RECT{left, top, left + size.cx, top + size.cy};
}

void CPreviewView::UpdateScrollBars()
{
    if (!Hwnd())
        return;
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const SIZE size = PageSizeOnScreen();
    const bool zoomed = IsZoomed();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    // Horizontal: only a zoomed page scrolls; the bar is gone otherwise.
    info.nMax = zoomed ? size.cx + 2 * kMargin - 1 : 0;
    info.nPage = zoomed ? static_cast<UINT>(std::max<LONG>(client.right, 1)) : 0;
    m_scroll.x = std::clamp<LONG>(m_scroll.x, 0, std::max<LONG>(info.nMax + 1 - static_cast<LONG>(info.nPage), 0));
    info.nPos = zoomed ? m_scroll.x : 0;
    SetScrollInfo(Hwnd(), SB_HORZ, &info, TRUE);
    // Vertical: the page when zoomed, else the pages of the document (always shown).
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    if (zoomed) {
        info.nMin = 0;
        info.nMax = size.cy + 2 * kMargin - 1;
        info.nPage = static_cast<UINT>(std::max<LONG>(client.bottom, 1));
        m_scroll.y = std::clamp<LONG>(m_scroll.y, 0, std::max<LONG>(info.nMax + 1 - static_cast<LONG>(info.nPage), 0));
        info.nPos = m_scroll.y;
    } else {
        const UINT last = HasPages() ? (m_info.maxPage == CPrintInfo::kNoPage ? m_info.minPage : m_info.maxPage) : 0;
        info.nMin = static_cast<int>(m_info.minPage);
        info.nMax = HasPages() ? static_cast<int>(last) : static_cast<int>(m_info.minPage);
        info.nPage = 1;
        info.nPos = static_cast<int>(HasPages() ? m_info.currentPage : m_info.minPage);
    }
    SetScrollInfo(Hwnd(), SB_VERT, &info, TRUE);
}

void CPreviewView::Scroll(int bar, int code)
{
    if (!IsZoomed()) {
        // The whole page: the scroll codes turn pages.
        switch (code) {
        case SB_TOP:
            GoToPage(m_info.minPage);
            break;
        case SB_BOTTOM:
            GoToPage(m_info.maxPage);
            break;
        case SB_LINEUP:
        case SB_PAGEUP:
            if (m_info.currentPage > m_info.minPage)
                GoToPage(m_info.currentPage - 1);
            break;
        case SB_LINEDOWN:
        case SB_PAGEDOWN:
            GoToPage(m_info.currentPage + 1);
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            if (bar == SB_VERT) {
                SCROLLINFO info{};
                info.cbSize = sizeof(info);
                info.fMask = SIF_TRACKPOS;
                GetScrollInfo(Hwnd(), SB_VERT, &info);
                GoToPage(static_cast<UINT>(std::max(info.nTrackPos, 0)));
            }
            break;
        }
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Hwnd(), bar, &info);
    LONG& position = bar == SB_HORZ ? m_scroll.x : m_scroll.y;
    LONG next = position;
    switch (code) {
    case SB_TOP:
        next = 0;
        break;
    case SB_BOTTOM:
        next = info.nMax;
        break;
    case SB_LINEUP:
        next -= kLineStep;
        break;
    case SB_LINEDOWN:
        next += kLineStep;
        break;
    case SB_PAGEUP:
        next -= static_cast<LONG>(info.nPage);
        break;
    case SB_PAGEDOWN:
        next += static_cast<LONG>(info.nPage);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        next = info.nTrackPos;
        break;
    }
    next = std::clamp<LONG>(next, 0, std::max<LONG>(info.nMax + 1 - static_cast<LONG>(info.nPage), 0));
    if (next == position)
        return;
    position = next;
    UpdateScrollBars();
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CPreviewView::RenderPage(HDC dc, const RECT& pageRect)
{
    HDC printer = m_info.printerDc;
    if (!printer || !m_target)
        return;
    // Drawn straight into `dc`, the printer measuring. (A metafile recorded against the printer's
    // DC and played into the sheet is not enough: Wine records it in the screen's units, which
    // put the page into the top-left third of the sheet.)
    const int saved = SaveDC(dc);
    const CPrintDC pdc{dc, printer};
    m_info.continuePrinting = true;
    m_target->OnPrepareDC(pdc, m_info);
    if (m_info.continuePrinting) {
        MapPrinterSheetTo(dc, printer, pageRect);
        m_target->OnPrint(pdc, m_info);
    }
    RestoreDC(dc, saved);
}

void CPreviewView::Paint(HDC dc)
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
    if (!HasPages())
        return;
    const RECT page = PageRect();
    RECT shadow{page.left + kShadow, page.top + kShadow, page.right + kShadow, page.bottom + kShadow};
    FillRect(dc, &shadow, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
    FillRect(dc, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, page.left, page.top, page.right, page.bottom);
    RenderPage(dc, page);
    RestoreDC(dc, saved);
    FrameRect(dc, &page, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

LRESULT CPreviewView::HandleMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Hwnd(), &ps);
        Paint(dc);
        EndPaint(Hwnd(), &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wp));
        return 0;
    case WM_SIZE:
        UpdateScrollBars();
        InvalidateRect(Hwnd(), nullptr, TRUE);
        return 0;
    case WM_VSCROLL:
        Scroll(SB_VERT, LOWORD(wp));
        return 0;
    case WM_HSCROLL:
        if (IsZoomed())
            Scroll(SB_HORZ, LOWORD(wp));
        else if (LOWORD(wp) == SB_LINELEFT || LOWORD(wp) == SB_PAGELEFT)
            Scroll(SB_VERT, SB_LINEUP);
        else if (LOWORD(wp) == SB_LINERIGHT || LOWORD(wp) == SB_PAGERIGHT)
            Scroll(SB_VERT, SB_LINEDOWN);
        return 0;
    case WM_MOUSEWHEEL:
        Scroll(SB_VERT, GET_WHEEL_DELTA_WPARAM(wp) > 0 ? SB_LINEUP : SB_LINEDOWN);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(Hwnd());
        return 0;
    }
    return DefaultHandling(msg, wp, lp);
}

void CPreviewView::OnFinalMessage()
{
    // Destroyed with the frame, not through Close: the frame must not keep pointing here.
    if (!m_closing && m_frame && m_frame->Preview() == this)
        m_frame->LeavePreview();
}

} // namespace fw
